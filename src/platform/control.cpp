#include "platform/control.h"

#include <algorithm>
#include <limits>

#include "platform/host.h"

namespace kv {
namespace {

// A block copy restricted to a clip rectangle of the destination.
void blitClipped(Surface& dst, const Rect& clip, int dx, int dy, int w, int h, const Surface& src,
                 int sx, int sy) {
    const Rect r = Rect{dx, dy, w, h}.intersect(clip);
    if (r.empty()) return;
    blit(dst, r.x, r.y, r.w, r.h, src, sx + (r.x - dx), sy + (r.y - dy), Rop::Copy);
}

// Text is laid out in its whole box but drawn into at most this much of it.
constexpr int kMaxCoverage = 4096;

// Past this far, positions and sizes are not drawn at all: their sums would not fit an int.
constexpr int kFar = 1 << 29;

// Blends the cached coverage of a text in its fore colour over the box, through the clip.
void paintText(Surface& dst, const Rect& box, const Rect& clip, const std::string& s, bool wrap,
               bool opaque, Colour back, const TextStyle& style, const TextRenderer& text,
               TextCache& cache) {
    Rect visible = box.intersect(clip);
    if (visible.empty()) return;
    if (opaque) dst.fillRect(visible.x, visible.y, visible.w, visible.h, back);
    if (s.empty()) return;
    const Surface& cov = cache.get(s, box.w, box.h, wrap, style, text);
    visible = visible.intersect({box.x, box.y, cov.width(), cov.height()});
    if (visible.empty()) return;
    const int fr = redOf(style.fore), fg = greenOf(style.fore), fb = blueOf(style.fore);
    for (int y = visible.y; y < visible.y + visible.h; ++y) {
        const Colour* a = cov.row(y - box.y) + (visible.x - box.x);
        Colour* d = dst.row(y) + visible.x;
        for (int x = 0; x < visible.w; ++x) {
            const int k = redOf(a[x]);
            if (k == 0) continue;
            const Colour o = d[x];
            d[x] = rgb((fr * k + redOf(o) * (255 - k) + 127) / 255,
                       (fg * k + greenOf(o) * (255 - k) + 127) / 255,
                       (fb * k + blueOf(o) * (255 - k) + 127) / 255);
        }
    }
}

std::string colourText(Colour c) {
    return std::to_string(c);
}

bool parseInt(const std::string& v, long long& out) {
    try {
        std::size_t used = 0;
        out = std::stoll(v, &used);
        return used == v.size();
    } catch (...) {
        return false;
    }
}

}  // namespace

const Surface& TextCache::get(const std::string& s, int w, int h, bool wordWrap,
                              const TextStyle& style, const TextRenderer& renderer) {
    if (s != text || w != width || h != height || wordWrap != wrap || style.size != size ||
        style.bold != bold || style.align != align) {
        text = s;
        width = w;
        height = h;
        wrap = wordWrap;
        size = style.size;
        bold = style.bold;
        align = style.align;
        coverage = Surface(std::min(w, kMaxCoverage), std::min(h, kMaxCoverage), 0);
        TextStyle white = style;
        white.fore = rgb(255, 255, 255);
        renderer.draw(coverage, 0, 0, w, h, s, wordWrap, white);
    }
    return coverage;
}

Rect Rect::intersect(const Rect& o) const {
    using Wide = std::int64_t;
    const Wide x0 = std::max(x, o.x), y0 = std::max(y, o.y);
    const Wide x1 = std::min(Wide{x} + w, Wide{o.x} + o.w);
    const Wide y1 = std::min(Wide{y} + h, Wide{o.y} + o.h);
    // Both edges of a non-empty result lie inside both rectangles, so they fit an int.
    if (x1 <= x0 || y1 <= y0) return {x, y, 0, 0};
    return {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
            static_cast<int>(y1 - y0)};
}

void Control::bringToFront() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const auto& c) { return c.get() == this; });
    if (it == siblings.end()) return;
    std::unique_ptr<Control> self = std::move(*it);
    siblings.erase(it);
    siblings.push_back(std::move(self));
}

void Control::paint(Surface& dst, int ox, int oy, const Rect& clip,
                    const TextRenderer& text) const {
    if (!visible || width <= 0 || height <= 0 || width > kFar || height > kFar) return;
    const std::int64_t x = std::int64_t{ox} + left, y = std::int64_t{oy} + top;
    if (x < -kFar || x > kFar || y < -kFar || y > kFar) return;
    const Rect box{static_cast<int>(x), static_cast<int>(y), width, height};
    const Rect inner = box.intersect(clip);
    if (inner.empty()) return;
    paintSelf(dst, box, inner, text);
    for (const auto& child : children_) child->paint(dst, box.x, box.y, inner, text);
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible) return false;
    return true;
}

Control* Control::hitTest(int x, int y) {
    if (!visible || !Rect{left, top, width, height}.contains(x, y)) return nullptr;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (Control* hit = (*it)->hitTest(x - left, y - top)) return hit;
    return this;
}

