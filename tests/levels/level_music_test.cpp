// Which tune the level-start tick starts, at which volume, and when it starts none.
#include "levels/level_music.h"

#include <gtest/gtest.h>

#include "levels/level_files.h"
#include "levels/level_folder.h"
#include "levels/level_start.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

TEST(LevelMusic, TuneForLevel) {
    const int tunes[] = {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 7, 0};
    for (int level = 0; level <= 13; ++level) EXPECT_EQ(TuneForLevel(level), tunes[level]) << level;
    EXPECT_EQ(TuneForLevel(-1), 0);
}

// A program folder with small levels 1, 2, 3 and 12 and the main window open.
void openWithLevels(test::HeadlessGame& game) {
    Surface mask(64, 16, rgb(0, 0, 0));
    mask.setPixel(0, 0, rgb(0, 200, 0));
    mask.setPixel(1, 1, rgb(200, 0, 0));
    for (int level : {1, 2, 3, 12}) test::writeTinyLevel(game.folder.path(), level, mask);
    game.openMainWindow();
}

// What a level completion leaves for the level-start tick.
void startLevel(App& app, int level) {
    app.state.levelNumber = level;
    CopyLevelPictures(app, level, true);
    app.Form1.loading->visible = true;
    app.Form1.Timer3->setEnabled(true);
    LevelStartTick(app);
}

TEST(LevelMusic, LevelStartTickStartsTheLevelsTuneAtTheStoredVolume) {
    test::HeadlessGame game({.sysIni = "[KV]\r\nfirstrun=no\r\nNastaveni9=-1500\r\n"});
    openWithLevels(game);
    App& app = game.app;
    MainWindow& f = app.Form1;
    ASSERT_TRUE(app.state.musicOn);
    const MusicPlayer& music = *f.music;
    const std::string folder = game.folder.path().string();

    startLevel(app, 1);
    EXPECT_EQ(music.fileName(), folder + "/music/1.mid");
    EXPECT_EQ(music.playCount(), 1);
    EXPECT_EQ(music.volume(), -1500);
    EXPECT_FALSE(f.loading->visible);
    EXPECT_FALSE(f.Timer3->enabled());
    EXPECT_EQ(app.state.playerX, 60);  // set up before the tune starts

    // Level 2 leaves tune 1 playing.
    startLevel(app, 2);
    EXPECT_EQ(music.playCount(), 1);
    EXPECT_EQ(music.fileName(), folder + "/music/1.mid");
    EXPECT_EQ(app.state.playerX, 40);

    // The volume is read anew at every start.
    app.ini.Text[10] = "-900";
    startLevel(app, 3);
    EXPECT_EQ(music.fileName(), folder + "/music/2.mid");
    EXPECT_EQ(music.playCount(), 2);
    EXPECT_EQ(music.volume(), -900);

    startLevel(app, 12);
    EXPECT_EQ(music.fileName(), folder + "/music/7.mid");
    EXPECT_EQ(music.playCount(), 3);
    EXPECT_EQ(game.get("Form1.music.FileName"), folder + "/music/7.mid");
    EXPECT_EQ(game.get("Form1.music.PlayCount"), "3");
    EXPECT_EQ(game.get("Form1.music.Volume"), "-900");
}

TEST(LevelMusic, WithTheMusicOffNoTuneStarts) {
    test::HeadlessGame game(
        {.sysIni = "[KV]\r\nfirstrun=no\r\nNastaveni8=False\r\nNastaveni9=-100\r\n"});
    openWithLevels(game);
    App& app = game.app;
    ASSERT_FALSE(app.state.musicOn);
    for (int level : {1, 3, 12}) startLevel(app, level);
    EXPECT_EQ(app.Form1.music->playCount(), 0);
    EXPECT_EQ(app.Form1.music->fileName(), "");
    EXPECT_FALSE(app.Form1.loading->visible);  // the level itself still starts
}

TEST(LevelMusic, AVolumeThatIsNoNumberStillStartsTheTune) {
    test::HeadlessGame game({.sysIni = "[KV]\r\nfirstrun=no\r\nNastaveni9=loud\r\n"});
    openWithLevels(game);
    App& app = game.app;
    test::CapturedStderr err;
    startLevel(app, 1);
    startLevel(app, 3);
    EXPECT_EQ(app.Form1.music->playCount(), 2);
    EXPECT_EQ(app.Form1.music->volume(), 0);
    EXPECT_EQ(err.linesWith("loud"), 1) << err.text();
    EXPECT_FALSE(app.ended());
}

}  // namespace
}  // namespace kv
