#include "platform/text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <utility>

#include "base/errors.h"

namespace kv {
namespace {

struct FontCloser {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
using FontPtr = std::unique_ptr<TTF_Font, FontCloser>;

struct SurfaceCloser {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceCloser>;

// Keeps the font library initialised for as long as any font may be open.
struct TtfLibrary {
    TtfLibrary() {
        if (TTF_Init() != 0)
            throw std::runtime_error(std::string("cannot start the font library: ") +
                                     TTF_GetError());
    }
    ~TtfLibrary() { TTF_Quit(); }
    TtfLibrary(const TtfLibrary&) = delete;
    TtfLibrary& operator=(const TtfLibrary&) = delete;
};

struct FontFace {
    std::string family;
    std::string path;
    int index = 0;
    bool syntheticBold = false;
};

// ---- Finding the fonts ----------------------------------------------------------------------

struct FcConfigCloser {
    void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
struct FcPatternCloser {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternCloser>;

// The texts are Czech: a font without these letters would show boxes.
constexpr FcChar32 kCzechLetters[] = {0x11B, 0x161, 0x10D, 0x159, 0x17E, 0xFD,  0xE1,
                                      0xED,  0xE9,  0x16F, 0xFA,  0x10F, 0x165, 0x148};

// The face fontconfig offers for the family, or one with an empty path when it offers none fit.
FontFace matchFont(FcConfig* cfg, const char* family, bool bold) {
    FcPatternPtr pattern(FcPatternCreate());
    if (!pattern) return {};
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("cs"));
    FcConfigSubstitute(cfg, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    FcPatternPtr match(FcFontMatch(cfg, pattern.get(), &result));
    if (!match || result != FcResultMatch) return {};

    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    FcBool scalable = FcFalse;
    FcCharSet* chars = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return {};
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) != FcResultMatch) return {};
    if (FcPatternGetBool(match.get(), FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable)
        return {};
    if (FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &chars) == FcResultMatch) {
        for (FcChar32 c : kCzechLetters)
            if (!FcCharSetHasChar(chars, c)) return {};
    }
    FontFace face;
    face.path = reinterpret_cast<const char*>(file);
    face.family = reinterpret_cast<const char*>(matchedFamily);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &face.index);
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
    if (bold && weight < FC_WEIGHT_DEMIBOLD) return {};
    return face;
}

bool sameFamily(const std::string& a, const char* b) {
    return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
                      [](char x, char y) {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}

// DejaVu Sans when it is installed, otherwise whatever sans-serif face fontconfig offers.
std::pair<FontFace, FontFace> findFaces() {
    std::unique_ptr<FcConfig, FcConfigCloser> cfg(FcInitLoadConfigAndFonts());
    if (!cfg) throw FileError("cannot read the fontconfig configuration");

    FontFace regular = matchFont(cfg.get(), "DejaVu Sans", false);
    if (regular.path.empty() || !sameFamily(regular.family, "DejaVu Sans"))
        regular = matchFont(cfg.get(), "sans-serif", false);
    if (regular.path.empty())
        throw FileError(
            "no sans-serif font with Czech letters found through fontconfig "
            "(install fonts-dejavu-core)");

    FontFace bold = matchFont(cfg.get(), regular.family.c_str(), true);
    if (bold.path.empty() || !sameFamily(bold.family, regular.family.c_str()) ||
        bold.path == regular.path) {
        // No bold face of the family: embolden the regular one.
        bold = regular;
        bold.syntheticBold = true;
    }
    return {std::move(regular), std::move(bold)};
}

// ---- UTF-8 -----------------------------------------------------------------------------------

std::size_t charLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Index just past the character starting at i; a stray byte counts as one character.
std::size_t nextChar(std::string_view s, std::size_t i) {
    const std::size_t len = charLength(static_cast<unsigned char>(s[i]));
    std::size_t end = i + 1;
    while (end < s.size() && end < i + len && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

// The character of s[i, end); malformed sequences read as U+FFFD.
char32_t decodeChar(std::string_view s, std::size_t i, std::size_t end) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t len = end - i;
    if (len == 1) return lead < 0x80 ? lead : 0xFFFD;
    if (len != charLength(lead)) return 0xFFFD;
    char32_t c = lead & (0x7F >> len);
    for (std::size_t k = i + 1; k < end; ++k)
        c = c << 6 | (static_cast<unsigned char>(s[k]) & 0x3F);
    return c;
}

// Explicit line breaks: "\r\n", "\n" or a lone "\r".
std::vector<std::string_view> paragraphs(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\n' && s[i] != '\r') continue;
        out.push_back(s.substr(start, i - start));
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        start = i + 1;
    }
    out.push_back(s.substr(start));
    return out;
}

bool allSpaces(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

// ---- TextRenderer -----------------------------------------------------------------------------

struct TextRenderer::Impl {
    TtfLibrary library;  // first member: closed last, after every font
    FontFace regular;
    FontFace bold;
    std::map<std::pair<int, bool>, FontPtr> fonts;

    TTF_Font* font(const TextStyle& style) {
        const int size = std::max(style.size, 1);
        auto& slot = fonts[{size, style.bold}];
        if (!slot) {
            const FontFace& face = style.bold ? bold : regular;
            slot.reset(TTF_OpenFontIndex(face.path.c_str(), size, face.index));
            if (!slot) {
                fonts.erase({size, style.bold});
                throw FileError("cannot open font " + face.path + ": " + TTF_GetError());
            }
            if (face.syntheticBold) TTF_SetFontStyle(slot.get(), TTF_STYLE_BOLD);
        }
        return slot.get();
    }

    int width(TTF_Font* f, std::string_view text) const {
        if (text.empty()) return 0;
        const std::string s(text);
        int w = 0, h = 0;
        if (TTF_SizeUTF8(f, s.c_str(), &w, &h) != 0) return 0;
        return w;
    }

    // Longest prefix, ending between characters, that is at most maxWidth wide.
    std::size_t fittingPrefix(TTF_Font* f, std::string_view text, int maxWidth) const {
        std::vector<std::size_t> ends{0};
        for (std::size_t i = 0; i < text.size(); i = ends.back()) ends.push_back(nextChar(text, i));
        std::size_t lo = 0, hi = ends.size() - 1;  // ends[lo] fits (an empty prefix always does)
        while (lo < hi) {
            const std::size_t mid = (lo + hi + 1) / 2;
            if (width(f, text.substr(0, ends[mid])) <= maxWidth)
                lo = mid;
            else
                hi = mid - 1;
        }
        return ends[lo];
    }

    void wrap(TTF_Font* f, std::string_view p, int maxWidth,
              std::vector<std::string>& lines) const {
        while (true) {
            if (width(f, p) <= maxWidth) {
                lines.emplace_back(p);
                return;
            }
            const std::size_t fit = fittingPrefix(f, p, maxWidth);  // < p.size()
            const std::size_t space = p.rfind(' ', fit);
            if (space != std::string_view::npos) {
                lines.emplace_back(p.substr(0, space));
                p.remove_prefix(space + 1);
            } else {
                // One word wider than the box: break it, at least one character a line.
                const std::size_t cut = fit > 0 ? fit : nextChar(p, 0);
                lines.emplace_back(p.substr(0, cut));
                p.remove_prefix(cut);
            }
            if (p.empty()) return;
        }
    }
};

TextRenderer::TextRenderer() {
    // Without a font the program cannot show its menus; the application reports it like a
    // missing data file instead of dying here.
    try {
        auto impl = std::make_unique<Impl>();
        auto [regular, bold] = findFaces();
        impl->regular = std::move(regular);
        impl->bold = std::move(bold);
        // Open the default face now, so a broken font file shows at start-up.
        impl->font(TextStyle{});
        impl_ = std::move(impl);
    } catch (const std::exception& e) {
        problem_ = e.what();
    }
}

TextRenderer::~TextRenderer() = default;

int TextRenderer::lineHeight(const TextStyle& style) const {
    if (!impl_) return std::max(style.size, 1) + 2;
    return TTF_FontLineSkip(impl_->font(style));
}

int TextRenderer::textWidth(std::string_view utf8, const TextStyle& style) const {
    if (!impl_) return 0;
    return impl_->width(impl_->font(style), utf8);
}

bool TextRenderer::canShow(std::string_view utf8, const TextStyle& style) const {
    if (!impl_) return false;
    TTF_Font* f = impl_->font(style);
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t end = nextChar(utf8, i);
        const char32_t c = decodeChar(utf8, i, end);
        if (c != '\n' && c != '\r' && !TTF_GlyphIsProvided32(f, c)) return false;
        i = end;
    }
    return true;
}

std::vector<std::string> TextRenderer::layout(std::string_view utf8, int width, bool wordWrap,
                                              const TextStyle& style) const {
    std::vector<std::string> lines;
    if (utf8.empty() || !impl_) return lines;
    TTF_Font* f = impl_->font(style);
    for (std::string_view p : paragraphs(utf8)) {
        if (wordWrap && !p.empty())
            impl_->wrap(f, p, width, lines);
        else
            lines.emplace_back(p);
    }
    return lines;
}

void TextRenderer::draw(Surface& dst, int x, int y, int w, int h, std::string_view utf8,
                        bool wordWrap, const TextStyle& style) const {
    const int clipX0 = std::max(x, 0), clipY0 = std::max(y, 0);
    const int clipX1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{x} + w, dst.width()));
    const int clipY1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{y} + h, dst.height()));
    if (clipX0 >= clipX1 || clipY0 >= clipY1 || utf8.empty() || !impl_) return;

