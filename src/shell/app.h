#pragma once
// The application: owns the game's state, the settings holder and the windows, and drives the
// one loop. Frame loops register here and run one pass at a time; no loop ever nests in another.
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "persist/score_window.h"
#include "persist/settings_holder.h"
#include "platform/host.h"
#include "platform/text.h"
#include "platform/window.h"
#include "render/sprites.h"
#include "screens/intro_window.h"
#include "shell/game_state.h"
#include "shell/main_window.h"

namespace kv {

// One pass of a window's frame loop, and the time at which it may start.
struct FrameLoop {
    Window* owner = nullptr;
    std::function<Millis()> due;
    // Returns false when the loop has ended.
    std::function<bool()> pass;
};

class App final : public InputSink {
  public:
    App(Host& host, std::filesystem::path programFolder);
    ~App() override;

    Host& host;
    const std::filesystem::path programFolder;
    GameState state;
    TextRenderer text;
    std::mt19937 random;
    const Sprites sprites;

    SettingsHolder ini;
    IntroWindow checkpoint;
    MainWindow Form1;
    ScoreWindow score1;

    // A window's elements are reached through this: it loads the window first if needed.
    template <class W>
    W& loaded(W& w) {
        if (!w.isLoaded()) load(w);
        return w;
    }
    void load(Window& w);
    // Takes effect at once, or, when asked from inside the window's own handler or frame
    // procedure, as soon as that code returns.
    void unload(Window& w);
    // Loads the window if needed; a window whose unload is pending comes back afresh.
    void show(Window& w);
    void hide(Window& w);

    // Replaces any running frame loop.
    void setFrameLoop(FrameLoop loop);
    bool hasFrameLoop() const { return static_cast<bool>(loop_.pass); }
    Millis frameDue() const { return loop_.due(); }
    // Runs one pass of the frame loop; returns false when there is none (any more).
    bool runFramePass();
    long long framesStarted() const { return framesStarted_; }
    void countFrame() { ++framesStarted_; }

    // A yield: pending input, then every due timer of every loaded window; presents the top
    // window when asked (once per frame, and when nothing else draws).
    void pump(bool present);
    Millis nextTimerDue() const;
    void presentTop();

    // Starts the program: loads the settings holder, which opens the first window.
    void start();
    // Runs until the program ends; returns the exit code.
    int run();
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

    Window* topWindow() const;
    std::vector<Window*> windows() const;
    Window* findWindow(const std::string& name) const;

    // Runs a window's handler; unloads asked for meanwhile happen when it returns.
    void dispatch(Window& w, const std::function<void()>& handler);

    // InputSink: to the focused (top visible) window.
    void keyDown(int key) override;
    void keyUp(int key) override;
    void textTyped(const std::string& utf8) override;
    void mouseDown(int x, int y) override;
    void mouseMove(int x, int y) override;
    void closeRequested() override;
    // Clicks and moves addressed to a control by name (script driver).
    void click(Window& w, Control& c);
    void move(Window& w, Control& c);

  private:
    struct Busy {
        Window* window;
        int depth;
        bool unloadPending;
        bool loadPending;
        bool showPending;
    };
    Busy& busy(Window& w);
    // The end of a handler: a pending unload happens now, then a pending load and show.
    void leave(Window& w, bool reload);
    void unloadNow(Window& w);

    FrameLoop loop_;
    unsigned loopGeneration_ = 0;
    long long framesStarted_ = 0;
    std::vector<Busy> busy_;
    std::vector<Window*> shown_;  // show order: the last visible one is on top
    std::vector<std::string> warned_;
    Surface frame_;  // the top window is composed here for the host
    bool ended_ = false;
    int exitCode_ = 0;
};

}  // namespace kv
