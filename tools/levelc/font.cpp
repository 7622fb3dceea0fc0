#include "font.h"

#include <cctype>

namespace kv::levelc {
namespace {

constexpr int kGlyphW = 5, kGlyphH = 7;

// Each glyph: 7 rows of 5 columns, '#' for a set pixel.
const char* glyph(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
        case '0':
            return " ### #   ##  ### # ###  ##   # ### ";
        case '1':
            return "  #   ##    #    #    #    #   ### ";
        case '2':
            return " ### #   #    #   #   #   #   #####";
        case '3':
            return "#####   #   #     #     ##   # ### ";
        case '4':
            return "   #   ##  # # #  # #####   #    # ";
        case '5':
            return "######    ####     #    ##   # ### ";
        case '6':
            return "  ##  #   #    #### #   ##   # ### ";
        case '7':
            return "#####    #   #   #   #    #    #   ";
        case '8':
            return " ### #   ##   # ### #   ##   # ### ";
        case '9':
            return " ### #   ##   # ####    #   #  ##  ";
        case 'A':
            return " ### #   ##   #######   ##   ##   #";
        case 'B':
            return "#### #   ##   ##### #   ##   ##### ";
        case 'C':
            return " ### #   ##    #    #    #   # ### ";
        case 'D':
            return "#### #   ##   ##   ##   ##   ##### ";
        case 'E':
            return "######    #    #### #    #    #####";
        case 'F':
            return "######    #    #### #    #    #    ";
        case 'G':
            return " ### #   ##    # ####   ##   # ####";
        case 'H':
            return "#   ##   ##   #######   ##   ##   #";
        case 'I':
            return " ###   #    #    #    #    #   ### ";
        case 'J':
            return "  ###   #    #    #    # #  #  ##  ";
        case 'K':
            return "#   ##  # # #  ##   # #  #  # #   #";
        case 'L':
            return "#    #    #    #    #    #    #####";
        case 'M':
            return "#   ### ### # ##   ##   ##   ##   #";
        case 'N':
            return "#   ##   ###  ## # ##  ###   ##   #";
        case 'O':
            return " ### #   ##   ##   ##   ##   # ### ";
        case 'P':
            return "#### #   ##   ##### #    #    #    ";
        case 'Q':
            return " ### #   ##   ##   ## # ##  #  ## #";
        case 'R':
            return "#### #   ##   ##### # #  #  # #   #";
        case 'S':
            return " ####    #     ###     #    #####  ";
        case 'T':
            return "#####  #    #    #    #    #    #  ";
        case 'U':
            return "#   ##   ##   ##   ##   ##   # ### ";
        case 'V':
            return "#   ##   ##   ##   ##   # # #   #  ";
        case 'W':
            return "#   ##   ##   ## # ## # ## # # # # ";
        case 'X':
            return "#   ##   # # #   #   # # #   ##   #";
        case 'Y':
            return "#   ##   # # #   #    #    #    #  ";
        case 'Z':
            return "#####    #   #   #   #   #    #####";
        case ':':
            return "      ##   ##        ##   ##       ";
        case '-':
            return "                ###                ";
        case '!':
            return "  #    #    #    #    #         #  ";
        default:
            return nullptr;
    }
}

}  // namespace

void drawText(Surface& s, int x, int y, const std::string& text, int scale, Colour c) {
    for (char ch : text) {
        if (const char* g = glyph(ch)) {
            for (int gy = 0; gy < kGlyphH; ++gy)
                for (int gx = 0; gx < kGlyphW; ++gx) {
                    const std::size_t i = static_cast<std::size_t>(gy * kGlyphW + gx);
                    if (g[i] == '#') s.fillRect(x + gx * scale, y + gy * scale, scale, scale, c);
                }
        }
        x += (kGlyphW + 1) * scale;
    }
}

int textWidth(const std::string& text, int scale) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * (kGlyphW + 1) * scale - scale;
}

}  // namespace kv::levelc
