// Times SetupLevel for level 1 on the real level files: twenty runs, median and worst, and the
// size of the grafix folder the game ships with. Usage: setup_level [BUILD_DIR]; without it the
// build folder is the one above this program's own.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/files.h"
#include "bench/program_folder.h"
#include "levels/level_files.h"
#include "levels/setup_level.h"
#include "platform/headless/headless_host.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 20;

std::uintmax_t folderSize(const fs::path& folder) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) total += entry.file_size();
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path build = argc > 1 ? fs::path(argv[1]) : kv::executableFolder().parent_path();
    const fs::path grafix = build / "grafix";
    if (!fs::exists(grafix / "episode1.lev")) {
        std::fprintf(stderr, "setup_level: no level files in %s (pass the build folder)\n",
                     grafix.string().c_str());
        return 2;
    }

    try {
        bench::ProgramFolder folder(build);
        kv::HeadlessHost host;
        kv::App app(host, folder.path());
        app.start();
        if (!app.Form1.isLoaded()) app.windows.show(app.windows.loaded(app.Form1));
        app.state.levelNumber = 1;
        const auto copyStart = std::chrono::steady_clock::now();
        kv::CopyLevelPictures(app, 1, false);
        const std::chrono::duration<double, std::milli> copy =
            std::chrono::steady_clock::now() - copyStart;
        std::printf("copying level 1 to its working copies: %.1f ms\n", copy.count());

        std::vector<double> ms;
        for (int i = 0; i < kRuns; ++i) {
            const auto start = std::chrono::steady_clock::now();
            kv::SetupLevel(app);
            const auto end = std::chrono::steady_clock::now();
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        std::sort(ms.begin(), ms.end());
        const double median = (ms[kRuns / 2 - 1] + ms[kRuns / 2]) / 2;
        std::printf("SetupLevel, level 1, %d runs: median %.1f ms, worst %.1f ms\n", kRuns, median,
                    ms.back());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "setup_level: %s\n", e.what());
        return 1;
    }

    const std::uintmax_t bytes = folderSize(grafix);
    std::printf("grafix folder %s: %ju bytes (%.1f MiB)\n", grafix.string().c_str(), bytes,
                static_cast<double>(bytes) / (1024.0 * 1024.0));
    return 0;
}
