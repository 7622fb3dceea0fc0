#include "persist/high_scores.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kv {
namespace {

ScoreTable tableOf(std::initializer_list<int> scores) {
    ScoreTable t;
    int i = 0;
    for (int s : scores) {
        t[i] = {"row" + std::to_string(i), std::to_string(s)};
        ++i;
    }
    return t;
}

TEST(HighScores, NumberRuleTakesTheLeadingWholeNumber) {
    EXPECT_EQ(scoreNumber("  120abc"), 120);
    EXPECT_EQ(scoreNumber("-100"), -100);
    EXPECT_EQ(scoreNumber("+7"), 7);
    EXPECT_EQ(scoreNumber("abc"), 0);
    EXPECT_EQ(scoreNumber(""), 0);
    EXPECT_EQ(scoreNumber("- 5"), 0);
    EXPECT_EQ(scoreNumber("12 34"), 12);
    EXPECT_EQ(scoreNumber(std::string(40, '9')), std::numeric_limits<long long>::max());
    EXPECT_EQ(scoreText(" 007x"), "7");
}

TEST(HighScores, ResultIsPointsLessSecondsWithinSixteenBits) {
    EXPECT_EQ(finalScoreOf(500, 600), -100);
    EXPECT_EQ(finalScoreOf(40000, 0), 32767);
    EXPECT_EQ(finalScoreOf(0, 40000), -32768);
    EXPECT_EQ(
        finalScoreOf(std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max()),
        -32768);
}

TEST(HighScores, ResultGoesAboveTheFirstRowItEquals) {
    const ScoreTable t = tableOf({900, 800, 700, 600, 500, 400, 300});
    EXPECT_EQ(insertionRow(t, 300), -1);  // equal to the last row: nothing
    EXPECT_EQ(insertionRow(t, 301), 6);
    EXPECT_EQ(insertionRow(t, 600), 3);
    EXPECT_EQ(insertionRow(t, 5000), 0);
    // The −100 result qualifies only over a last row below it.
    EXPECT_EQ(insertionRow(tableOf({0, 0, 0, 0, 0, 0, -100}), finalScoreOf(500, 600)), -1);
    EXPECT_EQ(insertionRow(tableOf({0, 0, 0, 0, 0, 0, -101}), -100), 6);
    // A table out of order is taken as it stands.
    EXPECT_EQ(insertionRow(tableOf({5, 50, 10, 100, 1, 0, -5}), 20), 0);
    EXPECT_EQ(insertionRow(tableOf({50, 30, 10, 100, 1, 0, -5}), 20), 2);

    ScoreTable moved = tableOf({900, 800, 700, 600, 500, 400, 300});
    insertRow(moved, 3, {"new", "600"});
    EXPECT_EQ(moved[3], (ScoreRow{"new", "600"}));
    EXPECT_EQ(moved[4], (ScoreRow{"row3", "600"}));
    EXPECT_EQ(moved[6], (ScoreRow{"row5", "400"}));  // the old last row is gone
}

TEST(HighScores, FileLinesGiveRowsWhateverTheyHold) {
    const std::string file =
        "\"Hobar Klenn\",\"10\"\r\n"
        "\"Nov\xE1k, Jan\",\"-25\"\r\n"  // a comma inside the quotes
        "  bare name ,  77 points\n"
        "\r\n"  // blank lines are skipped
        "\"unclosed,5\r"
        "\"a\"junk,\"x1\",\"extra\"\n"
        "\"" +
        std::string(30, 'W') +
        "\",\"3\"\n"
        "only one field\n"
        "\"past the seventh\",\"1\"\n";
    const std::vector<ScoreRow> rows = parseHighScores(file);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], (ScoreRow{"Hobar Klenn", "10"}));
    EXPECT_EQ(rows[1], (ScoreRow{"Novák, Jan", "-25"}));
    EXPECT_EQ(rows[2], (ScoreRow{"bare name", "77"}));
    EXPECT_EQ(rows[3], (ScoreRow{"unclosed,5", "0"}));
    EXPECT_EQ(rows[4], (ScoreRow{"a", "0"}));
    EXPECT_EQ(rows[5], (ScoreRow{std::string(NameLimit, 'W'), "3"}));
    EXPECT_EQ(rows[6], (ScoreRow{"only one field", "0"}));

    // A short file is completed with the default row.
    const ScoreTable t = completeTable(parseHighScores("\"Ema\",\"5\"\n"));
    EXPECT_EQ(t[0], (ScoreRow{"Ema", "5"}));
    for (int i = 1; i < TableRows; ++i) EXPECT_EQ(t[i], (ScoreRow{"Hobar Klenn", "10"})) << i;
}

TEST(HighScores, WrittenTableReadsBackTheSame) {
    ScoreTable t = completeTable({});
    t[0] = {"Žluťoučký kůň, 2.", "-32768"};
    t[1] = {"a\"b", "15"};  // a quote cannot be kept: the format has no escape
    const std::string bytes = formatHighScores(t);
    const std::string stored =
        "\"\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2, 2.\",\"-32768\"\r\n\"ab\",\"15\"\r\n";
    EXPECT_EQ(bytes.substr(0, stored.size()), stored);
    const std::vector<ScoreRow> back = parseHighScores(bytes);
    ASSERT_EQ(back.size(), 7u);
    EXPECT_EQ(back[0], t[0]);
    EXPECT_EQ(back[1], (ScoreRow{"ab", "15"}));

    // Any bytes at all: at most seven rows, names the file can hold, and what is written of them
    // reads back unchanged.
    std::mt19937 random(7);
    const char pieces[] = {'"', ',', '\r', '\n', ' ', '-', '5', 'a', '\0', '\x9E', '\xFF', '\x81'};
    for (int run = 0; run < 500; ++run) {
        std::string junk;
        const int length = static_cast<int>(random() % 120);
        for (int i = 0; i < length; ++i)
            junk += random() % 3 ? pieces[random() % sizeof pieces] : static_cast<char>(random());
        const std::vector<ScoreRow> rows = parseHighScores(junk);
        ASSERT_LE(rows.size(), 7u);
        const ScoreTable table = completeTable(rows);
        for (const ScoreRow& row : table) {
            EXPECT_EQ(row.name, cleanName(row.name));
            EXPECT_EQ(row.score, scoreText(row.score));
        }
        const std::vector<ScoreRow> again = parseHighScores(formatHighScores(table));
        ASSERT_EQ(again.size(), 7u) << junk;
        for (int i = 0; i < TableRows; ++i) EXPECT_EQ(again[i], table[i]) << junk;
    }
}

}  // namespace
}  // namespace kv
