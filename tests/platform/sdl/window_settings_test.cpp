// The screen mode is remembered in sys.ini beside the game's ten keys, which stay as they are.
#include "platform/sdl/window_settings.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

TEST(WindowSettings, RememberedInTheirOwnSectionBesideTheGamesKeys) {
    test::TempFolder t;
    const auto ini = t.path() / "sys.ini";
    WindowSettings none = readWindowSettings(ini);
    EXPECT_FALSE(none.fullscreen);
    EXPECT_EQ(none.scale, 2);

    writeFileAtomic(ini, "[KV]\r\nfirstrun=no\r\nspeed=31\r\nNastaveni2=speci\xe1ln\xec\r\n");
    const std::string before = readFile(ini);
    saveWindowSettings(ini, {.fullscreen = true, .scale = 3});
    const std::string after = readFile(ini);
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(after.substr(before.size()), "[Window]\r\nfullscreen=yes\r\nscale=3\r\n");
    const WindowSettings read = readWindowSettings(ini);
    EXPECT_TRUE(read.fullscreen);
    EXPECT_EQ(read.scale, 3);

    // A scale the window cannot take reads as the default.
    writeFileAtomic(ini, "[Window]\r\nfullscreen=maybe\r\nscale=40\r\n");
    EXPECT_FALSE(readWindowSettings(ini).fullscreen);
    EXPECT_EQ(readWindowSettings(ini).scale, 2);
}

}  // namespace
}  // namespace kv
