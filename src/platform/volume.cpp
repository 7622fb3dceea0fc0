#include "platform/volume.h"

#include <cmath>

namespace kv {

namespace {
constexpr int kMixerMaxVolume = 128;  // the mixer's own full volume
}

int mixerVolume(int hundredthsOfDb) {
    if (hundredthsOfDb >= 0) return kMixerMaxVolume;
    // In double the whole int range is exact, and pow() only underflows towards 0 for the
    // very quiet end, so no value can overflow on the way.
    const double amplitude = std::pow(10.0, static_cast<double>(hundredthsOfDb) / 2000.0);
    const long rounded = std::lround(kMixerMaxVolume * amplitude);
    if (rounded < 0) return 0;
    if (rounded > kMixerMaxVolume) return kMixerMaxVolume;
    return static_cast<int>(rounded);
}

}  // namespace kv
