// Times one frame of play (GameTick with its RenderFrame) over 10 000 headless frames of level 1,
// the player walking right and jumping now and then. Prints the median, the 99th percentile and
// the worst frame.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "bench/tick_timing.h"
#include "driver/script_driver.h"
#include "game/frame_loop.h"
#include "game/key_handlers.h"
#include "platform/headless/headless_host.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const fs::path build =
        argc > 1 ? fs::path(argv[1]) : fs::canonical("/proc/self/exe").parent_path().parent_path();
    const fs::path dir = fs::temp_directory_path() / "kvorlin-game-tick";
    fs::remove_all(dir);
    fs::create_directories(dir / "grafix");
    fs::create_directories(dir / "music");
    for (const auto& e : fs::directory_iterator(build / "grafix"))
        fs::create_symlink(e.path(), dir / "grafix" / e.path().filename());
    for (const auto& e : fs::directory_iterator(build / "music"))
        fs::create_symlink(e.path(), dir / "music" / e.path().filename());
    std::ofstream(dir / "sys.ini") << "[KV]\r\nfirstrun=no\r\nspeed=25\r\nNastaveni8=False\r\n";

    kv::HeadlessHost host;
    kv::App app(host, dir);
    app.start();
    std::ostringstream sink;
    kv::ScriptDriver driver(app, host, sink, sink);
    driver.execute("wait 3000", 1);
    driver.execute("click Form1.novahra", 2);
    while (app.state.inMainMenu) driver.frames(1);
    driver.wait(1100);  // the level-start timer
    kv::Form1KeyDown(app, kv::keys::Right);

    const int frames = argc > 2 ? std::atoi(argv[2]) : 10000;
    const bench::TickTimes t = bench::timeGameTicks(app, host, frames, [&](int i) {
        if (i % 40 == 0) kv::Form1KeyDown(app, kv::keys::Space);
        if (app.state.lives < 1) app.state.lives = 3;  // keep playing
    });
    std::printf(
        "GameTick over %d frames (level %d at the end, x %d): median %.4f ms, p99 %.4f ms, worst "
        "%.3f ms\n",
        frames, app.state.levelNumber, kv::playerLevelX(app.state), t.median, t.p99, t.worst);
    fs::remove_all(dir);
    return 0;
}
