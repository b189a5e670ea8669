// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts/rovasjelek.h"

#include "platform/win1250.h"

using namespace win1250::literals;

namespace rovasjelek {
namespace {

struct TRovasjel {
  std::string_view hang;
  char32_t kod;
};
struct TSzamjel {
  int ertek;
  char32_t kod;
};
struct TBetuIras {
  std::string_view betuk;
  std::string_view hangok;  // separated by blanks
};

#include "rovasjelek_tabla.inc"

}  // namespace

char32_t Kisbetu(std::string_view hang) {
  for (const TRovasjel& r : kRovasjelek)
    if (r.hang == hang) return r.kod;
  return 0;
}

char32_t Szamjel(int ertek) {
  for (const TSzamjel& s : kSzamjelek)
    if (s.ertek == ertek) return s.kod;
  return 0;
}

bool Hangok(std::string_view betuk, std::vector<std::string>& hangok) {
  while (!betuk.empty()) {
    const TBetuIras* legjobb = nullptr;
    for (const TBetuIras& b : kBetuIrasok)
      if (betuk.starts_with(b.betuk) && (!legjobb || b.betuk.size() > legjobb->betuk.size()))
        legjobb = &b;
    if (!legjobb) return false;
    std::string_view h = legjobb->hangok;
    while (!h.empty()) {
      const size_t szokoz = h.find(' ');
      hangok.emplace_back(h.substr(0, szokoz));
      h = szokoz == std::string_view::npos ? std::string_view{} : h.substr(szokoz + 1);
    }
    betuk.remove_prefix(legjobb->betuk.size());
  }
  return true;
}

std::string Utf8(char32_t kod) {
  std::string s;
  if (kod < 0x80) {
    s += static_cast<char>(kod);
  } else if (kod < 0x800) {
    s += static_cast<char>(0xC0 | (kod >> 6));
    s += static_cast<char>(0x80 | (kod & 0x3F));
  } else if (kod < 0x10000) {
    s += static_cast<char>(0xE0 | (kod >> 12));
    s += static_cast<char>(0x80 | ((kod >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (kod & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (kod >> 18));
    s += static_cast<char>(0x80 | ((kod >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((kod >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (kod & 0x3F));
  }
  return s;
}

}  // namespace rovasjelek
