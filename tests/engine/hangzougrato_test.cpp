// SPDX-License-Identifier: GPL-3.0-or-later
// Vowel skipping: the methods, scopes and preparing rounds on real words.

#include "engine/hangzougrato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/win1250.h"

namespace {

std::string W(std::string_view utf8) { return win1250::FromUtf8(utf8); }

std::string Nyolcasok(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '\x08'), s.end());
  return s;
}

struct Eset {
  int modszer;
  int hatokor;
  bool egyesit;
  bool rovidit;
  bool kezdo_e;
  char ak;
  const char* be;  // UTF-8
  const char* ki;  // UTF-8, after the pipeline has deleted the 0x08 separators
};

class HangzougratoTable : public testing::TestWithParam<Eset> {};

TEST_P(HangzougratoTable, Result) {
  const Eset& e = GetParam();
  TRovoHangzougrato h(e.modszer, e.hatokor, e.egyesit, e.rovidit, e.kezdo_e,
                      static_cast<unsigned char>(e.ak));
  EXPECT_EQ(win1250::ToUtf8(Nyolcasok(h.Alkalmaz(W(e.be)))), e.ki) << e.be;
}

INSTANTIATE_TEST_SUITE_P(
    Methods, HangzougratoTable,
    testing::Values(
        Eset{1, 0, false, false, false, 0, "levegő", "lvgő"},
        Eset{1, 0, false, false, false, 0, "leélhette.", "leélhtte."},
        Eset{1, 0, false, false, false, 0, "leélhette", "leélhtt"},
        Eset{1, 0, false, false, false, 0, "ez a kert", "z a krt"},  // "e" before a space goes
        Eset{1, 0, false, false, false, 0, "hee", "hee"},  // a kept "e" shields the next letter
        Eset{2, 0, false, false, false, 0, "égi", "gi"},
        Eset{2, 0, false, false, false, 0, "légbeér", "lgbeér"},
        Eset{3, 0, false, false, false, 0, "lányával", "lányval"},
        Eset{3, 0, false, false, false, 0, "leányával", "leányval"},
        Eset{3, 0, true, false, true, 0, "felelevenítette", "fllvnítete"},
        Eset{4, 0, false, false, false, 0, "számegyenestől", "számegynstl"},
        Eset{4, 0, false, false, false, 0, "hangzóugratásként", "hangzóugrtsként"},
        Eset{4, 0, true, false, true, 0, "elszállt", "lszált"},
        Eset{4, 0, true, true, true, 0, "felnézett", "flnzt"},
        Eset{4, 0, true, false, false, 0, "szájról szájra száll", "szájrl szájra szál"},
        Eset{4, 1, false, false, false, 0, "almafa sok van. barack is akad.",
             "almfa sk vn. barck is akd."},
        // The same sentence without a scope reset between the words.
        Eset{4, 2, false, false, false, 0, "almafa sok van. barack is akad.",
             "almfa sk vn. brck is akd."},
        Eset{4, 0, false, false, false, 0, "almafa sok van.", "almfa sok van."},
        Eset{5, 0, false, false, false, 0, "hangzóugratásként", "hngzgrtsknt"},
        Eset{4, 0, false, false, false, 'K', "hangzóugratásként", "hangzóugrtsKént"},
        Eset{3, 0, false, false, false, 'K', "akkor", "aKKor"},
        // Capitals are no vowels and, in the word scope, end a word.
        Eset{5, 0, false, false, false, 0, "ALMA alma", "ALMA lm"},
        Eset{3, 0, false, false, false, 0, "aBaba", "aBaba"},
        Eset{3, 2, false, false, false, 0, "aBaba", "aBba"},
        // "nn" stays doubled, "nny" and "ssz" lose a letter, long vowels shorten.
        Eset{5, 0, true, true, false, 0, "kenne hosszú annyi", "knn hsz ny"},
        Eset{1, 0, true, false, false, 0, "ennyi", "nyi"},
        Eset{0, 0, true, true, true, 'K', "ennyi hosszú ak", "ennyi hosszú ak"},
        Eset{3, 0, false, false, false, 0, "", ""}),
    // Readable test names: the row, the method and the ASCII letters of the input.
    [](const testing::TestParamInfo<Eset>& info) {
      std::string nev =
          std::to_string(info.index) + "_m" + std::to_string(info.param.modszer) + "_";
      for (const char* c = info.param.be; *c; ++c)
        nev += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return nev;
    });

TEST(Hangzougrato, SeparatorStaysWhereTwoConsonantsWouldMerge) {
  TRovoHangzougrato h(5, 0, false, false, false, 0);
  // The "a" before "t" and the "á" before "s" become 0x08; other dropped vowels vanish.
  EXPECT_EQ(h.Alkalmaz(W("hangzóugratásként")), "hngzgr\x08t\x08sknt");
  TRovoHangzougrato e(1, 0, false, false, false, 0);
  EXPECT_EQ(e.Alkalmaz("eszes"), "\x08sz\x08s");
}

TEST(Hangzougrato, MarkerByteDisappearsWhenTheMethodIsNotZero) {
  TRovoHangzougrato ki(0, 0, false, false, false, 0);
  EXPECT_EQ(ki.Alkalmaz("a\x01"
                        "b"),
            "a\x01"
            "b");
  TRovoHangzougrato be(1, 0, false, false, false, 0);
  EXPECT_EQ(be.Alkalmaz("a\x01"
                        "b\x01"),
            "ab");
  EXPECT_EQ(be.Alkalmaz(""), "");
}

}  // namespace
