// SPDX-License-Identifier: GPL-3.0-or-later
// Number stage: rovás numerals, dates, digit reversal for right-to-left text.

#include "engine/rovoszam.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "platform/win1250.h"
#include "regex/regkif.h"

namespace {

constexpr const char* kJelek = "1-y,5-Y,10-X,50-V,100-B,1000-M";

std::string Atir(std::string_view szoveg, std::string_view jelek = kJelek) {
  TRovoSzam sz(jelek, ',', '-', true, false, false);
  return sz.Alkalmaz(szoveg);
}

struct Eset {
  const char* be;
  const char* ki;
};

class RovoSzamTable : public testing::TestWithParam<Eset> {};

TEST_P(RovoSzamTable, Conversion) {
  EXPECT_EQ(Atir(GetParam().be), GetParam().ki) << GetParam().be;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, RovoSzamTable,
    testing::Values(Eset{"7", "Yyy"}, Eset{"40", "XXXX"}, Eset{"1000", "M"}, Eset{"1500", "MBBBBB"},
                    Eset{"2000", "yyM"}, Eset{"1848", "MBBBBBBBBXXXXYyyy"}, Eset{"10000", "XM"},
                    Eset{"1000000", "MM"}, Eset{"1001000", "MMyM"}, Eset{"100", "B"},
                    Eset{"0", "0"}, Eset{"00", "00"}, Eset{"000", "000"}, Eset{"01000", "M"},
                    Eset{"7 alma", "Yyy alma"},
                    // Dates keep their dots and spaces and convert run by run.
                    Eset{"2015.03.10", "yyMXY.yyy.X"},
                    Eset{"1848. 3. 15", "MBBBBBBBBXXXXYyyy. yyy. XY"}, Eset{"3.5", "yyy.Y"},
                    // Other numbers lose their dots and spaces.
                    Eset{"1 000", "M"}, Eset{"1.000.000", "MM"}, Eset{"3,5", "yyy,Y"},
                    Eset{"12 és 12", "Xyy és Xyy"}, Eset{"12 12", "MBBXyy"},
                    Eset{"1 000,25", "M,XXY"}, Eset{"2015. 3,5", "XXMBVyyy,Y"},
                    Eset{"a 0,5 b", "a 0,Y b"}, Eset{"nincs benne", "nincs benne"}, Eset{"", ""}),
    // Readable test names: the row and its input ("3.5" and "3,5" differ by the row).
    [](const testing::TestParamInfo<Eset>& info) {
      std::string nev = std::to_string(info.index) + "_";
      for (const char* c = info.param.be; *c; ++c)
        nev += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return nev;
    });

TEST(RovoSzam, FiveHundredSign) {
  EXPECT_EQ(Atir("700", "1-y,5-Y,10-X,50-V,100-B,500-D,1000-M"), "DBB");
  EXPECT_EQ(Atir("900", "1-y,5-Y,10-X,50-V,100-B,500-D,1000-M"), "DBBBB");
}

TEST(RovoSzam, MultiLetterSignsAndALaterPieceOverrides) {
  EXPECT_EQ(Atir("16", "1-ab,10-c,10-X,100-B,1000-M"),
            "X"
            "abababababab");
  // Unknown values and malformed pieces are ignored.
  EXPECT_EQ(Atir("2", ",2-Z,1-y-z,1-y,10-X,100-B,1000-M,-q,5"), "yy");
}

TEST(RovoSzam, AMissingBaseSignSwitchesItOff) {
  for (const char* lista : {"1-y,10-X,100-B", "1-y,10-X,1000-M", "10-X,100-B,1000-M", ""}) {
    TRovoSzam sz(lista, ',', '-', true, false, false);
    EXPECT_FALSE(sz.Atir()) << lista;
    EXPECT_EQ(sz.Alkalmaz("12 alma"), "12 alma");
    // Conversion off: the digits may still be reversed for right-to-left text.
    TRovoSzam jb(lista, ',', '-', true, true, true);
    EXPECT_TRUE(jb.Megfordit());
    EXPECT_EQ(jb.Alkalmaz("12 alma"), "21 alma");
  }
}

TEST(RovoSzam, Reversal) {
  struct {
    bool be, bj, jb, megfordit;
  } sorok[] = {{false, true, true, true},
               {false, false, true, false},
               {false, true, false, false},
               {true, true, true, false}};
  for (const auto& s : sorok) {
    TRovoSzam sz(kJelek, ',', '-', s.be, s.bj, s.jb);
    EXPECT_EQ(sz.Megfordit(), s.megfordit);
  }
  TRovoSzam sz(kJelek, ',', '-', false, true, true);
  EXPECT_EQ(sz.Alkalmaz(win1250::FromUtf8("12 és 345")), win1250::FromUtf8("21 és 543"));
  EXPECT_EQ(sz.Alkalmaz("2015. 03. 10"), "01 .30 .5102");
  EXPECT_EQ(sz.Alkalmaz("12 12 x"), "21 21 x");
  TRovoSzam semmi(kJelek, ',', '-', false, false, true);
  EXPECT_EQ(semmi.Alkalmaz("12 alma"), "12 alma");
}

// Bytes 0x01 beside numbers could join the placeholder runs of a literal
// protect-and-restore and move a number; every number must stay in its place.
TEST(RovoSzam, StaysInPlaceBesideMarkerBytes) {
  TRovoSzam fordit(kJelek, ',', '-', false, true, true);
  EXPECT_EQ(fordit.Alkalmaz("12\x01"
                            "345\x01\x01"
                            "67"),
            "21\x01"
            "543\x01\x01"
            "76");
  EXPECT_EQ(Atir("\x01"
                 "7\x01"
                 "2\x01"),
            "\x01Yyy\x01yy\x01");
}

}  // namespace

