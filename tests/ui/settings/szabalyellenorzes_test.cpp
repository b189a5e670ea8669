// SPDX-License-Identifier: GPL-3.0-or-later
// Custom rule lists checked before they are kept, and the platform's English
// failure texts in Hungarian.

#include "ui/settings/szabalyellenorzes.h"

#include <gtest/gtest.h>

#include "platform/win1250.h"
#include "ui/settings/beallitasallapot.h"
#include "ui/settings/hibaforditas.h"

using namespace win1250::literals;

namespace {

TEST(SzabalyEllenorzes, NamesTheRuleAndThePlace) {
  struct Sor {
    const char* lista;
    const char* vart;  // a piece of the message; nullptr: no fault
  } sorok[] = {
      {"cs-C,ccs-CC,\\bk-ł", nullptr},
      {"", nullptr},
      // Pieces the round leaves out are not faults.
      {"a--b,(-,-x,a-b-c", nullptr},
      {"a(-X",
       "A(z) „Első kör” mező 1. szabálya (\"a(-X\") hibás.\r\n"
       "Hibás minta: a zárójelek nincsenek párban (a minta 2. karakterénél)"},
      {"a-b,x)-y", "2. szabálya (\"x)-y\")"},
      // A range needs a "-", which ends the pattern: "[z-a]-Q" is left out.
      {"a-b,[z-a]-Q,a+*-Q",
       "2. szabálya (\"a+*-Q\") hibás.\r\nHibás minta: ismétlés ismétlés után"},
      {"*a-b", "az ismétlés jele előtt nincs semmi (a minta 1. karakterénél)"},
  };
  for (const Sor& s : sorok) {
    const std::optional<std::string> h =
        SzabalyListaHiba("Első kör"_hu, win1250::FromUtf8(s.lista));
    if (!s.vart) {
      EXPECT_FALSE(h) << s.lista << ": " << *h;
      continue;
    }
    ASSERT_TRUE(h) << s.lista;
    EXPECT_NE(h->find(win1250::FromUtf8(s.vart)), std::string::npos) << win1250::ToUtf8(*h);
  }
  // Longer than rovas.ini keeps.
  const std::optional<std::string> hosszu = SzabalyListaHiba("Számok"_hu, std::string(2048, 'a'));
  ASSERT_TRUE(hosszu);
  EXPECT_NE(hosszu->find("2048 karakter hosszú"_hu), std::string::npos);
  EXPECT_FALSE(SzabalyListaHiba("Számok"_hu, std::string(2047, 'a')));
}

TEST(SzabalyEllenorzes, TheFirstFaultyFieldOfTheFour) {
  TBeallitasVezerlok v;
  v.SzEElsoKor = "a-b";
  v.SzESzamokKore = "1-(";
  v.SzEGepeleskor = "x-(";
  EXPECT_FALSE(EgyeniSzabalyokHibaja(v));
  v.SzEGepeleskor = "x(-y";
  ASSERT_TRUE(EgyeniSzabalyokHibaja(v));
  EXPECT_EQ(EgyeniSzabalyokHibaja(v)->mezo, "SzEGepeleskor");
  v.SzEMasodikKor = "[-y";
  EXPECT_EQ(EgyeniSzabalyokHibaja(v)->mezo, "SzEMasodikKor");
}

TEST(HibaForditas, KnownPhrasesAndReasons) {
  const std::pair<const char*, const char*> sorok[] = {
      {"Unable to write to /home/u/rovas.ini: No space left on device",
       "Nem sikerült írni: /home/u/rovas.ini: nincs több hely az eszközön"},
      {"Cannot write file \"/tmp/x.png\". Permission denied",
       "Nem sikerült írni a fájlt: \"/tmp/x.png\". hozzáférés megtagadva"},
      {"A kivételes szavak frissítése sikertelen volt.\r\nHTTP status 404",
       "A kivételes szavak frissítése sikertelen volt.\r\nHTTP-állapotkód: 404"},
      // Unknown texts and words inside paths stay.
      {"Something odd", "Something odd"},
      {"/data/Unable to read/x", "/data/Unable to read/x"},
  };
  for (const auto& [be, ki] : sorok)
    EXPECT_EQ(win1250::ToUtf8(HibaMagyarul(win1250::FromUtf8(be))), ki) << be;
}

}  // namespace
