#pragma once
// The real host: one OS window showing the top game window at twice its size, crisp; the
// keyboard and mouse mapped to the game's codes and pixels; music through SDL2_mixer.
#include <memory>
#include <string>

#include "platform/host.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

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
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int textureW_ = 0, textureH_ = 0;
    Surface shown_;  // the last frame uploaded: an unchanged frame is not sent again
    void redraw();
    std::shared_ptr<SdlAudio> audio_;
};

// The game's virtual key code for an SDL key, or 0 for keys the game has no code for.
int virtualKeyFor(int sdlKeycode);

}  // namespace kv
