// Kvorlin: picks a host from the command line and runs the game.
#include <filesystem>
#include <iostream>
#include <string>

#include "base/files.h"
#include "driver/script_driver.h"
#include "platform/headless/headless_host.h"
#include "platform/sdl/sdl_host.h"
#include "shell/app.h"

namespace {

const char* const Usage =
    "usage: kvorlin [--program-dir DIR]\n"
    "       kvorlin --headless [--program-dir DIR] [--script FILE]\n"
    "       kvorlin --help | --version\n"
    "\n"
    "  --program-dir DIR  folder holding grafix/, music/ and sys.ini (default: the program's own)\n"
    "  --headless         run without a window or sound on a virtual clock, driven by a script\n"
    "  --script FILE      the script to run (\"-\" or none: standard input)\n";

int runHeadless(const std::filesystem::path& folder, const std::string& scriptFile) {
    kv::HeadlessHost host;
    kv::App app(host, folder);
    app.start();
    kv::ScriptDriver driver(app, host, std::cout, std::cerr);
    if (scriptFile.empty() || scriptFile == "-") return driver.run(std::cin);
    return driver.runFile(scriptFile);
}

int runWindowed(const std::filesystem::path& folder) {
    std::unique_ptr<kv::SdlHost> host;
    try {
        host = std::make_unique<kv::SdlHost>();
    } catch (const std::exception& e) {
        std::cerr << "kvorlin: " << e.what() << std::endl;
        return 1;
    }
    kv::App app(*host, folder);
    app.start();
    return app.run();
}

}  // namespace

int main(int argc, char** argv) {
    bool headless = false;
    std::filesystem::path folder;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            std::cout << Usage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "kvorlin " << KVORLIN_VERSION << '\n';
            return 0;
        }
        if (arg == "--headless") {
            headless = true;
        } else if (arg == "--program-dir" && i + 1 < argc) {
            folder = argv[++i];
        } else if (arg == "--script" && i + 1 < argc) {
            script = argv[++i];
        } else {
            std::cerr << "kvorlin: bad option " << arg << "\n" << Usage;
            return 2;
        }
    }
    if (!script.empty() && !headless) {
        std::cerr << "kvorlin: --script goes with --headless\n" << Usage;
        return 2;
    }
    if (folder.empty()) folder = kv::executableFolder();
    return headless ? runHeadless(folder, script) : runWindowed(folder);
}
