#pragma once
// The intro window `checkpoint`: three animated words, and the hidden label `Label1` that carries
// the frame period from the settings to the main window.
#include "platform/window.h"

namespace kv {

class App;

class IntroWindow final : public Window {
  public:
    explicit IntroWindow(App& app) : Window("checkpoint", 640, 345), app_(app) {}

    PictureBox* picBack = nullptr;
    PictureBox* Picture1[4] = {};
    Label* Label1 = nullptr;  // hidden: the frame period as text
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;  // "Reset"
    Timer* Timer1 = nullptr;

    void onLoad() override;
    void onUnload() override;

  protected:
    void build() override;

  private:
    App& app_;
};

}  // namespace kv
