#include "platform/text.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

constexpr Colour kWhite = rgb(255, 255, 255);

class TextTest : public ::testing::Test {
  protected:
    // One renderer for the suite, as the game has one per application.
    static void SetUpTestSuite() { text = std::make_unique<TextRenderer>(); }
    static void TearDownTestSuite() { text.reset(); }
    static inline std::unique_ptr<TextRenderer> text;
    TextStyle style;
};

// Box of pixels that differ from `background`: {minX, minY, maxX, maxY}, or minX = -1 when none.
struct Ink {
    int minX = -1, minY = -1, maxX = -1, maxY = -1;
    int count = 0;
};
Ink inkOf(const Surface& s, Colour background, int x0 = 0, int x1 = 1 << 30) {
    Ink ink;
    for (int y = 0; y < s.height(); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, s.width()); ++x) {
            if (s.pixel(x, y) == background) continue;
            if (ink.count++ == 0) ink = {x, y, x, y, 1};
            ink.minX = std::min(ink.minX, x);
            ink.minY = std::min(ink.minY, y);
            ink.maxX = std::max(ink.maxX, x);
            ink.maxY = std::max(ink.maxY, y);
        }
    return ink;
}

std::string join(const std::vector<std::string>& lines, const std::string& sep) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? sep : "") + lines[i];
    return out;
}

TEST_F(TextTest, MetricsSuitSmallLabels) {
    EXPECT_GE(text->lineHeight(style), 11);
    EXPECT_LE(text->lineHeight(style), 15);
    TextStyle big = style;
    big.size = 20;
    EXPECT_GT(text->lineHeight(big), text->lineHeight(style));

    EXPECT_EQ(text->textWidth("", style), 0);
    EXPECT_GT(text->textWidth("ab   cd", style), text->textWidth("ab cd", style));
    TextStyle bold = style;
    bold.bold = true;
    EXPECT_GT(text->textWidth("Nápověda Konec", bold), text->textWidth("Nápověda Konec", style));
}

TEST_F(TextTest, CzechLettersHaveGlyphs) {
    const std::string czech = "ěščřžýáíéůúďťň ĚŠČŘŽÝÁÍÉŮÚĎŤŇ";
    EXPECT_GT(text->textWidth("ěščřžýáíé", style), 0);
    EXPECT_TRUE(text->canShow(czech, style));
    TextStyle bold = style;
    bold.bold = true;
    EXPECT_TRUE(text->canShow(czech, bold));
    EXPECT_FALSE(text->canShow("a\U0010FFFF", style));
}

TEST_F(TextTest, AccentsAreDrawn) {
    // The accent over 'á' is ink above the top of a plain 'a' in the same columns.
    Surface plain(120, 20, kWhite), accented(120, 20, kWhite);
    text->draw(plain, 0, 0, 120, 20, "Napoveda", false, style);
    text->draw(accented, 0, 0, 120, 20, "Nápověda", false, style);
    const int x0 = text->textWidth("N", style), x1 = text->textWidth("Ná", style);
    const Ink a = inkOf(plain, kWhite, x0, x1);
    const Ink aAcute = inkOf(accented, kWhite, x0, x1);
    ASSERT_GT(a.count, 0);
    ASSERT_GT(aAcute.count, 0);
    EXPECT_LT(aAcute.minY, a.minY);
}

