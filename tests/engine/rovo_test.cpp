// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rovo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fonts/betukepesseg.h"
#include "platform/win1250.h"
#include "regex/regkif.h"

namespace {

using namespace win1250::literals;

std::vector<std::string> Mintak(const TRovo& r) {
  std::vector<std::string> v;
  for (const auto& m : r.Magok()) v.push_back(m->Minta());
  return v;
}

TEST(Feldarabol, KeepsInnerEmptyPiecesButNotATrailingOne) {
  struct Eset {
    const char* szoveg;
    std::vector<std::string> vart;
  };
  const Eset esetek[] = {{"a-b", {"a", "b"}},      {"a-", {"a"}},    {"-b", {"", "b"}},
                         {"a--b", {"a", "", "b"}}, {"", {}},         {"-", {""}},
                         {"--", {"", ""}},         {"abc", {"abc"}}, {",a-b,", {"", "a-b"}}};
  for (const Eset& e : esetek) {
    const std::string s = e.szoveg;
    EXPECT_EQ(Feldarabol(s, s.find(',') != std::string::npos ? ',' : '-'), e.vart) << s;
  }
}

// The order a round applies its rules in: longest pattern first, ties as the
// quicksort leaves them, then chain reordering.
TEST(TRovo, RuleOrder) {
  struct Eset {
    const char* lista;
    std::vector<std::string> vart;
  };
  const Eset esetek[] = {
      {"", {}},
      {",,,", {}},
      {"cs-C,ccs-CC", {"ccs", "cs"}},
      {"x-kS,y-i,q-kv,w-v", {"q", "w", "x", "y"}},
      {"a-1,b-2,c-3", {"c", "b", "a"}},
      {"a-1,b-2,c-3,d-4,e-5", {"d", "e", "c", "a", "b"}},
      {"a-1,bb-2,c-3,dd-4", {"dd", "bb", "a", "c"}},
      // Chains: a rule whose pattern is another's replacement goes first.
      {"ab-c,c-d", {"c", "ab"}},
      {"abc-x,x-y,y-z", {"y", "x", "abc"}},
      // A cycle swaps back and forth until the tenth pass.
      {"a-b,b-a", {"b", "a"}},
      // Malformed pieces are dropped.
      {"a-b-c,-a,a-,,x-y", {"x"}},
      {"a-b,", {"a"}},
      {"\\--x,\\[-y",
       {
           "\\[",
       }},
  };
  for (const Eset& e : esetek) {
    EXPECT_EQ(Mintak(TRovo(e.lista, ',', '-')), e.vart) << e.lista;
  }
}

TEST(TRovo, KeepsReplacementsWithTheirPatterns) {
  const TRovo r("ab-c,c-d", ',', '-');
  ASSERT_EQ(r.Magok().size(), 2u);
  EXPECT_EQ(r.Magok()[0]->Csere(), "d");
  EXPECT_EQ(r.Magok()[1]->Csere(), "c");
}

TEST(TRovo, SeparatorsAreParameters) {
  EXPECT_EQ(Mintak(TRovo("a=1;bb=2", ';', '=')), (std::vector<std::string>{"bb", "a"}));
}

TEST(TRovo, Apply) {
  struct Eset {
    const char *lista, *be, *vart;
  };
  const Eset esetek[] = {
      {"", "abc", "abc"},
      {"cs-C,ccs-CC", "accsa", "aCCa"},
      {"ab-c,c-d", "ab c", "c d"},
      {"x-kS,y-i,q-kv,w-v", "quay", "kvuai"},
      {"(^|\\W)k-$1K", "kék kő"_hu, "Kék Kő"_hu},
      {"cs-C", "Cs CS cs", "Cs CS C"},
      {"a-b,b-a", "ab", "bb"},
      {"a-b,", "a", "b"},
      {"k($|\\W)-K$1", "kak kk.", "kaK kK."},
      // The chain protects a whole replacement only; a part of one is rewritten.
      {"aa-b,b-c", "aab", "bc"},
      {"aa-bc,c-d", "aa", "bd"},
  };
  for (const Eset& e : esetek) {
    TRovo r(e.lista, ',', '-');
    EXPECT_EQ(r.Alkalmaz(e.be), e.vart) << e.lista << " / " << e.be;
    EXPECT_EQ(r.Alkalmaz(e.be), e.vart) << "again: " << e.lista;
  }
}

TEST(TRovo, InvalidPatternThrowsOnFirstApplyNotWhileBuilding) {
  std::unique_ptr<TRovo> r;
  ASSERT_NO_THROW(r = std::make_unique<TRovo>("ab-x,(c-y", ',', '-'));
  EXPECT_EQ(r->Magok().size(), 2u);
  EXPECT_THROW(r->Alkalmaz("abc"), ERegKif);
  EXPECT_THROW(r->Alkalmaz(""), ERegKif);
}

TEST(TRovo, RebuildReplacesTheRules) {
  TRovo r("a-b", ',', '-');
  r.Epit("b-c,cc-d", ',', '-');
  EXPECT_EQ(Mintak(r), (std::vector<std::string>{"cc", "b"}));
  EXPECT_EQ(r.Alkalmaz("ab"), "ac");
  r.Torol();
  EXPECT_TRUE(r.Magok().empty());
  EXPECT_EQ(r.Alkalmaz("ab"), "ab");
}

// Every catalogued list must build and run; the entries with a second "-"
// drop out silently.
TEST(TRovo, EveryCataloguedListApplies) {
  const std::string minta = "Császár ccs gy lly [x] (y) \\-k 1848 hónap év tprus"_hu;
  for (const std::string& nev : KatalogusNevek()) {
    const TBetuKepesseg k(nev);
    for (const std::string* lista :
         {&k.SzamjegyKor, &k.SzamokKore, &k.SzamokKoreJB, &k.SzamokKoreBJ, &k.BetukKore,
          &k.BetukKoreBJ, &k.BetukKoreJB, &k.KiterjesztettKor, &k.KiterjesztettPotlas,
          &k.MelyKHangrendi, &k.MelyKSzoElejen, &k.MelyKSzoVegen, &k.OsszerovasElso,
          &k.OsszerovasMasodik, &k.KepjelekElso, &k.KepjelekMasodik, &k.GepelesKor}) {
      TRovo r(*lista, ',', '-');
      EXPECT_NO_THROW(r.Alkalmaz(minta)) << nev << ": " << *lista;
    }
  }
  const TRovo r9(TBetuKepesseg("Rovas n jelekkel jb").GepelesKor, ',', '-');
  for (const auto& m : r9.Magok()) EXPECT_NE(m->Minta(), "\\") << "a three-part piece was kept";
}

TEST(OsszesTalalat, CollectsNonEmptyWholeMatches) {
  TRegKif kif;
  kif.SetExpression("\\d*");
  EXPECT_EQ(OsszesTalalat(kif, "a12b3"), (std::vector<std::string>{"12", "3"}));
  kif.SetExpression("\\d+((\\. |\\.|,| |)\\d+)*");
  EXPECT_EQ(OsszesTalalat(kif, "7 alma, 1848. 3. 15 és 3,5"_hu),
            (std::vector<std::string>{"7", "1848. 3. 15", "3,5"}));
  EXPECT_TRUE(OsszesTalalat(kif, "nincs").empty());
  kif.SetExpression("(");
  EXPECT_THROW(OsszesTalalat(kif, "x"), ERegKif);
}

}  // namespace
