#pragma once
// What the application needs from the machine it runs on: a clock, input, a screen and sound.
// The real host is SDL2; the headless host runs on a virtual clock for tests.
#include <memory>
#include <string>

#include "base/surface.h"
#include "platform/clock.h"
#include "platform/music.h"

namespace kv {

// Receives input from the host; coordinates are in the game's pixels.
class InputSink {
  public:
    virtual ~InputSink() = default;
    virtual void keyDown(int key) = 0;
    virtual void keyUp(int key) = 0;
    virtual void textTyped(const std::string& utf8) = 0;
    virtual void mouseDown(int x, int y) = 0;
    virtual void mouseMove(int x, int y) = 0;
    virtual void closeRequested() = 0;
    // The OS window lost the keyboard focus.
    virtual void focusLost() {}
};

class Host {
  public:
    virtual ~Host() = default;
    virtual Clock& clock() = 0;
    // Hands every pending input event to the sink.
    virtual void pollInput(InputSink& sink) = 0;
    // Shows a finished picture of the top window.
    virtual void present(const Surface& frame) = 0;
    // Whether presented frames are seen at all; when not, nobody composes them.
    virtual bool showsFrames() const { return true; }
    // Waits for input or until the given time (no frame loop is running); -1 means no deadline.
    virtual void idleUntil(Millis due) = 0;
    virtual std::unique_ptr<MusicPlayer> makeMusicPlayer() = 0;
    // A problem the player should see: a dialog in the window and a line on stderr.
    virtual void showError(const std::string& message) = 0;
    // Whether the program was asked to end (window closed, SIGTERM, SIGINT) while an error
    // dialog was open.
    virtual bool quitDuringDialog() const { return false; }
};

// Virtual key codes of the game.
namespace keys {
constexpr int Backspace = 8, Enter = 13, Ctrl = 17, Esc = 27, Space = 32, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46, I = 73, S = 83, Add = 107,
              Subtract = 109;
}

}  // namespace kv
