// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-help texts: preparing them for the label and the installed-font list.

#include "ui/settings/sugo.h"

#include <gtest/gtest.h>

#include "fonts/betukepesseg.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

TEST(Sugo, PreparedGreeting) {
  const std::string p9 = "<p><font name=\"Verdana\" size=\"9\">";
  EXPECT_EQ(SugokElokeszitese()[0],
            p9 + "<font name=\"Verdana\" size=\"13\"><b>" + "Gyors súgó"_hu +
                "</b></font></font></p>" + p9 + "</font></p>" + p9 + "Üdvözöllek!"_hu +
                "</font></p>" + p9 + "</font></p>" + p9 +
                "Mozgasd egérmutatód valamelyik beállítási lehetőség fölé. A hozzá tartozó "
                "súgó itt jelenik majd meg."_hu +
                "</font></p>");
}

TEST(Sugo, FontHelpNamesTheDefaultAndListsTheInstalledFonts) {
  const auto sugok = SugokElokeszitese();
  EXPECT_EQ(sugok[1].find("$alapertelmezett"), std::string::npos);
  EXPECT_NE(sugok[1].find("akkor a Rovasjel jb betűkészletet"_hu), std::string::npos);

  std::string egyik, semmi;
  for (const std::string& nev : FelkinaltBetukeszletek()) {
    semmi += "<input type=\"checkbox\">" + nev + "</p><p>";
    egyik += std::string("<input type=\"checkbox\"") + (nev == "Rovasjel jb" ? " checked" : "") +
             ">" + nev + "</p><p>";
  }
  EXPECT_EQ(BetukeszletLista({}), semmi);
  EXPECT_EQ(BetukeszletLista({"Arial", "ROVASJEL JB"}), egyik);

  const std::string szoveg = SugoSzoveg(sugok, 1, {"rovasjel jb"});
  EXPECT_EQ(szoveg.find("$betukeszletek"), std::string::npos);
  EXPECT_NE(szoveg.find(egyik), std::string::npos);
  EXPECT_EQ(SugoSzoveg(sugok, 2, {"rovasjel jb"}), sugok[2]);
}

}  // namespace
