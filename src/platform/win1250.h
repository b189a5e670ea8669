// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one Windows-1250 table of the system: bytes <-> Unicode, UTF-8 conversion
// and the letter-case partners. Everything inside the system is Windows-1250
// bytes; this module is the only place that knows what the bytes stand for.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace win1250 {

namespace detail {

// Byte -> Unicode code point.
inline constexpr std::array<char16_t, 256> kUnicode = {{
    0x0000, 0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008, 0x0009, 0x000A, 0x000B,
    0x000C, 0x000D, 0x000E, 0x000F, 0x0010, 0x0011, 0x0012, 0x0013, 0x0014, 0x0015, 0x0016, 0x0017,
    0x0018, 0x0019, 0x001A, 0x001B, 0x001C, 0x001D, 0x001E, 0x001F, 0x0020, 0x0021, 0x0022, 0x0023,
    0x0024, 0x0025, 0x0026, 0x0027, 0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B,
    0x003C, 0x003D, 0x003E, 0x003F, 0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F, 0x0050, 0x0051, 0x0052, 0x0053,
    0x0054, 0x0055, 0x0056, 0x0057, 0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067, 0x0068, 0x0069, 0x006A, 0x006B,
    0x006C, 0x006D, 0x006E, 0x006F, 0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x007F, 0x20AC, 0x0081, 0x201A, 0x0083,
    0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0161, 0x203A,
    0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB,
    0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103,
    0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171,
    0x00FC, 0x00FD, 0x0163, 0x02D9,
}};

// constexpr, not consteval: clang 14 refuses a consteval call on the local
// variables of another consteval function.
constexpr int ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (int b = 0x80; b < 256; ++b) {
    if (kUnicode[b] == cp) return b;
  }
  return -1;
}

// A UTF-8 string literal as a template argument.
template <std::size_t N>
struct Utf8Literal {
  char bytes[N];
  consteval Utf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
  }
};

// The literal in Windows-1250, NUL-padded to the literal's size.
template <Utf8Literal S>
consteval std::array<char, sizeof(S.bytes)> Convert() {
  std::array<char, sizeof(S.bytes)> out{};
  std::size_t o = 0;
  for (std::size_t i = 0; i + 1 < sizeof(S.bytes);) {
    const auto lead = static_cast<unsigned char>(S.bytes[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (S.bytes[i + k] & 0x3F);
    const int byte = ByteOf(cp);
    if (byte < 0) throw "this character has no Windows-1250 byte";
    out[o++] = static_cast<char>(byte);
    i += 1 + extra;
  }
  return out;
}

template <Utf8Literal S>
inline constexpr auto kConverted = Convert<S>();

}  // namespace detail

inline namespace literals {

// "Betűkészlet"_hu: a UTF-8 literal converted to Windows-1250 at compile time,
// as a NUL-terminated static string. A character Windows-1250 lacks does not compile.
template <detail::Utf8Literal S>
consteval const char* operator""_hu() {
  return detail::kConverted<S>.data();
}

}  // namespace literals

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

// The byte offset of the first malformed UTF-8 sequence (a bad lead or
// continuation byte, a cut-off, overlong or surrogate sequence, a code point
// above U+10FFFF); nullopt when the whole text is well formed.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view utf8);

// Upper- and lower-case partners over the Windows-1250 letters; a byte without
// a partner maps to itself.
unsigned char ToUpper(unsigned char byte);
unsigned char ToLower(unsigned char byte);
std::string ToLower(std::string_view text);

// The upper-case partner if there is one, else the lower-case partner, else the byte.
unsigned char FlipCase(unsigned char byte);

}  // namespace win1250
