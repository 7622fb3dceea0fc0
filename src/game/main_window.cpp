#include "shell/main_window.h"

#include "actors/boss_timer.h"
#include "actors/ending.h"
#include "art/boss_art.h"
#include "base/files.h"
#include "base/numbers.h"
#include "game/frame_loop.h"
#include "game/key_handlers.h"
#include "levels/level_start.h"
#include "persist/settings_holder.h"
#include "player/animation_clock.h"
#include "render/fixed_pictures.h"
#include "render/game_clock.h"
#include "render/sprites.h"
#include "screens/intro_window.h"
#include "shell/app.h"

namespace kv {
namespace {

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Black = rgb(0, 0, 0);

}  // namespace

void MainWindow::build() {
    caption = "Kvorlin";
    client().backColour = White;
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

    // The trough lies behind the bar and shows where the bar has shrunk away.
    Picture1 = &addPicture(client(), "Picture1", 168, -30, 300, 25);
    Picture1->picture = bossLifeFrame();
    Picture1->onClick = [this] { tma->visible = !tma->visible; };
    finallife = &addPicture(client(), "finallife", 168, -30, 300, 25);
    finallife->picture = bossLifeBar();

    Picture3 = &addPicture(client(), "Picture3", 128, 112, 377, 105);
    Picture3->picture = bossSpeechBox();
    Picture3->visible = false;
    Label10 = &addLabel(*Picture3, "Label10", 16, 24, 345, 57, BossSpeechText());
    Label10->foreColour = White;
    Label10->transparent = true;
    Label10->wordWrap = true;
    finaltext = &addPicture(client(), "finaltext", 128, 112, 377, 105);
    finaltext->picture = farewellBox(text);
    finaltext->visible = false;
    Label9 = &addLabel(*finaltext, "Label9", 40, 40, 305, 57, FarewellText());
    Label9->foreColour = White;
    Label9->transparent = true;
    Label9->wordWrap = true;

    buildMainMenu();
    buildGameMenu();
    buildSprites();

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

void MainWindow::buildSprites() {
    const Sprites& s = app_.sprites;
    // Hidden boxes holding one picture each; assigning a picture shares it.
    auto box = [this](const char* name, const Picture& p, int index = -1) {
        PictureBox& b = addPicture(client(), name, 0, 0, p->width(), p->height(), index);
        b.visible = false;
        b.hasBack = false;
        b.picture = p;
        return &b;
    };
    auto pair = [&](PictureBox*& w, PictureBox*& b, const char* wn, const char* bn,
                    const SpritePair& sp) {
        w = box(wn, sp.mask);
        b = box(bn, sp.image);
    };
    pair(lw1, lb1, "lw1", "lb1", s.l1);
    pair(lw2, lb2, "lw2", "lb2", s.l2);
    pair(rw1, rb1, "rw1", "rb1", s.r1);
    pair(rw2, rb2, "rw2", "rb2", s.r2);
    pair(nlw, nlb, "nlw", "nlb", s.nl);
    pair(nrw, nrb, "nrw", "nrb", s.nr);
    pair(dw, db, "dw", "db", s.d);
    ko = box("ko", s.ko);
    kc = box("kc", s.kc);
    kob = box("kob", s.kob);
    kcb = box("kcb", s.kcb);
    enemylw = box("enemylw", s.enemyl[0].mask);
    enemyrw = box("enemyrw", s.enemyr[0].mask);
    for (int v = 0; v < 2; ++v) {
        enemylb[v] = box("enemylb", s.enemyl[v].image, v);
        enemyrb[v] = box("enemyrb", s.enemyr[v].image, v);
    }
    pair(firelw, firelb, "firelw", "firelb", s.firel);
    pair(firerw, firerb, "firerw", "firerb", s.firer);
    pair(finallw, finallb, "finallw", "finallb", s.finall);
    pair(finalrw, finalrb, "finalrw", "finalrb", s.finalr);
    pair(finaljlw, finaljlb, "finaljlw", "finaljlb", s.finaljl);
    pair(finaljrw, finaljrb, "finaljrw", "finaljrb", s.finaljr);
    pair(livew, liveb, "livew", "liveb", s.live);
    fireball = box("fireball", s.fireball);

    // The current pictures start on the standing-right frame, open plant, enemy frame 1.
    normw = box("normw", s.nr.mask);
    normb = box("normb", s.nr.image);
    kytka = box("kytka", s.ko);
    enemyw = box("enemyw", s.enemyl[0].mask);
    enemyb = box("enemyb", s.enemyl[0].image);
}

void MainWindow::onLoad() {
    GameState& s = app_.state;
    keyPreview = true;

    copyFile(app_.paths.asset("/grafix/test.lev"), app_.paths.data("/grafix/test.bmp"));

    s.newGameStarting = false;
    s.inMainMenu = true;
    s.gamePaused = false;
    s.hurtLifePending = true;
    s.lives = 3;

    const std::string period = app_.windows.loaded(app_.checkpoint).Label1->caption;
    if (const auto ms = parseWholeNumber(period); ms && *ms >= 1 && *ms <= 1000) {
        s.framePeriod = FramePeriod::fromText(period);
    } else {
        // Not a number would stop the game at every start, and a period of hours would freeze
        // it; play at the default speed instead.
        app_.warn(app_.paths.data("\\sys.ini").string() + ": speed \"" + period +
                  "\" is not a whole number from 1 to 1000; using 25");
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

    app_.windows.show(*this);

    s.hudShown = false;
    s.bossX = 6000;
    s.bossY = 267;
    s.bossFight = false;

    app_.windows.unload(app_.checkpoint);

    s.loopRunning = true;
    RunMainLoop(app_);
}

void MainWindow::onUnload() {
    music.reset();
}

void MainWindow::onKeyDown(int key) {
    Form1KeyDown(app_, key);
}

void MainWindow::onKeyUp(int key) {
    Form1KeyUp(app_, key);
}

}  // namespace kv
