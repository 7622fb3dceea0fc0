#pragma once

namespace kv {

class App;

// Opens the window a finished game ends in (not modal; showing it twice is harmless).
void ShowEndOfGame(App& app);

}  // namespace kv
