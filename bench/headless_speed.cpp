// How fast a headless run plays: frames a second in the main menu and in play (level 1, walking
// right), through the script driver as a bot would drive it. Usage: headless_speed [BUILD_DIR].
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "bench/program_folder.h"
#include "driver/script_driver.h"
#include "platform/headless/headless_host.h"
#include "screens/intro_window.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace {

constexpr long long kFrames = 20000;

// Frames a second of wall time, and the virtual seconds they cover.
double framesPerSecond(kv::ScriptDriver& driver, kv::HeadlessHost& host) {
    const kv::Millis virtual0 = host.virtualClock().ticks();
    const auto start = std::chrono::steady_clock::now();
    if (!driver.frames(kFrames)) return 0;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("  %lld frames, %.1f virtual s, %.3f s of wall time\n", kFrames,
                (host.virtualClock().ticks() - virtual0) / 1000.0, took.count());
    return kFrames / took.count();
}

}  // namespace

int main(int argc, char** argv) {
    const auto build =
        argc > 1 ? std::filesystem::path(argv[1]) : kv::executableFolder().parent_path();
    if (!std::filesystem::exists(build / "grafix" / "episode1.lev")) {
        std::fprintf(stderr, "headless_speed: no level files in %s/grafix\n",
                     build.string().c_str());
        return 2;
    }
    bench::ProgramFolder folder(build);
    kv::HeadlessHost host;
    kv::App app(host, folder.path());
    app.start();
    std::ostringstream sink;
    kv::ScriptDriver driver(app, host, sink, sink);
    // Past the intro, if it shows.
    for (int i = 0; i < 100 && !app.Form1.isLoaded(); ++i) {
        app.windows.keyDown(kv::keys::Space);
        driver.wait(10);
    }
    const double menu = framesPerSecond(driver, host);

    app.windows.click(app.Form1, *app.Form1.novahra);
    driver.wait(3000);
    app.windows.keyDown(kv::keys::Right);
    const double play = framesPerSecond(driver, host);
    std::printf("headless main menu: %.0f frames/s\n", menu);
    std::printf("headless play, level %d walking right: %.0f frames/s\n", app.state.levelNumber,
                play);
    return app.ended() ? 1 : 0;
}
