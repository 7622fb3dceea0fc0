#pragma once
// A window timer: interval, enabled flag, due time. It fires only inside a yield and keeps its
// own schedule: the next tick is due an interval after the last due time, and a tick that comes
// late fires once (missed ticks are not replayed one after another).
#include <functional>
#include <string>

#include "platform/clock.h"

namespace kv {

class Timer {
  public:
    Timer(std::string name, const Clock& clock, int interval, bool enabled);

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    Millis due() const { return due_; }

    void setInterval(int ms);
    // Enabling a stopped timer schedules its first tick one interval from now.
    void setEnabled(bool on);

    std::function<void()> onTick;

    // Fires the tick if it is due at `now`; returns whether it fired.
    bool fireIfDue(Millis now);

  private:
    std::string name_;
    const Clock& clock_;
    int interval_;
    bool enabled_ = false;
    Millis due_ = 0;
};

}  // namespace kv
