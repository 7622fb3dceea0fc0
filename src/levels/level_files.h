#pragma once
// The level pictures are stored as .lev files and used through .bmp working copies.
#include <filesystem>
#include <string>

namespace kv {

class App;

// Program folder & "\grafix\episode" & N & ".bmp" and its relatives; names kept letter for letter.
std::filesystem::path LevelFile(const App& app, const std::string& stem, int level,
                                const std::string& extension);
// Copies episodeN.lev and episodeNmask.lev (and eN.lev first when withTitle) to .bmp.
void CopyLevelPictures(const App& app, int level, bool withTitle);
// Deletes every grafix/*.bmp working copy.
void DeleteLevelCopies(const App& app);

}  // namespace kv
