// The menus from the keyboard (and so from a gamepad, whose buttons are these keys): Up and Down
// move the highlight the mouse gives, Enter or Space chooses it; play keys stay as they were.
// Losing the window's focus pauses play as Esc does.
#include <gtest/gtest.h>

#include <string>

#include "screens/game_menu.h"
#include "screens/menu_keys.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

struct MenuKeys : test::MainWindowTest {
    // The main menu item showing its highlighted look ("" for none).
    std::string lit() const {
        std::string found;
        for (auto [item, look, name] :
             {std::tuple{f.novahra, f.nhn, "novahra"}, std::tuple{f.napoveda, f.napn, "napoveda"},
              std::tuple{f.credits, f.cren, "credits"}, std::tuple{f.konec, f.konn, "konec"}})
            if (item->picture == look->picture) found += name;
        return found;
    }
    std::string litInGame() const {
        std::string found;
        if (f.Picture7->picture == f.continueLooks[1]) found += "CONTINUE";
        if (f.Picture8->picture == f.menuLooks[1]) found += "MENU";
        if (f.Picture5->picture == f.exitLooks[1]) found += "EXIT";
        return found;
    }
    void play() {
        s.inMainMenu = false;
        f.hlmenu->visible = false;
        s.onGround = true;
    }
};

TEST_F(MenuKeys, UpAndDownMoveTheMouseHighlightAndEnterChoosesIt) {
    // Nothing highlighted: Enter chooses nothing, and Space stays the jump key.
    s.onGround = true;
    press(keys::Enter);
    EXPECT_FALSE(s.helpOpen || s.creditsOpen || s.newGameStarting || s.quitting);
    press(keys::Space);
    EXPECT_TRUE(s.jumping);
    s.jumping = false;

    press(keys::Down);
    EXPECT_EQ(lit(), "novahra");
    press(keys::Down);
    EXPECT_EQ(lit(), "napoveda");
    press(keys::Up);
    press(keys::Up);
    EXPECT_EQ(lit(), "konec");  // round the top

    // The mouse and the keys move one highlight.
    app.windows.move(f, *f.credits);
    EXPECT_EQ(lit(), "credits");
    press(keys::Down);
    EXPECT_EQ(lit(), "konec");
    app.windows.move(f, *f.hlmenu);
    EXPECT_EQ(lit(), "");
    press(keys::Up);
    press(keys::Up);
    EXPECT_EQ(lit(), "credits");

    press(keys::Enter);
    EXPECT_TRUE(s.creditsOpen);
    press(keys::Up);
    press(keys::Space);  // the gamepad's south button chooses too, and does not jump then
    EXPECT_TRUE(s.helpOpen);
    EXPECT_FALSE(s.creditsOpen);
    EXPECT_FALSE(s.jumping);

    press(keys::Up);
    press(keys::Enter);
    EXPECT_TRUE(s.newGameStarting);
    // The items are gone while the curtain rises: the keys find nothing to move over.
    press(keys::Down);
    EXPECT_EQ(lit(), "novahra");
}

TEST(MenuKeyDown, PassesOverHiddenItemsAndCanLeaveSpaceToATextBox) {
    PictureBox a("a"), b("b"), c("c");
    for (PictureBox* item : {&a, &b, &c}) item->move(0, 0, 10, 10);
    int litOne = -1, chosen = -1;
    MenuItem items[3];
    PictureBox* boxes[] = {&a, &b, &c};
    for (int i = 0; i < 3; ++i)
        items[i] = {boxes[i], [&, i] { return litOne == i; }, [&, i] { litOne = i; },
                    [&, i] { chosen = i; }};
    b.visible = false;
    EXPECT_TRUE(MenuKeyDown(items, keys::Down));
    EXPECT_TRUE(MenuKeyDown(items, keys::Down));
    EXPECT_EQ(litOne, 2);  // b is hidden
    EXPECT_FALSE(MenuKeyDown(items, keys::Space, ChooseKeys::Enter));
    EXPECT_EQ(chosen, -1);
    EXPECT_TRUE(MenuKeyDown(items, keys::Enter, ChooseKeys::Enter));
    EXPECT_EQ(chosen, 2);
    EXPECT_FALSE(MenuKeyDown(items, keys::Left));
    a.visible = c.visible = false;
    EXPECT_FALSE(MenuKeyDown(items, keys::Down));
}

TEST_F(MenuKeys, EscInTheMainMenuArmsNoPause) {
    press(keys::Esc);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_FALSE(f.menu->visible);
    EXPECT_TRUE(f.Timer1->enabled());
    EXPECT_TRUE(f.Timer2->enabled());
}

TEST_F(MenuKeys, TheInGameMenuTakesTheKeysOnlyWhileItIsOpen) {
    play();
    press(keys::Down);
    press(keys::Enter);
    EXPECT_EQ(litInGame(), "");
    EXPECT_EQ(lit(), "");
    EXPECT_FALSE(s.gamePaused);
    EXPECT_FALSE(s.jumping);
    EXPECT_EQ(s.walkDirection, Dir::None);

    press(keys::Esc);
    ASSERT_TRUE(f.menu->visible);
    EXPECT_EQ(litInGame(), "");
    press(keys::Down);
    EXPECT_EQ(litInGame(), "CONTINUE");
    press(keys::Down);
    press(keys::Down);
    EXPECT_EQ(litInGame(), "EXIT");
    press(keys::Down);
    EXPECT_EQ(litInGame(), "CONTINUE");
    press(keys::Enter);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_FALSE(f.menu->visible);
    EXPECT_TRUE(f.Timer1->enabled());
    EXPECT_FALSE(s.jumping);

    // Every opening starts without a highlight.
    press(keys::Esc);
    EXPECT_EQ(litInGame(), "");
    press(keys::Up);
    EXPECT_EQ(litInGame(), "EXIT");
    press(keys::Up);
    EXPECT_EQ(litInGame(), "MENU");
    press(keys::Space);
    // MENU: the main window comes back afresh with its main menu.
    EXPECT_TRUE(f.isLoaded());
    EXPECT_TRUE(s.inMainMenu);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_TRUE(f.hlmenu->visible);
}

TEST_F(MenuKeys, LosingTheFocusPausesPlayAsEscDoesAndStaysPaused) {
    app.windows.focusLost();
    EXPECT_FALSE(s.gamePaused);  // the main menu waits anyway

    play();
    app.windows.focusLost();
    EXPECT_TRUE(s.gamePaused);
    EXPECT_TRUE(f.menu->visible);
    EXPECT_FALSE(f.Timer1->enabled());
    app.windows.focusLost();
    game.driver.wait(2000);
    EXPECT_TRUE(s.gamePaused);
    EXPECT_TRUE(f.menu->visible);

    press(keys::Esc);
    ASSERT_FALSE(s.gamePaused);
    // Falling dead, the keys are shut and so is the pause.
    f.keyPreview = false;
    app.windows.focusLost();
    EXPECT_FALSE(s.gamePaused);
}

}  // namespace
}  // namespace kv
