#include "base/midi.h"

#include <algorithm>
#include <optional>

namespace kv {
namespace {

// Reads a track's bytes front to back; every read checks that the bytes are there.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t left() const { return bytes_.size() - pos_; }
    std::optional<std::uint8_t> byte() {
        if (atEnd()) return std::nullopt;
        return static_cast<std::uint8_t>(bytes_[pos_++]);
    }
    // A variable-length number: at most four bytes of seven bits.
    std::optional<std::uint32_t> varlen() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = byte();
            if (!b) return std::nullopt;
            value = value << 7 | (*b & 0x7F);
            if (!(*b & 0x80)) return value;
        }
        return std::nullopt;
    }
    bool skip(std::uint32_t n) {
        if (n > left()) return false;
        pos_ += n;
        return true;
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::uint32_t be32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 8 |
           static_cast<std::uint8_t>(b[at + 3]);
}
std::uint16_t be16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) << 8 |
                                      static_cast<std::uint8_t>(b[at + 1]));
}

// Parses one track's events; returns a problem, or nothing with the track's length and notes.
std::string checkTrack(std::string_view bytes, std::uint64_t& length, int& notes) {
    Reader in(bytes);
    std::uint8_t running = 0;
    std::uint64_t time = 0;
    while (!in.atEnd()) {
        const auto delta = in.varlen();
        if (!delta) return "bad event time";
        time += *delta;
        auto first = in.byte();
        if (!first) return "event cut off";
        std::uint8_t status = *first;
        bool haveFirstData = false;
        if (status < 0x80) {
            if (running == 0) return "data without a status";
            haveFirstData = true;
            status = running;
        }
        if (status == 0xFF) {
            const auto type = in.byte();
            const auto size = in.varlen();
            if (!type || !size || !in.skip(*size)) return "meta event cut off";
            if (*type == 0x2F) {
                length = time;
                return {};  // the end of the track; anything after it is not played
            }
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            const auto size = in.varlen();
            if (!size || !in.skip(*size)) return "system exclusive event cut off";
            running = 0;
            continue;
        }
        if (status >= 0xF0) return "system message in a track";
        running = status;
        const int dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        std::uint8_t data[2] = {haveFirstData ? *first : std::uint8_t{0}, 0};
        for (int i = haveFirstData ? 1 : 0; i < dataBytes; ++i) {
            const auto b = in.byte();
            if (!b) return "event cut off";
            data[i] = *b;
        }
        if (data[0] >= 0x80 || data[1] >= 0x80) return "bad event data";
        if ((status & 0xF0) == 0x90 && data[1] > 0) ++notes;
    }
    // No end-of-track event, but every event whole: played to the last one.
    length = time;
    return {};
}

}  // namespace

TuneCheck checkMidi(std::string_view b) {
    TuneCheck result;
    auto fail = [&](std::string why) {
        result.problem = std::move(why);
        return result;
    };
    if (b.size() < 14 || b.substr(0, 4) != "MThd") return fail("not a MIDI file");
    const std::uint32_t headerSize = be32(b, 4);
    if (headerSize < 6 || headerSize > b.size() - 8) return fail("bad MIDI header");
    const int format = be16(b, 8);
    const int tracks = be16(b, 10);
    const std::uint16_t division = be16(b, 12);
    if (format > 2) return fail("unknown MIDI format " + std::to_string(format));
    if (tracks == 0 || (format == 0 && tracks != 1)) return fail("bad track count");
    if ((division & 0x7FFF) == 0 || ((division & 0x8000) && (division & 0xFF) == 0))
        return fail("no time division");

    std::size_t at = 8 + std::size_t{headerSize};
    int found = 0;
    while (found < tracks) {
        if (b.size() - at < 8) return fail("track " + std::to_string(found + 1) + " missing");
        const std::uint32_t size = be32(b, at + 4);
        if (size > b.size() - at - 8)
            return fail("track " + std::to_string(found + 1) + " cut off");
        const std::string_view body = b.substr(at + 8, size);
        // Chunks of other kinds are skipped, as the format asks.
        if (b.substr(at, 4) == "MTrk") {
            ++found;
            std::uint64_t length = 0;
            const std::string why = checkTrack(body, length, result.notes);
            if (!why.empty()) return fail("track " + std::to_string(found) + ": " + why);
            result.lengthTicks = std::max(result.lengthTicks, length);
        }
        at += 8 + std::size_t{size};
    }
    if (result.notes == 0) return fail("no notes");
    if (result.lengthTicks == 0) return fail("no length");
    return result;
}

}  // namespace kv
