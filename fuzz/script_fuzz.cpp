// The headless driver's scripts against the whole game in a scratch program folder. Lines that
// would write files elsewhere (screenshot) or run for long (big waits) are left out.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "base/bmp.h"
#include "base/files.h"
#include "base/numbers.h"
#include "driver/script_driver.h"
#include "platform/headless/headless_host.h"
#include "shell/app.h"

namespace {
namespace fs = std::filesystem;

struct Game {
    explicit Game(const fs::path& folder) : app(host, folder), driver(app, host, out, out) {
        app.start();
    }
    kv::HeadlessHost host;
    kv::App app;
    std::ostringstream out;
    kv::ScriptDriver driver;
};

struct Fuzzing {
    fs::path folder;
    std::unique_ptr<Game> game;
    long runs = 0;
    std::ostringstream quiet;
};

Fuzzing& fuzzing() {
    static Fuzzing f;
    return f;
}

void makeFolder(const fs::path& folder) {
    fs::create_directories(folder / "grafix");
    fs::create_directories(folder / "music");
    kv::saveBmp(kv::Surface(5, 3, kv::rgb(10, 20, 30)), folder / "grafix" / "test.lev");
    for (int i = 1; i <= 7; ++i)
        kv::writeFileAtomic(folder / "music" / (std::to_string(i) + ".mus"),
                            std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14));
    kv::writeFileAtomic(folder / "sys.ini", "[KV]\r\nfirstrun=no\r\n");
}

// Whether the line may run; waits and frames draw on one budget of game time per input.
bool allowed(const std::string& line, long& budget) {
    std::istringstream words(line);
    std::string command, count;
    words >> command >> count;
    if (command == "screenshot") return false;
    if (command == "wait" || command == "frames") {
        const auto n = kv::parseWholeNumber(count);
        if (!n || *n < 0) return true;  // the driver refuses it
        const long cost = command == "wait" ? *n : *n * 25L;
        if (cost > budget) return false;
        budget -= cost;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzzing& f = fuzzing();
    std::string pattern = (fs::temp_directory_path() / "kv-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return 1;
    f.folder = pattern;
    makeFolder(f.folder);
    std::cerr.rdbuf(f.quiet.rdbuf());  // warnings of the game are no findings
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzzing& f = fuzzing();
    // A fresh game when the last one ended, and now and then so that state cannot pile up.
    if (!f.game || f.game->app.ended() || ++f.runs % 500 == 0) {
        f.game.reset();
        makeFolder(f.folder);
        f.game = std::make_unique<Game>(f.folder);
    }
    f.quiet.str("");
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::string kept;
    long budget = 3000;  // milliseconds of game time
    for (std::string line; std::getline(input, line);)
        if (allowed(line, budget)) kept += line + "\n";
    std::istringstream script(kept);
    f.game->out.str("");
    f.game->driver.run(script);
    return 0;
}
