#include "render/score.h"

#include "base/numbers.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

int Score(App& app) {
    return parseWholeNumber(app.windows.loaded(app.Form1).score->caption).value_or(0);
}

void AddScore(App& app, int points) {
    app.windows.loaded(app.Form1).score->caption = std::to_string(Score(app) + points);
}

}  // namespace kv
