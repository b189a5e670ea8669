// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <functional>

#include "platform/programdir.h"
#include "platform/win1250.h"
#include "segedek.h"
#include "ui/settings/beallitasallapot.h"

namespace {

using namespace win1250::literals;

using namespace std::chrono;

const TIdopont kMa = TIdopont{local_days{2026y / 3 / 14}.time_since_epoch() + hours{9}};

class BeallitasAllapotTest : public ::testing::Test {
 protected:
  TBeallitasKornyezet Kornyezet() {
    TBeallitasKornyezet k;
    k.ProgramKonyvtar = dir.Ut();
    k.Office = &office;
    k.Ora = [] { return kMa; };
    return k;
  }

  TempKonyvtar dir;
  platform::FixedOfficeRegistry office{std::vector<std::string>{"12.0", "16.0"}};
  TRovasBeallitasok modell;
};

int Index(const std::vector<std::string>& nevek, std::string_view nev) {
  for (std::size_t i = 0; i < nevek.size(); ++i) {
    if (nevek[i] == nev) return static_cast<int>(i);
  }
  return -1;
}

// The controls right after "Alaphelyzet" with the probe answering yes.
TBeallitasVezerlok Alapertekek() {
  TBeallitasVezerlok v;
  v.LBetukeszlet = Index(FelkinaltBetukeszletek(), "Rovasjel jb");
  v.LIrany = 0;
  v.LMeret = 11;
  v.PKivetelesSzavak = v.PKiterjesztettBetuk = v.PMelyK = true;
  v.LaKHasznalatiMod = 0;
  v.POsszerovas = v.PKepjelek = v.PSzamok = false;
  v.PSzamokBJ = true;
  v.LHModszer = v.LHHatokor = 0;
  v.PHIsmetlodoEgyesit = true;
  v.PHHosszutRovidit = false;
  v.PHKezdoEKihagy = true;
  v.PEgyeniBeallitasok = false;
  v.LESzovegirany = 0;
  v.SzEBetukeszlet = "Rovasjel jb";
  v.SzEElsoKor =
      "cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,zzs-ZZ,"
      "x-kS,y-i,q-kv,w-v,\\bK-\xB3,\xB3\\b-K,\\B\xB3\\B-k,\\BK\\B-k";
  v.SzEMasodikKor = "";
  v.SzESzamokKore = "1-1,5-2,10-3,50-4,100-5,500-6,1000-7";
  v.SzEGepeleskor =
      "cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,zzs-ZZ,"
      "\\bk-\xB3,k\\b-K,\\bK-\xB3,\xB3\\b-K,\\B\xB3\\B-k,\\BK\\B-k";
  v.PKivetelesSzavakOnmukodo = true;
  v.POffice2010 = true;
  return v;
}

const char kFrissFajl[] =
    "[Alap]\r\nLBetukeszlet=Rovasjel jb\r\nLIrany=0\r\nLMeret=16\r\nPKivetelesSzavak=1\r\n"
    "PKiterjesztettBetuk=1\r\nPMelyK=1\r\nLaKHasznalatiMod=0\r\nPOsszerovas=0\r\nPKepjelek=0\r\n"
    "PSzamok=0\r\nPSzamokBJ=1\r\nLHModszer=0\r\nLHHatokor=0\r\nPHIsmetlodoEgyesit=1\r\n"
    "PHHosszutRovidit=0\r\nPHKezdoEKihagy=1\r\n"
    "[Egyeni]\r\nPEgyeniBeallitasok=0\r\nSzEBetukeszlet=Rovasjel jb\r\nLESzovegirany=1\r\n"
    "SzEElsoKor=cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,"
    "zzs-ZZ,x-kS,y-i,q-kv,w-v,\\bK-\xB3,\xB3\\b-K,\\B\xB3\\B-k,\\BK\\B-k\r\n"
    "SzEMasodikKor=\r\nSzESzamokKore=1-1,5-2,10-3,50-4,100-5,500-6,1000-7\r\n"
    "SzEGepeleskor=cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,"
    "zzs-ZZ,\\bk-\xB3,k\\b-K,\\bK-\xB3,\xB3\\b-K,\\B\xB3\\B-k,\\BK\\B-k\r\n"
    "PKivetelesSzavakOnmukodo=1\r\nPOffice2010=1\r\nLUtolsoFrissites=Soha\r\n"
    "SzoXmlCim=https://tollnok.hu/szo.xml\r\n";

TEST_F(BeallitasAllapotTest, FirstRunWritesEveryKeyWithTheDefaults) {
  dir.Ir("szo.xml", "<szo mit=\"a\" mire=\"b\"/>\r\n<szo mit=\"c\" mire=\"d\"/>\r\n");
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Letrehozas();
  EXPECT_FALSE(allapot.LetrehozasFolyik());
  EXPECT_EQ(dir.Olvas("rovas.ini"), kFrissFajl);
  TBeallitasVezerlok want = Alapertekek();
  want.CSzavakSzama = "2";
  EXPECT_EQ(allapot.V, want);
  // The model is filled, has a record and the list.
  EXPECT_EQ(modell.Betukeszlet, "Rovasjel jb");
  EXPECT_EQ(modell.Meret, 16);
  EXPECT_EQ(modell.ESzovegirany, 1);
  ASSERT_NE(modell.BetuKepesseg, nullptr);
  EXPECT_TRUE(modell.BetuKepesseg->JobbrolBalraIras);
  ASSERT_NE(modell.KivetelesSzoLista, nullptr);
  EXPECT_EQ(*modell.KivetelesSzoLista, (TSzoLista{"a=b", "c=d"}));
  EXPECT_EQ(allapot.UtolsoFrissitesIdo(), TIdopont{});
  EXPECT_TRUE(allapot.AutomatikusLetoltesEsedekes());
}

TEST_F(BeallitasAllapotTest, FilesLiveInTheProgramDirectoryNotTheWorkingDirectory) {
  TempKonyvtar munka;
  munka.Ir("rovas.ini", "[Alap]\nLMeret=40\n");
  munka.Ir("szo.xml", "<szo mit=\"a\" mire=\"b\"/>\n");
  const std::filesystem::path eredeti = std::filesystem::current_path();
  std::filesystem::current_path(munka.Ut());
  platform::SetProgramDirOverride(dir.Ut());
  TBeallitasKornyezet k = Kornyezet();
  k.ProgramKonyvtar.clear();
  TBeallitasAllapot allapot(modell, k);
  allapot.Letrehozas();
  EXPECT_EQ(allapot.RovasIni(), dir.Fajl("rovas.ini"));
  platform::SetProgramDirOverride("");
  std::filesystem::current_path(eredeti);
  EXPECT_EQ(dir.Olvas("rovas.ini"), kFrissFajl);
  EXPECT_EQ(modell.Meret, 16);
  EXPECT_EQ(allapot.V.CSzavakSzama, "0");
}

TEST_F(BeallitasAllapotTest, CreationWithAFileLoadsItAndLeavesItAlone) {
  const std::string file =
      "[Alap]\nLMeret=40\nLBetukeszlet=rovasjel bj\n[Egyeni]\nLUtolsoFrissites=2026.03.10\n";
  dir.Ir("rovas.ini", file);
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Letrehozas();
  EXPECT_EQ(dir.Olvas("rovas.ini"), file);
  EXPECT_EQ(modell.Meret, 40);
  EXPECT_EQ(modell.Betukeszlet, "Rovasjel bj");
  ASSERT_NE(modell.BetuKepesseg, nullptr);
  EXPECT_FALSE(modell.BetuKepesseg->JobbrolBalraIras);  // the record follows the loaded font
  EXPECT_EQ(allapot.V.CSzavakSzama, "0");               // no szo.xml
  EXPECT_EQ(modell.KivetelesSzoLista, nullptr);
  EXPECT_EQ(allapot.V.LUtolsoFrissites, "2026.03.10");
  EXPECT_FALSE(allapot.AutomatikusLetoltesEsedekes());  // 4 days ago
}

TEST_F(BeallitasAllapotTest, ResetRestoresTheDefaultsButNotTheLabels) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.V.LMeret = 3;
  allapot.V.PEgyeniBeallitasok = true;
  allapot.V.SzEElsoKor = "a-b";
  allapot.V.LUtolsoFrissites = "2020.01.01";
  allapot.V.CSzavakSzama = "12";
  allapot.Alaphelyzet();
  TBeallitasVezerlok want = Alapertekek();
  want.LUtolsoFrissites = "2020.01.01";
  want.CSzavakSzama = "12";
  EXPECT_EQ(allapot.V, want);
  EXPECT_FALSE(dir.Van("rovas.ini"));  // nothing is saved until OK
  EXPECT_FALSE(modell.Valtozott);      // nor applied
}

