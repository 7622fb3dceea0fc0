// Saves killed at random moments: the settings file and the high-score table are always whole, old
// or new, and the next start clears the temporaries the killed saves left.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/profile.h"
#include "persist/high_scores.h"
#include "support/app_fixture.h"

namespace kv {
namespace {
namespace fs = std::filesystem;

using Keys = std::vector<std::pair<std::string, std::string>>;

int temporariesIn(const fs::path& folder, const std::string& name) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().rfind("." + name + ".tmp", 0) == 0) ++n;
    return n;
}

// Kills a child that saves `file` for ever, one version and then the other, 200 times at random
// moments; every survivor must be one version or the other, and the next start clears the
// temporaries the killed saves left.
void killWhileSaving(test::HeadlessGame& game, const fs::path& file,
                     const std::function<void(bool fresh)>& save) {
    constexpr int kKills = 200;
    fs::remove(file);
    save(true);
    const std::string newBytes = readFile(file);
    fs::remove(file);
    save(false);
    const std::string oldBytes = readFile(file);
    ASSERT_NE(oldBytes, newBytes);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delay(0, 3000);  // microseconds
    int kills = 0, olds = 0, news = 0, invalid = 0;
    for (int i = 0; i < kKills; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (bool fresh = readFile(file) == oldBytes;; fresh = !fresh) save(fresh);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ++kills;
        const std::string now = readFile(file);
        if (now == oldBytes)
            ++olds;
        else if (now == newBytes)
            ++news;
        else
            ++invalid;
    }
    const std::string name = file.filename().string();
    const int leftBehind = temporariesIn(file.parent_path(), name);
    game.start();
    std::cout << "crash injection, " << name << ": kills=" << kills << " old=" << olds
              << " new=" << news << " invalid=" << invalid << " temporaries left=" << leftBehind
              << " after the next start=" << temporariesIn(file.parent_path(), name) << std::endl;
    EXPECT_EQ(kills, kKills);
    EXPECT_EQ(invalid, 0);
    EXPECT_GT(olds, 0);
    EXPECT_GT(news, 0);
    EXPECT_EQ(temporariesIn(file.parent_path(), name), 0);
    EXPECT_FALSE(game.app.ended());
}

TEST(CrashInjection, SettingsSurviveAKillAtAnyMomentOfASave) {
    test::HeadlessGame game({.sysIni = test::PlainSettings});
    // Two versions of the same keys and different lengths, so that half of either shows.
    const Keys oldKeys = {
        {"firstrun", "no"}, {"speed", "25"}, {"Nastaveni2", "program"}, {"Nastaveni9", ":-)))"}};
    const Keys newKeys = {{"firstrun", "no"},
                          {"speed", "1000"},
                          {"Nastaveni2", "udělán až"},
                          {"Nastaveni9", "-1500"}};
    const fs::path ini = game.path("/sys.ini");
    killWhileSaving(game, ini,
                    [&](bool fresh) { writeProfileStrings(ini, "KV", fresh ? newKeys : oldKeys); });
}

TEST(CrashInjection, TheHighScoreTableSurvivesAKillAtAnyMomentOfASave) {
    test::HeadlessGame game({.sysIni = test::PlainSettings});
    ScoreTable oldTable = completeTable({});
    ScoreTable newTable = oldTable;
    insertRow(newTable, 0, {"Kvído, ten první", "250"});
    const fs::path table = game.path("/extract.ext");
    killWhileSaving(game, table, [&](bool fresh) {
        writeFileAtomic(table, formatHighScores(fresh ? newTable : oldTable));
    });
}

}  // namespace
}  // namespace kv
