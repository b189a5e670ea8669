// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win1250.h"

#include <gtest/gtest.h>

namespace {

using namespace win1250::literals;

TEST(Win1250, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(win1250::FromUtf8(win1250::ToUtf8(all)), all);
}

TEST(Win1250, KnownCharacters) {
  struct Row {
    unsigned char byte;
    char16_t unicode;
  };
  const Row rows[] = {{'A', u'A'},       {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x98, u'\u0098'},
                      {0x8A, u'\u0160'}, {0xA3, u'\u0141'}, {0xB3, u'\u0142'}, {0xD5, u'\u0150'},
                      {0xDB, u'\u0170'}, {0xF5, u'\u0151'}, {0xFB, u'\u0171'}, {0xE1, u'\u00E1'},
                      {0xFF, u'\u02D9'}, {0x99, u'\u2122'}, {0x84, u'\u201E'}};
  for (const Row& r : rows) {
    EXPECT_EQ(win1250::ToUnicode(r.byte), r.unicode) << int(r.byte);
    EXPECT_EQ(win1250::FromUnicode(r.unicode), r.byte) << int(r.byte);
  }
  EXPECT_EQ(win1250::FromUnicode(U'\u0151' + 1000), -1);
  EXPECT_EQ(win1250::FromUnicode(U'\u00FF'), -1);  // ÿ is not in Windows-1250
  for (char32_t hianyzo : {U'\u0180', U'\u2000', U'\u2123', U'\uFFFF', U'\U0001F600'})
    EXPECT_EQ(win1250::FromUnicode(hianyzo), -1) << int(hianyzo);
}

TEST(Win1250, Utf8Encoding) {
  EXPECT_EQ(win1250::ToUtf8("\xF5\xFB\x80"), "\xC5\x91\xC5\xB1\xE2\x82\xAC");
  EXPECT_EQ(win1250::ToUtf8("<a&b>"), "<a&b>");
  // Malformed, overlong and unmappable sequences each become one replacement.
  EXPECT_EQ(win1250::FromUtf8("a\xC5z"), "a?z");
  EXPECT_EQ(win1250::FromUtf8("\xC0\xAF"), "?");
  EXPECT_EQ(win1250::FromUtf8("\xE4\xB8\xAD!"), "?!");
  EXPECT_EQ(win1250::FromUtf8("\xF0\x9F\x98\x80", '_'), "_");
  EXPECT_EQ(win1250::FromUtf8("\xFF"), "?");
}

TEST(Win1250, CasePartners) {
  const std::pair<unsigned char, unsigned char> pairs[] = {
      {'A', 'a'},   {0xC1, 0xE1}, {0xD5, 0xF5}, {0xDB, 0xFB}, {0xD6, 0xF6},
      {0x8A, 0x9A}, {0xA3, 0xB3}, {0x8E, 0x9E}, {0xA5, 0xB9}, {0xBC, 0xBE}};
  for (auto [up, low] : pairs) {
    EXPECT_EQ(win1250::ToUpper(low), up);
    EXPECT_EQ(win1250::ToLower(up), low);
    EXPECT_EQ(win1250::FlipCase(up), low);
    EXPECT_EQ(win1250::FlipCase(low), up);
  }
  for (unsigned char self : {0xDF, 0xD7, 0xF7, 0xB5, 0x31, 0x81}) {
    EXPECT_EQ(win1250::FlipCase(self), self) << int(self);
  }
  EXPECT_EQ(win1250::ToLower("ÁRVÍZ"_hu), "árvíz"_hu);
}

}  // namespace

TEST(Win1250, LiteralsConvertAtCompileTime) {
  static_assert(std::string_view("Betűkészlet alapján"_hu) == "Bet\xFBk\xE9szlet alapj\xE1n");
  static_assert(std::string_view("Ő€ő"_hu) == "\xD5\x80\xF5");
  static_assert(std::string_view(""_hu).empty());
  EXPECT_STREQ("Rovás beállítások"_hu, win1250::FromUtf8("Rovás beállítások").c_str());
}
