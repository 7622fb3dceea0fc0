#pragma once
// A tiny 5 x 7 bitmap font for the words on the title pictures.
#include <string>

#include "base/surface.h"

namespace kv::levelc {

// Draws text with its top-left corner at (x, y), each font pixel scale x scale.
void drawText(Surface& s, int x, int y, const std::string& text, int scale, Colour c);
int textWidth(const std::string& text, int scale);

}  // namespace kv::levelc
