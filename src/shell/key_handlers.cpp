#include "shell/key_handlers.h"

#include "shell/app.h"

namespace kv {

void Form1KeyDown(App& /*app*/, int /*key*/) {}

void Form1KeyUp(App& app, int /*key*/) {
    MainWindow& f = app.loaded(app.Form1);
    f.Label5->caption = std::to_string(app.state.framePeriod);
}

}  // namespace kv