TEST(OfficeProba, SubkeysOf2010AndLater) {
  struct Row {
    std::optional<std::vector<std::string>> nevek;
    bool want;
  };
  const Row rows[] = {
      {std::vector<std::string>{"12.0", "16.0"}, true},
      {std::vector<std::string>{"12.0"}, false},
      {std::vector<std::string>{"14.0"}, true},
      {std::vector<std::string>{"22.0"}, true},
      {std::vector<std::string>{"13.0", "23.0", "16.0.1", "16"}, false},
      {std::vector<std::string>{}, false},
      {std::nullopt, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(OfficeProba(platform::FixedOfficeRegistry(r.nevek)), r.want);
  }
  struct Hibas : platform::OfficeRegistry {
    std::optional<std::vector<std::string>> SubkeyNames() const override {
      throw std::runtime_error("registry");
    }
  };
  EXPECT_FALSE(OfficeProba(Hibas()));
  EXPECT_FALSE(OfficeProba(platform::SystemOfficeRegistry()));
}

TEST_F(BeallitasAllapotTest, ApplyCopiesEveryControlIntoTheModel) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  TBeallitasVezerlok& v = allapot.V;
  v.LBetukeszlet = Index(FelkinaltBetukeszletek(), "Osi betusor bj");
  v.LIrany = 2;
  v.LMeret = 33;  // "100"
  v.PKivetelesSzavak = false;
  v.PKiterjesztettBetuk = true;
  v.PMelyK = false;
  v.LaKHasznalatiMod = 3;
  v.POsszerovas = true;
  v.PKepjelek = true;
  v.PSzamok = true;
  v.PSzamokBJ = false;
  v.LHModszer = 4;
  v.LHHatokor = 2;
  v.PHIsmetlodoEgyesit = false;
  v.PHHosszutRovidit = true;
  v.PHKezdoEKihagy = false;
  v.PEgyeniBeallitasok = true;
  v.SzEBetukeszlet = "Saját"_hu;
  v.LESzovegirany = 1;
  v.SzEElsoKor = "a-b";
  v.SzEMasodikKor = "c-d";
  v.SzESzamokKore = "1-x";
  v.SzEGepeleskor = "e-f";
  allapot.Alkalmaz();
  EXPECT_TRUE(modell.Valtozott);
  EXPECT_EQ(modell.Betukeszlet, "Osi betusor bj");
  EXPECT_EQ(modell.Irany, 2);
  EXPECT_EQ(modell.Meret, 100);
  EXPECT_FALSE(modell.KivetelesSzavak);
  EXPECT_TRUE(modell.KiterjesztettBetuk);
  EXPECT_FALSE(modell.MelyK);
  EXPECT_EQ(modell.AKHasznalatiMod, 3);
  EXPECT_TRUE(modell.Osszerovas);
  EXPECT_TRUE(modell.Kepjelek);
  EXPECT_TRUE(modell.Szamok);
  EXPECT_FALSE(modell.SzamokBJ);
  EXPECT_EQ(modell.HModszer, 4);
  EXPECT_EQ(modell.HHatokor, 2);
  EXPECT_FALSE(modell.HIsmetlodoEgyesit);
  EXPECT_TRUE(modell.HHosszutRovidit);
  EXPECT_FALSE(modell.HKezdoEKihagy);
  EXPECT_TRUE(modell.EgyeniBeallitasok);
  EXPECT_EQ(modell.EBetukeszlet, "Saját"_hu);
  EXPECT_EQ(modell.ESzovegirany, 2);  // item 1 "Balról jobbra" is direction 2
  EXPECT_EQ(modell.EElsoKor, "a-b");
  EXPECT_EQ(modell.EMasodikKor, "c-d");
  EXPECT_EQ(modell.ESzamokKore, "1-x");
  EXPECT_EQ(modell.EGepeleskor, "e-f");
  v.LESzovegirany = 0;
  allapot.Alkalmaz();
  EXPECT_EQ(modell.ESzovegirany, 1);
}

