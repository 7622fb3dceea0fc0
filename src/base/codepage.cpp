#include "base/codepage.h"

#include <array>

namespace kv {

namespace {

constexpr char32_t kUndefined = 0xFFFD;

// Bytes 0x80 to 0xFF; 0x00 to 0x7F are ASCII. The five undefined bytes stand for themselves.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

// Decodes one character at text[pos] and advances pos. Returns kUndefined for malformed input
// (overlong forms, surrogates, values past U+10FFFF, cut-off sequences); pos then skips the bad
// lead byte and whatever valid continuation bytes followed it.
char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    // 0xC0, 0xC1 and 0xF5 up can only start overlong or out-of-range forms.
    int length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 1;
    if (lead >= 0xE0 && lead <= 0xEF) length = 2;
    if (lead >= 0xF0 && lead <= 0xF4) length = 3;
    if (length == 0) return kUndefined;
    constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    char32_t ch = lead & (0x3F >> length);
    for (int i = 0; i < length; ++i) {
        if (pos >= text.size()) return kUndefined;
        const auto next = static_cast<unsigned char>(text[pos]);
        if ((next & 0xC0) != 0x80) return kUndefined;
        ch = (ch << 6) | (next & 0x3F);
        ++pos;
    }
    if (ch < kMinimum[length] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return kUndefined;
    return ch;
}

}  // namespace

char32_t cp1250ToUnicode(unsigned char byte) {
    if (byte < 0x80) return byte;
    return kHighHalf[byte - 0x80];
}

int unicodeToCp1250(char32_t ch) {
    if (ch < 0x80) return static_cast<int>(ch);
    if (ch == kUndefined) return -1;
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == ch) return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const int byte = unicodeToCp1250(decodeUtf8(utf8, pos));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) appendUtf8(out, cp1250ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) appendUtf8(out, decodeUtf8(text, pos));
    return out;
}

unsigned char cp1250ToLower(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte + 0x20);
    // Š Ś Ť Ž Ź sit 0x10 below their small letters; 0x8B is a quote, not a letter.
    if (byte >= 0x8A && byte <= 0x8F && byte != 0x8B)
        return static_cast<unsigned char>(byte + 0x10);
    // Ŕ to Ţ sit 0x20 below theirs, except × (0xD7); ß (0xDF) has no capital here.
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)
        return static_cast<unsigned char>(byte + 0x20);
    // Ł Ą Ş Ż Ľ are scattered.
    constexpr unsigned char kPairs[][2] = {
        {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xBC, 0xBE}};
    for (const auto& pair : kPairs) {
        if (byte == pair[0]) return pair[1];
    }
    return byte;
}

}  // namespace kv
