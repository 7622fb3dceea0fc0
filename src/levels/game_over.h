#pragma once

namespace kv {

class App;

// Opens the window a finished game ends in (not modal; showing it twice is harmless).
void ShowEndOfGame(App& app);
// The end of a game: the frame period in use is stored, the level pictures are let go and the
// window a game ends in opens.
void FinishGame(App& app);

}  // namespace kv
