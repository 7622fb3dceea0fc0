#include "persist/score_window.h"

#include <fstream>
#include <system_error>

#include "art/score_art.h"
#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"
#include "screens/menu_keys.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr Colour Navy = rgb(0, 0, 128);
constexpr Colour Silver = rgb(192, 192, 192);
constexpr Colour Red = rgb(255, 0, 0);
constexpr Colour LitBlue = rgb(0, 96, 255);

// Seven rows never need much: a huge file is not read past this.
constexpr std::size_t ReadLimit = 16 * 1024 * 1024;

enum class FileState { Missing, Unreadable, Read };

FileState readStart(const fs::path& file, std::string& bytes) {
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found) return FileState::Missing;
    if (ec || status.type() != fs::file_type::regular) return FileState::Unreadable;
    std::ifstream in(file, std::ios::binary);
    if (!in) return FileState::Unreadable;
    bytes.resize(ReadLimit);
    in.read(bytes.data(), static_cast<std::streamsize>(ReadLimit));
    if (in.bad()) return FileState::Unreadable;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return FileState::Read;
}

// Typing takes what a row of the file can hold: no double quote, only the code page's letters.
bool storable(char32_t ch) {
    return ch != U'"' && unicodeToCp1250(ch) >= 0;
}

}  // namespace

void ScoreWindow::build() {
    caption = "High Score";
    if (!art_.background) {
        const TextRenderer& text = app_.text;
        art_ = {scoreBackground(text), scoreTitle(text), nameEntryPanel(text), scoreOkButton(text),
                scoreOkButtonLit(text)};
    }
    client().picture = art_.background;

    Image1 = &addPicture(client(), "Image1", 192, 32, 224, 59);
    Image1->picture = art_.title;

    for (int i = 0; i < TableRows; ++i) {
        const bool nameIn = i == 1 || i == 3 || i == 4;
        const bool scoreIn = nameIn || i == 5;
        const int y = 104 + 24 * i;
        highscore[i] = &addLabel(client(), "highscore", nameIn ? 159 : 160, y, 193, 25, "-", i);
        hiscr[i] = &addLabel(client(), "hiscr", scoreIn ? 359 : 360, y, 57, 25, "0", i);
        for (Label* l : {highscore[i], hiscr[i]}) {
            l->foreColour = Navy;
            l->backColour = Silver;
            l->style.size = 12;
            l->style.bold = true;
        }
        hiscr[i]->style.align = TextStyle::Align::Right;
    }

    Label3 = &addLabel(client(), "Label3", 568, 8, 58, 13, "Game Menu");
    Label3->foreColour = Navy;
    Label3->transparent = true;
    Label3->style.size = 9;
    Label3->onClick = [this] { GameMenu(); };
    Label3->onMouseMove = [this](int, int) { Highlight(Label3); };

    Picture1 = &addPicture(client(), "Picture1", 88, 24, 425, 265);
    Picture1->picture = art_.panel;
    Text1 = &add<TextBox>(*Picture1, "Text1", 184, 112, 161, 19);
    Text1->text = "DRAVEX";
    Text1->maxLength = NameLimit;
    Text1->accepts = storable;
    Text1->onEnter = [this] { Confirm(); };
    command1 = &addPicture(*Picture1, "command1", 176, 160, 71, 37);
    command1->picture = art_.ok;
    command1->onClick = [this] { Confirm(); };
    command1->onMouseMove = [this](int, int) { Highlight(command1); };
    Picture1->onMouseMove = [this](int, int) { Highlight(nullptr); };
}

void ScoreWindow::onLoad() {
    app_.windows.hide(app_.Form1);
    readTable();
    ScoreTable table;
    for (int i = 0; i < TableRows; ++i) table[i] = {entryNames[i], entryScores[i]};
    showTable(table);
    finalScore = computeFinalScore();
    const bool offer = scoreNumber(hiscr[TableRows - 1]->caption) < finalScore;
    Picture1->visible = offer;
    if (offer) setFocus(Text1);
    // The menu keys; typing still goes to the name box.
    keyPreview = true;
}

