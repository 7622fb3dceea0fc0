#pragma once
// The window every game ends in, `score1`. For now a plain "GAME OVER" box: Space goes back to a
// new main window.
#include "platform/window.h"

namespace kv {

class App;

class ScoreWindow final : public Window {
  public:
    explicit ScoreWindow(App& app) : Window("score1", 640, 345), app_(app) {}

    PictureBox* box = nullptr;  // "GAME OVER"
    Label* hint = nullptr;

    void onLoad() override;
    void onKeyDown(int key) override;

  protected:
    void build() override;

  private:
    App& app_;
};

}  // namespace kv
