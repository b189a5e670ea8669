// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/beallitasok.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

TEST(RovasBeallitasok, StartsEmpty) {
  const TRovasBeallitasok m;
  EXPECT_FALSE(m.Osszerovas || m.MelyK || m.Kepjelek || m.HKezdoEKihagy || m.Szamok ||
               m.EgyeniBeallitasok || m.HIsmetlodoEgyesit || m.KivetelesSzavak ||
               m.HHosszutRovidit || m.SzamokBJ || m.KiterjesztettBetuk || m.Valtozott);
  EXPECT_EQ(m.AKHasznalatiMod + m.HModszer + m.HHatokor + m.ESzovegirany + m.Irany, 0);
  EXPECT_EQ(m.Meret, 0);
  EXPECT_EQ(
      m.Betukeszlet + m.EBetukeszlet + m.EElsoKor + m.EMasodikKor + m.ESzamokKore + m.EGepeleskor,
      "");
  EXPECT_EQ(m.BetuKepesseg, nullptr);
  EXPECT_EQ(m.KivetelesSzoLista, nullptr);
}

// Every setter stores its value and marks the model changed, also when the
// value does not change.
TEST(RovasBeallitasok, EverySetterStoresAndMarks) {
  struct Eset {
    const char* nev;
    std::function<void(TRovasBeallitasok&)> beallit;
    std::function<bool(const TRovasBeallitasok&)> tarolta;
  };
  const std::vector<Eset> esetek = {
      {"Osszerovas", [](auto& m) { m.SetOsszerovas(true); }, [](auto& m) { return m.Osszerovas; }},
      {"MelyK", [](auto& m) { m.SetMelyK(true); }, [](auto& m) { return m.MelyK; }},
      {"AKHasznalatiMod", [](auto& m) { m.SetAKHasznalatiMod(3); },
       [](auto& m) { return m.AKHasznalatiMod == 3; }},
      {"Kepjelek", [](auto& m) { m.SetKepjelek(true); }, [](auto& m) { return m.Kepjelek; }},
      {"HKezdoEKihagy", [](auto& m) { m.SetHKezdoEKihagy(true); },
       [](auto& m) { return m.HKezdoEKihagy; }},
      {"Szamok", [](auto& m) { m.SetSzamok(true); }, [](auto& m) { return m.Szamok; }},
      {"EgyeniBeallitasok", [](auto& m) { m.SetEgyeniBeallitasok(true); },
       [](auto& m) { return m.EgyeniBeallitasok; }},
      {"HIsmetlodoEgyesit", [](auto& m) { m.SetHIsmetlodoEgyesit(true); },
       [](auto& m) { return m.HIsmetlodoEgyesit; }},
      {"KivetelesSzavak", [](auto& m) { m.SetKivetelesSzavak(true); },
       [](auto& m) { return m.KivetelesSzavak; }},
      {"HHosszutRovidit", [](auto& m) { m.SetHHosszutRovidit(true); },
       [](auto& m) { return m.HHosszutRovidit; }},
      {"SzamokBJ", [](auto& m) { m.SetSzamokBJ(true); }, [](auto& m) { return m.SzamokBJ; }},
      {"Meret", [](auto& m) { m.SetMeret(72); }, [](auto& m) { return m.Meret == 72; }},
      {"Betukeszlet", [](auto& m) { m.SetBetukeszlet("Rovasjel bj"); },
       [](auto& m) { return m.Betukeszlet == "Rovasjel bj"; }},
      {"EBetukeszlet", [](auto& m) { m.SetEBetukeszlet("Cserkesz"); },
       [](auto& m) { return m.EBetukeszlet == "Cserkesz"; }},
      {"EElsoKor", [](auto& m) { m.SetEElsoKor("a-b"); },
       [](auto& m) { return m.EElsoKor == "a-b"; }},
      {"EMasodikKor", [](auto& m) { m.SetEMasodikKor("c-d"); },
       [](auto& m) { return m.EMasodikKor == "c-d"; }},
      {"ESzamokKore", [](auto& m) { m.SetESzamokKore("1-y"); },
       [](auto& m) { return m.ESzamokKore == "1-y"; }},
      {"BetuKepesseg",
       [](auto& m) { m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>("Rovasjel bj")); },
       [](auto& m) { return m.BetuKepesseg && !m.BetuKepesseg->JobbrolBalraIras; }},
      {"HModszer", [](auto& m) { m.SetHModszer(5); }, [](auto& m) { return m.HModszer == 5; }},
      {"HHatokor", [](auto& m) { m.SetHHatokor(2); }, [](auto& m) { return m.HHatokor == 2; }},
      {"ESzovegirany", [](auto& m) { m.SetESzovegirany(2); },
       [](auto& m) { return m.ESzovegirany == 2; }},
      {"Irany", [](auto& m) { m.SetIrany(1); }, [](auto& m) { return m.Irany == 1; }},
      {"KivetelesSzoLista",
       [](auto& m) {
         m.SetKivetelesSzoLista(
             std::make_unique<std::vector<std::string>>(std::vector<std::string>{"kt=k\x08t"}));
       },
       [](auto& m) {
         return m.KivetelesSzoLista && m.KivetelesSzoLista->size() == 1 &&
                m.KivetelesSzoLista->front() == "kt=k\x08t";
       }},
      {"KiterjesztettBetuk", [](auto& m) { m.SetKiterjesztettBetuk(true); },
       [](auto& m) { return m.KiterjesztettBetuk; }},
      {"EGepeleskor", [](auto& m) { m.SetEGepeleskor("e-f"); },
       [](auto& m) { return m.EGepeleskor == "e-f"; }},
  };
  for (const Eset& e : esetek) {
    TRovasBeallitasok m;
    e.beallit(m);
    EXPECT_TRUE(m.Valtozott) << e.nev;
    EXPECT_TRUE(e.tarolta(m)) << e.nev;
    m.SetValtozott(false);
    e.beallit(m);  // the same value again
    EXPECT_TRUE(m.Valtozott) << e.nev << " (same value)";
  }
}