void ScoreWindow::onKeyDown(int key) {
    const MenuItem items[] = {{command1, [this] { return command1->picture == art_.okLit; },
                               [this] { Highlight(command1); }, [this] { Confirm(); }},
                              {Label3, [this] { return Label3->foreColour == LitBlue; },
                               [this] { Highlight(Label3); }, [this] { GameMenu(); }}};
    // While a name is typed, Space is a letter of it; Enter with nothing lit still confirms.
    MenuKeyDown(items, key, Picture1->visible ? ChooseKeys::Enter : ChooseKeys::EnterOrSpace);
}

void ScoreWindow::Highlight(const Control* item) {
    command1->picture = item == command1 ? art_.okLit : art_.ok;
    Label3->foreColour = item == Label3 ? LitBlue : Navy;
}

namespace {

// A link, a folder or a read-only table is the player's business: it is never replaced.
void saveTable(const fs::path& file, const ScoreTable& table) {
    checkRewritable(file);
    writeFileAtomic(file, formatHighScores(table));
}

}  // namespace

void ScoreWindow::readTable() {
    const fs::path file = app_.paths.data("\\extract.ext");
    std::string bytes;
    const FileState state = readStart(file, bytes);
    const std::vector<ScoreRow> rows = parseHighScores(bytes);
    const ScoreTable table = completeTable(rows);
    for (int i = 0; i < TableRows; ++i) {
        entryNames[i] = table[i].name;
        entryScores[i] = table[i].score;
    }
    fileRead_ = state != FileState::Unreadable;
    if (!fileRead_) {
        app_.warn(file.string() + ": cannot be read; showing the default table");
        return;
    }
    if (static_cast<int>(rows.size()) == TableRows) return;
    app_.warn(file.string() +
              (state == FileState::Missing ? std::string(": not found")
                                           : ": holds " + std::to_string(rows.size()) + " of its " +
                                                 std::to_string(TableRows) + " rows") +
              "; the missing rows are filled in");
    try {
        saveTable(file, table);
    } catch (const FileError& e) {
        app_.warn(std::string(e.what()) + " (high-score table not saved)");
    }
}

ScoreTable ScoreWindow::shownTable() const {
    ScoreTable table;
    for (int i = 0; i < TableRows; ++i) table[i] = {highscore[i]->caption, hiscr[i]->caption};
    return table;
}

void ScoreWindow::showTable(const ScoreTable& table) {
    for (int i = 0; i < TableRows; ++i) {
        highscore[i]->caption = table[i].name;
        hiscr[i]->caption = scoreText(table[i].score);
    }
}

int ScoreWindow::computeFinalScore() {
    const MainWindow& f = app_.windows.loaded(app_.Form1);
    return finalScoreOf(scoreNumber(f.score->caption), scoreNumber(f.Label8->caption));
}

void ScoreWindow::Confirm() {
    // Name entry is offered once: a hidden panel takes no second confirm.
    if (!Picture1->visible) return;
    Picture1->visible = false;
    setFocus(nullptr);
    finalScore = computeFinalScore();
    ScoreTable table = shownTable();
    const int row = insertionRow(table, finalScore);
    if (row < 0) return;
    insertRow(table, row, {cleanName(Text1->text), std::to_string(finalScore)});
    showTable(table);
    highscore[row]->foreColour = hiscr[row]->foreColour = Red;

    const fs::path file = app_.paths.data("\\extract.ext");
    if (!fileRead_) {
        app_.host.showError(file.string() +
                            ": could not be read, so it was left as it is; the high-score "
                            "table was not saved");
        return;
    }
    try {
        saveTable(file, table);
    } catch (const FileError& e) {
        app_.host.showError(std::string(e.what()) + "; the high-score table was not saved");
    }
}

void ScoreWindow::GameMenu() {
    app_.windows.unload(app_.Form1);
    app_.windows.unload(*this);
    app_.windows.show(app_.windows.loaded(app_.Form1));
}

}  // namespace kv
