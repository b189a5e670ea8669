// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rovoszam.h"

#include <algorithm>
#if defined(__SSE2__) && !defined(ROVAS_NO_SIMD)
#include <emmintrin.h>
#endif
#include <vector>

#include "engine/rovo.h"

namespace {

std::string Ismetel(const std::string& s, int db) {
  std::string r;
  r.reserve(s.size() * db);
  for (int i = 0; i < db; ++i) r += s;
  return r;
}

inline bool Szamjegy(char c) { return c >= '0' && c <= '9'; }

// The position of the first digit at or after p, or t.size().
size_t KovetkezoJegy(std::string_view t, size_t p) {
  const char* d = t.data();
  const size_t n = t.size();
#if defined(__SSE2__) && !defined(ROVAS_NO_SIMD)
  // Bytes '0'..'9' moved to the bottom of the signed range: below -118.
  const __m128i eltol = _mm_set1_epi8(static_cast<char>(0x80 - '0'));
  const __m128i hatar = _mm_set1_epi8(static_cast<char>(0x80 + 10));
  for (; p + 16 <= n; p += 16) {
    const __m128i v = _mm_add_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d + p)), eltol);
    const int maszk = _mm_movemask_epi8(_mm_cmplt_epi8(v, hatar));
    if (maszk) return p + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(maszk)));
  }
#endif
  while (p < n && !Szamjegy(d[p])) ++p;
  return p;
}

size_t JegyekVege(std::string_view t, size_t p) {
  while (p < t.size() && Szamjegy(t[p])) ++p;
  return p;
}

// The end of the number that starts with the digit at p, as the pattern
// "\d+((\. |\.|,| |)\d+)*" matches it: each greedy run of digits is
// followed by the first separator that a digit follows, if any.
size_t SzamVege(std::string_view t, size_t p) {
  p = JegyekVege(t, p);
  for (;;) {
    const size_t n = t.size();
    if (p + 2 < n && t[p] == '.' && t[p + 1] == ' ' && Szamjegy(t[p + 2])) {
      p = JegyekVege(t, p + 2);
    } else if (p + 1 < n && (t[p] == '.' || t[p] == ',' || t[p] == ' ') && Szamjegy(t[p + 1])) {
      p = JegyekVege(t, p + 1);
    } else {
      return p;
    }
  }
}

// Whether a number reads as a date: "^\d{1,4}\.[ ]?\d{1,2}(\.|\.[ ]?\d{1,2})?$".
bool Datum(std::string_view s) {
  size_t i = 0;
  auto futam = [&](size_t legfeljebb) {
    const size_t k = i;
    i = JegyekVege(s, i);
    return i > k && i - k <= legfeljebb;
  };
  auto jel = [&](char c) {
    if (i < s.size() && s[i] == c) {
      ++i;
      return true;
    }
    return false;
  };
  if (!futam(4) || !jel('.')) return false;
  jel(' ');
  if (!futam(2)) return false;
  if (i == s.size()) return true;
  if (!jel('.')) return false;
  if (i == s.size()) return true;
  jel(' ');
  return futam(2) && i == s.size();
}

}  // namespace

TRovoSzam::TRovoSzam(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto,
                     bool szamok_be, bool szamjegyek_bj, bool jobbrol_balra) {
  for (const std::string& darab : Feldarabol(szabalyok, darab_elvalaszto)) {
    const std::vector<std::string> r = Feldarabol(darab, resz_elvalaszto);
    if (r.size() != 2 || r[0].empty() || r[1].empty()) continue;
    if (r[0] == "1")
      egyesek_[0] = r[1];
    else if (r[0] == "10")
      egyesek_[1] = r[1];
    else if (r[0] == "100")
      egyesek_[2] = r[1];
    else if (r[0] == "1000")
      egyesek_[3] = r[1];
    else if (r[0] == "5")
      otosok_[0] = r[1];
    else if (r[0] == "50")
      otosok_[1] = r[1];
    else if (r[0] == "500")
      otosok_[2] = r[1];
  }
  for (int k = 0; k < 3; ++k) {
    if (otosok_[k].empty()) otosok_[k] = Ismetel(egyesek_[k], 5);
    for (int d = 1; d < 10; ++d)
      jegyek_[k][d] = (d >= 5 ? otosok_[k] : "") + Ismetel(egyesek_[k], d >= 5 ? d - 5 : d);
  }
  atir_ = szamok_be && std::none_of(egyesek_.begin(), egyesek_.end(),
                                    [](const std::string& s) { return s.empty(); });
  megfordit_ = !atir_ && szamjegyek_bj && jobbrol_balra;
}

