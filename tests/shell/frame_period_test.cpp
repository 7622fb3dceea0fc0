// The frame period keeps the text it came with until a speed key changes it.
#include "shell/frame_period.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "driver/state_fields.h"
#include "screens/game_menu.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;

struct Period : ::testing::Test {
    HeadlessGame game{{.sysIni = "[KV]\r\nfirstrun=no\r\nspeed=025\r\n"}};
    GameState& s = game.app.state;
    MainWindow& f = game.app.Form1;

    void SetUp() override {
        game.openMainWindow();
        ASSERT_TRUE(f.isLoaded());
    }
    // Virtual milliseconds between the starts of two frames some frames apart.
    Millis timeOfFrames(int n) {
        game.driver.frames(1);
        const Millis start = game.host.virtualClock().ticks();
        game.driver.frames(n);
        return game.host.virtualClock().ticks() - start;
    }
};

TEST_F(Period, LeadingZeroSurvivesLoadShowAndSave) {
    EXPECT_EQ(game.get("framePeriod"), "025");
    EXPECT_EQ(nlohmann::json::parse(dumpJson(s))["framePeriod"], "025");
    // Read as a number where the loop adds it.
    EXPECT_EQ(timeOfFrames(10), 260);
    game.app.windows.keyUp('Q');
    EXPECT_EQ(f.Label5->caption, "025");
    // The in-game menu's EXIT stores it back as it stands.
    s.inMainMenu = false;
    ExitItemClick(game.app);
    EXPECT_EQ(game.get("ini.Text2"), "025");
    EXPECT_NE(game.bytes("/sys.ini").find("speed=025\r\n"), std::string::npos)
        << game.bytes("/sys.ini");
}

TEST_F(Period, ASpeedKeyMakesANumberOfIt) {
    ASSERT_EQ(game.script("key press Subtract"), 0);
    EXPECT_EQ(f.Label5->caption, "26");
    EXPECT_EQ(game.get("framePeriod"), "26");
    s.framePeriod = FramePeriod::fromText("025");
    ASSERT_EQ(game.script("key press Add"), 0);
    EXPECT_EQ(f.Label5->caption, "24");
    EXPECT_EQ(timeOfFrames(10), 250);
}

TEST_F(Period, ATextThatIsNoNumberPlaysAtTheDefault) {
    ASSERT_EQ(game.script("set framePeriod fast"), 0);
    EXPECT_EQ(game.get("framePeriod"), "fast");
    EXPECT_EQ(timeOfFrames(10), 260);
    ASSERT_EQ(game.script("key press Add"), 0);
    EXPECT_EQ(s.framePeriod, 24);
    EXPECT_FALSE(game.app.ended());
}

}  // namespace
}  // namespace kv
