#include "shell/app.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/files.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;
using test::PlainSettings;

namespace fs = std::filesystem;

TEST(App, CleanExitDeletesOnlyTheWorkingCopiesItMade) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    const fs::path elsewhere = game.folder.path() / "elsewhere";
    fs::create_directory(elsewhere);
    // The player's own files beside the copies, and a copy's name that is a link out.
    for (const char* own : {"/grafix/holiday.bmp", "/music/song.mid", "/music/10.mid"})
        writeFileAtomic(game.path(own), "mine");
    writeFileAtomic(elsewhere / "photo.bmp", "mine");
    fs::create_symlink(elsewhere / "photo.bmp", game.path("/grafix/e3.bmp"));
    writeFileAtomic(game.path("/grafix/episode2mask.bmp"), "a copy");
    ASSERT_TRUE(game.exists("/grafix/test.bmp"));
    ASSERT_TRUE(game.exists("/music/4.mid"));

    game.app.cleanExit();
    EXPECT_FALSE(game.exists("/grafix/test.bmp"));
    EXPECT_FALSE(game.exists("/grafix/episode2mask.bmp"));
    EXPECT_FALSE(game.exists("/music/4.mid"));
    for (const char* own : {"/grafix/holiday.bmp", "/music/song.mid", "/music/10.mid"})
        EXPECT_EQ(game.bytes(own), "mine") << own;
    EXPECT_TRUE(fs::is_symlink(game.path("/grafix/e3.bmp")));
    EXPECT_EQ(readFile(elsewhere / "photo.bmp"), "mine");
}

TEST(App, NothingIsDeletedThroughALinkedFolder) {
    HeadlessGame game({.sysIni = PlainSettings});
    const fs::path elsewhere = game.folder.path() / "elsewhere";
    fs::create_directory(elsewhere);
    writeFileAtomic(elsewhere / "1.mid", "someone else's tune");
    fs::rename(game.path("/music"), game.folder.path() / "tunes");
    fs::create_directory_symlink(elsewhere, game.path("/music"));
    game.app.cleanExit();
    EXPECT_EQ(readFile(elsewhere / "1.mid"), "someone else's tune");
}

TEST(App, StartRemovesStaleTemporariesOfItsOwnFiles) {
    HeadlessGame game({.sysIni = PlainSettings});
    // Left by a run killed in the middle of a save (the old name carried only the id).
    const std::string dead = "/.sys.ini.tmp999999999";
    writeFileAtomic(game.path(dead), "[KV]\r\nfirst");
    writeFileAtomic(game.path("/music/.3.mid.tmp999999999-abcdef"), "MThd");
    writeFileAtomic(game.path("/.notes.tmp999999999"), "mine");
    game.start();
    EXPECT_FALSE(game.exists(dead));
    EXPECT_FALSE(game.exists("/music/.3.mid.tmp999999999-abcdef"));
    EXPECT_TRUE(game.exists("/.notes.tmp999999999"));
}

TEST(App, UnloadFromTheWindowsOwnHandlerWaitsUntilItReturns) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    MainWindow& f = app.Form1;
    ASSERT_TRUE(f.isLoaded());
    bool readAfterUnload = false;
    f.Picture1->onClick = [&] {
        app.windows.unload(f);
        // The rest of the handler still runs on a whole window.
        readAfterUnload = f.isLoaded() && f.score->caption == "0";
    };
    app.windows.click(f, *f.Picture1);
    EXPECT_TRUE(readAfterUnload);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_FALSE(app.windows.hasFrameLoop());  // its loop went with it
    EXPECT_EQ(app.windows.top(), nullptr);

    // From outside its own code the unload is immediate.
    app.windows.show(app.windows.loaded(f));
    ASSERT_TRUE(f.isLoaded());
    app.windows.unload(f);
    EXPECT_FALSE(f.isLoaded());
}

TEST(App, ReadingAnUnloadedWindowLoadsItWithoutShowingIt) {
    HeadlessGame game({.sysIni = "[KV]\r\nfirstrun=no\r\nspeed=31\r\n"});
    game.openMainWindow();
    App& app = game.app;
    ASSERT_FALSE(app.checkpoint.isLoaded());
    // The intro's load handler fills its hidden label from the settings.
    EXPECT_EQ(app.windows.loaded(app.checkpoint).Label1->caption, "31");
    EXPECT_TRUE(app.checkpoint.isLoaded());
    EXPECT_FALSE(app.checkpoint.visible);
    EXPECT_EQ(app.windows.top(), &app.Form1);
}

