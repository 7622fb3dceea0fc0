#include "platform/sdl/sdl_input.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>

namespace kv {

int virtualKeyFor(int k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
    switch (k) {
        case SDLK_BACKSPACE:
            return 8;
        case SDLK_TAB:
            return 9;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return 13;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return 16;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return 17;
        case SDLK_LALT:
        case SDLK_RALT:
            return 18;
        case SDLK_ESCAPE:
            return 27;
        case SDLK_SPACE:
            return 32;
        case SDLK_PAGEUP:
            return 33;
        case SDLK_PAGEDOWN:
            return 34;
        case SDLK_END:
            return 35;
        case SDLK_HOME:
            return 36;
        case SDLK_LEFT:
            return 37;
        case SDLK_UP:
            return 38;
        case SDLK_RIGHT:
            return 39;
        case SDLK_DOWN:
            return 40;
        case SDLK_INSERT:
            return 45;
        case SDLK_DELETE:
            return 46;
        case SDLK_KP_0:
            return 96;
        case SDLK_KP_MULTIPLY:
            return 106;
        case SDLK_KP_PLUS:
            return 107;
        case SDLK_KP_MINUS:
            return 109;
        case SDLK_KP_PERIOD:
            return 110;
        case SDLK_KP_DIVIDE:
            return 111;
        default:
            return 0;
    }
}

PadButton padButtonFor(int b) {
    switch (b) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::South;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::East;
        case SDL_CONTROLLER_BUTTON_X:
            return PadButton::West;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadButton::North;
        case SDL_CONTROLLER_BUTTON_BACK:
            return PadButton::Back;
        case SDL_CONTROLLER_BUTTON_GUIDE:
            return PadButton::Guide;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::Start;
        case SDL_CONTROLLER_BUTTON_LEFTSTICK:
            return PadButton::LeftStick;
        case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
            return PadButton::RightStick;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return PadButton::LeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return PadButton::RightShoulder;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return PadButton::DpadUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return PadButton::DpadDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadButton::DpadLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadButton::DpadRight;
        default:
            return PadButton::Other;
    }
}

PadAxis padAxisFor(int a) {
    if (a == SDL_CONTROLLER_AXIS_LEFTX) return PadAxis::LeftX;
    if (a == SDL_CONTROLLER_AXIS_LEFTY) return PadAxis::LeftY;
    return PadAxis::Other;
}

SdlInput::Pad& SdlInput::pad(PadId id) {
    for (Pad& p : pads_)
        if (p.id == id) return p;
    pads_.push_back({id, Controller(nullptr, SDL_GameControllerClose), {}});
    return pads_.back();
}

void SdlInput::plugged(int deviceIndex) {
    Controller c(SDL_GameControllerOpen(deviceIndex), SDL_GameControllerClose);
    if (!c) {
        std::cerr << "kvorlin: gamepad " << deviceIndex << ": " << SDL_GetError() << std::endl;
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c.get()));
    // A pad present at start may be announced twice; the first opening stays.
    Pad& p = pad(id);
    if (!p.controller) p.controller = std::move(c);
}

void SdlInput::unplugged(PadId id, InputSink& sink) {
    auto it = std::find_if(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.id == id; });
    if (it == pads_.end()) return;
    // A button held while the cable came out is let go, or the player would walk on.
    it->keys.releaseAll(sink);
    pads_.erase(it);
}

SdlInput::Use SdlInput::handle(const SDL_Event& e, Millis now, InputSink& sink) {
    switch (e.type) {
        case SDL_QUIT:
            sink.closeRequested();
            return Use::Delivered;
        case SDL_KEYDOWN: {
            const SDL_Keycode k = e.key.keysym.sym;
            const bool enter = k == SDLK_RETURN || k == SDLK_KP_ENTER;
            if (k == SDLK_F11 || (enter && (e.key.keysym.mod & KMOD_ALT)))
                return e.key.repeat ? Use::Delivered : Use::ToggleFullscreen;
            // The keyboard's own repeat arrives as repeated presses, as the game expects.
            if (int vk = virtualKeyFor(k)) sink.keyDown(vk);
            return Use::Delivered;
        }
        case SDL_KEYUP:
            if (e.key.keysym.sym == SDLK_F11) return Use::Delivered;
            if (int vk = virtualKeyFor(e.key.keysym.sym)) sink.keyUp(vk);
            return Use::Delivered;
        case SDL_TEXTINPUT:
            sink.textTyped(e.text.text);
            return Use::Delivered;
        case SDL_CONTROLLERDEVICEADDED:
            plugged(e.cdevice.which);
            return Use::Delivered;
        case SDL_CONTROLLERDEVICEREMOVED:
            unplugged(e.cdevice.which, sink);
            return Use::Delivered;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            pad(e.cbutton.which)
                .keys.button(padButtonFor(e.cbutton.button), e.type == SDL_CONTROLLERBUTTONDOWN,
                             now, sink);
            return Use::Delivered;
        case SDL_CONTROLLERAXISMOTION:
            pad(e.caxis.which).keys.axis(padAxisFor(e.caxis.axis), e.caxis.value, now, sink);
            return Use::Delivered;
        case SDL_WINDOWEVENT:
            if (e.window.event != SDL_WINDOWEVENT_FOCUS_LOST) return Use::NotInput;
            // The keyboard lets go of its keys by itself; the pads' events stop until the focus
            // is back, so their keys are let go here.
            for (Pad& p : pads_) p.keys.releaseAll(sink);
            sink.focusLost();
            return Use::Delivered;
        default:
            return Use::NotInput;
    }
}

void SdlInput::repeat(Millis now, InputSink& sink) {
    for (Pad& p : pads_) p.keys.repeat(now, sink);
}

}  // namespace kv
