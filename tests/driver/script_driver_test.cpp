#include "driver/script_driver.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "base/bmp.h"
#include "base/files.h"
#include "shell/app.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;
using test::PlainSettings;

struct Driver : ::testing::Test {
    HeadlessGame game{{.sysIni = PlainSettings}};
    void SetUp() override {
        game.openMainWindow();
        ASSERT_TRUE(game.app.Form1.isLoaded());
    }
    // Output of one script, from a clean slate.
    std::string output(const std::string& lines) {
        game.out.str("");
        EXPECT_EQ(game.script(lines), 0) << game.err.str();
        return game.out.str();
    }
    // Runs one line as line 7 of a script; returns the exit code (-1: go on) and the error text.
    std::pair<int, std::string> line(const std::string& text) {
        game.err.str("");
        const int rc = game.driver.execute(text, 7);
        return {rc, game.err.str()};
    }
};

TEST_F(Driver, GetPrintsNameValueLines) {
    EXPECT_EQ(output("get lives inMainMenu gamePaused walkDirection enemyAlive3 tick\n"),
              "lives=3\ninMainMenu=True\ngamePaused=False\nwalkDirection=\nenemyAlive3=False\n"
              "tick=1000000\n");
    EXPECT_EQ(output("get Form1.Loaded Form1.Visible Form1.KeyPreview checkpoint.Loaded "
                     "checkpoint.Visible ini.Text1 ini.Text10 App.Ended App.ExitCode"),
              "Form1.Loaded=True\nForm1.Visible=True\nForm1.KeyPreview=True\n"
              "checkpoint.Loaded=False\ncheckpoint.Visible=False\nini.Text1=no\n"
              "ini.Text10=:-)))\nApp.Ended=False\nApp.ExitCode=0\n");
    EXPECT_EQ(output("get Form1.tma.Top Form1.tma.Left Form1.tma.Width Form1.tma.Height "
                     "Form1.Timer1.Interval Form1.Timer3.Enabled Form1.score.Caption"),
              "Form1.tma.Top=-100\nForm1.tma.Left=8\nForm1.tma.Width=168\nForm1.tma.Height=98\n"
              "Form1.Timer1.Interval=1000\nForm1.Timer3.Enabled=False\nForm1.score.Caption=0\n");
    EXPECT_EQ(output("get Form1.music.PlayCount"), "Form1.music.PlayCount=0\n");
}

TEST_F(Driver, SetWritesAndNoValueEmpties) {
    EXPECT_EQ(game.script("set lives 5\n"
                          "set walkDirection left\n"
                          "set enemyAlive3 True\n"
                          "set groundColour -1\n"
                          "set Form1.Label4.Caption Game Time :  7\n"
                          "set ini.Text3 a b\n"
                          "set Form1.Timer3.Interval 250\n"
                          "set Form1.Timer1.Enabled False\n"
                          "set Form1.tma.Top -40\n"),
              0)
        << game.err.str();
    const GameState& s = game.app.state;
    MainWindow& f = game.app.Form1;
    EXPECT_EQ(s.lives, 5);
    EXPECT_EQ(s.walkDirection, Dir::Left);
    EXPECT_TRUE(s.enemyAlive[3]);
    EXPECT_EQ(s.groundColour, -1);
    EXPECT_EQ(f.Label4->caption, "Game Time :  7");
    EXPECT_EQ(game.app.ini.Text[3], "a b");
    EXPECT_EQ(f.Timer3->interval(), 250);
    EXPECT_FALSE(f.Timer1->enabled());
    EXPECT_EQ(f.tma->top, -40);

    EXPECT_EQ(game.script("set lives\nset walkDirection\nset enemyAlive3\nset inMainMenu\n"
                          "set Form1.Label4.Caption\nset ini.Text3\nset Form1.tma.Top"),
              0)
        << game.err.str();
    EXPECT_EQ(s.lives, 0);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_FALSE(s.enemyAlive[3]);
    EXPECT_FALSE(s.inMainMenu);
    EXPECT_EQ(f.Label4->caption, "");
    EXPECT_EQ(game.app.ini.Text[3], "");
    EXPECT_EQ(f.tma->top, 0);
}

TEST_F(Driver, ExpectStopsWithExitOneOnAMismatch) {
    EXPECT_EQ(line("expect lives 3").first, -1);
    EXPECT_EQ(line("expect walkDirection ").first, -1);
    EXPECT_EQ(line("expect Form1.Label4.Caption Time :").first, -1);
    const auto [rc, err] = line("expect lives 4");
    EXPECT_EQ(rc, 1);
    EXPECT_EQ(err, "expect failed: lives is 3, expected 4 (line 7)\n");
    EXPECT_EQ(line("expect inMainMenu true").second,
              "expect failed: inMainMenu is True, expected true (line 7)\n");
}