bool Control::getProperty(const std::string& prop, std::string& out) const {
    if (prop == "Left")
        out = std::to_string(left);
    else if (prop == "Top")
        out = std::to_string(top);
    else if (prop == "Width")
        out = std::to_string(width);
    else if (prop == "Height")
        out = std::to_string(height);
    else if (prop == "Visible")
        out = visible ? "True" : "False";
    else
        return false;
    return true;
}

bool Control::setProperty(const std::string& prop, const std::string& value) {
    if (prop == "Visible") {
        if (value != "True" && value != "False" && !value.empty()) return false;
        visible = value == "True";
        return true;
    }
    long long n = 0;
    if (!value.empty() && !parseInt(value, n)) return false;
    // A control may stand anywhere an int reaches, but no bigger than MaxSize each way.
    const bool isSize = prop == "Width" || prop == "Height";
    if (n < (isSize ? 0 : std::numeric_limits<int>::min()) ||
        n > (isSize ? MaxSize : std::numeric_limits<int>::max()))
        return false;
    const int v = static_cast<int>(n);
    if (prop == "Left")
        left = v;
    else if (prop == "Top")
        top = v;
    else if (prop == "Width")
        width = v;
    else if (prop == "Height")
        height = v;
    else
        return false;
    return true;
}

Surface& PictureBox::image() {
    if (!ownImage_) ownImage_ = std::make_unique<Surface>(width, height, backColour);
    flush();
    return *ownImage_;
}

void PictureBox::clear() {
    if (!ownImage_) ownImage_ = std::make_unique<Surface>(width, height, backColour);
    pending_.clear();
    pending_.push_back({nullptr, 0, 0, 0, 0, 0, 0, Rop::Copy, backColour});
}

void PictureBox::blitFrom(int x, int y, int w, int h, const PictureBox& from, int sx, int sy,
                          Rop rop) {
    // A box drawn into (not a shared picture) may change: copy from it now.
    if (from.hasImage() || pending_.size() >= 64) {
        if (const Surface* src = from.shown()) blit(image(), x, y, w, h, *src, sx, sy, rop);
        return;
    }
    if (!from.picture) return;
    if (!ownImage_) ownImage_ = std::make_unique<Surface>(width, height, backColour);
    pending_.push_back({from.picture, x, y, w, h, sx, sy, rop, 0});
}

void PictureBox::flush() const {
    for (const Pending& p : pending_) {
        if (p.from)
            blit(*ownImage_, p.x, p.y, p.w, p.h, *p.from, p.sx, p.sy, p.rop);
        else
            ownImage_->fill(p.colour);
    }
    pending_.clear();
}

const Surface* PictureBox::shown() const {
    if (ownImage_) {
        flush();
        return ownImage_.get();
    }
    return picture.get();
}

void PictureBox::paintSelf(Surface& dst, const Rect& box, const Rect& clip,
                           const TextRenderer&) const {
    if (hasBack) dst.fillRect(clip.x, clip.y, clip.w, clip.h, backColour);
    if (const Surface* img = shown())
        blitClipped(dst, clip, box.x, box.y, box.w, box.h, *img, 0, 0);
}

bool PictureBox::getProperty(const std::string& prop, std::string& out) const {
    if (prop == "BackColor") {
        out = colourText(backColour);
        return true;
    }
    return Control::getProperty(prop, out);
}

bool PictureBox::setProperty(const std::string& prop, const std::string& value) {
    if (prop == "BackColor") {
        long long n = 0;
        if (!value.empty() && !parseInt(value, n)) return false;
        backColour = static_cast<Colour>(n);
        return true;
    }
    return Control::setProperty(prop, value);
}

void Label::paintSelf(Surface& dst, const Rect& box, const Rect& clip,
                      const TextRenderer& text) const {
    TextStyle s = style;
    s.fore = foreColour;
    paintText(dst, box, clip, caption, wordWrap, !transparent, backColour, s, text, cache_);
}

bool Label::getProperty(const std::string& prop, std::string& out) const {
    if (prop == "Caption")
        out = caption;
    else if (prop == "ForeColor")
        out = colourText(foreColour);
    else if (prop == "BackColor")
        out = colourText(backColour);
    else
        return Control::getProperty(prop, out);
    return true;
}

bool Label::setProperty(const std::string& prop, const std::string& value) {
    if (prop == "Caption") {
        caption = value;
        return true;
    }
    if (prop == "ForeColor" || prop == "BackColor") {
        long long n = 0;
        if (!value.empty() && !parseInt(value, n)) return false;
        (prop == "ForeColor" ? foreColour : backColour) = static_cast<Colour>(n);
        return true;
    }
    return Control::setProperty(prop, value);
}

