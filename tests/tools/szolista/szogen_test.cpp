// SPDX-License-Identifier: GPL-3.0-or-later
// The exception-word generator: which pairs of a word are false, and which
// entries the list gets.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "szogen.h"

namespace {

using namespace szogen;

std::vector<int> Hamis(const TElemzo& e, const std::string& szo) { return e.Szo(Utf32(szo)).hamis; }

const TElemzo& Elemzo() {
  static const TElemzo e(ROVAS_AFF, ROVAS_DIC, ROVAS_HYPH);
  return e;
}

TEST(Szogen, FalsePairsByKindOfBoundary) {
  struct {
    const char* szo;
    std::vector<int> hamis;  // split positions, in letters
  } const sorok[] = {
      // compounds
      {"arcszín", {3}},
      {"vízszintes", {3}},
      {"rövidzárlat", {5}},
      {"vadászzsákmány", {6}},
      // derivational suffixes
      {"község", {3}},
      {"igazság", {4}},
      {"kurucság", {5}},
      // a single consonant before a long-looking one
      {"ősszülő", {2}},
      // numbers
      {"tizennyolc", {5}},
      // true pairs only: nothing to split
      {"rézsút", {}},
      {"meggyes", {}},
      {"asszony", {}},
      {"jegygyűrű", {}},
      {"könnyű", {}},
      {"hosszú", {}},
      {"négyből", {}},
      {"bodza", {}},
  };
  for (const auto& s : sorok) EXPECT_EQ(Hamis(Elemzo(), s.szo), s.hamis) << s.szo;
}

TEST(Szogen, SuffixedWordsKnowTheirBoundary) {
  struct {
    const char* szo;
    std::vector<std::pair<std::string, int>> vart;
  } const sorok[] = {
      {"tíz", {{"tízszer", 3}}},
      {"kuruc", {{"kurucság", 5}}},
      {"kilenc", {{"kilencszer", 6}}},
      {"asszony", {}},  // ends in a vowel: no suffix makes a pair
  };
  const std::unordered_set<std::u32string> szotar;
  for (const auto& s : sorok) {
    std::vector<std::pair<std::string, int>> kapott;
    for (const auto& [szo, b] : ToldalekosSzavak(Elemzo(), Utf32(s.szo), szotar))
      kapott.emplace_back(Utf8(szo), b);
    for (const auto& v : s.vart) {
      EXPECT_NE(std::find(kapott.begin(), kapott.end(), v), kapott.end()) << v.first;
    }
    if (s.vart.empty()) {
      EXPECT_TRUE(kapott.empty()) << s.szo;
    }
  }
}

TEST(Szogen, HyphenationNotes) {
  struct {
    const char* szo;
    const char* hy;
    std::vector<int> hatarok;
  } const sorok[] = {
      {"ősszülő", "ős|szü-lő", {2, 5}}, {"vízszűke", "z|sz", {3}},  // a piece of the word
      {"jegygyűrű", "4", {4}},          // a compound boundary after four letters
      {"szeszes", "s|z", {}},           // the piece occurs twice: unusable
      {"község", "köz-ség|há-za", {}},  // not this word
  };
  for (const auto& s : sorok)
    EXPECT_EQ(HyMegjegyzesHatarai(Utf32(s.szo), Utf32(s.hy)), s.hatarok) << s.szo;
}

TSzo Szo(const std::string& szo, std::vector<int> hamis) {
  const std::u32string b = Utf32(szo);
  return {b, ParHelyek(b), std::move(hamis)};
}

// Every word is split exactly at its false pairs, and a pattern that would
// also meet a true pair is widened or anchored.
TEST(Szogen, ChosenEntriesSplitOnlyFalsePairs) {
  const std::vector<TSzo> szavak = {
      Szo("község", {3}),     Szo("községben", {3}),    Szo("nagyközség", {7}), Szo("igazság", {4}),
      Szo("igazságos", {4}),  Szo("rézsút", {}),        Szo("mézsör", {3}),     Szo("rézsű", {}),
      Szo("tizennyolc", {5}), Szo("tizennyolcas", {5}), Szo("könnyű", {}),      Szo("szén", {}),
      Szo("szénnyomás", {4}),
  };
  const std::vector<TBejegyzes> lista = Valasztas(szavak);
  for (const TSzo& sz : szavak) EXPECT_EQ(Vagasok(lista, sz.betuk), sz.hamis) << Utf8(sz.betuk);
  // "z|s" alone would split rézsút; "n|ny" alone könnyű.
  for (const TBejegyzes& e : lista) {
    EXPECT_NE(e.minta, U"z|s");
    EXPECT_NE(e.minta, U"n|ny");
  }
  EXPECT_LT(lista.size(), 6u);  // stems, not one entry per word
}

TEST(Szogen, XmlLines) {
  EXPECT_EQ(SzoXmlSor({U"köz|ség", false, false, 0}), R"(<szo mit="község" mire="köz|ség"/>)");
  EXPECT_EQ(SzoXmlSor({U"n|ny", true, true, 0}), R"(<szo mit="\bnny\b" mire="n|ny"/>)");
}

}  // namespace
