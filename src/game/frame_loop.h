#pragma once
// The paced frame loop of the main window, its frame of play and the speed keys: part of the
// wiring that sits above every subsystem.
namespace kv {

class App;

// Registers the main window's loop with the application, which runs it one pass at a time.
void RunMainLoop(App& app);
// One pass: returns false once `loopRunning` is False.
bool MainLoopPass(App& app);
// One frame of play.
void GameTick(App& app);
// The speed keys: a millisecond less or more per frame.
void FasterGame(App& app);
void SlowerGame(App& app);
// The stats panel shows the frame period after every key release.
void ShowFramePeriod(App& app);

}  // namespace kv
