// SPDX-License-Identifier: GPL-3.0-or-later
// The download timer and the start-up font check.

#include <gtest/gtest.h>

#include "platform/win1250.h"
#include "ui/main/inditas.h"
#include "ui/main/letoltesidozito.h"

namespace {

using namespace win1250::literals;

TEST(LetoltesIdozito, OnceAfterSixtySecondsWithoutActivity) {
  TLetoltesIdozito t;
  for (int i = 1; i < 60; ++i) ASSERT_FALSE(t.Tick(false)) << i;
  EXPECT_TRUE(t.Tick(false));
  EXPECT_FALSE(t.Fut());
  for (int i = 0; i < 100; ++i) EXPECT_FALSE(t.Tick(false));
}

TEST(LetoltesIdozito, NeverRunsAfterActivity) {
  TLetoltesIdozito t;
  for (int i = 0; i < 30; ++i) t.Tick(false);
  for (int i = 0; i < 200; ++i) EXPECT_FALSE(t.Tick(true));
  EXPECT_TRUE(t.Fut());
  EXPECT_EQ(t.Masodpercek(), 1);
}

struct Naplo {
  int kerdes = 0, telepito = 0, info = 0;
  bool valasz = true, talalt = true;
  TBetukeszletEllenorzesKornyezet Kornyezet() {
    return {[this](const std::string& s) {
              ++kerdes;
              EXPECT_EQ(s,
                        "Nem található az alapértelmezett 'Rovasjel jb' "
                        "betűkészlet. Telepíted most?"_hu);
              return valasz;
            },
            [this] {
              ++telepito;
              return talalt;
            },
            [this](const std::string&) { ++info; }};
  }
};

TEST(BetukeszletEllenorzese, Cases) {
  struct {
    std::vector<std::string> csaladok;
    bool valasz, talalt;
    int kerdes, telepito, info;
  } esetek[] = {
      {{"DejaVu Sans", "Rovasjel jb"}, true, true, 0, 0, 0},
      {{"ROVASJEL JB"}, true, true, 0, 0, 0},
      {{"DejaVu Sans"}, false, true, 1, 0, 0},
      {{"DejaVu Sans"}, true, true, 1, 1, 1},
      {{}, true, false, 1, 1, 0},  // no installer: its error box, no wait box
  };
  for (auto& e : esetek) {
    Naplo n;
    n.valasz = e.valasz;
    n.talalt = e.talalt;
    BetukeszletEllenorzese(e.csaladok, n.Kornyezet());
    EXPECT_EQ(n.kerdes, e.kerdes);
    EXPECT_EQ(n.telepito, e.telepito);
    EXPECT_EQ(n.info, e.info);
  }
}

}  // namespace
