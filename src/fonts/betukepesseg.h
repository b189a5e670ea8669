// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The capability record of one rovás font and the built-in catalogue.
//
// A record is built from a font name alone (installed or not): defaults, then
// the changes of the first catalogue group that lists the name (exact,
// case-sensitive), then a clearing pass that empties every list whose flag is
// false. An unknown name gets all ten flags false. Texts are Windows-1250.

#include <string>
#include <string_view>
#include <vector>

// Merge of two rule lists: a, then "," unless b is empty or starts with one,
// then b; finally a leading "," when the result is non-empty and lacks one.
// Never de-duplicates.
std::string Hozzafuz(std::string_view a, std::string_view b);

class TBetuKepesseg {
 public:
  explicit TBetuKepesseg(std::string_view betukeszlet);

  // Readers read the fields directly; the record never changes after construction.
  bool JobbrolBalraIras;  // written right to left
  bool VanSzamjegy;       // shows ordinary digits
  bool VanRovasSzam;      // has rovás numerals
  bool VanBetu;           // has a letter mapping (BetukKore)
  bool VanMelyK;          // has the aK sign
  bool VanKiterjesztett;  // has glyphs for q, w, x, y, dz, dzs
  bool VanOsszerovas;     // has ligature glyphs
  bool VanKepjel;         // has pictograph glyphs
  bool Nagybetus;         // has capitals: the pipeline keeps letter case
  bool SzamokElore;       // numbers go before the letter rounds

  std::string SzamjegyKor;          // numbers when number transliteration is off
  std::string SzamokKore;           // rovás numerals
  std::string SzamokKoreJB;         // appended to SzamokKore for right-to-left text
  std::string SzamokKoreBJ;         // appended to SzamokKore for left-to-right text
  std::string BetukKore;            // letters: first list of round 1
  std::string BetukKoreBJ;          // appended to round 1 for left-to-right text
  std::string BetukKoreJB;          // appended to round 1 for right-to-left text
  std::string KiterjesztettKor;     // extended letters to the font's own glyphs
  std::string KiterjesztettPotlas;  // extended letters spelled with ordinary ones
  std::string MelyKHangrendi;       // aK by vowel harmony
  std::string MelyKJel;             // the aK character itself (not a rule list)
  std::string MelyKSzoElejen;       // aK for a word-initial k
  std::string MelyKSzoVegen;        // aK for a word-final k
  std::string OsszerovasElso;       // ligatures, round 1
  std::string OsszerovasMasodik;    // ligatures, round 2
  std::string KepjelekElso;         // pictographs, round 1
  std::string KepjelekMasodik;      // pictographs, round 2
  std::string GepelesKor;           // the typing helper's list
};

// The font chosen when nothing else is.
inline constexpr std::string_view kAlapBetukeszlet = "Rovasjel jb";

// The eight fonts the user can choose from, in the order they are offered.
const std::vector<std::string>& FelkinaltBetukeszletek();

// Every catalogued font name, in catalogue order.
const std::vector<std::string>& KatalogusNevek();
