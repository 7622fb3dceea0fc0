#include "platform/timer.h"

#include <algorithm>

namespace kv {

Timer::Timer(std::string name, const Clock& clock, int interval, bool enabled)
    : name_(std::move(name)), clock_(clock), interval_(std::max(interval, 0)) {
    setEnabled(enabled);
}

void Timer::setInterval(int ms) {
    interval_ = std::max(ms, 0);
    if (enabled_) due_ = clock_.ticks() + interval_;
}

void Timer::setEnabled(bool on) {
    if (on && !enabled_) due_ = clock_.ticks() + interval_;
    enabled_ = on;
}

bool Timer::fireIfDue(Millis now) {
    // An interval of 0 means a stopped timer, as on the original platform.
    if (!enabled_ || interval_ == 0 || now < due_) return false;
    // The schedule is kept from the due time, not from when the tick got handled, so a tick
    // that comes a little late does not put every later tick off. Ticks missed altogether
    // are dropped: the next one is the first scheduled time still ahead.
    due_ += interval_;
    if (due_ <= now) due_ += (now - due_) / interval_ * interval_ + interval_;
    if (onTick) onTick();
    return true;
}

}  // namespace kv
