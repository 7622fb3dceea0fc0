// The game in a real window, on a virtual display with a window manager: the whole screen by
// whole numbers, the screen mode switched by keys and remembered, and SIGTERM ending the game
// cleanly, also while an error dialog is open. Needs Xvfb, openbox, xdotool and ImageMagick
// (scripts/install-deps with KVORLIN_DESKTOP_TOOLS=1). Without them the tests are skipped, unless
// KVORLIN_DESKTOP_TOOLS=1 says they must run.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "base/bmp.h"
#include "base/files.h"
#include "support/app_fixture.h"
#include "support/process.h"

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::Outcome;
using test::Process;
using test::shellQuoted;

bool have(const char* tool) {
    return test::runShell(std::string("command -v ") + tool).code == 0;
}

bool waitFor(const std::function<bool()>& done, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string fileText(const fs::path& file) {
    std::error_code ec;
    return fs::exists(file, ec) ? readFile(file) : std::string();
}

// Xvfb at 1920 x 1080 with openbox on it.
class Desktop {
  public:
    explicit Desktop(const fs::path& scratch) {
        const fs::path number = scratch / "display";
        // Xvfb writes the display number it took to the descriptor given; 3 is its own stderr copy.
        xvfb_ = std::make_unique<Process>(
            std::vector<std::string>{"sh", "-c",
                                     "exec Xvfb -displayfd 1 -screen 0 1920x1080x24 -nolisten tcp"},
            std::vector<std::string>{}, number);
        if (!waitFor([&] { return fileText(number).find('\n') != std::string::npos; }, 10000))
            return;
        const std::string text = fileText(number);
        display_ = std::string(":").append(text, 0, text.find('\n'));
        wm_ = std::make_unique<Process>(std::vector<std::string>{"openbox"},
                                        std::vector<std::string>{"DISPLAY=" + display_});
        // The window manager is up once it answers for the desktops.
        ready_ = waitFor([&] { return x("xdotool get_desktop").code == 0; }, 10000);
    }
    bool ready() const { return ready_; }
    const std::string& display() const { return display_; }
    Outcome x(const std::string& command) const {
        return test::runShell("DISPLAY=" + display_ + " " + command);
    }
    // The whole screen as the player sees it.
    Surface screenshot(const fs::path& file) const {
        const Outcome r =
            x("import -window root " + shellQuoted(std::string("BMP3:").append(file.string())));
        if (r.code != 0) throw std::runtime_error("import: " + r.err);
        return loadBmp(file);
    }

  private:
    std::unique_ptr<Process> xvfb_, wm_;
    std::string display_;
    bool ready_ = false;
};

struct RealWindow : ::testing::Test {
    test::TempFolder scratch;
    std::optional<Desktop> desktop;
    fs::path game = scratch.path() / "game";

    void SetUp() override {
        const bool required = [] {
            const char* v = std::getenv("KVORLIN_DESKTOP_TOOLS");
            return v && std::string(v) == "1";
        }();
        for (const char* tool : {"Xvfb", "openbox", "xdotool", "import"}) {
            if (have(tool)) continue;
            if (required) FAIL() << tool << " is missing (scripts/install-deps)";
            GTEST_SKIP() << tool << " is missing: KVORLIN_DESKTOP_TOOLS=1 scripts/install-deps";
        }
        desktop.emplace(scratch.path());
        ASSERT_TRUE(desktop->ready()) << "no virtual display with a window manager";
    }

    std::unique_ptr<Process> start(const std::vector<std::string>& options) {
        std::vector<std::string> argv{std::string(KVORLIN_BUILD_DIR) + "/kvorlin", "--program-dir",
                                      game.string()};
        argv.insert(argv.end(), options.begin(), options.end());
        return std::make_unique<Process>(
            argv,
            std::vector<std::string>{"DISPLAY=" + desktop->display(), "SDL_AUDIODRIVER=dummy"},
            scratch.path() / "stdout", scratch.path() / "stderr");
    }
    bool windowShown() const { return desktop->x("xdotool search --name '^Kvorlin$'").code == 0; }
};

// The smallest rectangle holding every pixel that is not black.
Rect litArea(const Surface& s) {
    int x0 = s.width(), y0 = s.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if ((s.row(y)[x] & 0xFFFFFF) != 0) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

TEST_F(RealWindow, TheWholeScreenByWholeNumbersSwitchedByKeysAndRemembered) {
    test::makeProgramFolder(game, {.sysIni = test::PlainSettings});
    auto kvorlin = start({"--fullscreen"});
    ASSERT_TRUE(waitFor([&] { return windowShown(); }, 15000))
        << fileText(scratch.path() / "stderr");
    EXPECT_NE(fileText(game / "sys.ini").find("[Window]\r\nfullscreen=yes\r\n"), std::string::npos);

    // The menu, 640 x 345, three times over, centred, once the intro and the menu's black curtain
    // have gone.
    const fs::path shot = scratch.path() / "shot.bmp";
    Rect area;
    waitFor(
        [&] {
            area = litArea(desktop->screenshot(shot));
            return area.h == 345 * 3;
        },
        20000);
    EXPECT_EQ(area.x, 0);
    EXPECT_EQ(area.y, 22);
    EXPECT_EQ(area.w, 640 * 3);
    EXPECT_EQ(area.h, 345 * 3);

    // F11 back to the window, Alt+Enter to the whole screen again; each choice is written down.
    ASSERT_EQ(desktop->x("xdotool key F11").code, 0);
    EXPECT_TRUE(waitFor(
        [&] { return fileText(game / "sys.ini").find("fullscreen=no") != std::string::npos; },
        5000));
    EXPECT_TRUE(waitFor(
        [&] {
            return desktop->x("xdotool search --name '^Kvorlin$' getwindowgeometry")
                       .out.find("Geometry: 1280x690") != std::string::npos;
        },
        5000));
    ASSERT_EQ(desktop->x("xdotool key alt+Return").code, 0);
    EXPECT_TRUE(waitFor(
        [&] { return fileText(game / "sys.ini").find("fullscreen=yes") != std::string::npos; },
        5000));

    // SIGTERM: the clean exit, working copies gone and the settings saved with both sections.
    ASSERT_TRUE(fs::exists(game / "music" / "1.mid"));
    ::kill(kvorlin->pid(), SIGTERM);
    EXPECT_EQ(kvorlin->wait(10000), 0) << fileText(scratch.path() / "stderr");
    EXPECT_FALSE(fs::exists(game / "music" / "1.mid"));
    EXPECT_FALSE(fs::exists(game / "grafix" / "test.bmp"));
    const std::string ini = fileText(game / "sys.ini");
    EXPECT_NE(ini.find("Nastaveni9="), std::string::npos) << ini;
    EXPECT_NE(ini.find("[Window]\r\nfullscreen=yes\r\nscale=2\r\n"), std::string::npos) << ini;
}

TEST_F(RealWindow, SigtermWhileAnErrorDialogIsOpenStillEndsCleanly) {
    test::makeProgramFolder(game, {.testLevel = false, .sysIni = test::PlainSettings});
    auto kvorlin = start({});
    // The missing picture is reported, and the dialog is up as a child of the game.
    const fs::path proc = fs::path("/proc") / std::to_string(kvorlin->pid());
    const fs::path children = proc / "task" / std::to_string(kvorlin->pid()) / "children";
    fs::path dialogProc;
    auto dialogUp = [&] {
        std::istringstream pids(fileText(children));
        for (std::string pid; pids >> pid;)
            if (fileText(fs::path("/proc") / pid / "cmdline").find("--error-dialog") !=
                std::string::npos)
                dialogProc = fs::path("/proc") / pid;
        return !dialogProc.empty();
    };
    ASSERT_TRUE(waitFor(dialogUp, 15000)) << fileText(scratch.path() / "stderr");
    EXPECT_NE(fileText(scratch.path() / "stderr").find("test.lev"), std::string::npos);
    ASSERT_TRUE(fs::exists(game / "music" / "1.mid"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    ::kill(kvorlin->pid(), SIGTERM);
    EXPECT_EQ(kvorlin->wait(10000), 1);  // the start had failed
    EXPECT_FALSE(fs::exists(dialogProc));
    for (int i = 1; i <= 7; ++i)
        EXPECT_FALSE(fs::exists(game / "music" / (std::to_string(i) + ".mid"))) << i;
    EXPECT_NE(fileText(game / "sys.ini").find("Nastaveni9="), std::string::npos);
}

}  // namespace
}  // namespace kv
