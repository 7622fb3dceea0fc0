#pragma once
// The real clock, from SDL's high-resolution performance counter.
#include <cstdint>

#include "platform/clock.h"

namespace kv {

class RealClock final : public Clock {
  public:
    RealClock();
    Millis ticks() const override;
    void waitUntil(Millis due) override;

  private:
    std::uint64_t counterAt(Millis t) const;
    std::uint64_t start_;
    std::uint64_t frequency_;
};

}  // namespace kv
