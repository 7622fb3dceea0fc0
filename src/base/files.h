#pragma once
// File services the game stands on. Every failure throws FileError naming the file.
#include <filesystem>
#include <string>

namespace kv {

std::string readFile(const std::filesystem::path& file);
// Replaces the file atomically: writes a temporary file in the same folder, then renames it
// over the old one, so a crash or a full disk never leaves half a file.
void writeFileAtomic(const std::filesystem::path& file, const std::string& bytes);
// Copies a file, replacing the target.
void copyFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Deletes every file in the pattern's folder whose name matches its last part ("*.bmp", "?.mid").
// Matching nothing is not an error. Returns how many files were deleted.
int deleteMatching(const std::filesystem::path& pattern);
// Shell-style match of '*' and '?', case-sensitive.
bool wildcardMatch(const std::string& pattern, const std::string& name);
// Joins the program folder and one of the game's path literals ("\grafix\e12.lev", "/sys.ini"),
// accepting either separator in the literal.
std::filesystem::path gamePath(const std::filesystem::path& programFolder,
                               const std::string& literal);
// The folder of the running executable.
std::filesystem::path executableFolder();

}  // namespace kv
