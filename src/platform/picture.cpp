#include "platform/picture.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/errors.h"

namespace kv {
namespace {

// One pixel of the drawing: its colour and whether it is drawn at all.
struct Pixel {
    Colour colour;
    bool opaque;
};

std::string label(std::string_view name) {
    return name.empty() ? std::string("XPM picture") : "XPM picture " + std::string(name);
}

[[noreturn]] void fail(std::string_view name, const std::string& why) {
    throw FileError(label(name) + ": " + why);
}

// Reads the leading whole numbers of the header line ("width height colours chars-per-pixel").
std::vector<long> headerNumbers(const char* line) {
    std::vector<long> out;
    const char* p = line;
    const char* end = line + std::strlen(line);
    while (p < end && out.size() < 4) {
        while (p < end && (*p == ' ' || *p == '\t')) ++p;
        long v = 0;
        auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc() || next == p) break;
        out.push_back(v);
        p = next;
    }
    return out;
}

// Check the shape of the data before handing it over:
// every line present and long enough, every pixel code declared.
void validate(const char* const* xpm, std::string_view name) {
    if (xpm == nullptr || xpm[0] == nullptr) fail(name, "no data");
    const std::vector<long> h = headerNumbers(xpm[0]);
    if (h.size() < 4) fail(name, "bad header \"" + std::string(xpm[0]) + "\"");
    const long width = h[0], height = h[1], colours = h[2], cpp = h[3];
    if (width < 1 || height < 1 || width > 16384 || height > 16384)
        fail(name, "bad size " + std::to_string(width) + " x " + std::to_string(height));
    if (colours < 1 || colours > 65536) fail(name, "bad colour count " + std::to_string(colours));
    if (cpp < 1 || cpp > 7) fail(name, "bad characters per pixel " + std::to_string(cpp));

    const auto n = static_cast<std::size_t>(cpp);
    std::unordered_set<std::string_view> codes;
    for (long i = 1; i <= colours; ++i) {
        const char* line = xpm[i];
        if (line == nullptr) fail(name, "colour line " + std::to_string(i) + " missing");
        if (std::strlen(line) <= n)
            fail(name, "colour line " + std::to_string(i) + " has no colour");
        codes.emplace(line, n);
    }
    const std::size_t rowLength = n * static_cast<std::size_t>(width);
    for (long y = 0; y < height; ++y) {
        const char* line = xpm[1 + colours + y];
        if (line == nullptr) fail(name, "pixel row " + std::to_string(y) + " missing");
        if (std::strlen(line) < rowLength)
            fail(name, "pixel row " + std::to_string(y) + " is too short");
        for (std::size_t x = 0; x < rowLength; x += n) {
            if (!codes.contains(std::string_view(line + x, n)))
                fail(name, "pixel row " + std::to_string(y) + " uses an undeclared colour");
        }
    }
}

// A colour of the drawing: "None", "#RGB", "#RRGGBB", "#RRRRGGGGBBBB" or a few common names.
bool parseColour(std::string_view spec, Pixel& out) {
    auto lower = [](std::string_view s) {
        std::string t(s);
        for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return t;
    };
    const std::string name = lower(spec);
    if (name == "none") {
        out = {0, false};
        return true;
    }
    static const struct {
        const char* name;
        Colour colour;
    } named[] = {{"black", rgb(0, 0, 0)},      {"white", rgb(255, 255, 255)},
                 {"red", rgb(255, 0, 0)},      {"green", rgb(0, 255, 0)},
                 {"blue", rgb(0, 0, 255)},     {"yellow", rgb(255, 255, 0)},
                 {"gray", rgb(190, 190, 190)}, {"grey", rgb(190, 190, 190)}};
    for (const auto& n : named)
        if (name == n.name) {
            out = {n.colour, true};
            return true;
        }
    if (name.size() < 2 || name[0] != '#') return false;
    const std::string_view hex(name.data() + 1, name.size() - 1);
    if (hex.size() % 3 != 0 || hex.size() > 12) return false;
    const std::size_t digits = hex.size() / 3;
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        unsigned v = 0;
        const char* first = hex.data() + i * digits;
        auto [end, ec] = std::from_chars(first, first + digits, v, 16);
        if (ec != std::errc() || end != first + digits) return false;
        // Keep the most significant byte of each channel; "#RGB" doubles its digits.
        channel[i] =
            digits == 1 ? static_cast<int>(v * 17) : static_cast<int>(v >> (4 * (digits - 2)));
    }
    out = {rgb(channel[0], channel[1], channel[2]), true};
    return true;
}

// The colour part of a colour line: the word after the "c" key ("ab c #102030").
std::string_view colourSpec(const char* line, std::size_t cpp) {
    std::string_view rest(line + cpp);
    std::size_t pos = 0;
    while (pos < rest.size()) {
        while (pos < rest.size() && std::isspace(static_cast<unsigned char>(rest[pos]))) ++pos;
        std::size_t end = pos;
        while (end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[end]))) ++end;
        const std::string_view key = rest.substr(pos, end - pos);
        std::size_t vpos = end;
        while (vpos < rest.size() && std::isspace(static_cast<unsigned char>(rest[vpos]))) ++vpos;
        std::size_t vend = vpos;
        while (vend < rest.size() && !std::isspace(static_cast<unsigned char>(rest[vend]))) ++vend;
        if (key == "c") return rest.substr(vpos, vend - vpos);
        pos = vend;
    }
    return {};
}

// Reads the drawing into plain pixels.
std::vector<Pixel> readPixels(const char* const* xpm, std::string_view name, int& w, int& h) {
    validate(xpm, name);
    const std::vector<long> header = headerNumbers(xpm[0]);
    w = static_cast<int>(header[0]);
    h = static_cast<int>(header[1]);
    const long colours = header[2];
    const auto cpp = static_cast<std::size_t>(header[3]);

    std::unordered_map<std::string_view, Pixel> palette;
    for (long i = 1; i <= colours; ++i) {
        Pixel p{};
        const std::string_view spec = colourSpec(xpm[i], cpp);
        if (!parseColour(spec, p))
            fail(name, "colour line " + std::to_string(i) + " has an unknown colour \"" +
                           std::string(spec) + "\"");
        palette[std::string_view(xpm[i], cpp)] = p;
    }
    std::vector<Pixel> out;
    out.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const char* row = xpm[1 + colours + y];
        for (int x = 0; x < w; ++x)
            out.push_back(
                palette.at(std::string_view(row + static_cast<std::size_t>(x) * cpp, cpp)));
    }
    return out;
}

}  // namespace

SpritePair spriteFromXpm(const char* const* xpm, std::string_view name) {
    int w = 0, h = 0;
    const std::vector<Pixel> pixels = readPixels(xpm, name, w, h);
    Surface mask(w, h), image(w, h);
    std::size_t i = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x, ++i) {
            const Pixel& p = pixels[i];
            mask.row(y)[x] = p.opaque ? rgb(0, 0, 0) : rgb(255, 255, 255);
            image.row(y)[x] = p.opaque ? p.colour : rgb(0, 0, 0);
        }
    }
    return {std::make_shared<const Surface>(std::move(mask)),
            std::make_shared<const Surface>(std::move(image))};
}

Picture opaqueFromXpm(const char* const* xpm, std::string_view name) {
    int w = 0, h = 0;
    const std::vector<Pixel> pixels = readPixels(xpm, name, w, h);
    Surface out(w, h);
    std::size_t i = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x, ++i) out.row(y)[x] = pixels[i].opaque ? pixels[i].colour : 0;
    }
    return std::make_shared<const Surface>(std::move(out));
}

}  // namespace kv
