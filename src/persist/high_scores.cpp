#include "persist/high_scores.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "base/codepage.h"

namespace kv {
namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

// One field of a line from `pos` on; leaves `pos` after the comma that ends it (or at the end).
std::string_view takeField(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && blank(line[pos])) ++pos;
    std::string_view field;
    if (pos < line.size() && line[pos] == '"') {
        const std::size_t close = line.find('"', pos + 1);
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        field = line.substr(pos + 1, end - pos - 1);
        pos = end;
    } else {
        const std::size_t comma = std::min(line.find(',', pos), line.size());
        field = line.substr(pos, comma - pos);
        while (!field.empty() && blank(field.back())) field.remove_suffix(1);
        pos = comma;
    }
    // Whatever stands between a closing quote and the comma is not part of the row.
    const std::size_t comma = line.find(',', pos);
    pos = comma == std::string_view::npos ? line.size() : comma + 1;
    return field;
}

// The length in bytes of the UTF-8 character starting with `lead`.
std::size_t utf8Bytes(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

}  // namespace

ScoreRow defaultScoreRow() {
    return {"Hobar Klenn", "10"};
}

long long scoreNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    constexpr long long limit = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string scoreText(std::string_view text) {
    return std::to_string(scoreNumber(text));
}

std::string cleanName(std::string_view utf8) {
    std::string name;
    int characters = 0;
    for (std::size_t i = 0; i < utf8.size() && characters < NameLimit;) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = std::min(utf8Bytes(lead), utf8.size() - i);
        const std::string_view piece = utf8.substr(i, len);
        i += len;
        // The replacement character stands for a byte the code page has no letter for.
        if (lead < 0x20 || lead == 0x7F || lead == '"' || piece == "\xEF\xBF\xBD") continue;
        // A stray continuation byte, or a lead byte cut short, is no character.
        if ((lead & 0xC0) == 0x80 || len < utf8Bytes(lead)) continue;
        name += piece;
        ++characters;
    }
    return name;
}

std::vector<ScoreRow> parseHighScores(std::string_view bytes) {
    std::vector<ScoreRow> rows;
    std::size_t start = 0;
    while (start < bytes.size() && static_cast<int>(rows.size()) < TableRows) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (std::all_of(line.begin(), line.end(), blank)) continue;
        std::size_t pos = 0;
        const std::string_view name = takeField(line, pos);
        const std::string_view score = takeField(line, pos);
        rows.push_back({cleanName(cp1250ToUtf8(name)), scoreText(score)});
    }
    return rows;
}

ScoreTable completeTable(const std::vector<ScoreRow>& rows) {
    ScoreTable table;
    for (int i = 0; i < TableRows; ++i)
        table[i] = i < static_cast<int>(rows.size()) ? rows[i] : defaultScoreRow();
    return table;
}

std::string formatHighScores(const ScoreTable& table) {
    std::string bytes;
    // Appended piece by piece: GCC 12 warns falsely on a chain of string additions.
    for (const ScoreRow& row : table) {
        bytes += '"';
        bytes += utf8ToCp1250(cleanName(row.name));
        bytes += "\",\"";
        bytes += scoreText(row.score);
        bytes += "\"\r\n";
    }
    return bytes;
}

int finalScoreOf(long long points, long long seconds) {
    // Far beyond the 16-bit range either way, so the difference cannot overflow.
    constexpr long long far = 1'000'000'000'000LL;
    const long long result = std::clamp(points, -far, far) - std::clamp(seconds, -far, far);
    return static_cast<int>(std::clamp<long long>(result, -32768, 32767));
}

int insertionRow(const ScoreTable& table, int result) {
    if (scoreNumber(table[TableRows - 1].score) >= result) return -1;
    for (int i = 0; i < TableRows; ++i)
        if (scoreNumber(table[i].score) <= result) return i;
    return TableRows - 1;
}

void insertRow(ScoreTable& table, int at, ScoreRow row) {
    if (at < 0 || at >= TableRows) return;
    for (int r = TableRows - 1; r > at; --r) table[r] = std::move(table[r - 1]);
    table[at] = std::move(row);
}

}  // namespace kv