TEST_F(BeallitasAllapotTest, FontSelectionChangeBuildsTheRecordOfTheChosenFont) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.V.LBetukeszlet = Index(FelkinaltBetukeszletek(), "Rovasjel bj");
  allapot.BetukeszletValtozas();
  ASSERT_NE(modell.BetuKepesseg, nullptr);
  EXPECT_FALSE(modell.BetuKepesseg->JobbrolBalraIras);
  EXPECT_TRUE(modell.Valtozott);
  allapot.V.LBetukeszlet = Index(FelkinaltBetukeszletek(), "Rovasjel jb");
  allapot.BetukeszletValtozas();
  EXPECT_TRUE(modell.BetuKepesseg->JobbrolBalraIras);
}

TEST_F(BeallitasAllapotTest, ShowingThrowsAwayCancelledChanges) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Letrehozas();
  // The user picks another font (the record follows at once), then cancels.
  allapot.V.LBetukeszlet = Index(FelkinaltBetukeszletek(), "Rovasjel bj");
  allapot.V.LMeret = 0;
  allapot.BetukeszletValtozas();
  ASSERT_FALSE(modell.BetuKepesseg->JobbrolBalraIras);
  TBeallitasEredmeny e = allapot.Megjelenites();
  EXPECT_TRUE(e.Siker);
  EXPECT_EQ(allapot.KivalasztottBetukeszlet(), "Rovasjel jb");
  EXPECT_EQ(allapot.V.LMeret, 11);
  EXPECT_EQ(modell.Betukeszlet, "Rovasjel jb");
  EXPECT_TRUE(modell.BetuKepesseg->JobbrolBalraIras);  // the record belongs to the font again

  // "Alaphelyzet", yes: defaults and their record, nothing saved until "Rendben".
  const std::string mentett = dir.Olvas("rovas.ini");
  allapot.V.LBetukeszlet = Index(FelkinaltBetukeszletek(), "Osi betusor bj");
  ASSERT_TRUE(allapot.Rendben().Siker);
  EXPECT_NE(dir.Olvas("rovas.ini"), mentett);
  allapot.AlaphelyzetIgen();
  EXPECT_EQ(allapot.KivalasztottBetukeszlet(), "Rovasjel jb");
  EXPECT_TRUE(modell.BetuKepesseg->JobbrolBalraIras);
  EXPECT_EQ(modell.Betukeszlet, "Osi betusor bj");  // not applied before "Rendben"
  ASSERT_TRUE(allapot.Rendben().Siker);
  EXPECT_EQ(dir.Olvas("rovas.ini"), mentett);
}

