// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/datum.h"

#include <cstdio>
#include <ctime>

using namespace std::chrono;

TIdopont HelyiIdo() {
  std::time_t now = system_clock::to_time_t(system_clock::now());
  std::tm tm{};
  localtime_r(&now, &tm);
  sys_days nap = year{tm.tm_year + 1900} / month(static_cast<unsigned>(tm.tm_mon + 1)) /
                 day(static_cast<unsigned>(tm.tm_mday));
  return TIdopont{nap.time_since_epoch() + hours{tm.tm_hour} + minutes{tm.tm_min} +
                  seconds{tm.tm_sec}};
}

TIdopont NapKezdete(TIdopont t) { return floor<days>(t); }

std::string DatumSzoveg(TIdopont t) {
  year_month_day ymd{floor<days>(t)};
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d.%02u.%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

namespace {

bool Szam(std::string_view& s, int maxJegy, int& ertek) {
  int jegyek = 0;
  ertek = 0;
  while (!s.empty() && s.front() >= '0' && s.front() <= '9' && jegyek < maxJegy) {
    ertek = ertek * 10 + (s.front() - '0');
    s.remove_prefix(1);
    ++jegyek;
  }
  return jegyek > 0;
}

bool Pont(std::string_view& s) {
  if (s.empty() || s.front() != '.') return false;
  s.remove_prefix(1);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return true;
}

}  // namespace

TIdopont DatumErtelmezes(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  int ev, ho, nap;
  if (!Szam(s, 4, ev) || !Pont(s) || !Szam(s, 2, ho) || !Pont(s) || !Szam(s, 2, nap)) {
    return {};
  }
  if (!s.empty() && s != ".") return {};
  year_month_day ymd{year{ev}, month(static_cast<unsigned>(ho)), day(static_cast<unsigned>(nap))};
  if (ev < 1 || !ymd.ok()) return {};
  return TIdopont{local_days{ymd}.time_since_epoch()};
}

bool AutomatikusLetoltesEsedekes(bool onmukodo, TIdopont utolso, TIdopont most) {
  if (!onmukodo) return false;
  if (utolso == TIdopont{}) return true;
  auto kulonbseg = NapKezdete(most) - utolso;
  if (kulonbseg < kulonbseg.zero()) kulonbseg = -kulonbseg;
  return kulonbseg > days{7};
}
