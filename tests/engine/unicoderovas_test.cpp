// SPDX-License-Identifier: GPL-3.0-or-later
// Font codes as Unicode rovás text: the meaning of every catalogued font's
// codes, reading order and direction, and when there is no known meaning.

#include "engine/unicoderovas.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fonts/rovasjelek.h"
#include "platform/win1250.h"

namespace {

using rovasjelek::Utf8;

// Expected texts, written as blank-separated pieces: a sound ("sz") is its small
// rune, "Sz" its capital, "#50" a numeral, "+" a ZERO WIDTH JOINER, "<" and
// ">" the start and end of a right-to-left line, "[" and "]" of a left-to-right
// one, "{" and "}" a left-to-right isolate, "_" a space; anything else stands
// for itself (UTF-8).
std::string J(std::string_view leiras) {
  std::string s;
  while (!leiras.empty()) {
    const size_t v = leiras.find(' ');
    const std::string d(leiras.substr(0, v));
    leiras = v == std::string_view::npos ? "" : leiras.substr(v + 1);
    const std::string kis = win1250::ToLower(win1250::FromUtf8(d));
    if (d == "+")
      s += "\u200D";
    else if (d == "<")
      s += "\u202E";
    else if (d == "[")
      s += "\u202D";
    else if (d == ">" || d == "]")
      s += "\u202C";
    else if (d == "{")
      s += "\u2066";
    else if (d == "}")
      s += "\u2069";
    else if (d == "_")
      s += " ";
    else if (d[0] == '#' && d.size() > 1)
      s += Utf8(rovasjelek::Szamjel(std::stoi(d.substr(1))));
    else if (char32_t r = rovasjelek::Kisbetu(kis))
      s += Utf8(kis == win1250::FromUtf8(d) ? r : r - 0x40);
    else
      s += d;
  }
  return s;
}

// A model as the settings window's reset leaves it, for `betukeszlet`.
std::unique_ptr<TRovasBeallitasok> Modell(std::string_view betukeszlet) {
  namespace a = beallitas_alap;
  auto m = std::make_unique<TRovasBeallitasok>();
  m->SetMelyK(a::MelyK);
  m->SetHKezdoEKihagy(a::HKezdoEKihagy);
  m->SetHIsmetlodoEgyesit(a::HIsmetlodoEgyesit);
  m->SetSzamokBJ(a::SzamokBJ);
  m->SetKiterjesztettBetuk(a::KiterjesztettBetuk);
  m->SetBetukeszlet(betukeszlet);
  m->SetBetuKepesseg(std::make_unique<TBetuKepesseg>(betukeszlet));
  m->SetESzamokKore(a::ESzamokKore);
  m->SetEElsoKor(a::EElsoKor);
  return m;
}

// Latin text through the engine and the converter.
std::string Unicode(TRovasBeallitasok& m, std::string_view latin_utf8) {
  TKarvo motor(m);
  const std::string kodok = motor.Atrov(win1250::FromUtf8(latin_utf8));
  std::optional<TUnicodeRovas> u = UnicodeRovas(m, motor);
  return u ? u->Atalakit(kodok) : "(none)";
}

// The codes a list's rules write (their replacements without "$n").
void Kodok(std::string_view lista, std::set<unsigned char>& ide) {
  size_t i = 0;
  while (i < lista.size()) {
    const size_t veg = std::min(lista.find(',', i), lista.size());
    const std::string_view darab = lista.substr(i, veg - i);
    i = veg + 1;
    const size_t kotojel = darab.find('-');
    if (kotojel == std::string_view::npos || darab.find('-', kotojel + 1) != std::string_view::npos)
      continue;  // rules the round drops
    const std::string_view csere = darab.substr(kotojel + 1);
    for (size_t k = 0; k < csere.size(); ++k) {
      if (csere[k] == '$')
        ++k;
      else
        ide.insert(static_cast<unsigned char>(csere[k]));
    }
  }
}

// Codes that stay as they are although a rule writes them, because the font
// puts numerals of different value there.
const std::map<std::string, std::set<unsigned char>> kMegtartott = {
    {"RotatalpasNBProS", {'?'}},  // every numeral and ty, ü, ű
};

TEST(UnicodeRovas, EveryCataloguedCodeHasAMeaning) {
  for (const std::string& nev : KatalogusNevek()) {
    const TBetuKepesseg k(nev);
    if (!k.VanBetu) continue;  // no known meaning at all (tested below)
    for (bool jb : {true, false}) {
      for (uint8_t ak_mod : {0, 3}) {
        const TUnicodeRovas u(k, {.jobbrol_balra = jb,
                                  .kiterjesztett = true,
                                  .melyk = true,
                                  .melyk_mod = ak_mod,
                                  .osszerovas = true,
                                  .kepjelek = true,
                                  .szamok_atirva = true});
        std::set<unsigned char> kodok;
        for (const std::string* l :
             {&k.BetukKore, jb ? &k.BetukKoreJB : &k.BetukKoreBJ, &k.KiterjesztettKor,
              &k.KiterjesztettPotlas, &k.MelyKHangrendi, &k.MelyKSzoElejen, &k.MelyKSzoVegen,
              &k.OsszerovasElso, &k.OsszerovasMasodik, &k.KepjelekElso, &k.KepjelekMasodik,
              &k.SzamokKore, jb ? &k.SzamokKoreJB : &k.SzamokKoreBJ})
          Kodok(*l, kodok);
        const auto it = kMegtartott.find(nev);
        for (unsigned char c : kodok) {
          const bool dokumentalt = it != kMegtartott.end() && it->second.count(c);
          EXPECT_EQ(u.Megtartott(c), dokumentalt)
              << nev << (jb ? " jb" : " bj") << " code 0x" << std::hex << int(c) << " reads as "
              << u.Jelentes(c);
        }
      }
    }
  }
}

struct Sor {
  const char* betukeszlet;
  std::vector<std::pair<const char*, const char*>> kulcsok;  // model fields to set
  const char* latin;                                         // UTF-8
  const char* vart;                                          // in the notation of J
};

void Allit(TRovasBeallitasok& m, std::string_view kulcs, std::string_view ertek) {
  const bool be = ertek == "1";
  if (kulcs == "Szamok")
    m.SetSzamok(be);
  else if (kulcs == "SzamokBJ")
    m.SetSzamokBJ(be);
  else if (kulcs == "Osszerovas")
    m.SetOsszerovas(be);
  else if (kulcs == "Kepjelek")
    m.SetKepjelek(be);
  else if (kulcs == "Irany")
    m.SetIrany(static_cast<uint8_t>(std::stoi(std::string(ertek))));
  else
    FAIL() << kulcs;
}

TEST(UnicodeRovas, LatinTextInUnicodeRovasScript) {
  const Sor sorok[] = {
      // The default font: k forms, brackets back in reading order, reversed
      // punctuation, a number kept left to right.
      {"Rovasjel jb",
       {},
       "Kék ég (szép), 1848?",
       "< k é ak _ é g _ ( sz é p ) ⹁ _ { 1 8 4 8 } ⸮ >"},
      {"Rovasjel jb",
       {{"Szamok", "1"}},
       "1848; 2000",
       "< #1000 #5 #100 #100 #100 #100 #10 #10 #10 #10 #5 #1 #1 #1 ⁏ _ #1 #1 #1000 >"},
      {"Rovasjel jb", {}, "1848. 3. 15 (12)", "< { 1 8 4 8 . _ 3 . _ 1 5 } _ ( { 1 2 } ) >"},
      // A separator inside a number kept left to right stays as it is.
      {"Rovasjel jb", {}, "3,14, 1 000", "< { 3 , 1 4 } ⹁ _ { 1 _ 0 0 0 } >"},
      // Digits the settings do not keep left to right read right to left, as in the pane.
      {"Rovasjel jb", {{"SzamokBJ", "0"}}, "1848. 3", "< 1 8 4 8 . _ 3 >"},
      {"Rovasjel bj", {}, "Kék ég (szép), 1848?", "[ k é ak _ é g _ ( sz é p ) , _ 1 8 4 8 ? ]"},
      {"Rovasjel jb", {{"Irany", "2"}}, "(a)", "[ ( a ) ]"},
      // Capitals in a font that has them.
      {"Rovas n elojellel jb", {}, "Cseh Gyula", "< Cs e h _ Gy u l a >"},
      // Ligatures joined, pictographs spelt out or as the letter Unicode has, extended letters.
      {"Rovas Kiterjesztett",
       {{"Osszerovas", "1"}, {"Kepjelek", "1"}},
       "hónap ti kapus x",
       "< h ó n a p _ t + i _ k a p us _ k sz >"},
      {"VK 13 iras", {}, "Nyár; ty", "< Ny á r ⁏ _ ty >"},
      // A font whose letters sit on digits: the digit code reads as its letter.
      {"Rovas n qezdojellel jb", {}, "cs 12", "< cs _ { 1 2 } >"},
  };
  for (const Sor& s : sorok) {
    auto m = Modell(s.betukeszlet);
    for (const auto& [kulcs, ertek] : s.kulcsok) Allit(*m, kulcs, ertek);
    EXPECT_EQ(Unicode(*m, s.latin), J(s.vart)) << s.betukeszlet << ": " << s.latin;
  }
}

TEST(UnicodeRovas, ADirectionMarkPerLineBetweenLineBreaks) {
  auto m = Modell("Rovasjel jb");
  EXPECT_EQ(Unicode(*m, "ab\r\n\r\nc\n"), J("< a b >") + "\r\n\r\n" + J("< c >") + "\n");
  EXPECT_EQ(Unicode(*m, ""), "");
}

TEST(UnicodeRovas, CodesOfUnknownMeaning) {
  auto egyeni = Modell("Rovasjel jb");
  egyeni->SetEgyeniBeallitasok(true);
  EXPECT_EQ(UnicodeAkadaly(*egyeni), TUnicodeAkadaly::EgyeniBeallitasok);
  for (const char* nev : {"Nincs ilyen", "rovasjel jb", "Rovas Khazarian"})
    EXPECT_EQ(UnicodeAkadaly(*Modell(nev)), TUnicodeAkadaly::IsmeretlenBetukeszlet) << nev;
  TRovasBeallitasok ures;
  EXPECT_EQ(UnicodeAkadaly(ures), TUnicodeAkadaly::IsmeretlenBetukeszlet);
  TKarvo motor(*egyeni);
  EXPECT_FALSE(UnicodeRovas(*egyeni, motor));
  EXPECT_EQ(UnicodeAkadaly(*Modell("Rovas Arvisura")), TUnicodeAkadaly::Nincs);
}

}  // namespace