TEST_F(BeallitasAllapotTest, EnablingTable) {
  struct Row {
    const char* name;
    bool egyeni, szamok, melyK;
    int modszer;
    std::function<void(TBetuKepesseg&)> font;
    TEngedelyezes want;
  };
  auto minden = [](TBetuKepesseg& c) {
    c.VanKiterjesztett = c.VanMelyK = c.VanOsszerovas = c.VanKepjel = c.VanRovasSzam =
        c.VanSzamjegy = true;
  };
  auto semmi = [](TBetuKepesseg&) {};
  auto e = [](std::initializer_list<bool TEngedelyezes::*> be) {
    TEngedelyezes t;
    for (auto m : be) t.*m = true;
    return t;
  };
  using T = TEngedelyezes;
  const Row rows[] = {
      {"every capability", false, false, true, 0, minden,
       e({&T::PKiterjesztettBetuk, &T::PMelyK, &T::POsszerovas, &T::PKepjelek, &T::PSzamok,
          &T::PSzamokBJ, &T::LaKHasznalatiMod, &T::Alap})},
      {"no capability", false, false, true, 0, semmi, e({&T::Alap})},
      {"custom settings", true, false, true, 0, minden, e({&T::Egyeni})},
      {"numbers checked", false, true, true, 0, minden,
       e({&T::PKiterjesztettBetuk, &T::PMelyK, &T::POsszerovas, &T::PKepjelek, &T::PSzamok,
          &T::LaKHasznalatiMod, &T::Alap})},
      {"aK unchecked", false, false, false, 0, minden,
       e({&T::PKiterjesztettBetuk, &T::PMelyK, &T::POsszerovas, &T::PKepjelek, &T::PSzamok,
          &T::PSzamokBJ, &T::Alap})},
      {"digits only", false, false, true, 0, [](TBetuKepesseg& c) { c.VanSzamjegy = true; },
       e({&T::PSzamokBJ, &T::Alap})},
      {"skipping 1", false, false, false, 1, semmi,
       e({&T::PHIsmetlodoEgyesit, &T::PHHosszutRovidit, &T::Alap})},
      {"skipping 2", false, false, false, 2, semmi,
       e({&T::PHIsmetlodoEgyesit, &T::PHHosszutRovidit, &T::Alap})},
      {"skipping 3", false, false, false, 3, semmi,
       e({&T::LHHatokor, &T::PHIsmetlodoEgyesit, &T::PHHosszutRovidit, &T::PHKezdoEKihagy,
          &T::Alap})},
      {"skipping 4, custom", true, false, false, 4, semmi,
       e({&T::LHHatokor, &T::PHIsmetlodoEgyesit, &T::PHHosszutRovidit, &T::PHKezdoEKihagy,
          &T::Egyeni})},
      {"skipping 5", false, false, false, 5, semmi, e({&T::PHIsmetlodoEgyesit, &T::Alap})},
  };
  auto fields = [](const TEngedelyezes& t) {
    return std::vector<bool>{t.PKiterjesztettBetuk,
                             t.PMelyK,
                             t.POsszerovas,
                             t.PKepjelek,
                             t.PSzamok,
                             t.PSzamokBJ,
                             t.LaKHasznalatiMod,
                             t.LHHatokor,
                             t.PHIsmetlodoEgyesit,
                             t.PHHosszutRovidit,
                             t.PHKezdoEKihagy,
                             t.Egyeni,
                             t.Alap};
  };
  TBeallitasAllapot allapot(modell, Kornyezet());
  for (const Row& r : rows) {
    auto cap = std::make_unique<TBetuKepesseg>("not a catalogued font");
    r.font(*cap);
    modell.SetBetuKepesseg(std::move(cap));
    allapot.V.PEgyeniBeallitasok = r.egyeni;
    allapot.V.PSzamok = r.szamok;
    allapot.V.PMelyK = r.melyK;
    allapot.V.LHModszer = r.modszer;
    EXPECT_EQ(fields(allapot.Engedelyezes()), fields(r.want)) << r.name;
  }
  modell.SetBetuKepesseg(nullptr);  // no record yet: nothing font-dependent
  allapot.V.PEgyeniBeallitasok = false;
  allapot.V.LHModszer = 0;
  EXPECT_EQ(fields(allapot.Engedelyezes()), fields(e({&T::Alap})));
}

