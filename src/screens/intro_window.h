#pragma once
// The intro window `checkpoint`: three words, each filled with a sliding backdrop, through a
// narrow slot; then the main window. Its hidden label `Label1` carries the frame period from the
// settings (or from the first-run test) to the main window.
#include "platform/picture.h"
#include "platform/window.h"

namespace kv {

class App;

class IntroWindow final : public Window {
  public:
    explicit IntroWindow(App& app) : Window("checkpoint", 640, 345), app_(app) {}

    PictureBox* picBack = nullptr;   // the drawing surface
    PictureBox* Picture1[4] = {};    // black covers round the slot
    PictureBox* back[2] = {};        // backdrops
    PictureBox* normw[3] = {};       // banner masks
    PictureBox* normb[3] = {};       // banner images
    PictureBox* Picture2 = nullptr;  // credit line
    Label* Label1 = nullptr;         // hidden: the frame period as text
    Label* Label2 = nullptr;         // version
    Label* Label3 = nullptr;         // "Reset"
    Timer* Timer1 = nullptr;

    int introStage = 0;
    int introBackdrop = 0;
    int backdropX = -500;
    int backdropY = 100;
    int bannerWidth = 0;
    int bannerHeight = 0;

    void onLoad() override;
    void onKeyDown(int key) override;

    // One step of the animation (Timer1).
    void AnimationTick();
    // Space, or the end of the animation: the main window takes over.
    void OpenMainWindow();
    // "Reset": the first-run test runs again.
    void Reset();
    // Lights "Reset" or puts it back to its grey: the mouse over it, or Up/Down.
    void HighlightReset(bool lit);
    bool ResetLit() const;

  protected:
    void build() override;

  private:
    struct Art {
        Picture masks[3], image, backdrops[2], credit;
    };

    App& app_;
    Art art_;
};

}  // namespace kv
