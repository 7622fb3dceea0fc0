#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/recording_music.h"
#include "platform/music.h"
#include "platform/sdl/sdl_music.h"
#include "support/app_fixture.h"
#include "support/scoped_env.h"

namespace kv {
namespace {
namespace fs = std::filesystem;

TEST(MixerVolume, MapsHundredthsOfDecibelsOntoTheMixerScale) {
    EXPECT_EQ(mixerVolume(0), 128);
    EXPECT_EQ(mixerVolume(-2000), 13);  // -20 dB is a tenth of the amplitude
    EXPECT_EQ(mixerVolume(-600), 64);   // about half
    EXPECT_EQ(mixerVolume(-1500), 23);
    EXPECT_EQ(mixerVolume(-100), 114);
    EXPECT_EQ(mixerVolume(-10000), 0);
    // Louder than full and anything far below silence stay in range, at the int extremes too.
    EXPECT_EQ(mixerVolume(1), 128);
    EXPECT_EQ(mixerVolume(2000), 128);
    EXPECT_EQ(mixerVolume(INT_MAX), 128);
    EXPECT_EQ(mixerVolume(-1000000), 0);
    EXPECT_EQ(mixerVolume(INT_MIN), 0);
    // Quieter never maps louder.
    for (int v = -12000; v < 200; v += 100) EXPECT_LE(mixerVolume(v), mixerVolume(v + 100)) << v;
}

TEST(RecordingMusicPlayer, RecordsEveryCallInOrder) {
    auto player = makeRecordingMusicPlayer();
    EXPECT_EQ(player->playCount(), 0);
    EXPECT_EQ(player->fileName(), "");
    EXPECT_EQ(player->volume(), 0);

    player->setFileName("/game/music/1.mid");
    player->setVolume(-1500);
    player->play();
    player->setVolume(-1400);  // a volume change alone does not restart the tune
    player->setFileName("/game/music/2.mid");
    player->play();

    EXPECT_EQ(player->playCount(), 2);
    EXPECT_EQ(player->fileName(), "/game/music/2.mid");
    EXPECT_EQ(player->volume(), -1400);
    const auto& recording = dynamic_cast<const RecordingMusicPlayer&>(*player);
    EXPECT_EQ(recording.log(),
              (std::vector<std::string>{"file /game/music/1.mid", "volume -1500",
                                        "play /game/music/1.mid@-1500", "volume -1400",
                                        "file /game/music/2.mid", "play /game/music/2.mid@-1400"}));
}

TEST(SoundFont, FirstExistingCandidateWins) {
    test::TempFolder temp;
    const fs::path& dir = temp.path();
    fs::create_directories(dir / "folder.sf2");
    std::ofstream(dir / "b.sf2") << "x";
    std::ofstream(dir / "c.sf2") << "x";
    // A missing file and a folder of that name are skipped.
    EXPECT_EQ(firstExistingFile({dir / "a.sf2", dir / "folder.sf2", dir / "b.sf2", dir / "c.sf2"}),
              dir / "b.sf2");
    EXPECT_EQ(firstExistingFile({dir / "a.sf2"}), fs::path());
    EXPECT_EQ(firstExistingFile({}), fs::path());
    EXPECT_EQ(soundFontCandidates().front(), fs::path("/usr/share/sounds/sf2/default-GM.sf2"));
}

int countWarnings(const std::string& stderrText) {
    int count = 0;
    for (size_t at = stderrText.find("music: "); at != std::string::npos;
         at = stderrText.find("music: ", at + 1))
        ++count;
    return count;
}

// A tiny tune of our own, made with the same tool the build uses for the game's tunes.
fs::path writeTestTune(const fs::path& dir) {
    const fs::path abc = dir / "tune.abc";
    std::ofstream(abc) << "X:1\nT:Probe\nM:4/4\nL:1/4\nQ:1/4=240\nK:C\n"
                          "C E G c | c G E C | C E G c | c G E C |\n";
    const fs::path mid = dir / "tune.mid";
    const std::string command =
        "abc2midi '" + abc.string() + "' -o '" + mid.string() + "' -silent >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 || !fs::exists(mid)) return {};
    return mid;
}

TEST(SdlMusicPlayer, NewFileIsLoadedAndABadOneIsNamedOnce) {
    test::ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "dummy");
    test::TempFolder dir;
    const fs::path tune = writeTestTune(dir.path());
    ASSERT_FALSE(tune.empty()) << "abc2midi could not make the test tune";
    const std::string missing = (dir.path() / "music" / "3.mid").string();
    const std::string damaged = (dir.path() / "4.mid").string();
    std::ofstream(damaged) << "MTh";

