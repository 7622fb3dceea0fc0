#include "persist/score_window.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "base/files.h"
#include "levels/game_over.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;

constexpr Colour Navy = rgb(0, 0, 128);
constexpr Colour Red = rgb(255, 0, 0);

// Files written while it lives may hold only a few bytes: the disk is as good as full.
class FullDisk {
  public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = old_;
        tight.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

struct HighScoreWindow : ::testing::Test {
    HeadlessGame game{{.sysIni = test::PlainSettings}};
    App& app = game.app;
    ScoreWindow& w = app.score1;

    void SetUp() override {
        game.openMainWindow();
        ASSERT_TRUE(app.Form1.isLoaded());
    }
    // Rows named "row0".. with these scores.
    static std::string tableBytes(std::initializer_list<int> scores) {
        std::string bytes;
        int i = 0;
        for (int s : scores)
            bytes += "\"row" + std::to_string(i++) + "\",\"" + std::to_string(s) + "\"\r\n";
        return bytes;
    }
    void store(const std::string& bytes) { writeFileAtomic(game.path("/extract.ext"), bytes); }
    void endGame(int points, int seconds) {
        app.Form1.score->caption = std::to_string(points);
        app.Form1.Label8->caption = std::to_string(seconds);
        ShowEndOfGame(app);
        ASSERT_EQ(app.windows.top(), &w);
    }
    void type(const std::string& utf8) { app.windows.textTyped(utf8); }
    void key(int k) { app.windows.keyDown(k); }
    std::string row(int i) const { return w.highscore[i]->caption + "|" + w.hiscr[i]->caption; }
};

TEST_F(HighScoreWindow, NameEntryOnlyForAResultAboveTheLastRow) {
    store(tableBytes({900, 800, 700, 600, 500, 400, 300}));
    endGame(350, 50);
    EXPECT_EQ(w.finalScore, 300);
    EXPECT_FALSE(app.Form1.visible);
    EXPECT_EQ(row(0), "row0|900");
    EXPECT_EQ(row(6), "row6|300");
    EXPECT_FALSE(w.Picture1->visible);
    EXPECT_EQ(w.focus, nullptr);
    // Typing and Enter reach nothing; the file stays as it was.
    type("x");
    key(keys::Enter);
    EXPECT_EQ(row(6), "row6|300");
    EXPECT_EQ(game.bytes("/extract.ext"), tableBytes({900, 800, 700, 600, 500, 400, 300}));
}

TEST_F(HighScoreWindow, ConfirmPutsTheResultAboveAnEqualRowInRed) {
    store(tableBytes({900, 800, 700, 600, 500, 400, 300}));
    endGame(650, 50);
    ASSERT_TRUE(w.Picture1->visible);
    EXPECT_EQ(w.Text1->text, "DRAVEX");
    EXPECT_EQ(w.focus, w.Text1);
    app.windows.click(w, *w.command1);
    EXPECT_FALSE(w.Picture1->visible);
    EXPECT_EQ(row(3), "DRAVEX|600");
    EXPECT_EQ(row(4), "row3|600");
    EXPECT_EQ(w.highscore[3]->foreColour, Red);
    EXPECT_EQ(w.hiscr[3]->foreColour, Red);
    EXPECT_EQ(w.highscore[4]->foreColour, Navy);
    EXPECT_EQ(game.bytes("/extract.ext"),
              "\"row0\",\"900\"\r\n\"row1\",\"800\"\r\n\"row2\",\"700\"\r\n\"DRAVEX\",\"600\"\r\n"
              "\"row3\",\"600\"\r\n\"row4\",\"500\"\r\n\"row5\",\"400\"\r\n");
    // The window stays; a second confirm adds nothing.
    app.windows.click(w, *w.command1);
    EXPECT_EQ(row(5), "row4|500");
    EXPECT_TRUE(w.visible);
}

TEST_F(HighScoreWindow, MenuKeysMoveTheMouseHighlightAndLeaveTheNameBoxItsSpace) {
    store(tableBytes({900, 800, 700, 600, 500, 400, 300}));
    endGame(650, 50);
    ASSERT_TRUE(w.Picture1->visible);
    const Picture ok = w.command1->picture;
    app.windows.move(w, *w.command1);
    EXPECT_NE(w.command1->picture, ok);
    app.windows.move(w, *w.Label3);
    EXPECT_EQ(w.command1->picture, ok);
    EXPECT_NE(w.Label3->foreColour, Navy);
    // Down wraps round to OK; Space on it is a letter of the name, not a choice.
    key(keys::Down);
    EXPECT_NE(w.command1->picture, ok);
    EXPECT_EQ(w.Label3->foreColour, Navy);
    key(keys::Space);
    type(" X");
    EXPECT_TRUE(w.Picture1->visible);
    EXPECT_EQ(w.Text1->text, "DRAVEX X");
    key(keys::Enter);
    EXPECT_FALSE(w.Picture1->visible);
    EXPECT_EQ(row(3), "DRAVEX X|600");
    EXPECT_NE(game.bytes("/extract.ext").find("\"DRAVEX X\",\"600\""), std::string::npos);

    // Without name entry only "Game Menu" is there, and Space chooses too.
    store(tableBytes({900, 800, 700, 600, 500, 400, 300}));
    app.windows.click(w, *w.Label3);
    endGame(10, 50);
    ASSERT_FALSE(w.Picture1->visible);
    key(keys::Space);
    EXPECT_EQ(app.windows.top(), &w);
    key(keys::Down);
    EXPECT_NE(w.Label3->foreColour, Navy);
    key(keys::Enter);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(app.windows.top(), &app.Form1);
    EXPECT_TRUE(app.Form1.visible);
    EXPECT_TRUE(app.state.inMainMenu);
}

TEST_F(HighScoreWindow, TheMinusHundredResultAndAnUnsortedTable) {
    store(tableBytes({0, 0, 0, 0, 0, 0, -100}));
    endGame(500, 600);
    EXPECT_EQ(w.finalScore, -100);
    EXPECT_FALSE(w.Picture1->visible);
    app.windows.click(w, *w.Label3);

    store(tableBytes({5, 50, 10, 100, 1, 0, -5}));
    endGame(30, 10);
    EXPECT_EQ(row(1), "row1|50");  // shown as stored
    ASSERT_TRUE(w.Picture1->visible);
    key(keys::Enter);
    EXPECT_EQ(row(0), "DRAVEX|20");
    EXPECT_EQ(row(1), "row0|5");
    EXPECT_EQ(row(6), "row5|0");
}

TEST_F(HighScoreWindow, TypedNameWithCzechLettersAndACommaIsStoredAndReadBack) {
    store(tableBytes({90, 80, 70, 60, 50, 40, 30}));
    endGame(100, 1);
    for (int i = 0; i < 6; ++i) key(keys::Backspace);
    type("Novák, \"Jan\" 日");  // the quotes and a letter the file cannot hold are refused
    EXPECT_EQ(w.Text1->text, "Novák, Jan ");
    key(keys::Home);
    key(keys::Delete);
    type("M");
    key(keys::End);
    type("Řehoř Černý-Záruba XYZ");  // cut at 20 characters as it is typed
    EXPECT_EQ(w.Text1->text, "Movák, Jan Řehoř Čer");
    key(keys::Enter);
    EXPECT_EQ(row(0), "Movák, Jan Řehoř Čer|99");
    const std::string stored =
        "\"Mov\xE1k, Jan \xD8"
        "eho\xF8 \xC8"
        "er\",\"99\"\r\n";
    EXPECT_EQ(game.bytes("/extract.ext").substr(0, stored.size()), stored);

    // Back to the menu, another game: the name comes back from the file intact.
    app.windows.click(w, *w.Label3);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_TRUE(app.Form1.visible);
    endGame(0, 0);
    EXPECT_EQ(row(0), "Movák, Jan Řehoř Čer|99");
    EXPECT_EQ(w.Text1->text, "DRAVEX");
}

TEST_F(HighScoreWindow, MissingOrShortFileIsCompletedWithTheDefaultRow) {
    test::CapturedStderr stderrText;
    const std::string defaults = [] {
        std::string d;
        for (int i = 0; i < 7; ++i) d += "\"Hobar Klenn\",\"10\"\r\n";
        return d;
    }();
    endGame(5, 0);
    for (int i = 0; i < TableRows; ++i) EXPECT_EQ(row(i), "Hobar Klenn|10") << i;
    EXPECT_EQ(game.bytes("/extract.ext"), defaults);
    EXPECT_EQ(stderrText.linesWith("extract.ext"), 1);
    app.windows.click(w, *w.Label3);

    store("\"Ema\",\"50\"\r\n\"Ota\",\"20\"\r\n");
    endGame(5, 0);
    EXPECT_EQ(row(0), "Ema|50");
    EXPECT_EQ(row(1), "Ota|20");
    EXPECT_EQ(row(2), "Hobar Klenn|10");
    EXPECT_EQ(game.bytes("/extract.ext"),
              "\"Ema\",\"50\"\r\n\"Ota\",\"20\"\r\n" + defaults.substr(0, 5 * 20));
}

TEST_F(HighScoreWindow, GarbageFileStillShowsATable) {
    // Binary, a huge line, scores that are no numbers, more than seven lines.
    const char binary[] = "\0\x01\x90\"\x81\",abc\n";
    std::string junk(binary, sizeof binary - 1);
    junk += "\"" + std::string(3'000'000, 'Z') + "\",\"12\"\n";
    for (int i = 0; i < 8; ++i) junk += "name" + std::to_string(i) + ",lots\n";
    store(junk);
    endGame(5, 0);
    // Bytes the code page leaves undefined are carried as they are.
    EXPECT_EQ(row(0), "\u0090\u0081|0");
    EXPECT_EQ(row(1), std::string(20, 'Z') + "|12");
    EXPECT_EQ(row(6), "name4|0");
    // Seven rows were read: the file is left alone until a confirm.
    EXPECT_EQ(game.bytes("/extract.ext"), junk);
}

TEST_F(HighScoreWindow, ResultOutsideSixteenBitsIsClamped) {
    store(tableBytes({90, 80, 70, 60, 50, 40, 30}));
    endGame(40000, 1);
    EXPECT_EQ(w.finalScore, 32767);
    key(keys::Enter);
    EXPECT_EQ(row(0), "DRAVEX|32767");
}

TEST_F(HighScoreWindow, FailedSaveKeepsTheOldTableAndSaysSo) {
    const std::string old = tableBytes({90, 80, 70, 60, 50, 40, 30});
    store(old);
    endGame(100, 0);
    {
        FullDisk full;
        key(keys::Enter);
    }
    EXPECT_EQ(row(0), "DRAVEX|100");  // still shown
    EXPECT_EQ(game.bytes("/extract.ext"), old);
    ASSERT_EQ(game.host.errors().size(), 1u);
    EXPECT_NE(game.host.errors()[0].find("extract.ext"), std::string::npos);
    EXPECT_NE(game.host.errors()[0].find("not saved"), std::string::npos);
    EXPECT_FALSE(app.ended());
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(game.folder.path()))
        ++files;
    EXPECT_EQ(files, 4);  // grafix, music, sys.ini, extract.ext

    // A table that cannot be read is not replaced by a confirm either.
    app.windows.click(w, *w.Label3);
    std::filesystem::remove(game.path("/extract.ext"));
    std::filesystem::create_directory(game.path("/extract.ext"));
    endGame(100, 0);
    EXPECT_EQ(row(0), "Hobar Klenn|10");
    key(keys::Enter);
    EXPECT_EQ(row(0), "DRAVEX|100");
    EXPECT_TRUE(std::filesystem::is_directory(game.path("/extract.ext")));
    EXPECT_EQ(game.host.errors().size(), 2u);

    // Nor is a read-only one: the player made it so.
    app.windows.click(w, *w.Label3);
    std::filesystem::remove(game.path("/extract.ext"));
    store(old);
    std::filesystem::permissions(game.path("/extract.ext"), std::filesystem::perms::owner_read);
    endGame(100, 0);
    key(keys::Enter);
    EXPECT_EQ(game.bytes("/extract.ext"), old);
    EXPECT_EQ(game.host.errors().size(), 3u);
}

}  // namespace
}  // namespace kv
