#pragma once
// The bevelled panels and buttons the screens are built from.
#include <string_view>
#include <vector>

#include "art/lettering.h"
#include "platform/control.h"

namespace kv {

// A raised panel filling r: a navy frame line, a two-pixel bevel and a face shaded top to bottom.
void drawRaisedPanel(Surface& s, const Rect& r, const std::vector<Colour>& face);
// A sunken well filling r: the bevel turned round, so the face seems pressed in.
void drawSunkenWell(Surface& s, const Rect& r, const std::vector<Colour>& face);
// A push button filling r, `face` its colour, the words in gold capitals on it.
void drawButton(Surface& s, const TextRenderer& text, const Rect& r, Colour face,
                std::string_view words, int size);
// A horizontal rule fading out towards both ends.
void drawRule(Surface& s, int x, int y, int w, Colour c);

}  // namespace kv
