// SPDX-License-Identifier: GPL-3.0-or-later
// The fast round must give exactly what the plain round gives.

#include "engine/gyorsrovo.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/hangzougrato.h"
#include "engine/karvo.h"
#include "fonts/betukepesseg.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

// Texts over the bytes the rules care about, with the odd NUL and separator.
std::string Veletlen(std::mt19937& g, const std::string& abc, size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += abc[g() % abc.size()];
  if (g() % 4 == 0) s[g() % n] = '\0';
  return s;
}

void Osszevet(const std::string& lista, std::mt19937& g, const std::string& abc, int db) {
  TRovo lassu(lista);
  TGyorsRovo gyors(lista);
  for (int i = 0; i < db; ++i) {
    const std::string s = Veletlen(g, abc, 1 + g() % 300);
    ASSERT_EQ(gyors.Alkalmaz(s), lassu.Alkalmaz(s)) << "rules: " << lista << "\ntext: " << s;
  }
}

const std::string kAbc = win1250::FromUtf8(
    "aaabcccdeeefgghiklmnnnoprsssttuvyzzzsáéíóöőúüű AEKCSGY12345.,()[]{}$\\\x08\x01");

TEST(GyorsRovo, CatalogueLists) {
  std::mt19937 g(1);
  for (const std::string& nev : KatalogusNevek()) {
    const TBetuKepesseg k(nev);
    for (const std::string* lista :
         {&k.BetukKore, &k.GepelesKor, &k.KiterjesztettKor, &k.KiterjesztettPotlas,
          &k.MelyKHangrendi, &k.MelyKSzoElejen, &k.MelyKSzoVegen, &k.OsszerovasElso,
          &k.OsszerovasMasodik, &k.KepjelekElso, &k.KepjelekMasodik, &k.BetukKoreJB}) {
      Osszevet(*lista, g, kAbc, 5);
    }
    Osszevet(Hozzafuz(Hozzafuz(k.BetukKore, k.OsszerovasElso), k.KepjelekElso), g, kAbc, 20);
  }
  // The vowel-skipping stage's rounds, and groups whose byte-pair filter
  // shares buckets (more than 8 first bytes) or is not read at all (so many
  // one-byte words that it would pass most positions), with "\\b" words whose
  // neighbour an earlier match of the same pass has already rewritten.
  std::string egybetus, szetszort = ",\\bze-Z";
  for (char c : win1250::FromUtf8("aeiou0123456789bcdfghjklmnprstvz;:!%áéíóöőúüű"))
    egybetus += std::string(",") + c + "-x";
  for (const char* w : {"cs", "ty", "á", "é", "í", "ű", "ü", "ú", "ó", "ö", "ő", "1", "\\("})
    szetszort += "," + win1250::FromUtf8(w) + "-Y";
  for (const std::string& lista :
       {std::string(kIsmetlodoEgyesitoKor), std::string(kHosszuRoviditoKor), egybetus, szetszort,
        std::string(",a-.,\\bb-c,\\Bs-x")}) {
    Osszevet(lista, g, kAbc, 200);
  }
}

// Words that overlap, feed each other and expand "$" forms.
TEST(GyorsRovo, RandomRules) {
  std::mt19937 g(2);
  const std::string abc = "abcs$\\. ";
  const char* cserek[] = {"x",  "a",    "ab",   "$0",    "$&",  "${}", "$1", "$",
                          "$$", "\\$1", "b$0b", "${1}0", "$15", "\\",  "ss"};
  for (int kor = 0; kor < 400; ++kor) {
    std::string lista;
    const int n = 1 + g() % 8;
    for (int i = 0; i < n; ++i) {
      std::string minta;
      const int m = 1 + g() % 3;
      for (int j = 0; j < m; ++j) minta += "abcs"[g() % 4];
      // Literal forms the fast round reads itself: ends asserted, escaped
      // and one-byte-class punctuation.
      const char* elol[] = {"", "", "", "\\b", "\\B", "\\$", "[.]"};
      const char* hatul[] = {"", "", "", "\\b", "\\B", "\\.", "[$]"};
      minta = elol[g() % std::size(elol)] + minta + hatul[g() % std::size(hatul)];
      lista += "," + minta + "-" + cserek[g() % std::size(cserek)];
    }
    Osszevet(lista, g, abc, 20);
  }
}

