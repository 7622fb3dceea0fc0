#pragma once
#include <optional>
#include <string_view>

namespace kv {

// A whole decimal number with optional sign and surrounding blanks ("25", " -3 "), else nothing.
std::optional<int> parseWholeNumber(std::string_view text);

}  // namespace kv
