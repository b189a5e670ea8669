#include "fonts/betukepesseg.h"

std::string Hozzafuz(std::string_view a, std::string_view b) {
  std::string s(a);
  if (!b.empty() && b.front() != ',') s += ',';
  s += b;
  if (!s.empty() && s.front() != ',') s.insert(s.begin(), ',');
  return s;
}

// Placeholder until the catalogue lands: the uncatalogued-font record.
TBetuKepesseg::TBetuKepesseg(std::string_view)
    : JobbrolBalraIras(false),
      VanSzamjegy(false),
      VanRovasSzam(false),
      VanBetu(false),
      VanMelyK(false),
      VanKiterjesztett(false),
      VanOsszerovas(false),
      VanKepjel(false),
      Nagybetus(false),
      SzamokElore(false),
      KiterjesztettPotlas(",x-kS,y-i,q-kv,w-v"),
      MelyKJel("K") {}

const std::vector<std::string>& FelkinaltBetukeszletek() {
  static const std::vector<std::string> nevek = {
      "Osi betusor jb", "Osi betu n elojellel jb", "Rovas n elojellel jb", "Rovasjel jb",
      "Osi betusor bj", "Osi betu n elojellel bj", "Rovas n elojellel bj", "Rovasjel bj"};
  return nevek;
}

const std::vector<std::string>& KatalogusNevek() {
  static const std::vector<std::string> nevek;
  return nevek;
}
