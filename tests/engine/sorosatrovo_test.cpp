// SPDX-License-Identifier: GPL-3.0-or-later
// Line-by-line transliteration after edits, against the whole text's.

#include "engine/sorosatrovo.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "alapmodell.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

struct Eset {
  const char* nev;
  std::function<void(TRovasBeallitasok&)> allit;
  bool sorosan;  // whether small edits may go by lines
};

void Minden(TRovasBeallitasok& m, std::string_view betukeszlet = "Rovasjel jb") {
  m.SetBetukeszlet(betukeszlet);
  m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(betukeszlet));
  m.SetOsszerovas(true);
  m.SetKepjelek(true);
  m.SetSzamok(true);
}

const Eset kEsetek[] = {
    {"defaults", [](TRovasBeallitasok&) {}, true},
    {"every option, vowel skipping 4 over the text",
     [](TRovasBeallitasok& m) {
       Minden(m);
       m.SetHModszer(4);
       m.SetHHatokor(2);
     },
     true},
    {"vowel skipping 3 over sentences, long vowels shortened",
     [](TRovasBeallitasok& m) {
       m.SetHModszer(3);
       m.SetHHatokor(1);
       m.SetHHosszutRovidit(true);
     },
     true},
    {"vowel skipping 4 over words",
     [](TRovasBeallitasok& m) {
       m.SetHModszer(4);
       m.SetHHatokor(0);
     },
     true},
    {"exception words",
     [](TRovasBeallitasok& m) {
       m.SetKivetelesSzoLista(std::make_unique<std::vector<std::string>>(
           std::vector<std::string>{"igazság=igaz|ság"_hu, "\\bkék=kéék"_hu}));
     },
     true},
    {"a ligature font's aK by vowel harmony reads across line ends",
     [](TRovasBeallitasok& m) {
       Minden(m, "Rovas Kiterjesztett JB");
       m.SetHModszer(4);
     },
     false},
    {"aK at word start reads the line end before the word",
     [](TRovasBeallitasok& m) {
       Minden(m, "Rovas Kiterjesztett JB");
       m.SetAKHasznalatiMod(2);
     },
     false},
    {"a custom rule across a line end",
     [](TRovasBeallitasok& m) {
       m.SetEgyeniBeallitasok(true);
       m.SetEElsoKor("a\\s+b-X,cs-C");
     },
     false},
    {"a custom rule writing a line end",
     [](TRovasBeallitasok& m) {
       m.SetEgyeniBeallitasok(true);
       m.SetEElsoKor("ny-\r\n");
     },
     false},
};

// Lines rich in what the stages react to: vowels of both classes (and lines
// without any, which pass the vowel-skipping memory on), k after back vowels,
// numbers, dates, brackets, sentence ends, exception words.
const std::vector<std::string> kSorok = {
    "",
    "kk",
    "1848. 3. 15",
    "A magyar rovásírás (12 könyv).  "_hu,
    "igazság, kék ég"_hu,
    "zsák! kút? ",
    "ő ű ü",
    "k",
    "nny ccs ggy tty",
    "e",
    "2015.03.10 és 3,5"_hu,
    "Kacsa lába {x} [y]",
};

std::string VeletlenSor(std::mt19937& r) {
  std::string s = kSorok[r() % kSorok.size()];
  if (r() % 3 == 0) s.insert(r() % (s.size() + 1), kSorok[r() % kSorok.size()]);
  return s;
}

// One random edit as an editor makes it: typing or deleting in a line,
// Enter, joining lines, pasting or deleting several lines, at any place
// including both ends.
void Szerkeszt(TSorosAtrovo& t, std::mt19937& r, bool atrov, bool nul) {
  const size_t n = t.SorDb();
  const size_t i = r() % 3 == 0 ? (r() % 2 ? 0 : n - 1) : r() % n;
  std::string sor = t.Sor(i);
  const size_t p = r() % (sor.size() + 1);
  switch (r() % 6) {
    case 0:  // a character typed (a NUL now and then)
      sor.insert(p, 1, nul && r() % 8 == 0 ? '\0' : "aeokt .1"[r() % 8]);
      t.Csere(i, 1, {sor}, atrov);
      break;
    case 1:  // a character deleted
      if (!sor.empty()) sor.erase(std::min(p, sor.size() - 1), 1);
      t.Csere(i, 1, {sor}, atrov);
      break;
    case 2:  // Enter
      t.Csere(i, 1, {sor.substr(0, p), sor.substr(p)}, atrov);
      break;
    case 3:  // the line end deleted
      if (i + 1 < n) t.Csere(i, 2, {sor + t.Sor(i + 1)}, atrov);
      break;
    case 4: {  // lines pasted
      std::vector<std::string> uj;
      for (size_t k = r() % 4 + 1; k > 0; --k) uj.push_back(VeletlenSor(r));
      t.Csere(i + (r() % 2), 0, uj, atrov);
      break;
    }
    default:  // lines deleted
      t.Csere(i, std::min<size_t>(r() % 3 + 1, n - i), {}, atrov);
      break;
  }
}

class SorosAtrovo : public testing::TestWithParam<Eset> {};

