#include "persist/first_run_window.h"

#include <gtest/gtest.h>

#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;

TEST(FirstRunTest, PeriodKeysVolumeAndTheValuesItStores) {
    HeadlessGame game;  // no settings file: the first start
    game.start();
    App& app = game.app;
    FirstRunWindow& t = app.Form2;
    ASSERT_TRUE(t.visible);
    ASSERT_EQ(app.windows.top(), &t);
    EXPECT_NE(game.bytes("/sys.ini").find("firstrun=no"), std::string::npos);
    ASSERT_TRUE(t.MediaPlayer1);
    EXPECT_EQ(t.MediaPlayer1->fileName(), game.path("/music/1.mid").string());
    EXPECT_EQ(t.MediaPlayer1->volume(), -1500);
    EXPECT_EQ(t.MediaPlayer1->playCount(), 1);

    // An empty frame every 26 ms (the first tick after 25 ms): 39 in the first second counting
    // the one at the start. The counter's timer ticks in the first frame after its second is up.
    EXPECT_EQ(t.Label1->caption, "Fps : 38");
    ASSERT_EQ(game.script("wait 1020"), 0);
    EXPECT_EQ(t.Label1->caption, "Fps : 39");
    EXPECT_EQ(t.Label4->caption, "Game Time : 1");
    EXPECT_EQ(t.Picture1->top, 0);  // the logo has slid in

    for (int i = 0; i < 10; ++i) app.windows.keyDown(keys::Add);
    EXPECT_EQ(t.Label2->caption, "15");
    app.windows.keyDown(keys::Subtract);
    app.windows.keyDown(keys::S);  // any key shows the period again
    EXPECT_EQ(t.Label2->caption, "16");
    ASSERT_EQ(game.script("wait 2000"), 0);
    EXPECT_EQ(t.Label1->caption, "Fps : 59");  // a frame every 17 ms
    EXPECT_EQ(t.Label4->caption, "Game Time : 3");

    for (int i = 0; i < 15; ++i) app.windows.click(t, *t.Command2);
    EXPECT_EQ(t.Label5->caption, "0");
    EXPECT_EQ(t.MediaPlayer1->volume(), 0);  // heard at once
    app.windows.click(t, *t.Command1);
    EXPECT_EQ(t.Label5->caption, "-100");
    EXPECT_EQ(t.MediaPlayer1->playCount(), 1);

    app.windows.click(t, *t.Picture2);
    EXPECT_FALSE(t.isLoaded());
    EXPECT_EQ(app.windows.top(), &app.checkpoint);
    EXPECT_EQ(app.checkpoint.Label1->caption, "16");
    EXPECT_EQ(app.ini.Text[2], "16");
    EXPECT_EQ(app.ini.Text[10], "-100");
    const std::string ini = game.bytes("/sys.ini");
    EXPECT_NE(ini.find("firstrun=no\r\nspeed=16\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Nastaveni9=-100\r\n"), std::string::npos) << ini;
    EXPECT_FALSE(app.windows.hasFrameLoop());  // the test loop ended with its window

    // The main window plays at the chosen period from its first frame.
    app.windows.keyDown(keys::Space);
    EXPECT_EQ(app.state.framePeriod.toText(), "16");
}

}  // namespace
}  // namespace kv
