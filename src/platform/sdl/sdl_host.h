#pragma once
// The real host: one OS window showing the top game window at twice its size, crisp; the
// keyboard and mouse mapped to the game's codes and pixels; music through SDL2_mixer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/sdl/real_clock.h"

struct SDL_Window;

namespace kv {

class SdlAudio;

class SdlHost final : public Host {
  public:
    // Throws std::runtime_error with a plain message when there is no display.
    SdlHost();
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    Clock& clock() override { return clock_; }
    void pollInput(InputSink& sink) override;
    void present(const Surface& frame) override;
    void idleUntil(Millis due) override;
    std::unique_ptr<MusicPlayer> makeMusicPlayer() override;
    void showError(const std::string& message) override;

  private:
    RealClock clock_;
    // Window pixel of a game pixel: frame scaled by a whole number, centred.
    void placeFrame(int frameW, int frameH, int& scale, int& offsetX, int& offsetY) const;
    void toGame(int wx, int wy, int& gx, int& gy) const;
    void redraw();

    SDL_Window* window_ = nullptr;
    Surface shown_;  // the last frame shown: an unchanged frame is not drawn again
    std::vector<std::uint32_t> line_;  // one scaled row, reused
    std::shared_ptr<SdlAudio> audio_;
    InputSink* sink_ = nullptr;  // where input goes; known from the first poll
};

// The game's virtual key code for an SDL key, or 0 for keys the game has no code for.
int virtualKeyFor(int sdlKeycode);

}  // namespace kv
