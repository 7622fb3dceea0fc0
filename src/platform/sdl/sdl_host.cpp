#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sdl/sdl_music.h"

namespace kv {

FramePlace placeFrame(int windowW, int windowH, int frameW, int frameH) {
    const int scale =
        std::max(1, std::min(windowW / std::max(frameW, 1), windowH / std::max(frameH, 1)));
    return {scale, (windowW - frameW * scale) / 2, (windowH - frameH * scale) / 2};
}

bool showErrorDialog(const std::string& message) {
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Kvorlin", message.c_str(), nullptr) == 0;
}

SdlHost::SdlHost(const WindowSettings& settings) : fullscreen_(settings.fullscreen) {
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
    // A scale the screen cannot hold is brought down until the window fits.
    int scale = std::clamp(settings.scale, 1, WindowSettings::MaxScale);
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0)
        while (scale > 1 && (MinWidth * scale > usable.w || MinHeight * scale > usable.h)) --scale;
    window_ = SDL_CreateWindow("Kvorlin", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               MinWidth * scale, MinHeight * scale,
                               SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE |
                                   (fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
    if (!window_) {
        const std::string why = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("cannot open a window: " + why);
    }
    SDL_SetWindowMinimumSize(window_, MinWidth, MinHeight);
    // Gamepads are welcome but not needed: without the subsystem the keyboard still plays.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::cerr << "kvorlin: no gamepads: " << SDL_GetError() << std::endl;
    SDL_StartTextInput();
    // Input that arrives while the clock waits for the next frame is handled at once.
    clock_.onInput = [this] {
        if (sink_) pollInput(*sink_);
    };
}

SdlHost::~SdlHost() {
    audio_.reset();
    input_.closePads();
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

void SdlHost::pollInput(InputSink& sink) {
    sink_ = &sink;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        const SdlInput::Use use = input_.handle(e, clock_.ticks(), sink);
        if (use == SdlInput::Use::ToggleFullscreen) setFullscreen(!fullscreen_);
        if (use != SdlInput::Use::NotInput) continue;
        switch (e.type) {
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
    input_.repeat(clock_.ticks(), sink);
}

void SdlHost::setFullscreen(bool on) {
    if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        std::cerr << "kvorlin: cannot change the screen mode: " << SDL_GetError() << std::endl;
        return;
    }
    fullscreen_ = on;
    redraw();
    if (onFullscreenChanged) onFullscreenChanged(on);
}

void SdlHost::setIcon(const IconImage& icon) {
    if (icon.pixels.empty()) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(icon.pixels.data()), icon.width, icon.height, 32, icon.width * 4,
        SDL_PIXELFORMAT_ABGR8888);
    if (!s) return;
    SDL_SetWindowIcon(window_, s);
    SDL_FreeSurface(s);
}

FramePlace SdlHost::place() const {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return placeFrame(w, h, shown_.empty() ? 640 : shown_.width(),
                      shown_.empty() ? 345 : shown_.height());
}

void SdlHost::toGame(int wx, int wy, int& gx, int& gy) const {
    const FramePlace p = place();
    gx = (wx - p.x) / p.scale - (wx < p.x ? 1 : 0);
    gy = (wy - p.y) / p.scale - (wy < p.y ? 1 : 0);
}

void SdlHost::present(const Surface& frame) {
    if (frame.empty()) return;
    if (frame.width() != shown_.width() || frame.height() != shown_.height()) {
        shown_ = frame;
        redraw();
        return;
    }
    // Only the rows that changed since the last frame are converted and sent: most menu frames
    // repeat the last one, and in play the sky and the ground often stay as they were.
    const std::size_t bytes = static_cast<std::size_t>(frame.width()) * sizeof(Colour);
    int first = -1, last = -1;
    for (int y = 0; y < frame.height(); ++y)
        if (std::memcmp(frame.row(y), shown_.row(y), bytes) != 0) {
            if (first < 0) first = y;
            last = y;
        }
    if (first < 0) return;
    for (int y = first; y <= last; ++y) std::memcpy(shown_.row(y), frame.row(y), bytes);

    SDL_Surface* target = SDL_GetWindowSurface(window_);
    const FramePlace p = place();
    // A new window surface (resized, or back from the whole screen) is drawn whole.
    if (!target || target != drawnOn_ || target->w != drawnSize_.w || target->h != drawnSize_.h ||
        target->format->BytesPerPixel != 4) {
        redraw();
        return;
    }
    SDL_LockSurface(target);
    paintRows(*target, p, first, last + 1);
    SDL_UnlockSurface(target);
    SDL_Rect changed{std::max(p.x, 0), p.y + first * p.scale,
                     std::min(shown_.width() * p.scale, target->w), (last + 1 - first) * p.scale};
    changed.y = std::max(changed.y, 0);
    changed.h = std::min(changed.h, target->h - changed.y);
    if (changed.w > 0 && changed.h > 0) SDL_UpdateWindowSurfaceRects(window_, &changed, 1);
}

void SdlHost::redraw() {
    // Scaled by hand into the window's own surface: crisp whole-number scaling, and far cheaper
    // than a renderer that falls back to software GL on machines without a graphics card.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target || shown_.empty()) return;
    const FramePlace p = place();
    const int scale = p.scale, ox = p.x, oy = p.y;
    const SDL_PixelFormat* format = target->format;
    drawnOn_ = target;
    drawnSize_ = {0, 0, target->w, target->h};
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
    paintRows(*target, p, 0, shown_.height());
    SDL_UnlockSurface(target);
    SDL_UpdateWindowSurface(window_);
}

void SdlHost::paintRows(SDL_Surface& target, const FramePlace& p, int from, int to) {
    const int scale = p.scale, ox = p.x, oy = p.y;
    const SDL_PixelFormat* format = target.format;
    const int rloss = format->Rloss, gloss = format->Gloss, bloss = format->Bloss;
    const int rshift = format->Rshift, gshift = format->Gshift, bshift = format->Bshift;
    const Uint32 alpha = format->Amask;
    // The usual window layouts get a loop the compiler can vectorise.
    const bool exact = rloss == 0 && gloss == 0 && bloss == 0 && gshift == 8;
    const bool rgb = exact && rshift == 16 && bshift == 0;
    const bool bgr = exact && rshift == 0 && bshift == 16;
    const int w = shown_.width(), fw = w * scale;
    converted_.resize(static_cast<std::size_t>(w));
    line_.resize(static_cast<std::size_t>(fw));
    const int x0 = std::max(ox, 0);
    const int skip = x0 - ox;
    const int count = std::min(fw - skip, target.w - x0);
    for (int y = from; y < to && count > 0; ++y) {
        const int wy = oy + y * scale;
        if (wy < 0 || wy + scale > target.h) continue;
        const Colour* src = shown_.row(y);
        Uint32* px = converted_.data();
        if (rgb) {
            for (int x = 0; x < w; ++x)
                px[x] = (src[x] & 0xFF) << 16 | (src[x] & 0xFF00) | (src[x] >> 16 & 0xFF) | alpha;
        } else if (bgr) {
            for (int x = 0; x < w; ++x) px[x] = (src[x] & 0xFFFFFF) | alpha;
        } else {
            for (int x = 0; x < w; ++x) {
                const Colour c = src[x];
                px[x] = static_cast<Uint32>((c & 255) >> rloss) << rshift |
                        static_cast<Uint32>((c >> 8 & 255) >> gloss) << gshift |
                        static_cast<Uint32>((c >> 16 & 255) >> bloss) << bshift | alpha;
            }
        }
        // The usual case, the whole width on screen: scaled straight into the first window row,
        // which the others then copy.
        auto rowAt = [&](int k) {
            return reinterpret_cast<Uint32*>(static_cast<Uint8*>(target.pixels) +
                                             static_cast<std::ptrdiff_t>(wy + k) * target.pitch);
        };
        const bool direct = skip == 0 && count == fw;
        Uint32* line = direct ? rowAt(0) + x0 : line_.data();
        if (scale == 2) {
            for (int x = 0; x < w; ++x) line[2 * x] = line[2 * x + 1] = px[x];
        } else if (scale == 3) {
            for (int x = 0; x < w; ++x) line[3 * x] = line[3 * x + 1] = line[3 * x + 2] = px[x];
        } else {
            for (int x = 0; x < w; ++x)
                for (int k = 0; k < scale; ++k) line[x * scale + k] = px[x];
        }
        for (int k = direct ? 1 : 0; k < scale; ++k)
            std::memcpy(rowAt(k) + x0, line + skip, static_cast<std::size_t>(count) * 4);
    }
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
    // A message box blocks its thread until it is closed, and SIGTERM, SIGINT and the window's
    // close button would go unheard meanwhile. So the program itself shows it as a child
    // process, and this loop watches both the child and the quit requests.
    std::string name = "kvorlin", option = "--error-dialog", text = message;
    char* argv[] = {name.data(), option.data(), text.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0) {
        showErrorDialog(message);
        return;
    }
    auto reap = [child](int options) {
        int status = 0;
        pid_t r;
        do r = waitpid(child, &status, options);
        while (r < 0 && errno == EINTR);
        return r != 0;
    };
    for (;;) {
        if (reap(WNOHANG)) return;
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            if (e.type == SDL_QUIT) quitDuringDialog_ = true;
            if (e.type == SDL_WINDOWEVENT && (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                                              e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED))
                redraw();
        }
        if (quitDuringDialog_) {
            kill(child, SIGTERM);
            reap(0);
            return;
        }
        SDL_WaitEventTimeout(nullptr, 50);
    }
}

}  // namespace kv
