// The main window's keys, delivered as the platform delivers them: to the window on top, and only
// while its key preview is on.
#include "game/key_handlers.h"

#include <gtest/gtest.h>

#include "shell/app.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using Keys = test::MainWindowTest;

TEST_F(Keys, EscPausesAndOpensTheMenuThenResumes) {
    s.inMainMenu = false;
    f.menu->width = 200;
    f.Picture7->left = 50;
    app.windows.keyDown(keys::Esc);
    EXPECT_TRUE(s.gamePaused);
    EXPECT_FALSE(f.Timer1->enabled());
    EXPECT_FALSE(f.Timer2->enabled());
    EXPECT_TRUE(f.menu->visible);
    EXPECT_EQ(f.menu->width, 0);
    EXPECT_EQ(f.menu->height, 0);
    EXPECT_EQ(f.Picture5->top, 100);
    EXPECT_EQ(f.Picture6->top, -30);
    EXPECT_EQ(f.Picture7->left, 200);
    EXPECT_EQ(f.Picture8->left, -73);
    app.windows.keyUp(keys::Esc);
    EXPECT_TRUE(s.gamePaused);
    app.windows.keyDown(keys::Esc);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_TRUE(f.Timer1->enabled());
    EXPECT_TRUE(f.Timer2->enabled());
    EXPECT_FALSE(f.menu->visible);
}

TEST_F(Keys, ArrowsSetTheWalkOnPressAndTheFacingOnRelease) {
    app.windows.keyDown(keys::Left);
    EXPECT_EQ(s.walkDirection, Dir::Left);
    EXPECT_EQ(s.facing, Dir::None);
    app.windows.keyUp(keys::Left);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_EQ(s.facing, Dir::Left);
    app.windows.keyDown(keys::Right);
    EXPECT_EQ(s.walkDirection, Dir::Right);
    EXPECT_EQ(s.facing, Dir::Left);
    app.windows.keyUp(keys::Right);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_EQ(s.facing, Dir::Right);
}

TEST_F(Keys, ReleasingTheFirstOfTwoHeldArrowsStopsTheWalk) {
    app.windows.keyDown(keys::Left);
    app.windows.keyDown(keys::Right);
    EXPECT_EQ(s.walkDirection, Dir::Right);
    app.windows.keyUp(keys::Left);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_EQ(s.facing, Dir::Left);
    // Until Right repeats its press.
    app.windows.keyDown(keys::Right);
    EXPECT_EQ(s.walkDirection, Dir::Right);
}

TEST_F(Keys, SpaceJumpsFromGround) {
    s.onGround = true;
    app.windows.keyDown(keys::Space);
    EXPECT_TRUE(s.jumping);
    EXPECT_EQ(s.jumpStep, 15);
    // Release does nothing; a press while jumping does nothing.
    s.jumpStep = 7;
    app.windows.keyUp(keys::Space);
    app.windows.keyDown(keys::Space);
    EXPECT_EQ(s.jumpStep, 7);
}

TEST_F(Keys, SpaceOnTheBossSpeechStartsTheFightAndAJump) {
    s.inMainMenu = false;
    s.gamePaused = true;
    s.lives = 1;
    s.speechShade = 40;
    s.onGround = true;
    f.keyPreview = true;
    f.Picture3->visible = true;
    app.windows.keyDown(keys::Space);
    EXPECT_EQ(s.lives, 3);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_TRUE(s.bossFight);
    EXPECT_TRUE(f.Timer5->enabled());
    EXPECT_FALSE(f.Picture3->visible);
    EXPECT_EQ(s.speechStep, 0);
    EXPECT_EQ(s.speechShade, 255);
    EXPECT_TRUE(s.jumping);
    EXPECT_EQ(s.jumpStep, 15);
}

