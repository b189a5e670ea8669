// SPDX-License-Identifier: GPL-3.0-or-later
// The face the rovás pane shows when the font in use is not installed.

#include "ui/main/foablakmag.h"

#include <gtest/gtest.h>

#include "hamis.h"
#include "platform/win1250.h"

using namespace win1250::literals;

namespace {

TEST(BetukeszletMegjelenites, MissingFontsFallBackToTheDefaultAndAreToldOnce) {
  TRovasBeallitasok modell;
  THamisVagolap vagolap;
  TFoablakMag mag(
      modell, [](const std::string&) { return true; }, vagolap);
  const std::vector<std::string> alap = {"DejaVu Sans", "ROVASJEL JB", "Osi betusor bj"};
  struct Sor {
    const char* betukeszlet;
    std::vector<std::string> elerheto;
    const char* vart;
    bool uzenet;
  } sorok[] = {
      {"Osi betusor bj", alap, "Osi betusor bj", false},
      {"Rovas n elojellel jb", alap, "Rovasjel jb", true},
      {"Rovas n elojellel jb", alap, "Rovasjel jb", false},  // said once
      {"Osi betu n elojellel bj", alap, "Rovasjel jb", true},
      {"osi BETUSOR bj", alap, "osi BETUSOR bj", false},  // any letter case
      // Without the default face the name stays and nothing is said.
      {"Rovasjel bj", {"DejaVu Sans"}, "Rovasjel bj", false},
  };
  for (const Sor& s : sorok) {
    modell.SetBetukeszlet(s.betukeszlet);
    const TBetuMegjelenites m = mag.BetukeszletMegjelenites(s.elerheto);
    EXPECT_EQ(m.betukeszlet, s.vart) << s.betukeszlet;
    EXPECT_EQ(mag.MegjelenitettBetukeszlet(), s.vart) << s.betukeszlet;
    EXPECT_EQ(!m.uzenet.empty(), s.uzenet) << s.betukeszlet;
    if (s.uzenet) {
      EXPECT_EQ(m.uzenet, std::string("A(z) „"_hu) + s.betukeszlet +
                              "” betűkészlet nincs telepítve, ezért a rovás szöveg a „Rovasjel "
                              "jb” betűkészlettel jelenik meg."_hu);
    }
  }
}

}  // namespace

namespace {

// What the window does for a new text, applied settings, the picture button
// and the help link, decided without a window.
TEST(FoablakMag, NewTextSettingsPictureAndHelp) {
  TRovasBeallitasok modell;
  modell.SetMeret(20);
  THamisVagolap vagolap;
  TFoablakMag mag(
      modell, [](const std::string&) { return true; }, vagolap);
  struct Sor {
    bool elfogadva;
    int valasztas;
    bool onmukodo;
    bool uritas, latin, atrovas;
  } sorok[] = {
      {false, 1, true, false, true, true},    // cancelled at start: Latin text mode stays
      {true, 1, true, true, false, false},    // direct rovás: no transliteration, focus on rovás
      {false, 0, true, false, false, false},  // cancelled: the mode stays
      {true, 0, false, true, true, false},    // automatic transliteration off
      {true, 0, true, true, true, true},
  };
  for (const Sor& s : sorok) {
    const TFoablakMag::TUjSzoveg uj = mag.UjSzoveg(s.elfogadva, s.valasztas);
    EXPECT_EQ(uj.uritas, s.uritas);
    EXPECT_EQ(uj.latin, s.latin);
    const TFoablakMag::TAlkalmazas a = mag.BeallitasokAlkalmazasa(s.onmukodo, {});
    EXPECT_EQ(a.latinFokusz, s.latin);
    EXPECT_EQ(a.atrovas, s.atrovas);
    EXPECT_EQ(a.meret, 20);
  }
  EXPECT_TRUE(TFoablakMag::KepKerdes(true, 5120));
  EXPECT_FALSE(TFoablakMag::KepKerdes(true, 5119));
  EXPECT_FALSE(TFoablakMag::KepKerdes(false, 9000));
  const auto nincs = [](const std::string&) { return false; };
  EXPECT_EQ(TFoablakMag::Sugo("/p/RovasSugo.pdf", nincs).hiba,
            "Nem található a súgót tartalmazó \"RovasSugo.pdf\" állomány."_hu);
  EXPECT_EQ(TFoablakMag::Sugo("/p/RovasSugo.pdf", [](const std::string&) { return true; }).utvonal,
            "/p/RovasSugo.pdf");
}

}  // namespace
