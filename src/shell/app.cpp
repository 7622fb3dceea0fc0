// The application's own running: steps, the end, warnings. What it is made of (its windows, how
// it starts and ends cleanly) is wired in game/app.cpp.
#include "shell/app.h"

#include <algorithm>
#include <iostream>

#include "base/errors.h"

namespace kv {

bool App::step(Millis limit) {
    if (ended_) return false;
    try {
        return windows.step(limit);
    } catch (const FileError& e) {
        fail(e.what());
        return true;
    }
}

int App::run() {
    while (!ended_) step();
    return exitCode_;
}

void App::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
    windows.stop();
}

void App::warn(const std::string& message) const {
    std::cerr << "kvorlin: " << message << std::endl;
}

void App::warnOnce(const std::string& message) {
    if (std::find(warned_.begin(), warned_.end(), message) != warned_.end()) return;
    warned_.push_back(message);
    warn(message);
}

}  // namespace kv
