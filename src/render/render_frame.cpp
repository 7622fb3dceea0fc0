#include "render/render_frame.h"

#include "actors/fireballs.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

// A masked figure: the mask combined by AND, then the image by OR, into the same box.
void masked(PictureBox& dst, int x, int y, int w, int h, const PictureBox& mask,
            const PictureBox& image) {
    dst.blitFrom(x, y, w, h, mask, 0, 0, Rop::And);
    dst.blitFrom(x, y, w, h, image, 0, 0, Rop::Paint);
}

void opaque(PictureBox& dst, int x, int y, int w, int h, const PictureBox& box) {
    dst.blitFrom(x, y, w, h, box, 0, 0, Rop::Copy);
}

}  // namespace

void RenderFrame(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);

    f.Label2->caption = std::to_string(s.playerX);
    f.Label3->caption = std::to_string(s.scrollX);

    f.all->clear();
    PictureBox& screen = *f.all;
    screen.blitFrom(0, 0, 640, 346, *f.picBack, s.scrollX, s.scrollY, Rop::Copy);

    if (s.shotActive) {
        // Drawn also in the frame that ends its flight.
        MoveShot(app);
        if (s.shotSpeed < 0)
            masked(screen, s.shotX - s.scrollX, s.shotY, 12, 12, *f.firelw, *f.firelb);
        else
            masked(screen, s.shotX - s.scrollX, s.shotY, 12, 12, *f.firerw, *f.firerb);
    }

    if (s.levelNumber == 12) {
        // Before the fight the boss looks left, at the player coming.
        const bool right = s.bossFight && s.bossDirection == Dir::Right;
        const bool leap = s.bossFight && s.bossJumping;
        const PictureBox& w =
            leap ? (right ? *f.finaljrw : *f.finaljlw) : (right ? *f.finalrw : *f.finallw);
        const PictureBox& b =
            leap ? (right ? *f.finaljrb : *f.finaljlb) : (right ? *f.finalrb : *f.finallb);
        masked(screen, s.bossX - s.scrollX, s.bossY, 34, 35, w, b);
    }

    const int plantWidth = f.kytka->shown() ? f.kytka->shown()->width() : 39;
    for (int i = 1; i <= 5; ++i)
        if (s.plantHeight[i] > 0)
            opaque(screen, s.plantX[i] - s.scrollX, s.plantY[i], plantWidth, s.plantHeight[i],
                   *f.kytka);

    for (int i = 1; i <= 10; ++i)
        if (s.enemyAlive[i])
            masked(screen, s.enemyX[i] - s.scrollX, s.enemyY[i], 34, 35, *f.enemyw, *f.enemyb);

    if (s.levelNumber == 7 || s.levelNumber == 8) {
        const int last = s.levelNumber == 7 ? 8 : 9;
        for (int i = 7; i <= last; ++i)
            opaque(screen, s.enemyX[i] - s.scrollX, s.enemyY[i], 34, 35, *f.fireball);
    }

    if (s.playerVisible)
        masked(screen, s.playerX, s.playerY + 4, s.playerWidth, s.playerHeight, *f.normw, *f.normb);

    const int hearts = s.lives >= 1 && s.lives <= 3 ? s.lives : 0;
    for (int i = 0; i < hearts; ++i) masked(screen, 580 + 15 * i, 10, 13, 16, *f.livew, *f.liveb);
    // The finished image is shown with the next yield's presentation.
}

}  // namespace kv
