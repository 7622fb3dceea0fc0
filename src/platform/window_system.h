#pragma once
// The window runtime: a registry of windows, their loading, unloading and showing, the one frame
// loop, input dispatch and timers. The real loop and the headless driver both advance it with
// step(), so they schedule frames and timers with the same code.
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/window.h"

namespace kv {

class TextRenderer;

// One pass of a window's frame loop, and the time at which it may start.
struct FrameLoop {
    Window* owner = nullptr;
    std::function<Millis()> due;
    // Returns false when the loop has ended.
    std::function<bool()> pass;
};

class WindowSystem final : public InputSink {
  public:
    static constexpr Millis Forever = std::numeric_limits<Millis>::max();

    WindowSystem(Host& host, const TextRenderer& text);
    // Drops every window without running its handlers: the program is over.
    ~WindowSystem() override;
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // A window takes part once registered; registration order is timer order.
    void add(Window& w);
    const std::vector<Window*>& all() const { return windows_; }
    Window* find(const std::string& name) const;

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
    Window* top() const;

    // Runs a window's handler; unloads asked for meanwhile happen when it returns.
    void dispatch(Window& w, const std::function<void()>& handler);

    // Replaces any running frame loop.
    void setFrameLoop(FrameLoop loop);
    bool hasFrameLoop() const { return static_cast<bool>(loop_.pass); }
    // Runs one pass of the frame loop; returns false when there is none (any more).
    bool runFramePass();
    long long framesStarted() const { return framesStarted_; }
    void countFrame() { ++framesStarted_; }

    // Waits for the next event and runs it: the next frame pass, or, with no frame loop, input
    // and due timers. Returns false, waiting for nothing, when that event lies after `limit`
    // (with a finite limit and nothing scheduled, too).
    bool step(Millis limit = Forever);

    // A yield: pending input, then every due timer of every loaded window; presents the top
    // window when asked (once per frame, and when nothing else draws).
    void pump(bool present);
    Millis nextTimerDue() const;
    void presentTop();
    // The top window as the player would see it now (black when none is shown).
    Surface snapshot() const;

    // InputSink: to the focused (top visible) window.
    void keyDown(int key) override;
    void keyUp(int key) override;
    void textTyped(const std::string& utf8) override;
    void mouseDown(int x, int y) override;
    void mouseMove(int x, int y) override;
    void closeRequested() override;
    void focusLost() override;
    // Clicks and moves addressed to a control by name (script driver).
    void click(Window& w, Control& c);
    void move(Window& w, Control& c);

    // After this, nothing is loaded anew and step() runs nothing: the program is over.
    void stop() { stopped_ = true; }

    // What closing the OS window does, and what losing its focus does.
    std::function<void()> onClose;
    std::function<void()> onFocusLost;

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

    Host& host_;
    const TextRenderer& text_;
    std::vector<Window*> windows_;
    FrameLoop loop_;
    unsigned loopGeneration_ = 0;
    long long framesStarted_ = 0;
    Millis lastPassAt_ = std::numeric_limits<Millis>::min();
    std::vector<Busy> busy_;
    std::vector<Window*> shown_;  // show order: the last visible one is on top
    Surface frame_;               // the top window is composed here for the host
    bool stopped_ = false;
};

}  // namespace kv