TEST(App, WindowUnloadedAndShownByItsOwnCodeComesBackFresh) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    MainWindow& f = app.Form1;
    f.score->caption = "500";
    app.state.lives = 1;
    f.Picture1->onClick = [&] {
        app.windows.unload(f);
        app.windows.show(app.windows.loaded(f));
    };
    app.windows.click(f, *f.Picture1);
    ASSERT_TRUE(f.isLoaded());
    EXPECT_TRUE(f.visible);
    EXPECT_EQ(f.score->caption, "0");
    EXPECT_EQ(app.state.lives, 3);
    EXPECT_EQ(app.windows.top(), &f);
    EXPECT_TRUE(app.windows.hasFrameLoop());
}

TEST(App, NewFrameLoopReplacesTheOldOne) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    Window& owner = app.Form1;
    int a = 0, b = 0;
    auto at = [] { return Millis{0}; };
    app.windows.setFrameLoop({&owner, at, [&] { return ++a, true; }});
    app.windows.setFrameLoop({&owner, at, [&] { return ++b, true; }});
    app.windows.runFramePass();
    app.windows.runFramePass();
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 2);

    // A pass that registers its successor and then ends leaves the successor running.
    app.windows.setFrameLoop({&owner, at, [&] {
                                  app.windows.setFrameLoop({&owner, at, [&] { return ++b, true; }});
                                  return false;
                              }});
    app.windows.runFramePass();
    ASSERT_TRUE(app.windows.hasFrameLoop());
    app.windows.runFramePass();
    EXPECT_EQ(b, 3);

    // A pass that ends without one leaves no loop.
    app.windows.setFrameLoop({&owner, at, [&] { return false; }});
    app.windows.runFramePass();
    EXPECT_FALSE(app.windows.hasFrameLoop());
    EXPECT_FALSE(app.windows.runFramePass());
}

// The high-score window reloads the main window while the main window's loop is in a yield.
TEST(App, MainWindowReloadedFromInsideItsLoopRunsOneFreshLoop) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    MainWindow& f = app.Form1;
    int reloads = 0;
    f.Timer3->onTick = [&] {
        ++reloads;
        app.windows.unload(f);
        app.windows.show(app.windows.loaded(f));
    };
    f.Timer3->setEnabled(true);
    f.score->caption = "500";
    game.driver.wait(1100);
    EXPECT_EQ(reloads, 1);
    ASSERT_TRUE(f.isLoaded());
    EXPECT_TRUE(f.visible);
    EXPECT_EQ(f.score->caption, "0");
    EXPECT_FALSE(f.Timer3->enabled());
    ASSERT_TRUE(app.windows.hasFrameLoop());
    // One loop, paced as one: 26 ms a frame at the default period.
    game.driver.frames(1);
    const Millis t0 = game.host.virtualClock().ticks();
    const long long n0 = app.windows.framesStarted();
    game.driver.frames(10);
    EXPECT_EQ(game.host.virtualClock().ticks() - t0, 260);
    EXPECT_EQ(app.windows.framesStarted() - n0, 10);
}

// A reload whose load handler fails ends the program with the file's name, not a crash.
TEST(App, FailingReloadEndsTheProgramCleanly) {
    for (bool byShow : {false, true}) {
        test::CapturedStderr stderrText;
        HeadlessGame game({.sysIni = PlainSettings});
        game.openMainWindow();
        App& app = game.app;
        MainWindow& f = app.Form1;
        std::filesystem::remove(game.path("/grafix/test.lev"));
        f.Picture1->onClick = [&] {
            app.windows.unload(f);
            if (byShow) {
                app.windows.show(app.windows.loaded(f));
            } else {
                app.windows.load(f);
            }
        };
        EXPECT_EQ(game.script("click Form1.Picture1"), 0);
        EXPECT_TRUE(app.ended()) << byShow;
        EXPECT_NE(app.exitCode(), 0);
        ASSERT_EQ(game.host.errors().size(), 1u);
        EXPECT_NE(game.host.errors()[0].find("test.lev"), std::string::npos);
    }
}

