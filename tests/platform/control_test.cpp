#include "platform/control.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/host.h"
#include "platform/window.h"

namespace kv {
namespace {

constexpr Colour White = rgb(255, 255, 255), Red = rgb(255, 0, 0), Green = rgb(0, 255, 0),
                 Blue = rgb(0, 0, 255), Yellow = rgb(255, 255, 0);

// A window of a few coloured boxes:
//   a (2,2 10x10) red, b (6,6 10x10) green on top of it, hidden (20,2 5x5),
//   parent (20,15 10x10) blue with child (5,5 10x10) yellow that reaches out of it.
class Board final : public Window {
  public:
    Board() : Window("board", 40, 30) {}
    PictureBox *a = nullptr, *b = nullptr, *hidden = nullptr, *parent = nullptr, *child = nullptr;

  protected:
    void build() override {
        client().backColour = White;
        a = &box(client(), "a", 2, 2, 10, 10, Red);
        b = &box(client(), "b", 6, 6, 10, 10, Green);
        hidden = &box(client(), "hidden", 20, 2, 5, 5, Red);
        hidden->visible = false;
        parent = &box(client(), "parent", 20, 15, 10, 10, Blue);
        child = &box(*parent, "child", 5, 5, 10, 10, Yellow);
    }

  private:
    PictureBox& box(Control& in, const char* name, int l, int t, int w, int h, Colour c) {
        PictureBox& p = addPicture(in, name, l, t, w, h);
        p.backColour = c;
        return p;
    }
};

struct Controls : ::testing::Test {
    VirtualClock clock;
    Board board;
    static TextRenderer& text() {
        static TextRenderer renderer;
        return renderer;
    }
    void SetUp() override { board.create(clock); }
    Surface painted() {
        Surface s(board.width, board.height, 0);
        board.paint(s, text());
        return s;
    }
    Control* hit(int x, int y) { return board.client().hitTest(x, y); }
};

TEST_F(Controls, HitTestFindsTheTopmostVisibleControl) {
    EXPECT_EQ(hit(3, 3), board.a);
    EXPECT_EQ(hit(7, 7), board.b);  // both lie here; b came later
    EXPECT_EQ(hit(15, 15), board.b);
    EXPECT_EQ(hit(0, 0), &board.client());
    EXPECT_EQ(hit(21, 3), &board.client());  // hidden controls take no clicks
    EXPECT_EQ(hit(21, 16), board.parent);
    EXPECT_EQ(hit(26, 21), board.child);
    // The part of the child outside its parent is not there to click.
    EXPECT_EQ(hit(32, 21), &board.client());
    EXPECT_EQ(hit(26, 26), &board.client());
    board.b->visible = false;
    EXPECT_EQ(hit(7, 7), board.a);
    board.parent->visible = false;
    EXPECT_EQ(hit(26, 21), &board.client());
    EXPECT_EQ(hit(-1, 5), nullptr);
    EXPECT_EQ(hit(40, 5), nullptr);
}

TEST_F(Controls, PaintingClipsChildrenToTheirParent) {
    const Surface s = painted();
    EXPECT_EQ(s.pixel(3, 3), Red);
    EXPECT_EQ(s.pixel(7, 7), Green);
    EXPECT_EQ(s.pixel(21, 3), White);  // hidden
    EXPECT_EQ(s.pixel(21, 16), Blue);
    EXPECT_EQ(s.pixel(25, 20), Yellow);
    EXPECT_EQ(s.pixel(29, 24), Yellow);
    EXPECT_EQ(s.pixel(30, 24), White);
    EXPECT_EQ(s.pixel(29, 25), White);
    EXPECT_EQ(s.pixel(34, 29), White);

    // A hidden parent hides its children too.
    board.parent->visible = false;
    const Surface t = painted();
    EXPECT_EQ(t.pixel(21, 16), White);
    EXPECT_EQ(t.pixel(26, 21), White);
}

TEST_F(Controls, ControlsPartlyOffTheWindowPaintTheirVisiblePart) {
    board.a->move(-5, -5);
    const Surface s = painted();
    EXPECT_EQ(s.pixel(0, 0), Red);
    EXPECT_EQ(s.pixel(4, 4), Red);
    EXPECT_EQ(s.pixel(5, 5), White);
}

TEST_F(Controls, BringToFrontChangesWhatLiesOnTop) {
    board.a->bringToFront();
    EXPECT_EQ(hit(7, 7), board.a);
    EXPECT_EQ(painted().pixel(7, 7), Red);
    EXPECT_EQ(painted().pixel(14, 14), Green);
    board.b->bringToFront();
    EXPECT_EQ(hit(7, 7), board.b);
    EXPECT_EQ(painted().pixel(7, 7), Green);
    // Every control is still there once.
    EXPECT_EQ(board.client().children().size(), 4u);
}

TEST_F(Controls, OwnImageAndSharedPictureShowThroughTheBox) {
    auto frame = std::make_shared<Surface>(3, 3, Blue);
    board.a->picture = frame;
    EXPECT_EQ(board.a->shown(), frame.get());
    EXPECT_EQ(painted().pixel(3, 3), Blue);
    EXPECT_EQ(painted().pixel(6, 3), Red);  // beyond the picture, the back colour
    board.b->picture = board.a->picture;    // one image, shared
    EXPECT_EQ(board.b->shown(), board.a->shown());
    board.a->image().fill(Yellow);  // an own image goes before the picture
    EXPECT_EQ(painted().pixel(3, 3), Yellow);
    board.a->release();
    EXPECT_EQ(board.a->shown(), nullptr);
    EXPECT_EQ(painted().pixel(3, 3), Red);
}

TEST_F(Controls, UnloadingDropsTheControlsAndALoadBuildsThemAfresh) {
    board.a->move(0, 0, 1, 1);
    board.destroy();
    EXPECT_FALSE(board.isLoaded());
    EXPECT_EQ(board.findControl("a"), nullptr);
    board.create(clock);
    EXPECT_EQ(board.findControl("a")->left, 2);
    EXPECT_EQ(board.findControl("child")->parent(), board.findControl("parent"));
}

TEST_F(Controls, WrappedLabelDrawsInsideItsBoxOnly) {
    auto& label = board.a->add(std::make_unique<Label>("Label10"));
    board.a->move(0, 0, 40, 30);
    board.b->visible = false;
    board.a->backColour = White;
    const TextStyle style;
    const int line = text().lineHeight(style);
    label.move(4, 1, 30, 2 * line);
    ASSERT_LE(1 + 2 * line, board.height);
    label.caption = "Bum bum bum bum bum bum bum bum bum bum";
    label.wordWrap = true;
    label.transparent = true;
    label.foreColour = Blue;

    const Surface s = painted();
    int inFirstLine = 0, inSecondLine = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const bool inside = x >= 4 && x < 34 && y >= 1 && y < 1 + 2 * line;
            if (!inside) {
                ASSERT_EQ(s.pixel(x, y), White) << "drawn outside the label at " << x << "," << y;
            } else if (s.pixel(x, y) != White) {
                ++(y < 1 + line ? inFirstLine : inSecondLine);
            }
        }
    EXPECT_GT(inFirstLine, 0);
    EXPECT_GT(inSecondLine, 0);  // the words went on to a second line