    TTF_Font* f = impl_->font(style);
    const int skip = TTF_FontLineSkip(f);
    const SDL_Color fore{static_cast<Uint8>(redOf(style.fore)),
                         static_cast<Uint8>(greenOf(style.fore)),
                         static_cast<Uint8>(blueOf(style.fore)), 255};
    const std::vector<std::string> lines = layout(utf8, w, wordWrap, style);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int top = y + static_cast<int>(i) * skip;
        if (top >= clipY1) break;
        if (allSpaces(lines[i])) continue;

        SdlSurface rendered(TTF_RenderUTF8_Blended(f, lines[i].c_str(), fore));
        if (rendered && rendered->format->format != SDL_PIXELFORMAT_ARGB8888)
            rendered.reset(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (!rendered) continue;
        SDL_Surface* s = rendered.get();
        if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) continue;

        int left = x;
        if (style.align == TextStyle::Align::Center)
            left = x + (w - s->w) / 2;
        else if (style.align == TextStyle::Align::Right)
            left = x + w - s->w;

        const int y0 = std::max(top, clipY0), y1 = std::min(top + s->h, clipY1);
        const int x0 = std::max(left, clipX0), x1 = std::min(left + s->w, clipX1);
        for (int py = y0; py < y1; ++py) {
            const auto* src =
                reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) +
                                                static_cast<std::ptrdiff_t>(py - top) * s->pitch);
            Colour* out = dst.row(py);
            for (int px = x0; px < x1; ++px) {
                const Uint32 v = src[px - left];
                const int a = static_cast<int>(v >> 24);
                if (a == 0) continue;
                const Colour d = out[px];
                const auto mix = [a](int fg, int bg) {
                    return (fg * a + bg * (255 - a) + 127) / 255;
                };
                out[px] = rgb(mix(static_cast<int>((v >> 16) & 255), redOf(d)),
                              mix(static_cast<int>((v >> 8) & 255), greenOf(d)),
                              mix(static_cast<int>(v & 255), blueOf(d)));
            }
        }
        if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    }
}

}  // namespace kv
