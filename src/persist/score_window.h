#pragma once
// The high-score window `score1`, where every game ends: the seven best results from
// extract.ext, name entry for a result that beats the last row, and the way back to the menu.
#include <array>
#include <string>

#include "persist/high_scores.h"
#include "platform/picture.h"
#include "platform/window.h"

namespace kv {

class App;

class ScoreWindow final : public Window {
  public:
    explicit ScoreWindow(App& app) : Window("score1", 640, 343), app_(app) {}

    PictureBox* Image1 = nullptr;  // !! HIGH !! SCORE
    Label* highscore[TableRows] = {};
    Label* hiscr[TableRows] = {};
    Label* Label3 = nullptr;         // "Game Menu"
    PictureBox* Picture1 = nullptr;  // name entry
    TextBox* Text1 = nullptr;
    PictureBox* command1 = nullptr;  // OK ?

    std::array<std::string, TableRows> entryNames, entryScores;
    int finalScore = 0;

    void onLoad() override;
    void onKeyDown(int key) override;

    // The confirm of the name entry (the OK picture, or Enter in the name box).
    void Confirm();
    // "Game Menu": a new main window.
    void GameMenu();
    // Lights one of OK and "Game Menu" (nullptr: neither), as the mouse over it or Up/Down do.
    void Highlight(const Control* item);

  protected:
    void build() override;

  private:
    struct Art {
        Picture background, title, panel, ok, okLit;
    };
    // The table as the labels show it.
    ScoreTable shownTable() const;
    void showTable(const ScoreTable& table);
    int computeFinalScore();
    // Reads extract.ext; a missing or short file is completed and written anew.
    void readTable();

    App& app_;
    Art art_;
    // False when the file is there but could not be read: the confirm then does not replace it.
    bool fileRead_ = true;
};

}  // namespace kv
