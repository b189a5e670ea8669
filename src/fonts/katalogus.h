// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue data behind TBetuKepesseg (internal to the fonts module).
//
// Every list here is written as the catalogue gives it: without the leading
// comma that the record adds when it stores the list.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace katalogus {

// How a group sets JobbrolBalraIras.
enum class Irany {
  JobbrolBalra,
  BalrolJobbra,
  JbANevben,    // right to left exactly when the name contains "jb"
  TukorNelkul,  // right to left unless the name contains "tukor"
  NemTVegu,     // right to left unless the name ends with "T"
};

// A list that a group puts in place of the default.
struct Lista {
  std::string ertek;
  bool vesszovel = true;  // false: stored as it stands, without the leading comma
};

// The nine flags besides the direction, in the record's order.
struct Jelzok {
  bool VanSzamjegy, VanRovasSzam, VanBetu, VanMelyK, VanKiterjesztett, VanOsszerovas, VanKepjel,
      Nagybetus, SzamokElore;
};

// The letter lists of groups 7 to 9, composed from a letter list L, a bracket
// pair P and the k-variant rules K: GepelesKor is L,P,K and BetukKore L,P,L,P,K.
struct Osszetett {
  std::string betuk;          // L: digraph entries, then the group's extra entries
  std::string zarojel_jb;     // P for names containing "jb"
  std::string zarojel_egyeb;  // P for the other names
};

// One catalogue entry group (group 13 is held as two consecutive rows that
// differ in their numeral list only).
struct Csoport {
  int szam;
  std::vector<std::string> nevek;
  Irany irany;
  Jelzok jelzok;
  // The lists that differ from the defaults; unset ones keep the default.
  std::optional<Lista> SzamokKore{};
  std::optional<Lista> SzamokKoreJB{};
  std::optional<Lista> SzamokKoreBJ{};
  std::optional<Lista> BetukKore{};
  std::optional<Lista> BetukKoreBJ{};
  std::optional<Lista> BetukKoreJB{};
  std::optional<Lista> KiterjesztettKor{};
  std::optional<Lista> KiterjesztettPotlas{};
  std::optional<Lista> MelyKJel{};
  std::optional<Lista> KepjelekElso{};
  std::optional<Lista> KepjelekMasodik{};
  std::optional<Lista> GepelesKor{};
  std::optional<Osszetett> osszetett{};
};

// The defaults every name starts from.
struct Alapertekek {
  std::string SzamokKore, BetukKore, KiterjesztettKor, KiterjesztettPotlas, MelyKHangrendi,
      MelyKJel, MelyKSzoElejen, MelyKSzoVegen, OsszerovasElso, OsszerovasMasodik, KepjelekElso,
      KepjelekMasodik;
};

const Alapertekek& Alap();

// The rows in catalogue order.
const std::vector<Csoport>& Csoportok();

// The first row listing `nev` (exact, case-sensitive), or null.
const Csoport* Keres(std::string_view nev);

// The k-variant rules joined after the letter lists of groups 7 to 9.
std::string_view KValtozatok();

}  // namespace katalogus
