#pragma once
// The real host's music: MIDI tunes through the SDL mixer and its FluidSynth synthesiser.
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/music.h"

namespace kv {

// The audio output that music plays through: SDL's audio subsystem, a General MIDI sound font
// and the opened mixer. It opens on first use; when that fails (no audio device, no sound font)
// it says why in one line on stderr and the players stay silent. The mixer has a single music
// stream, so the players of one process should share one SdlAudio; it remembers whose tune is
// playing so that one player's volume never changes another's tune.
class SdlAudio;
std::shared_ptr<SdlAudio> makeSdlAudio();

// General MIDI sound fonts in order of preference.
std::vector<std::filesystem::path> soundFontCandidates();
// The first candidate that exists as a file, or an empty path.
std::filesystem::path firstExistingFile(const std::vector<std::filesystem::path>& candidates);

// A player on the given audio output; without one it opens its own.
std::unique_ptr<MusicPlayer> makeSdlMusicPlayer(std::shared_ptr<SdlAudio> audio = nullptr);

}  // namespace kv
