#include "render/fixed_pictures.h"

namespace kv {

void drawWords(const TextRenderer& text, PictureBox& box, const std::string& words, Colour fore,
               int size, bool bold) {
    box.clear();
    TextStyle style;
    style.size = size;
    style.bold = bold;
    style.fore = fore;
    style.align = TextStyle::Align::Center;
    const int lines = static_cast<int>(text.layout(words, box.width, false, style).size());
    const int y = (box.height - lines * text.lineHeight(style)) / 2;
    text.draw(box.image(), 0, y, box.width, box.height - y, words, false, style);
}

}  // namespace kv
