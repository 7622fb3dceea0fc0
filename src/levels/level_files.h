#pragma once
// The level pictures are stored as .lev files and used through .bmp working copies; the tunes
// likewise as .mus files played from .mid copies. The copies are the only files the game
// deletes, by their names: nothing else in its folders is touched.
#include <filesystem>
#include <string>
#include <vector>

#include "base/surface.h"

namespace kv {

class App;
class Paths;

// Program folder & "\grafix\episode" & N & ".bmp" and its relatives; names kept letter for letter.
std::filesystem::path LevelFile(const App& app, const std::string& stem, int level,
                                const std::string& extension);
// Copies episodeN.lev and episodeNmask.lev (and eN.lev first when withTitle) to .bmp.
void CopyLevelPictures(const App& app, int level, bool withTitle);
// A level picture from its working copy; a bad picture is reported by its .lev name, the file
// to fix.
Surface LoadLevelPicture(const App& app, const std::string& stem, int level);

// Every working copy the game makes: grafix/test.bmp and the levels' .bmp copies, and the
// tunes' music/N.mid copies.
std::vector<std::filesystem::path> LevelCopies(const Paths& paths);
std::vector<std::filesystem::path> TuneCopies(const Paths& paths);
// Deletes every grafix .bmp working copy. Throws FileError when one cannot be deleted.
void DeleteLevelCopies(const App& app);
// The clean exit's deletes: pictures and tunes; a copy that cannot be deleted is a warning.
void DeleteWorkingCopies(const App& app);
// Removes temporaries of the game's files that a crash in the middle of a write left behind.
void RemoveStaleTemporaries(const Paths& paths);

}  // namespace kv
