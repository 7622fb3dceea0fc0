#pragma once
// Drawing the game's UTF-8 texts (labels, text boxes, words on fixed pictures) into surfaces.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/surface.h"

namespace kv {

struct TextStyle {
    int size =
        11;  // font size as the font library takes it; 11 gives the 13 px lines of the labels
    bool bold = false;
    Colour fore = 0;
    enum class Align { Left, Center, Right } align = Align::Left;
};

// Owns the font library and the fonts it has opened; one per application.
class TextRenderer {
  public:
    // Finds DejaVu Sans (or any sans-serif font with Czech letters) through fontconfig. When no
    // usable font is installed it says so in problem() and draws nothing; it never throws.
    TextRenderer();
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Why there is no font to draw with, naming what to install; empty when there is one.
    const std::string& problem() const { return problem_; }

    // Distance from one line's top to the next one's.
    int lineHeight(const TextStyle& style) const;
    // Advance width of one line of text; runs of spaces count.
    int textWidth(std::string_view utf8, const TextStyle& style) const;
    // True when the font has a glyph for every character of the text.
    bool canShow(std::string_view utf8, const TextStyle& style) const;

    // The lines as a label shows them: '\n' and "\r\n" always break; with wordWrap, lines also
    // break at spaces so each fits `width`. Spaces keep their width (runs of them are layout); the
    // one space a line breaks at is dropped; a word wider than the box is broken between
    // characters. An empty text has no lines.
    std::vector<std::string> layout(std::string_view utf8, int width, bool wordWrap,
                                    const TextStyle& style) const;

    // Draws the laid-out text anti-aliased over what dst holds, clipped to the box (x, y, w, h).
    void draw(Surface& dst, int x, int y, int w, int h, std::string_view utf8, bool wordWrap,
              const TextStyle& style) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;  // null without a usable font
    std::string problem_;
};

}  // namespace kv
