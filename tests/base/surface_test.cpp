#include "base/surface.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

// A source whose every pixel tells where it came from: red = x + 1, green = y + 1.
Surface numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, rgb(x + 1, y + 1, 0));
    return s;
}

constexpr Colour Sentinel = rgb(0, 0, 200);

TEST(Surface, PixelOutsideReadsMinusOneAndWritesOutsideAreIgnored) {
    Surface s(3, 2, rgb(1, 2, 3));
    EXPECT_EQ(s.pixel(0, 0), rgb(1, 2, 3));
    EXPECT_EQ(s.pixel(2, 1), rgb(1, 2, 3));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {-5, -5}, {100, 100}})
        EXPECT_EQ(s.pixel(x, y), -1) << x << "," << y;
    // White is a colour, not "outside".
    s.setPixel(1, 1, rgb(255, 255, 255));
    EXPECT_EQ(s.pixel(1, 1), 0xFFFFFF);
    const Surface before = s;
    s.setPixel(-1, 0, 0);
    s.setPixel(3, 1, 0);
    s.fillRect(-10, -10, 5, 5, 0);
    // Wholly right of or below the picture: nothing drawn (and nothing written past a row).
    s.fillRect(5, 0, 4, 2, 0);
    s.fillRect(0, 7, 4, 2, 0);
    EXPECT_EQ(s, before);
    EXPECT_EQ(Surface(0, 5).pixel(0, 0), -1);
}

TEST(Blit, CopyAndPaintCombineBitwise) {
    Surface dst(2, 1);
    dst.setPixel(0, 0, 0x00F0F0);
    dst.setPixel(1, 0, 0x123456);
    Surface src(2, 1);
    src.setPixel(0, 0, 0x0FFF00);
    src.setPixel(1, 0, 0x0000FF);

    Surface a = dst;
    blit(a, 0, 0, 2, 1, src, 0, 0, Rop::And);
    EXPECT_EQ(a.pixel(0, 0), 0x00F000);
    EXPECT_EQ(a.pixel(1, 0), 0x000056);

    Surface p = dst;
    blit(p, 0, 0, 2, 1, src, 0, 0, Rop::Paint);
    EXPECT_EQ(p.pixel(0, 0), 0x0FFFF0);
    EXPECT_EQ(p.pixel(1, 0), 0x1234FF);

    Surface c = dst;
    blit(c, 0, 0, 2, 1, src, 0, 0, Rop::Copy);
    EXPECT_EQ(c, src);
}

TEST(Blit, MaskedFigureKeepsBackgroundAroundIt) {
    const Colour white = rgb(255, 255, 255), sky = rgb(90, 140, 230), red = rgb(200, 0, 0);
    Surface mask(2, 1, white), image(2, 1, 0);
    mask.setPixel(1, 0, 0);
    image.setPixel(1, 0, red);
    Surface screen(3, 1, sky);
    blit(screen, 1, 0, 2, 1, mask, 0, 0, Rop::And);
    blit(screen, 1, 0, 2, 1, image, 0, 0, Rop::Paint);
    EXPECT_EQ(screen.pixel(0, 0), sky);
    EXPECT_EQ(screen.pixel(1, 0), sky);
    EXPECT_EQ(screen.pixel(2, 0), red);
}

TEST(Blit, NegativeDestinationClipsAndShiftsTheSource) {
    const Surface src = numbered(4, 4);
    Surface dst(4, 4, Sentinel);
    blit(dst, -1, -2, 4, 4, src, 0, 0, Rop::Copy);
    // dst (0,0) shows src (1,2); nothing wraps round to the other side.
    EXPECT_EQ(dst.pixel(0, 0), rgb(2, 3, 0));
    EXPECT_EQ(dst.pixel(2, 1), rgb(4, 4, 0));
    EXPECT_EQ(dst.pixel(3, 0), Sentinel);
    EXPECT_EQ(dst.pixel(0, 2), Sentinel);
}

TEST(Blit, NegativeSourceClipsAndShiftsTheDestination) {
    const Surface src = numbered(3, 3);
    Surface dst(5, 5, Sentinel);
    blit(dst, 1, 1, 3, 3, src, -1, -1, Rop::Copy);
    // Only the part of the box that lies on the source is copied: rows and columns 2..3.
    EXPECT_EQ(dst.pixel(1, 1), Sentinel);
    EXPECT_EQ(dst.pixel(1, 2), Sentinel);
    EXPECT_EQ(dst.pixel(2, 2), rgb(1, 1, 0));
    EXPECT_EQ(dst.pixel(3, 3), rgb(2, 2, 0));
    EXPECT_EQ(dst.pixel(4, 4), Sentinel);
}

TEST(Blit, BoxLargerThanSourceAddsOnlyTheSourcePixels) {
    const Surface src = numbered(2, 2);
    Surface dst(6, 6, Sentinel);
    blit(dst, 1, 1, 5, 5, src, 0, 0, Rop::Copy);
    int copied = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if (dst.pixel(x, y) != Sentinel) ++copied;
    EXPECT_EQ(copied, 4);
    EXPECT_EQ(dst.pixel(2, 2), rgb(2, 2, 0));

    // Same for an offset into the source near its edge.
    Surface d2(6, 6, Sentinel);
    blit(d2, 0, 0, 6, 6, numbered(4, 4), 3, 2, Rop::Paint);
    EXPECT_EQ(d2.pixel(0, 0), Sentinel | rgb(4, 3, 0));
    EXPECT_EQ(d2.pixel(0, 1), Sentinel | rgb(4, 4, 0));
    EXPECT_EQ(d2.pixel(1, 0), Sentinel);
    EXPECT_EQ(d2.pixel(0, 2), Sentinel);
}

TEST(Blit, BoxRunningOffTheDestinationIsCut) {
    Surface dst(3, 3, Sentinel);
    const Surface src = numbered(5, 5);
    blit(dst, 2, 2, 5, 5, src, 0, 0, Rop::Copy);
    EXPECT_EQ(dst.pixel(2, 2), rgb(1, 1, 0));
    EXPECT_EQ(dst.pixel(1, 1), Sentinel);
    // Entirely outside: nothing happens.
    const Surface before = dst;
    blit(dst, 3, 0, 2, 2, src, 0, 0, Rop::Copy);
    blit(dst, -2, 0, 2, 2, src, 0, 0, Rop::Copy);
    blit(dst, 0, 0, 2, 2, src, 5, 0, Rop::Copy);
    blit(dst, 0, 0, 0, 2, src, 0, 0, Rop::Copy);
    blit(dst, 0, 0, -3, 2, src, 0, 0, Rop::Copy);
    EXPECT_EQ(dst, before);
}

}  // namespace
}  // namespace kv
