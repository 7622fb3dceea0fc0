#include "shell/main_window.h"

#include "actors/boss_timer.h"
#include "levels/level_start.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "player/animation_clock.h"
#include "render/game_clock.h"
#include "shell/app.h"
#include "shell/frame_loop.h"
#include "shell/key_handlers.h"

namespace kv {
namespace {

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Black = rgb(0, 0, 0);

// A fixed picture of a few words, drawn once when the window loads.
void drawWords(const TextRenderer& text, PictureBox& box, const std::string& words, Colour fore,
               int size, bool bold) {
    box.clear();
    TextStyle style;
    style.size = size;
    style.bold = bold;
    style.fore = fore;
    style.align = TextStyle::Align::Center;
    const int y = (box.height - text.lineHeight(style)) / 2;
    text.draw(box.image(), 0, y, box.width, box.height - y, words, false, style);
}

}  // namespace

void MainWindow::build() {
    caption = "Kvorlin";
    const TextRenderer& text = app_.text;

    all = &addPicture(client(), "all", 0, 0, 641, 345);
    all->backColour = White;
    all->clear();
    picBack = &addPicture(client(), "picBack", 0, 0, 0, 0);
    picBack->visible = false;
    mask = &addPicture(client(), "mask", 0, 0, 0, 0);
    mask->visible = false;

    loading = &addPicture(*all, "loading", 0, 0, 641, 345);
    loading->backColour = Black;
    loading->visible = false;
    Picture4 = &addPicture(*loading, "Picture4", 224, 136, 184, 43);
    Picture4->backColour = Black;
    drawWords(text, *Picture4, "Loading...", White, 24, true);
    Label6 = &addLabel(*loading, "Label6", 280, 192, 120, 17, "");
    Label8 = &addLabel(*loading, "Label8", 424, 64, 60, 17, "");
    labspeed = &addLabel(*loading, "labspeed", 248, 40, 57, 25, "25");
    for (Label* l : {Label6, Label8, labspeed}) {
        l->foreColour = White;
        l->backColour = Black;
    }
    loadd = &addPicture(*loading, "loadd", 488, 208, 155, 141);
    loadd->backColour = Black;
    drawWords(text, *loadd, "Kvorlin", White, 20, true);

    tma = &addPicture(client(), "tma", 8, -100, 168, 98);
    tma->backColour = rgb(24, 24, 40);
    tma->clear();
    const struct {
        Label** field;
        const char* name;
        int x, y;
        const char* caption;
    } labels[] = {{&Label1, "Label1", 0, 0, "0"},       {&Label7, "Label7", 112, 0, "Label7"},
                  {&Label2, "Label2", 0, 16, "Label2"}, {&Label3, "Label3", 0, 32, "Label3"},
                  {&Label4, "Label4", 0, 48, "Time :"}, {&score, "score", 0, 64, "0"},
                  {&Label5, "Label5", 0, 80, "Label5"}};
    for (const auto& l : labels) {
        *l.field = &addLabel(*tma, l.name, l.x, l.y, l.x == 0 ? 110 : 56, 16, l.caption);
        (*l.field)->foreColour = rgb(255, 230, 120);
        (*l.field)->transparent = true;
    }

    finallife = &addPicture(client(), "finallife", 168, -30, 300, 25);
    finallife->backColour = rgb(200, 30, 30);
    Picture1 = &addPicture(client(), "Picture1", 168, -30, 300, 25);
    Picture1->hasBack = false;
    Picture1->onClick = [this] { tma->visible = !tma->visible; };

    Picture3 = &addPicture(client(), "Picture3", 128, 112, 377, 105);
    Picture3->backColour = rgb(212, 208, 200);
    Picture3->visible = false;
    Label10 = &addLabel(*Picture3, "Label10", 16, 24, 345, 57, "");
    Label10->foreColour = White;
    Label10->transparent = true;
    Label10->wordWrap = true;
    finaltext = &addPicture(client(), "finaltext", 128, 112, 377, 105);
    finaltext->visible = false;
    drawWords(text, *finaltext, "", Black, 11, false);
    Label9 = &addLabel(*finaltext, "Label9", 40, 40, 305, 57, "");
    Label9->foreColour = White;
    Label9->transparent = true;
    Label9->wordWrap = true;

    hlmenu = &addPicture(client(), "hlmenu", 0, 0, 638, 345);
    hlmenu->backColour = White;
    const struct {
        PictureBox** field;
        const char* name;
        int y;
        const char* words;
    } items[] = {{&novahra, "novahra", 104, "Nová hra"},
                 {&napoveda, "napoveda", 136, "Nápověda"},
                 {&credits, "credits", 168, "Credits"},
                 {&konec, "konec", 200, "Konec"}};
    for (const auto& item : items) {
        *item.field = &addPicture(*hlmenu, item.name, 240, item.y, 122, 29);
        drawWords(text, **item.field, item.words, Black, 16, true);
    }
    konec->onClick = [this] { app_.cleanExit(); };
    soundyes = &addPicture(*hlmenu, "soundyes", 608, 8, 20, 20);
    drawWords(text, *soundyes, "♪", Black, 14, true);
    soundno = &addPicture(*hlmenu, "soundno", 608, 8, 20, 20);
    drawWords(text, *soundno, "×", rgb(220, 0, 0), 16, true);
    soundno->visible = false;

    Timer1 = &addTimer("Timer1", 1000, true);
    Timer1->onTick = [this] { GameClockTick(app_); };
    Timer2 = &addTimer("Timer2", 100, true);
    Timer2->onTick = [this] { AnimationTick(app_); };
    Timer3 = &addTimer("Timer3", 1000, false);
    Timer3->onTick = [this] { LevelStartTick(app_); };
    Timer5 = &addTimer("Timer5", 1000, false);
    Timer5->onTick = [this] { BossTimerTick(app_); };

    music = app_.host.makeMusicPlayer();
}

void MainWindow::onLoad() {
    GameState& s = app_.state;
    keyPreview = true;

    copyFile(gamePath(app_.programFolder, "/grafix/test.lev"),
             gamePath(app_.programFolder, "/grafix/test.bmp"));

    s.newGameStarting = false;
    s.inMainMenu = true;
    s.gamePaused = false;
    s.hurtLifePending = true;
    s.lives = 3;

    const std::string period = app_.loaded(app_.checkpoint).Label1->caption;
    if (auto n = parseWholeNumber(period)) {
        s.framePeriod = *n;
    } else {
        // Not a number would stop the game at every start; play at the default speed instead.
        app_.warn(gamePath(app_.programFolder, "\\sys.ini").string() + ": speed \"" + period +
                  "\" is not a whole number; using 25");
        s.framePeriod = 25;
    }

    const bool soundOff = app_.ini.Text[9] == "False";
    soundno->visible = soundOff;
    s.musicOn = !soundOff;

    loading->visible = true;

    s.speechShade = 255;
    s.spriteVariant = 0;
    s.levelNumber = 1;
    s.gameSeconds = 0;
    s.playerVisible = true;
    s.blinkTicks = 20;
    s.bossFight = false;

    app_.show(*this);

    s.hudShown = false;
    s.bossX = 6000;
    s.bossY = 267;
    s.bossFight = false;

    app_.unload(app_.checkpoint);

    s.loopRunning = true;
    RunMainLoop(app_);
}

void MainWindow::onUnload() { music.reset(); }

void MainWindow::onKeyDown(int key) { Form1KeyDown(app_, key); }

void MainWindow::onKeyUp(int key) { Form1KeyUp(app_, key); }

}  // namespace kv