    testing::internal::CaptureStderr();
    {
        auto player = makeSdlMusicPlayer();
        player->setFileName(tune.string());
        player->setVolume(-1500);
        player->play();
        player->setFileName(missing);  // the good tune must not go on as if nothing changed
        player->play();
        player->play();
        player->setVolume(0);
        player->setFileName(damaged);
        player->play();
        EXPECT_EQ(player->playCount(), 4);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(countWarnings(err), 2) << err;
    EXPECT_NE(err.find(missing), std::string::npos) << err;
    EXPECT_NE(err.find(damaged + " (not a MIDI file)"), std::string::npos) << err;
}

TEST(SdlMusicPlayer, BrokenOrEmptyTuneIsTreatedLikeAMissingOne) {
    test::ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "dummy");
    test::TempFolder dir;
    // A valid header, then a track of garbage; and a valid tune without a note or a length.
    const std::string head("MThd\0\0\0\6\0\0\0\1\0\x60", 14);
    const std::string broken = (dir.path() / "5.mid").string();
    std::ofstream(broken, std::ios::binary)
        << head << std::string("MTrk\0\0\0\x08\x91\x92\x93\x94\xF5\xF6\xF7\xF8", 16);
    const std::string empty = (dir.path() / "6.mid").string();
    std::ofstream(empty, std::ios::binary) << head << std::string("MTrk\0\0\0\4\0\xFF\x2F\0", 12);

    testing::internal::CaptureStderr();
    {
        auto player = makeSdlMusicPlayer();
        for (const std::string& file : {broken, empty}) {
            player->setFileName(file);
            player->play();
            EXPECT_EQ(Mix_PlayingMusic(), 0) << file;
        }
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(countWarnings(err), 2) << err;
    EXPECT_NE(err.find(broken), std::string::npos) << err;
    EXPECT_NE(err.find(empty + " (no notes)"), std::string::npos) << err;
}

TEST(SdlMusicPlayer, NoAudioDeviceIsReportedOnceAndPlayDoesNothing) {
    test::ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "no_such_audio_driver");
    testing::internal::CaptureStderr();
    {
        auto audio = makeSdlAudio();
        auto first = makeSdlMusicPlayer(audio);
        auto second = makeSdlMusicPlayer(audio);
        first->setFileName("/nowhere/1.mid");
        first->play();
        first->setVolume(-100);
        second->setFileName("/nowhere/2.mid");
        second->play();
        first->play();
        EXPECT_EQ(first->playCount(), 2);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(countWarnings(err), 1) << err;
    EXPECT_NE(err.find("audio"), std::string::npos) << err;
}

std::uintmax_t fileSize(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    return error ? 0 : size;
}

// The disk driver writes about as fast as a sound card would play; wait for it generously.
bool waitForBytes(const fs::path& file, std::uintmax_t bytes) {
    for (int waited = 0; waited < 30000; waited += 20) {
        if (fileSize(file) >= bytes) return true;
        SDL_Delay(20);
    }
    return false;
}

// Loudest sample of 16-bit audio in [from, to) bytes of the file.
int peak(const fs::path& file, std::uintmax_t from, std::uintmax_t to) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    to = std::min<std::uintmax_t>(to, bytes.size());
    int loudest = 0;
    for (std::uintmax_t at = from & ~std::uintmax_t{1}; at + 1 < to; at += 2) {
        std::int16_t sample;
        std::memcpy(&sample, bytes.data() + at, sizeof sample);
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

TEST(SdlMusicPlayer, TuneIsReallyHeardAndVolumeChangesApplyAtOnce) {
    test::TempFolder dir;
    const fs::path tune = writeTestTune(dir.path());
    ASSERT_FALSE(tune.empty()) << "abc2midi could not make the test tune";
    ASSERT_FALSE(firstExistingFile(soundFontCandidates()).empty()) << "no sound font installed";
    const fs::path raw = dir.path() / "heard.raw";

    test::ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "disk").set("SDL_DISKAUDIOFILE", raw.string());

    std::uintmax_t loudEnd = 0;
    std::uintmax_t silentFrom = 0;
    std::uintmax_t silentEnd = 0;
    testing::internal::CaptureStderr();
    {
        auto player = makeSdlMusicPlayer();
        player->setFileName(tune.string());
        player->setVolume(0);
        player->play();

        int rate = 0;
        Uint16 format = 0;
        int channels = 0;
        ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0) << "the mixer did not open";
        ASSERT_EQ(format, AUDIO_S16SYS);
        const std::uintmax_t bytesPerSecond = std::uintmax_t(rate) * channels * 2;

        loudEnd = bytesPerSecond * 3 / 2;
        ASSERT_TRUE(waitForBytes(raw, loudEnd));

        // Silence from here on. What was mixed ahead and the synthesiser's reverb tail fade
        // within a fraction of a second.
        const std::uintmax_t mark = fileSize(raw);
        player->setVolume(-10000);
        silentFrom = mark + bytesPerSecond * 3 / 4;
        silentEnd = mark + bytesPerSecond * 3 / 2;
        ASSERT_TRUE(waitForBytes(raw, silentEnd));
    }  // closing the audio flushes the file
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(countWarnings(err), 0) << err;

    const int loud = peak(raw, 0, loudEnd);
    EXPECT_GT(loud, 1000) << "the tune was silent";
    EXPECT_LT(peak(raw, silentFrom, silentEnd) * 100, loud)
        << "volume -10000 did not apply at once";
}

}  // namespace
}  // namespace kv
