#include "shell/main_window.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "shell/app.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;
using test::PlainSettings;

TEST(MainWindowLoad, SetsTheStartValuesOfItsFields) {
    HeadlessGame game({.sysIni = "[KV]\r\nfirstrun=no\r\nspeed=40\r\n"});
    GameState& s = game.app.state;
    // Values a previous game could have left behind.
    s.newGameStarting = true;
    s.inMainMenu = false;
    s.gamePaused = true;
    s.hurtLifePending = false;
    s.lives = 0;
    s.framePeriod = 7;
    s.speechShade = 3;
    s.spriteVariant = 1;
    s.levelNumber = 12;
    s.gameSeconds = 345;
    s.playerVisible = false;
    s.blinkTicks = 2;
    s.bossFight = true;
    s.hudShown = true;
    s.bossX = 1;
    s.bossY = 2;
    s.loopRunning = false;
    game.openMainWindow();
    ASSERT_TRUE(game.app.Form1.isLoaded());

    EXPECT_FALSE(s.newGameStarting);
    EXPECT_TRUE(s.inMainMenu);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_TRUE(s.hurtLifePending);
    EXPECT_EQ(s.lives, 3);
    EXPECT_EQ(s.framePeriod, 40);
    EXPECT_TRUE(s.musicOn);
    EXPECT_EQ(s.speechShade, 255);
    EXPECT_EQ(s.spriteVariant, 0);
    EXPECT_EQ(s.levelNumber, 1);
    EXPECT_EQ(s.gameSeconds, 0);
    EXPECT_TRUE(s.playerVisible);
    EXPECT_EQ(s.blinkTicks, 20);
    EXPECT_FALSE(s.bossFight);
    EXPECT_FALSE(s.hudShown);
    EXPECT_EQ(s.bossX, 6000);
    EXPECT_EQ(s.bossY, 267);
    EXPECT_TRUE(s.loopRunning);

    EXPECT_EQ(game.get("Form1.Visible"), "True");
    EXPECT_EQ(game.get("Form1.KeyPreview"), "True");
    EXPECT_EQ(game.get("Form1.Caption"), "Kvorlin");
    EXPECT_EQ(game.get("Form1.loading.Visible"), "True");
    EXPECT_EQ(game.get("Form1.Timer1.Enabled"), "True");
    EXPECT_EQ(game.get("Form1.Timer2.Enabled"), "True");
    EXPECT_EQ(game.get("Form1.Timer3.Enabled"), "False");
    EXPECT_EQ(game.get("Form1.Timer5.Enabled"), "False");
    EXPECT_EQ(game.get("Form1.Timer2.Interval"), "100");
    // The intro lent its label for the frame period and is closed again.
    EXPECT_EQ(game.get("checkpoint.Loaded"), "False");
    EXPECT_TRUE(game.app.windows.hasFrameLoop());
}

TEST(MainWindowLoad, OnlyTheExactTextFalseSwitchesTheMusicOff) {
    for (const auto& [stored, on] : {std::pair{"False", false},
                                     {"false", true},
                                     {"FALSE", true},
                                     {"True", true},
                                     {"\"False\"", false},
                                     {"", true}}) {
        HeadlessGame game(
            {.sysIni = std::string("[KV]\r\nfirstrun=no\r\nNastaveni8=") + stored + "\r\n"});
        game.openMainWindow();
        EXPECT_EQ(game.app.state.musicOn, on) << stored;
        EXPECT_EQ(game.app.Form1.soundno->visible, !on) << stored;
    }
    // The default text leaves the music on.
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    EXPECT_EQ(game.get("ini.Text9"), "Pelhrotka");
    EXPECT_EQ(game.get("musicOn"), "True");
    EXPECT_EQ(game.get("Form1.soundno.Visible"), "False");
}

TEST(MainWindowLoad, CopiesTheTestPicture) {
    HeadlessGame game({.sysIni = PlainSettings});
    writeFileAtomic(game.path("/grafix/test.bmp"), "an old copy");
    game.openMainWindow();
    EXPECT_EQ(game.bytes("/grafix/test.bmp"), test::testLevelBytes());
}

