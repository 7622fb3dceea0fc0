#pragma once
// The main window `Form1`: the main menu, the play screen and all game logic.
#include <memory>

#include "platform/music.h"
#include "platform/window.h"

namespace kv {

class App;

class MainWindow final : public Window {
  public:
    // The menu picture is 638 wide but the OS window 640: the client area is as wide as the
    // window and painted white, so no unpainted column shows beside the menu.
    explicit MainWindow(App& app) : Window("Form1", 640, 345), app_(app) {}

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
    PictureBox *napp = nullptr, *creed = nullptr, *ttmmaa = nullptr, *cre = nullptr;
    PictureBox *hlpic = nullptr, *backg = nullptr;
    // Item looks: normal and highlighted, for novahra, napoveda, credits, konec.
    PictureBox *nhb = nullptr, *napb = nullptr, *creb = nullptr, *konb = nullptr;
    PictureBox *nhn = nullptr, *napn = nullptr, *cren = nullptr, *konn = nullptr;

    // In-game menu.
    PictureBox* menu = nullptr;
    PictureBox* Picture5 = nullptr;  // EXIT
    PictureBox* Picture6 = nullptr;  // title
    PictureBox* Picture7 = nullptr;  // CONTINUE
    PictureBox* Picture8 = nullptr;  // MENU
    // The items' looks, plain and highlighted by the menu keys: CONTINUE, MENU, EXIT.
    Picture continueLooks[2], menuLooks[2], exitLooks[2];

    // Sprite frames: hidden source pictures, and the current pictures the renderer copies.
    PictureBox *lw1 = nullptr, *lb1 = nullptr, *lw2 = nullptr, *lb2 = nullptr;
    PictureBox *rw1 = nullptr, *rb1 = nullptr, *rw2 = nullptr, *rb2 = nullptr;
    PictureBox *nlw = nullptr, *nlb = nullptr, *nrw = nullptr, *nrb = nullptr;
    PictureBox *dw = nullptr, *db = nullptr;
    PictureBox *ko = nullptr, *kc = nullptr, *kob = nullptr, *kcb = nullptr;
    PictureBox *enemylw = nullptr, *enemyrw = nullptr;
    PictureBox* enemylb[2] = {};
    PictureBox* enemyrb[2] = {};
    PictureBox *normw = nullptr, *normb = nullptr, *kytka = nullptr;
    PictureBox *enemyw = nullptr, *enemyb = nullptr, *fireball = nullptr;
    PictureBox *firelw = nullptr, *firelb = nullptr, *firerw = nullptr, *firerb = nullptr;
    PictureBox *finallw = nullptr, *finallb = nullptr, *finalrw = nullptr, *finalrb = nullptr;
    // The boss in a leap, facing left and right.
    PictureBox *finaljlw = nullptr, *finaljlb = nullptr, *finaljrw = nullptr, *finaljrb = nullptr;
    PictureBox *livew = nullptr, *liveb = nullptr;

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
    void buildSprites();
    void buildMainMenu();
    void buildGameMenu();

    App& app_;
};

}  // namespace kv
