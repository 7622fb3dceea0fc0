#include "screens/intro_window.h"

#include "persist/settings_holder.h"
#include "shell/app.h"

namespace kv {

void IntroWindow::build() {
    caption = "level 1";
    client().backColour = rgb(0, 0, 0);
    picBack = &addPicture(client(), "picBack", 0, 0, 640, 480);
    picBack->backColour = rgb(0, 0, 0);
    const int covers[4][4] = {
        {0, -80, 641, 201}, {0, 152, 641, 249}, {-88, 104, 249, 201}, {440, 120, 225, 153}};
    for (int i = 0; i < 4; ++i) {
        Picture1[i] = &addPicture(client(), "Picture1", covers[i][0], covers[i][1], covers[i][2],
                                  covers[i][3], i);
        Picture1[i]->backColour = rgb(0, 0, 0);
    }
    Label3 = &addLabel(*Picture1[0], "Label3", 8, 8 + 80, 28, 13, "Reset");
    Label3->foreColour = rgb(128, 128, 128);
    Label3->transparent = true;
    Label1 = &addLabel(*Picture1[0], "Label1", 56, 40 + 80, 65, 25, "");
    Label1->visible = false;
    Label2 = &addLabel(*Picture1[1], "Label2", 8, 328 - 152, 162, 13, "Version : 0.185 ");
    Label2->foreColour = rgb(128, 128, 128);
    Label2->transparent = true;
    Timer1 = &addTimer("Timer1", 10, false);
}

void IntroWindow::onLoad() {
    // The main window takes its frame period from here.
    Label1->caption = app_.ini.Text[2];
}

void IntroWindow::onUnload() {}

}  // namespace kv