// Rounds long enough to be indexed (more than 16 groups) and exception-word
// sized lists (found through the trie), among them rounds whose every rule
// only adds separators to its word, as exception words do (applied at once;
// with words of three bytes or more, and with shorter ones).
TEST(GyorsRovo, LongRounds) {
  std::mt19937 g(4);
  // Few letters (the index's byte-pair filter is read) and many (it is not).
  const std::string betuk[] = {"abcs", "abcdefghijklmnopqrstuvwxyz0123456789"};
  const char* elol[] = {"", "", "\\b", "\\B"};
  const char* hatul[] = {"", "", "\\b", "\\B"};
  for (int kor = 0; kor < 160; ++kor) {
    const std::string& b = betuk[kor % 4 == 3];
    const std::string abc = b + "\x08 ";
    const bool elvalaszto = kor % 5 >= 3;
    const size_t legrovidebb = kor % 10 == 3 ? 3 : 1;
    std::string lista;
    const int n = kor % 2 ? 20 + g() % 40 : 257 + g() % 200;
    for (int i = 0; i < n; ++i) {
      std::string minta;
      const size_t m = legrovidebb + g() % (kor % 3 ? 4 : 8);
      for (size_t j = 0; j < m; ++j) minta += b[g() % b.size()];
      std::string csere = elvalaszto || g() % 3 ? minta : "";
      for (int k = elvalaszto ? 1 + g() % 2 : 1; k > 0; --k)
        csere.insert(g() % (csere.size() + 1), g() % 2 || elvalaszto ? "\x08" : "x");
      if (elvalaszto) {
        minta = elol[g() % std::size(elol)] + minta + hatul[g() % std::size(hatul)];
      } else if (g() % 20 == 0) {
        minta = "\\b" + minta;
      }
      lista += "," + minta + "-" + csere;
    }
    Osszevet(lista, g, abc, 10);
  }
}

