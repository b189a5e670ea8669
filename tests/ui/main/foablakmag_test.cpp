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
