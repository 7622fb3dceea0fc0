#include "levels/level_files.h"

#include "base/files.h"
#include "shell/app.h"

namespace kv {

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

void DeleteLevelCopies(const App& app) {
    deleteMatching(app.paths.data("/grafix/*.bmp"));
}

}  // namespace kv
