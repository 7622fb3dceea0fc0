#pragma once
// Level files for tests: the build's real levels linked into a test's program folder (they are
// large, so they are linked rather than copied), small levels made on the spot, and a reader for
// single pixels of a bitmap file that shares no code with the game's own loader.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>

#include "base/bmp.h"
#include "base/surface.h"

namespace kv::test {

namespace fs = std::filesystem;

inline fs::path realGrafix() {
    return fs::path(KVORLIN_BUILD_DIR) / "grafix";
}

// Built by appending: GCC 12 warns falsely about a literal plus a temporary string.
inline std::string levelName(const char* prefix, int level, const char* suffix = "") {
    std::string name(prefix);
    name.append(std::to_string(level)).append(suffix);
    return name;
}
inline std::string backgroundName(int level) {
    return levelName("episode", level);
}
inline std::string maskName(int level) {
    return levelName("episode", level, "mask");
}
inline std::string titleName(int level) {
    return levelName("e", level);
}

// grafix/<as> in `folder` becomes a link to the build's grafix/<stored>.
inline void linkReal(const fs::path& folder, const std::string& stored, const std::string& as) {
    const fs::path target = realGrafix() / stored;
    if (!fs::exists(target)) throw std::runtime_error("the build has no " + target.string());
    fs::create_symlink(target, folder / "grafix" / as);
}

// The stored .lev files of a real level, as the game finds them before it copies them.
inline void linkRealLevel(const fs::path& folder, int level, bool withTitle) {
    for (const std::string& stem : {backgroundName(level), maskName(level)})
        linkReal(folder, stem + ".lev", stem + ".lev");
    if (withTitle) linkReal(folder, titleName(level) + ".lev", titleName(level) + ".lev");
}

// A small level of our own: background, mask with the two key pixels, title; stored as .lev.
inline void writeTinyLevel(const fs::path& folder, int level, const Surface& mask) {
    const fs::path grafix = folder / "grafix";
    saveBmp(Surface(mask.width(), mask.height(), rgb(90, 140, 220)),
            grafix / (backgroundName(level) + ".lev"));
    saveBmp(mask, grafix / (maskName(level) + ".lev"));
    saveBmp(Surface(155, 141, rgb(0, 0, 0)), grafix / (titleName(level) + ".lev"));
}

// The names in `folder` that end in `extension`.
inline std::set<std::string> filesEndingIn(const fs::path& folder, const std::string& extension) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.size() >= extension.size() &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            names.insert(name);
    }
    return names;
}

// Width, height and single pixels of an uncompressed 8-bit paletted, 24- or 32-bit bitmap file,
// read straight from its bytes. Colours as the game keeps them: red + 256 * green + 65536 * blue.
class BmpPixels {
  public:
    explicit BmpPixels(const fs::path& file) : in_(file, std::ios::binary) {
        if (!in_) throw std::runtime_error("cannot open " + file.string());
        if (u16(0) != 0x4D42) throw std::runtime_error(file.string() + " is not a bitmap");
        offset_ = u32(10);
        width_ = static_cast<std::int32_t>(u32(18));
        const auto height = static_cast<std::int32_t>(u32(22));
        topDown_ = height < 0;
        height_ = topDown_ ? -height : height;
        bits_ = u16(28);
        if ((bits_ != 8 && bits_ != 24 && bits_ != 32) || u32(30) != 0)
            throw std::runtime_error(file.string() + ": not an uncompressed 8/24/32-bit bitmap");
        palette_ = 14 + u32(14);
        stride_ = (width_ * bits_ + 31) / 32 * 4;
    }
    int width() const { return width_; }
    int height() const { return height_; }
    std::int64_t colour(int x, int y) {
        const int row = topDown_ ? y : height_ - 1 - y;
        std::int64_t at = offset_ + static_cast<std::int64_t>(row) * stride_ +
                          static_cast<std::int64_t>(x) * (bits_ / 8);
        if (bits_ == 8) {
            unsigned char index = 0;
            in_.seekg(at);
            in_.read(reinterpret_cast<char*>(&index), 1);
            at = palette_ + 4 * static_cast<std::int64_t>(index);
        }
        unsigned char bgr[3];
        in_.seekg(at);
        in_.read(reinterpret_cast<char*>(bgr), 3);
        return bgr[2] + 256 * bgr[1] + 65536 * bgr[0];
    }

  private:
    std::uint32_t u32(std::streamoff at) {
        unsigned char b[4] = {};
        in_.seekg(at);
        in_.read(reinterpret_cast<char*>(b), 4);
        return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }
    std::uint16_t u16(std::streamoff at) {
        unsigned char b[2] = {};
        in_.seekg(at);
        in_.read(reinterpret_cast<char*>(b), 2);
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }

    std::ifstream in_;
    std::uint32_t offset_ = 0, palette_ = 0;
    int width_ = 0, height_ = 0, bits_ = 0, stride_ = 0;
    bool topDown_ = false;
};

}  // namespace kv::test
