#pragma once

namespace kv {

// The game stores the music volume in hundredths of a decibel: 0 is full loudness, -1500 the
// usual setting, -10000 silence. The mixer wants a linear 0..128, so the decibels become an
// amplitude: 128 * 10^(v / 2000), rounded. Anything above 0 dB is full loudness.
int mixerVolume(int hundredthsOfDb);

}  // namespace kv
