#include "persist/score_window.h"

#include "art/score_art.h"
#include "render/score.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void ScoreWindow::build() {
    caption = "Kvorlin";
    client().backColour = rgb(0, 0, 0);
    box = &addPicture(client(), "box", 170, 110, 300, 125);
    box->picture = gameOverBox(app_.text);
    hint = &addLabel(*box, "hint", 0, 86, 300, 20, "");
    hint->style.align = TextStyle::Align::Center;
    hint->foreColour = rgb(18, 26, 74);
    hint->transparent = true;
}

void ScoreWindow::onLoad() {
    keyPreview = true;
    hint->caption = "score " + std::to_string(Score(app_)) + "   -   Space";
}

void ScoreWindow::onKeyDown(int key) {
    if (key != keys::Space) return;
    // A new game starts from a freshly loaded main window.
    app_.windows.unload(app_.Form1);
    app_.windows.show(app_.windows.loaded(app_.Form1));
    app_.windows.unload(*this);
}

}  // namespace kv
