#include "platform/window_system.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"

namespace kv {

WindowSystem::WindowSystem(Host& host, const TextRenderer& text) : host_(host), text_(text) {}

WindowSystem::~WindowSystem() {
    for (Window* w : windows_) w->destroy();
}

void WindowSystem::add(Window& w) {
    if (std::find(windows_.begin(), windows_.end(), &w) == windows_.end()) windows_.push_back(&w);
}

Window* WindowSystem::find(const std::string& name) const {
    for (Window* w : windows_)
        if (w->name() == name) return w;
    return nullptr;
}

WindowSystem::Busy& WindowSystem::busy(Window& w) {
    for (auto& b : busy_)
        if (b.window == &w) return b;
    busy_.push_back({&w, 0, false, false, false});
    return busy_.back();
}

void WindowSystem::dispatch(Window& w, const std::function<void()>& handler) {
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

void WindowSystem::leave(Window& w, bool reload) {
    Busy& b = busy(w);
    if (--b.depth > 0 || !b.unloadPending) return;
    // Take the flags first: unloading may register other windows and move `b`.
    const bool loadAgain = std::exchange(b.loadPending, false) && reload;
    const bool showAgain = std::exchange(b.showPending, false) && loadAgain;
    b.unloadPending = false;
    unloadNow(w);
    if (!loadAgain || stopped_) return;
    load(w);
    if (showAgain) show(w);
}

void WindowSystem::load(Window& w) {
    if (w.isLoaded()) {
        // Loaded anew from inside its own code: the fresh load follows the pending unload.
        if (Busy& b = busy(w); b.unloadPending) b.loadPending = true;
        return;
    }
    add(w);
    w.create(host_.clock());
    dispatch(w, [&] { w.onLoad(); });
}

void WindowSystem::unload(Window& w) {
    if (!w.isLoaded()) return;
    Busy& b = busy(w);
    if (b.depth > 0) {
        b.unloadPending = true;
        return;
    }
    unloadNow(w);
}

void WindowSystem::unloadNow(Window& w) {
    if (!w.isLoaded()) return;
    w.onUnload();
    if (loop_.owner == &w) loop_ = {};
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &w), shown_.end());
    w.destroy();
}

void WindowSystem::show(Window& w) {
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

void WindowSystem::hide(Window& w) {
    if (w.isLoaded()) w.visible = false;
}

Window* WindowSystem::top() const {
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it)
        if ((*it)->isLoaded() && (*it)->visible) return *it;
    return nullptr;
}

void WindowSystem::setFrameLoop(FrameLoop loop) {
    loop_ = std::move(loop);
    ++loopGeneration_;
}

bool WindowSystem::runFramePass() {
    if (!loop_.pass) return false;
    lastPassAt_ = host_.clock().ticks();
    // Keep our own copy: the pass may register a new loop (a reloaded window) while it runs.
    FrameLoop current = loop_;
    const unsigned generation = loopGeneration_;
    bool more = true;
    dispatch(*current.owner, [&] { more = current.pass(); });
    if (!more && generation == loopGeneration_) loop_ = {};
    return true;
}

bool WindowSystem::step(Millis limit) {
    if (stopped_) return false;
    if (hasFrameLoop()) {
        // A frame takes at least a millisecond, so a period of zero or below cannot stall the
        // virtual clock or spin the real one.
        const Millis due = std::max(loop_.due(), lastPassAt_ + 1);
        if (due > limit) return false;
        host_.clock().waitUntil(due);
        if (stopped_) return false;  // closed while waiting: the real clock hands on input
        runFramePass();
        return true;
    }
    const Millis due = nextTimerDue();
    if (due > limit || (due < 0 && limit != Forever)) return false;
    host_.idleUntil(due);
    pump(true);
    return true;
}

Millis WindowSystem::nextTimerDue() const {
    Millis best = -1;
    for (Window* w : windows_) {
        if (!w->isLoaded()) continue;
        const Millis due = w->nextTimerDue();
        if (due >= 0 && (best < 0 || due < best)) best = due;
    }
    return best;
}

void WindowSystem::pump(bool present) {
    host_.pollInput(*this);
    const Millis now = host_.clock().ticks();
    // By index: a handler may load a window, which registers it.
    for (std::size_t k = 0; k < windows_.size(); ++k) {
        Window* w = windows_[k];
        for (std::size_t i = 0; w->isLoaded() && i < w->timers().size(); ++i) {
            Timer& t = *w->timers()[i];
            if (t.enabled() && t.interval() > 0 && now >= t.due())
                dispatch(*w, [&] { t.fireIfDue(now); });
        }
    }
    if (present) presentTop();
}

void WindowSystem::presentTop() {
    // Nobody looks at a headless run's frames; a screenshot paints its own.
    if (!host_.showsFrames()) return;
    Window* w = top();
    if (!w) return;
    if (frame_.width() != w->width || frame_.height() != w->height)
        frame_ = Surface(w->width, w->height);
    w->paint(frame_, text_);
    host_.present(frame_);
}

Surface WindowSystem::snapshot() const {
    Window* w = top();
    Surface frame(w ? w->width : 640, w ? w->height : 345);
    if (w) w->paint(frame, text_);
    return frame;
}

void WindowSystem::keyDown(int key) {
    Window* w = top();
    if (!w) return;
    if (w->keyPreview) dispatch(*w, [&] { w->onKeyDown(key); });
    if (!w->isLoaded() || !w->focus || !w->focus->showing()) return;
    TextBox& box = *w->focus;
    if (key == keys::Enter && box.onEnter)
        dispatch(*w, [&] { box.onEnter(); });
    else
        box.editKey(key);
}

void WindowSystem::keyUp(int key) {
    Window* w = top();
    if (w && w->keyPreview) dispatch(*w, [&] { w->onKeyUp(key); });
}

void WindowSystem::textTyped(const std::string& utf8) {
    Window* w = top();
    if (w && w->focus && w->focus->showing()) w->focus->type(utf8);
}

void WindowSystem::click(Window& w, Control& c) {
    if (c.takesText()) w.setFocus(static_cast<TextBox*>(&c));
    if (c.onClick) dispatch(w, [&] { c.onClick(); });
}

void WindowSystem::move(Window& w, Control& c) {
    if (c.onMouseMove) dispatch(w, [&] { c.onMouseMove(c.width / 2, c.height / 2); });
}

void WindowSystem::mouseDown(int x, int y) {
    Window* w = top();
    if (!w) return;
    if (Control* hit = w->client().hitTest(x, y); hit && hit != &w->client()) click(*w, *hit);
}

void WindowSystem::mouseMove(int x, int y) {
    Window* w = top();
    if (!w) return;
    Control* hit = w->client().hitTest(x, y);
    if (!hit || hit == &w->client() || !hit->onMouseMove) return;
    int ox = 0, oy = 0;
    for (const Control* c = hit; c && c != &w->client(); c = c->parent())
        ox += c->left, oy += c->top;
    dispatch(*w, [&] { hit->onMouseMove(x - ox, y - oy); });
}

void WindowSystem::closeRequested() {
    if (onClose) onClose();
}

void WindowSystem::focusLost() {
    if (onFocusLost) onFocusLost();
}

}  // namespace kv
