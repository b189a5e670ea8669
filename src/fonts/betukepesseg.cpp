// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts/betukepesseg.h"

#include "fonts/katalogus.h"

std::string Hozzafuz(std::string_view a, std::string_view b) {
  std::string s(a);
  if (!b.empty() && b.front() != ',') s += ',';
  s += b;
  if (!s.empty() && s.front() != ',') s.insert(s.begin(), ',');
  return s;
}

namespace {

void Cserel(std::string& lista, const std::optional<katalogus::Lista>& uj) {
  if (!uj) return;
  lista = uj->vesszovel ? Hozzafuz("", uj->ertek) : uj->ertek;
}

bool JobbrolBalra(katalogus::Irany irany, std::string_view nev) {
  using enum katalogus::Irany;
  switch (irany) {
    case JobbrolBalra:
      return true;
    case BalrolJobbra:
      return false;
    case JbANevben:
      return nev.find("jb") != std::string_view::npos;
    case TukorNelkul:
      return nev.find("tukor") == std::string_view::npos;
    case NemTVegu:
      return nev.empty() || nev.back() != 'T';
  }
  return false;
}

}  // namespace

TBetuKepesseg::TBetuKepesseg(std::string_view betukeszlet)
    : JobbrolBalraIras(true),
      VanSzamjegy(true),
      VanRovasSzam(true),
      VanBetu(true),
      VanMelyK(true),
      VanKiterjesztett(true),
      VanOsszerovas(true),
      VanKepjel(true),
      Nagybetus(false),
      SzamokElore(false) {
  const katalogus::Alapertekek& alap = katalogus::Alap();
  SzamjegyKor = Hozzafuz(SzamjegyKor, "");
  SzamokKore = Hozzafuz(SzamokKore, alap.SzamokKore);
  BetukKore = Hozzafuz(BetukKore, alap.BetukKore);
  GepelesKor = BetukKore;
  MelyKHangrendi = Hozzafuz(MelyKHangrendi, alap.MelyKHangrendi);
  MelyKJel = alap.MelyKJel;
  MelyKSzoElejen = Hozzafuz(MelyKSzoElejen, alap.MelyKSzoElejen);
  MelyKSzoVegen = Hozzafuz(MelyKSzoVegen, alap.MelyKSzoVegen);
  KiterjesztettKor = Hozzafuz(KiterjesztettKor, alap.KiterjesztettKor);
  KiterjesztettPotlas = Hozzafuz(KiterjesztettPotlas, alap.KiterjesztettPotlas);
  OsszerovasElso = Hozzafuz(OsszerovasElso, alap.OsszerovasElso);
  OsszerovasMasodik = Hozzafuz(OsszerovasMasodik, alap.OsszerovasMasodik);
  KepjelekElso = Hozzafuz(KepjelekElso, alap.KepjelekElso);
  KepjelekMasodik = Hozzafuz(KepjelekMasodik, alap.KepjelekMasodik);

  if (const katalogus::Csoport* cs = katalogus::Keres(betukeszlet)) {
    JobbrolBalraIras = JobbrolBalra(cs->irany, betukeszlet);
    VanSzamjegy = cs->jelzok.VanSzamjegy;
    VanRovasSzam = cs->jelzok.VanRovasSzam;
    VanBetu = cs->jelzok.VanBetu;
    VanMelyK = cs->jelzok.VanMelyK;
    VanKiterjesztett = cs->jelzok.VanKiterjesztett;
    VanOsszerovas = cs->jelzok.VanOsszerovas;
    VanKepjel = cs->jelzok.VanKepjel;
    Nagybetus = cs->jelzok.Nagybetus;
    SzamokElore = cs->jelzok.SzamokElore;

    Cserel(SzamokKore, cs->SzamokKore);
    Cserel(SzamokKoreJB, cs->SzamokKoreJB);
    Cserel(SzamokKoreBJ, cs->SzamokKoreBJ);
    Cserel(BetukKore, cs->BetukKore);
    Cserel(BetukKoreBJ, cs->BetukKoreBJ);
    Cserel(BetukKoreJB, cs->BetukKoreJB);
    Cserel(KiterjesztettKor, cs->KiterjesztettKor);
    Cserel(KiterjesztettPotlas, cs->KiterjesztettPotlas);
    Cserel(MelyKJel, cs->MelyKJel);
    Cserel(KepjelekElso, cs->KepjelekElso);
    Cserel(KepjelekMasodik, cs->KepjelekMasodik);
    Cserel(GepelesKor, cs->GepelesKor);
    if (cs->osszetett) {
      const katalogus::Osszetett& o = *cs->osszetett;
      const std::string& p =
          betukeszlet.find("jb") != std::string_view::npos ? o.zarojel_jb : o.zarojel_egyeb;
      const std::string_view k = katalogus::KValtozatok();
      GepelesKor = Hozzafuz(Hozzafuz(Hozzafuz("", o.betuk), p), k);
      BetukKore = Hozzafuz(Hozzafuz(Hozzafuz(Hozzafuz(Hozzafuz("", o.betuk), p), o.betuk), p), k);
    }
  } else {
    JobbrolBalraIras = VanSzamjegy = VanRovasSzam = VanBetu = VanMelyK = VanKiterjesztett =
        VanOsszerovas = VanKepjel = Nagybetus = SzamokElore = false;
  }

  // Whatever a font lacks leaves no rules behind.
  if (!VanSzamjegy) SzamjegyKor.clear();
  if (!VanRovasSzam) SzamokKore.clear();
  if (!VanBetu) BetukKore.clear();
  if (!VanKiterjesztett)
    KiterjesztettKor.clear();
  else
    KiterjesztettPotlas.clear();
  if (!VanMelyK) {
    MelyKHangrendi.clear();
    MelyKSzoElejen.clear();
    MelyKSzoVegen.clear();
  }
  if (!VanOsszerovas) {
    OsszerovasElso.clear();
    OsszerovasMasodik.clear();
  }
  if (!VanKepjel) {
    KepjelekElso.clear();
    KepjelekMasodik.clear();
  }
}

const std::vector<std::string>& FelkinaltBetukeszletek() {
  static const std::vector<std::string> nevek = {
      "Osi betusor jb", "Osi betu n elojellel jb", "Rovas n elojellel jb", "Rovasjel jb",
      "Osi betusor bj", "Osi betu n elojellel bj", "Rovas n elojellel bj", "Rovasjel bj"};
  return nevek;
}

const std::vector<std::string>& KatalogusNevek() {
  static const std::vector<std::string> nevek = [] {
    std::vector<std::string> v;
    for (const katalogus::Csoport& cs : katalogus::Csoportok())
      v.insert(v.end(), cs.nevek.begin(), cs.nevek.end());
    return v;
  }();
  return nevek;
}
