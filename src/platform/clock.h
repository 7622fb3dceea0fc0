#pragma once
// Milliseconds as a 64-bit count: no wrap after 49 days.
#include <cstdint>

namespace kv {

using Millis = std::int64_t;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Millis ticks() const = 0;
    // Returns once ticks() has reached `due`. The real clock sleeps until shortly before the
    // due tick and spins only the rest; the virtual clock just moves there.
    virtual void waitUntil(Millis due) = 0;
};

// The headless clock: moves only when the program waits, so runs are repeatable.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(Millis start = 1000000) : now_(start) {}
    Millis ticks() const override { return now_; }
    void waitUntil(Millis due) override {
        if (due > now_) now_ = due;
    }
    void advanceTo(Millis t) { waitUntil(t); }

  private:
    Millis now_;
};

}  // namespace kv
