// The working copies of the level pictures through a game: made by a new game and by each level
// completion, removed by the next completion and by quitting; the loading second between levels;
// a missing level file ends the program with a message naming it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/files.h"
#include "levels/level_folder.h"
#include "player/walking.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using Names = std::set<std::string>;
using test::HeadlessGame;

const std::string Settings = "[KV]\r\nfirstrun=no\r\nNastaveni8=True\r\nNastaveni9=-1500\r\n";

Names levelCopies(const HeadlessGame& game) {
    return test::filesEndingIn(game.folder.path() / "grafix", ".bmp");
}

// Clicks the new-game item and runs frames until the menu has handed over to play.
void startNewGame(HeadlessGame& game) {
    ASSERT_EQ(game.script("click Form1.novahra"), 0) << game.err.str();
    for (int i = 0; i < 1000 && game.app.state.inMainMenu && !game.app.ended(); ++i)
        game.driver.frames(1);
    ASSERT_FALSE(game.app.state.inMainMenu);
}

// Past the level-start second: the loading screen is gone and play is on.
void finishLoading(HeadlessGame& game) {
    game.driver.wait(1100);
    ASSERT_FALSE(game.app.Form1.loading->visible);
}

// At the right end of the level, walking right, clear of anything solid.
void standAtTheRightEnd(GameState& s) {
    s.scrollX = 5726;
    s.playerX = 581;
    s.playerY = -100;
    s.walkDirection = Dir::Right;
}

TEST(LevelCopies, NewGameCopiesLevelOneAndSetsItUpAgainASecondLater) {
    HeadlessGame game({.sysIni = Settings});
    test::linkRealLevel(game.folder.path(), 1, false);
    game.openMainWindow();
    App& app = game.app;
    GameState& s = app.state;
    MainWindow& f = app.Form1;
    EXPECT_EQ(levelCopies(game), Names{"test.bmp"});

    startNewGame(game);
    EXPECT_EQ(levelCopies(game), (Names{"episode1.bmp", "episode1mask.bmp", "test.bmp"}));
    for (const char* stem : {"/grafix/episode1", "/grafix/episode1mask"})
        EXPECT_TRUE(game.bytes(std::string(stem) + ".bmp") ==
                    game.bytes(std::string(stem) + ".lev"))
            << stem << ".bmp is not a copy of its .lev";
    EXPECT_TRUE(f.Timer3->enabled());
    EXPECT_TRUE(f.loading->visible);
    EXPECT_EQ(s.playerX, 60);
    EXPECT_EQ(s.playerY, 101);
    EXPECT_EQ(f.music->playCount(), 0);

    // Whatever happens in the loading second is undone by the second setup.
    s.playerX = 300;
    s.enemyAlive[3] = false;
    s.enemyX[3] = 7;
    finishLoading(game);
    EXPECT_EQ(s.playerX, 60);
    EXPECT_TRUE(s.enemyAlive[3]);
    EXPECT_NE(s.enemyX[3], 7);
    EXPECT_FALSE(f.Timer3->enabled());
    EXPECT_EQ(s.levelNumber, 1);
    // Tune 1 starts with it, at the stored volume.
    EXPECT_EQ(f.music->playCount(), 1);
    EXPECT_EQ(f.music->fileName(), game.path("/music/1.mid").string());
    EXPECT_EQ(f.music->volume(), -1500);
}

