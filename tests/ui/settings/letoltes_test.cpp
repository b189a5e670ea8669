// SPDX-License-Identifier: GPL-3.0-or-later
// The exception-word download against a real HTTP server on 127.0.0.1.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/letoltes.h"
#include "platform/win1250.h"
#include "segedek.h"
#include "ui/settings/beallitasallapot.h"

namespace {

using namespace win1250::literals;

using namespace std::chrono;

const TIdopont kMost = TIdopont{local_days{2026y / 3 / 14}.time_since_epoch() + hours{15}};
const std::string kRegiLista = "<szo mit=\"regi\" mire=\"r\"/>\r\n";
const std::string kUjLista =
    "<?xml version=\"1.0\"?>\r\n<szavak>\r\n<szo mit=\"igazság\" "
    "mire=\"igaz\bság\"/>\r\n"
    "<szo mit=\"sasszem\" mire=\"sas\bszem\"/>\r\n</szavak>\r\n";
const std::string kIni = "[Alap]\r\nLMeret=20\r\n";

HttpSzerver::Valasz Keretezve(std::string torzs, HttpSzerver::Valasz::Keret keret) {
  HttpSzerver::Valasz v{200, std::move(torzs)};
  v.keret = keret;
  return v;
}

class LetoltesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Ir("rovas.ini", kIni);
    dir.Ir("szo.xml", kRegiLista);
  }

  // A settings state created over the temporary program directory.
  std::unique_ptr<TBeallitasAllapot> Allapot(const std::string& honlap, long idokorlat = 30) {
    TBeallitasKornyezet k;
    k.ProgramKonyvtar = dir.Ut();
    k.Office = &office;
    k.Ora = [] { return kMost; };
    k.HonlapCim = honlap;
    k.LetoltesIdokorlat = idokorlat;
    auto a = std::make_unique<TBeallitasAllapot>(modell, k);
    a->Alaphelyzet();
    a->SzoListaBetoltese();
    return a;
  }

  // Nothing changed: the old list in the model and on disk, no date, no temporary file.
  void Valtozatlan(const TBeallitasAllapot& a) {
    EXPECT_EQ(dir.Olvas("szo.xml"), kRegiLista);
    EXPECT_FALSE(dir.Van("szo.xml.tmp"));
    EXPECT_EQ(dir.Olvas("rovas.ini"), kIni);
    ASSERT_NE(modell.KivetelesSzoLista, nullptr);
    EXPECT_EQ(*modell.KivetelesSzoLista, TSzoLista{"regi=r"});
    EXPECT_EQ(a.V.CSzavakSzama, "1");
    EXPECT_EQ(a.V.LUtolsoFrissites, "Soha");
    EXPECT_EQ(a.UtolsoFrissitesIdo(), TIdopont{});
  }

  std::string Hiba(const std::string& cim) {
    return "A kivételes szavak frissítése sikertelen volt.\r\n"
           "Hiba az URL betöltésekor: "_hu +
           cim + "/szo.xml";
  }

  // The message, then the system's reason on a line of its own.
  bool HibaOkkal(const std::string& uzenet, const std::string& cim) {
    const std::string eleje = Hiba(cim) + "\r\n";
    return uzenet.size() > eleje.size() && uzenet.compare(0, eleje.size(), eleje) == 0;
  }

  TempKonyvtar dir;
  platform::FixedOfficeRegistry office{std::nullopt};
  TRovasBeallitasok modell;
  HttpSzerver szerver;
};

