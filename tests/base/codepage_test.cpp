#include "base/codepage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kv {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

bool undefinedByte(int byte) {
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

TEST(Codepage, CzechLettersTakeTheirCodePageBytesAndComeBack) {
    const std::string small = "áčďéěíňóřšťúůýž";
    const std::string capital = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
    EXPECT_EQ(utf8ToCp1250(small), "\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E");
    EXPECT_EQ(utf8ToCp1250(capital),
              "\xC1\xC8\xCF\xC9\xCC\xCD\xD2\xD3\xD8\x8A\x8D\xDA\xD9\xDD\x8E");
    EXPECT_EQ(cp1250ToUtf8(utf8ToCp1250(small)), small);
    EXPECT_EQ(cp1250ToUtf8(utf8ToCp1250(capital)), capital);
    EXPECT_EQ(utf8ToCp1250("speciálně").size(), 9u);
}

TEST(Codepage, UpperHalfOfTheTable) {
    EXPECT_EQ(utf8ToCp1250("€‚„…†‡‰‹›™"), "\x80\x82\x84\x85\x86\x87\x89\x8B\x9B\x99");
    EXPECT_EQ(utf8ToCp1250("‘’“”•–—"), "\x91\x92\x93\x94\x95\x96\x97");
    EXPECT_EQ(utf8ToCp1250("ŁłĄąŚśŹźŻżĆćŃńĘę"),
              "\xA3\xB3\xA5\xB9\x8C\x9C\x8F\x9F\xAF\xBF\xC6\xE6\xD1\xF1\xCA\xEA");
    EXPECT_EQ(utf8ToCp1250("ŐőŰűĽľĹĺŔŕÄäÖöÜüßĂăŞşŢţ"),
              "\xD5\xF5\xDB\xFB\xBC\xBE\xC5\xE5\xC0\xE0\xC4\xE4\xD6\xF6\xDC\xFC\xDF\xC3\xE3"
              "\xAA\xBA\xDE\xFE");
    EXPECT_EQ(utf8ToCp1250("\u00A0ˇ˘¤¦§¨©«¬\u00AD®°±˛´µ¶·¸»˝×÷˙"),
              "\xA0\xA1\xA2\xA4\xA6\xA7\xA8\xA9\xAB\xAC\xAD\xAE\xB0\xB1\xB2\xB4\xB5\xB6\xB7\xB8"
              "\xBB\xBD\xD7\xF7\xFF");
}

TEST(Codepage, EveryByteRoundTripsToADistinctCharacter) {
    std::set<std::string> seen;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string utf8 = cp1250ToUtf8(one);
        // The bytes the code page leaves undefined stand for the control character of their
        // number, so a file holding them is saved back unchanged.
        if (undefinedByte(byte)) {
            EXPECT_EQ(cp1250ToUnicode(static_cast<unsigned char>(byte)),
                      static_cast<char32_t>(byte));
        }
        EXPECT_EQ(utf8ToCp1250(utf8), one) << "byte " << byte;
        EXPECT_TRUE(seen.insert(utf8).second) << "byte " << byte << " repeats a character";
    }
    EXPECT_EQ(seen.size(), 256u);
    EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8("\x81\x83\x88\x90\x98")), "\x81\x83\x88\x90\x98");
}

TEST(Codepage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1250("ñ日本😀"), "????");
    EXPECT_EQ(utf8ToCp1250("\u0080\u0082\u0099"), "???");  // C1 controls of defined bytes
    EXPECT_EQ(utf8ToCp1250(kReplacement), "?");
    EXPECT_EQ(utf8ToCp1250(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Codepage, MalformedUtf8BecomesQuestionMarksWithoutLosingWhatFollows) {
    EXPECT_EQ(utf8ToCp1250("\xC3"), "?");                              // cut off at the end
    EXPECT_EQ(utf8ToCp1250(std::string("a\xE2\x82") + "b"), "a?b");    // cut off in the middle
    EXPECT_EQ(utf8ToCp1250("\x80\xBF"), "??");                         // stray continuation bytes
    EXPECT_EQ(utf8ToCp1250("\xC0\xAF"), "??");                         // overlong '/'
    EXPECT_EQ(utf8ToCp1250("\xE0\x80\xAF"), "?");                      // overlong, three bytes
    EXPECT_EQ(utf8ToCp1250("\xED\xA0\x80"), "?");                      // surrogate
    EXPECT_EQ(utf8ToCp1250("\xF4\x90\x80\x80"), "?");                  // past U+10FFFF
    EXPECT_EQ(utf8ToCp1250(std::string("\xFF\xFE") + "č"), "??\xE8");  // bytes UTF-8 never uses
}

TEST(Codepage, LowerCaseCoversTheAccentedCapitals) {
    const std::string capital = utf8ToCp1250("ABZČĎĚŇŘŠŤŮŽÁÉÍÓÚÝŁĄŚŹŻĽŐŰŞŢÄÖÜ");
    const std::string small = utf8ToCp1250("abzčďěňřšťůžáéíóúýłąśźżľőűşţäöü");
    std::string lowered;
    for (char c : capital)
        lowered += static_cast<char>(cp1250ToLower(static_cast<unsigned char>(c)));
    EXPECT_EQ(lowered, small);
    for (char c : small)
        EXPECT_EQ(cp1250ToLower(static_cast<unsigned char>(c)), static_cast<unsigned char>(c));
    for (const char* other : {"×", "ß", "‹", "÷", "@", "[", "1"}) {
        const auto byte = static_cast<unsigned char>(utf8ToCp1250(other)[0]);
        EXPECT_EQ(cp1250ToLower(byte), byte) << other;
    }
}

}  // namespace
}  // namespace kv
