// SPDX-License-Identifier: GPL-3.0-or-later
// The pipeline: stage order, building from the settings, rebuilds, errors.

#include "engine/karvo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "alapmodell.h"
#include "platform/win1250.h"

namespace {

std::string W(std::string_view utf8) { return win1250::FromUtf8(utf8); }

// Custom settings with the given rounds and no number list: only the stages
// under test change the text.
std::unique_ptr<TRovasBeallitasok> Egyeni(std::string_view elso, uint8_t irany = 2,
                                          std::string_view betukeszlet = "Rovasjel jb") {
  auto m = Alap(betukeszlet);
  m->SetEgyeniBeallitasok(true);
  m->SetEElsoKor(elso);
  m->SetESzamokKore("");
  m->SetESzovegirany(irany);
  return m;
}

TEST(Karvo, EmptyTextGivesEmptyButTheBuildHappens) {
  auto m = Egyeni("(-x");  // invalid, but an empty text never reaches a round
  TKarvo k(*m);
  m->SetEElsoKor("a-b");
  EXPECT_EQ(k.Atrov(""), "");
  EXPECT_FALSE(m->Valtozott);
  EXPECT_EQ(k.Atrov("a"), "b");
}

TEST(Karvo, BracketsMirroredRightToLeft) {
  auto jb = Egyeni("", 1);
  TKarvo k(*jb);
  EXPECT_EQ(k.Atrov("(a) [b] {c}"), ")a( ]b[ }c{");
  EXPECT_EQ(k.Atrov("x\x02y"), "x)y");
  auto bj = Egyeni("", 2);
  TKarvo k2(*bj);
  EXPECT_EQ(k2.Atrov("(a) [b] {c}\x02"), "(a) [b] {c}\x02");
}

TEST(Karvo, SeparatorBytesStayOutOfTheResult) {
  auto m = Egyeni("");
  TKarvo k(*m);
  EXPECT_EQ(k.Atrov("a\x08"
                    "b\x08\x08"),
            "ab");
}

TEST(Karvo, LowercasingOnlyForAFontWithoutCapitals) {
  EXPECT_EQ(KisbetusreAlakit(W("AZ ÁÉÍÓŐÖÚŰÜ ŠÄÔ az")), W("az áéíóőöúűü ŠÄÔ az"));
  auto kis = Egyeni("cs-C", 2, "Rovasjel bj");
  TKarvo k(*kis);
  EXPECT_TRUE(k.Kisbetus());
  EXPECT_EQ(k.Atrov("Cs cs CS"), "C C C");
  auto nagy = Egyeni("cs-C", 2, "Osi betu n elojellel bj");
  TKarvo k2(*nagy);
  EXPECT_FALSE(k2.Kisbetus());
  EXPECT_EQ(k2.Atrov("Cs cs CS"), "Cs C CS");
}

TEST(Karvo, CustomEmptyNumberListMeansNoNumberConversion) {
  auto m = Egyeni("", 1);
  m->SetSzamok(true);
  TKarvo k(*m);
  EXPECT_EQ(k.Atrov("12 a"), "21 a");  // right to left, digits kept left to right
  m->SetSzamokBJ(false);
  EXPECT_EQ(k.Atrov("12 a"), "12 a");
  m->SetESzamokKore(beallitas_alap::ESzamokKore);
  m->SetSzamok(false);  // ignored with custom settings: the list decides
  EXPECT_EQ(k.Atrov("12 a"), "311 a");
}

TEST(Karvo, DirectionSettingOverridesTheFont) {
  // "VK 13 roman" runs right to left and has direction-dependent letters.
  auto m = Alap("VK 13 roman");
  TKarvo k(*m);
  EXPECT_EQ(k.Atrov("ny (1)"), "} )1(");
  m->SetIrany(2);
  EXPECT_EQ(k.Atrov("ny (1)"), "{ (1)");
  auto r = Alap("Rovasjel jb");
  TKarvo k2(*r);
  EXPECT_EQ(k2.Atrov("(12)"), ")21(");
  r->SetIrany(2);
  EXPECT_EQ(k2.Atrov("(12)"), "(12)");
}

TEST(Karvo, DefaultFont) {
  auto m = Alap();
  TKarvo k(*m);
  EXPECT_EQ(k.Atrov(W("Kert (12) szép bak")), W("łert )21( Sép baK"));
  m->SetSzamok(true);
  EXPECT_EQ(k.Atrov("12 x"), "311 kS");
}

TEST(Karvo, ExceptionWordsOnTheLowercasedText) {
  auto m = Egyeni("zs-Z");
  m->SetKivetelesSzoLista(std::make_unique<std::vector<std::string>>(
      std::vector<std::string>{W("igazság=igaz|ság"), W("Vizsga=Viz|sga")}));
  TKarvo k(*m);
  EXPECT_EQ(k.Atrov(W("igazság")), W("igazság"));
  EXPECT_EQ(k.Atrov(W("Igazság vizsga")), W("igazság viZga"));  // capitals never match
  m->SetKivetelesSzavak(false);
  EXPECT_EQ(k.Atrov(W("igazság")), W("igaZág"));
  m->SetKivetelesSzavak(true);
  m->SetKivetelesSzoLista(nullptr);
  EXPECT_EQ(k.Atrov(W("igazság")), W("igaZág"));
}

TEST(Karvo, AkSignReachesVowelSkipping) {
  // "Rovasjel jb" has no aK glyph rules, but its aK character still reaches vowel skipping.
  auto m = Egyeni("");
  m->SetHModszer(4);
  m->SetHIsmetlodoEgyesit(false);
  m->SetHKezdoEKihagy(false);
  TKarvo k(*m);
  EXPECT_EQ(k.Atrov(W("hangzóugratásként")), W("hangzóugrtsKént"));
  m->SetMelyK(false);
  EXPECT_EQ(k.Atrov(W("hangzóugratásként")), W("hangzóugrtsként"));
}

TEST(Karvo, NumbersFirstIfTheFontAsks) {
  auto elore = Egyeni("1-a", 2, "Rovas n qezdojellel bj");
  elore->SetESzamokKore(beallitas_alap::ESzamokKore);
  TKarvo k(*elore);
  EXPECT_TRUE(k.SzamokElore());
  EXPECT_EQ(k.Atrov("2"), "aa");  // "2" -> "11" -> "aa"
  auto utana = Egyeni("1-a", 2, "Rovasjel bj");
  utana->SetESzamokKore(beallitas_alap::ESzamokKore);
  TKarvo k2(*utana);
  EXPECT_FALSE(k2.SzamokElore());
  EXPECT_EQ(k2.Atrov("2"), "11");
}

TEST(Karvo, StagesInProcessingOrder) {
  // Exceptions see the mirrored text, vowel skipping sees the exceptions' output,
  // round 2 sees round 1's output, numbers come last.
  auto m = Egyeni("b-c", 1);
  m->SetEMasodikKor("c-1");
  m->SetESzamokKore("1-I,10-X,100-C,1000-M");
  m->SetKivetelesSzoLista(
      std::make_unique<std::vector<std::string>>(std::vector<std::string>{"\\)a=ab"}));
  m->SetHModszer(5);
  m->SetHIsmetlodoEgyesit(false);
  TKarvo k(*m);
  // "(a" -> ")a" -> "ab" -> "b" (vowel dropped) -> "c" -> "1" -> "I"
  EXPECT_EQ(k.Atrov("(a"), "I");
}

struct Illesztes {
  uint8_t ak_mod;
  bool melyk;
  std::vector<std::string TBetuKepesseg::*> r1_ak;  // aK lists joined, in order
};

TEST(Karvo, OrderOfListConcatenation) {
  const Illesztes esetek[] = {
      {0, true, {&TBetuKepesseg::MelyKHangrendi}},
      {1, true, {&TBetuKepesseg::MelyKSzoVegen}},
      {2, true, {&TBetuKepesseg::MelyKSzoElejen}},
      {3, true, {&TBetuKepesseg::MelyKSzoElejen, &TBetuKepesseg::MelyKSzoVegen}},
      {3, false, {}},
  };
  for (const char* betukeszlet : {"Rovas Kiterjesztett JB", "Rovas Kiterjesztett", "VK 13 roman"}) {
    for (const Illesztes& e : esetek) {
      auto m = Alap(betukeszlet);
      m->SetOsszerovas(true);
      m->SetKepjelek(true);
      m->SetSzamok(true);
      m->SetMelyK(e.melyk);
      m->SetAKHasznalatiMod(e.ak_mod);
      TKarvo k(*m);
      const TBetuKepesseg& f = *m->BetuKepesseg;
      const bool jb = m->HasznaltIrany() == 1;
      std::string r1 = Hozzafuz("", f.BetukKore);
      r1 = Hozzafuz(r1, jb ? f.BetukKoreJB : f.BetukKoreBJ);
      r1 = Hozzafuz(r1, f.VanKiterjesztett ? f.KiterjesztettKor : f.KiterjesztettPotlas);
      for (auto lista : e.r1_ak) r1 = Hozzafuz(r1, f.*lista);
      r1 = Hozzafuz(Hozzafuz(r1, f.OsszerovasElso), f.KepjelekElso);
      EXPECT_EQ(k.ElsoKorLista(), r1) << betukeszlet << " mode " << int(e.ak_mod);
      EXPECT_EQ(k.MasodikKorLista(),
                Hozzafuz(Hozzafuz("", f.OsszerovasMasodik), f.KepjelekMasodik));
      EXPECT_EQ(k.SzamKorLista(),
                Hozzafuz(Hozzafuz("", f.SzamokKore), jb ? f.SzamokKoreJB : f.SzamokKoreBJ));
    }
  }
}

TEST(Karvo, SwitchedOffAdditionsAreLeftOut) {
  auto m = Alap("Rovas Kiterjesztett JB");
  m->SetKiterjesztettBetuk(false);
  m->SetMelyK(false);
  TKarvo k(*m);
  const TBetuKepesseg& f = *m->BetuKepesseg;
  // With extended letters off the font's fallback list comes in, which this font leaves empty.
  EXPECT_EQ(k.ElsoKorLista(), Hozzafuz(Hozzafuz("", f.BetukKore), f.KiterjesztettPotlas));
  EXPECT_EQ(k.MasodikKorLista(), "");
  EXPECT_EQ(k.SzamKorLista(), f.SzamjegyKor);
}

TEST(Karvo, RebuildOnlyOnChange) {
  auto m = Egyeni("cs-C");
  TKarvo k(*m);
  EXPECT_FALSE(m->Valtozott);
  EXPECT_FALSE(k.Epit(*m));
  EXPECT_EQ(k.Atrov("cs"), "C");
  m->SetEElsoKor("cs-X");
  EXPECT_EQ(k.Atrov("cs"), "X");
  EXPECT_FALSE(m->Valtozott);
  m->SetMeret(m->Meret);  // any setter marks the model, even with the same value
  EXPECT_TRUE(k.Epit(*m));
  EXPECT_FALSE(k.Epit(*m));
  auto masik = Egyeni("cs-Y");
  masik->SetValtozott(false);
  EXPECT_TRUE(k.Epit(*masik));
  EXPECT_EQ(k.Atrov("cs"), "Y");
  // A field changed without its setter waits for the next mark.
  masik->EElsoKor = "cs-Z";
  EXPECT_EQ(k.Atrov("cs"), "Y");
}

TEST(Karvo, ABadPatternThrowsUntilItIsFixed) {
  auto m = Egyeni("a-b,(x-y");
  TKarvo k(*m);
  EXPECT_THROW(k.Atrov("abc"), ERegKif);
  EXPECT_FALSE(m->Valtozott);
  EXPECT_THROW(k.Atrov("zzz"), ERegKif);
  EXPECT_EQ(k.Atrov(""), "");
  m->SetEElsoKor("a-b,\\(x-y");
  EXPECT_EQ(k.Atrov("a(x"), "by");
  // A bad exception word fails the same way.
  m->SetKivetelesSzoLista(
      std::make_unique<std::vector<std::string>>(std::vector<std::string>{"[ab=c"}));
  try {
    k.Atrov("a");
    ADD_FAILURE() << "no error";
  } catch (const ERegKif& e) {
    EXPECT_EQ(e.ErrorCode(), 113);
  }
}

TEST(Karvo, MissingCapabilityRecord) {
  auto m = Egyeni("a-b");
  m->SetBetuKepesseg(nullptr);
  m->SetEgyeniBeallitasok(false);
  m->SetIrany(0);
  TKarvo k(*m);
  EXPECT_EQ(k.Atrov("(qa)"), "(kva)");  // as an uncatalogued font: left to right, fallbacks
}

}  // namespace