TEST_F(LetoltesTest, SuccessReplacesTheListAndRecordsTheDate) {
  szerver.Beallit("/szo.xml", {200, kUjLista});
  auto a = Allapot(szerver.Cim());
  TLetoltesEredmeny e = a->Letoltes(false);
  EXPECT_TRUE(e.Siker);
  EXPECT_TRUE(e.ListaAtveve);
  EXPECT_EQ(e.UzenetFajta, TLetoltesEredmeny::kInformacio);
  EXPECT_EQ(e.Uzenet, "A kivételes szavak frissítése sikeres volt."_hu);
  EXPECT_EQ(dir.Olvas("szo.xml"), kUjLista);
  EXPECT_FALSE(dir.Van("szo.xml.tmp"));
  EXPECT_EQ(dir.Olvas("rovas.ini"), kIni + "[Egyeni]\r\nLUtolsoFrissites=2026.03.14\r\n");
  ASSERT_NE(modell.KivetelesSzoLista, nullptr);
  EXPECT_EQ(*modell.KivetelesSzoLista, (TSzoLista{"igazság=igaz\bság"_hu, "sasszem=sas\bszem"}));
  EXPECT_EQ(a->V.CSzavakSzama, "2");
  EXPECT_EQ(a->V.LUtolsoFrissites, "2026.03.14");
  EXPECT_EQ(a->UtolsoFrissitesIdo(), kMost);
  EXPECT_EQ(szerver.KeresekSzama(), 1);
}

TEST_F(LetoltesTest, ChunkedListIsTakenAndTheWindowRunsMeanwhile) {
  szerver.Beallit("/szo.xml", Keretezve(kUjLista, HttpSzerver::Valasz::kDarabok));
  int kozben = 0;
  TBeallitasKornyezet k;
  k.ProgramKonyvtar = dir.Ut();
  k.Office = &office;
  k.Ora = [] { return kMost; };
  k.HonlapCim = szerver.Cim();
  TBeallitasAllapot* a = nullptr;
  k.LetoltesKozben = [&] {
    ++kozben;
    // A timer that fires meanwhile cannot start a second download.
    EXPECT_FALSE(a->Letoltes(true).Siker);
  };
  TBeallitasAllapot allapot(modell, k);
  a = &allapot;
  EXPECT_TRUE(allapot.Letoltes(true).ListaAtveve);
  EXPECT_EQ(dir.Olvas("szo.xml"), kUjLista);
  EXPECT_GT(kozben, 0);
  EXPECT_EQ(szerver.KeresekSzama(), 1);
}

TEST_F(LetoltesTest, SuccessWithoutAnEarlierList) {
  std::remove(dir.Fajl("szo.xml").c_str());
  szerver.Beallit("/szo.xml", {200, kUjLista});
  auto a = Allapot(szerver.Cim());
  EXPECT_TRUE(a->Letoltes(true).ListaAtveve);
  EXPECT_EQ(dir.Olvas("szo.xml"), kUjLista);
  EXPECT_EQ(a->V.CSzavakSzama, "2");
}

TEST_F(LetoltesTest, AListWithoutWordsChangesNothingButTheDate) {
  const std::string ures =
      "<?xml version=\"1.0\"?>\r\n<szavak>\r\n  <szo mit=\"x\" mire=\"y\"/>\r\n</szavak>\r\n";
  szerver.Beallit("/szo.xml", {200, ures});
  auto a = Allapot(szerver.Cim());
  TLetoltesEredmeny e = a->Letoltes(false);
  EXPECT_TRUE(e.Siker);
  EXPECT_FALSE(e.ListaAtveve);
  EXPECT_EQ(e.UzenetFajta, TLetoltesEredmeny::kInformacio);
  EXPECT_EQ(dir.Olvas("szo.xml"), kRegiLista);
  EXPECT_EQ(dir.Olvas("szo.xml.tmp"), ures);  // the temporary file stays
  EXPECT_EQ(dir.Olvas("rovas.ini"), kIni + "[Egyeni]\r\nLUtolsoFrissites=2026.03.14\r\n");
  EXPECT_EQ(*modell.KivetelesSzoLista, TSzoLista{"regi=r"});
  EXPECT_EQ(a->V.CSzavakSzama, "1");
  EXPECT_EQ(a->V.LUtolsoFrissites, "Soha");

  szerver.Beallit("/szo.xml", {200, ""});  // an empty body is no list either
  EXPECT_FALSE(a->Letoltes(true).ListaAtveve);
  EXPECT_EQ(dir.Olvas("szo.xml"), kRegiLista);
}

