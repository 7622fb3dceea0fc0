#include "persist/settings_holder.h"

#include <gtest/gtest.h>

#include <set>

#include "base/files.h"
#include "shell/app.h"
#include "support/app_fixture.h"

namespace kv {
namespace {
namespace fs = std::filesystem;

using test::HeadlessGame;

// The ten keys as the game writes them, stored in Windows-1250.
std::string canonical(const std::string& firstrun, const std::string& speed,
                      const std::string& n2 = "program", const std::string& n3 = "je",
                      const std::string& n4 = "ud\xECl\xE1n",
                      const std::string& n5 = "speci\xE1ln\xEC", const std::string& n6 = "pro",
                      const std::string& n7 = "Tovina", const std::string& n8 = "Pelhrotka",
                      const std::string& n9 = ":-)))") {
    return "[KV]\r\nfirstrun=" + firstrun + "\r\nspeed=" + speed + "\r\nNastaveni2=" + n2 +
           "\r\nNastaveni3=" + n3 + "\r\nNastaveni4=" + n4 + "\r\nNastaveni5=" + n5 +
           "\r\nNastaveni6=" + n6 + "\r\nNastaveni7=" + n7 + "\r\nNastaveni8=" + n8 +
           "\r\nNastaveni9=" + n9 + "\r\n";
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

TEST(Settings, NoFileMeansFirstRunAndAFileWithEveryDefault) {
    HeadlessGame game;
    ASSERT_FALSE(game.exists("/sys.ini"));
    game.start();
    EXPECT_EQ(game.bytes("/sys.ini"), canonical("no", "25"));
    const SettingsHolder& ini = game.app.ini;
    EXPECT_TRUE(ini.isLoaded());
    EXPECT_EQ(ini.Text[1], "no");
    const char* defaults[] = {"25",  "program", "je",        "udělán", "speciálně",
                              "pro", "Tovina",  "Pelhrotka", ":-)))"};
    for (int i = 2; i <= 10; ++i) EXPECT_EQ(ini.Text[i], defaults[i - 2]) << "Text" << i;
    EXPECT_EQ(game.get("ini.Text6"), "speciálně");
}

TEST(Settings, LowerCaseYesIsTheFirstRunAndWritesNo) {
    HeadlessGame game({.sysIni = "[KV]\r\nfirstrun=yes\r\nspeed=30\r\n"});
    game.start();
    EXPECT_EQ(game.app.ini.Text[1], "no");
    EXPECT_EQ(game.bytes("/sys.ini"), canonical("no", "30"));
}

TEST(Settings, FirstRunInCapitalsIsNotTheFirstRun) {
    const std::string stored = "[KV]\r\nfirstrun=YES\r\nspeed=30\r\n";
    HeadlessGame game({.sysIni = stored});
    game.start();
    EXPECT_EQ(game.app.ini.Text[1], "YES");
    EXPECT_EQ(game.bytes("/sys.ini"), stored);
}

TEST(Settings, StoredValuesAreReadUpToNineCharacters) {
    HeadlessGame game({.sysIni = "[KV]\r\nfirstrun=no\r\nNastaveni2=abcdefghijkl\r\n"
                                 "Nastaveni3=\x9Elu\x9Dou\xE8k\xFDk\xF9\xF2\r\n"  // žluťoučkýkůň
                                 "Nastaveni4=123456789\r\n"});
    game.start();
    EXPECT_EQ(game.app.ini.Text[3], "abcdefghi");
    EXPECT_EQ(game.app.ini.Text[4], "žluťoučký");
    EXPECT_EQ(game.app.ini.Text[5], "123456789");
    // A key that is not in the file takes its default.
    EXPECT_EQ(game.app.ini.Text[10], ":-)))");
}

TEST(Settings, KeptKeysTravelUnchangedThroughARun) {
    const std::string stored =
        canonical("no", "31", "a b c", "\x9Elu\x9Dou\xE8k\xFD", "=x=", "\"", "", "ABCDEFGHI");
    HeadlessGame game({.sysIni = stored});
    game.openMainWindow();
    EXPECT_EQ(game.app.ini.Text[3], "a b c");
    EXPECT_EQ(game.app.ini.Text[4], "žluťoučký");
    EXPECT_EQ(game.app.ini.Text[5], "=x=");
    EXPECT_EQ(game.app.ini.Text[6], "\"");
    EXPECT_EQ(game.app.ini.Text[7], "");
    EXPECT_EQ(game.app.ini.Text[8], "ABCDEFGHI");
    game.app.ini.unload();
    EXPECT_FALSE(game.app.ini.isLoaded());
    EXPECT_EQ(game.bytes("/sys.ini"), stored);
}

TEST(Settings, MissingKeysAreWrittenInOrderAtTheNextSave) {
    HeadlessGame game({.sysIni = "; kvorlin\r\n[Other]\r\nx=1\r\n[KV]\r\nfirstrun=no\r\n"});
    game.start();
    game.app.ini.SaveSettings();
    EXPECT_EQ(game.bytes("/sys.ini"), "; kvorlin\r\n[Other]\r\nx=1\r\n" + canonical("no", "25"));
}

TEST(Settings, UnloadAndTheSaveButtonWriteTheFields) {
    HeadlessGame game({.sysIni = canonical("no", "25")});
    game.start();
    SettingsHolder& ini = game.app.ini;
    ini.Text[4] = "nový";
    EXPECT_EQ(game.bytes("/sys.ini"), canonical("no", "25"));  // only a save writes
    ini.saveButton();
    EXPECT_EQ(game.bytes("/sys.ini"), canonical("no", "25", "program", "nov\xFD"));
    ini.Text[2] = "27";
    ini.unload();
    EXPECT_EQ(game.bytes("/sys.ini"), canonical("no", "27", "program", "nov\xFD"));
    // A second unload saves nothing more.
    ini.Text[2] = "99";
    ini.unload();
    EXPECT_EQ(game.bytes("/sys.ini"), canonical("no", "27", "program", "nov\xFD"));
}

TEST(Settings, LoadButtonReplacesUnsavedChanges) {
    HeadlessGame game({.sysIni = canonical("no", "25")});
    game.start();
    SettingsHolder& ini = game.app.ini;
    ini.Text[2] = "12";
    ini.Text[9] = "False";
    ini.loadButton();
    EXPECT_EQ(ini.Text[2], "25");
    EXPECT_EQ(ini.Text[9], "Pelhrotka");
}

TEST(Settings, ClearingTheFieldsSavesNothing) {
    HeadlessGame game({.sysIni = canonical("no", "25")});
    game.start();
    SettingsHolder& ini = game.app.ini;
    ini.clearFields();
    for (int i = 1; i <= SettingsHolder::Count; ++i) EXPECT_EQ(ini.Text[i], "") << i;
    EXPECT_EQ(game.bytes("/sys.ini"), canonical("no", "25"));
}

TEST(Settings, EndButtonEndsTheProgram) {
    HeadlessGame game({.sysIni = canonical("no", "25")});
    game.start();
    game.app.ini.endButton();
    EXPECT_TRUE(game.app.ended());
    EXPECT_EQ(game.app.exitCode(), 0);
}

TEST(Settings, FailedSaveWarnsAndKeepsTheFields) {
    test::CapturedStderr stderrText;
    HeadlessGame game;
    fs::create_directory(game.path("/sys.ini"));
    game.start();
    const SettingsHolder& ini = game.app.ini;
    EXPECT_EQ(ini.Text[1], "no");
    EXPECT_EQ(ini.Text[2], "25");
    EXPECT_GE(stderrText.linesWith(game.path("/sys.ini").string()), 1) << stderrText.text();
    EXPECT_TRUE(fs::is_directory(game.path("/sys.ini")));
    EXPECT_TRUE(fs::is_empty(game.path("/sys.ini")));
    EXPECT_EQ(namesIn(game.folder.path()), (std::set<std::string>{"grafix", "music", "sys.ini"}));
    // The game goes on.
    EXPECT_FALSE(game.app.ended());
    game.app.ini.unload();
    EXPECT_EQ(namesIn(game.folder.path()), (std::set<std::string>{"grafix", "music", "sys.ini"}));
}

TEST(Settings, ReadOnlyOrLinkedSettingsAreReadButNeverWritten) {
    for (const bool linked : {false, true}) {
        test::CapturedStderr stderrText;
        HeadlessGame game;
        const std::string stored = canonical("no", "30");
        fs::path file = game.path("/sys.ini");
        if (linked) {
            file = game.folder.path() / "mine.ini";
            fs::create_symlink(file, game.path("/sys.ini"));
        }
        writeFileAtomic(file, stored);
        if (!linked) fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
        game.openMainWindow();
        EXPECT_EQ(game.app.ini.Text[2], "30");
        game.app.ini.Text[3] = "jinak";
        game.app.ini.unload();
        EXPECT_EQ(readFile(file), stored) << linked;
        EXPECT_EQ(fs::is_symlink(game.path("/sys.ini")), linked);
        EXPECT_EQ(stderrText.linesWith("settings not saved"), 1) << stderrText.text();
    }
}

TEST(Settings, Utf16SettingsAreLeftAloneWithAWarning) {
    test::CapturedStderr stderrText;
    const std::string utf16("\xFF\xFE[\0K\0V\0]\0", 10);
    HeadlessGame game({.sysIni = utf16});
    game.openMainWindow();
    game.app.ini.unload();
    EXPECT_EQ(game.bytes("/sys.ini"), utf16);
    EXPECT_GE(stderrText.linesWith("UTF-16"), 1) << stderrText.text();
    EXPECT_FALSE(game.app.ended());
}

TEST(Settings, MissingTunesAreReportedAndTheGameGoesOn) {
    test::CapturedStderr stderrText;
    HeadlessGame game({.sysIni = canonical("no", "25")});
    fs::remove(game.path("/music/3.mus"));
    fs::remove(game.path("/music/7.mus"));
    game.openMainWindow();
    EXPECT_EQ(stderrText.linesWith("3.mus"), 1) << stderrText.text();
    EXPECT_EQ(stderrText.linesWith("7.mus"), 1) << stderrText.text();
    EXPECT_EQ(stderrText.linesWith("kvorlin:"), 2) << stderrText.text();
    for (int i : {1, 2, 4, 5, 6}) EXPECT_TRUE(game.exists("/music/" + std::to_string(i) + ".mid"));
    EXPECT_FALSE(game.exists("/music/3.mid"));
    EXPECT_FALSE(game.app.ended());
    EXPECT_TRUE(game.app.Form1.isLoaded());
    EXPECT_TRUE(game.app.Form1.visible);
}

TEST(Settings, TuneCopiesReplaceOldOnes) {
    HeadlessGame game({.sysIni = canonical("no", "25")});
    writeFileAtomic(game.path("/music/2.mid"), "stale");
    game.start();
    EXPECT_EQ(game.bytes("/music/2.mid"), game.bytes("/music/2.mus"));
}

}  // namespace
}  // namespace kv