TEST(LevelCopies, CompletingALevelReplacesTheCopiesAndShowsTheLoadingScreenForASecond) {
    HeadlessGame game({.sysIni = Settings});
    test::linkRealLevel(game.folder.path(), 1, false);
    test::linkRealLevel(game.folder.path(), 2, true);
    game.openMainWindow();
    App& app = game.app;
    GameState& s = app.state;
    MainWindow& f = app.Form1;
    startNewGame(game);
    finishLoading(game);
    f.score->caption = "250";

    standAtTheRightEnd(s);
    game.driver.frames(1);
    EXPECT_EQ(s.levelNumber, 2);
    EXPECT_EQ(levelCopies(game), (Names{"e2.bmp", "episode2.bmp", "episode2mask.bmp"}));
    // The stored files stay as they were.
    EXPECT_EQ(test::filesEndingIn(game.folder.path() / "grafix", ".lev"),
              (Names{"e2.lev", "episode1.lev", "episode1mask.lev", "episode2.lev",
                     "episode2mask.lev", "test.lev"}));
    EXPECT_EQ(f.score->caption, "350");
    EXPECT_EQ(f.Label6->caption, "level : 2");
    EXPECT_TRUE(f.loading->visible);
    EXPECT_TRUE(f.Timer3->enabled());
    ASSERT_TRUE(f.loadd->shown());
    test::BmpPixels title(test::realGrafix() / "e2.lev");
    EXPECT_EQ(f.loadd->shown()->width(), title.width());
    EXPECT_EQ(f.loadd->shown()->pixel(77, 70), title.colour(77, 70));

    // The player walks on past the end behind the loading screen, but no level is completed.
    game.driver.wait(900);
    EXPECT_EQ(s.levelNumber, 2);
    EXPECT_GT(s.playerX, 581);
    EXPECT_TRUE(f.loading->visible);
    EXPECT_EQ(f.score->caption, "350");

    game.driver.wait(200);
    EXPECT_FALSE(f.loading->visible);
    EXPECT_FALSE(f.Timer3->enabled());
    EXPECT_EQ(s.levelNumber, 2);
    EXPECT_EQ(s.playerX, 40);
    EXPECT_EQ(s.scrollX, 0);
    // Level 2 starts no tune: tune 1 plays on.
    EXPECT_EQ(f.music->playCount(), 1);
    EXPECT_EQ(levelCopies(game), (Names{"e2.bmp", "episode2.bmp", "episode2mask.bmp"}));
}

TEST(LevelCopies, LevelTenIsWrittenWithoutLeadingZeros) {
    HeadlessGame game({.sysIni = Settings});
    test::linkRealLevel(game.folder.path(), 1, false);
    test::linkRealLevel(game.folder.path(), 10, true);
    game.openMainWindow();
    GameState& s = game.app.state;
    MainWindow& f = game.app.Form1;
    startNewGame(game);
    finishLoading(game);

    s.levelNumber = 9;
    standAtTheRightEnd(s);
    game.driver.frames(1);
    EXPECT_EQ(s.levelNumber, 10);
    EXPECT_EQ(levelCopies(game), (Names{"e10.bmp", "episode10.bmp", "episode10mask.bmp"}));
    EXPECT_EQ(f.Label6->caption, "level : 10");

    game.driver.wait(1100);
    EXPECT_FALSE(f.loading->visible);
    EXPECT_EQ(s.playerX, 50);
    EXPECT_EQ(s.groundColour,
              test::BmpPixels(test::realGrafix() / "episode10mask.lev").colour(0, 0));
}

TEST(LevelCopies, NoLevelIsCompletedBehindTheLoadingScreenOrInTheLastLevel) {
    HeadlessGame game({.sysIni = Settings});
    test::linkRealLevel(game.folder.path(), 1, false);
    game.openMainWindow();
    App& app = game.app;
    GameState& s = app.state;
    MainWindow& f = app.Form1;
    startNewGame(game);
    const Names copies = levelCopies(game);

    // The first second of a new game is a loading second too.
    ASSERT_TRUE(f.loading->visible);
    standAtTheRightEnd(s);
    game.driver.frames(3);
    EXPECT_EQ(s.levelNumber, 1);
    EXPECT_GT(s.playerX, 581);
    EXPECT_EQ(levelCopies(game), copies);
    finishLoading(game);

    // The last level has nothing after it: its right end is a wall of nothing.
    s.levelNumber = 12;
    standAtTheRightEnd(s);
    EXPECT_FALSE(WalkRight(app));
    s.levelNumber = 11;
    standAtTheRightEnd(s);
    EXPECT_TRUE(WalkRight(app));

    s.levelNumber = 12;
    standAtTheRightEnd(s);
    game.driver.frames(3);
    EXPECT_EQ(s.levelNumber, 12);
    EXPECT_GT(s.playerX, 581);
    EXPECT_FALSE(f.Timer3->enabled());
    EXPECT_FALSE(f.loading->visible);
    EXPECT_EQ(levelCopies(game), copies);
    EXPECT_FALSE(app.ended());
}

