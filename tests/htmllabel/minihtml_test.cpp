// SPDX-License-Identifier: GPL-3.0-or-later
// The markup engine with a fixed fake measurer: what the parser makes of
// markup, where the layout puts objects, and what the mouse does.

#include "htmllabel/minihtml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace minihtml {
namespace {

// Every byte is as wide as the font's point size; every text is twice as tall.
class TFixMero : public TMero {
 public:
  int Szelesseg(const TBetu& b, std::string_view s) override {
    int n = 0;
    for (char c : s) n += c != '\r' && c != '\n';
    return n * b.Meret;
  }
  int Magassag(const TBetu& b, std::string_view) override { return 2 * b.Meret; }
};

// "Class:text" per object (CR LF dropped), tags as "Class" plus attributes.
std::string Objektumok(const TMiniHtml& m) {
  std::string out;
  for (const TObjektum& o : m.Objektumok()) {
    if (!out.empty()) out += ' ';
    out += Nev(o.Osztaly);
    if (o.Osztaly == TOsztaly::aText) {
      out += ':';
      for (char c : o.Szoveg) {
        if (c != '\r' && c != '\n') out += c;
      }
    }
    for (const auto& [n, v] : o.Attr) out += "[" + n + "=" + v + "]";
    if (!o.CellaSzoveg.empty()) out += "{" + o.CellaSzoveg + "}";
  }
  return out;
}

TEST(MiniHtml, Parsing) {
  struct Eset {
    std::string html, vart;
  } esetek[] = {
      {"&LT;b&gt; &Copy;&amp;lt;", "aText:<b> aSpace aText:(c)&lt;"},
      {"a&nbsp;b", "aText:a aSpace aText:b"},
      {"x  y", "aText:x aSpace aSpace aText:y"},
      {"a<br/>b", "aText:a aText:b"},
      {"a<br>b</br>", "aText:a aBRTag aText:b aBRTag aText:"},
      {"<html><head><title>T</title></head></html>", "aText:T aText:"},
      {"<unknown x=1>t</unknown></img>", "aText:t aText:"},
      {"a < b", "aText:a aSpace aText:< aSpace aText:b"},
      {"<P ALIGN=RIGHT>", "aPSTag[align=right] aText:"},
      {"<font size=13 color=red>", "aFontSTag[size=13 color=red] aText:"},
      {"<font name=\"Verdana\" size=\"9\">", "aFontSTag[name=verdana][size=9] aText:"},
      {"<input type=\"checkbox\" checked>", "aFormElement[type=checkbox][checked=true] aText:"},
      {"<div></div><indent></indent>", "aPSTag aPETag aBlockquoteSTag aBlockquoteETag aText:"},
      {"<a href=\"#x\">two  words</a> c",
       "aASTag[href=#x] aText:two  words aSpace aAETag aSpace aText:c"},
      {"<dynamic id=q>",
       "aFontSTag[name=ms sans serif][size=8][color=#000000] aText:<q> "
       "aFontETag aText:"},
      {"<table><tr><TD bgcolor=red>a <b>b</b></td></tr></table>",
       "aTableSTag aTRSTag aTDSTag[bgcolor=red]{a <b>b</b>} aTDETag aTRETag aTableETag aText:"},
      {"line\none", "aText:lineone"},  // line breaks stay inside words
  };
  TFixMero mero;
  for (const Eset& e : esetek) {
    TMiniHtml m(mero);
    m.SetHtml(e.html);
    m.Elemzes();
    EXPECT_EQ(Objektumok(m), e.vart) << e.html;
  }
}

TEST(MiniHtml, TagAcrossTheBlockBoundary) {
  TFixMero mero;
  TMiniHtml m(mero);
  m.SetHtml(std::string(398, 'x') + "<b>y</b>");
  m.Elemzes();
  EXPECT_EQ(Objektumok(m), "aText:" + std::string(398, 'x') + " aBSTag aText:y aBETag aText:");
}

TEST(MiniHtml, PlainText) {
  EXPECT_EQ(SimaSzoveg("<p>a &LT;b&gt;</p><p><b>c</b></p>"), "a <b>\nc");
}

struct Hely {
  int x, y;
  bool operator==(const Hely&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Hely& h) {
  return os << '(' << h.x << ',' << h.y << ')';
}

// Positions of the visible objects whose text is `szoveg` (spaces: " ").
std::vector<Hely> Helyek(const TMiniHtml& m, std::string_view szoveg) {
  std::vector<Hely> out;
  for (const TObjektum& o : m.Objektumok()) {
    std::string s = o.Szoveg;
    std::erase_if(s, [](char c) { return c == '\r' || c == '\n'; });
    if (o.Lathato && s == szoveg) out.push_back({o.X, o.Y});
  }
  return out;
}

TEST(MiniHtml, Layout) {
  struct Eset {
    std::string html;
    int szelesseg;
    std::string szoveg;
    std::vector<Hely> vart;
  } esetek[] = {
      {"ab cd", 100, "cd", {{29, 5}}},
      // A word that does not fit starts the next line: y + tallest + 5.
      {"aaaa bbbb ", 60, "bbbb", {{5, 26}}},
      // A space that does not fit wraps like a word.
      {"aaaaaa bb", 58, " ", {{5, 26}}},
      // An empty paragraph adds 5 pixels; a paragraph start at a line start nothing.
      {"<p>a</p><p></p><p>b</p>", 100, "b", {{5, 31}}},
      {"<P ALIGN=RIGHT>ab</p>", 100, "ab", {{79, 5}}},
      {"<p align=\"centre\">ab</p>", 100, "ab", {{42, 5}}},
      {"<p align=center>ab</p>", 100, "ab", {{5, 5}}},
      // The wrapped text of a list item continues at the item's indent.
      {"<ul><li>aaaa bbbb</li></ul>", 110, "bbbb", {{55, 31}}},
      {"<blockquote>a</blockquote>", 100, "a", {{55, 5}}},
      // Link text stays on one line even when wider than the layout.
      {"<a href=x>aaaa bbbb</a>", 50, "aaaa bbbb", {{5, 5}}},
      // Bottom alignment: a taller object moves the earlier ones down.
      {"a<font size=16>B</font>a", 100, "a", {{5, 21}, {29, 21}}},
      {"<font size=16>B</font>", 100, "B", {{5, 5}}},
  };
  TFixMero mero;
  for (const Eset& e : esetek) {
    TMiniHtml m(mero);
    m.SetHtml(e.html);
    m.Elrendezes(e.szelesseg);
    EXPECT_EQ(Helyek(m, e.szoveg), e.vart) << e.html;
  }
}

TEST(MiniHtml, FontSizesAndContentHeight) {
  struct Eset {
    std::string meret;
    int magassag;  // 2 x points
  } esetek[] = {{"13", 26},
                {"+2", 20},
                {"-2", 12},
                {"x", 16},
                {"\"+\"", 16},
                // Kept within 1..1000 points.
                {"+2147483647", 2000},
                {"-20", 2}};
  TFixMero mero;
  for (const Eset& e : esetek) {
    TMiniHtml m(mero);
    m.SetHtml("<font size=" + e.meret + ">W</font>");
    // The text "\r\n" after the last tag is 16 pixels tall.
    EXPECT_EQ(m.Elrendezes(3000), 5 + std::max(e.magassag, 16) + 5) << e.meret;
    EXPECT_EQ(m.Objektumok()[1].H, e.magassag) << e.meret;
  }
}

TEST(MiniHtml, ListItemsKeepTheirOwnTypeAndNumber) {
  TFixMero mero;
  TMiniHtml m(mero);
  m.SetHtml("<ol><li>a</li><li>b</li></ol><ul type=square><li>c</li></ul>");
  m.Elrendezes(200);
  std::vector<std::pair<std::string, int>> elemek;
  for (const TObjektum& o : m.Objektumok()) {
    if (o.Osztaly == TOsztaly::aLISTag) elemek.emplace_back(o.Allapot.ListaTipus, o.Szam);
  }
  const std::vector<std::pair<std::string, int>> vart = {
      {"number", 1}, {"number", 2}, {"square", 0}};
  EXPECT_EQ(elemek, vart);
}

TEST(MiniHtml, TableCellsSitInTheirColumns) {
  TFixMero mero;
  TMiniHtml m(mero);
  m.SetHtml("<table><tr><td>aa</td><td>b</td></tr><tr><td>cccc</td></tr></table>x");
  const int h = m.Elrendezes(300);
  std::vector<TTeglalap> cellak;
  for (const TObjektum& o : m.Objektumok()) {
    if (o.Osztaly == TOsztaly::aTDSTag && !o.Vege) cellak.push_back({o.X, o.Y, o.W, o.H});
  }
  ASSERT_EQ(cellak.size(), 3u);
  // Column 0 is as wide as its widest content ("cccc": 5 + 32 + 5), rows as tall as a line.
  EXPECT_EQ(cellak[0].X, 5);
  EXPECT_EQ(cellak[1].X, 5 + 42);
  EXPECT_EQ(cellak[2].Y, cellak[0].Y + cellak[0].H);
  EXPECT_EQ(cellak[0].W, 42);
  EXPECT_GT(h, cellak[2].Y + cellak[2].H);
}

class MiniHtmlMouse : public ::testing::Test {
 protected:
  TFixMero mero;
  TMiniHtml m{mero};
  std::vector<std::string> hivasok;