TEST_F(Driver, ScriptStopsAtTheFirstFailingLineCountingEveryLine) {
    std::istringstream script("# start-up\n\n  get lives\r\nexpect lives 4\nset lives 9\n");
    EXPECT_EQ(game.driver.run(script), 1);
    EXPECT_EQ(game.out.str(), "lives=3\n");
    EXPECT_EQ(game.err.str(), "expect failed: lives is 3, expected 4 (line 4)\n");
    EXPECT_EQ(game.app.state.lives, 3);

    std::istringstream bad("get lives\nfly 3\nset lives 9\n");
    EXPECT_EQ(game.driver.run(bad), 2);
    EXPECT_EQ(game.app.state.lives, 3);
    std::istringstream good("get lives\n# done\n");
    EXPECT_EQ(game.driver.run(good), 0);
}

TEST_F(Driver, BadLinesAreErrorsWithTheirLineNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"fly 3", "error: unknown command fly (line 7)\n"},
        {"get lives nothing", "error: unknown name nothing (line 7)\n"},
        {"expect nothing 1", "error: unknown name nothing (line 7)\n"},
        {"set nothing 1", "error: unknown name nothing (line 7)\n"},
        {"get Form3.Visible", "error: unknown name Form3.Visible (line 7)\n"},
        {"get Form1.nothing.Left", "error: unknown name Form1.nothing.Left (line 7)\n"},
        {"get Form1.tma.Colour", "error: unknown name Form1.tma.Colour (line 7)\n"},
        {"get checkpoint.Label1.Caption", "error: checkpoint is not loaded (line 7)\n"},
        {"set lives many", "error: bad value for lives (line 7)\n"},
        {"set walkDirection up", "error: bad value for walkDirection (line 7)\n"},
        {"set Form1.tma.Top high", "error: cannot set Form1.tma.Top to \"high\" (line 7)\n"},
        {"wait -5", "error: expected a number, got \"-5\" (line 7)\n"},
        {"wait", "error: expected a number, got \"\" (line 7)\n"},
        {"frames x", "error: expected a number, got \"x\" (line 7)\n"},
        {"key press Nope", "error: unknown key Nope (line 7)\n"},
        {"key hold Space", "error: key takes down, up or press (line 7)\n"},
        {"click Form1.nothing", "error: unknown control Form1.nothing (line 7)\n"},
        {"click Nowhere.konec", "error: unknown control Nowhere.konec (line 7)\n"},
        {"move konec", "error: unknown control konec (line 7)\n"},
        {"text Form1.score 100", "error: Form1.score is not a text box (line 7)\n"},
        {"screenshot", "error: screenshot needs a file name (line 7)\n"},
        {"wait 3600001", "error: 3600001 is more than 3600000 (line 7)\n"},
        {"frames 99999999", "error: 99999999 is more than 1000000 (line 7)\n"},
        {"set playerX 2147483647", "error: bad value for playerX (line 7)\n"},
        {"set nextFrameTime -100000001", "error: bad value for nextFrameTime (line 7)\n"},
        {"set Form1.Label4.Width 100000",
         "error: cannot set Form1.Label4.Width to \"100000\" (line 7)\n"},
        {"set Form1.Label4.Height -1",
         "error: cannot set Form1.Label4.Height to \"-1\" (line 7)\n"},
        {"set Form1.all.Left 4294967296",
         "error: cannot set Form1.all.Left to \"4294967296\" (line 7)\n"},
    };
    for (const auto& [text, message] : cases) {
        const auto [rc, err] = line(text);
        EXPECT_EQ(rc, 2) << text;
        EXPECT_EQ(err, message) << text;
    }
    // Reading a control never loads its window.
    EXPECT_FALSE(game.app.checkpoint.isLoaded());
    // Comments and blank lines are no commands.
    EXPECT_EQ(line("   # key press Esc").first, -1);
    EXPECT_EQ(line("").first, -1);
    EXPECT_EQ(line(" \t ").first, -1);
}

TEST_F(Driver, WaitAndFramesMoveTheVirtualClock) {
    const Millis start = game.host.virtualClock().ticks();
    EXPECT_EQ(game.script("wait 0"), 0);
    EXPECT_EQ(game.host.virtualClock().ticks(), start);
    EXPECT_EQ(game.script("wait 123"), 0);
    EXPECT_EQ(game.host.virtualClock().ticks(), start + 123);
    EXPECT_EQ(game.get("tick"), std::to_string(start + 123));
    const long long frames = game.app.windows.framesStarted();
    EXPECT_EQ(game.script("frames 3"), 0);
    EXPECT_EQ(game.app.windows.framesStarted(), frames + 3);
    EXPECT_EQ(game.script("frames 0"), 0);
    EXPECT_EQ(game.app.windows.framesStarted(), frames + 3);
}

TEST_F(Driver, KeysGoToTheFocusedWindow) {
    game.app.state.framePeriod = 30;
    EXPECT_EQ(game.script("key down 65"), 0);
    EXPECT_EQ(game.get("Form1.Label5.Caption"), "Label5");
    EXPECT_EQ(game.script("key up 65"), 0);
    EXPECT_EQ(game.get("Form1.Label5.Caption"), "30");
    game.app.Form1.Label5->caption = "";
    EXPECT_EQ(game.script("key press 66"), 0);
    EXPECT_EQ(game.get("Form1.Label5.Caption"), "30");
    game.app.Form1.keyPreview = false;
    EXPECT_EQ(game.script("set Form1.Label5.Caption x\nkey press 65"), 0);
    EXPECT_EQ(game.get("Form1.Label5.Caption"), "x");
}

