// The game's own tunes through the real music player: every one loads, and tune 1 is heard.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "platform/sdl/sdl_music.h"
#include "support/app_fixture.h"
#include "support/scoped_env.h"

namespace kv {
namespace {
namespace fs = std::filesystem;

fs::path storedTune(int n) {
    return fs::path(KVORLIN_BUILD_DIR) / "music" / (std::to_string(n) + ".mus");
}

std::uintmax_t fileSize(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    return error ? 0 : size;
}

TEST(GameTunes, EveryStoredTuneIsAMidiFileThePlayerTakes) {
    test::TempFolder dir;
    for (int n = 1; n <= 7; ++n) {
        ASSERT_TRUE(fs::exists(storedTune(n))) << storedTune(n);
        EXPECT_EQ(readFile(storedTune(n)).substr(0, 4), "MThd") << storedTune(n);
        copyFile(storedTune(n), dir.path() / (std::to_string(n) + ".mid"));
    }
    test::ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "dummy");
    testing::internal::CaptureStderr();
    {
        auto player = makeSdlMusicPlayer();
        for (int n = 1; n <= 7; ++n) {
            player->setFileName((dir.path() / (std::to_string(n) + ".mid")).string());
            player->play();
        }
        EXPECT_EQ(player->playCount(), 7);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.find("music: "), std::string::npos) << err;
}

TEST(GameTunes, TuneOneIsReallyHeard) {
    ASSERT_FALSE(firstExistingFile(soundFontCandidates()).empty()) << "no sound font installed";
    test::TempFolder dir;
    const fs::path tune = dir.path() / "1.mid";
    copyFile(storedTune(1), tune);
    const fs::path raw = dir.path() / "heard.raw";

    std::uintmax_t wanted = 0;
    {
        test::ScopedEnv env;
        env.set("SDL_AUDIODRIVER", "disk");
        env.set("SDL_DISKAUDIOFILE", raw.string());
        testing::internal::CaptureStderr();
        {
            auto player = makeSdlMusicPlayer();
            player->setFileName(tune.string());
            player->setVolume(0);
            player->play();
            int rate = 0, channels = 0;
            Uint16 format = 0;
            if (Mix_QuerySpec(&rate, &format, &channels) != 0 && format == AUDIO_S16SYS) {
                // About a second and a half of sound; the disk output writes at playing speed.
                wanted = static_cast<std::uintmax_t>(rate) * channels * 2 * 3 / 2;
                for (int waited = 0; waited < 30000 && fileSize(raw) < wanted; waited += 20)
                    SDL_Delay(20);
            }
        }  // closing the audio flushes the file
        const std::string err = testing::internal::GetCapturedStderr();
        ASSERT_NE(wanted, 0u) << "the mixer did not open with 16-bit samples\n" << err;
        EXPECT_EQ(err.find("music: "), std::string::npos) << err;
    }
    ASSERT_GE(fileSize(raw), wanted) << "the audio output stalled";

    const std::string bytes = readFile(raw);
    int loudest = 0;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        std::int16_t sample;
        std::memcpy(&sample, bytes.data() + at, sizeof sample);
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(loudest, 1000) << "tune 1 was silent";
}

}  // namespace
}  // namespace kv
