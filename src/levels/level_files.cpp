#include "levels/level_files.h"

#include "base/bmp.h"
#include "base/errors.h"
#include "base/files.h"
#include "shell/app.h"

namespace kv {
namespace fs = std::filesystem;

namespace {

constexpr int kLevels = 12;
constexpr int kTunes = 7;

std::vector<std::string> names(const std::vector<fs::path>& files) {
    std::vector<std::string> out;
    for (const fs::path& f : files) out.push_back(f.filename().string());
    return out;
}

}  // namespace

std::filesystem::path LevelFile(const App& app, const std::string& stem, int level,
                                const std::string& extension) {
    // stem is "episode", "e" or "episode…mask": the number goes before "mask".
    const std::string n = std::to_string(level);
    std::string name = stem == "mask" ? "episode" + n + "mask" : stem + n;
    // The stored pictures are assets; their .bmp working copies are the game's own data.
    const std::string literal = "\\grafix\\" + name + extension;
    return extension == ".lev" ? app.paths.asset(literal) : app.paths.data(literal);
}

void CopyLevelPictures(const App& app, int level, bool withTitle) {
    if (withTitle) copyFile(LevelFile(app, "e", level, ".lev"), LevelFile(app, "e", level, ".bmp"));
    copyFile(LevelFile(app, "episode", level, ".lev"), LevelFile(app, "episode", level, ".bmp"));
    copyFile(LevelFile(app, "mask", level, ".lev"), LevelFile(app, "mask", level, ".bmp"));
}

Surface LoadLevelPicture(const App& app, const std::string& stem, int level) {
    return decodeBmp(readFile(LevelFile(app, stem, level, ".bmp")),
                     LevelFile(app, stem, level, ".lev").string());
}

std::vector<fs::path> LevelCopies(const Paths& paths) {
    std::vector<fs::path> copies{paths.data("/grafix/test.bmp")};
    for (int n = 1; n <= kLevels; ++n) {
        const std::string number = std::to_string(n);
        for (const std::string& name :
             {"e" + number, "episode" + number, "episode" + number + "mask"})
            copies.push_back(paths.data("/grafix/" + name + ".bmp"));
    }
    return copies;
}

std::vector<fs::path> TuneCopies(const Paths& paths) {
    std::vector<fs::path> copies;
    for (int n = 1; n <= kTunes; ++n)
        copies.push_back(paths.data("/music/" + std::to_string(n) + ".mid"));
    return copies;
}

void DeleteLevelCopies(const App& app) {
    for (const fs::path& copy : LevelCopies(app.paths)) deleteOwnFile(copy);
}

void DeleteWorkingCopies(const App& app) {
    for (const auto& copies : {LevelCopies(app.paths), TuneCopies(app.paths)}) {
        for (const fs::path& copy : copies) {
            try {
                deleteOwnFile(copy);
            } catch (const FileError& e) {
                app.warn(e.what());
            }
        }
    }
}

void RemoveStaleTemporaries(const Paths& paths) {
    try {
        removeStaleTemporaries(paths.dataFolder(), {"sys.ini", "extract.ext"});
        removeStaleTemporaries(paths.data("/grafix"), names(LevelCopies(paths)));
        removeStaleTemporaries(paths.data("/music"), names(TuneCopies(paths)));
    } catch (const FileError&) {
        // A leftover that cannot be removed harms nothing: it is never read.
    }
}

}  // namespace kv
