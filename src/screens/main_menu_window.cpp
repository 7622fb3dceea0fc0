// The main menu's pictures and handlers, built with the main window.
#include <algorithm>
#include <memory>

#include "render/fixed_pictures.h"
#include "screens/game_menu.h"
#include "screens/main_menu.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Black = rgb(0, 0, 0);
constexpr Colour LightBlue = rgb(90, 160, 235);
constexpr Colour DarkBlue = rgb(20, 50, 150);

const char* const HelpText =
    "Hra má 6 epizod po 2 levelech, celkem tedy 12 levelů. Hlavní protivník čeká ve 12. levelu; "
    "když ho porazíš, hra končí. Hraje se šipkami a mezerníkem, v posledním levelu se střílí "
    "klávesou Ctrl. Víc nepotřebuješ, jen pevné nervy a rychlé reakce.";
const char* const CreditsText =
    "Kvorlin: program, obrázky, levely i hudba vznikly pro tuto hru. Díky všem, kdo ji hrají "
    "a hledají v ní skryté cesty.";

// The curtain's top edge: ragged black teeth over the menu's white.
void drawCurtain(PictureBox& curtain) {
    Surface& img = curtain.image();
    img.fill(Black);
    for (int x = 0; x < img.width(); ++x) {
        const int tooth = (x * 7 % 23) + (x / 9 % 5) * 4 + (x % 40 < 20 ? x % 20 : 20 - x % 20);
        img.fillRect(x, 0, 1, std::min(54, 8 + tooth), White);
    }
}

}  // namespace

void MainWindow::buildMainMenu() {
    const TextRenderer& text = app_.text;
    hlmenu = &addPicture(client(), "hlmenu", 0, 0, 638, 345);
    hlmenu->backColour = White;
    hlmenu->onMouseMove = [this](int, int) { MenuHover(app_, nullptr); };

    auto look = [&](const char* name, const char* words, Colour colour) {
        PictureBox& b = addPicture(client(), name, 0, 0, 122, 29);
        b.visible = false;
        b.backColour = White;
        drawWords(text, b, words, colour, 15, true);
        // Kept as a shared picture: an item shows a look by holding the very same image.
        b.picture = std::make_shared<const Surface>(b.image());
        b.releaseImage();
        return &b;
    };
    nhb = look("nhb", "Nová hra", LightBlue);
    napb = look("napb", "Nápověda", LightBlue);
    creb = look("creb", "Credits", LightBlue);
    konb = look("konb", "Konec", LightBlue);
    nhn = look("nhn", "Nová hra", DarkBlue);
    napn = look("napn", "Nápověda", DarkBlue);
    cren = look("cren", "Credits", DarkBlue);
    konn = look("konn", "Konec", DarkBlue);

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

    soundyes = &addPicture(*hlmenu, "soundyes", 608, 8, 20, 20);
    drawWords(text, *soundyes, "♪", Black, 14, true);
    soundyes->onClick = [this] { SoundClick(app_, false); };
    soundno = &addPicture(*hlmenu, "soundno", 608, 8, 20, 20);
    drawWords(text, *soundno, "♪", Black, 14, true);
    for (int i = 2; i < 18; ++i) {
        soundno->image().fillRect(i, i, 2, 2, rgb(220, 0, 0));
        soundno->image().fillRect(19 - i, i, 2, 2, rgb(220, 0, 0));
    }
    soundno->visible = false;
    soundno->onClick = [this] { SoundClick(app_, true); };

    napp = &addPicture(*hlmenu, "napp", 152, 344, 347, 80);
    napp->backColour = rgb(235, 242, 255);
    drawParagraph(text, *napp, HelpText, DarkBlue, 10);
    creed = &addPicture(*hlmenu, "creed", 136, 344, 347, 80);
    creed->backColour = rgb(255, 246, 230);
    drawParagraph(text, *creed, CreditsText, rgb(120, 60, 0), 10);

    cre = &addPicture(*hlmenu, "cre", 0, 350, 640, 21);
    cre->backColour = rgb(20, 40, 90);
    drawWords(text, *cre, "Kvorlin  ·  hra od týmu Kvorlin", White, 10, false);
    hlpic = &addPicture(*hlmenu, "hlpic", 0, -60, 640, 64);
    hlpic->backColour = White;
    drawWords(text, *hlpic, "KVORLIN\nHlavní menu", DarkBlue, 18, true);
    ttmmaa = &addPicture(*hlmenu, "ttmmaa", 0, -56, 644, 401);
    drawCurtain(*ttmmaa);
    backg = &addPicture(*hlmenu, "backg", 0, -370, 650, 360);
    backg->backColour = rgb(0, 128, 128);
}

void MainWindow::buildGameMenu() {
    const TextRenderer& text = app_.text;
    const Colour red = rgb(200, 0, 0);
    menu = &addPicture(*all, "menu", 216, 112, 200, 100);
    menu->backColour = White;
    menu->visible = false;
    Picture6 = &addPicture(*menu, "Picture6", 0, -30, 200, 29);
    Picture6->backColour = White;
    Picture6->clear();
    {
        TextStyle title;
        title.bold = true;
        title.fore = rgb(0, 0, 200);
        title.align = TextStyle::Align::Center;
        text.draw(Picture6->image(), 0, 0, 200, 15, "IN GAME - MENU", false, title);
        title.fore = Black;
        title.bold = false;
        text.draw(Picture6->image(), 0, 14, 200, 15, "PAUSE", false, title);
    }
    Picture7 = &addPicture(*menu, "Picture7", 200, 40, 107, 19);
    Picture8 = &addPicture(*menu, "Picture8", -73, 57, 57, 14);
    Picture5 = &addPicture(*menu, "Picture5", 80, 100, 50, 19);
    drawWords(text, *Picture7, "CONTINUE", red, 11, true);
    drawWords(text, *Picture8, "MENU", red, 9, true);
    drawWords(text, *Picture5, "EXIT", red, 11, true);
    Picture7->onClick = [this] { ResumeGame(app_); };
    Picture8->onClick = [this] { MenuItemClick(app_); };
    Picture5->onClick = [this] { ExitItemClick(app_); };
}

}  // namespace kv