TEST(LevelCopies, QuittingFromTheMainMenuDeletesEveryCopy) {
    HeadlessGame game({.sysIni = Settings});
    game.openMainWindow();
    App& app = game.app;
    // Copies left over from an earlier run are swept away too.
    writeFileAtomic(game.path("/grafix/episode4.bmp"), "old");
    EXPECT_EQ(test::filesEndingIn(game.folder.path() / "music", ".mid").size(), 7u);

    ASSERT_EQ(game.script("click Form1.konec"), 0) << game.err.str();
    for (int i = 0; i < 1000 && !app.ended(); ++i) game.driver.frames(1);
    ASSERT_TRUE(app.ended());
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_EQ(levelCopies(game), Names{});
    EXPECT_EQ(test::filesEndingIn(game.folder.path() / "music", ".mid"), Names{});
    EXPECT_EQ(test::filesEndingIn(game.folder.path() / "music", ".mus").size(), 7u);
    EXPECT_TRUE(game.exists("/grafix/test.lev"));
}

TEST(LevelFileErrors, AMissingLevelFileEndsTheProgramNamingTheFile) {
    HeadlessGame game({.sysIni = Settings});
    test::linkRealLevel(game.folder.path(), 1, false);
    test::linkReal(game.folder.path(), "e3.lev", "e3.lev");
    test::linkReal(game.folder.path(), "episode3mask.lev", "episode3mask.lev");
    game.openMainWindow();
    App& app = game.app;
    startNewGame(game);
    finishLoading(game);

    app.state.levelNumber = 2;
    standAtTheRightEnd(app.state);
    test::CapturedStderr err;
    game.driver.frames(1);
    EXPECT_TRUE(app.ended());
    EXPECT_NE(app.exitCode(), 0);
    ASSERT_EQ(game.host.errors().size(), 1u);
    EXPECT_NE(game.host.errors()[0].find("episode3.lev"), std::string::npos)
        << game.host.errors()[0];
    EXPECT_EQ(err.linesWith("episode3.lev"), 1) << err.text();
}

TEST(LevelFileErrors, AnUnreadableMaskEndsTheProgramNamingTheFileToFix) {
    HeadlessGame game({.sysIni = Settings});
    test::linkReal(game.folder.path(), "episode1.lev", "episode1.lev");
    writeFileAtomic(game.path("/grafix/episode1mask.lev"), "BM but not really a picture");
    game.openMainWindow();
    App& app = game.app;
    test::CapturedStderr err;
    ASSERT_EQ(game.script("click Form1.novahra"), 0);
    for (int i = 0; i < 1000 && !app.ended(); ++i) game.driver.frames(1);
    EXPECT_TRUE(app.ended());
    EXPECT_NE(app.exitCode(), 0);
    ASSERT_EQ(game.host.errors().size(), 1u);
    // The stored picture is the one to fix; its working copy is only a copy of it.
    EXPECT_NE(game.host.errors()[0].find(game.path("/grafix/episode1mask.lev").string()),
              std::string::npos)
        << game.host.errors()[0];
    EXPECT_EQ(game.host.errors()[0].find("episode1mask.bmp"), std::string::npos);
}

}  // namespace
}  // namespace kv
