#pragma once
// Child controls of a window: picture boxes, labels and text boxes. Each can be moved, resized,
// shown and hidden; children are clipped to their parent and later children lie on top.
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "base/surface.h"
#include "platform/picture.h"
#include "platform/text.h"

namespace kv {

// Edges are worked out in wide arithmetic: a control may stand anywhere an int reaches.
struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    Rect intersect(const Rect& o) const;
    bool contains(int px, int py) const {
        return px >= x && py >= y && px < std::int64_t{x} + w && py < std::int64_t{y} + h;
    }
    bool empty() const { return w <= 0 || h <= 0; }
};

class Control {
  public:
    Control(std::string name, int index = -1) : name_(std::move(name)), index_(index) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }  // element of a control array, -1 for a plain control
    Control* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }

    // The largest width or height the script driver may set.
    static constexpr int MaxSize = 4096;

    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;

    void move(int l, int t) { left = l, top = t; }
    void move(int l, int t, int w, int h) { left = l, top = t, width = w, height = h; }
    void bringToFront();

    template <class T>
    T& add(std::unique_ptr<T> child) {
        T& ref = *child;
        child->parent_ = this;
        children_.push_back(std::move(child));
        return ref;
    }

    std::function<void()> onClick;
    std::function<void(int x, int y)> onMouseMove;  // position inside the control

    // Whether this control takes typed text (and so the keyboard focus when clicked).
    virtual bool takesText() const { return false; }
    // Visible, and so is every parent.
    bool showing() const;

    // Draws this control and its visible children; (ox, oy) is the parent's origin on dst.
    void paint(Surface& dst, int ox, int oy, const Rect& clip, const TextRenderer& text) const;
    // The topmost visible descendant (or this) under (x, y) given in the parent's coordinates.
    Control* hitTest(int x, int y);

    // Named properties for the script driver: Caption, Text, ForeColor, ...
    virtual bool getProperty(const std::string& prop, std::string& out) const;
    virtual bool setProperty(const std::string& prop, const std::string& value);

  protected:
    virtual void paintSelf(Surface& dst, const Rect& box, const Rect& clip,
                           const TextRenderer& text) const = 0;

  private:
    std::string name_;
    int index_;
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
};

// A picture box. It shows either a shared picture (assigning one box's picture to another shares
// the image, and "shows frame X" is an identity test) or an image of its own that is drawn into.
class PictureBox : public Control {
  public:
    using Control::Control;

    Colour backColour = rgb(255, 255, 255);
    bool hasBack = true;  // false: only the picture's own pixels are painted
    Picture picture;

    // The box's own drawable image, created on first use at the box's size.
    Surface& image();
    bool hasImage() const { return ownImage_ != nullptr; }
    void releaseImage() {
        ownImage_.reset();
        pending_.clear();
    }
    // Drops the shown picture and the own image (the game's "release the picture").
    void release() {
        picture.reset();
        releaseImage();
    }
    // Clears the own image to the back colour.
    void clear();
    // A block copy from what another box shows into the own image. Like clear(), it is carried
    // out when the image is next read (painted, a pixel asked for), so a frame that nobody looks
    // at costs nothing; a clear drops what was recorded before it.
    void blitFrom(int x, int y, int w, int h, const PictureBox& from, int sx, int sy, Rop rop);
    // The image the box shows right now (own image first), or null.
    const Surface* shown() const;

    bool getProperty(const std::string& prop, std::string& out) const override;
    bool setProperty(const std::string& prop, const std::string& value) override;

  protected:
    void paintSelf(Surface& dst, const Rect& box, const Rect& clip,
                   const TextRenderer& text) const override;

  private:
    struct Pending {
        Picture from;  // null: a clear to `colour`
        int x, y, w, h, sx, sy;
        Rop rop;
        Colour colour;
    };
    void flush() const;

    mutable std::unique_ptr<Surface> ownImage_;
    mutable std::vector<Pending> pending_;
};

// Text drawn once as coverage (white on black) and blended on every paint: labels are painted
// each frame, and laying out and rendering glyphs each time would cost far more.
struct TextCache {
    std::string text;
    int width = -1, height = -1, size = 0;
    bool wrap = false, bold = false;
    TextStyle::Align align = TextStyle::Align::Left;
    Surface coverage;
    const Surface& get(const std::string& s, int w, int h, bool wordWrap, const TextStyle& style,
                       const TextRenderer& renderer);
};

class Label : public Control {
  public:
    using Control::Control;

    std::string caption;
    Colour foreColour = rgb(0, 0, 0);
    Colour backColour = rgb(255, 255, 255);
    bool transparent = false;
    bool wordWrap = false;
    TextStyle style;

    bool getProperty(const std::string& prop, std::string& out) const override;
    bool setProperty(const std::string& prop, const std::string& value) override;

  protected:
    void paintSelf(Surface& dst, const Rect& box, const Rect& clip,
                   const TextRenderer& text) const override;

  private:
    mutable TextCache cache_;
};

class TextBox : public Control {
  public:
    using Control::Control;

    std::string text;
    int maxLength = 0;  // characters; 0 means no limit
    Colour foreColour = rgb(0, 0, 0);
    Colour backColour = rgb(255, 255, 255);
    TextStyle style;
    // Which characters typing may insert; none set: every printable character.
    std::function<bool(char32_t)> accepts;
    // Set by the window while the box has the keyboard: the caret is drawn.
    bool focused = false;

    bool takesText() const override { return true; }
    // Typing: inserts at the caret what is accepted and fits under maxLength; returns whether
    // anything changed.
    bool type(const std::string& utf8);
    bool backspace();
    bool deleteForward();
    // Backspace, Delete, Left, Right, Home and End; false for any other key.
    bool editKey(int key);
    // The caret, in characters from the start; it starts after the text.
    int caret() const;
    void setCaret(int characters);
    std::function<void()> onChange;
    // Enter in the box.
    std::function<void()> onEnter;

    bool getProperty(const std::string& prop, std::string& out) const override;
    bool setProperty(const std::string& prop, const std::string& value) override;

  protected:
    void paintSelf(Surface& dst, const Rect& box, const Rect& clip,
                   const TextRenderer& text) const override;

  private:
    // Byte offset of the caret in `text`.
    std::size_t caretByte() const;

    int caret_ = std::numeric_limits<int>::max();
    mutable int scroll_ = 0;  // pixels of text scrolled out on the left, to keep the caret seen
    mutable TextCache cache_;
};

// Number of characters (code points) in a UTF-8 text.
int utf8Length(const std::string& s);

}  // namespace kv
