#pragma once
// The high-score table: seven rows, best first, and its file extract.ext, one line a row holding
// a quoted name and a quoted score ("Hobar Klenn","10"), stored in Windows-1250. Rules only: no
// files and no windows, so every piece can be driven with any bytes at all.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

struct ScoreRow {
    std::string name;   // UTF-8
    std::string score;  // the score as shown: plain decimal digits, a minus sign when negative

    bool operator==(const ScoreRow&) const = default;
};

inline constexpr int TableRows = 7;
// The longest name the table keeps, in characters.
inline constexpr int NameLimit = 20;
using ScoreTable = std::array<ScoreRow, TableRows>;

// What a missing row of the table holds.
ScoreRow defaultScoreRow();

// The number rule: blanks skipped, then the leading whole number (sign and digits); a text that
// does not start with one counts 0. Saturates instead of overflowing.
long long scoreNumber(std::string_view text);
// A score text passed through the number rule.
std::string scoreText(std::string_view text);

// A name the file can hold: no double quotes (the format has no escape), no control
// characters, at most NameLimit characters.
std::string cleanName(std::string_view utf8);

// The rows of a file's bytes, at most seven: one per line that holds anything, the rest ignored.
// Each line gives two comma-separated fields, each either in double quotes or bare up to the
// next comma; blanks before a field are skipped. Names are cleaned, scores pass the number rule.
// Never fails, whatever the bytes.
std::vector<ScoreRow> parseHighScores(std::string_view bytes);
// The table with rows missing from `rows` filled with the default row.
ScoreTable completeTable(const std::vector<ScoreRow>& rows);
// The file's bytes for a table: seven lines ending in CR LF.
std::string formatHighScores(const ScoreTable& table);

// A game's result: points less seconds played, kept within the 16-bit range.
int finalScoreOf(long long points, long long seconds);
// The row a result goes in: the first whose score is not above it; -1 when it does not beat the
// last row.
int insertionRow(const ScoreTable& table, int result);
// Puts the row in at `at`; the rows below move down and the last one drops out.
void insertRow(ScoreTable& table, int at, ScoreRow row);

}  // namespace kv
