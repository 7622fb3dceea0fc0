#pragma once
// The first-run test `Form2`: an empty frame loop at an adjustable period shows how many frames
// a second this machine gives, tune 1 plays so the volume can be set, and the confirm stores
// both and goes on to the intro.
#include <memory>

#include "platform/music.h"
#include "platform/picture.h"
#include "platform/window.h"

namespace kv {

class App;

class FirstRunWindow final : public Window {
  public:
    explicit FirstRunWindow(App& app) : Window("Form2", 486, 169), app_(app) {}

    Label* Label1 = nullptr;         // Fps
    Label* Label4 = nullptr;         // Game Time
    Label* Label2 = nullptr;         // the period
    Label* Label3 = nullptr;         // help text
    PictureBox* Command2 = nullptr;  // Volume +
    Label* Label5 = nullptr;         // the volume under test
    PictureBox* Command1 = nullptr;  // volume -
    PictureBox* Picture2 = nullptr;  // GO !
    PictureBox* Picture1 = nullptr;  // the logo
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    std::unique_ptr<MusicPlayer> MediaPlayer1;

    int testPeriod = 25;
    int testFrames = 0;
    int testSeconds = 0;
    Millis testNextFrame = 0;

    void onLoad() override;
    void onUnload() override;
    void onKeyDown(int key) override;

    // One pass of the test loop.
    bool TestLoopPass();
    void VolumeStep(int hundredths);
    void Confirm();

  protected:
    void build() override;

  private:
    struct Art {
        Picture background, logo, go, louder, quieter;
    };

    App& app_;
    Art art_;
};

}  // namespace kv