TEST_F(LetoltesTest, ErrorAnswersNeverReplaceTheList) {
  struct Row {
    const char* name;
    HttpSzerver::Valasz valasz;
  };
  const Row rows[] = {
      {"404", {404, kUjLista}},
      {"500 with a list", {500, kUjLista}},
      {"204", {204, ""}},
      {"cut short", {200, kUjLista, {}, static_cast<long>(kUjLista.size()) + 100}},
      {"no length, closed early", Keretezve(kUjLista.substr(0, 60), HttpSzerver::Valasz::kBezaras)},
      {"no length, whole", Keretezve(kUjLista, HttpSzerver::Valasz::kBezaras)},
      {"chunks cut short", Keretezve(kUjLista, HttpSzerver::Valasz::kCsonkaDarabok)},
      {"root not closed", {200, kUjLista.substr(0, kUjLista.find("</szavak>"))}},
      {"broken entry",
       {200, "<szavak>\r\n<szo mit=\"a\" mire=\"b\"/>\r\n<szo mit=\"c\r\n</szavak>\r\n"}},
      {"larger than 16 MB", {200, std::string(platform::kMaxBody, '\n') + kUjLista}},
  };
  for (const Row& r : rows) {
    szerver.Beallit("/szo.xml", r.valasz);
    auto a = Allapot(szerver.Cim());
    TLetoltesEredmeny e = a->Letoltes(false);
    EXPECT_FALSE(e.Siker) << r.name;
    EXPECT_FALSE(e.ListaAtveve) << r.name;
    EXPECT_EQ(e.UzenetFajta, TLetoltesEredmeny::kHiba) << r.name;
    EXPECT_TRUE(HibaOkkal(e.Uzenet, szerver.Cim())) << r.name << ": " << e.Uzenet;
    Valtozatlan(*a);
  }
}

TEST_F(LetoltesTest, ServerDown) {
  const std::string cim = "http://127.0.0.1:" + std::to_string(ZartPort());
  auto a = Allapot(cim);
  TLetoltesEredmeny e = a->Letoltes(false);
  EXPECT_FALSE(e.Siker);
  EXPECT_TRUE(HibaOkkal(e.Uzenet, cim)) << e.Uzenet;
  Valtozatlan(*a);
  // Silent: no message at all, and the next run is still due.
  e = a->Letoltes(true);
  EXPECT_FALSE(e.Siker);
  EXPECT_EQ(e.UzenetFajta, TLetoltesEredmeny::kNincs);
  EXPECT_EQ(e.Uzenet, "");
  EXPECT_TRUE(a->AutomatikusLetoltesEsedekes());
  Valtozatlan(*a);
}

TEST_F(LetoltesTest, SlowServerTimesOut) {
  // The answer would come after 20 s; the download gives up after 1 s.
  szerver.Beallit("/szo.xml", {200, kUjLista, milliseconds(20000)});
  auto a = Allapot(szerver.Cim(), 1);
  auto kezdet = steady_clock::now();
  TLetoltesEredmeny e = a->Letoltes(false);
  EXPECT_LT(steady_clock::now() - kezdet, seconds(15));
  EXPECT_FALSE(e.Siker);
  EXPECT_TRUE(HibaOkkal(e.Uzenet, szerver.Cim())) << e.Uzenet;
  Valtozatlan(*a);
}

TEST_F(LetoltesTest, AStaleTemporaryFileIsNeverTaken) {
  dir.Ir("szo.xml.tmp", "<szo mit=\"stale\" mire=\"s\"/>\r\n");
  szerver.Beallit("/szo.xml", {404, ""});
  auto a = Allapot(szerver.Cim());
  EXPECT_FALSE(a->Letoltes(true).Siker);
  Valtozatlan(*a);
}