TEST_F(TextTest, LayoutBreaksAtNewlines) {
    EXPECT_TRUE(text->layout("", 100, true, style).empty());
    EXPECT_EQ(text->layout("a\nb\r\nc", 1000, false, style),
              (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(text->layout("a\n\nb", 1000, true, style), (std::vector<std::string>{"a", "", "b"}));
    // Without word-wrap a long line stays one line, whatever the width.
    EXPECT_EQ(text->layout("alpha beta gamma", 10, false, style).size(), 1u);
}

TEST_F(TextTest, WrapDropsTheSpaceAtTheBreak) {
    const std::string s = "alpha beta";
    const int full = text->textWidth(s, style);
    EXPECT_EQ(text->layout(s, full, true, style), (std::vector<std::string>{s}));
    EXPECT_EQ(text->layout(s, full - 1, true, style), (std::vector<std::string>{"alpha", "beta"}));
}

TEST_F(TextTest, RunsOfSpacesKeepTheirWidth) {
    // Spaces that fit stay on the line; only the one the line breaks at is dropped.
    const std::string s = "ab   cd";
    EXPECT_EQ(text->layout(s, text->textWidth("ab  ", style), true, style),
              (std::vector<std::string>{"ab  ", "cd"}));
    EXPECT_EQ(text->layout(s, text->textWidth("ab ", style), true, style),
              (std::vector<std::string>{"ab ", " cd"}));
}

TEST_F(TextTest, WrappedLinesFitAndLoseOnlyTheBreakSpaces) {
    const std::string help =
        "Hra má 6 epizod po 2 levelech,  celkem tedy 12 levelů. Hlavní protivník čeká "
        "v levelu 12.    Ovládání: šipky a mezerník, v posledním levelu střílíš klávesou Ctrl.";
    for (int width : {120, 200, 347}) {
        const auto lines = text->layout(help, width, true, style);
        ASSERT_GT(lines.size(), 1u) << width;
        for (const auto& line : lines) EXPECT_LE(text->textWidth(line, style), width) << line;
        EXPECT_EQ(join(lines, " "), help) << width;
    }
}

TEST_F(TextTest, OverlongWordIsBrokenBetweenCharacters) {
    const std::string word = "ěščřžýáíéěščřžýáíé";
    const int width = text->textWidth("ěšč", style);
    const auto lines = text->layout(word, width, true, style);
    ASSERT_GT(lines.size(), 2u);
    for (const auto& line : lines) {
        EXPECT_LE(text->textWidth(line, style), width);
        EXPECT_EQ(line.size() % 2, 0u) << "split inside a character";
    }
    EXPECT_EQ(join(lines, ""), word);
    // Even a box narrower than one letter makes progress, a letter a line.
    EXPECT_EQ(text->layout("abc", 1, true, style).size(), 3u);
}

TEST_F(TextTest, DrawBlendsInsideTheBoxOnly) {
    const Colour red = rgb(255, 0, 0);
    Surface s(200, 60, red);
    const std::string words = "Nový záznam a ještě delší text, který se nevejde";
    // The box is narrower and lower than the line: both ends and its bottom are cut off.
    text->draw(s, 30, 20, 60, 8, words, false, style);

    bool partial = false;
    int inside = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const Colour c = static_cast<Colour>(s.pixel(x, y));
            const bool inBox = x >= 30 && x < 90 && y >= 20 && y < 28;
            if (!inBox) {
                ASSERT_EQ(c, red) << x << "," << y;
                continue;
            }
            if (c == red) continue;
            ++inside;
            // Black text over red: edges are mixed with the red that was there.
            EXPECT_EQ(greenOf(c), 0);
            EXPECT_EQ(blueOf(c), 0);
            if (redOf(c) > 0 && redOf(c) < 255) partial = true;
        }
    EXPECT_GT(inside, 20);
    EXPECT_TRUE(partial);
}

TEST_F(TextTest, DrawUsesTheForeColourAndClipsAtSurfaceEdges) {
    TextStyle st = style;
    st.size = 24;
    st.bold = true;
    st.fore = rgb(10, 200, 30);
    Surface s(40, 20, kWhite);
    text->draw(s, -15, -8, 100, 100, "HIH", false, st);  // partly off the surface
    bool exact = false;
    for (Colour c : s.pixels()) exact = exact || c == st.fore;
    EXPECT_TRUE(exact);

    Surface untouched(40, 20, kWhite);
    text->draw(untouched, 10, 5, 20, 10, "", true, st);
    text->draw(untouched, 100, 100, 50, 50, "far away", true, st);
    text->draw(untouched, 10, 5, 0, 10, "no width", true, st);
    EXPECT_EQ(untouched, Surface(40, 20, kWhite));
}

TEST_F(TextTest, WrappedTextGoesDownLineByLine) {
    Surface s(60, 80, kWhite);
    const int lh = text->lineHeight(style);
    text->draw(s, 0, 0, 60, 80, "alpha beta gamma", true, style);
    const auto lines = text->layout("alpha beta gamma", 60, true, style);
    ASSERT_GE(lines.size(), 2u);
    const Ink ink = inkOf(s, kWhite);
    EXPECT_GE(ink.maxY, lh * static_cast<int>(lines.size() - 1));
    EXPECT_LT(ink.maxY, lh * static_cast<int>(lines.size()) + 2);

    // A box one line high shows only the first line.
    Surface one(60, 80, kWhite);
    text->draw(one, 0, 0, 60, lh, "alpha beta gamma", true, style);
    EXPECT_LT(inkOf(one, kWhite).maxY, lh);
}

TEST_F(TextTest, AlignmentPlacesTheLine) {
    auto inkFor = [&](TextStyle::Align align) {
        TextStyle st = style;
        st.align = align;
        Surface s(200, 20, kWhite);
        text->draw(s, 0, 0, 200, 20, "Konec", false, st);
        return inkOf(s, kWhite);
    };
    const Ink left = inkFor(TextStyle::Align::Left);
    const Ink centre = inkFor(TextStyle::Align::Center);
    const Ink right = inkFor(TextStyle::Align::Right);
    EXPECT_LT(left.maxX, 60);
    EXPECT_GT(right.minX, 140);
    EXPECT_NEAR((centre.minX + centre.maxX) / 2, 100, 6);
}

// Points fontconfig at a private folder holding only the given font files, for one scope.
class OnlyFonts {
  public:
    explicit OnlyFonts(const std::vector<std::string>& files) {
        namespace fs = std::filesystem;
        dir_ = fs::temp_directory_path() / ("kv_fonts_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "fonts");
        for (const auto& f : files) fs::create_symlink(f, dir_ / "fonts" / fs::path(f).filename());
        std::ofstream conf(dir_ / "fonts.conf");
        conf << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << (dir_ / "fonts").string()
             << "</dir><cachedir>" << (dir_ / "cache").string() << "</cachedir></fontconfig>\n";
        if (const char* old = std::getenv("FONTCONFIG_FILE")) saved_ = old;
        ::setenv("FONTCONFIG_FILE", (dir_ / "fonts.conf").c_str(), 1);
    }
    ~OnlyFonts() {
        if (saved_)
            ::setenv("FONTCONFIG_FILE", saved_->c_str(), 1);
        else
            ::unsetenv("FONTCONFIG_FILE");
        std::filesystem::remove_all(dir_);
    }
    OnlyFonts(const OnlyFonts&) = delete;
    OnlyFonts& operator=(const OnlyFonts&) = delete;

  private:
    std::filesystem::path dir_;
    std::optional<std::string> saved_;
};

const std::string kFontDir = "/usr/share/fonts/truetype/dejavu/";

TEST(TextRendererTest, NoFontIsReportedLikeAMissingDataFile) {
    OnlyFonts none({});
    {
        const TextRenderer r;
        EXPECT_NE(r.problem().find("fonts-dejavu-core"), std::string::npos) << r.problem();
        Surface s(50, 20, rgb(255, 255, 255));
        r.draw(s, 0, 0, 50, 20, "Konec", false, TextStyle{});
        EXPECT_EQ(s, Surface(50, 20, rgb(255, 255, 255)));
    }
    // The program starts, shows the message and ends with a failure instead of aborting.
    test::HeadlessGame game({.sysIni = test::PlainSettings});
    game.start();
    EXPECT_TRUE(game.app.ended());
    EXPECT_EQ(game.app.exitCode(), 1);
    ASSERT_EQ(game.host.errors().size(), 1u);
    EXPECT_NE(game.host.errors()[0].find("font"), std::string::npos) << game.host.errors()[0];
}

TEST(TextRendererTest, FallsBackToWhatIsInstalled) {
    if (!std::filesystem::exists(kFontDir + "DejaVuSans.ttf")) GTEST_SKIP() << "no DejaVu fonts";
    const TextStyle regular;
    TextStyle bold;
    bold.bold = true;
    {
        // No bold face: the regular one is emboldened.
        OnlyFonts onlyRegular({kFontDir + "DejaVuSans.ttf"});
        TextRenderer r;
        EXPECT_GT(r.textWidth("Nápověda Konec", bold), r.textWidth("Nápověda Konec", regular));
    }
    {
        // No DejaVu Sans at all: another face with Czech letters still serves.
        OnlyFonts other({kFontDir + "DejaVuSerif.ttf", kFontDir + "DejaVuSerif-Bold.ttf"});
        TextRenderer r;
        EXPECT_TRUE(r.canShow("ěščřžýáíé", regular));
        Surface s(100, 20, kWhite);
        r.draw(s, 0, 0, 100, 20, "Nápověda", false, bold);
        EXPECT_GT(inkOf(s, kWhite).count, 0);
    }
}

}  // namespace
}  // namespace kv
