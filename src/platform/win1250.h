#pragma once
// The one Windows-1250 table of the system: bytes <-> Unicode, UTF-8 conversion
// and the letter-case partners. Everything inside the system is Windows-1250
// bytes; this module is the only place that knows what the bytes stand for.

#include <string>
#include <string_view>

namespace win1250 {

// The Unicode character a byte stands for. The five bytes Windows-1250 leaves
// undefined (0x81 0x83 0x88 0x90 0x98) stand for the code points of the same value.
char16_t ToUnicode(unsigned char byte);

// The byte that stands for a Unicode character, or -1 when Windows-1250 has none.
int FromUnicode(char32_t ch);

// Windows-1250 text -> UTF-8 (bytes below 0x80 unchanged, nothing escaped).
std::string ToUtf8(std::string_view text);

// UTF-8 text -> Windows-1250. Characters without a byte and malformed UTF-8
// sequences become `replacement`.
std::string FromUtf8(std::string_view utf8, char replacement = '?');

// Upper- and lower-case partners over the Windows-1250 letters; a byte without
// a partner maps to itself.
unsigned char ToUpper(unsigned char byte);
unsigned char ToLower(unsigned char byte);
std::string ToLower(std::string_view text);

// The upper-case partner if there is one, else the lower-case partner, else the byte.
unsigned char FlipCase(unsigned char byte);

}  // namespace win1250
