// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard record: paragraphs, the header and its byte counts.

#include "ui/main/htmlvagolap.h"

#include <gtest/gtest.h>

#include "hamis.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

const std::string kJbNyito =
    "<p align=\"right\" style=\"font-size: 16pt;\"><font face=\"Rovasjel jb\">";
const std::string kFelulNyito =
    "<p align=\"right\" style=\"font-size: 16pt; unicode-bidi: bidi-override; direction: "
    "rtl;\"><font face=\"Rovasjel jb\">&#8238;";

TEST(HtmlVagolap, Paragraphs) {
  struct {
    const char* torzs;
    const char* vart;
  } esetek[] = {
      {"", "<>"},
      {"ab", "<ab>"},
      {"a\r\nb", "<a><b>"},
      {"a\n\rb", "<a><b>"},
      {"a\r\rb", "<a><b>"},
      {"a\n\nb", "<a><b>"},
      {"a\r\n\r\nb", "<a><><b>"},
      {"a\n\n\nb", "<a><><b>"},
      {"a\r\n", "<a><>"},
  };
  for (const auto& e : esetek)
    EXPECT_EQ(BekezdesekbeFoglalas(e.torzs, "<", ">"), e.vart) << e.torzs;
}

TEST(HtmlVagolap, OpeningPart) {
  EXPECT_EQ(HtmlNyitoResz(false, 16, "Rovasjel jb", false),
            "<p align=\"left\" style=\"font-size: 16pt;\"><font face=\"Rovasjel jb\">");
  EXPECT_EQ(HtmlNyitoResz(true, 16, "Rovasjel jb", false), kJbNyito);
  EXPECT_EQ(HtmlNyitoResz(true, 16, "Rovasjel jb", true), kFelulNyito);
}

TEST(HtmlVagolap, RightToLeftWithoutOverride) {
  TMasolasAdatai a = MasolasAdatai("cba", true, 16, "Rovasjel jb", false);
  EXPECT_EQ(a.szoveg, "cba");
  EXPECT_EQ(a.toredek, kJbNyito + "cba</font></p>");
  ASSERT_EQ(a.toredek.size(), 81u);
  std::string rekord = HtmlFejlec(a.toredek);
  EXPECT_EQ(rekord,
            "Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:000081\r\n"
            "EndFragment:000164\r\n" +
                a.toredek + "\r\n");
  EXPECT_EQ(rekord.size(), 164u);
}

TEST(HtmlVagolap, TwoParagraphsInReadingOrderWithOverride) {
  // Only with the Office 2010 box and right-to-left text.
  EXPECT_EQ(MasolasAdatai("cba", false, 16, "Rovasjel jb", true).toredek.find("rtl"),
            std::string::npos);
  TMasolasAdatai a = MasolasAdatai("cba", true, 16, "Rovasjel jb", true);
  EXPECT_EQ(a.szoveg, "cba");
  EXPECT_EQ(a.toredek, kFelulNyito + "abc</font></p>" + kFelulNyito + "</font></p>");
  EXPECT_NE(HtmlFejlec(a.toredek).find("EndFragment:000346\r\n"), std::string::npos);
  EXPECT_EQ(HtmlFejlec(a.toredek).size(), 346u);
}

TEST(HtmlVagolap, Utf8OnlyInTheFragment) {
  TMasolasAdatai a = MasolasAdatai("á<&"_hu, false, 12, "X", false);
  EXPECT_EQ(a.szoveg, "á<&"_hu);
  EXPECT_NE(a.toredek.find(">á<&</font>"), std::string::npos);
}

TEST(HtmlVagolap, OffsetsOfALargeRecordAreRight) {
  for (size_t hossz : {size_t{999'916}, size_t{999'917}, size_t{2'000'000}}) {
    std::string toredek(hossz, 'x');
    std::string rekord = HtmlFejlec(toredek);
    size_t s = rekord.find("StartFragment:") + 14;
    size_t e = rekord.find("EndFragment:") + 12;
    size_t kezdet = std::stoul(rekord.substr(s, rekord.find('\r', s) - s));
    size_t veg = std::stoul(rekord.substr(e, rekord.find('\r', e) - e));
    EXPECT_EQ(veg, rekord.size()) << hossz;
    EXPECT_EQ(rekord.substr(kezdet, hossz), toredek) << hossz;
    EXPECT_EQ(rekord.substr(kezdet + hossz), "\r\n");
  }
  // 81 + 999916 + 2 = 999999 still fits six digits; one more byte does not.
  EXPECT_NE(HtmlFejlec(std::string(999'916, 'x')).find("EndFragment:999999\r\n"),
            std::string::npos);
  EXPECT_NE(HtmlFejlec(std::string(999'917, 'x')).find("StartFragment:000082\r\n"),
            std::string::npos);
}

TEST(HtmlVagolap, EmptyPaneGivesOnlyHtml) {
  THamisVagolap v;
  v.szoveg = "regi";
  TMasolasAdatai a = MasolasAdatai("", false, 16, "Rovasjel jb", false);
  HtmlVagolapra(v, a.toredek, a.szoveg);
  EXPECT_EQ(v.szoveg, "");
  EXPECT_EQ(v.toredek,
            "<p align=\"left\" style=\"font-size: 16pt;\"><font face=\"Rovasjel jb\"></font></p>");
  EXPECT_EQ(v.rekord, HtmlFejlec(v.toredek));
}

// The Unicode copy: lines of the pane back in reading order, the breaks kept
// (but the one mirroring adds after the last line),
// "<" and "&" escaped, every paragraph marked with language and direction.
TEST(HtmlVagolap, UnicodeCopy) {
  const TBetuKepesseg k("Rovasjel jb");
  const std::string a = "\U00010CC0", b = "\U00010CC2";
  const std::string p =
      "<p lang=\"hu-Hung\" dir=\"rtl\" style=\"font-size: 20pt; font-family: "
      "'Noto Sans Old Hungarian';\">";
  const TMasolasAdatai jb =
      UnicodeMasolasAdatai("b<a&\r\nb<a&\r\n", TUnicodeRovas(k, {.jobbrol_balra = true}), true, 20);
  const std::string sor = "\u202E&" + a + "<" + b + "\u202C";
  EXPECT_EQ(jb.szoveg, sor + "\r\n" + sor);
  EXPECT_EQ(jb.toredek, p + "\u202E&amp;" + a + "&lt;" + b + "\u202C</p>" + p + "\u202E&amp;" + a +
                            "&lt;" + b + "\u202C</p>");
  const TMasolasAdatai bj =
      UnicodeMasolasAdatai("ab", TUnicodeRovas(k, {.jobbrol_balra = false}), false, 9);
  EXPECT_EQ(bj.szoveg, "\u202D" + a + b + "\u202C");
  EXPECT_NE(bj.toredek.find("dir=\"ltr\" style=\"font-size: 9pt;"), std::string::npos);
  THamisVagolap v;
  v.SetUnicode(bj.szoveg, bj.toredek);
  EXPECT_EQ(v.unicode, bj.szoveg);
}

}  // namespace
