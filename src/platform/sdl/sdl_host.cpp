#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <iostream>
#include <stdexcept>
#include <string>

#include "platform/sdl/sdl_music.h"

namespace kv {
namespace {
constexpr int Scale = 2;
}

int virtualKeyFor(int k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);
    switch (k) {
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
        case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
        case SDLK_LCTRL: case SDLK_RCTRL: return 17;
        case SDLK_LALT: case SDLK_RALT: return 18;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_KP_0: return 96;
        case SDLK_KP_MULTIPLY: return 106;
        case SDLK_KP_PLUS: return 107;
        case SDLK_KP_MINUS: return 109;
        case SDLK_KP_PERIOD: return 110;
        case SDLK_KP_DIVIDE: return 111;
        default: return 0;
    }
}

SdlHost::SdlHost() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError() +
                                 " (no display? use --headless for runs without one)");
    const char* driver = SDL_GetCurrentVideoDriver();
    const std::string name = driver ? driver : "";
    if (name == "offscreen" || name == "dummy" || name.empty()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error(
            "no display found (is DISPLAY set?); use --headless for runs without one");
    }
    window_ = SDL_CreateWindow("Kvorlin", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               640 * Scale, 345 * Scale, SDL_WINDOW_SHOWN);
    if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!window_ || !renderer_) {
        const std::string why = SDL_GetError();
        if (window_) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("cannot open a window: " + why);
    }
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    SDL_StartTextInput();
}

SdlHost::~SdlHost() {
    audio_.reset();
    if (texture_) SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

void SdlHost::pollInput(InputSink& sink) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT: sink.closeRequested(); break;
            case SDL_KEYDOWN:
                // The keyboard's own repeat arrives as repeated presses, as the game expects.
                if (int vk = virtualKeyFor(e.key.keysym.sym)) sink.keyDown(vk);
                break;
            case SDL_KEYUP:
                if (int vk = virtualKeyFor(e.key.keysym.sym)) sink.keyUp(vk);
                break;
            case SDL_TEXTINPUT: sink.textTyped(e.text.text); break;
            // With a logical size set, SDL already reports mouse positions in game pixels.
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) sink.mouseDown(e.button.x, e.button.y);
                break;
            case SDL_MOUSEMOTION: sink.mouseMove(e.motion.x, e.motion.y); break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                    redraw();
                break;
            default: break;
        }
    }
}

void SdlHost::present(const Surface& frame) {
    if (frame.empty()) return;
    // Most menu frames repeat the last one; uploading and scaling them again costs real time.
    if (texture_ && frame == shown_) return;
    shown_ = frame;
    if (!texture_ || textureW_ != frame.width() || textureH_ != frame.height()) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XBGR8888,
                                     SDL_TEXTUREACCESS_STREAMING, frame.width(), frame.height());
        if (!texture_) return;
        // Set explicitly: an environment hint could otherwise blur the pixels.
        SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
        textureW_ = frame.width();
        textureH_ = frame.height();
        SDL_RenderSetLogicalSize(renderer_, textureW_, textureH_);
    }
    SDL_UpdateTexture(texture_, nullptr, frame.row(0), frame.width() * 4);
    redraw();
}

void SdlHost::redraw() {
    if (!texture_) return;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlHost::idleUntil(Millis due) {
    // Sleep until input arrives or the next timer is due: nothing spins while idle.
    int timeout = 100;
    if (due >= 0) {
        const Millis left = due - clock_.ticks();
        timeout = static_cast<int>(left < 0 ? 0 : (left > 100 ? 100 : left));
    }
    if (timeout > 0) SDL_WaitEventTimeout(nullptr, timeout);
}

std::unique_ptr<MusicPlayer> SdlHost::makeMusicPlayer() {
    if (!audio_) audio_ = makeSdlAudio();
    return makeSdlMusicPlayer(audio_);
}

void SdlHost::showError(const std::string& message) {
    std::cerr << "kvorlin: " << message << std::endl;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Kvorlin", message.c_str(), window_);
}

}  // namespace kv
