#pragma once
// Windows bitmap files: read 24- and 32-bit (and 8-bit paletted) pictures, write 24-bit ones.
// Colours survive a round trip exactly, which the collision masks depend on.
#include <filesystem>
#include <string>

#include "base/surface.h"

namespace kv {

// Throws FileError naming the file when it is missing or not a bitmap we can read.
Surface loadBmp(const std::filesystem::path& file);
Surface decodeBmp(const std::string& bytes, const std::string& nameForErrors);

std::string encodeBmp(const Surface& picture);
// An 8-bit paletted bitmap when the picture has at most 256 colours (a third of the size, the
// colours still exact), otherwise the same as encodeBmp.
std::string encodeBmpPaletted(const Surface& picture);
// Writes atomically: a temporary file in the same folder, then a rename. Throws FileError.
void saveBmp(const Surface& picture, const std::filesystem::path& file);
void saveBmpPaletted(const Surface& picture, const std::filesystem::path& file);

}  // namespace kv
