// SPDX-License-Identifier: GPL-3.0-or-later
// Mirrored lines of right-to-left text.

#include "engine/sorok.h"

#include <gtest/gtest.h>

#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

TEST(Sorok, ReversesAText) {
  EXPECT_EQ(Megforditas(""), "");
  EXPECT_EQ(Megforditas("abá"_hu), "ába"_hu);
}

TEST(Sorok, MirrorsEachLine) {
  const struct {
    const char* be;
    const char* ki;
  } esetek[] = {
      {"abc", "cba\r\n"},           {"ab\r\ncd", "ba\r\ndc\r\n"},
      {"ab\r\n", "ba\r\n\r\n"},     {"", "\r\n"},
      {"a\nb\rc", "c\rb\na\r\n"},  // only the CR LF pair ends a line
      {"\r\n\r\n", "\r\n\r\n\r\n"},
  };
  for (const auto& e : esetek) EXPECT_EQ(SorokMegforditasa(e.be), e.ki) << e.be;
  // Reading order back: mirror again and drop the added last line end.
  const std::string s = SorokMegforditasa(SorokMegforditasa("ab\r\ncd"));
  EXPECT_EQ(s, "ab\r\ncd\r\n\r\n");
}

}  // namespace
