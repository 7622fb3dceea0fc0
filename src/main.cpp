// Kvorlin: picks its folders and a host from the command line and runs the game.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "art/icon_art.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/numbers.h"
#include "base/paths.h"
#include "driver/script_driver.h"
#include "platform/headless/headless_host.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sdl/window_settings.h"
#include "shell/app.h"

#ifndef KVORLIN_INSTALLED_ASSETS
#define KVORLIN_INSTALLED_ASSETS "../share/kvorlin"
#endif

namespace {

namespace fs = std::filesystem;

const char* const Usage =
    "usage: kvorlin [--fullscreen | --window] [--scale N] [--program-dir DIR]\n"
    "       kvorlin --headless [--program-dir DIR] [--script FILE]\n"
    "       kvorlin --help | --version\n"
    "\n"
    "  --fullscreen       play on the whole screen (Alt+Enter or F11 switches; remembered)\n"
    "  --window           play in a window\n"
    "  --scale N          window pixels per game pixel, 1 to 8 (remembered)\n"
    "  --program-dir DIR  folder holding grafix/ and music/ (default: the program's own)\n"
    "  --headless         run without a window or sound on a virtual clock, driven by a script\n"
    "  --script FILE      the script to run (\"-\" or none: standard input)\n";

struct Options {
    bool help = false, version = false, headless = false;
    std::optional<bool> fullscreen;
    std::optional<int> scale;
    fs::path programDir;
    std::string script;
};

// Parses the arguments; an error message when they make no sense.
std::optional<std::string> parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--headless") {
            o.headless = true;
        } else if (arg == "--fullscreen" || arg == "--window") {
            o.fullscreen = arg == "--fullscreen";
        } else if (arg == "--scale" && hasValue) {
            const auto n = kv::parseWholeNumber(argv[++i]);
            if (!n || *n < 1 || *n > kv::WindowSettings::MaxScale)
                return std::string("--scale takes a whole number from 1 to 8, not ") + argv[i];
            o.scale = *n;
        } else if (arg == "--program-dir" && hasValue) {
            o.programDir = argv[++i];
        } else if (arg == "--script" && hasValue) {
            o.script = argv[++i];
        } else {
            return "bad option " + arg;
        }
    }
    if (!o.script.empty() && !o.headless) return std::string("--script goes with --headless");
    return std::nullopt;
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "";
}

kv::Paths choosePaths(const Options& o) {
    const kv::AssetFolder assets =
        o.programDir.empty() ? kv::findAssets(kv::executableFolder(), KVORLIN_INSTALLED_ASSETS)
                             : kv::AssetFolder{o.programDir, false};
    const std::string home = homeFolder();
    return kv::choosePaths(assets, kv::userDataFolder(std::getenv("XDG_DATA_HOME"), home.c_str()),
                           kv::folderTakesFiles);
}

void prepare(const kv::Paths& paths) {
    try {
        kv::prepareDataFolder(paths);
    } catch (const kv::FileError& e) {
        // The first file the game cannot write will be reported with its name.
        std::cerr << "kvorlin: " << e.what() << std::endl;
    }
}

int runHeadless(const kv::Paths& paths, const std::string& scriptFile) {
    kv::HeadlessHost host;
    kv::App app(host, paths);
    app.start();
    kv::ScriptDriver driver(app, host, std::cout, std::cerr);
    if (scriptFile.empty() || scriptFile == "-") return driver.run(std::cin);
    return driver.runFile(scriptFile);
}

void remember(const fs::path& ini, const kv::WindowSettings& settings) {
    try {
        kv::saveWindowSettings(ini, settings);
    } catch (const kv::FileError& e) {
        std::cerr << "kvorlin: " << e.what() << " (screen mode not remembered)" << std::endl;
    }
}

int runWindowed(const kv::Paths& paths, const Options& o) {
    const fs::path ini = paths.data("\\sys.ini");
    kv::WindowSettings settings = kv::readWindowSettings(ini);
    if (o.fullscreen) settings.fullscreen = *o.fullscreen;
    if (o.scale) settings.scale = *o.scale;
    if (o.fullscreen || o.scale) remember(ini, settings);

    std::unique_ptr<kv::SdlHost> host;
    try {
        host = std::make_unique<kv::SdlHost>(settings);
    } catch (const std::exception& e) {
        std::cerr << "kvorlin: " << e.what() << std::endl;
        return 1;
    }
    host->setIcon(kv::gameIcon(64));
    host->onFullscreenChanged = [ini, settings](bool on) mutable {
        settings.fullscreen = on;
        remember(ini, settings);
    };
    kv::App app(*host, paths);
    app.start();
    return app.run();
}

}  // namespace

int main(int argc, char** argv) {
    // The error dialog of a running game, shown by the game as a child process.
    if (argc == 3 && std::string(argv[1]) == "--error-dialog")
        return kv::showErrorDialog(argv[2]) ? 0 : 1;

    Options o;
    if (const auto error = parse(argc, argv, o)) {
        std::cerr << "kvorlin: " << *error << "\n" << Usage;
        return 2;
    }
    if (o.version) {
        std::cout << "kvorlin " << KVORLIN_VERSION << '\n';
        return 0;
    }
    const kv::Paths paths = choosePaths(o);
    if (o.help) {
        std::cout << Usage << "\n"
                  << "Game files are read from " << paths.assetFolder().string() << "\n"
                  << "Settings, high scores and working copies are kept in "
                  << paths.dataFolder().string() << "\n";
        return 0;
    }
    prepare(paths);
    return o.headless ? runHeadless(paths, o.script) : runWindowed(paths, o);
}
