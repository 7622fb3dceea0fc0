// The speech and the ending: texts fade one shade of 5 a frame, Space moves the farewell on, does
// nothing while it fades out, and on the closing text saves the settings and ends the game.
#include "actors/ending.h"

#include <gtest/gtest.h>

#include "support/play_fixture.h"

namespace kv {
namespace {

struct Ending : test::PlayFixture {
    void SetUp() override {
        PlayFixture::SetUp();
        startLevel(12);
        s.gamePaused = true;  // as the speech and the beaten boss leave it
    }
    void frames(int n) { ASSERT_EQ(game.script("frames " + std::to_string(n)), 0); }
    void space() { app.windows.keyDown(keys::Space); }
};

TEST_F(Ending, TheSpeechFadesToGreyFiveInFiftyFramesAndStays) {
    f.Picture3->visible = true;
    s.speechStep = 0;
    s.speechShade = 255;
    frames(49);
    EXPECT_EQ(s.speechShade, 10);
    frames(1);
    EXPECT_EQ(s.speechShade, 5);
    EXPECT_EQ(f.Label10->foreColour, rgb(5, 5, 5));
    frames(10);
    EXPECT_EQ(s.speechShade, 5);
    EXPECT_EQ(f.Label10->caption, BossSpeechText());
}

TEST_F(Ending, FarewellThenClosingTextThenTheEndOfTheGame) {
    s.speechStep = 1;
    s.speechShade = 255;
    f.finaltext->visible = true;
    EXPECT_EQ(f.Label9->caption, FarewellText());
    frames(25);
    EXPECT_EQ(s.speechShade, 130);
    space();
    EXPECT_EQ(s.speechStep, 2);
    frames(24);
    EXPECT_EQ(s.speechShade, 250);
    space();  // nothing while the farewell fades out
    EXPECT_EQ(s.speechStep, 2);
    EXPECT_NE(app.windows.top(), &app.score1);
    frames(1);
    EXPECT_EQ(s.speechShade, 255);
    EXPECT_EQ(f.Label9->caption, FarewellText());
    frames(1);
    EXPECT_EQ(s.speechStep, 3);
    EXPECT_EQ(f.Label9->caption, ClosingText());
    EXPECT_EQ(s.speechShade, 250);
    EXPECT_EQ(f.Label9->foreColour, rgb(250, 250, 250));

    // The last Space does not wait for the fade: the frame period is stored and the game ends.
    frames(3);
    s.framePeriod = 31;
    space();
    EXPECT_EQ(app.windows.top(), &app.score1);
    EXPECT_EQ(app.ini.Text[2], "31");
    EXPECT_NE(game.bytes("\\sys.ini").find("speed=31"), std::string::npos);
    EXPECT_EQ(f.all->shown(), nullptr);
}

}  // namespace
}  // namespace kv
