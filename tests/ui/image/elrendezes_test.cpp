// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's layout over a fixed measurer: every lowercase letter is 10
// pixels wide except where a case says otherwise, every glyph 20 high.

#include "ui/image/elrendezes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

class THamisMero : public IJelMero {
 public:
  std::map<unsigned char, int> szelessegek;  // overrides of the default 10
  std::map<unsigned char, int> magassagok;   // overrides of the default 20
  int meresek = 0;
  TMeret Meres(unsigned char b) override {
    ++meresek;
    const auto sz = szelessegek.find(b);
    const auto m = magassagok.find(b);
    return {sz == szelessegek.end() ? 10 : sz->second, m == magassagok.end() ? 20 : m->second};
  }
};

// "LINE X Y TEXT" of every drawn string, in drawing order.
std::vector<std::string> Rajz(const TElrendezes& e) {
  std::vector<std::string> ki;
  for (const TRajzoltSzo& sz : e.Szavak)
    ki.push_back(std::to_string(sz.Sor) + " " + std::to_string(sz.X) + " " + std::to_string(sz.Y) +
                 " " + sz.Szoveg);
  return ki;
}

TElrendezesAdatok Adatok(TIgazitas igazitas, bool rtl, int szelesseg = 400) {
  TElrendezesAdatok a;
  a.Szelesseg = szelesseg;
  a.Igazitas = igazitas;
  a.JobbrolBalra = rtl;
  return a;
}

struct TEset {
  const char* nev;
  std::string szoveg;
  TElrendezesAdatok adatok;
  std::map<unsigned char, int> szelessegek;
  std::vector<std::string> vart;
};

class ElrendezesTest : public ::testing::TestWithParam<TEset> {};

TEST_P(ElrendezesTest, Drawn) {
  const TEset& e = GetParam();
  THamisMero mero;
  mero.szelessegek = e.szelessegek;
  EXPECT_EQ(Rajz(SzovegElrendezese(e.szoveg, mero, e.adatok)), e.vart);
}

