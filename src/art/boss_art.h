#pragma once
// Pictures of the boss fight: the speech and farewell boxes and the boss's life bar.
#include "platform/picture.h"
#include "platform/text.h"

namespace kv {

// 377 x 105, the speech box `Picture3`: a white panel in the boss's purple frame. The speech
// label (16, 24, 345 x 57) lies on white, so its text, white at first, darkens out of nothing.
Picture bossSpeechBox();
// 377 x 105, the farewell box `finaltext`: white with the heading "GAME OVER" at its top; the
// text label (40, 40, 305 x 57) lies on white below it.
Picture farewellBox(const TextRenderer& text);
// 300 x 25, the life bar `finallife`. Its box narrows from the right as the boss is hit.
Picture bossLifeBar();
// 300 x 25, `Picture1`: the dark trough the bar lies in, seen where the bar has shrunk away.
Picture bossLifeFrame();

}  // namespace kv
