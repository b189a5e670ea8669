// SPDX-License-Identifier: GPL-3.0-or-later
// rovaskep.ini and the number boxes' checks.

#include "ui/image/kepbeallitasok.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/ini.h"
#include "platform/win1250.h"

using namespace win1250::literals;

namespace {

std::string IdeiglenesIni(const std::string& tartalom) {
  const auto ut =
      std::filesystem::temp_directory_path() / ("rovaskep_" + std::to_string(getpid()) + ".ini");
  std::ofstream(ut, std::ios::binary | std::ios::trunc) << tartalom;
  return ut.string();
}

struct TSzamEset {
  TSzamMezo mezo;
  const char* szoveg;
  bool elfogadva;
};

TEST(SzamBeallitasa, Table) {
  // Width 400, right margin 5: a left margin of 390 leaves exactly 5 pixels.
  const TSzamEset esetek[] = {
      {TSzamMezo::Szelesseg, "50", false},    {TSzamMezo::Szelesseg, "99", false},
      {TSzamMezo::Szelesseg, "100", true},    {TSzamMezo::Szelesseg, "20000", true},
      {TSzamMezo::Szelesseg, "20001", false}, {TSzamMezo::Szelesseg, "4oo", false},
      {TSzamMezo::Magassag, "", false},       {TSzamMezo::Magassag, "1e3", false},
      {TSzamMezo::Magassag, " 300", true},    {TSzamMezo::Magassag, "+300", true},
      {TSzamMezo::BalMargo, "390", true},     {TSzamMezo::BalMargo, "391", false},
      {TSzamMezo::JobbMargo, "390", true},    {TSzamMezo::JobbMargo, "-1", false},
      {TSzamMezo::FelsoMargo, "9000", true},  {TSzamMezo::FelsoMargo, "9001", false},
      {TSzamMezo::Sorkoz, "0", true},         {TSzamMezo::Sorkoz, "99999999999", false},
      {TSzamMezo::Betumeret, "0", false},     {TSzamMezo::Betumeret, "1000", true},
      {TSzamMezo::Betumeret, "1001", false},  {TSzamMezo::Betumeret, "2", true},
  };
  for (const TSzamEset& e : esetek) {
    TKepBeallitasok b;
    const int regi = Ertek(b, e.mezo);
    EXPECT_EQ(SzamBeallitasa(b, e.mezo, e.szoveg), e.elfogadva) << e.szoveg;
    if (e.elfogadva)
      EXPECT_EQ(Ertek(b, e.mezo), *EgeszSzam(e.szoveg)) << e.szoveg;
    else
      EXPECT_EQ(Ertek(b, e.mezo), regi) << e.szoveg;
  }
}

TEST(KepBeallitasok, IniRoundTrip) {
  const std::string ut = IdeiglenesIni("");
  TKepBeallitasok b;
  b.Igazitas = TIgazitas::Sorkizart;
  b.Felkover = b.Dolt = b.Atlatszo = true;
  b.Elsimitas = false;
  b.Betuszin = 0x123456;
  b.Hatterszin = 0xABCDEF;
  b.Szelesseg = 20000;
  b.Magassag = 100;
  b.Betumeret = 1000;
  b.Kepfajta = TKepfajta::BMP;
  b.FelsoMargo = 9000;
  b.BalMargo = 7;
  b.JobbMargo = 8;
  b.Sorkoz = 0;
  b.HatterIgazitas = THatterIgazitas::Kozepre;
  b.Hatter = "/kepek/háttér.png"_hu;
  platform::IniFile ini(ut);
  EXPECT_TRUE(b.Mentes(ini).ok());
  const TKepBeallitasok vissza = TKepBeallitasok::Betoltes(ini);
  platform::IniFile ujra(IdeiglenesIni(""));
  EXPECT_TRUE(vissza.Mentes(ujra).ok());
  std::ifstream a(ut, std::ios::binary), c(ujra.FileName(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}),
            std::string(std::istreambuf_iterator<char>(c), {}));
  EXPECT_EQ(vissza.Hatter, b.Hatter);
  EXPECT_EQ(vissza.Betuszin, 0x123456u);
  EXPECT_EQ(vissza.HatterIgazitas, THatterIgazitas::Kozepre);
  std::filesystem::remove(ut);
}

TEST(KepBeallitasok, LoadingRules) {
  // Out of range gives the default; 0/1 keys only know 0 and 1; the margins
  // are reset together when they leave less than 10 pixels.
  const std::string ut = IdeiglenesIni(
      "[Fo]\r\nIgazitas=5\r\nFelkover=2\r\nSzelesseg=99\r\nMagassag=0x1F4\r\nBetumeret=0\r\n"
      "Kepfajta=2\r\nBalMargo=200\r\nJobbMargo=191\r\nHatterIgazitas=3\r\nHatter=ht_papiros\r\n");
  const TKepBeallitasok b = TKepBeallitasok::Betoltes(platform::IniFile(ut));
  const TKepBeallitasok alap;
  EXPECT_EQ(b.Igazitas, alap.Igazitas);
  EXPECT_EQ(b.Felkover, false);
  EXPECT_EQ(b.Szelesseg, 400);
  EXPECT_EQ(b.Magassag, 500);
  EXPECT_EQ(b.Betumeret, 16);
  EXPECT_EQ(b.Kepfajta, TKepfajta::JPG);
  EXPECT_EQ(b.BalMargo, 5);
  EXPECT_EQ(b.JobbMargo, 5);
  EXPECT_EQ(BeepitettHatterIndex(b.Hatter), 2);
  // 200 + 190 = 390 = 400 - 10 is still allowed.
  const TKepBeallitasok c = TKepBeallitasok::Betoltes(
      platform::IniFile(IdeiglenesIni("[fo]\nbalmargo=200\nJobbMargo=190\n")));
  EXPECT_EQ(c.BalMargo, 200);
  EXPECT_EQ(c.JobbMargo, 190);
  // No file at all: the table's defaults, Atlatszo unchecked.
  std::filesystem::remove(ut);
  const TKepBeallitasok d = TKepBeallitasok::Betoltes(platform::IniFile(ut));
  EXPECT_FALSE(d.Atlatszo);
  EXPECT_EQ(d.Hatterszin, 0xFFFFFFu);
}

TEST(KepBeallitasok, KeysAndBackgroundNames) {
  TKepBeallitasok b;
  EXPECT_TRUE(b.KulcsBeallitasa("szelesseg", "0x3E8"));
  EXPECT_EQ(b.Szelesseg, 1000);
  EXPECT_FALSE(b.KulcsBeallitasa("Szelesseg", "20001"));
  EXPECT_FALSE(b.KulcsBeallitasa("Nincs", "1"));
  EXPECT_EQ(b.Szelesseg, 1000);
  for (const auto& [nev, index] :
       {std::pair{"HT_FA", 1}, std::pair{"ht_Ko", 3}, std::pair{"HT_KO.jpg", 0}, std::pair{"", 0}})
    EXPECT_EQ(BeepitettHatterIndex(nev), index) << nev;
  EXPECT_EQ(Rgb(0x332211), 0x112233u);
}

TEST(KepBeallitasok, BoxesTakenAtExitFallBackToTheDefaults) {
  TKepBeallitasok b;
  b.Szelesseg = 900;
  DobozokAtvetele(b, " 640", "", "x");
  EXPECT_EQ(b.Szelesseg, 640);
  EXPECT_EQ(b.Magassag, 300);
  EXPECT_EQ(b.Betumeret, 16);
}

}  // namespace