  void SetUp() override {
    m.OnLinkClicked = [this](const std::string& cel, bool& kezelve) {
      hivasok.push_back("link " + cel);
      kezelve = cel == "#sajat";
    };
    m.Megnyitas = [this](const std::string& cel) { hivasok.push_back("open " + cel); };
    m.OnFormElementClicked = [this](const std::string& fn, const std::string& fm,
                                    const std::string& fa, const std::string& in,
                                    const std::string& it, const std::string& iv) {
      hivasok.push_back("form " + fn + "," + fm + "," + fa + "," + in + "," + it + "," + iv);
    };
  }
};

TEST_F(MiniHtmlMouse, LinksAndFormElements) {
  m.SetHtml(
      "<a href=\"mailto://x@y\">mail</a> <a href=#sajat>own</a><form name=\"f\" method=\"get\">"
      "<input type=\"checkbox\" name=\"c\" value=\"v\"></form>");
  m.Elrendezes(400);
  const auto hol = [&](TOsztaly o, std::string_view szoveg = {}) {
    for (const TObjektum& b : m.Objektumok()) {
      if (b.Osztaly == o && (szoveg.empty() || b.Szoveg == szoveg)) return &b;
    }
    return static_cast<const TObjektum*>(nullptr);
  };
  const TObjektum* mail = hol(TOsztaly::aText, "mail");
  const TObjektum* sajat = hol(TOsztaly::aText, "own");
  const TObjektum* doboz = hol(TOsztaly::aFormElement);
  ASSERT_TRUE(mail && sajat && doboz);
  EXPECT_FALSE(m.BalGomb(mail->X + 1, mail->Y + 1));
  m.BalGomb(sajat->X + 1, sajat->Y + 1);
  EXPECT_TRUE(m.BalGomb(doboz->X + 1, doboz->Y + 1));
  EXPECT_TRUE(doboz->Bepipalt);
  m.BalGomb(doboz->X + 1, doboz->Y + 1);
  EXPECT_FALSE(doboz->Bepipalt);
  EXPECT_FALSE(m.BalGomb(399, 1));  // nothing there
  const std::vector<std::string> vart = {"link mailto://x@y", "open mailto:x@y", "link #sajat",
                                         "form f,get,,c,checkbox,v", "form f,get,,c,checkbox,v"};
  EXPECT_EQ(hivasok, vart);
}

TEST_F(MiniHtmlMouse, MovesAreThrottledAndMarkLinks) {
  m.SetHtml("<a href=u>link</a> plain words");
  m.Elrendezes(400);
  const TObjektum& link = m.Objektumok()[1];
  ASSERT_EQ(link.Szoveg, "link");
  EXPECT_TRUE(m.EgerMozgas(link.X + 2, link.Y + 2, 1000));
  EXPECT_TRUE(link.EgerAlatt);
  EXPECT_TRUE(m.KezMutato());
  // Within 150 ms, or within 5 pixels both ways: ignored.
  EXPECT_FALSE(m.EgerMozgas(300, 300, 1100));
  EXPECT_FALSE(m.EgerMozgas(link.X + 7, link.Y + 7, 2000));
  EXPECT_TRUE(link.EgerAlatt);
  EXPECT_TRUE(m.EgerMozgas(300, 300, 2200));
  EXPECT_FALSE(link.EgerAlatt);
  EXPECT_FALSE(m.KezMutato());
}

TEST(MiniHtml, Colours) {
  struct Eset {
    std::string ertek;
    TSzin vart;
  } esetek[] = {{"#1A2b3C", 0x1A2B3C}, {"", kFekete},     {"a<b", kFekete},     {"red", 0xFF0000},
                {"clblue", 0x0000FF},  {"255", 0xFF0000}, {"nonsense", kFeher}, {"#12", kFeher}};
  for (const Eset& e : esetek) EXPECT_EQ(Szin(e.ertek), e.vart) << e.ertek;
}

}  // namespace
}  // namespace minihtml