namespace {

// One number rewritten with the date, separator and zeros patterns.
std::string SzamotAtirMintakkal(TRovoSzam& sz, const std::string& szam) {
  TRegKif datum, elvalaszto, nullak;
  datum.SetExpression("^\\d{1,4}\\.[ ]?\\d{1,2}(\\.|\\.[ ]?\\d{1,2})?$");
  elvalaszto.SetExpression("(\\.| )");
  nullak.SetExpression("^0+$");
  const std::string s = datum.Exec(szam) ? szam : elvalaszto.ReplaceAll(szam, "", false);
  std::string ki, futam;
  for (char c : s + '/') {
    if (c >= '0' && c <= '9') {
      futam += c;
      continue;
    }
    ki += nullak.Exec(futam) ? futam : sz.JegyeketAtir(futam);
    if (c != '/') ki += c;
    futam.clear();
  }
  return ki;
}

// The protect-and-restore procedure with runs of 0x01 placeholders, done
// literally: every number replaced by a longer run, rewritten, and put back
// from the last to the first.
std::string Helyorzokkel(TRovoSzam& sz, std::string_view szoveg) {
  TRegKif szam;
  szam.SetExpression("\\d+((\\. |\\.|,| |)\\d+)*");
  std::vector<std::string> talalatok;
  if (szam.Exec(szoveg)) {
    do {
      if (szam.MatchLength(0) > 0) talalatok.push_back(szam.MatchText(0));
    } while (szam.ExecNext());
  }
  std::string s(szoveg);
  if (talalatok.empty()) return s;
  std::string p = "\x01";
  while (s.find(p) != std::string::npos) p += '\x01';
  for (const std::string& t : talalatok) {
    s.replace(s.find(t), t.size(), p);
    p += '\x01';
  }
  for (size_t k = talalatok.size(); k-- > 0;) {
    p.pop_back();
    const std::string uj = sz.Atir() ? SzamotAtirMintakkal(sz, talalatok[k])
                                     : std::string(talalatok[k].rbegin(), talalatok[k].rend());
    s.replace(s.find(p), p.size(), uj);
  }
  return s;
}

TEST(RovoSzam, MatchesThePlaceholderProcedure) {
  std::mt19937 g(7);
  const std::string abc = std::string("0123456789000111 . , .. a\r\n. 1.12.", 33) + '\0';
  TRovoSzam atir(kJelek, ',', '-', true, false, false);
  TRovoSzam fordit(kJelek, ',', '-', false, true, true);
  for (int i = 0; i < 3000; ++i) {
    std::string s;
    const size_t n = 1 + g() % (i % 2 ? 60 : 14);
    for (size_t j = 0; j < n; ++j) s += abc[g() % abc.size()];
    ASSERT_EQ(atir.Alkalmaz(s), Helyorzokkel(atir, s)) << s;
    ASSERT_EQ(fordit.Alkalmaz(s), Helyorzokkel(fordit, s)) << s;
  }
}

}  // namespace