TEST_P(SorosAtrovo, EditsGiveTheWholeTextsResult) {
  auto m = Alap();
  GetParam().allit(*m);
  TKarvo motor(*m);
  TSorosAtrovo t(motor);
  std::mt19937 r(7);
  std::vector<std::string> sorok;
  for (int k = 0; k < 40; ++k) sorok.push_back(VeletlenSor(r));
  t.Csere(0, 1, sorok, true);
  int sorosan = 0;
  for (int lepes = 0; lepes < 600; ++lepes) {
    const bool atrov = lepes % 50 != 7;  // now and then the output is left out of date
    const bool nul = lepes > 300 && lepes < 400;
    Szerkeszt(t, r, atrov, nul);
    if (!atrov) continue;
    sorosan += t.Soros();
    ASSERT_TRUE(t.Ervenyes());
    ASSERT_EQ(t.Kimenet(), motor.Atrov(t.Szoveg())) << "step " << lepes;
  }
  EXPECT_EQ(sorosan > 300, GetParam().sorosan) << sorosan;
}

INSTANTIATE_TEST_SUITE_P(Settings, SorosAtrovo, testing::ValuesIn(kEsetek), [](const auto& info) {
  std::string nev;
  for (const char* c = info.param.nev; *c; ++c)
    nev += isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return nev;
});

TEST(SorosAtrovoChange, OnlyTheTouchedLinesAndThoseTheMemoryReaches) {
  auto m = Alap();
  m->SetHModszer(4);
  m->SetHHatokor(2);
  TKarvo motor(*m);
  TSorosAtrovo t(motor);
  t.Csere(0, 1, {"kapa", "kk", "kk", "kert", "kapa"}, true);
  // Typing in line 2 changes only it.
  auto v = t.Csere(2, 1, {"kkt"}, true);
  EXPECT_FALSE(v.egesz);
  EXPECT_EQ(v.elso, 2u);
  EXPECT_EQ(v.regi, 1u);
  EXPECT_EQ(v.uj, 1u);
  // A front vowel in line 0 reaches through the vowel-less lines to "kert".
  v = t.Csere(0, 1, {"kepe"}, true);
  EXPECT_EQ(v.elso, 0u);
  EXPECT_EQ(v.uj, 4u);
  EXPECT_EQ(t.Kimenet(), motor.Atrov(t.Szoveg()));
  // The same text again changes nothing.
  v = t.Csere(0, 2, {"kepe", "kk"}, true);
  EXPECT_FALSE(v.szoveg);
  EXPECT_EQ(v.regi + v.uj, 0u);
}

// An editor reports its change by paragraphs: the ones from the change's start
// to the end of what it inserted. Counts that do not fit make it read them all.
TEST(SorosAtrovoChange, ParagraphsAnEditorReports) {
  auto m = Alap();
  TKarvo motor(*m);
  const struct {
    std::vector<std::string> elotte, utana;
    size_t elso, utolso, olvasott;
  } esetek[] = {
      {{"a", "b", "c"}, {"a", "bx", "c"}, 1, 1, 1},             // typing in a line
      {{"a", "b", "c"}, {"a", "b", "", "c"}, 1, 2, 2},          // Enter at the end of "b"
      {{"a", "b", "c"}, {"ac"}, 0, 0, 1},                       // two line ends deleted
      {{"a"}, {"a", "b", "c"}, 2, 2, 3},                        // a count that does not fit
      {{"a", "b"}, {"x", "b"}, static_cast<size_t>(-1), 0, 2},  // no such paragraph
  };
  for (const auto& e : esetek) {
    TSorosAtrovo t(motor);
    t.Csere(0, 1, e.elotte, true);
    size_t olvasott = 0;
    t.Szerkesztes(
        e.elso, e.utolso, e.utana.size(),
        [&](size_t i) {
          ++olvasott;
          return e.utana[i];
        },
        true);
    std::string vart = e.utana[0];
    for (size_t i = 1; i < e.utana.size(); ++i) vart += "\r\n" + e.utana[i];
    EXPECT_EQ(t.Szoveg(), vart);
    EXPECT_EQ(olvasott, e.olvasott);
    EXPECT_EQ(t.Kimenet(), motor.Atrov(t.Szoveg()));
  }
}

TEST(SorosAtrovoChange, TheLastLineGainsItsLineEndWhenLinesFollow) {
  auto m = Alap();
  m->SetHModszer(4);
  m->SetHHatokor(0);  // a line end clears the memory, the text's end does not
  TKarvo motor(*m);
  TSorosAtrovo t(motor);
  t.Csere(0, 1, {"kapa"}, true);
  t.Csere(0, 1, {"ég"_hu}, true);
  EXPECT_FALSE(t.Csere(1, 0, {"igazság"_hu}, true).egesz);
  EXPECT_EQ(t.Kimenet(), motor.Atrov(t.Szoveg()));
}

TEST(SorosAtrovoChange, ALineOverItsOwnBudgetGoesWhole) {
  auto m = Alap();
  m->SetEgyeniBeallitasok(true);
  m->SetEElsoKor("a-" + std::string(80, 'x'));
  TKarvo motor(*m);
  TSorosAtrovo t(motor);
  t.Csere(0, 1, std::vector<std::string>(100, std::string(100, 'b')), true);
  // 80 times 70,000 bytes is over one line's budget but within the text's.
  EXPECT_TRUE(t.Csere(50, 1, {std::string(70000, 'a')}, true).egesz);
  EXPECT_EQ(t.Kimenet(), motor.Atrov(t.Szoveg()));
}

}  // namespace