// Loads a rovas.ini holding `text` over the reset controls; `change` makes the
// expected controls from the reset ones.
struct LoadRow {
  const char* name;
  std::string text;
  std::function<void(TBeallitasVezerlok&)> change;
};

TEST_F(BeallitasAllapotTest, LoadValidatesEveryKey) {
  const int bj = Index(FelkinaltBetukeszletek(), "Rovasjel bj");
  const int osi = Index(FelkinaltBetukeszletek(), "Osi betusor jb");
  auto keep = [](TBeallitasVezerlok&) {};
  const std::string hosszu = std::string(2000, 'a') + std::string(1000, 'b');
  const LoadRow rows[] = {
      {"font other case", "[Alap]\nLBetukeszlet=rovasjel BJ\n",
       [&](auto& v) { v.LBetukeszlet = bj; }},
      {"font exact", "[Alap]\nLBetukeszlet=Osi betusor jb\n",
       [&](auto& v) { v.LBetukeszlet = osi; }},
      {"font not offered", "[Alap]\nLBetukeszlet=Rovas Khazarian\n", keep},
      {"font empty", "[Alap]\nLBetukeszlet=\n", keep},
      {"direction 2", "[Alap]\nLIrany=2\n", [](auto& v) { v.LIrany = 2; }},
      {"direction -1", "[Alap]\nLIrany=-1\n", keep},
      {"direction 3", "[Alap]\nLIrany=3\n", keep},
      {"size 23", "[Alap]\nLMeret=23\n", keep},
      {"size 0x14", "[Alap]\nLMeret=0x14\n", [](auto& v) { v.LMeret = 15; }},
      {"size 100", "[Alap]\nLMeret=100\n", [](auto& v) { v.LMeret = 33; }},
      {"size 018", "[Alap]\nLMeret=018\n", [](auto& v) { v.LMeret = 13; }},
      {"size junk", "[Alap]\nLMeret=big\n", keep},
      {"bool 0", "[Alap]\nPKivetelesSzavak=0\n", [](auto& v) { v.PKivetelesSzavak = false; }},
      {"bool 5", "[Alap]\nPOsszerovas=5\n", [](auto& v) { v.POsszerovas = true; }},
      {"bool junk", "[Alap]\nPMelyK=no\n", keep},
      {"bool -1", "[Alap]\nPKepjelek=-1\n", [](auto& v) { v.PKepjelek = true; }},
      {"bools", "[Alap]\nPKiterjesztettBetuk=0\nPSzamok=1\nPSzamokBJ=0\n",
       [](auto& v) { v.PKiterjesztettBetuk = false, v.PSzamok = true, v.PSzamokBJ = false; }},
      {"skipping bools", "[Alap]\nPHIsmetlodoEgyesit=0\nPHHosszutRovidit=1\nPHKezdoEKihagy=0\n",
       [](auto& v) {
         v.PHIsmetlodoEgyesit = false, v.PHHosszutRovidit = true, v.PHKezdoEKihagy = false;
       }},
      {"aK mode 3", "[Alap]\nLaKHasznalatiMod=3\n", [](auto& v) { v.LaKHasznalatiMod = 3; }},
      {"aK mode 4", "[Alap]\nLaKHasznalatiMod=4\n", keep},
      {"method 5", "[Alap]\nLHModszer=5\n", [](auto& v) { v.LHModszer = 5; }},
      {"method 6", "[Alap]\nLHModszer=6\n", keep},
      {"scope 2", "[Alap]\nLHHatokor=2\n", [](auto& v) { v.LHHatokor = 2; }},
      {"scope 3", "[Alap]\nLHHatokor=3\n", keep},
      {"custom on", "[Egyeni]\nPEgyeniBeallitasok=1\n",
       [](auto& v) { v.PEgyeniBeallitasok = true; }},
      {"custom direction 2", "[Egyeni]\nLESzovegirany=2\n", [](auto& v) { v.LESzovegirany = 1; }},
      {"custom direction 0", "[Egyeni]\nLESzovegirany=0\n", keep},
      {"custom direction 3", "[Egyeni]\nLESzovegirany=3\n", keep},
      {"custom font any text", "[Egyeni]\nSzEBetukeszlet=Saját betű\n"_hu,
       [](auto& v) { v.SzEBetukeszlet = "Saját betű"_hu; }},
      {"rule list cut", "[Egyeni]\nSzEElsoKor=" + hosszu + "\n",
       [&](auto& v) { v.SzEElsoKor = hosszu.substr(0, 2047); }},
      {"rule lists", "[Egyeni]\nSzEMasodikKor=x-y\nSzESzamokKore=\nSzEGepeleskor=k-K\n",
       [](auto& v) { v.SzEMasodikKor = "x-y", v.SzESzamokKore = "", v.SzEGepeleskor = "k-K"; }},
      {"window-only bools", "[Egyeni]\nPKivetelesSzavakOnmukodo=0\nPOffice2010=0\n",
       [](auto& v) { v.PKivetelesSzavakOnmukodo = false, v.POffice2010 = false; }},
      {"last update", "[Egyeni]\nLUtolsoFrissites=2015.03.10\n",
       [](auto& v) { v.LUtolsoFrissites = "2015.03.10"; }},
      {"keys in the wrong section", "[Egyeni]\nLIrany=2\n[Alap]\nLESzovegirany=2\n", keep},
      {"empty file", "", keep},
  };
  for (const LoadRow& r : rows) {
    dir.Ir("rovas.ini", r.text);
    TRovasBeallitasok m;
    TBeallitasAllapot allapot(m, Kornyezet());
    allapot.Alaphelyzet();
    TBeallitasVezerlok want = allapot.V;
    r.change(want);
    TBeallitasEredmeny e = allapot.Betoltes();
    EXPECT_TRUE(e.Siker) << r.name;
    EXPECT_EQ(e.Uzenet, "") << r.name;
    EXPECT_EQ(allapot.V, want) << r.name;
    EXPECT_TRUE(m.Valtozott) << r.name;  // applied
  }
}