// Wide letters for the justified case: A is 100 pixels, B 150.
const std::map<unsigned char, int> kSzeles = {{'A', 100}, {'B', 150}, {' ', 4}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ElrendezesTest,
    ::testing::Values(
        // Left to right, left: one space width (4) between words, last word without space.
        TEset{"LeftAlignedLeftToRight",
              "ab cd",
              Adatok(TIgazitas::Balra, false),
              {{' ', 4}},
              {"0 5 5 ab ", "0 29 5 cd"}},
        // Right to left, left: the last word leftmost, the others reversed, space in front.
        TEset{"LeftAlignedRightToLeft",
              "ab cd ef",
              Adatok(TIgazitas::Balra, true),
              {{' ', 4}},
              {"0 5 5 fe", "0 29 5  dc", "0 53 5  ba"}},
        // Right: one space width between the last word and the right margin.
        TEset{"RightAlignedLeftToRight",
              "ab cd",
              Adatok(TIgazitas::Jobbra, false),
              {{' ', 4}},
              {"0 371 5 cd", "0 347 5 ab "}},
        TEset{"RightAlignedRightToLeft",
              "ab cd",
              Adatok(TIgazitas::Jobbra, true),
              {{' ', 4}},
              {"0 371 5  ba", "0 347 5 dc"}},
        // Justified: the second word ends at the right margin (5 + 100 + 140 = 245).
        TEset{"Justified245",
              "A B",
              Adatok(TIgazitas::Sorkizart, false),
              kSzeles,
              {"0 5 5 A ", "0 245 5 B"}},
        TEset{"JustifiedRightToLeft",
              "A B",
              Adatok(TIgazitas::Sorkizart, true),
              kSzeles,
              {"0 5 5 B", "0 295 5  A"}},
        // Justified with a single word: it stays at the left margin.
        TEset{"JustifiedOneWord", "ab", Adatok(TIgazitas::Sorkizart, false), {}, {"0 5 5 ab"}},
        // Gaps of 117.5: x = 5, 132.5 -> 132 (half to even), 260.
        TEset{"JustifiedRounding",
              "a b c",
              Adatok(TIgazitas::Sorkizart, false, 275),
              {},
              {"0 5 5 a ", "0 132 5 b ", "0 260 5 c"}},
        // Centre: (390 - (20 + 4 + 20)) / 2 = 173; (390 - 21) / 2 truncates to 184.
        TEset{"Centred",
              "ab cd",
              Adatok(TIgazitas::Kozep, false),
              {{' ', 4}},
              {"0 178 5 ab ", "0 202 5 cd"}},
        TEset{"CentredTruncates",
              "abc",
              Adatok(TIgazitas::Kozep, false),
              {{'c', 1}},
              {"0 189 5 abc"}},
        // "a" CR LF CR LF "b": three lines, the middle one empty (line height 20 + spacing 5).
        TEset{"EmptyLine",
              "a\r\n\r\nb",
              Adatok(TIgazitas::Balra, false),
              {},
              {"0 5 5 a", "2 5 55 b"}},
        // CR CR is two breaks, LF CR one.
        TEset{"LineBreakPairs",
              "a\r\rb\n\rc",
              Adatok(TIgazitas::Balra, false),
              {},
              {"0 5 5 a", "2 5 55 b", "3 5 80 c"}},
        // No space in the text: space width 10 for filling and right alignment.
        TEset{"NoSpace", "abc", Adatok(TIgazitas::Jobbra, false), {}, {"0 355 5 abc"}},
        // A word wider than the line stands alone and runs past the right margin.
        TEset{"TooWide",
              "ab " + std::string(50, 'x') + " cd",
              Adatok(TIgazitas::Balra, false),
              {{' ', 4}},
              {"0 5 5 ab", "1 5 30 " + std::string(50, 'x'), "2 5 55 cd"}},
        // A word wider than an int can count.
        TEset{"GiantWord",
              "WWW",
              Adatok(TIgazitas::Jobbra, false),
              {{'W', 1'000'000'000}},
              {"0 -2999999615 5 WWW"}},
        // Control bytes stay inside words with no width.
        TEset{"ControlCharacters",
              "a\x01"
              "b c",
              Adatok(TIgazitas::Balra, false),
              {{' ', 4}},
              {"0 5 5 a\x01"
               "b ",
               "0 29 5 c"}}),
    [](const auto& info) { return std::string(info.param.nev); });

TEST(SorKitoltese, AcceptanceLimit) {
  // Words of 10 with space 10: each takes 20. Available 60: the third word
  // would make 60, which is refused; available 61 takes it and ends the line.
  const std::vector<TSzoDarab> szavak(4, TSzoDarab{"a", 10, 20});
  for (const auto& [elerheto, utolso] : {std::pair{60, 1u}, std::pair{61, 2u}}) {
    size_t index = 0;
    const TSorAdat sor = SorKitoltese(szavak, index, elerheto, 10);
    EXPECT_EQ(sor.Utolso, utolso) << elerheto;
    EXPECT_EQ(index, utolso + 1) << elerheto;
    EXPECT_FALSE(sor.UtolsoSor);
  }
  // The first word is taken even when it alone is too wide.
  size_t index = 0;
  const TSorAdat sor = SorKitoltese({TSzoDarab{"w", 500, 20}}, index, 100, 10);
  EXPECT_FALSE(sor.Ures);
  EXPECT_TRUE(sor.UtolsoSor);
}

TEST(JelekMerese, MeasuresEverySignOnce) {
  THamisMero mero;
  mero.magassagok = {{'b', 31}};
  TJelTabla tabla;
  EXPECT_EQ(JelekMerese("abab\x01\x02 ba\r\n", mero, tabla), 31);
  EXPECT_EQ(mero.meresek, 3);  // a, b and the space; control bytes are never measured
  EXPECT_TRUE(tabla[' '].Mert);
  EXPECT_FALSE(tabla['\x01'].Mert);
  // Without a space: 10 x 10, not measured, and the line height ignores it.
  EXPECT_EQ(JelekMerese("a", mero, tabla), 20);
  EXPECT_FALSE(tabla[' '].Mert);
  EXPECT_EQ(tabla[' '].Szelesseg, 10);
}

TEST(SzovegElrendezese, OverflowAndEmptyText) {
  THamisMero mero;
  TElrendezesAdatok a = Adatok(TIgazitas::Balra, false);
  a.Magassag = 100;
  // Lines of 20 + 5: from y = 5, three lines end at 80, four at 105 > 100.
  EXPECT_FALSE(SzovegElrendezese("a\r\nb\r\nc", mero, a).Lelog);
  EXPECT_TRUE(SzovegElrendezese("a\r\nb\r\nc\r\nd", mero, a).Lelog);
  for (const char* ures : {"", "   ", "\r\n"}) {
    const TElrendezes e = SzovegElrendezese(ures, mero, a);
    EXPECT_EQ(e.VanSzo, std::string(ures) == "\r\n") << '"' << ures << '"';
    EXPECT_TRUE(e.Szavak.empty());
  }
  // Lower glyphs sit on the same bottom line.
  mero.magassagok = {{'x', 8}};
  const TElrendezes e = SzovegElrendezese("a x", mero, a);
  ASSERT_EQ(e.Szavak.size(), 2u);
  EXPECT_EQ(e.Szavak[1].Y, 5 + 20 - 8);
}

}  // namespace