TEST_F(LetoltesTest, ALinkPlantedAsTheTemporaryFileIsNeverWrittenThrough) {
  dir.Ir("aldozat", "precious");
  std::filesystem::create_symlink(dir.Fajl("aldozat"), dir.Fajl("szo.xml.tmp"));
  szerver.Beallit("/szo.xml", {200, kUjLista});
  auto a = Allapot(szerver.Cim());
  EXPECT_TRUE(a->Letoltes(true).ListaAtveve);
  EXPECT_EQ(dir.Olvas("aldozat"), "precious");
  EXPECT_FALSE(std::filesystem::is_symlink(dir.Fajl("szo.xml")));
  EXPECT_EQ(dir.Olvas("szo.xml"), kUjLista);
  EXPECT_FALSE(std::filesystem::is_symlink(dir.Fajl("szo.xml.tmp")));

  // A list without words stays in a temporary file made afresh, not through the link.
  std::filesystem::create_symlink(dir.Fajl("aldozat"), dir.Fajl("szo.xml.tmp"));
  const std::string ures = "<szavak>\r\n</szavak>\r\n";
  szerver.Beallit("/szo.xml", {200, ures});
  EXPECT_TRUE(a->Letoltes(true).Siker);
  EXPECT_EQ(dir.Olvas("aldozat"), "precious");
  EXPECT_FALSE(std::filesystem::is_symlink(dir.Fajl("szo.xml.tmp")));
  EXPECT_EQ(dir.Olvas("szo.xml.tmp"), ures);
}

TEST_F(LetoltesTest, AListWhosePatternsFailIsRefused) {
  const std::string rossz[] = {
      "<szavak>\r\n<szo mit=\"jo\" mire=\"j\"/>\r\n<szo mit=\"a(b\" mire=\"x\"/>\r\n</szavak>\r\n",
      "<szavak>\r\n<szo mit=\"(.*)(.*)(.*)\\3\\2\\1x\" mire=\"y\"/>\r\n</szavak>\r\n",
  };
  for (const std::string& lista : rossz) {
    szerver.Beallit("/szo.xml", {200, lista});
    auto a = Allapot(szerver.Cim());
    TLetoltesEredmeny e = a->Letoltes(false);
    EXPECT_FALSE(e.Siker) << lista;
    EXPECT_TRUE(HibaOkkal(e.Uzenet, szerver.Cim())) << e.Uzenet;
    EXPECT_NE(e.Uzenet.find("entry "), std::string::npos) << e.Uzenet;
    Valtozatlan(*a);
  }
}

TEST_F(LetoltesTest, RedirectIsFollowed) {
  HttpSzerver::Valasz tovabb{302, ""};
  tovabb.atiranyitas = szerver.Cim() + "/uj/szo.xml";
  szerver.Beallit("/szo.xml", tovabb);
  szerver.Beallit("/uj/szo.xml", {200, kUjLista});
  auto a = Allapot(szerver.Cim());
  EXPECT_TRUE(a->Letoltes(true).ListaAtveve);
  EXPECT_EQ(dir.Olvas("szo.xml"), kUjLista);
}

TEST(Letoltes, PlatformDownloadGivesTheBodyOnlyOnSuccess) {
  HttpSzerver szerver;
  szerver.Beallit("/ok", {200, "body"});
  std::string torzs;
  EXPECT_TRUE(platform::Download(szerver.Cim() + "/ok", torzs).ok());
  EXPECT_EQ(torzs, "body");
  platform::Status s = platform::Download(szerver.Cim() + "/missing", torzs);
  EXPECT_FALSE(s.ok() || s.IsNotSupported());
  EXPECT_EQ(s.Message(), "HTTP status 404");
  EXPECT_EQ(torzs, "");
  EXPECT_FALSE(platform::Download("file:///etc/passwd", torzs).ok());  // only http(s)
  EXPECT_EQ(torzs, "");
}

// Without an address from the environment, the list comes from the SzoXmlCim key.
TEST_F(LetoltesTest, TheAddressIsTheSzoXmlCimSetting) {
  szerver.Beallit("/lista/masik.xml", {200, kUjLista});
  auto a = Allapot("");
  ASSERT_TRUE(a->KulcsBeallitasa("SzoXmlCim", szerver.Cim() + "/lista/masik.xml"));
  EXPECT_TRUE(a->Letoltes(true).ListaAtveve);
  EXPECT_EQ(dir.Olvas("szo.xml"), kUjLista);
  EXPECT_EQ(szerver.KeresekSzama(), 1);
}

}  // namespace