TEST(App, KeysReachTheHandlersOnlyWithKeyPreview) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    MainWindow& f = app.Form1;
    EXPECT_TRUE(f.keyPreview);
    app.state.framePeriod = 40;
    // Every key release shows the frame period in the stats panel.
    f.keyPreview = false;
    app.windows.keyDown('A');
    app.windows.keyUp('A');
    EXPECT_EQ(f.Label5->caption, "Label5");
    f.keyPreview = true;
    app.windows.keyDown('A');
    app.windows.keyUp('A');
    EXPECT_EQ(f.Label5->caption, "40");
}

TEST(App, MouseClickGoesToTheTopmostControlUnderIt) {
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    MainWindow& f = app.Form1;
    // Lift the menu item above everything else at its place.
    f.hlmenu->bringToFront();
    f.novahra->bringToFront();
    int clicks = 0;
    f.novahra->onClick = [&] { ++clicks; };
    app.windows.mouseDown(f.hlmenu->left + f.novahra->left + 3, f.hlmenu->top + f.novahra->top + 3);
    EXPECT_EQ(clicks, 1);
    f.novahra->visible = false;
    app.windows.mouseDown(f.hlmenu->left + f.novahra->left + 3, f.hlmenu->top + f.novahra->top + 3);
    EXPECT_EQ(clicks, 1);
}

TEST(App, ClosingTheWindowIsTheCleanExit) {
    test::CapturedStderr stderrText;
    HeadlessGame game({.sysIni = PlainSettings});
    game.openMainWindow();
    App& app = game.app;
    ASSERT_TRUE(game.exists("/grafix/test.bmp"));
    ASSERT_TRUE(game.exists("/music/1.mid"));
    writeFileAtomic(game.path("/grafix/episode1.bmp"), "x");
    writeFileAtomic(game.path("/grafix/notes.txt"), "x");
    app.ini.Text[3] = "zmena";

    app.windows.closeRequested();

    EXPECT_TRUE(app.ended());
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_FALSE(app.Form1.isLoaded());
    EXPECT_FALSE(app.ini.isLoaded());
    EXPECT_FALSE(game.exists("/grafix/test.bmp"));
    EXPECT_FALSE(game.exists("/grafix/episode1.bmp"));
    for (int i = 1; i <= 7; ++i) {
        EXPECT_FALSE(game.exists("/music/" + std::to_string(i) + ".mid")) << i;
        EXPECT_TRUE(game.exists("/music/" + std::to_string(i) + ".mus")) << i;
    }
    EXPECT_TRUE(game.exists("/grafix/test.lev"));
    EXPECT_TRUE(game.exists("/grafix/notes.txt"));
    EXPECT_NE(game.bytes("/sys.ini").find("Nastaveni2=zmena\r\n"), std::string::npos);
    // The program is over: no frame runs any more.
    EXPECT_FALSE(app.windows.hasFrameLoop());
    EXPECT_EQ(app.run(), 0);
}

// The real loop, run as the windowed program runs it, on a host whose player presses Space in the
// intro and closes the window three seconds later: frames start at the frame period's pace, the
// game clock ticks in between, and the close is the clean exit.
TEST(App, RunSteppingPacesFramesAndTimersUntilTheWindowCloses) {
    class PlayerHost final : public HeadlessHost {
      public:
        void pollInput(InputSink& sink) override {
            if (!started_) {
                started_ = true;
                sink.keyDown(keys::Space);
            } else if (!closed_ && clock().ticks() >= 1003010) {
                closed_ = true;
                sink.closeRequested();
            }
        }

      private:
        bool started_ = false, closed_ = false;
    };
    test::TempFolder folder;
    test::makeProgramFolder(folder.path(), {.sysIni = PlainSettings});
    PlayerHost host;
    App app(host, folder.path());
    app.start();

    EXPECT_EQ(app.run(), 0);
    // The main window opens at the intro's first tick (10 ms); then one frame at once and one
    // every 26 ms (a frame starts past nextFrameTime = start + 25), and a clock tick a second.
    EXPECT_NEAR(app.windows.framesStarted(), 1 + 3000 / 26, 1);
    EXPECT_EQ(app.state.gameSeconds, 3);
    EXPECT_FALSE(app.Form1.isLoaded());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "music" / "1.mid"));
}

}  // namespace
}  // namespace kv
