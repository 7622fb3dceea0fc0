#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

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

SdlHost::SdlHost() {
    // The window surface straight from the windowing system, not through a GL renderer that
    // may be a software rasteriser.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
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
                               640 * Scale, 345 * Scale, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (!window_) {
        const std::string why = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("cannot open a window: " + why);
    }
    SDL_StartTextInput();
    // Input that arrives while the clock waits for the next frame is handled at once.
    clock_.onInput = [this] {
        if (sink_) pollInput(*sink_);
    };
}

SdlHost::~SdlHost() {
    audio_.reset();
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

void SdlHost::pollInput(InputSink& sink) {
    sink_ = &sink;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                sink.closeRequested();
                break;
            case SDL_KEYDOWN:
                // The keyboard's own repeat arrives as repeated presses, as the game expects.
                if (int vk = virtualKeyFor(e.key.keysym.sym)) sink.keyDown(vk);
                break;
            case SDL_KEYUP:
                if (int vk = virtualKeyFor(e.key.keysym.sym)) sink.keyUp(vk);
                break;
            case SDL_TEXTINPUT:
                sink.textTyped(e.text.text);
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    int x, y;
                    toGame(e.button.x, e.button.y, x, y);
                    sink.mouseDown(x, y);
                }
                break;
            case SDL_MOUSEMOTION: {
                int x, y;
                toGame(e.motion.x, e.motion.y, x, y);
                sink.mouseMove(x, y);
                break;
            }
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                    redraw();  // the window surface is new or was overwritten
                break;
            default:
                break;
        }
    }
}

void SdlHost::placeFrame(int frameW, int frameH, int& scale, int& offsetX, int& offsetY) const {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    scale = std::max(1, std::min(w / std::max(frameW, 1), h / std::max(frameH, 1)));
    offsetX = (w - frameW * scale) / 2;
    offsetY = (h - frameH * scale) / 2;
}

void SdlHost::toGame(int wx, int wy, int& gx, int& gy) const {
    int scale, ox, oy;
    placeFrame(shown_.empty() ? 640 : shown_.width(), shown_.empty() ? 345 : shown_.height(), scale,
               ox, oy);
    gx = (wx - ox) / scale - (wx < ox ? 1 : 0);
    gy = (wy - oy) / scale - (wy < oy ? 1 : 0);
}

void SdlHost::present(const Surface& frame) {
    if (frame.empty()) return;
    // Most menu frames repeat the last one; scaling and sending them again costs real time.
    if (frame == shown_) return;
    shown_ = frame;
    redraw();
}

void SdlHost::redraw() {
    // Scaled by hand into the window's own surface: crisp whole-number scaling, and far cheaper
    // than a renderer that falls back to software GL on machines without a graphics card.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target || shown_.empty()) return;
    int scale, ox, oy;
    placeFrame(shown_.width(), shown_.height(), scale, ox, oy);
    const SDL_PixelFormat* format = target->format;
    if (format->BytesPerPixel != 4) {
        // Unusual displays: let SDL convert and scale.
        SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<Colour*>(shown_.row(0)), shown_.width(), shown_.height(), 32,
            shown_.width() * 4, SDL_PIXELFORMAT_XBGR8888);
        if (!src) return;
        SDL_FillRect(target, nullptr, 0);
        SDL_Rect dst{ox, oy, shown_.width() * scale, shown_.height() * scale};
        SDL_BlitScaled(src, nullptr, target, &dst);
        SDL_FreeSurface(src);
        SDL_UpdateWindowSurface(window_);
        return;
    }
    SDL_LockSurface(target);
    // Black borders around the picture; the picture itself overwrites everything else.
    const Uint32 black = SDL_MapRGB(format, 0, 0, 0);
    const int fw = shown_.width() * scale, fh = shown_.height() * scale;
    const SDL_Rect borders[4] = {{0, 0, target->w, std::max(oy, 0)},
                                 {0, oy + fh, target->w, std::max(target->h - oy - fh, 0)},
                                 {0, oy, std::max(ox, 0), fh},
                                 {ox + fw, oy, std::max(target->w - ox - fw, 0), fh}};
    for (const SDL_Rect& r : borders)
        if (r.w > 0 && r.h > 0) SDL_FillRect(target, &r, black);

    const int rloss = format->Rloss, gloss = format->Gloss, bloss = format->Bloss;
    const int rshift = format->Rshift, gshift = format->Gshift, bshift = format->Bshift;
    const Uint32 alpha = format->Amask;
    line_.resize(static_cast<std::size_t>(fw));
    const int x0 = std::max(ox, 0);
    const int skip = x0 - ox;
    const int count = std::min(fw - skip, target->w - x0);
    // The usual case, the whole width on screen: convert straight into the first window row.
    const bool direct = skip == 0 && count == fw;
    for (int y = 0; y < shown_.height() && count > 0; ++y) {
        const int wy = oy + y * scale;
        if (wy < 0 || wy + scale > target->h) continue;
        auto rowAt = [&](int k) {
            return reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) +
                                             static_cast<std::ptrdiff_t>(wy + k) * target->pitch);
        };
        Uint32* line = direct ? rowAt(0) + x0 : line_.data();
        const Colour* src = shown_.row(y);
        for (int x = 0; x < shown_.width(); ++x) {
            const Colour c = src[x];
            const Uint32 px = static_cast<Uint32>((c & 255) >> rloss) << rshift |
                              static_cast<Uint32>((c >> 8 & 255) >> gloss) << gshift |
                              static_cast<Uint32>((c >> 16 & 255) >> bloss) << bshift | alpha;
            for (int k = 0; k < scale; ++k) line[x * scale + k] = px;
        }
        for (int k = direct ? 1 : 0; k < scale; ++k)
            std::memcpy(rowAt(k) + x0, line + skip, static_cast<std::size_t>(count) * 4);
    }
    SDL_UnlockSurface(target);
    SDL_UpdateWindowSurface(window_);
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
