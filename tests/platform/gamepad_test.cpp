// A gamepad plays as the keyboard: each button drives the very action of its key, the stick
// presses past a threshold and lets go with some slack, and held keys repeat as held keys do.
#include "platform/gamepad.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/app_fixture.h"
#include "support/recording_sink.h"

namespace kv {
namespace {

using Recorder = test::RecordingSink;
using test::Events;

// A game in play, standing on ground in the boss fight, so that every button has an effect.
struct InPlay {
    test::HeadlessGame game{{.sysIni = test::PlainSettings}};
    InPlay() {
        game.openMainWindow();
        GameState& s = game.app.state;
        s.inMainMenu = false;
        s.onGround = true;
        s.bossFight = true;
        s.facing = Dir::Right;
        game.app.Form1.hlmenu->visible = false;
    }
    std::string state() {
        game.out.str("");
        game.script("dump\nget Form1.menu.Visible Form1.tma.Top");
        return game.out.str();
    }
};

TEST(Gamepad, EachButtonDrivesTheSameActionAsItsKey) {
    // One game played with the pad, its twin with the keys; the pause comes last.
    const std::pair<PadButton, int> buttons[] = {
        {PadButton::South, keys::Space},   {PadButton::Back, keys::S},
        {PadButton::DpadLeft, keys::Left}, {PadButton::DpadRight, keys::Right},
        {PadButton::West, keys::Ctrl},     {PadButton::DpadUp, keys::Up},
        {PadButton::DpadDown, keys::Down}, {PadButton::Start, keys::Esc}};
    InPlay byPad, byKey;
    PadKeys pad;
    const Millis now = byPad.game.host.clock().ticks();
    for (const auto& [button, key] : buttons) {
        SCOPED_TRACE(key);
        const std::string before = byPad.state();
        pad.button(button, true, now, byPad.game.app.windows);
        byKey.game.app.windows.keyDown(key);
        const std::string pressed = byPad.state();
        EXPECT_EQ(pressed, byKey.state());
        pad.button(button, false, now, byPad.game.app.windows);
        byKey.game.app.windows.keyUp(key);
        EXPECT_EQ(byPad.state(), byKey.state());
        // The comparison means something: these keys change the game when pressed.
        if (key == keys::Space || key == keys::S || key == keys::Left || key == keys::Right ||
            key == keys::Esc) {
            EXPECT_NE(pressed, before);
        }
    }
    EXPECT_EQ(byPad.game.get("gamePaused"), "True");
    EXPECT_EQ(keyForPadButton(PadButton::East), 0);
    EXPECT_EQ(keyForPadButton(PadButton::Guide), 0);
}

TEST(Gamepad, TheStickPressesPastItsThresholdAndLetsGoWithSlack) {
    Recorder r;
    PadKeys pad;
    pad.axis(PadAxis::LeftX, -PadKeys::PressAt + 1, 0, r);
    EXPECT_EQ(r.take(), Events{});
    pad.axis(PadAxis::LeftX, -PadKeys::PressAt, 0, r);
    EXPECT_EQ(r.take(), Events{"+37"});
    // Easing off a little keeps walking; only the release threshold lets go.
    pad.axis(PadAxis::LeftX, -PadKeys::ReleaseAt, 0, r);
    EXPECT_EQ(r.take(), Events{});
    pad.axis(PadAxis::LeftX, -PadKeys::ReleaseAt + 1, 0, r);
    EXPECT_EQ(r.take(), Events{"-37"});
    // Straight across: the one direction lets go before the other presses.
    pad.axis(PadAxis::LeftX, -30000, 0, r);
    pad.axis(PadAxis::LeftX, 30000, 0, r);
    EXPECT_EQ(r.take(), (Events{"+37", "-37", "+39"}));
    pad.axis(PadAxis::LeftY, 20000, 0, r);
    pad.axis(PadAxis::Other, 30000, 0, r);
    EXPECT_EQ(r.take(), Events{"+40"});

    // The D-pad and the stick hold the same key: it goes up when both have let go.
    pad.button(PadButton::DpadRight, true, 0, r);
    pad.axis(PadAxis::LeftX, 0, 0, r);
    EXPECT_EQ(r.take(), Events{});
    pad.button(PadButton::DpadRight, false, 0, r);
    EXPECT_EQ(r.take(), Events{"-39"});
    pad.releaseAll(r);
    EXPECT_EQ(r.take(), Events{"-40"});
}

TEST(Gamepad, HeldWalkJumpAndMenuKeysRepeatButPauseDoesNot) {
    Recorder r;
    PadKeys pad;
    pad.button(PadButton::South, true, 1000, r);
    pad.button(PadButton::Start, true, 1000, r);
    EXPECT_EQ(r.take(), (Events{"+32", "+27"}));
    pad.repeat(1000 + PadKeys::RepeatDelay - 1, r);
    EXPECT_EQ(r.take(), Events{});
    pad.repeat(1000 + PadKeys::RepeatDelay, r);
    EXPECT_EQ(r.take(), Events{"+32"});
    pad.repeat(1000 + PadKeys::RepeatDelay + PadKeys::RepeatEvery, r);
    EXPECT_EQ(r.take(), Events{"+32"});
    pad.button(PadButton::South, false, 2000, r);
    pad.repeat(5000, r);
    EXPECT_EQ(r.take(), Events{"-32"});
}

}  // namespace
}  // namespace kv
