#pragma once
// Fixed pictures of words and panels, drawn from code when a window loads.
#include <string>

#include "platform/control.h"

namespace kv {

// Clears the box's own image to its back colour and centres the words on it.
void drawWords(const TextRenderer& text, PictureBox& box, const std::string& words, Colour fore,
               int size, bool bold);
// Lines of text from the top-left corner with a margin, wrapped to the box.
void drawParagraph(const TextRenderer& text, PictureBox& box, const std::string& words, Colour fore,
                   int size);

}  // namespace kv