TEST_F(BeallitasAllapotTest, MissingKeysKeepWhateverTheControlsHold) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  TBeallitasVezerlok& v = allapot.V;
  v.LBetukeszlet = 5;
  v.LIrany = 2;
  v.LMeret = 20;
  v.PKivetelesSzavak = v.PKiterjesztettBetuk = v.PMelyK = v.PSzamokBJ = true;
  v.LaKHasznalatiMod = 1;
  v.LHModszer = 2;
  v.LHHatokor = 1;
  v.PEgyeniBeallitasok = true;
  v.LESzovegirany = 1;
  v.SzEBetukeszlet = "x";
  v.SzEElsoKor = "a-b";
  v.SzESzamokKore = "1-2";
  v.PKivetelesSzavakOnmukodo = true;
  v.LUtolsoFrissites = "2026.03.13";
  const TBeallitasVezerlok elotte = v;
  dir.Ir("rovas.ini", "[Alap]\r\n[Egyeni]\r\nUnknown=1\r\n");
  ASSERT_TRUE(allapot.Betoltes().Siker);
  EXPECT_EQ(v, elotte);
  EXPECT_EQ(modell.ESzovegirany, 2);
  EXPECT_EQ(allapot.UtolsoFrissitesIdo(), DatumErtelmezes("2026.03.13"));
}

TEST_F(BeallitasAllapotTest, LastUpdateTextGivesTheTime) {
  struct Row {
    const char* text;
    TIdopont want;
  };
  const Row rows[] = {
      {"Soha", TIdopont{}},
      {"2026.03.10", TIdopont{local_days{2026y / 3 / 10}.time_since_epoch()}},
      {"nonsense", TIdopont{}},
  };
  for (const Row& r : rows) {
    dir.Ir("rovas.ini", std::string("[Egyeni]\r\nLUtolsoFrissites=") + r.text + "\r\n");
    TBeallitasAllapot allapot(modell, Kornyezet());
    allapot.Alaphelyzet();
    allapot.Betoltes();
    EXPECT_EQ(allapot.V.LUtolsoFrissites, r.text);
    EXPECT_EQ(allapot.UtolsoFrissitesIdo(), r.want) << r.text;
    // Today is 2026.03.14: only "never" is due.
    EXPECT_EQ(allapot.AutomatikusLetoltesEsedekes(), r.want == TIdopont{}) << r.text;
  }
}

TEST_F(BeallitasAllapotTest, SaveThenLoadGivesBackEveryControl) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Alaphelyzet();
  TBeallitasVezerlok& v = allapot.V;
  v.LBetukeszlet = 6;
  v.LIrany = 1;
  v.LMeret = 30;
  v.PKivetelesSzavak = false;
  v.PKiterjesztettBetuk = false;
  v.PMelyK = false;
  v.LaKHasznalatiMod = 2;
  v.POsszerovas = v.PKepjelek = v.PSzamok = true;
  v.PSzamokBJ = false;
  v.LHModszer = 3;
  v.LHHatokor = 1;
  v.PHIsmetlodoEgyesit = false;
  v.PHHosszutRovidit = true;
  v.PHKezdoEKihagy = false;
  v.PEgyeniBeallitasok = true;
  v.SzEBetukeszlet = "Any áé font"_hu;
  v.LESzovegirany = 1;
  v.SzEElsoKor = "a-b,\\bx-y";
  v.SzEMasodikKor = "c-d";
  v.SzESzamokKore = "";
  v.SzEGepeleskor = "[;]-x,=-y";
  v.PKivetelesSzavakOnmukodo = false;
  v.POffice2010 = false;
  v.LUtolsoFrissites = "2025.12.24";
  ASSERT_TRUE(allapot.Mentes().Siker);

  TRovasBeallitasok m2;
  TBeallitasAllapot masik(m2, Kornyezet());
  masik.Alaphelyzet();
  ASSERT_TRUE(masik.Betoltes().Siker);
  EXPECT_EQ(masik.V, allapot.V);
  EXPECT_EQ(m2.EGepeleskor, "[;]-x,=-y");
}

