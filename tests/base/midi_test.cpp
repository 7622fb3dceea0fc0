#include "base/midi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/files.h"

namespace kv {
namespace {

std::string be(std::uint32_t v, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 255);
    return out;
}

std::string header(int format, int tracks, int division = 96) {
    return "MThd" + be(6, 4) + be(format, 2) + be(tracks, 2) + be(division, 2);
}

std::string track(const std::string& events) {
    return "MTrk" + be(static_cast<std::uint32_t>(events.size()), 4) + events;
}

const std::string kEnd("\x00\xFF\x2F\x00", 4);
// One note a beat long, the second one in running status.
const std::string kNotes("\x00\x90\x3C\x40\x60\x3C\x00\x00\x3E\x40\x60\x80\x3E\x00", 14);

TEST(Midi, TheGamesTunesAndAPlainTunePass) {
    for (int n = 1; n <= 7; ++n) {
        const auto file =
            std::filesystem::path(KVORLIN_BUILD_DIR) / "music" / (std::to_string(n) + ".mus");
        const TuneCheck check = checkMidi(readFile(file));
        EXPECT_TRUE(check.playable()) << file << ": " << check.problem;
        EXPECT_GT(check.notes, 10) << file;
    }
    const TuneCheck plain = checkMidi(header(0, 1) + track(kNotes + kEnd));
    EXPECT_TRUE(plain.playable()) << plain.problem;
    EXPECT_EQ(plain.notes, 2);
    EXPECT_EQ(plain.lengthTicks, 0x60u * 2);
    // Chunks of unknown kinds between the tracks are skipped.
    EXPECT_TRUE(
        checkMidi(header(1, 1) + "XFIH" + be(3, 4) + "abc" + track(kNotes + kEnd)).playable());
}

TEST(Midi, BrokenOrEmptyTunesAreRefused) {
    const std::string good = header(0, 1) + track(kNotes + kEnd);
    const std::pair<std::string, std::string> bad[] = {
        {"", "nothing"},
        {"MThd", "a bare magic"},
        {header(0, 1), "no track"},
        {header(0, 1) + track(kEnd), "an empty tune"},
        {header(0, 1) + track(std::string("\x00\x90\x3C\x40\x00\x80\x3C\x00", 8) + kEnd),
         "a tune of no length"},
        {header(0, 1) + "MTrk" + be(1000, 4) + kNotes, "a track longer than the file"},
        {header(0, 1) + track(std::string("\x00\x3C\x40", 3) + kEnd), "data without a status"},
        {header(0, 1) + track(std::string("\x00\x90\xBC\x40", 4) + kEnd), "bad note data"},
        {header(0, 1) + track(std::string("\x00\xF1\x01", 3) + kEnd), "a system message"},
        {header(0, 1) + track(std::string("\xFF\xFF\xFF\xFF\x7F", 5)), "an endless time"},
        {header(0, 1) + track(std::string("\x00\xFF\x01\x7F", 4)), "a cut meta event"},
        {header(0, 2) + track(kNotes + kEnd) + track(kNotes + kEnd), "format 0, two tracks"},
        {header(3, 1) + track(kNotes + kEnd), "an unknown format"},
        {header(0, 1, 0) + track(kNotes + kEnd), "no time division"},
        {good.substr(0, good.size() - 6), "a cut file"},
    };
    for (const auto& [bytes, what] : bad) EXPECT_FALSE(checkMidi(bytes).playable()) << what;
}

}  // namespace
}  // namespace kv
