// The fixed pictures: each has its size and is really drawn, and the places where windows cover
// a picture or let part of it peek in are kept clear.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "art/boss_art.h"
#include "art/first_run_art.h"
#include "art/game_menu_art.h"
#include "art/intro_art.h"
#include "art/main_menu_art.h"
#include "art/score_art.h"
#include "shell/main_window.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Black = rgb(0, 0, 0);

std::set<std::int64_t> coloursIn(const Surface& s, int x0, int y0, int w, int h) {
    std::set<std::int64_t> seen;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) seen.insert(s.pixel(x, y));
    return seen;
}

TEST(FixedPictures, EachHasItsSizeAndIsDrawn) {
    const TextRenderer text;
    const struct {
        const char* name;
        std::function<Picture()> make;
        int w, h;
    } pictures[] = {
        {"hlpic", [&] { return menuTitleStrip(text); }, 640, 64},
        {"nhb", [&] { return menuItemLook(text, "Nová hra", false); }, 122, 29},
        {"napn", [&] { return menuItemLook(text, "Nápověda", true); }, 122, 29},
        {"curtain edge", [] { return curtainEdge(); }, 640, 54},
        {"cre", [&] { return menuFooter(text); }, 640, 21},
        {"napp", [&] { return helpPanel(text); }, 347, 80},
        {"creed", [&] { return creditsPanel(text); }, 347, 80},
        {"soundyes", [] { return soundOnIcon(); }, 20, 20},
        {"soundno", [] { return soundOffIcon(); }, 20, 20},
        {"menu", [] { return gameMenuPanel(); }, 200, 100},
        {"Picture6", [&] { return gameMenuTitle(text); }, 200, 29},
        {"Picture7", [&] { return gameMenuItem(text, GameMenuItem::Continue); }, 107, 19},
        {"Picture8", [&] { return gameMenuItem(text, GameMenuItem::Menu); }, 57, 14},
        {"Picture5", [&] { return gameMenuItem(text, GameMenuItem::Exit); }, 50, 19},
        {"back(0)", [] { return introBackdrop(0); }, 640, 200},
        {"back(1)", [] { return introBackdrop(1); }, 640, 200},
        {"checkpoint Picture2", [&] { return introCreditLine(text); }, 297, 34},
        {"Form2 Picture1", [&] { return firstRunLogo(text); }, 319, 65},
        {"Form2 Picture2", [&] { return firstRunGoButton(text); }, 73, 47},
        {"Form2 background", [] { return firstRunBackground(); }, 486, 169},
        {"score1 background", [&] { return scoreBackground(text); }, 640, 343},
        {"Image1", [&] { return scoreTitle(text); }, 224, 59},
        {"score1 Picture1", [&] { return nameEntryPanel(text); }, 425, 265},
        {"command1", [&] { return scoreOkButton(text); }, 71, 37},
        {"Command2", [&] { return firstRunVolumeButton(text, "Volume +"); }, 65, 17},
        {"Picture3", [] { return bossSpeechBox(); }, 377, 105},
        {"finaltext", [&] { return farewellBox(text); }, 377, 105},
        {"finallife", [] { return bossLifeBar(); }, 300, 25},
        {"Form1 Picture1", [] { return bossLifeFrame(); }, 300, 25},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        const Picture pic = p.make();
        ASSERT_TRUE(pic);
        EXPECT_EQ(pic->width(), p.w);
        EXPECT_EQ(pic->height(), p.h);
        // Even the plainest, the in-game menu's white panel, has a shaded frame; a blank box has
        // one colour.
        EXPECT_GE(coloursIn(*pic, 0, 0, pic->width(), pic->height()).size(), 4u);
    }

    // The banners are stencils: black and white only, the word inside the part the slot shows.
    for (int stage = 0; stage < 3; ++stage) {
        SCOPED_TRACE(stage);
        const Picture mask = introBannerMask(text, stage);
        ASSERT_EQ(mask->width(), 300);
        ASSERT_EQ(mask->height(), 38);
        EXPECT_EQ(coloursIn(*mask, 0, 0, 300, 38), (std::set<std::int64_t>{Black, White}));
        int inside = 0, outside = 0;
        for (int y = 0; y < 38; ++y)
            for (int x = 0; x < 300; ++x)
                if (mask->pixel(x, y) == White)
                    ++(x >= 11 && x < 289 && y >= 1 && y < 32 ? inside : outside);
        EXPECT_GT(inside, 800);
        EXPECT_EQ(outside, 0);
    }
    const Picture image = introBannerImage();
    EXPECT_EQ(coloursIn(*image, 0, 0, 300, 38), std::set<std::int64_t>{Black});
}

TEST(FixedPictures, KeepClearWhereTheyAreCoveredOrPeekIn) {
    const TextRenderer text;
    // The title strip starts 60 rows above the menu: its last 4 rows show from the first frame.
    EXPECT_EQ(coloursIn(*menuTitleStrip(text), 0, 60, 640, 4), std::set<std::int64_t>{White});
    // In the finished in-game menu MENU lies over CONTINUE's last two rows (from x = 27 in
    // CONTINUE) and EXIT over MENU's last row (from x = 3 in MENU).
    EXPECT_EQ(coloursIn(*gameMenuItem(text, GameMenuItem::Continue), 27, 17, 57, 2),
              std::set<std::int64_t>{White});
    EXPECT_EQ(coloursIn(*gameMenuItem(text, GameMenuItem::Menu), 3, 13, 50, 1),
              std::set<std::int64_t>{White});
}

// Once the title has slid down over the corner, a click there still reaches the loudspeaker, and
// the whole window is painted: no unpainted column beside the 638-wide menu.
TEST(FixedPictures, TheSoundSwitchStaysClickableAndTheMenuFillsTheWindow) {
    test::HeadlessGame game({.sysIni = test::PlainSettings});
    game.openMainWindow();
    ASSERT_EQ(game.script("frames 140"), 0);
    MainWindow& f = game.app.Form1;
    ASSERT_EQ(f.hlpic->top, 3);  // the opening animation is over
    game.app.windows.mouseDown(618, 18);
    EXPECT_TRUE(f.soundno->visible);
    EXPECT_NE(game.bytes("/sys.ini").find("Nastaveni8=False\r\n"), std::string::npos);
    game.app.windows.mouseDown(618, 18);
    EXPECT_FALSE(f.soundno->visible);
    EXPECT_NE(game.bytes("/sys.ini").find("Nastaveni8=True\r\n"), std::string::npos);

    const Surface frame = game.app.windows.snapshot();
    ASSERT_EQ(frame.width(), 640);
    for (int x : {0, 638, 639}) EXPECT_EQ(frame.pixel(x, 200), White) << x;
}

}  // namespace
}  // namespace kv
