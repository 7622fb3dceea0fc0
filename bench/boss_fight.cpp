// The boss fight's cost. Without arguments: GameTick timed over 10 000 headless frames of the
// fight (the player throwing whenever it can, the boss walking and jumping at random), median,
// 99th percentile and worst. With --window SECONDS: the real window (SDL, needs a display) runs the
// same fight at the real pace and the processor time it used is printed.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/tick_timing.h"
#include "game/frame_loop.h"
#include "levels/level_files.h"
#include "levels/setup_level.h"
#include "platform/headless/headless_host.h"
#include "platform/sdl/sdl_host.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace fs = std::filesystem;

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

fs::path programFolder(const fs::path& build) {
    const fs::path dir = fs::temp_directory_path() / "kvorlin-boss-fight";
    fs::remove_all(dir);
    for (const char* sub : {"grafix", "music"}) {
        fs::create_directories(dir / sub);
        for (const auto& e : fs::directory_iterator(build / sub))
            fs::create_symlink(fs::absolute(e.path()), dir / sub / e.path().filename());
    }
    std::ofstream(dir / "sys.ini") << "[KV]\r\nfirstrun=no\r\nspeed=25\r\nNastaveni8=False\r\n";
    return dir;
}

// A new game, then straight to level 12 past the speech line, and Space on the speech.
void enterFight(kv::App& app) {
    app.start();
    while (!app.Form1.isLoaded()) app.step();
    app.windows.click(app.Form1, *app.Form1.novahra);
    kv::GameState& s = app.state;
    while (s.inMainMenu || app.Form1.loading->visible || app.Form1.Timer3->enabled()) app.step();
    s.levelNumber = 12;
    kv::CopyLevelPictures(app, 12, true);
    kv::SetupLevel(app);
    s.scrollX = 5400;
    s.playerX = 420;
    while (!app.Form1.Picture3->visible) app.step();
    app.windows.keyDown(kv::keys::Space);
    app.windows.keyUp(kv::keys::Space);
}

// Between frames: face the boss and throw; the bar and the lives are topped up so that the fight
// never ends.
void playerMoves(kv::App& app) {
    kv::GameState& s = app.state;
    const bool right = s.bossX > s.playerX + s.scrollX;
    app.windows.keyUp(right ? kv::keys::Right : kv::keys::Left);
    app.windows.keyUp(kv::keys::Ctrl);
    app.windows.keyUp(kv::keys::I);
    if (app.Form1.finallife->width < 60) app.Form1.finallife->width = 300;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path build = fs::canonical("/proc/self/exe").parent_path().parent_path();
    const fs::path dir = programFolder(build);

    if (argc > 2 && std::strcmp(argv[1], "--window") == 0) {
        const double seconds = std::atof(argv[2]);
        kv::SdlHost host;
        kv::App app(host, dir);
        enterFight(app);
        const long long frames0 = app.windows.framesStarted();
        const double cpu0 = cpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        const kv::Millis end = host.clock().ticks() + static_cast<kv::Millis>(seconds * 1000);
        while (host.clock().ticks() < end && app.windows.hasFrameLoop()) {
            playerMoves(app);
            app.step(end);
        }
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        std::printf("real window, boss fight: %.1f s, %lld frames, cpu %.1f %% of one core\n", wall,
                    app.windows.framesStarted() - frames0, 100.0 * (cpuSeconds() - cpu0) / wall);
        fs::remove_all(dir);
        return 0;
    }

    kv::HeadlessHost host;
    kv::App app(host, dir);
    enterFight(app);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 10000;
    const bench::TickTimes t =
        bench::timeGameTicks(app, host, frames, [&](int) { playerMoves(app); });
    std::printf(
        "GameTick over %d frames of the boss fight (score %s, boss at %d): median %.4f ms, p99 "
        "%.4f ms, worst %.3f ms\n",
        frames, app.Form1.score->caption.c_str(), app.state.bossX, t.median, t.p99, t.worst);
    fs::remove_all(dir);
    return 0;
}