int utf8Length(const std::string& s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

namespace {

// One character of UTF-8 at `i`: its code point (0xFFFD when malformed) and length in bytes.
char32_t decodeUtf8(const std::string& s, std::size_t i, std::size_t& len) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = c;
    if (c >= 0xF0 && c < 0xF8) {
        extra = 3, cp = c & 0x07;
    } else if (c >= 0xE0) {
        extra = c < 0xF0 ? 2 : 0, cp = c & 0x0F;
    } else if (c >= 0xC0) {
        extra = 1, cp = c & 0x1F;
    }
    len = 1;
    if (c >= 0x80 && extra == 0) return 0xFFFD;
    for (int k = 0; k < extra; ++k) {
        if (i + len >= s.size() || (static_cast<unsigned char>(s[i + len]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + len]) & 0x3F);
        ++len;
    }
    return cp;
}

bool printable(char32_t cp) {
    return cp >= 0x20 && cp != 0x7F && !(cp >= 0x80 && cp < 0xA0) && cp != 0xFFFD;
}

// Byte offset of the n-th character (clamped to the end).
std::size_t byteOfChar(const std::string& s, int n) {
    std::size_t i = 0;
    for (int k = 0; k < n && i < s.size(); ++k) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    }
    return i;
}

}  // namespace

int TextBox::caret() const {
    return std::min(caret_, utf8Length(text));
}

void TextBox::setCaret(int characters) {
    caret_ = std::clamp(characters, 0, utf8Length(text));
}

std::size_t TextBox::caretByte() const {
    return byteOfChar(text, caret());
}

bool TextBox::type(const std::string& utf8) {
    bool changed = false;
    int at = caret();
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t len = 1;
        const char32_t cp = decodeUtf8(utf8, i, len);
        const std::string piece = utf8.substr(i, len);
        i += len;
        if (!printable(cp) || (accepts && !accepts(cp))) continue;
        if (maxLength > 0 && utf8Length(text) >= maxLength) break;
        text.insert(byteOfChar(text, at), piece);
        ++at;
        changed = true;
    }
    caret_ = at;
    if (changed && onChange) onChange();
    return changed;
}

bool TextBox::backspace() {
    const int at = caret();
    if (at == 0) return false;
    const std::size_t from = byteOfChar(text, at - 1);
    text.erase(from, caretByte() - from);
    caret_ = at - 1;
    if (onChange) onChange();
    return true;
}

bool TextBox::deleteForward() {
    const int at = caret();
    if (at >= utf8Length(text)) return false;
    const std::size_t from = caretByte();
    text.erase(from, byteOfChar(text, at + 1) - from);
    caret_ = at;
    if (onChange) onChange();
    return true;
}

bool TextBox::editKey(int key) {
    switch (key) {
        case keys::Backspace:
            backspace();
            return true;
        case keys::Delete:
            deleteForward();
            return true;
        case keys::Left:
            setCaret(caret() - 1);
            return true;
        case keys::Right:
            setCaret(caret() + 1);
            return true;
        case keys::Home:
            setCaret(0);
            return true;
        case keys::End:
            setCaret(utf8Length(text));
            return true;
        default:
            return false;
    }
}

void TextBox::paintSelf(Surface& dst, const Rect& box, const Rect& clip,
                        const TextRenderer& text) const {
    TextStyle s = style;
    s.fore = foreColour;
    const Rect v = box.intersect(clip);
    if (v.empty()) return;
    dst.fillRect(v.x, v.y, v.w, v.h, backColour);
    const Rect inner{box.x + 2, box.y + 2, box.w - 4, box.h - 4};
    // A text wider than the box scrolls so the caret stays in sight.
    const int full = text.textWidth(this->text, s);
    const int caretX = text.textWidth(std::string_view(this->text).substr(0, caretByte()), s);
    const int room = std::max(1, inner.w);
    scroll_ = std::clamp(scroll_, caretX - (room - 1), caretX);
    scroll_ = std::max(0, std::min(scroll_, full + 1 - room));
    const Rect inside = clip.intersect(inner);
    paintText(dst, {inner.x - scroll_, inner.y, std::max(full + 1, inner.w + scroll_), inner.h},
              inside, this->text, false, false, backColour, s, text, cache_);
    if (focused) {
        const int x = inner.x + caretX - scroll_;
        const int bottom = inner.y + std::min(inner.h, text.lineHeight(s)) - 1;
        for (int y = inner.y; y <= bottom; ++y)
            if (inside.contains(x, y)) dst.setPixel(x, y, foreColour);
    }
    // A thin sunken frame.
    const Colour frame = rgb(128, 128, 128);
    for (int x = v.x; x < v.x + v.w; ++x) {
        if (box.y >= v.y) dst.setPixel(x, box.y, frame);
        if (box.y + box.h - 1 < v.y + v.h) dst.setPixel(x, box.y + box.h - 1, frame);
    }
    for (int y = v.y; y < v.y + v.h; ++y) {
        if (box.x >= v.x) dst.setPixel(box.x, y, frame);
        if (box.x + box.w - 1 < v.x + v.w) dst.setPixel(box.x + box.w - 1, y, frame);
    }
}

bool TextBox::getProperty(const std::string& prop, std::string& out) const {
    if (prop == "Text")
        out = text;
    else if (prop == "ForeColor")
        out = colourText(foreColour);
    else
        return Control::getProperty(prop, out);
    return true;
}

bool TextBox::setProperty(const std::string& prop, const std::string& value) {
    if (prop == "Text") {
        text = value;
        caret_ = utf8Length(text);
        if (onChange) onChange();
        return true;
    }
    return Control::setProperty(prop, value);
}

}  // namespace kv
