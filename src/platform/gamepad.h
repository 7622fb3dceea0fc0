#pragma once
// A gamepad played as the keyboard: each button and the left stick stand for one of the game's
// keys, so a button goes through the very same handlers and actions as its key. Walking, jumping
// and the menu keys repeat their press while held, as a held key does.
#include <vector>

#include "platform/clock.h"
#include "platform/host.h"

namespace kv {

enum class PadButton {
    South,
    East,
    West,
    North,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Other
};
enum class PadAxis { LeftX, LeftY, Other };

// The key a button stands for, or 0: the D-pad walks and moves the menu highlight, South jumps
// and chooses (Space), West throws (Ctrl), Start pauses (Esc), Back shows the stats panel (S).
int keyForPadButton(PadButton button);

// One gamepad's held keys, turned into presses and releases for the input sink.
class PadKeys {
  public:
    // Stick travel, of 32767, that presses and that releases (the gap keeps a resting thumb
    // from chattering).
    static constexpr int PressAt = 16000, ReleaseAt = 12000;
    static constexpr Millis RepeatDelay = 500, RepeatEvery = 33;

    void button(PadButton button, bool down, Millis now, InputSink& sink);
    void axis(PadAxis axis, int value, Millis now, InputSink& sink);
    // Presses again every held key whose repeat is due.
    void repeat(Millis now, InputSink& sink);
    // Lets go of everything: the pad was unplugged or the window lost the focus.
    void releaseAll(InputSink& sink);

  private:
    struct Held {
        int key;
        int holders;  // the D-pad and the stick may hold the same key
        Millis nextRepeat;
    };
    void hold(int key, Millis now, InputSink& sink);
    void letGo(int key, InputSink& sink);
    // The stick's direction on one axis after a move to `value`: -1, 0 or 1.
    static int direction(int previous, int value);

    std::vector<Held> held_;
    int stickX_ = 0, stickY_ = 0;
};

}  // namespace kv
