#pragma once
// Pictures of the intro window `checkpoint`.
#include "platform/picture.h"
#include "platform/text.h"

namespace kv {

// 300 x 38, the banner mask `normw(stage)`: the word in white on black, stage 0 "DRAVEX",
// 1 "PRESENTS", 2 "Kvorlin". Pure black and white, so the AND pass keeps the backdrop inside the
// letters and nothing else. The letters keep inside columns 11..288 and rows 1..31, the part the
// intro's slot shows.
Picture introBannerMask(const TextRenderer& text, int stage);
// 300 x 38, the banner image `normb(stage)`: entirely black.
Picture introBannerImage();
// 640 x 200, the backdrop `back(which)`: bright blobs on black, blue for 0 and red for 1.
Picture introBackdrop(int which);
// 297 x 34, the author's credit line `Picture2`, on black.
Picture introCreditLine(const TextRenderer& text);

}  // namespace kv
