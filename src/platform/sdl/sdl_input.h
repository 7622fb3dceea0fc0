#pragma once
// SDL events in the game's terms: keys as the game's virtual key codes, gamepads (the game
// controller API, plugged in and out at any time) as the keys they stand for, the loss of the
// focus and the request to quit. Mouse and window-size events stay with the host, which knows
// where the picture lies.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/gamepad.h"
#include "platform/host.h"

union SDL_Event;
struct _SDL_GameController;

namespace kv {

class SdlInput {
  public:
    enum class Use { NotInput, Delivered, ToggleFullscreen };

    // Delivers the event to the sink when it is input. Alt+Enter and F11 are not the game's:
    // they ask the host for the other screen mode.
    Use handle(const SDL_Event& e, Millis now, InputSink& sink);
    // Held gamepad buttons press again, as held keys do.
    void repeat(Millis now, InputSink& sink);
    // Closes every pad; SDL's controller subsystem must still be there.
    void closePads() { pads_.clear(); }

  private:
    using Controller = std::unique_ptr<_SDL_GameController, void (*)(_SDL_GameController*)>;
    using PadId = std::int32_t;  // SDL's joystick instance id
    struct Pad {
        PadId id;
        Controller controller;  // none for a pad known only from its events
        PadKeys keys;
    };
    Pad& pad(PadId id);
    void plugged(int deviceIndex);
    void unplugged(PadId id, InputSink& sink);

    std::vector<Pad> pads_;
};

// The game's virtual key code for an SDL key, or 0 for keys the game has no code for.
int virtualKeyFor(int sdlKeycode);
PadButton padButtonFor(int sdlButton);
PadAxis padAxisFor(int sdlAxis);

}  // namespace kv
