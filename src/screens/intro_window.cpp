#include "screens/intro_window.h"

#include <random>

#include "art/intro_art.h"
#include "persist/settings_holder.h"
#include "screens/menu_keys.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

constexpr Colour Black = rgb(0, 0, 0);
constexpr Colour Grey = rgb(128, 128, 128);
constexpr Colour LitGrey = rgb(230, 230, 230);

}  // namespace

void IntroWindow::build() {
    caption = "level 1";
    if (!art_.image) {
        const TextRenderer& text = app_.text;
        for (int i = 0; i < 3; ++i) art_.masks[i] = introBannerMask(text, i);
        art_.image = introBannerImage();
        for (int i = 0; i < 2; ++i) art_.backdrops[i] = kv::introBackdrop(i);
        art_.credit = introCreditLine(text);
    }
    client().backColour = Black;

    // Hidden source pictures.
    auto source = [this](const char* name, const Picture& p, int index) {
        PictureBox& b = addPicture(client(), name, 0, 0, p->width(), p->height(), index);
        b.visible = false;
        b.picture = p;
        return &b;
    };
    for (int i = 0; i < 2; ++i) back[i] = source("back", art_.backdrops[i], i);
    for (int i = 0; i < 3; ++i) {
        normw[i] = source("normw", art_.masks[i], i);
        normb[i] = source("normb", art_.image, i);
    }

    picBack = &addPicture(client(), "picBack", 0, 0, 640, 480);
    picBack->backColour = Black;
    const int covers[4][4] = {
        {0, -80, 641, 201}, {0, 152, 641, 249}, {-88, 104, 249, 201}, {440, 120, 225, 153}};
    for (int i = 0; i < 4; ++i) {
        Picture1[i] = &addPicture(client(), "Picture1", covers[i][0], covers[i][1], covers[i][2],
                                  covers[i][3], i);
        Picture1[i]->backColour = Black;
    }
    // Children of the covers are placed in window coordinates less their cover's corner.
    Label3 = &addLabel(*Picture1[0], "Label3", 8, 8 + 80, 28, 13, "Reset");
    Label3->foreColour = Grey;
    Label3->transparent = true;
    Label3->style.size = 8;
    Label3->onClick = [this] { Reset(); };
    Label3->onMouseMove = [this](int, int) { HighlightReset(true); };
    Picture1[0]->onMouseMove = [this](int, int) { HighlightReset(false); };
    Label1 = &addLabel(*Picture1[0], "Label1", 56, 40 + 80, 65, 25, "");
    Label1->visible = false;
    Picture2 = &addPicture(*Picture1[1], "Picture2", 336, 312 - 152, 297, 34);
    Picture2->picture = art_.credit;
    Label2 =
        &addLabel(*Picture1[1], "Label2", 8, 328 - 152, 162, 13, "Version : 0.185 dravex.example");
    Label2->foreColour = Grey;
    Label2->transparent = true;
    Label2->style.size = 8;

    Timer1 = &addTimer("Timer1", 10, true);
    Timer1->onTick = [this] { AnimationTick(); };
}

void IntroWindow::onLoad() {
    keyPreview = true;
    Label1->caption = app_.ini.Text[2];
    app_.random.seed(static_cast<std::mt19937::result_type>(app_.host.clock().ticks()));
    introBackdrop = static_cast<int>(std::uniform_real_distribution<double>(0, 1)(app_.random) * 2);
    introStage = 0;
    bannerWidth = normb[0]->picture->width();
    bannerHeight = normw[0]->picture->height();
    backdropX = -500;
    backdropY = 100;
}

void IntroWindow::AnimationTick() {
    if (!(introStage == 2 && backdropX > 500)) backdropX += 10;
    if (backdropX > 500) {
        if (introStage < 2) {
            ++introStage;
            backdropX = -450;
            backdropY -= 60;
        } else {
            OpenMainWindow();
        }
    }
    // The mask keeps the backdrop inside the letters only; the black image adds nothing.
    Surface& s = picBack->image();
    s.fill(Black);
    const Surface& backdrop = *back[introBackdrop]->picture;
    blit(s, backdropX, backdropY, backdrop.width(), backdrop.height(), backdrop, 0, 0, Rop::Copy);
    blit(s, 150, 120, bannerWidth, bannerHeight, *normw[introStage]->picture, 0, 0, Rop::And);
    blit(s, 150, 120, bannerWidth, bannerHeight, *normb[introStage]->picture, 0, 0, Rop::Paint);
}

void IntroWindow::onKeyDown(int key) {
    // Space chooses "Reset" only once the keys or the mouse have lit it; otherwise it skips.
    const MenuItem items[] = {{Label3, [this] { return ResetLit(); },
                               [this] { HighlightReset(true); }, [this] { Reset(); }}};
    if (MenuKeyDown(items, key)) return;
    if (key == keys::Space) OpenMainWindow();
}

void IntroWindow::HighlightReset(bool lit) {
    Label3->foreColour = lit ? LitGrey : Grey;
}

bool IntroWindow::ResetLit() const {
    return Label3->foreColour == LitGrey;
}

void IntroWindow::OpenMainWindow() {
    Picture2->release();
    // The main window's load reads Label1 and unloads this window.
    app_.windows.show(app_.windows.loaded(app_.Form1));
}

void IntroWindow::Reset() {
    app_.ini.Text[1] = "yes";
    app_.ini.SaveSettings();
    app_.windows.unload(*this);
    app_.ini.unload();
    app_.ini.load();
}

}  // namespace kv
