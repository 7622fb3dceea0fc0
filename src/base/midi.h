#pragma once
// Checking a tune before it is played. The synthesiser takes any bytes after a MIDI header and
// then spins on what it cannot play, so every track is parsed here first.
#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

struct TuneCheck {
    std::string problem;            // empty when the tune can be played
    std::uint64_t lengthTicks = 0;  // the longest track, in the file's ticks
    int notes = 0;                  // note-ons that sound (velocity above 0)
    bool playable() const { return problem.empty(); }
};

// A standard MIDI file: the header, then every track's events up to its end. A file that parses
// but has no note or no length is refused too: looping it would spin.
TuneCheck checkMidi(std::string_view bytes);

}  // namespace kv