TEST(MainWindowLoad, MissingTestPictureEndsTheProgramNamingIt) {
    test::CapturedStderr stderrText;
    HeadlessGame game({.testLevel = false, .sysIni = PlainSettings});
    game.openMainWindow();
    EXPECT_EQ(game.get("App.Ended"), "True");
    EXPECT_NE(game.get("App.ExitCode"), "0");
    EXPECT_EQ(game.get("Form1.Visible"), "False");
    EXPECT_FALSE(game.app.windows.hasFrameLoop());
    ASSERT_EQ(game.host.errors().size(), 1u);
    EXPECT_NE(game.host.errors()[0].find(game.path("/grafix/test.lev").string()), std::string::npos)
        << game.host.errors()[0];
    EXPECT_EQ(stderrText.linesWith("test.lev"), 1);
}

TEST(MainWindowLoad, SpeedThatIsNoNumberPlaysAtTheDefaultWithOneWarning) {
    test::CapturedStderr stderrText;
    HeadlessGame game({.sysIni = "[KV]\r\nfirstrun=no\r\nspeed=abc\r\n"});
    game.openMainWindow();
    EXPECT_EQ(game.app.state.framePeriod, 25);
    EXPECT_EQ(stderrText.linesWith(game.path("/sys.ini").string()), 1) << stderrText.text();
    EXPECT_EQ(stderrText.linesWith("abc"), 1);
    EXPECT_FALSE(game.app.ended());
    // The setting itself is kept as it was.
    EXPECT_EQ(game.get("ini.Text2"), "abc");
}

TEST(MainWindowLoad, SpeedWithBlanksOrSignIsANumber) {
    for (const auto& [stored, period] : {std::pair{"  30 ", 30}, {"+1", 1}, {"1000", 1000}}) {
        HeadlessGame game(
            {.sysIni = std::string("[KV]\r\nfirstrun=no\r\nspeed=") + stored + "\r\n"});
        game.openMainWindow();
        EXPECT_EQ(game.app.state.framePeriod, period) << stored;
    }
}

TEST(MainWindowLoad, SpeedOutsideOneToAThousandIsRefusedLikeNoNumber) {
    // "99999999999" is read as its first nine digits: a frame every eleven days.
    for (const char* stored : {"99999999999", "1001", "0", "-3"}) {
        test::CapturedStderr stderrText;
        HeadlessGame game(
            {.sysIni = std::string("[KV]\r\nfirstrun=no\r\nspeed=") + stored + "\r\n"});
        game.openMainWindow();
        EXPECT_EQ(game.app.state.framePeriod, 25) << stored;
        EXPECT_EQ(stderrText.linesWith(game.path("/sys.ini").string()), 1) << stderrText.text();
    }
}

TEST(MainWindowLoad, ReloadResetsItsOwnFieldsAndKeepsTheRest) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    GameState& s = app.state;
    EXPECT_EQ(game.script("wait 2100"), 0);
    EXPECT_EQ(s.gameSeconds, 2);
    s.lives = 1;
    s.levelNumber = 7;
    s.inMainMenu = false;
    s.jumping = true;
    s.walkDirection = Dir::Left;
    s.playerX = 123;
    app.Form1.score->caption = "1500";
    app.Form1.tma->top = 0;

    app.windows.unload(app.Form1);
    EXPECT_FALSE(app.Form1.isLoaded());
    app.windows.show(app.windows.loaded(app.Form1));

    EXPECT_EQ(s.lives, 3);
    EXPECT_EQ(s.levelNumber, 1);
    EXPECT_EQ(s.gameSeconds, 0);
    EXPECT_TRUE(s.inMainMenu);
    EXPECT_TRUE(s.jumping);
    EXPECT_EQ(s.walkDirection, Dir::Left);
    EXPECT_EQ(s.playerX, 123);
    // Its controls come back as they were built.
    EXPECT_EQ(app.Form1.score->caption, "0");
    EXPECT_EQ(app.Form1.tma->top, -100);
    EXPECT_FALSE(app.checkpoint.isLoaded());
    EXPECT_EQ(game.get("jumping"), "True");
    EXPECT_EQ(game.get("walkDirection"), "left");
}

}  // namespace
}  // namespace kv