    // An opaque label fills its box and nothing more.
    label.transparent = false;
    label.backColour = Yellow;
    label.caption = "";
    const Surface t = painted();
    EXPECT_EQ(t.pixel(4, 1), Yellow);
    EXPECT_EQ(t.pixel(33, 2 * line), Yellow);
    EXPECT_EQ(t.pixel(34, 1), White);
    EXPECT_EQ(t.pixel(3, 1), White);
    EXPECT_EQ(t.pixel(4, 0), White);
}

TEST(TextBox, MaxLengthCountsCharacters) {
    TextBox box("Text1");
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.maxLength = 3;
    EXPECT_TRUE(box.type("ěšč"));
    EXPECT_EQ(box.text, "ěšč");
    EXPECT_EQ(utf8Length(box.text), 3);
    EXPECT_FALSE(box.type("x"));
    EXPECT_EQ(box.text, "ěšč");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(box.backspace());
    EXPECT_EQ(box.text, "ěš");  // a whole character goes
    EXPECT_TRUE(box.type("žluť"));
    EXPECT_EQ(box.text, "ěšž");

    TextBox two("Text2");
    two.maxLength = 2;
    two.type("ab");
    two.type("cd");
    EXPECT_EQ(two.text, "ab");
    TextBox unlimited("Text3");
    unlimited.type(std::string(300, 'a'));
    EXPECT_EQ(unlimited.text.size(), 300u);
    EXPECT_FALSE(TextBox("Text4").backspace());
}

TEST(TextBox, EditsAtTheCaretLikeAnyTextField) {
    TextBox box("Text1");
    box.text = "DRAVEX";
    EXPECT_EQ(box.caret(), 6);  // after the text it starts with
    EXPECT_TRUE(box.editKey(keys::Home));
    box.type("ř");
    EXPECT_EQ(box.text, "řDRAVEX");
    box.editKey(keys::Right);
    box.editKey(keys::Right);
    EXPECT_TRUE(box.editKey(keys::Delete));
    EXPECT_EQ(box.text, "řDRVEX");
    box.editKey(keys::Backspace);
    EXPECT_EQ(box.text, "řDVEX");
    EXPECT_EQ(box.caret(), 2);
    for (int i = 0; i < 3; ++i) box.editKey(keys::Left);  // stops at the start
    EXPECT_EQ(box.caret(), 0);
    box.editKey(keys::Backspace);
    EXPECT_EQ(box.text, "řDVEX");
    box.editKey(keys::End);
    box.editKey(keys::Delete);  // nothing after the caret
    box.type("!");
    EXPECT_EQ(box.text, "řDVEX!");
    EXPECT_FALSE(box.editKey(keys::Space));
    // Control characters and malformed bytes are no text; a filter refuses what it will.
    box.accepts = [](char32_t c) { return c != U'"'; };
    box.text = "";
    box.type(
        "a\tb\"c\xFF\x80"
        "d");
    EXPECT_EQ(box.text, "abcd");
    // The caret follows text set from outside.
    box.text = "xy";
    EXPECT_EQ(box.caret(), 2);
    EXPECT_TRUE(box.setProperty("Text", "long text"));
    EXPECT_EQ(box.caret(), 9);
}

TEST_F(Controls, TextBoxShowsItsCaretAndKeepsItInSight) {
    TextBox& box = board.client().add(std::make_unique<TextBox>("Text1"));
    box.move(0, 0, 40, 19);
    box.foreColour = Blue;
    auto caretColumns = [&] {
        const Surface s = painted();
        std::vector<int> xs;
        for (int x = 2; x < 38; ++x) {
            bool column = true;
            for (int y = 3; y < 12; ++y) column = column && s.pixel(x, y) == Blue;
            if (column) xs.push_back(x);
        }
        return xs;
    };
    EXPECT_TRUE(caretColumns().empty());
    box.focused = true;
    EXPECT_EQ(caretColumns(), std::vector<int>{2});
    // A text far wider than the box: the caret at its end is still drawn inside.
    box.text = "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii";
    ASSERT_EQ(caretColumns().size(), 1u);
    EXPECT_LT(caretColumns()[0], 38);
    box.editKey(keys::Home);
    EXPECT_EQ(caretColumns(), std::vector<int>{2});
}

TEST(Controls_Properties, ByNameAsTheDriverSetsThem) {
    Label label("score");
    EXPECT_TRUE(label.setProperty("Caption", "500"));
    EXPECT_TRUE(label.setProperty("Left", "-12"));
    EXPECT_TRUE(label.setProperty("Visible", "False"));
    EXPECT_FALSE(label.setProperty("Visible", "yes"));
    EXPECT_FALSE(label.setProperty("Top", "1x"));
    EXPECT_FALSE(label.setProperty("Nonsense", "1"));
    std::string v;
    EXPECT_TRUE(label.getProperty("Caption", v));
    EXPECT_EQ(v, "500");
    EXPECT_TRUE(label.getProperty("Left", v));
    EXPECT_EQ(v, "-12");
    EXPECT_TRUE(label.getProperty("Visible", v));
    EXPECT_EQ(v, "False");
    EXPECT_TRUE(label.setProperty("ForeColor", "65535"));
    EXPECT_EQ(label.foreColour, rgb(255, 255, 0));
    // No value sets a property empty.
    EXPECT_TRUE(label.setProperty("Caption", ""));
    EXPECT_EQ(label.caption, "");
    EXPECT_TRUE(label.setProperty("Left", ""));
    EXPECT_EQ(label.left, 0);
}

}  // namespace
}  // namespace kv
