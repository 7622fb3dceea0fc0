#include "platform/picture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"

namespace kv {
namespace {

// 4 x 2: transparent, black, a colour and a named colour; black must stay opaque.
const char* const kFigure[] = {
    "4 2 4 1", ". c None", "k c #000000", "b c #123456", "r c red", ".kbr", "rb.k",
};

TEST(PictureTest, SpritePairSeparatesFigureFromTransparency) {
    const SpritePair pair = spriteFromXpm(kFigure);
    ASSERT_EQ(pair.mask->width(), 4);
    ASSERT_EQ(pair.mask->height(), 2);
    ASSERT_EQ(pair.image->width(), 4);

    const Colour white = rgb(255, 255, 255), black = 0;
    const std::vector<Colour> mask{white, black, black, black, black, black, white, black};
    const std::vector<Colour> image{black,          black,          rgb(0x12, 0x34, 0x56),
                                    rgb(255, 0, 0), rgb(255, 0, 0), rgb(0x12, 0x34, 0x56),
                                    black,          black};
    EXPECT_EQ(pair.mask->pixels(), mask);
    EXPECT_EQ(pair.image->pixels(), image);
}

TEST(PictureTest, MaskedCopyShowsFigureOverBackground) {
    const SpritePair pair = spriteFromXpm(kFigure);
    const Colour sky = rgb(90, 140, 230);
    Surface screen(6, 4, sky);
    blit(screen, 1, 1, 4, 2, *pair.mask, 0, 0, Rop::And);
    blit(screen, 1, 1, 4, 2, *pair.image, 0, 0, Rop::Paint);

    EXPECT_EQ(screen.pixel(1, 1), sky);  // transparent
    EXPECT_EQ(screen.pixel(2, 1), 0);    // drawn black
    EXPECT_EQ(screen.pixel(3, 1), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(screen.pixel(4, 1), rgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(3, 2), sky);
    EXPECT_EQ(screen.pixel(0, 0), sky);  // outside the figure
}

TEST(PictureTest, OpaquePictureKeepsEveryPixel) {
    const char* const xpm[] = {"3 1 3 2", "aa c #FFFFFF", "bb c #0A0B0C", "cc c None", "aabbcc"};
    const Picture p = opaqueFromXpm(xpm);
    ASSERT_EQ(p->width(), 3);
    EXPECT_EQ(p->pixel(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(p->pixel(1, 0), rgb(10, 11, 12));
    EXPECT_EQ(p->pixel(2, 0), 0);
}

// More colours than a palette holds: the loader hands back a true-colour surface instead.
TEST(PictureTest, ManyColoursStayExact) {
    std::vector<std::string> lines{"300 1 301 2", ".. c None"};
    std::string row;
    auto code = [](int i) { return std::string{char('A' + i / 26), char('a' + i % 26)}; };
    char spec[32];
    for (int i = 0; i < 300; ++i) {
        std::snprintf(spec, sizeof spec, " c #%02X%02X%02X", i % 256, (i * 7) % 256, 255 - i % 256);
        lines.push_back(code(i) + spec);
        row += i == 150 ? ".." : code(i);
    }
    lines.push_back(row);
    std::vector<const char*> xpm;
    for (const auto& l : lines) xpm.push_back(l.c_str());

    const SpritePair pair = spriteFromXpm(xpm.data());
    for (int i = 0; i < 300; ++i) {
        if (i == 150) {
            EXPECT_EQ(pair.mask->pixel(i, 0), rgb(255, 255, 255));
            EXPECT_EQ(pair.image->pixel(i, 0), 0);
        } else {
            EXPECT_EQ(pair.image->pixel(i, 0), rgb(i % 256, (i * 7) % 256, 255 - i % 256)) << i;
            EXPECT_EQ(pair.mask->pixel(i, 0), 0);
        }
    }
}

TEST(PictureTest, BadDataThrowsNamedError) {
    const char* const badHeader[] = {"2 x 1 1", "a c #000000", "aa", nullptr};
    const char* const shortRow[] = {"3 1 1 1", "a c #000000", "aa", nullptr};
    const char* const undeclared[] = {"2 1 1 1", "a c #000000", "az", nullptr};
    const char* const missingRow[] = {"1 3 1 1", "a c #000000", "a", nullptr};
    const char* const badColour[] = {"1 1 1 1", "a c notacolour", "a", nullptr};
    const char* const noColour[] = {"1 1 1 1", "a", "a", nullptr};
    const char* const zeroSize[] = {"0 1 1 1", "a c #000000", "", nullptr};
    const char* const* cases[] = {badHeader, shortRow, undeclared, missingRow,
                                  badColour, noColour, zeroSize,   nullptr};
    for (const char* const* xpm : cases) {
        try {
            spriteFromXpm(xpm, "testfig");
            ADD_FAILURE() << "accepted " << (xpm ? xpm[0] : "null");
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("testfig"), std::string::npos) << e.what();
        }
        EXPECT_THROW(opaqueFromXpm(xpm), FileError);
    }
}

}  // namespace
}  // namespace kv
