#pragma once

namespace kv {

class App;

// The main window's key handlers; they only set fields that the next frame reads.
void Form1KeyDown(App& app, int key);
void Form1KeyUp(App& app, int key);

}  // namespace kv
