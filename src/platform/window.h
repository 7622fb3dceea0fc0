#pragma once
// A top-level window: a client area holding controls, timers, key handlers and a load handler.
// Controls exist only while the window is loaded; they come back with their start properties at
// the next load.
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/control.h"
#include "platform/timer.h"

namespace kv {

class Window {
  public:
    Window(std::string name, int width, int height);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    bool isLoaded() const { return root_ != nullptr; }

    std::string caption;
    bool visible = false;
    bool keyPreview = false;
    int width, height;

    // The client area; only valid while loaded.
    PictureBox& client() { return *root_; }
    const PictureBox& client() const { return *root_; }

    // Builds the controls and timers (loaded state) or drops them (unloaded state). The owner of
    // windows (the application) calls these; the load handler runs from onLoad().
    void create(const Clock& clock);
    void destroy();

    virtual void onLoad() {}
    virtual void onUnload() {}
    virtual void onKeyDown(int /*key*/) {}
    virtual void onKeyUp(int /*key*/) {}

    // Lookups for the script driver and the hosts.
    Control* findControl(const std::string& name, int index = -1) const;
    Timer* findTimer(const std::string& name) const;
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
    // Earliest due time of an enabled timer, or -1.
    Millis nextTimerDue() const;

    // The control that takes typed text, if any; setFocus moves it (and its caret).
    TextBox* focus = nullptr;
    void setFocus(TextBox* box);

    // Paints the client area and its controls.
    void paint(Surface& dst, const TextRenderer& text) const;

  protected:
    // Creates the window's controls with their start properties.
    virtual void build() = 0;

    template <class T>
    T& add(Control& parent, const std::string& name, int l, int t, int w, int h, int index = -1) {
        auto& c = parent.add(std::make_unique<T>(name, index));
        c.move(l, t, w, h);
        return c;
    }
    PictureBox& addPicture(Control& parent, const std::string& name, int l, int t, int w, int h,
                           int index = -1) {
        return add<PictureBox>(parent, name, l, t, w, h, index);
    }
    Label& addLabel(Control& parent, const std::string& name, int l, int t, int w, int h,
                    const std::string& caption, int index = -1) {
        auto& label = add<Label>(parent, name, l, t, w, h, index);
        label.caption = caption;
        return label;
    }
    Timer& addTimer(const std::string& name, int interval, bool enabled);

    const Clock& clock() const { return *clock_; }

  private:
    std::string name_;
    const Clock* clock_ = nullptr;
    std::unique_ptr<PictureBox> root_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace kv
