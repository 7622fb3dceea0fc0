#include "render/score.h"

#include "platform/numbers.h"
#include "shell/app.h"

namespace kv {

int Score(App& app) {
    return parseWholeNumber(app.loaded(app.Form1).score->caption).value_or(0);
}

void AddScore(App& app, int points) {
    app.loaded(app.Form1).score->caption = std::to_string(Score(app) + points);
}

}  // namespace kv