TEST(GyorsRovo, ErrorsAreRaisedTheSameWay) {
  TGyorsRovo r("a-b,(c-d");
  EXPECT_THROW(r.Alkalmaz("xyz"), ERegKif);
  TGyorsRovo ures("");
  EXPECT_EQ(ures.Alkalmaz(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace

namespace {

// The rounds as the engine assembles them, for every font and option mix.
TEST(GyorsRovo, ConcatenatedRoundsForEveryFont) {
  std::mt19937 g(3);
  const std::string proza = win1250::FromUtf8(
      "Kedves Bar\u00e1tom! Tegnap este a kertben \u00fcltem, \u00e9s a csillagokat n\u00e9ztem; "
      "a hangz\u00f3ugrat\u00e1s, az \u00f6sszerov\u00e1s \u00e9s a k\u00e9pjelek (h\u00f3nap, "
      "\u00e9v) mind m\u00e1sk\u00e9pp \u00edrnak. QUIZ dzsungel Gyula Ty\u00fak Zs\u00f3fi "
      "sasszem 12 3.");
  for (const std::string& nev : KatalogusNevek()) {
    for (int opt = 0; opt < 8; ++opt) {
      TRovasBeallitasok m;
      m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(nev));
      m.SetMelyK(true);
      m.SetAKHasznalatiMod(static_cast<uint8_t>(opt % 4));
      m.SetOsszerovas(opt & 1);
      m.SetKepjelek(opt & 2);
      m.SetKiterjesztettBetuk(opt & 4);
      m.SetIrany(static_cast<uint8_t>(opt % 3));
      TKarvo k(m);
      for (const std::string* lista : {&k.ElsoKorLista(), &k.MasodikKorLista()}) {
        TRovo lassu(*lista);
        TGyorsRovo gyors(*lista);
        ASSERT_EQ(gyors.Alkalmaz(proza), lassu.Alkalmaz(proza)) << nev << " " << opt;
        const std::string s = Veletlen(g, kAbc, 200);
        ASSERT_EQ(gyors.Alkalmaz(s), lassu.Alkalmaz(s)) << nev << " " << opt;
      }
    }
  }
}

}  // namespace

namespace {

// Word rules over a tiny alphabet, so that outputs keep recreating words of
// earlier and later rules; replacements with NUL bytes, expanding to nothing
// ("$1") or to the word itself; pattern rules in between; texts with NULs.
TEST(GyorsRovo, NulBytesEmptyReplacementsAndReappearingWords) {
  std::mt19937 g(777);
  const std::string tabc = std::string("aaabbbccc\0\x08 \xE1", 13);
  const std::vector<std::string> cserek = {"x",
                                           "a",
                                           "b",
                                           "ab",
                                           "ba",
                                           "abc",
                                           "cab",
                                           "$0",
                                           "$1",
                                           "${1}",
                                           "a$1b",
                                           "\\",
                                           "$",
                                           std::string("a\0b", 3),
                                           std::string("\0", 1),
                                           "bb",
                                           "aa",
                                           "cc",
                                           "c"};
  const std::vector<std::string> mintak = {
      "a+", "\\bab", "[bc]a", "(a)(b)", "b?c", "^a", "a$", "\\Bc", std::string("a\0", 2), "c*"};
  const std::vector<std::string> pcserek = {"$2$1", "$1", "x", "b", "$0$0", "a"};
  for (int kor = 0; kor < 6000; ++kor) {
    std::string lista;
    const int n = 1 + g() % 12;
    for (int i = 0; i < n; ++i) {
      if (g() % 6 == 0) {
        lista += "," + mintak[g() % mintak.size()] + "-" + pcserek[g() % pcserek.size()];
        continue;
      }
      std::string minta;
      const int m = 1 + g() % (kor % 3 ? 5 : 9);
      for (int j = 0; j < m; ++j) minta += "abc\x08á"_hu[g() % (kor % 2 ? 5 : 3)];
      lista += "," + minta + "-" + cserek[g() % cserek.size()];
    }
    TRovo lassu(lista);
    TGyorsRovo gyors(lista);
    for (int t = 0; t < 6; ++t) {
      std::string s;
      const size_t len = g() % (t % 2 ? 40 : 200);
      for (size_t i = 0; i < len; ++i) s += tabc[g() % tabc.size()];
      std::string a, b;
      bool ha = false, hb = false;
      try {
        a = gyors.Alkalmaz(s);
      } catch (const ERegKif&) {
        ha = true;
      }
      try {
        b = lassu.Alkalmaz(s);
      } catch (const ERegKif&) {
        hb = true;
      }
      ASSERT_EQ(ha, hb);
      ASSERT_EQ(a, b) << "rules: " << lista << "\ntext: " << s;
    }
  }
}
}  // namespace

namespace {

// The engine's call equals its stages run one after another with plain rounds,
// for every font and a sweep of options, exception words included.
TEST(GyorsRovo, TransliterationMatchesTheSlowRounds) {
  std::mt19937 g(9);
  const std::string proza = win1250::FromUtf8(
      "Kedves Bar\u00e1tom! Tegnap este a kertben \u00fcltem, \u00e9s a csillagokat n\u00e9ztem; "
      "a hangz\u00f3ugrat\u00e1s, az \u00f6sszerov\u00e1s \u00e9s a k\u00e9pjelek (h\u00f3nap, "
      "\u00e9v) mind m\u00e1sk\u00e9pp \u00edrnak. QUIZ dzsungel Gyula Ty\u00fak Zs\u00f3fi "
      "sasszem 12 3. igazs\u00e1g \u0151zsuta Pilisszentkereszt 2024.10.05 1 000 000 kakukk "
      "akk\u00f3");
  const std::vector<std::string> szavak = {win1250::FromUtf8("igazs\u00e1g=igaz|s\u00e1g"),
                                           win1250::FromUtf8("\u0151zsuta=\u0151z|suta"),
                                           "sasszem=sas|szem",
                                           "(^|\\W)ssz=$1s|sz",
                                           "kak=$1",
                                           "ugra=ugr|a",
                                           "csil=c|sil",
                                           "zs=z|s"};
  for (const std::string& nev : KatalogusNevek()) {
    for (int opt = 0; opt < 24; ++opt) {
      TRovasBeallitasok m;
      m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(nev));
      m.SetMelyK(opt & 1);
      m.SetAKHasznalatiMod(static_cast<uint8_t>(opt % 4));
      m.SetOsszerovas(opt & 2);
      m.SetKepjelek(opt & 4);
      m.SetKiterjesztettBetuk(opt & 8);
      m.SetSzamok(opt & 16);
      m.SetSzamokBJ(opt & 1);
      m.SetIrany(static_cast<uint8_t>(opt % 3));
      m.SetHModszer(static_cast<uint8_t>(opt % 6));
      m.SetHHatokor(static_cast<uint8_t>(opt % 3));
      m.SetKivetelesSzavak(opt % 5 != 0);
      m.SetKivetelesSzoLista(std::make_unique<std::vector<std::string>>(szavak));
      const TBetuKepesseg& k = *m.BetuKepesseg;
      const bool jb = m.HasznaltIrany() == 1;
      const unsigned char ak = m.MelyK && !k.MelyKJel.empty() ? k.MelyKJel[0] : 0;
      TKarvo motor(m);
      TRovo kiv(m.KivetelesSzavak ? TRovoKivetelezo::Szabalylista(szavak) : std::string());
      TRovoHangzougrato h(m.HModszer, m.HHatokor, m.HIsmetlodoEgyesit, m.HHosszutRovidit,
                          m.HKezdoEKihagy, ak);
      TRovo r1(motor.ElsoKorLista()), r2(motor.MasodikKorLista());
      TRovoSzam sz(motor.SzamKorLista(), ',', '-', m.Szamok, m.SzamokBJ, jb);
      for (int t = 0; t < 3; ++t) {
        const std::string be = t == 0 ? proza : Veletlen(g, kAbc, 150);
        std::string s = k.Nagybetus ? be : KisbetusreAlakit(be);
        if (jb) s = ZarojeleketTukroz(s);
        s = kiv.Alkalmaz(s);
        s = h.Alkalmaz(s);
        if (k.SzamokElore) s = sz.Alkalmaz(s);
        s = r1.Alkalmaz(s);
        s = r2.Alkalmaz(s);
        if (!k.SzamokElore) s = sz.Alkalmaz(s);
        s = TRovoMuszakiJavito().Alkalmaz(s);
        ASSERT_EQ(motor.Atrov(be), s) << nev << " " << opt << " " << t;
      }
    }
  }
}
}  // namespace
