#include "base/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/errors.h"
#include "base/files.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

// Every pixel a different colour, all three channels in play.
Surface colourful(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, rgb(x * 37 + 1, y * 53 + 2, (x ^ y) * 29 + 3));
    return s;
}

void put32(std::string& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 255);
}
void put16(std::string& b, std::uint16_t v) {
    b += static_cast<char>(v & 255);
    b += static_cast<char>(v >> 8);
}

// A bitmap file written the way other programs write them: 24 or 32 bits, bottom-up or
// top-down (negative height).
std::string handMade(const Surface& s, int bpp, bool topDown) {
    const std::size_t stride = (static_cast<std::size_t>(s.width()) * bpp / 8 + 3) / 4 * 4;
    std::string b = "BM";
    put32(b, static_cast<std::uint32_t>(54 + stride * s.height()));
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(s.width()));
    put32(b, static_cast<std::uint32_t>(topDown ? -s.height() : s.height()));
    put16(b, 1);
    put16(b, static_cast<std::uint16_t>(bpp));
    for (int i = 0; i < 6; ++i) put32(b, 0);
    for (int row = 0; row < s.height(); ++row) {
        const int y = topDown ? row : s.height() - 1 - row;
        std::string line;
        for (int x = 0; x < s.width(); ++x) {
            const auto c = static_cast<Colour>(s.pixel(x, y));
            line += static_cast<char>(blueOf(c));
            line += static_cast<char>(greenOf(c));
            line += static_cast<char>(redOf(c));
            if (bpp == 32) line += '\x7f';  // alpha is not part of the colour
        }
        line.append(stride - line.size(), '\xee');  // padding need not be zero
        b += line;
    }
    return b;
}

