#pragma once
// Pictures built from the XPM drawings compiled into the game.
#include <memory>
#include <string_view>

#include "base/surface.h"

namespace kv {

// A picture box's image; boxes that show the same picture share one.
using Picture = std::shared_ptr<const Surface>;

// A moving figure: the mask (black silhouette on white) is ANDed onto the screen, then the
// image (the figure on black) is ORed over it.
struct SpritePair {
    Picture mask;
    Picture image;
};

// Both halves of a sprite from one drawing; its transparent ("None") pixels become white in the
// mask and black in the image. `name` only labels error messages.
// Throws FileError when the data is not a well-formed XPM.
SpritePair spriteFromXpm(const char* const* xpm, std::string_view name = {});

// The drawing copied as it is, every pixel opaque (transparent pixels come out black).
Picture opaqueFromXpm(const char* const* xpm, std::string_view name = {});

}  // namespace kv
