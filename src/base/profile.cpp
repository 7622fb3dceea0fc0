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

// Lines end in "\r\n", "\n" or a lone "\r", whatever editor wrote the file.
std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        const std::size_t endingSize = crlf ? 2 : 1;
        lines.push_back({std::string(bytes.substr(start, end - start)),
                         std::string(bytes.substr(end, endingSize))});
        start = end + endingSize;
    }
    return lines;
}

// How the file stores its text: the game's code page, or UTF-8 behind a byte-order mark as some
// editors save it. UTF-16, or anything holding a zero byte (no text the game writes does), is
// foreign: not read at all, never rewritten.
enum class Encoding { CodePage, Utf8, Foreign };

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

Encoding encodingOf(std::string_view bytes) {
    if (bytes.substr(0, 3) == kUtf8Mark) return Encoding::Utf8;
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return Encoding::Foreign;
    // Without a mark, UTF-16 shows as a zero byte beside every ASCII letter.
    if (bytes.find('\0') != std::string_view::npos) return Encoding::Foreign;
    return Encoding::CodePage;
}

// The file's lines without the mark, and what the file is in.
struct ParsedFile {
    Encoding encoding = Encoding::CodePage;
    std::vector<Line> lines;
};

ParsedFile parse(std::string_view bytes) {
    ParsedFile file;
    file.encoding = encodingOf(bytes);
    if (file.encoding == Encoding::Foreign) return file;
    if (file.encoding == Encoding::Utf8) bytes.remove_prefix(kUtf8Mark.size());
    file.lines = splitLines(bytes);
    return file;
}

// Text as the file holds it, and back.
std::string toFile(std::string_view utf8, Encoding encoding) {
    return encoding == Encoding::Utf8 ? validUtf8(utf8) : utf8ToCp1250(utf8);
}
std::string fromFile(std::string_view bytes, Encoding encoding) {
    return encoding == Encoding::Utf8 ? validUtf8(bytes) : cp1250ToUtf8(bytes);
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

// Names are compared in the game's code page.
bool sameCodePageName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return cp1250ToLower(static_cast<unsigned char>(x)) ==
               cp1250ToLower(static_cast<unsigned char>(y));
    });
}

bool sameName(std::string_view a, std::string_view b, Encoding encoding) {
    if (encoding == Encoding::CodePage) return sameCodePageName(a, b);
    return sameCodePageName(utf8ToCp1250(a), utf8ToCp1250(b));
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
std::size_t findSection(const std::vector<Line>& lines, std::string_view section,
                        Encoding encoding) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning meaning = classify(lines[i].text);
        if (meaning.kind == LineKind::Section && sameName(meaning.name, section, encoding))
            return i;
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

std::string storedForm(std::string_view utf8, Encoding encoding) {
    std::string bytes = toFile(utf8, encoding);
    // A zero byte would make the whole file unreadable next time.
    std::replace_if(
        bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; },
        ' ');
    return bytes;
}

void setKey(std::vector<Line>& lines, const std::string& section, const std::string& key,
            const std::string& value, const std::string& ending, Encoding encoding) {
    const std::size_t header = findSection(lines, section, encoding);
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
        if (sameName(meaning.name, key, encoding)) {
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

std::string profileValue(std::string_view bytes, std::string_view section, std::string_view key,
                         std::string_view defaultValue, int maxChars) {
    maxChars = std::max(maxChars, 0);
    const ParsedFile parsed = parse(bytes);
    const Encoding encoding = parsed.encoding;
    const std::vector<Line>& lines = parsed.lines;
    const std::string wantedSection = toFile(section, encoding);
    const std::string wantedKey = toFile(key, encoding);
    for (std::size_t i = findSection(lines, wantedSection, encoding) + 1; i < lines.size(); ++i) {
        const LineMeaning meaning = classify(lines[i].text);
        if (meaning.kind == LineKind::Section) break;
        if (meaning.kind != LineKind::Key || !sameName(meaning.name, wantedKey, encoding)) continue;
        const std::string value = fromFile(unquote(meaning.value), encoding);
        return std::string(firstCharacters(value, maxChars));
    }
    const auto lastKept = defaultValue.find_last_not_of(' ');
    defaultValue = defaultValue.substr(0, lastKept == std::string_view::npos ? 0 : lastKept + 1);
    return std::string(firstCharacters(defaultValue, maxChars));
}

std::optional<std::string> rewrittenProfile(
    std::string_view bytes, std::string_view section,
    const std::vector<std::pair<std::string, std::string>>& keyValues) {
    ParsedFile parsed = parse(bytes);
    if (parsed.encoding == Encoding::Foreign) return std::nullopt;
    const Encoding encoding = parsed.encoding;
    std::vector<Line>& lines = parsed.lines;
    std::string ending = "\r\n";
    if (!lines.empty() && !lines.front().ending.empty()) ending = lines.front().ending;

    const std::string storedSection = storedForm(section, encoding);
    for (const auto& [key, value] : keyValues) {
        setKey(lines, storedSection, storedForm(key, encoding), storedForm(value, encoding), ending,
               encoding);
    }

    std::string out = encoding == Encoding::Utf8 ? std::string(kUtf8Mark) : std::string();
    for (const Line& line : lines) out += line.text + line.ending;
    return out;
}

std::string getProfileString(const fs::path& file, std::string_view section, std::string_view key,
                             std::string_view defaultValue, int maxChars) {
    std::string bytes;
    std::error_code ec;
    if (fs::is_regular_file(file, ec)) {
        try {
            bytes = readFile(file);
        } catch (const FileError&) {
            bytes.clear();
        }
    }
    return profileValue(bytes, section, key, defaultValue, maxChars);
}

void writeProfileString(const fs::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    writeProfileStrings(file, section, {{std::string(key), std::string(value)}});
}

void writeProfileStrings(const fs::path& file, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& keyValues) {
    // Only a plain, writable file is rewritten: a link or a read-only file stays as the player
    // left it.
    checkRewritable(file);
    const std::optional<std::string> bytes =
        rewrittenProfile(existingBytes(file), section, keyValues);
    if (!bytes)
        throw FileError(file.string() +
                        ": stored as UTF-16 or not as text, which the game does not read; left "
                        "as it is");
    writeFileAtomic(file, *bytes);
}

}  // namespace kv
