#include "shell/app.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "platform/errors.h"
#include "platform/files.h"

namespace kv {

App::App(Host& h, std::filesystem::path folder)
    : host(h),
      programFolder(std::move(folder)),
      random(static_cast<std::mt19937::result_type>(h.clock().ticks())),
      sprites(loadSprites()),
      ini(*this),
      checkpoint(*this),
      Form1(*this),
      score1(*this) {}

App::~App() {
    // Drop windows without running handlers: the program is over.
    for (Window* w : windows()) w->destroy();
}

std::vector<Window*> App::windows() const {
    auto* self = const_cast<App*>(this);
    return {&self->checkpoint, &self->Form1, &self->score1};
}

Window* App::findWindow(const std::string& name) const {
    for (Window* w : windows())
        if (w->name() == name) return w;
    return nullptr;
}

App::Busy& App::busy(Window& w) {
    for (auto& b : busy_)
        if (b.window == &w) return b;
    busy_.push_back({&w, 0, false, false, false});
    return busy_.back();
}

void App::dispatch(Window& w, const std::function<void()>& handler) {
    ++busy(w).depth;
    try {
        handler();
    } catch (...) {
        // On the way out with an error: finish a pending unload, but load nothing anew.
        leave(w, false);
        throw;
    }
    // Not from a destructor: a fresh load may fail, and that must reach the caller.
    leave(w, true);
}

void App::leave(Window& w, bool reload) {
    Busy& b = busy(w);
    if (--b.depth > 0 || !b.unloadPending) return;
    // Take the flags first: unloading may register other windows and move `b`.
    const bool loadAgain = std::exchange(b.loadPending, false) && reload;
    const bool showAgain = std::exchange(b.showPending, false) && loadAgain;
    b.unloadPending = false;
    unloadNow(w);
    if (!loadAgain || ended_) return;
    load(w);
    if (showAgain) show(w);
}

void App::load(Window& w) {
    if (w.isLoaded()) {
        // Loaded anew from inside its own code: the fresh load follows the pending unload.
        if (Busy& b = busy(w); b.unloadPending) b.loadPending = true;
        return;
    }
    w.create(host.clock());
    dispatch(w, [&] { w.onLoad(); });
}

void App::unload(Window& w) {
    if (!w.isLoaded()) return;
    Busy& b = busy(w);
    if (b.depth > 0) {
        b.unloadPending = true;
        return;
    }
    unloadNow(w);
}

void App::unloadNow(Window& w) {
    if (!w.isLoaded()) return;
    w.onUnload();
    if (loop_.owner == &w) loop_ = {};
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &w), shown_.end());
    w.destroy();
}

void App::show(Window& w) {
    if (w.isLoaded()) {
        // Shown by code that has just unloaded it: it comes back loaded afresh.
        if (Busy& b = busy(w); b.unloadPending) {
            b.loadPending = b.showPending = true;
            return;
        }
    }
    loaded(w);
    w.visible = true;
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &w), shown_.end());
    shown_.push_back(&w);
}

void App::hide(Window& w) {
    if (w.isLoaded()) w.visible = false;
}

Window* App::topWindow() const {
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it)
        if ((*it)->isLoaded() && (*it)->visible) return *it;
    return nullptr;
}

void App::setFrameLoop(FrameLoop loop) {
    loop_ = std::move(loop);
    ++loopGeneration_;
}

bool App::runFramePass() {
    if (!loop_.pass) return false;
    // Keep our own copy: the pass may register a new loop (a reloaded window) while it runs.
    FrameLoop current = loop_;
    const unsigned generation = loopGeneration_;
    bool more = true;
    dispatch(*current.owner, [&] { more = current.pass(); });
    if (!more && generation == loopGeneration_) loop_ = {};
    return true;
}

Millis App::nextTimerDue() const {
    Millis best = -1;
    for (Window* w : windows()) {
        if (!w->isLoaded()) continue;
        const Millis due = w->nextTimerDue();
        if (due >= 0 && (best < 0 || due < best)) best = due;
    }
    return best;
}

void App::pump(bool present) {
    host.pollInput(*this);
    const Millis now = host.clock().ticks();
    for (Window* w : windows()) {
        for (std::size_t i = 0; w->isLoaded() && i < w->timers().size(); ++i) {
            Timer& t = *w->timers()[i];
            if (t.enabled() && t.interval() > 0 && now >= t.due())
                dispatch(*w, [&] { t.fireIfDue(now); });
        }
    }
    if (present) presentTop();
}

void App::presentTop() {
    Window* top = topWindow();
    if (!top) return;
    if (frame_.width() != top->width || frame_.height() != top->height)
        frame_ = Surface(top->width, top->height);
    top->paint(frame_, text);
    host.present(frame_);
}

void App::start() {
    try {
        ini.load();
    } catch (const FileError& e) {
        fail(e.what());
    }
}

int App::run() {
    while (!ended_) {
        try {
            if (hasFrameLoop()) {
                host.clock().waitUntil(frameDue());
                runFramePass();
            } else {
                pump(true);
                if (!ended_ && !hasFrameLoop()) host.idleUntil(nextTimerDue());
            }
        } catch (const FileError& e) {
            fail(e.what());
        }
    }
    return exitCode_;
}

void App::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
}

void App::cleanExit() {
    for (const char* pattern : {"/grafix/*.bmp", "/music/*.mid"}) {
        try {
            deleteMatching(gamePath(programFolder, pattern));
        } catch (const FileError& e) {
            warn(e.what());
        }
    }
    unload(Form1);
    ini.unload();
    endProgram(0);
}

void App::warn(const std::string& message) const {
    std::cerr << "kvorlin: " << message << std::endl;
}

void App::warnOnce(const std::string& message) {
    if (std::find(warned_.begin(), warned_.end(), message) != warned_.end()) return;
    warned_.push_back(message);
    warn(message);
}

void App::fail(const std::string& message) {
    host.showError(message);
    endProgram(1);
}

void App::keyDown(int key) {
    Window* w = topWindow();
    if (!w) return;
    if (w->keyPreview) dispatch(*w, [&] { w->onKeyDown(key); });
    if (w->isLoaded() && w->focus && key == keys::Backspace) w->focus->backspace();
}

void App::keyUp(int key) {
    Window* w = topWindow();
    if (w && w->keyPreview) dispatch(*w, [&] { w->onKeyUp(key); });
}

void App::textTyped(const std::string& utf8) {
    Window* w = topWindow();
    if (w && w->focus) w->focus->type(utf8);
}

void App::click(Window& w, Control& c) {
    if (c.takesText()) w.focus = static_cast<TextBox*>(&c);
    if (c.onClick) dispatch(w, [&] { c.onClick(); });
}

void App::move(Window& w, Control& c) {
    if (c.onMouseMove) dispatch(w, [&] { c.onMouseMove(c.width / 2, c.height / 2); });
}

void App::mouseDown(int x, int y) {
    Window* w = topWindow();
    if (!w) return;
    if (Control* hit = w->client().hitTest(x, y); hit && hit != &w->client()) click(*w, *hit);
}

void App::mouseMove(int x, int y) {
    Window* w = topWindow();
    if (!w) return;
    Control* hit = w->client().hitTest(x, y);
    if (!hit || hit == &w->client() || !hit->onMouseMove) return;
    int ox = 0, oy = 0;
    for (const Control* c = hit; c && c != &w->client(); c = c->parent())
        ox += c->left, oy += c->top;
    dispatch(*w, [&] { hit->onMouseMove(x - ox, y - oy); });
}

void App::closeRequested() {
    cleanExit();
}

}  // namespace kv
