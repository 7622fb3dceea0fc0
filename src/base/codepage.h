#pragma once
// Windows-1250, the single-byte code page the game's own files (sys.ini, extract.ext) are stored
// in. Everything inside the program is UTF-8; these convert at the file boundary.
#include <string>
#include <string_view>

namespace kv {

// The Unicode character of one Windows-1250 byte. The five bytes the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) give the control characters of the same number (U+0081 ...),
// as Windows itself reads them, so that they come back unchanged.
char32_t cp1250ToUnicode(unsigned char byte);
// The Windows-1250 byte of a Unicode character, or -1 when the code page has no such character.
int unicodeToCp1250(char32_t ch);

// Characters with no Windows-1250 form become '?'; so does every malformed piece of UTF-8
// (one '?' per bad lead byte with its valid continuation bytes, one per stray byte).
std::string utf8ToCp1250(std::string_view utf8);
// Never fails; every byte comes back from utf8ToCp1250 as it was.
std::string cp1250ToUtf8(std::string_view bytes);
// The text with every malformed piece of UTF-8 replaced by U+FFFD.
std::string validUtf8(std::string_view text);

// Lower case of a Windows-1250 byte: ASCII letters and the code page's accented capitals
// (Č -> č, Ł -> ł, Ž -> ž ...). Other bytes are returned unchanged.
unsigned char cp1250ToLower(unsigned char byte);

}  // namespace kv
