// The high-score file: any bytes give at most seven rows, and a table written back reads the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "persist/high_scores.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto rows = kv::parseHighScores(bytes);
    if (rows.size() > kv::TableRows) __builtin_trap();
    const kv::ScoreTable table = kv::completeTable(rows);
    const auto again = kv::parseHighScores(kv::formatHighScores(table));
    if (again.size() != kv::TableRows) __builtin_trap();
    for (int i = 0; i < kv::TableRows; ++i)
        if (!(again[i] == table[i])) __builtin_trap();
    return 0;
}
