#pragma once
// Pictures of the in-game menu box that opens over the play screen.
#include "platform/picture.h"
#include "platform/text.h"

namespace kv {

// 200 x 100, the box `menu`: a white panel with a framed edge.
Picture gameMenuPanel();
// 200 x 29, the title `Picture6`: "IN GAME - MENU" in blue, "PAUSE" below it. Its edges carry on
// the panel's frame, since it covers the panel's top rows.
Picture gameMenuTitle(const TextRenderer& text);

enum class GameMenuItem { Continue, Menu, Exit };
// The items in red lettering on white: CONTINUE 107 x 19 (`Picture7`), MENU 57 x 14
// (`Picture8`), EXIT 50 x 19 (`Picture5`). The letters keep clear of the rows a neighbour covers
// where the items overlap in the finished box. Highlighted (by the menu keys): deeper red with a
// golden glow on a pale gold band.
Picture gameMenuItem(const TextRenderer& text, GameMenuItem item, bool highlighted = false);

}  // namespace kv
