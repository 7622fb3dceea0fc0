#include "screens/game_menu.h"

#include "base/errors.h"
#include "levels/game_over.h"
#include "levels/level_files.h"
#include "screens/menu_keys.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void GameMenuTick(App& app) {
    MainWindow& f = app.windows.loaded(app.Form1);
    if (f.menu->width < 200) {
        f.menu->width += 10;
        f.menu->height += 5;
        return;
    }
    if (f.Picture6->top != 0) {
        f.Picture6->top += 2;
        return;
    }
    if (f.Picture7->left == 50) return;
    f.Picture5->top -= 2;
    f.Picture7->left -= 10;
    f.Picture8->left += 10;
}

void PauseGame(App& app) {
    MainWindow& f = app.windows.loaded(app.Form1);
    app.state.gamePaused = true;
    f.Timer1->setEnabled(false);
    f.Timer2->setEnabled(false);
    // The box grows from nothing and its items slide in from outside it.
    f.menu->width = 0;
    f.menu->height = 0;
    f.Picture5->top = 100;
    f.Picture6->top = -30;
    f.Picture7->left = 200;
    f.Picture8->left = -73;
    // The keys' highlight starts afresh with every opening.
    f.Picture7->picture = f.continueLooks[0];
    f.Picture8->picture = f.menuLooks[0];
    f.Picture5->picture = f.exitLooks[0];
    f.menu->visible = true;
}

void ResumeGame(App& app) {
    MainWindow& f = app.windows.loaded(app.Form1);
    f.Timer1->setEnabled(true);
    f.Timer2->setEnabled(true);
    f.menu->visible = false;
    app.state.gamePaused = false;
}

void TogglePause(App& app) {
    if (app.state.gamePaused)
        ResumeGame(app);
    else
        PauseGame(app);
}

void TogglePauseInPlay(App& app) {
    if (!app.state.inMainMenu) TogglePause(app);
}

void PauseOnFocusLoss(App& app) {
    MainWindow& f = app.Form1;
    // Only where Esc would pause: play on the main window, its keys open, not paused already.
    if (!f.isLoaded() || app.windows.top() != &f || !f.keyPreview) return;
    if (app.state.inMainMenu || app.state.gamePaused) return;
    PauseGame(app);
}

bool GameMenuKey(App& app, int key) {
    if (app.state.inMainMenu || !app.state.gamePaused) return false;
    MainWindow& f = app.windows.loaded(app.Form1);
    const struct {
        PictureBox* item;
        const Picture* looks;  // plain, highlighted
        void (*click)(App&);
    } rows[] = {{f.Picture7, f.continueLooks, ResumeGame},
                {f.Picture8, f.menuLooks, MenuItemClick},
                {f.Picture5, f.exitLooks, ExitItemClick}};
    auto highlight = [rows](const PictureBox* chosen) {
        for (const auto& r : rows) r.item->picture = r.looks[r.item == chosen ? 1 : 0];
    };
    MenuItem items[std::size(rows)];
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        items[i] = {r.item, [r] { return r.item->picture == r.looks[1]; },
                    [highlight, r] { highlight(r.item); }, [&app, r] { r.click(app); }};
    }
    return MenuKeyDown(items, key);
}

void MenuItemClick(App& app) {
    app.state.loopRunning = false;
    app.windows.unload(app.Form1);
    DeleteLevelCopies(app);
    // The code that loaded the main window shows it again, which loads it afresh.
    app.windows.load(app.Form1);
}

void ExitItemClick(App& app) {
    FinishGame(app);
    DeleteLevelCopies(app);
}

}  // namespace kv
