#pragma once
// Plain words on a picture box, for boxes that have no artwork of their own (see art/).
#include <string>

#include "platform/control.h"

namespace kv {

// Clears the box's own image to its back colour and centres the words on it.
void drawWords(const TextRenderer& text, PictureBox& box, const std::string& words, Colour fore,
               int size, bool bold);

}  // namespace kv
