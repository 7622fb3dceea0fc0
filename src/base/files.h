#pragma once
// File services the game stands on. Every failure throws FileError naming the file.
#include <filesystem>
#include <string>
#include <vector>

namespace kv {

std::string readFile(const std::filesystem::path& file);
// Replaces the file atomically: writes a temporary file in the same folder, then renames it
// over the old one, so a crash or a full disk never leaves half a file. The temporary gets a
// name of its own ("." + name + ".tmp" + process id + "-" + random letters), opened exclusively
// so that nothing planted under that name is written through. A link in the file's place is
// replaced, never followed; an existing file keeps its mode.
void writeFileAtomic(const std::filesystem::path& file, const std::string& bytes);
// Copies a file, replacing the target the same way.
void copyFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Throws FileError when the file is there but is not ours to rewrite in place: a link, a folder
// or a read-only file. A file that is not there yet may be created.
void checkRewritable(const std::filesystem::path& file);
// Deletes one file the game made. A file that is not there is no error; neither is one that is a
// link or no plain file, nor one in a folder that is a link: those are left alone. Returns
// whether it deleted the file.
bool deleteOwnFile(const std::filesystem::path& file);
// Removes the temporaries writeFileAtomic left in `folder` for the given file names when their
// process died mid-write (its id is gone, or the temporary is old). Returns how many.
int removeStaleTemporaries(const std::filesystem::path& folder,
                           const std::vector<std::string>& names);
// Joins the program folder and one of the game's path literals ("\grafix\e12.lev", "/sys.ini"),
// accepting either separator in the literal.
std::filesystem::path gamePath(const std::filesystem::path& programFolder,
                               const std::string& literal);
// The folder of the running executable.
std::filesystem::path executableFolder();

}  // namespace kv
