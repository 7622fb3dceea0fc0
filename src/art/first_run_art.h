#pragma once
// Pictures of the first-run test window `Form2`.
#include <string_view>

#include "platform/picture.h"
#include "platform/text.h"

namespace kv {

// 319 x 65, the logo `Picture1`: the game's title over the words "First run Test", on white.
Picture firstRunLogo(const TextRenderer& text);
// 73 x 47, the confirm picture `Picture2`: a green button reading "GO !".
Picture firstRunGoButton(const TextRenderer& text);
// 65 x 17, a volume button `Command2` / `Command1`: the words on a small raised grey face.
Picture firstRunVolumeButton(const TextRenderer& text, std::string_view words);
// 486 x 169, the window's background picture: white inside a thin framed edge.
Picture firstRunBackground();

}  // namespace kv
