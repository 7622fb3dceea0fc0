#include "levels/level_files.h"

#include "platform/files.h"
#include "shell/app.h"

namespace kv {

std::filesystem::path LevelFile(const App& app, const std::string& stem, int level,
                                const std::string& extension) {
    // stem is "episode", "e" or "episode…mask": the number goes before "mask".
    const std::string n = std::to_string(level);
    std::string name = stem == "mask" ? "episode" + n + "mask" : stem + n;
    return gamePath(app.programFolder, "\\grafix\\" + name + extension);
}

void CopyLevelPictures(const App& app, int level, bool withTitle) {
    if (withTitle) copyFile(LevelFile(app, "e", level, ".lev"), LevelFile(app, "e", level, ".bmp"));
    copyFile(LevelFile(app, "episode", level, ".lev"), LevelFile(app, "episode", level, ".bmp"));
    copyFile(LevelFile(app, "mask", level, ".lev"), LevelFile(app, "mask", level, ".bmp"));
}

void DeleteLevelCopies(const App& app) {
    deleteMatching(gamePath(app.programFolder, "/grafix/*.bmp"));
}

}  // namespace kv
