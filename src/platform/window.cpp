#include "platform/window.h"

namespace kv {

Window::Window(std::string name, int w, int h) : width(w), height(h), name_(std::move(name)) {}

Window::~Window() = default;

void Window::create(const Clock& clock) {
    clock_ = &clock;
    root_ = std::make_unique<PictureBox>(name_);
    root_->move(0, 0, width, height);
    build();
}

void Window::destroy() {
    focus = nullptr;
    timers_.clear();
    root_.reset();
    visible = false;
}

void Window::setFocus(TextBox* box) {
    if (focus) focus->focused = false;
    focus = box;
    if (box) box->focused = true;
}

Timer& Window::addTimer(const std::string& name, int interval, bool enabled) {
    timers_.push_back(std::make_unique<Timer>(name, *clock_, interval, enabled));
    return *timers_.back();
}

namespace {
Control* findIn(const Control& c, const std::string& name, int index) {
    for (const auto& child : c.children()) {
        if (child->name() == name && child->index() == index) return child.get();
        if (Control* found = findIn(*child, name, index)) return found;
    }
    return nullptr;
}
}  // namespace

Control* Window::findControl(const std::string& name, int index) const {
    if (!root_) return nullptr;
    return findIn(*root_, name, index);
}

Timer* Window::findTimer(const std::string& name) const {
    for (const auto& t : timers_)
        if (t->name() == name) return t.get();
    return nullptr;
}

Millis Window::nextTimerDue() const {
    Millis best = -1;
    for (const auto& t : timers_)
        if (t->enabled() && t->interval() > 0 && (best < 0 || t->due() < best)) best = t->due();
    return best;
}

void Window::paint(Surface& dst, const TextRenderer& text) const {
    if (!root_) return;
    const Rect all{0, 0, dst.width(), dst.height()};
    root_->paint(dst, 0, 0, all, text);
}

}  // namespace kv
