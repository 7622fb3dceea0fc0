#pragma once
// Profile (INI) files as the game's settings file uses them: "[section]" lines, "key=value" lines,
// ';' comments, stored in Windows-1250. Values go in and come out as UTF-8. A file that starts
// with a UTF-8 byte-order mark is read and rewritten as UTF-8, mark kept; lines may end in
// "\r\n", "\n" or a lone "\r". A file in UTF-16, or holding a zero byte, is not read (every
// key gives its default) and never rewritten.
//
// Reading: section and key names match without regard to case (the code page's accented letters
// included); the first matching section counts, and in it the first matching key. The value is
// trimmed of surrounding blanks, one pair of matching surrounding quotes (" or ') is dropped, and
// at most maxChars code-page characters are kept. A key line without '=' reads as an empty value.
// Lines before the first section belong to no section.
//
// Writing changes only what it must: other lines keep their bytes and line endings. An existing
// key's line becomes "key=value" with the key spelled as it already is in the file; a new key goes
// right after the last key line of its section (or right after the section line); a new section
// goes at the end of the file. New lines take the line ending of the file's first line, or "\r\n"
// for a new file. Line breaks and zero bytes inside a value would split the line or spoil the
// file, so they are stored as spaces.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv {

// A missing or unreadable file, section or key gives defaultValue (its trailing blanks dropped,
// cut to maxChars characters). Never throws for a bad file.
std::string getProfileString(const std::filesystem::path& file, std::string_view section,
                             std::string_view key, std::string_view defaultValue, int maxChars = 9);

// Creates the file, the section and the key as needed; replaces the file atomically, keeping its
// mode. Throws FileError naming the file when it cannot be read or written, or when it is a link,
// read-only or in UTF-16; the old file is then unchanged.
void writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

// The same for several keys in one rewrite, applied in the given order.
void writeProfileStrings(const std::filesystem::path& file, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& keyValues);

// The same on a file's bytes in memory. The rewrite gives nothing for a file in UTF-16.
std::string profileValue(std::string_view bytes, std::string_view section, std::string_view key,
                         std::string_view defaultValue, int maxChars = 9);
std::optional<std::string> rewrittenProfile(
    std::string_view bytes, std::string_view section,
    const std::vector<std::pair<std::string, std::string>>& keyValues);

}  // namespace kv
