#pragma once
// The real clock, from SDL's high-resolution performance counter.
#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace kv {

class RealClock final : public Clock {
  public:
    RealClock();
    Millis ticks() const override;
    // With onInput set, the wait wakes for every event that arrives and hands it on, so a long
    // frame period never leaves the window unpainted or deaf to closing.
    void waitUntil(Millis due) override;

    // Takes every pending event; called during waits whenever one arrives.
    std::function<void()> onInput;

  private:
    std::uint64_t counterAt(Millis t) const;
    std::uint64_t start_;
    std::uint64_t frequency_;
};

}  // namespace kv
