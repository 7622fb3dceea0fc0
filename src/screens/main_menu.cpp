#include "screens/main_menu.h"

#include "levels/level_files.h"
#include "levels/setup_level.h"
#include "persist/settings_holder.h"
#include "screens/menu_keys.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void NovahraClick(App& app) {
    MainWindow& f = app.windows.loaded(app.Form1);
    for (PictureBox* item : {f.novahra, f.credits, f.napoveda, f.konec}) item->visible = false;
    app.state.creditsOpen = false;
    app.state.newGameStarting = true;
    app.state.helpOpen = false;
}

void NapovedaClick(App& app) {
    app.state.helpOpen = true;
    app.state.creditsOpen = false;
}

void CreditsClick(App& app) {
    app.state.creditsOpen = true;
    app.state.helpOpen = false;
}

void KonecClick(App& app) {
    MainWindow& f = app.windows.loaded(app.Form1);
    app.state.creditsOpen = false;
    app.state.helpOpen = false;
    f.soundyes->visible = false;
    f.soundno->visible = false;
    app.state.quitting = true;
}

void SoundClick(App& app, bool turnOn) {
    MainWindow& f = app.windows.loaded(app.Form1);
    f.soundno->visible = !turnOn;
    app.state.musicOn = turnOn;
    app.ini.Text[9] = turnOn ? "True" : "False";
    app.ini.SaveSettings();
}

void MenuHover(App& app, PictureBox* item) {
    MainWindow& f = app.windows.loaded(app.Form1);
    const struct {
        PictureBox* item;
        PictureBox* normal;
        PictureBox* lit;
    } looks[] = {{f.novahra, f.nhb, f.nhn},
                 {f.napoveda, f.napb, f.napn},
                 {f.credits, f.creb, f.cren},
                 {f.konec, f.konb, f.konn}};
    for (const auto& l : looks) l.item->picture = (l.item == item ? l.lit : l.normal)->picture;
}

bool MainMenuKey(App& app, int key) {
    if (!app.state.inMainMenu) return false;
    MainWindow& f = app.windows.loaded(app.Form1);
    const struct {
        PictureBox* item;
        const PictureBox* lit;
        void (*click)(App&);
    } rows[] = {{f.novahra, f.nhn, NovahraClick},
                {f.napoveda, f.napn, NapovedaClick},
                {f.credits, f.cren, CreditsClick},
                {f.konec, f.konn, KonecClick}};
    MenuItem items[std::size(rows)];
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        items[i] = {r.item, [r] { return r.item->picture == r.lit->picture; },
                    [&app, r] { MenuHover(app, r.item); }, [&app, r] { r.click(app); }};
    }
    return MenuKeyDown(items, key);
}

void MenuTick(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);

    if (s.helpOpen) {
        if (f.napp->top >= 260) f.napp->top -= 5;
    } else if (f.napp->top <= 350) {
        f.napp->top += 5;
    }
    if (s.creditsOpen) {
        if (f.creed->top >= 270) f.creed->top -= 5;
    } else if (f.creed->top <= 350) {
        f.creed->top += 5;
    }

    if (s.quitting) {
        f.backg->top += 10;
        if (f.backg->top > -11) {
            app.cleanExit();
            return;
        }
    }

    if (s.newGameStarting) {
        if (f.ttmmaa->top >= -50) {
            f.ttmmaa->top -= 10;
        } else {
            CopyLevelPictures(app, s.levelNumber, false);
            f.Timer3->setEnabled(true);
            s.inMainMenu = false;
            f.hlmenu->visible = false;
            SetupLevel(app);
        }
    }

    if (f.ttmmaa->top > 350) {
        if (f.cre->top >= 320)
            f.cre->top -= 1;
        else if (f.hlpic->top <= 0)
            f.hlpic->top += 3;
    } else {
        f.ttmmaa->top += 5;
    }
}

}  // namespace kv
