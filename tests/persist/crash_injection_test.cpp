// Saves killed at random moments: the settings file is always whole, old or new, and the next
// start clears the temporaries the killed saves left.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/profile.h"
#include "support/app_fixture.h"

namespace kv {
namespace {
namespace fs = std::filesystem;

using Keys = std::vector<std::pair<std::string, std::string>>;

int temporariesIn(const fs::path& folder) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().rfind(".sys.ini.tmp", 0) == 0) ++n;
    return n;
}

TEST(CrashInjection, SettingsSurviveAKillAtAnyMomentOfASave) {
    constexpr int kKills = 200;
    test::HeadlessGame game({.sysIni = test::PlainSettings});
    const fs::path ini = game.path("/sys.ini");
    // Two versions of the same keys and different lengths, so that half of either shows.
    const Keys oldKeys = {
        {"firstrun", "no"}, {"speed", "25"}, {"Nastaveni2", "program"}, {"Nastaveni9", ":-)))"}};
    const Keys newKeys = {{"firstrun", "no"},
                          {"speed", "1000"},
                          {"Nastaveni2", "udělán až"},
                          {"Nastaveni9", "-1500"}};
    fs::remove(ini);
    writeProfileStrings(ini, "KV", newKeys);
    const std::string newBytes = readFile(ini);
    fs::remove(ini);
    writeProfileStrings(ini, "KV", oldKeys);
    const std::string oldBytes = readFile(ini);
    ASSERT_NE(oldBytes, newBytes);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delay(0, 3000);  // microseconds
    int kills = 0, olds = 0, news = 0, invalid = 0;
    for (int i = 0; i < kKills; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves for ever, each version in turn, until killed.
            for (bool fresh = readFile(ini) == oldBytes;; fresh = !fresh)
                writeProfileStrings(ini, "KV", fresh ? newKeys : oldKeys);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ++kills;
        const std::string now = readFile(ini);
        if (now == oldBytes)
            ++olds;
        else if (now == newBytes)
            ++news;
        else
            ++invalid;
    }
    const int leftBehind = temporariesIn(game.folder.path());
    game.start();
    std::cout << "crash injection: kills=" << kills << " old=" << olds << " new=" << news
              << " invalid=" << invalid << " temporaries left=" << leftBehind
              << " after the next start=" << temporariesIn(game.folder.path()) << std::endl;
    EXPECT_EQ(kills, kKills);
    EXPECT_EQ(invalid, 0);
    EXPECT_GT(olds, 0);
    EXPECT_GT(news, 0);
    EXPECT_EQ(temporariesIn(game.folder.path()), 0);
    EXPECT_FALSE(game.app.ended());
}

}  // namespace
}  // namespace kv
