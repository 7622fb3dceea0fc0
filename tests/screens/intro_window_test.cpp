#include "screens/intro_window.h"

#include <gtest/gtest.h>

#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;

struct Intro : ::testing::Test {
    HeadlessGame game{{.sysIni = "[KV]\r\nfirstrun=no\r\nspeed=31\r\nNastaveni9=-900\r\n"}};
    App& app = game.app;
    IntroWindow& w = app.checkpoint;
    void SetUp() override {
        game.start();
        ASSERT_EQ(app.windows.top(), &w);
    }
};

TEST_F(Intro, ThreeWordsThenTheMainWindowAfter293Ticks) {
    EXPECT_EQ(w.Label1->caption, "31");
    EXPECT_FALSE(w.Label1->visible);
    EXPECT_EQ(w.bannerWidth, 300);
    EXPECT_EQ(w.bannerHeight, 38);
    ASSERT_EQ(game.script("wait 1000"), 0);
    EXPECT_EQ(w.introStage, 0);
    EXPECT_EQ(w.backdropX, 500);
    ASSERT_EQ(game.script("wait 10"), 0);
    EXPECT_EQ(w.introStage, 1);
    EXPECT_EQ(w.backdropX, -450);
    EXPECT_EQ(w.backdropY, 40);

    // Through the slot the word shows the backdrop; the covers keep the rest black.
    ASSERT_EQ(game.script("wait 400"), 0);
    const Surface shot = app.windows.snapshot();
    int lit = 0;
    for (int y = 121; y < 152; ++y)
        for (int x = 161; x < 440; ++x) lit += shot.pixel(x, y) != rgb(0, 0, 0);
    EXPECT_GT(lit, 300);
    for (const auto& [x, y] : {std::pair{300, 110}, {300, 160}, {150, 130}, {450, 130}})
        EXPECT_EQ(shot.pixel(x, y), rgb(0, 0, 0)) << x << "," << y;

    ASSERT_EQ(game.script("wait 1510"), 0);  // 292 ticks
    EXPECT_EQ(w.introStage, 2);
    EXPECT_FALSE(app.Form1.isLoaded());
    ASSERT_EQ(game.script("wait 10"), 0);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(app.windows.top(), &app.Form1);
    EXPECT_EQ(app.state.framePeriod.toText(), "31");
}

TEST_F(Intro, SpaceOpensTheMainWindowAtOnceOtherKeysNothing) {
    ASSERT_EQ(game.script("wait 200"), 0);
    for (int k : {keys::Enter, keys::Esc, keys::Right, keys::S, keys::Add}) app.windows.keyDown(k);
    EXPECT_EQ(app.windows.top(), &w);
    app.windows.keyDown(keys::Space);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(app.Form1.visible);
    EXPECT_EQ(app.windows.top(), &app.Form1);
}

TEST_F(Intro, ResetTakesTheMenuKeysAndTheMouseHighlightButSpaceStillSkipsUnlessItIsLit) {
    const Colour grey = w.Label3->foreColour;
    app.windows.move(w, *w.Label3);
    EXPECT_NE(w.Label3->foreColour, grey);
    app.windows.move(w, *w.Picture1[0]);
    EXPECT_EQ(w.Label3->foreColour, grey);
    // Lit by the keys, Enter runs Reset.
    app.windows.keyDown(keys::Down);
    EXPECT_NE(w.Label3->foreColour, grey);
    app.windows.keyDown(keys::Enter);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(app.windows.top(), &app.Form2);
    // The test's confirm brings a fresh intro: "Reset" grey, and Space skips it again.
    app.windows.click(app.Form2, *app.Form2.Picture2);
    ASSERT_EQ(app.windows.top(), &w);
    EXPECT_EQ(w.Label3->foreColour, grey);
    app.windows.keyDown(keys::Space);
    EXPECT_EQ(app.windows.top(), &app.Form1);
}

TEST_F(Intro, ResetRunsTheFirstRunTestAgainFromItsStart) {
    app.windows.click(w, *w.Label3);
    EXPECT_FALSE(w.isLoaded());
    ASSERT_EQ(app.windows.top(), &app.Form2);
    EXPECT_TRUE(app.ini.isLoaded());
    EXPECT_EQ(app.ini.Text[1], "no");
    EXPECT_NE(game.bytes("/sys.ini").find("firstrun=no"), std::string::npos);
    // Whatever was stored, the test starts at 25 and -1500.
    EXPECT_EQ(app.Form2.testPeriod, 25);
    EXPECT_EQ(app.Form2.Label5->caption, "-1500");
    EXPECT_EQ(app.Form2.MediaPlayer1->volume(), -1500);
    // Its confirm comes back to a fresh intro.
    app.windows.click(app.Form2, *app.Form2.Picture2);
    EXPECT_EQ(app.windows.top(), &w);
    EXPECT_EQ(w.introStage, 0);
    EXPECT_EQ(w.backdropX, -500);
}

}  // namespace
}  // namespace kv
