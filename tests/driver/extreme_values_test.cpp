// Every number a script may set, at both ends of what it may set, through frames of play and the
// menu and the keys: nothing overflows (the sanitizer run checks) and nothing crashes.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "driver/state_fields.h"
#include "levels/level_folder.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;

std::vector<std::string> numericFields(const GameState& s) {
    std::vector<std::string> names;
    const auto all = nlohmann::json::parse(dumpJson(s));
    for (const auto& [name, value] : all.items())
        if (value.is_number()) names.push_back(name);
    return names;
}

// A game in play on level 1, or in the main menu.
std::unique_ptr<HeadlessGame> gameIn(bool play) {
    auto game = std::make_unique<HeadlessGame>(
        test::ProgramFolderSpec{.sysIni = "[KV]\r\nfirstrun=no\r\nNastaveni8=False\r\n"});
    test::linkRealLevel(game->folder.path(), 1, true);
    game->openMainWindow();
    if (play) {
        EXPECT_EQ(game->script("click Form1.novahra"), 0);
        for (int i = 0; i < 1000 && game->app.state.inMainMenu; ++i) game->driver.frames(1);
        game->driver.wait(1100);
        EXPECT_FALSE(game->app.state.inMainMenu);
    }
    return game;
}

TEST(ExtremeValues, NumbersAtTheEndsOfTheirRangeRunWithoutHarm) {
    test::CapturedStderr quiet;
    for (const bool play : {true, false}) {
        auto game = gameIn(play);
        const GameState start = game->app.state;
        const std::vector<std::string> fields = numericFields(start);
        ASSERT_GT(fields.size(), 50u);
        for (const std::string& field : fields) {
            for (const char* value : {"100000000", "-100000000"}) {
                if (game->app.ended()) game = gameIn(play);
                game->app.state = start;
                game->set(field, value);
                EXPECT_EQ(game->script("frames 2\nkey press Right\nkey press Left\n"
                                       "key press Space\nkey press Add\nframes 1"),
                          0)
                    << field << "=" << value << ": " << game->err.str();
            }
        }
    }
}

}  // namespace
}  // namespace kv