namespace {

TEST(Karvo, RunawayRulesReportAnErrorInsteadOfExhaustingMemory) {
  // Rules that multiply the text: twenty downloaded exception words "." ->
  // "xxx", eighteen custom rules ".-xxx", a plain word doubling itself.
  std::string pontok;
  for (int i = 0; i < 18; ++i) pontok += ".-xxx,";
  auto szavak = std::make_unique<std::vector<std::string>>(20, ".=xxx");
  auto kivetelek = Alap();
  kivetelek->SetKivetelesSzoLista(std::move(szavak));
  auto duplazo = std::make_unique<std::vector<std::string>>(25, "aa=aaaa");
  auto szavasan = Alap();
  szavasan->SetKivetelesSzoLista(std::move(duplazo));
  std::unique_ptr<TRovasBeallitasok> modellek[] = {std::move(kivetelek), Egyeni(pontok),
                                                   std::move(szavasan)};
  for (auto& m : modellek) {
    TKarvo motor(*m);
    try {
      motor.Atrov("aaaa aaaa aaaa aaaa");
      ADD_FAILURE() << "no error";
    } catch (const ERegKif& e) {
      EXPECT_EQ(e.ErrorCode(), ERegKif::kOutputLimit);
    }
  }
  // The budget belongs to one call: the same rules on a short text fit it.
  auto m = Egyeni(".-xxx");
  EXPECT_EQ(TKarvo(*m).Atrov("ab"), "xxxxxx");
  EXPECT_EQ(TRegKif::OutputBudget::Limit(), SIZE_MAX);
}

}  // namespace
