// The main menu's pictures and handlers, built with the main window.
#include "art/game_menu_art.h"
#include "art/main_menu_art.h"
#include "screens/game_menu.h"
#include "screens/main_menu.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Black = rgb(0, 0, 0);

}  // namespace

void MainWindow::buildMainMenu() {
    const TextRenderer& text = app_.text;
    // 640 wide rather than 638, so the loading screen under it shows no column beside it.
    hlmenu = &addPicture(client(), "hlmenu", 0, 0, 640, 345);
    hlmenu->backColour = White;
    hlmenu->onMouseMove = [this](int, int) { MenuHover(app_, nullptr); };

    // Kept as shared pictures: an item shows a look by holding the very same image.
    auto look = [&](const char* name, const char* words, bool highlighted) {
        PictureBox& b = addPicture(client(), name, 0, 0, 122, 29);
        b.visible = false;
        b.backColour = White;
        b.picture = menuItemLook(text, words, highlighted);
        return &b;
    };
    nhb = look("nhb", "Nová hra", false);
    napb = look("napb", "Nápověda", false);
    creb = look("creb", "Credits", false);
    konb = look("konb", "Konec", false);
    nhn = look("nhn", "Nová hra", true);
    napn = look("napn", "Nápověda", true);
    cren = look("cren", "Credits", true);
    konn = look("konn", "Konec", true);

    const struct {
        PictureBox** field;
        const char* name;
        int y;
        PictureBox* normal;
        void (*click)(App&);
    } items[] = {{&novahra, "novahra", 104, nhb, NovahraClick},
                 {&napoveda, "napoveda", 136, napb, NapovedaClick},
                 {&credits, "credits", 168, creb, CreditsClick},
                 {&konec, "konec", 200, konb, KonecClick}};
    for (const auto& item : items) {
        PictureBox& b = addPicture(*hlmenu, item.name, 240, item.y, 122, 29);
        b.picture = item.normal->picture;
        b.hasBack = false;
        auto click = item.click;
        b.onClick = [this, click] { click(app_); };
        PictureBox* self = &b;
        b.onMouseMove = [this, self](int, int) { MenuHover(app_, self); };
        *item.field = &b;
    }

    napp = &addPicture(*hlmenu, "napp", 152, 344, 347, 80);
    napp->picture = helpPanel(text);
    creed = &addPicture(*hlmenu, "creed", 136, 344, 347, 80);
    creed->picture = creditsPanel(text);

    cre = &addPicture(*hlmenu, "cre", 0, 350, 640, 21);
    cre->picture = menuFooter(text);
    hlpic = &addPicture(*hlmenu, "hlpic", 0, -60, 640, 64);
    hlpic->picture = menuTitleStrip(text);
    // The sound switch lies over the title strip, which would otherwise hide it once it is down.
    soundyes = &addPicture(*hlmenu, "soundyes", 608, 8, 20, 20);
    soundyes->picture = soundOnIcon();
    soundyes->onClick = [this] { SoundClick(app_, false); };
    soundno = &addPicture(*hlmenu, "soundno", 608, 8, 20, 20);
    soundno->picture = soundOffIcon();
    soundno->visible = false;
    soundno->onClick = [this] { SoundClick(app_, true); };

    // Black below its torn top edge.
    ttmmaa = &addPicture(*hlmenu, "ttmmaa", 0, -56, 644, 401);
    ttmmaa->backColour = Black;
    ttmmaa->picture = curtainEdge();
    backg = &addPicture(*hlmenu, "backg", 0, -370, 650, 360);
    backg->backColour = rgb(0, 128, 128);
}

void MainWindow::buildGameMenu() {
    const TextRenderer& text = app_.text;
    menu = &addPicture(*all, "menu", 216, 112, 200, 100);
    menu->backColour = White;
    menu->picture = gameMenuPanel();
    menu->visible = false;
    Picture6 = &addPicture(*menu, "Picture6", 0, -30, 200, 29);
    Picture6->picture = gameMenuTitle(text);
    for (bool lit : {false, true}) {
        continueLooks[lit] = gameMenuItem(text, GameMenuItem::Continue, lit);
        menuLooks[lit] = gameMenuItem(text, GameMenuItem::Menu, lit);
        exitLooks[lit] = gameMenuItem(text, GameMenuItem::Exit, lit);
    }
    Picture7 = &addPicture(*menu, "Picture7", 200, 40, 107, 19);
    Picture7->picture = continueLooks[0];
    Picture8 = &addPicture(*menu, "Picture8", -73, 57, 57, 14);
    Picture8->picture = menuLooks[0];
    Picture5 = &addPicture(*menu, "Picture5", 80, 100, 50, 19);
    Picture5->picture = exitLooks[0];
    Picture7->onClick = [this] { ResumeGame(app_); };
    Picture8->onClick = [this] { MenuItemClick(app_); };
    Picture5->onClick = [this] { ExitItemClick(app_); };
}

}  // namespace kv