TEST(Bmp, RoundTripKeepsEveryColourAtEveryWidth) {
    test::TempFolder folder;
    for (int w : {1, 2, 3, 4, 5, 7}) {
        const Surface picture = colourful(w, 3);
        std::string name = "p";  // built step by step: GCC 12 warns falsely on a + b + c
        name += std::to_string(w);
        name += ".bmp";
        const auto file = folder.path() / name;
        saveBmp(picture, file);
        const std::string bytes = readFile(file);
        // 24 bits, rows padded to four bytes.
        EXPECT_EQ(bytes[28], 24);
        EXPECT_EQ(bytes.size(), 54 + (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4 * 3) << w;
        EXPECT_EQ(loadBmp(file), picture) << "width " << w;
    }
    // The exact key colours the collision masks rely on.
    Surface keys(2, 2, rgb(255, 255, 255));
    keys.setPixel(0, 0, rgb(0, 128, 0));
    keys.setPixel(1, 1, rgb(255, 0, 1));
    EXPECT_EQ(decodeBmp(encodeBmp(keys), "keys"), keys);
}

TEST(Bmp, PalettedKeepsColoursExactAndFallsBackPastTwoHundredFiftySixColours) {
    for (int w : {1, 3, 6}) {
        Surface few(w, 5, rgb(255, 255, 255));
        few.setPixel(0, 0, rgb(10, 200, 30));
        few.setPixel(w - 1, 4, rgb(200, 0, 1));
        const std::string bytes = encodeBmpPaletted(few);
        EXPECT_EQ(bytes[28], 8) << w;
        EXPECT_EQ(decodeBmp(bytes, "few"), few) << w;
    }
    Surface many(300, 1);
    for (int x = 0; x < 300; ++x) many.setPixel(x, 0, rgb(x % 256, x / 256, 7));
    const std::string bytes = encodeBmpPaletted(many);
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(decodeBmp(bytes, "many"), many);
}

TEST(Bmp, ReadsOtherLayouts) {
    const Surface picture = colourful(3, 4);
    EXPECT_EQ(decodeBmp(handMade(picture, 24, false), "a"), picture);
    EXPECT_EQ(decodeBmp(handMade(picture, 32, false), "b"), picture);
    EXPECT_EQ(decodeBmp(handMade(picture, 24, true), "c"), picture);
    EXPECT_EQ(decodeBmp(handMade(picture, 32, true), "d"), picture);
}

// A 32-bit picture with colour masks after a plain info header: red, green and blue at the
// given bit positions (8 bits each).
std::string withMasks(const Surface& s, int redShift, int greenShift, int blueShift) {
    std::string b = "BM";
    const std::uint32_t offset = 54 + 12;
    put32(b, offset + static_cast<std::uint32_t>(4 * s.width() * s.height()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(s.width()));
    put32(b, static_cast<std::uint32_t>(s.height()));
    put16(b, 1);
    put16(b, 32);
    put32(b, 3);  // colour masks
    for (int i = 0; i < 5; ++i) put32(b, 0);
    put32(b, 0xFFu << redShift);
    put32(b, 0xFFu << greenShift);
    put32(b, 0xFFu << blueShift);
    for (int y = s.height() - 1; y >= 0; --y)
        for (int x = 0; x < s.width(); ++x) {
            const auto c = static_cast<Colour>(s.pixel(x, y));
            put32(b, static_cast<std::uint32_t>(redOf(c)) << redShift |
                         static_cast<std::uint32_t>(greenOf(c)) << greenShift |
                         static_cast<std::uint32_t>(blueOf(c)) << blueShift);
        }
    return b;
}

TEST(Bmp, ColourMasksAreReadOrRefusedNeverSwapped) {
    const Surface picture = colourful(3, 2);
    EXPECT_EQ(decodeBmp(withMasks(picture, 16, 8, 0), "usual"), picture);
    EXPECT_EQ(decodeBmp(withMasks(picture, 0, 8, 16), "red low"), picture);
    EXPECT_EQ(decodeBmp(withMasks(picture, 24, 16, 8), "alpha low"), picture);
    std::string gap = withMasks(picture, 16, 8, 0);
    gap[54] = '\x0F';  // red 0x00FF000F: bits apart are no channel
    gap[55] = '\0';
    EXPECT_THROW(decodeBmp(gap, "gap"), FileError);
    std::string noMask = withMasks(picture, 16, 8, 0);
    for (int i = 62; i < 66; ++i) noMask[i] = 0;
    EXPECT_THROW(decodeBmp(noMask, "no blue"), FileError);
}

TEST(Bmp, BadFilesThrowFileErrorNamingTheFile) {
    test::TempFolder folder;
    const std::string good = encodeBmp(colourful(5, 5));
    auto expectRejected = [&](const std::string& bytes, const std::string& what) {
        const auto file = folder.path() / "broken.lev";
        writeFileAtomic(file, bytes);
        try {
            loadBmp(file);
            ADD_FAILURE() << what << " was read";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
        }
    };
    expectRejected(good.substr(0, good.size() - 1), "a truncated picture");
    expectRejected(good.substr(0, 60), "a picture cut after its header");
    expectRejected(good.substr(0, 20), "a cut header");
    expectRejected("", "an empty file");
    expectRejected("not a picture at all, just some text that is long enough to be a header..",
                   "text");
    std::string wrongDepth = good;
    wrongDepth[28] = 16;
    expectRejected(wrongDepth, "a 16-bit picture");
    std::string compressed = good;
    compressed[30] = 1;
    expectRejected(compressed, "a compressed picture");
    std::string zeroWidth = good;
    for (int i = 18; i < 22; ++i) zeroWidth[i] = 0;
    expectRejected(zeroWidth, "a picture without width");
    std::string hugeOffset = good;
    hugeOffset[13] = '\x7f';
    expectRejected(hugeOffset, "a picture whose pixels lie past its end");
    std::string hugeHeader = good;
    hugeHeader[17] = '\xff';  // 14 + header size wraps in 32 bits
    expectRejected(hugeHeader, "a header longer than the file");

    const auto missing = folder.path() / "missing.lev";
    try {
        loadBmp(missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace kv
