// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/datum.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TIdopont Nap(int ev, unsigned ho, unsigned nap, int ora = 0) {
  return TIdopont{local_days{year{ev} / month{ho} / day{nap}}.time_since_epoch() + hours{ora}};
}

TEST(Datum, TextOfADay) {
  EXPECT_EQ(DatumSzoveg(Nap(2015, 3, 10)), "2015.03.10");
  EXPECT_EQ(DatumSzoveg(Nap(2026, 12, 31, 23)), "2026.12.31");
  EXPECT_EQ(DatumSzoveg(Nap(987, 1, 2)), "0987.01.02");
}

TEST(Datum, ParseOfTheShortDateText) {
  struct Row {
    const char* text;
    TIdopont want;
  };
  const Row rows[] = {
      {"2015.03.10", Nap(2015, 3, 10)},
      {"2015.3.1", Nap(2015, 3, 1)},
      {" 2015.03.10 ", Nap(2015, 3, 10)},
      {"2015. 03. 10.", Nap(2015, 3, 10)},
      {"2024.02.29", Nap(2024, 2, 29)},
      {"Soha", TIdopont{}},
      {"", TIdopont{}},
      {"2023.02.29", TIdopont{}},
      {"2015.13.01", TIdopont{}},
      {"2015.00.01", TIdopont{}},
      {"2015.01.32", TIdopont{}},
      {"2015-03-10", TIdopont{}},
      {"10.03.2015", TIdopont{}},
      {"2015.03", TIdopont{}},
      {"2015.03.10x", TIdopont{}},
      {"20150.03.10", TIdopont{}},
      {"0000.01.01", TIdopont{}},
  };
  for (const Row& r : rows) EXPECT_EQ(DatumErtelmezes(r.text), r.want) << r.text;
  // The text written is read back as the same day.
  EXPECT_EQ(DatumErtelmezes(DatumSzoveg(Nap(2031, 7, 4, 15))), Nap(2031, 7, 4));
}

TEST(Datum, AutomaticDownloadIsDueAfterMoreThanSevenDays) {
  struct Row {
    const char* name;
    bool onmukodo;
    TIdopont utolso;
    TIdopont most;
    bool want;
  };
  const Row rows[] = {
      {"never", true, TIdopont{}, Nap(2026, 1, 1), true},
      {"option off", false, TIdopont{}, Nap(2026, 1, 1), false},
      {"same day", true, Nap(2026, 1, 1), Nap(2026, 1, 1, 12), false},
      {"7 days", true, Nap(2026, 1, 1), Nap(2026, 1, 8, 23), false},
      {"8 days", true, Nap(2026, 1, 1), Nap(2026, 1, 9), true},
      // A download time of day: 7 days later the difference from today's start is under 7.
      {"downloaded afternoon, 7 days", true, Nap(2026, 1, 1, 15), Nap(2026, 1, 8, 10), false},
      {"downloaded afternoon, 8 days", true, Nap(2026, 1, 1, 15), Nap(2026, 1, 9, 0), true},
      {"future date 8 days", true, Nap(2026, 1, 20), Nap(2026, 1, 12), true},
      {"future date 7 days", true, Nap(2026, 1, 19), Nap(2026, 1, 12), false},
      {"option off, old", false, Nap(2000, 1, 1), Nap(2026, 1, 12), false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(AutomatikusLetoltesEsedekes(r.onmukodo, r.utolso, r.most), r.want) << r.name;
  }
}

TEST(Datum, LocalClockIsToday) {
  // Only its shape can be checked: a real date in a plausible range.
  std::string szoveg = DatumSzoveg(HelyiIdo());
  EXPECT_NE(DatumErtelmezes(szoveg), TIdopont{});
  EXPECT_GE(szoveg, "2020.01.01");
}

}  // namespace