TRovoSzam::~TRovoSzam() = default;

bool TRovoSzam::SoronBelul() const {
  return !atir_ || (std::all_of(egyesek_.begin(), egyesek_.end(), SorbaIllo) &&
                    std::all_of(otosok_.begin(), otosok_.end(), SorbaIllo));
}

// Every number is replaced where its match stands, in one pass. This gives
// what protecting the numbers with runs of 0x01 placeholders and restoring
// them last to first gives, in time linear in the count of numbers, and no
// byte 0x01 already in the text can pull a number to another place. As with
// every pattern of the dialect, the text ends at its first NUL byte.
std::string TRovoSzam::Alkalmaz(std::string_view szoveg) {
  std::string s(szoveg);
  AlkalmazHelyben(s);
  return s;
}

void TRovoSzam::AlkalmazHelyben(std::string& s) {
  if (!(atir_ || megfordit_)) return;
  const std::string_view t(s.data(), std::min(s.find('\0'), s.size()));
  size_t p = KovetkezoJegy(t, 0);
  if (p == t.size()) return;
  if (megfordit_) {  // same length: in place
    while (p < t.size()) {
      const size_t veg = SzamVege(t, p);
      std::reverse(s.begin() + p, s.begin() + veg);
      p = KovetkezoJegy(t, veg);
    }
    return;
  }
  // Numerals are longer than digits: the output is built beside the text in
  // one pass, each number's numerals written where it stood.
  std::string& ki = Munkaterulet();
  Elokeszit(ki, Tartalekkal(s.size()));
  size_t masolt = 0;
  while (p < t.size()) {
    const size_t veg = SzamVege(t, p);
    ki.append(s, masolt, p - masolt);
    SzamotIr(t.substr(p, veg - p), ki);
    masolt = veg;
    p = KovetkezoJegy(t, veg);
  }
  ki.append(s, masolt, std::string::npos);
  s.swap(ki);
}

std::string TRovoSzam::SzamotAtir(std::string_view szam) const {
  std::string ki;
  SzamotIr(szam, ki);
  return ki;
}

std::string TRovoSzam::JegyeketAtir(std::string_view jegyek) const {
  std::string ki;
  JegyeketIr(jegyek, ki);
  return ki;
}

void TRovoSzam::SzamotIr(std::string_view szam, std::string& ki) const {
  // Outside a date, dots and spaces are dropped and join the runs around them.
  const bool datum = Datum(szam);
  std::string jegyek;
  for (char c : szam) {
    if (Szamjegy(c)) {
      jegyek += c;
    } else if (datum || (c != '.' && c != ' ')) {
      JegyeketIr(jegyek, ki);
      ki += c;
      jegyek.clear();
    }
  }
  JegyeketIr(jegyek, ki);
}

// Groups of three digits from the most significant: hundreds, tens and units
// signs, then one 1000 sign per group below it; an all-zero group adds nothing.
void TRovoSzam::JegyeketIr(std::string_view jegyek, std::string& ki) const {
  if (jegyek.empty()) return;
  if (std::all_of(jegyek.begin(), jegyek.end(), [](char c) { return c == '0'; })) {
    ki += jegyek;
    return;
  }
  const size_t n = jegyek.size();
  const size_t csoportok = (n + 2) / 3;
  for (size_t g = csoportok; g-- > 0;) {
    const size_t kezdet = ki.size();
    for (size_t k = 3; k-- > 0;) {
      const size_t p = 3 * g + k;  // the digit's place, counted from the units
      if (p < n) ki += jegyek_[k][jegyek[n - 1 - p] - '0'];
    }
    if (ki.size() == kezdet) continue;
    // A leading lone 1 of thousands or more is left to the multiplier:
    // 1000 is the 1000 sign alone, not 1 times 1000.
    if (g == csoportok - 1 && n > 3 && std::string_view(ki).substr(kezdet) == egyesek_[0])
      ki.resize(kezdet);
    for (size_t x = 0; x < g; ++x) ki += egyesek_[3];
  }
}
