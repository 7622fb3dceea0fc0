#pragma once
// The real host: one OS window showing the top game window at a whole-number scale, centred on
// black, in a window or on the whole screen; the keyboard, the mouse and gamepads mapped to the
// game's codes and pixels; music through SDL2_mixer.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/icon_image.h"
#include "platform/sdl/real_clock.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/window_settings.h"

struct SDL_Surface;
struct SDL_Window;

namespace kv {

class SdlAudio;

// Where a frame lies in a window: scaled by the largest whole number that fits (at least 1),
// centred.
struct FramePlace {
    int scale, x, y;
};
FramePlace placeFrame(int windowW, int windowH, int frameW, int frameH);

class SdlHost final : public Host {
  public:
    // The window is never smaller than one play screen.
    static constexpr int MinWidth = 640, MinHeight = 345;

    // Throws std::runtime_error with a plain message when there is no display.
    explicit SdlHost(const WindowSettings& settings = {});
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    Clock& clock() override { return clock_; }
    void pollInput(InputSink& sink) override;
    void present(const Surface& frame) override;
    void idleUntil(Millis due) override;
    std::unique_ptr<MusicPlayer> makeMusicPlayer() override;
    void showError(const std::string& message) override;
    bool quitDuringDialog() const override { return quitDuringDialog_; }

    void setIcon(const IconImage& icon);
    bool fullscreen() const { return fullscreen_; }
    void setFullscreen(bool on);
    // Told after every change of the screen mode (to remember it).
    std::function<void(bool fullscreen)> onFullscreenChanged;

  private:
    RealClock clock_;
    FramePlace place() const;
    void toGame(int wx, int wy, int& gx, int& gy) const;
    // The whole window: borders and the picture.
    void redraw();
    // Rows [from, to) of the picture into the locked window surface.
    void paintRows(SDL_Surface& target, const FramePlace& p, int from, int to);

    SDL_Window* window_ = nullptr;
    SdlInput input_;
    bool fullscreen_ = false;
    bool quitDuringDialog_ = false;
    Surface shown_;  // the last frame shown: only rows that differ from it are drawn again
    const SDL_Surface* drawnOn_ = nullptr;  // the window surface redraw() last filled, and its size
    struct {
        int x, y, w, h;
    } drawnSize_{};
    std::vector<std::uint32_t> converted_, line_;  // one row in the window's pixels, and scaled
    std::shared_ptr<SdlAudio> audio_;
    InputSink* sink_ = nullptr;  // where input goes; known from the first poll
};

// Shows a message box and waits for the player to close it; false when none could be shown.
// The error dialog of a running game is shown this way by a child process.
bool showErrorDialog(const std::string& message);

}  // namespace kv
