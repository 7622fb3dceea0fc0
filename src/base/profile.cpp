#include "base/profile.h"

#include <algorithm>

#include "base/codepage.h"
#include "base/errors.h"
#include "base/files.h"

namespace kv {
namespace fs = std::filesystem;

namespace {

// One line of the file, its ending kept apart so a rewrite can give it back unchanged.
struct Line {
    std::string text;
    std::string ending;  // "\r\n", "\n", or "" for a last line without one
};

enum class LineKind { Blank, Comment, Section, Key };

// What a line means. For a section, name is the section name; for a key, name and value are the
// trimmed parts around the first '='.
struct LineMeaning {
    LineKind kind = LineKind::Blank;
    std::string_view name;
    std::string_view value;
};

std::string_view trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::vector<Line> splitLines(const std::string& bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto newline = bytes.find('\n', start);
        if (newline == std::string::npos) {
            lines.push_back({bytes.substr(start), ""});
            break;
        }
        const bool crlf = newline > start && bytes[newline - 1] == '\r';
        const auto textEnd = crlf ? newline - 1 : newline;
        lines.push_back({bytes.substr(start, textEnd - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return lines;
}

LineMeaning classify(std::string_view text) {
    const std::string_view line = trim(text);
    if (line.empty()) return {};
    if (line.front() == ';') return {LineKind::Comment, {}, {}};
    if (line.front() == '[') {
        const auto close = line.find(']');
        const auto inner = line.substr(1, close == std::string_view::npos ? close : close - 1);
        return {LineKind::Section, trim(inner), {}};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {LineKind::Key, line, {}};
    return {LineKind::Key, trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

// Names are compared in the file's code page.
bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return cp1250ToLower(static_cast<unsigned char>(x)) ==
               cp1250ToLower(static_cast<unsigned char>(y));
    });
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Cuts UTF-8 text to its first maxChars characters (each one code-page byte once stored).
std::string_view firstCharacters(std::string_view utf8, int maxChars) {
    std::size_t pos = 0;
    for (int count = 0; pos < utf8.size(); ++pos) {
        if ((static_cast<unsigned char>(utf8[pos]) & 0xC0) == 0x80) continue;
        if (count++ == maxChars) break;
    }
    return utf8.substr(0, pos);
}

// The section's line index, or lines.size() when it is not there.
std::size_t findSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning meaning = classify(lines[i].text);
        if (meaning.kind == LineKind::Section && sameName(meaning.name, section)) return i;
    }
    return lines.size();
}

// The file's bytes for a rewrite: a file that is not there yet counts as empty.
std::string existingBytes(const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::exists(status)) return {};
    if (fs::is_directory(status)) throw FileError(file.string() + ": is a folder, not a file");
    return readFile(file);
}

std::string storedForm(std::string_view utf8) {
    std::string bytes = utf8ToCp1250(utf8);
    std::replace_if(
        bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return bytes;
}

void setKey(std::vector<Line>& lines, const std::string& section, const std::string& key,
            const std::string& value, const std::string& ending) {
    const std::size_t header = findSection(lines, section);
    if (header == lines.size()) {
        if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = ending;
        lines.push_back({"[" + section + "]", ending});
        lines.push_back({key + "=" + value, ending});
        return;
    }
    std::size_t lastKey = header;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const LineMeaning meaning = classify(lines[i].text);
        if (meaning.kind == LineKind::Section) break;
        if (meaning.kind != LineKind::Key) continue;
        if (sameName(meaning.name, key)) {
            lines[i].text = std::string(meaning.name) + "=" + value;
            return;
        }
        lastKey = i;
    }
    if (lines[lastKey].ending.empty()) lines[lastKey].ending = ending;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastKey) + 1,
                 Line{key + "=" + value, ending});
}

}  // namespace

std::string getProfileString(const fs::path& file, std::string_view section, std::string_view key,
                             std::string_view defaultValue, int maxChars) {
    maxChars = std::max(maxChars, 0);
    std::string bytes;
    std::error_code ec;
    if (fs::is_regular_file(file, ec)) {
        try {
            bytes = readFile(file);
        } catch (const FileError&) {
            bytes.clear();
        }
    }
    const std::string wantedSection = utf8ToCp1250(section);
    const std::string wantedKey = utf8ToCp1250(key);
    const std::vector<Line> lines = splitLines(bytes);
    for (std::size_t i = findSection(lines, wantedSection) + 1; i < lines.size(); ++i) {
        const LineMeaning meaning = classify(lines[i].text);
        if (meaning.kind == LineKind::Section) break;
        if (meaning.kind != LineKind::Key || !sameName(meaning.name, wantedKey)) continue;
        const std::string_view value = unquote(meaning.value);
        return cp1250ToUtf8(value.substr(0, static_cast<std::size_t>(maxChars)));
    }
    const auto lastKept = defaultValue.find_last_not_of(' ');
    defaultValue = defaultValue.substr(0, lastKept == std::string_view::npos ? 0 : lastKept + 1);
    return std::string(firstCharacters(defaultValue, maxChars));
}

void writeProfileString(const fs::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    writeProfileStrings(file, section, {{std::string(key), std::string(value)}});
}

void writeProfileStrings(const fs::path& file, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& keyValues) {
    std::vector<Line> lines = splitLines(existingBytes(file));
    std::string ending = "\r\n";
    if (!lines.empty() && !lines.front().ending.empty()) ending = lines.front().ending;

    const std::string storedSection = storedForm(section);
    for (const auto& [key, value] : keyValues) {
        setKey(lines, storedSection, storedForm(key), storedForm(value), ending);
    }

    std::string bytes;
    for (const Line& line : lines) bytes += line.text + line.ending;
    writeFileAtomic(file, bytes);
}

}  // namespace kv