TEST_F(Keys, SpaceOnTheSpeechNeedsStepZeroAndTheSpeechShown) {
    s.gamePaused = true;
    s.speechStep = 2;
    f.Picture3->visible = true;
    app.windows.keyDown(keys::Space);
    EXPECT_FALSE(s.bossFight);
    EXPECT_TRUE(s.gamePaused);
    s.speechStep = 0;
    f.Picture3->visible = false;
    app.windows.keyDown(keys::Space);
    EXPECT_FALSE(s.bossFight);
    EXPECT_FALSE(f.Timer5->enabled());
}

TEST_F(Keys, SToggles) {
    press(keys::S);
    EXPECT_TRUE(s.hudShown);
    app.windows.keyUp(keys::S);  // a release changes nothing
    EXPECT_TRUE(s.hudShown);
    press(keys::S);
    EXPECT_FALSE(s.hudShown);
}

TEST_F(Keys, ReleasingISetsThreeLivesAnywhere) {
    ASSERT_TRUE(s.inMainMenu);
    s.lives = 0;
    app.windows.keyDown(keys::I);
    EXPECT_EQ(s.lives, 0);
    app.windows.keyUp(keys::I);
    EXPECT_EQ(s.lives, 3);
    s.lives = -1;
    s.inMainMenu = false;
    app.windows.keyUp(keys::I);
    EXPECT_EQ(s.lives, 3);
}

TEST_F(Keys, KeypadPlusAndMinusChangeTheFramePeriodOnReleaseWithoutLimit) {
    ASSERT_EQ(s.framePeriod, 25);
    app.windows.keyDown(keys::Add);
    EXPECT_EQ(s.framePeriod, 25);
    for (int i = 0; i < 30; ++i) press(keys::Add);
    EXPECT_EQ(s.framePeriod, -5);
    EXPECT_EQ(f.Label5->caption, "-5");
    press(keys::Subtract);
    press(keys::Subtract);
    EXPECT_EQ(s.framePeriod, -3);
    EXPECT_EQ(f.Label5->caption, "-3");
}

TEST_F(Keys, EveryReleaseShowsTheFramePeriod) {
    EXPECT_EQ(f.Label5->caption, "Label5");
    s.framePeriod = 33;
    app.windows.keyDown('Q');
    EXPECT_EQ(f.Label5->caption, "Label5");
    app.windows.keyUp('Q');
    EXPECT_EQ(f.Label5->caption, "33");
    s.framePeriod = 34;
    app.windows.keyUp(keys::Left);
    EXPECT_EQ(f.Label5->caption, "34");
}

TEST_F(Keys, CtrlOutsideTheBossFightDoesNothing) {
    s.walkDirection = Dir::Right;
    press(keys::Ctrl);
    EXPECT_FALSE(s.shotActive);
    EXPECT_EQ(s.walkDirection, Dir::Right);
}

TEST_F(Keys, WithoutKeyPreviewNoKeyDoesAnything) {
    s.inMainMenu = false;
    s.onGround = true;
    s.lives = 1;
    f.keyPreview = false;
    for (int key :
         {int{keys::Esc}, int{keys::Space}, int{keys::S}, int{keys::Left}, int{keys::Right},
          int{keys::Ctrl}, int{keys::I}, int{keys::Add}, int{keys::Subtract}})
        press(key);
    app.windows.keyDown(keys::Left);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_FALSE(f.menu->visible);
    EXPECT_FALSE(s.jumping);
    EXPECT_FALSE(s.hudShown);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_EQ(s.facing, Dir::None);
    EXPECT_EQ(s.lives, 1);
    EXPECT_EQ(s.framePeriod, 25);
    EXPECT_EQ(f.Label5->caption, "Label5");
    EXPECT_TRUE(f.Timer1->enabled());
}

TEST_F(Keys, TheDriverNamesReachTheSameHandlers) {
    ASSERT_EQ(
        game.script("key down Left\nkey press Right\nkey up Left\nkey press Add\nkey press S"), 0);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_EQ(s.facing, Dir::Left);
    EXPECT_EQ(s.framePeriod, 24);
    EXPECT_TRUE(s.hudShown);
}

}  // namespace
}  // namespace kv
