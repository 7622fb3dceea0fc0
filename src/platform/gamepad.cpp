#include "platform/gamepad.h"

#include <algorithm>

namespace kv {
namespace {

// A held key repeats only where the game expects a key's repeat: walking, jumping and the menu
// highlight. A repeated pause or stats toggle would flicker.
bool repeats(int key) {
    return key == keys::Left || key == keys::Right || key == keys::Up || key == keys::Down ||
           key == keys::Space;
}

}  // namespace

int keyForPadButton(PadButton button) {
    switch (button) {
        case PadButton::South:
            return keys::Space;
        case PadButton::West:
            return keys::Ctrl;
        case PadButton::Start:
            return keys::Esc;
        case PadButton::Back:
            return keys::S;
        case PadButton::DpadUp:
            return keys::Up;
        case PadButton::DpadDown:
            return keys::Down;
        case PadButton::DpadLeft:
            return keys::Left;
        case PadButton::DpadRight:
            return keys::Right;
        default:
            return 0;
    }
}

void PadKeys::button(PadButton button, bool down, Millis now, InputSink& sink) {
    const int key = keyForPadButton(button);
    if (!key) return;
    if (down)
        hold(key, now, sink);
    else
        letGo(key, sink);
}

int PadKeys::direction(int previous, int value) {
    if (value <= -PressAt) return -1;
    if (value >= PressAt) return 1;
    // Between the two thresholds the stick keeps what it had.
    if (previous < 0 && value <= -ReleaseAt) return -1;
    if (previous > 0 && value >= ReleaseAt) return 1;
    return 0;
}

void PadKeys::axis(PadAxis axis, int value, Millis now, InputSink& sink) {
    if (axis == PadAxis::Other) return;
    const bool across = axis == PadAxis::LeftX;
    int& dir = across ? stickX_ : stickY_;
    const int next = direction(dir, value);
    if (next == dir) return;
    const int lessKey = across ? keys::Left : keys::Up, moreKey = across ? keys::Right : keys::Down;
    if (dir) letGo(dir < 0 ? lessKey : moreKey, sink);
    dir = next;
    if (dir) hold(dir < 0 ? lessKey : moreKey, now, sink);
}

void PadKeys::hold(int key, Millis now, InputSink& sink) {
    auto it = std::find_if(held_.begin(), held_.end(), [&](const Held& h) { return h.key == key; });
    if (it != held_.end()) {
        ++it->holders;
        return;
    }
    held_.push_back({key, 1, now + RepeatDelay});
    sink.keyDown(key);
}

void PadKeys::letGo(int key, InputSink& sink) {
    auto it = std::find_if(held_.begin(), held_.end(), [&](const Held& h) { return h.key == key; });
    if (it == held_.end() || --it->holders > 0) return;
    held_.erase(it);
    sink.keyUp(key);
}

void PadKeys::repeat(Millis now, InputSink& sink) {
    // By index: a handler may let go of keys (a lost focus) while we press.
    for (std::size_t i = 0; i < held_.size(); ++i) {
        if (!repeats(held_[i].key) || now < held_[i].nextRepeat) continue;
        // However late, one press; the next follows a repeat period after it.
        held_[i].nextRepeat = now + RepeatEvery;
        sink.keyDown(held_[i].key);
    }
}

void PadKeys::releaseAll(InputSink& sink) {
    std::vector<Held> held;
    held.swap(held_);
    stickX_ = stickY_ = 0;
    for (const Held& h : held) sink.keyUp(h.key);
}

}  // namespace kv
