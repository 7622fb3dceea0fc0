#pragma once
// Pictures of the high-score window `score1`.
#include "platform/picture.h"
#include "platform/text.h"

namespace kv {

// 640 x 343, the window's background: white, a black frame line, a sunken well behind the table
// and a footer line naming the game and its high-score table.
Picture scoreBackground(const TextRenderer& text);
// 224 x 59, the title `Image1` reading "!! HIGH !!" over "SCORE".
Picture scoreTitle(const TextRenderer& text);
// 425 x 265, the name-entry panel `Picture1`: the title and the words "Your Name :" on white,
// with a sunken edge round the place of the name box (184, 112, 161 x 19).
Picture nameEntryPanel(const TextRenderer& text);
// 71 x 37, the confirm picture `command1`: a blue button reading "OK ?".
Picture scoreOkButton(const TextRenderer& text);
// 71 x 37, the same button lit, for the mouse over it or the menu keys on it.
Picture scoreOkButtonLit(const TextRenderer& text);

}  // namespace kv
