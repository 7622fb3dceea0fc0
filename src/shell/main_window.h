#pragma once
// The main window `Form1`: the main menu, the play screen and all game logic.
#include <memory>

#include "platform/music.h"
#include "platform/window.h"

namespace kv {

class App;

class MainWindow final : public Window {
public:
    explicit MainWindow(App& app) : Window("Form1", 638, 345), app_(app) {}

    // The play screen and the pictures behind it.
    PictureBox* all = nullptr;
    PictureBox* picBack = nullptr;
    PictureBox* mask = nullptr;

    // Loading screen.
    PictureBox* loading = nullptr;
    PictureBox* Picture4 = nullptr;
    Label* Label6 = nullptr;
    PictureBox* loadd = nullptr;
    Label* Label8 = nullptr;
    Label* labspeed = nullptr;

    // Stats panel.
    PictureBox* tma = nullptr;
    Label* Label1 = nullptr;
    Label* Label7 = nullptr;
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    Label* Label4 = nullptr;
    Label* score = nullptr;
    Label* Label5 = nullptr;

    // Boss life bar and its frame, boss speech and farewell boxes.
    PictureBox* finallife = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture3 = nullptr;
    Label* Label10 = nullptr;
    PictureBox* finaltext = nullptr;
    Label* Label9 = nullptr;

    // Main menu.
    PictureBox* hlmenu = nullptr;
    PictureBox* novahra = nullptr;
    PictureBox* napoveda = nullptr;
    PictureBox* credits = nullptr;
    PictureBox* konec = nullptr;
    PictureBox* soundyes = nullptr;
    PictureBox* soundno = nullptr;

    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    Timer* Timer3 = nullptr;
    Timer* Timer5 = nullptr;

    std::unique_ptr<MusicPlayer> music;

    void onLoad() override;
    void onUnload() override;
    void onKeyDown(int key) override;
    void onKeyUp(int key) override;

protected:
    void build() override;

private:
    App& app_;
};

}  // namespace kv
