// The bot: plays Kvorlin headless from the main menu's new game to the window a game ends in,
// with key input only, and prints what it took. Exit code 0 when the game was won.
//
//   kvorlin_bot [BUILD_DIR] [--shots DIR]
//
// BUILD_DIR holds grafix/ and music/ (default: the build folder this program was built in).
// --shots writes pictures of the plants, the fight and the ending.
#include <unistd.h>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "runner.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    fs::path build = fs::canonical("/proc/self/exe").parent_path().parent_path().parent_path();
    kv::bot::RunOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--shots" && i + 1 < argc) {
            options.shots = argv[++i];
        } else if (!arg.empty() && arg[0] != '-') {
            build = arg;
        } else {
            std::cerr << "usage: kvorlin_bot [BUILD_DIR] [--shots DIR]\n";
            return 2;
        }
    }
    const fs::path work = fs::temp_directory_path() / ("kvorlin-bot-" + std::to_string(getpid()));
    const auto start = std::chrono::steady_clock::now();
    bool won = false;
    try {
        kv::bot::Runner runner(build, work, options);
        won = runner.run();
        runner.report(std::cout);
    } catch (const std::exception& e) {
        std::cerr << "kvorlin_bot: " << e.what() << '\n';
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "wall time " << wall << " s\n";
    fs::remove_all(work);
    return won ? 0 : 1;
}
