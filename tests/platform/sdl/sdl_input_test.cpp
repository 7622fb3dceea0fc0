// SDL's events in the game's terms, fed by hand: no display or gamepad is needed.
#include "platform/sdl/sdl_input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/sdl/sdl_host.h"
#include "support/recording_sink.h"

namespace kv {
namespace {

using Recorder = test::RecordingSink;
using test::Events;

SDL_Event key(Uint32 type, SDL_Keycode sym, Uint16 mod = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event button(Uint32 type, SDL_JoystickID pad, SDL_GameControllerButton b) {
    SDL_Event e{};
    e.type = type;
    e.cbutton.which = pad;
    e.cbutton.button = static_cast<Uint8>(b);
    return e;
}

TEST(SdlInput, GamepadEventsArriveAsTheirKeys) {
    SdlInput input;
    Recorder r;
    using U = SdlInput::Use;
    EXPECT_EQ(input.handle(button(SDL_CONTROLLERBUTTONDOWN, 3, SDL_CONTROLLER_BUTTON_A), 0, r),
              U::Delivered);
    input.handle(button(SDL_CONTROLLERBUTTONUP, 3, SDL_CONTROLLER_BUTTON_A), 0, r);
    input.handle(button(SDL_CONTROLLERBUTTONDOWN, 3, SDL_CONTROLLER_BUTTON_X), 0, r);
    input.handle(button(SDL_CONTROLLERBUTTONDOWN, 3, SDL_CONTROLLER_BUTTON_START), 0, r);
    input.handle(button(SDL_CONTROLLERBUTTONDOWN, 3, SDL_CONTROLLER_BUTTON_BACK), 0, r);
    input.handle(button(SDL_CONTROLLERBUTTONDOWN, 3, SDL_CONTROLLER_BUTTON_B), 0, r);
    EXPECT_EQ(r.take(), (Events{"+32", "-32", "+17", "+27", "+83"}));

    // A second pad holds its own keys: its stick walks while the first pad holds Ctrl.
    SDL_Event stick{};
    stick.type = SDL_CONTROLLERAXISMOTION;
    stick.caxis.which = 4;
    stick.caxis.axis = SDL_CONTROLLER_AXIS_LEFTX;
    stick.caxis.value = 32767;
    input.handle(stick, 0, r);
    input.handle(button(SDL_CONTROLLERBUTTONDOWN, 4, SDL_CONTROLLER_BUTTON_DPAD_UP), 0, r);
    EXPECT_EQ(r.take(), (Events{"+39", "+38"}));
    input.repeat(PadKeys::RepeatDelay, r);
    EXPECT_EQ(r.take(), (Events{"+39", "+38"}));

    // Unplugged: what it held is let go.
    SDL_Event gone{};
    gone.type = SDL_CONTROLLERDEVICEREMOVED;
    gone.cdevice.which = 4;
    input.handle(gone, 0, r);
    EXPECT_EQ(r.take(), (Events{"-39", "-38"}));

    // Losing the focus lets go of every pad's keys, then says so.
    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    EXPECT_EQ(input.handle(focus, 0, r), U::Delivered);
    EXPECT_EQ(r.take(), (Events{"-17", "-27", "-83", "focus lost"}));
    focus.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_EQ(input.handle(focus, 0, r), U::NotInput);
}

TEST(SdlInput, AltEnterAndF11SwitchTheScreenModeAndReachNoWindow) {
    SdlInput input;
    Recorder r;
    using U = SdlInput::Use;
    EXPECT_EQ(input.handle(key(SDL_KEYDOWN, SDLK_F11), 0, r), U::ToggleFullscreen);
    EXPECT_EQ(input.handle(key(SDL_KEYUP, SDLK_F11), 0, r), U::Delivered);
    EXPECT_EQ(input.handle(key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT), 0, r), U::ToggleFullscreen);
    SDL_Event held = key(SDL_KEYDOWN, SDLK_F11);
    held.key.repeat = 1;
    EXPECT_EQ(input.handle(held, 0, r), U::Delivered);
    EXPECT_EQ(r.take(), Events{});
    // Enter alone is the game's Enter.
    input.handle(key(SDL_KEYDOWN, SDLK_RETURN), 0, r);
    input.handle(key(SDL_KEYDOWN, SDLK_KP_MINUS), 0, r);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    input.handle(quit, 0, r);
    EXPECT_EQ(r.take(), (Events{"+13", "+109", "close"}));
}

TEST(SdlInput, TheFrameFillsTheScreenByWholeNumbersCentredOnBlack) {
    const FramePlace full = placeFrame(1920, 1080, 638, 345);
    EXPECT_EQ(full.scale, 3);
    EXPECT_EQ(full.x, 3);
    EXPECT_EQ(full.y, 22);
    const FramePlace wide = placeFrame(2560, 800, 640, 345);
    EXPECT_EQ(wide.scale, 2);
    EXPECT_EQ(wide.x, 640);
    // Never below one game pixel per screen pixel.
    EXPECT_EQ(placeFrame(300, 200, 640, 345).scale, 1);
}

}  // namespace
}  // namespace kv