TEST_F(Driver, ClickAndMoveReachTheControlsHandlers) {
    int clicks = 0, moves = 0;
    game.app.Form1.Picture1->onClick = [&] { ++clicks; };
    game.app.Form1.Picture1->onMouseMove = [&](int x, int y) {
        ++moves;
        EXPECT_EQ(x, game.app.Form1.Picture1->width / 2);
        EXPECT_EQ(y, game.app.Form1.Picture1->height / 2);
    };
    EXPECT_EQ(game.script("click Form1.Picture1\nmove Form1.Picture1\nclick Form1.Picture1"), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(moves, 1);
    // A control without a handler takes the click quietly.
    EXPECT_EQ(game.script("click Form1.tma\nmove Form1.tma"), 0);
}

TEST_F(Driver, ScreenshotIsAReadableBitmapOfTheTopWindow) {
    const auto file = game.path("/shot.bmp");
    EXPECT_EQ(game.script("frames 2\nscreenshot " + file.string()), 0) << game.err.str();
    const std::string bytes = readFile(file);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[28], 24);
    const Surface shot = loadBmp(file);
    Surface expected(game.app.Form1.width, game.app.Form1.height);
    game.app.Form1.paint(expected, game.app.text);
    EXPECT_EQ(shot, expected);
    // Not a blank picture.
    int differing = 0;
    for (int y = 0; y < shot.height(); y += 5)
        for (int x = 0; x < shot.width(); x += 5)
            if (shot.pixel(x, y) != shot.pixel(0, 0)) ++differing;
    EXPECT_GT(differing, 0);
}

TEST_F(Driver, DumpIsOneJsonObjectOfEveryField) {
    const std::string text = output("dump");
    ASSERT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\n'), text.size() - 1);
    const auto json = nlohmann::json::parse(text);
    ASSERT_TRUE(json.is_object());
    EXPECT_EQ(json["lives"], 3);
    EXPECT_EQ(json["inMainMenu"], true);
    EXPECT_EQ(json["gamePaused"], false);
    EXPECT_EQ(json["walkDirection"], "");
    EXPECT_EQ(json["bossX"], 6000);
    EXPECT_TRUE(json.contains("enemyX10"));
    EXPECT_TRUE(json.contains("plantState5"));
    EXPECT_FALSE(json.contains("enemyX0"));
    game.app.state.walkDirection = Dir::Right;
    game.app.state.groundColour = -1;
    const auto again = nlohmann::json::parse(output("dump"));
    EXPECT_EQ(again["walkDirection"], "right");
    EXPECT_EQ(again["groundColour"], -1);
    EXPECT_EQ(again.size(), json.size());
}

TEST_F(Driver, FailureOfTheProgramEndsTheRunWithItsExitCode) {
    std::filesystem::remove(game.path("/grafix/test.lev"));
    test::CapturedStderr quiet;
    // The in-game menu's MENU item loads the main window afresh.
    game.app.Form1.Picture1->onClick = [&] {
        game.app.windows.unload(game.app.Form1);
        game.app.windows.load(game.app.Form1);
    };
    // Nothing after the failure runs against the ended game.
    std::istringstream script("click Form1.Picture1\nset lives 7\nexpect App.Ended False\n");
    EXPECT_EQ(game.driver.run(script), 1) << game.err.str();
    EXPECT_EQ(game.get("App.Ended"), "True");
    EXPECT_EQ(game.app.state.lives, 3);
}

TEST_F(Driver, FailedScreenshotIsTheScriptsError) {
    const auto file = game.folder.path() / "nowhere" / "shot.bmp";
    const auto [rc, err] = line("screenshot " + file.string());
    EXPECT_EQ(rc, 2);
    EXPECT_NE(err.find(file.string()), std::string::npos) << err;
    EXPECT_FALSE(game.app.ended());
}

TEST_F(Driver, ControlsFarOutsideDrawWithoutHarm) {
    // Every edge of a control at the ends of the int range is clipped in wide arithmetic.
    for (const char* value : {"2147483647", "-2147483648"}) {
        for (const char* prop : {"Left", "Top"}) {
            for (const char* control : {"Form1.all", "Form1.Label4", "Form1.tma"}) {
                const std::string name = std::string(control) + "." + prop;
                std::string old;
                ASSERT_TRUE(game.driver.get(name, old));
                game.set(name, value);
                game.set(std::string(control) + ".Width", "4096");
                game.app.windows.snapshot();
                game.app.windows.mouseDown(10, 10);
                game.app.windows.mouseMove(600, 300);
                game.set(name, old);
            }
        }
    }
    EXPECT_EQ(game.script("frames 2"), 0) << game.err.str();
}

}  // namespace
}  // namespace kv
