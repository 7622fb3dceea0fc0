#pragma once
// PNG files of 8-bit RGBA pictures, stored without compression: the icons are small, and no
// compression library is needed.
#include <string>

#include "platform/icon_image.h"

namespace kv {

std::string encodePng(const IconImage& image);

}  // namespace kv
