#include "platform/sdl/sdl_music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <string>
#include <system_error>

#include "base/errors.h"
#include "base/files.h"
#include "base/midi.h"

namespace kv {
namespace fs = std::filesystem;

namespace {

void warn(const std::string& what) {
    const std::string line = "music: " + what + "; playing on without music\n";
    std::fputs(line.c_str(), stderr);
}

std::string sdlError() {
    return SDL_GetError();
}

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkFrames = 2048;
constexpr int kLoopForever = -1;

struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};
using MusicHandle = std::unique_ptr<Mix_Music, MusicDeleter>;

// Tunes are always MIDI. The synthesiser takes any bytes after a MIDI header and then spins on
// what it cannot play (or loops a tune of no length for ever), so every track is parsed first and
// a bad tune is treated like a missing one. The player keeps the bytes while the tune lives.
MusicHandle loadMidi(const std::string& path, std::string& bytes, std::string& why) {
    try {
        bytes = readFile(path);
    } catch (const FileError& e) {
        why = e.what();
        return nullptr;
    }
    const TuneCheck check = checkMidi(bytes);
    if (!check.playable()) {
        why = check.problem;
        return nullptr;
    }
    SDL_RWops* memory = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!memory) {
        why = sdlError();
        return nullptr;
    }
    MusicHandle music(Mix_LoadMUSType_RW(memory, MUS_MID, SDL_TRUE));
    if (!music) why = sdlError();
    return music;
}

}  // namespace

class SdlAudio {
  public:
    SdlAudio() = default;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    ~SdlAudio() {
        if (mixerOpen_) {
            Mix_CloseAudio();
            // The mixer counts its openings; unload the decoders only when nobody else still
            // has it open.
            if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0) Mix_Quit();
        }
        if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    // True once the mixer is open. Tries only once: a failure is reported once, then stays.
    bool ready() {
        if (!tried_) {
            tried_ = true;
            open();
        }
        return mixerOpen_;
    }

    void claim(const void* player) { owner_ = player; }
    void release(const void* player) {
        if (owner_ == player) owner_ = nullptr;
    }
    bool plays(const void* player) const { return owner_ == player && Mix_PlayingMusic() != 0; }

  private:
    void open() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            warn("no audio device (" + sdlError() + ")");
            return;
        }
        subsystem_ = true;
        // FluidSynth takes its sound font only from here, and only before the mixer opens.
        const fs::path font = firstExistingFile(soundFontCandidates());
        if (font.empty()) {
            warn("no General MIDI sound font found (install timgm6mb-soundfont)");
            return;
        }
        if (Mix_SetSoundFonts(font.c_str()) == 0) {
            warn("cannot use sound font " + font.string() + " (" + sdlError() + ")");
            return;
        }
        if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkFrames) != 0) {
            warn("cannot open the audio device (" + sdlError() + ")");
            return;
        }
        mixerOpen_ = true;
    }

    bool tried_ = false;
    bool subsystem_ = false;
    bool mixerOpen_ = false;
    const void* owner_ = nullptr;
};

namespace {

class SdlMusicPlayer final : public MusicPlayer {
  public:
    explicit SdlMusicPlayer(std::shared_ptr<SdlAudio> audio) : audio_(std::move(audio)) {}

    // The tune stops with its player (freeing a playing tune halts it).
    ~SdlMusicPlayer() override { audio_->release(this); }

  protected:
    void volumeChanged() override {
        if (audio_->plays(this)) Mix_VolumeMusic(mixerVolume(volume()));
    }

    void startPlayback() override {
        if (!audio_->ready()) return;
        if (!music_ || loadedFile_ != fileName()) {
            music_.reset();
            loadedFile_.clear();
            audio_->release(this);
            std::string why;
            MusicHandle loaded = loadMidi(fileName(), bytes_, why);
            if (!loaded) {
                warnOnce("cannot play " + fileName() + " (" + why + ")");
                return;
            }
            music_ = std::move(loaded);
            loadedFile_ = fileName();
        }
        Mix_VolumeMusic(mixerVolume(volume()));
        if (Mix_PlayMusic(music_.get(), kLoopForever) != 0) {
            warnOnce("cannot play " + fileName() + " (" + sdlError() + ")");
            return;
        }
        audio_->claim(this);
    }

  private:
    // A file that keeps failing is named once, not at every level start.
    void warnOnce(const std::string& what) {
        if (warnedFile_ == fileName()) return;
        warnedFile_ = fileName();
        warn(what);
    }

    // Declared first so that the tune is freed before the audio output can close.
    std::shared_ptr<SdlAudio> audio_;
    std::string bytes_;  // the tune's file, read by the synthesiser as it plays
    MusicHandle music_;
    std::string loadedFile_;
    std::string warnedFile_;
};

}  // namespace

std::shared_ptr<SdlAudio> makeSdlAudio() {
    return std::make_shared<SdlAudio>();
}

std::vector<fs::path> soundFontCandidates() {
    return {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
            "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
}

fs::path firstExistingFile(const std::vector<fs::path>& candidates) {
    for (const fs::path& candidate : candidates) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) return candidate;
    }
    return {};
}

std::unique_ptr<MusicPlayer> makeSdlMusicPlayer(std::shared_ptr<SdlAudio> audio) {
    if (!audio) audio = makeSdlAudio();
    return std::make_unique<SdlMusicPlayer>(std::move(audio));
}

}  // namespace kv