TEST_F(BeallitasAllapotTest, LoadFailureKeepsTheModelAndWarns) {
  std::filesystem::create_directory(dir.Fajl("rovas.ini"));  // exists, cannot be read
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Alaphelyzet();
  TBeallitasEredmeny e = allapot.Betoltes();
  EXPECT_FALSE(e.Siker);
  EXPECT_EQ(e.Uzenet, std::string("Hiba a beállítások betöltése közben:\r\n"_hu) +
                          "Unable to read " + dir.Fajl("rovas.ini") + ": Is a directory");
  EXPECT_FALSE(modell.Valtozott);  // the apply step did not run
  EXPECT_EQ(modell.Meret, 0);
}

TEST_F(BeallitasAllapotTest, LoadFailureDuringCreationIsSilentAndTheModelStillGetsValues) {
  std::filesystem::create_directory(dir.Fajl("rovas.ini"));
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Letrehozas();
  EXPECT_EQ(modell.Meret, 16);
  EXPECT_EQ(modell.Betukeszlet, "Rovasjel jb");
  EXPECT_NE(modell.BetuKepesseg, nullptr);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Fajl("rovas.ini")));  // not overwritten
}

TEST_F(BeallitasAllapotTest, SaveFailureStopsButTheModelHasTheNewValues) {
  TBeallitasKornyezet k = Kornyezet();
  k.ProgramKonyvtar = dir.Fajl("missing");
  TBeallitasAllapot allapot(modell, k);
  allapot.Alaphelyzet();
  allapot.V.LMeret = 0;  // "5"
  TBeallitasEredmeny e = allapot.Mentes();
  EXPECT_FALSE(e.Siker);
  EXPECT_EQ(e.Uzenet, std::string("Hiba a beállítások mentése közben:\r\n"_hu) +
                          "Unable to write to " + dir.Fajl("missing") +
                          "/rovas.ini: No such file or directory");
  EXPECT_EQ(modell.Meret, 5);

  // While creating: no message, and creation still completes.
  TRovasBeallitasok m2;
  TBeallitasAllapot masik(m2, k);
  masik.Letrehozas();
  EXPECT_EQ(m2.Meret, 16);
  EXPECT_NE(m2.BetuKepesseg, nullptr);
}

TEST_F(BeallitasAllapotTest, SaveFailsWhereTheFileCannotHoldTheValue) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Alaphelyzet();
  allapot.V.SzEMasodikKor = "a-b\r\nLMeret=99";  // would smuggle in a key
  TBeallitasEredmeny e = allapot.Mentes();
  EXPECT_FALSE(e.Siker);
  // One save is one replacement: not even the keys before the bad one are written.
  EXPECT_FALSE(dir.Van("rovas.ini"));
}

