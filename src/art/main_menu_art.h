#pragma once
// Pictures of the main menu. The menu's background is plain white; these lie on it.
#include <string_view>

#include "platform/picture.h"
#include "platform/text.h"

namespace kv {

// 640 x 64, the title strip `hlpic`: the game's title over the words "Hlavní menu".
Picture menuTitleStrip(const TextRenderer& text);
// 122 x 29, one look of a menu item: light blue lettering, or darker blue when highlighted.
Picture menuItemLook(const TextRenderer& text, std::string_view words, bool highlighted);
// 640 x 54, the top edge of the black curtain `ttmmaa`: torn, white above and black below.
Picture curtainEdge();
// 640 x 21, the footer strip `cre` with the maker's credit.
Picture menuFooter(const TextRenderer& text);
// 347 x 80, the help panel `napp`. Only its top 60 rows come into view above the footer.
Picture helpPanel(const TextRenderer& text);
// 347 x 80, the credits panel `creed`. Only its top 50 rows come into view above the footer.
Picture creditsPanel(const TextRenderer& text);
// 20 x 20, the sound switch: a loudspeaker (`soundyes`), and the same crossed out in red
// (`soundno`).
Picture soundOnIcon();
Picture soundOffIcon();

}  // namespace kv
