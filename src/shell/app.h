#pragma once
// The application: owns the game's state, the settings holder, the windows and the window
// runtime, and runs the one loop. Frame loops register with the runtime and run one pass at a
// time; no loop ever nests in another.
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/paths.h"
#include "platform/host.h"
#include "platform/text.h"
#include "platform/window_system.h"
#include "shell/game_state.h"

namespace kv {

class FirstRunWindow;
class IntroWindow;
class MainWindow;
class ScoreWindow;
class SettingsHolder;
struct Sprites;

class App final {
  public:
    App(Host& host, Paths paths);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Host& host;
    const Paths paths;
    GameState state;
    TextRenderer text;
    std::mt19937 random;

  private:
    std::unique_ptr<const Sprites> sprites_;
    std::unique_ptr<SettingsHolder> ini_;
    std::unique_ptr<FirstRunWindow> form2_;
    std::unique_ptr<IntroWindow> checkpoint_;
    std::unique_ptr<MainWindow> form1_;
    std::unique_ptr<ScoreWindow> score1_;

  public:
    const Sprites& sprites;
    WindowSystem windows;
    SettingsHolder& ini;
    FirstRunWindow& Form2;
    IntroWindow& checkpoint;
    MainWindow& Form1;
    ScoreWindow& score1;

    // Starts the program: loads the settings holder, which opens the first window.
    void start();
    // Runs until the program ends; returns the exit code.
    int run();
    // One step of the runtime (see WindowSystem::step); a file error ends the program with a
    // message. The real loop and the script driver both go through here.
    bool step(Millis limit = WindowSystem::Forever);
    void endProgram(int code = 0);
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }
    // The clean way out: working copies deleted, main window and settings holder unloaded
    // (saving the settings), program ended.
    void cleanExit();

    void warn(const std::string& message) const;
    // The same problem is reported once per run.
    void warnOnce(const std::string& message);
    void fail(const std::string& message);

  private:
    std::vector<std::string> warned_;
    bool ended_ = false;
    int exitCode_ = 0;
};

}  // namespace kv