TEST_F(BeallitasAllapotTest, ASaveThatRunsOutOfSpaceChangesNoKey) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Alaphelyzet();
  ASSERT_TRUE(allapot.Mentes().Siker);
  const std::string regi = dir.Olvas("rovas.ini");
  // The first key keeps its length, a later one grows past what the disk takes.
  allapot.V.LMeret = 15;  // "20"
  allapot.V.SzEMasodikKor = std::string(4000, 'a');
  const auto jelzes = std::signal(SIGXFSZ, SIG_IGN);
  rlimit hatar{};
  getrlimit(RLIMIT_FSIZE, &hatar);
  const rlimit szuk{regi.size() + 100, hatar.rlim_max};
  setrlimit(RLIMIT_FSIZE, &szuk);
  const TBeallitasEredmeny e = allapot.Mentes();
  setrlimit(RLIMIT_FSIZE, &hatar);
  std::signal(SIGXFSZ, jelzes);
  EXPECT_FALSE(e.Siker);
  EXPECT_NE(e.Uzenet.find("File too large"), std::string::npos) << e.Uzenet;
  EXPECT_EQ(dir.Olvas("rovas.ini"), regi);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Ut()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(BeallitasAllapotTest, SpecialAndOversizedFilesAreRefusedWithoutWaiting) {
  // A FIFO under the file names would block an ordinary open for ever.
  alarm(20);
  ASSERT_EQ(::mkfifo(dir.Fajl("rovas.ini").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(dir.Fajl("szo.xml").c_str(), 0600), 0);
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Letrehozas();
  EXPECT_EQ(modell.Meret, 16);  // the defaults, applied
  EXPECT_EQ(allapot.Megjelenites().Uzenet, std::string(kBetoltesHiba) + "Unable to read " +
                                               dir.Fajl("rovas.ini") + ": not a regular file");
  EXPECT_EQ(allapot.Rendben().Uzenet, std::string(kMentesHiba) + "Unable to write to " +
                                          dir.Fajl("rovas.ini") + ": not a regular file");
  EXPECT_FALSE(allapot.SzoListaBetoltese());
  alarm(0);

  // A settings file of megabytes is no settings file.
  std::filesystem::remove(dir.Fajl("rovas.ini"));
  dir.Ir("rovas.ini", "[Alap]\r\nLMeret=20\r\n" + std::string(2 << 20, ';'));
  EXPECT_EQ(allapot.Betoltes().Uzenet, std::string(kBetoltesHiba) + "Unable to read " +
                                           dir.Fajl("rovas.ini") +
                                           ": the file is larger than 1 MB");
  EXPECT_EQ(modell.Meret, 16);
}

TEST_F(BeallitasAllapotTest, SingleKeysWithTheLoaderRules) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.Alaphelyzet();
  EXPECT_TRUE(allapot.KulcsBeallitasa("lmeret", "0x28"));
  EXPECT_EQ(allapot.V.LMeret, 25);  // "40"
  EXPECT_TRUE(allapot.KulcsBeallitasa("LMeret", ""));
  EXPECT_EQ(allapot.V.LMeret, 25);
  EXPECT_TRUE(allapot.KulcsBeallitasa("SzESzamokKore", ""));
  EXPECT_EQ(allapot.V.SzESzamokKore, "");
  EXPECT_TRUE(allapot.KulcsBeallitasa("SzEElsoKor", std::string(3000, 'q')));
  EXPECT_EQ(allapot.V.SzEElsoKor.size(), 2047u);
  EXPECT_TRUE(allapot.KulcsBeallitasa("LBetukeszlet", "ROVASJEL BJ"));
  EXPECT_EQ(allapot.KivalasztottBetukeszlet(), "Rovasjel bj");
  EXPECT_TRUE(allapot.KulcsBeallitasa("LUtolsoFrissites", "2026.03.01"));
  EXPECT_NE(allapot.UtolsoFrissitesIdo(), TIdopont{});
  EXPECT_FALSE(allapot.KulcsBeallitasa("Meret", "16"));
  EXPECT_FALSE(allapot.KulcsBeallitasa("", ""));
  EXPECT_FALSE(modell.Valtozott);  // nothing applied yet
}

TEST_F(BeallitasAllapotTest, RecordLastUpdateWritesTodayAndIgnoresFailures) {
  dir.Ir("rovas.ini", "[Alap]\r\nLMeret=20\r\n");
  TBeallitasAllapot allapot(modell, Kornyezet());
  allapot.UtolsoFrissitesRogzitese();
  EXPECT_EQ(dir.Olvas("rovas.ini"),
            "[Alap]\r\nLMeret=20\r\n[Egyeni]\r\nLUtolsoFrissites=2026.03.14\r\n");
  TBeallitasKornyezet k = Kornyezet();
  k.ProgramKonyvtar = dir.Fajl("missing");
  TBeallitasAllapot masik(modell, k);
  EXPECT_NO_THROW(masik.UtolsoFrissitesRogzitese());
}

TEST_F(BeallitasAllapotTest, ExceptionWordHandOver) {
  TBeallitasAllapot allapot(modell, Kornyezet());
  EXPECT_FALSE(allapot.SzoListaBetoltese());  // missing file
  EXPECT_EQ(allapot.V.CSzavakSzama, "0");
  EXPECT_EQ(modell.KivetelesSzoLista, nullptr);
  EXPECT_FALSE(modell.Valtozott);

  dir.Ir("szo.xml", "<szo mit=\"a\" mire=\"b\"/>\n");
  EXPECT_TRUE(allapot.SzoListaBetoltese());
  EXPECT_EQ(allapot.V.CSzavakSzama, "1");
  ASSERT_NE(modell.KivetelesSzoLista, nullptr);
  EXPECT_TRUE(modell.Valtozott);

  // A list that cannot be read leaves the model's list alone.
  std::filesystem::create_directory(dir.Fajl("dir.xml"));
  EXPECT_FALSE(allapot.SzoListaBetoltese(dir.Fajl("dir.xml")));
  EXPECT_EQ(allapot.V.CSzavakSzama, "0");
  EXPECT_EQ(*modell.KivetelesSzoLista, TSzoLista{"a=b"});

  // An empty file is a list with no words.
  dir.Ir("empty.xml", "");
  EXPECT_TRUE(allapot.SzoListaBetoltese(dir.Fajl("empty.xml")));
  EXPECT_EQ(allapot.V.CSzavakSzama, "0");
  EXPECT_EQ(*modell.KivetelesSzoLista, TSzoLista{});
}

}  // namespace