TEST(RovasBeallitasok, ReplacesOwnedObjects) {
  TRovasBeallitasok m;
  m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>("Rovasjel jb"));
  m.SetKivetelesSzoLista(std::make_unique<std::vector<std::string>>(1, "a=b"));
  m.SetValtozott(false);
  auto uj = std::make_unique<TBetuKepesseg>("Rovasjel bj");
  const TBetuKepesseg* uj_cim = uj.get();
  m.SetBetuKepesseg(std::move(uj));
  EXPECT_EQ(m.BetuKepesseg.get(), uj_cim);
  EXPECT_TRUE(m.Valtozott);
  m.SetValtozott(false);
  m.SetKivetelesSzoLista(nullptr);
  EXPECT_EQ(m.KivetelesSzoLista, nullptr);
  EXPECT_TRUE(m.Valtozott);
}

TEST(RovasBeallitasok, EffectiveFontAndDirection) {
  struct Eset {
    bool egyeni;
    uint8_t irany, eszovegirany;
    const char* betukeszlet;  // record of the font list's choice; null: none
    uint8_t vart;
  };
  const Eset esetek[] = {
      {false, 0, 2, "Rovasjel jb", 1},  // by font
      {false, 0, 1, "Rovasjel bj", 2},
      {false, 0, 0, "nincs ilyen", 2},  // uncatalogued: left to right
      {false, 2, 1, "Rovasjel jb", 2},  // explicit beats the font
      {false, 1, 2, "Rovasjel bj", 1},
      {true, 0, 1, "Rovasjel bj", 1},  // custom direction, whatever Irany says
      {true, 1, 2, "Rovasjel jb", 2},
      {true, 2, 0, "Rovasjel jb", 1},  // custom 0 falls back on the font too
      {false, 0, 0, nullptr, 2},       // no record at all
  };
  for (const Eset& e : esetek) {
    TRovasBeallitasok m;
    m.SetEgyeniBeallitasok(e.egyeni);
    m.SetIrany(e.irany);
    m.SetESzovegirany(e.eszovegirany);
    if (e.betukeszlet) m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(e.betukeszlet));
    EXPECT_EQ(m.HasznaltIrany(), e.vart)
        << e.egyeni << " " << int(e.irany) << " " << int(e.eszovegirany) << " "
        << (e.betukeszlet ? e.betukeszlet : "-");
  }

  TRovasBeallitasok m;
  m.SetBetukeszlet("Rovasjel jb");
  m.SetEBetukeszlet("Sajat betu");
  EXPECT_EQ(m.HasznaltBetukeszlet(), "Rovasjel jb");
  m.SetEgyeniBeallitasok(true);
  EXPECT_EQ(m.HasznaltBetukeszlet(), "Sajat betu");
}

TEST(RovasBeallitasok, TypingListFollowsTheCustomSwitch) {
  TRovasBeallitasok m;
  EXPECT_EQ(m.HasznaltGepelesKor(), "");  // no record yet
  m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>("Rovasjel jb"));
  m.SetEGepeleskor("a-b");
  EXPECT_EQ(m.HasznaltGepelesKor(), m.BetuKepesseg->GepelesKor);
  EXPECT_FALSE(m.HasznaltGepelesKor().empty());
  m.SetEgyeniBeallitasok(true);
  EXPECT_EQ(m.HasznaltGepelesKor(), "a-b");
}

TEST(RovasBeallitasok, ResetValuesAreTheDocumentedOnes) {
  // Bytes spelled out: \xB3 is "ł".
  EXPECT_EQ(beallitas_alap::EElsoKor,
            "cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,zzs-ZZ,"
            "x-kS,y-i,q-kv,w-v,\\bK-\xB3,\xB3\\b-K,\\B\xB3\\B-k,\\BK\\B-k");
  EXPECT_TRUE(beallitas_alap::EGepeleskor.ends_with(
      ",zzs-ZZ,\\bk-\xB3,k\\b-K,\\bK-\xB3,\xB3\\b-K,\\B\xB3\\B-k,\\BK\\B-k"));
  EXPECT_EQ(beallitas_alap::ESzamokKore, "1-1,5-2,10-3,50-4,100-5,500-6,1000-7");
  EXPECT_EQ(beallitas_alap::Betukeszlet, kAlapBetukeszlet);
}

}  // namespace
