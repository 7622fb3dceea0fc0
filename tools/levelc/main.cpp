// levelc: compiles the level maps into the game's picture files.
//   levelc --out DIR MAP...        episodeN.lev, episodeNmask.lev, eN.lev per map
//   levelc --out DIR               test.lev, the start-up picture
//   levelc --preview DIR [MAP...]  an overview picture per level for review (all maps by default)
// Add --no-search to skip the (slow) proof that each level can be played through.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/bmp.h"
#include "base/errors.h"
#include "compiler.h"
#include "level_error.h"
#include "title.h"

namespace fs = std::filesystem;

namespace {

int usage() {
    std::cerr
        << "usage: levelc --out DIR [MAP.tmj...]\n"
           "       levelc --preview DIR [MAP.tmj...]\n"
           "options: --no-search  skip the search that proves each level can be played through\n";
    return 2;
}

std::vector<fs::path> defaultMaps() {
    std::vector<fs::path> maps;
#ifdef KVORLIN_LEVELS_DIR
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(KVORLIN_LEVELS_DIR, ec))
        if (entry.path().extension() == ".tmj") maps.push_back(entry.path());
#endif
    std::sort(maps.begin(), maps.end());
    return maps;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode, folder;
    bool search = true;
    std::vector<fs::path> maps;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--out" || arg == "--preview") && i + 1 < argc) {
            mode = arg;
            folder = argv[++i];
        } else if (arg == "--no-search") {
            search = false;
        } else if (!arg.empty() && arg[0] == '-') {
            return usage();
        } else {
            maps.emplace_back(arg);
        }
    }
    if (mode.empty()) return usage();
    if (maps.empty() && mode == "--preview") maps = defaultMaps();
    try {
        fs::create_directories(folder);
        for (const fs::path& file : maps) {
            const kv::levelc::CompiledLevel level =
                kv::levelc::compileLevel(kv::levelc::loadMap(file), search);
            if (mode == "--out") {
                kv::levelc::writeLevel(level, folder);
            } else {
                const std::string n = std::to_string(level.number);
                kv::saveBmp(kv::levelc::renderPreview(level.pictures, 4),
                            fs::path(folder) / ("level" + n + ".bmp"));
                kv::saveBmp(level.title, fs::path(folder) / ("e" + n + ".bmp"));
            }
        }
        if (mode == "--out" && maps.empty())
            kv::saveBmp(kv::levelc::renderTestPicture(), fs::path(folder) / "test.lev");
    } catch (const kv::levelc::LevelError& e) {
        std::cerr << "levelc: " << e.what() << "\n";
        return 1;
    } catch (const kv::FileError& e) {
        std::cerr << "levelc: " << e.what() << "\n";
        return 1;
    } catch (const std::filesystem::filesystem_error& e) {
        std::cerr << "levelc: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
