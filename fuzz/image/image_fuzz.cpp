// SPDX-License-Identifier: GPL-3.0-or-later
// Background pictures and the picture layout on arbitrary input. The first
// byte chooses: 0-2 decode the rest as PNG, JPEG or BMP (whole, and scaled
// down); 3 lays the rest out
// as text with settings taken from its first bytes. A decoded picture must be
// as large as it says; every laid-out word must come from the text.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ui/image/elrendezes.h"
#include "ui/image/kepfajl.h"

namespace {

// Widths and heights that depend on the byte, zero-width ones included.
class TMero : public IJelMero {
 public:
  TMeret Meres(unsigned char b) override { return {(b * 7) % 23, 5 + b % 17}; }
};

void Ellenoriz(bool feltetel) {
  if (!feltetel) std::abort();
}

void Kep(const std::optional<TKepAdat>& kep, std::int64_t max = kMaxKeppont) {
  if (!kep) return;
  Ellenoriz(kep->Szelesseg > 0 && kep->Magassag > 0);
  Ellenoriz(kep->Rgba.size() == size_t(kep->Szelesseg) * size_t(kep->Magassag) * 4);
  Ellenoriz(std::int64_t{kep->Szelesseg} * kep->Magassag <= max);
}

// Decoded whole and scaled down to a few hundred pixels.
template <class Olvaso>
void Ketszer(Olvaso olvaso, std::string_view be) {
  Kep(olvaso(be, kMaxKeppont));
  Kep(olvaso(be, 300), 300);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string_view be(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 4) {
    case 0:
      Ketszer(PngBeolvasas, be);
      break;
    case 1:
      Ketszer(JpegBeolvasas, be);
      break;
    case 2:
      Ketszer(BmpBeolvasas, be);
      break;
    default: {
      if (be.size() < 6) return 0;
      auto U = [&](size_t i) { return static_cast<unsigned char>(be[i]); };
      TElrendezesAdatok a;
      a.Szelesseg = 100 + U(0) * 40;
      a.Magassag = 100 + U(1) * 40;
      a.BalMargo = U(2) % 2 ? 0 : U(2) * 8;
      a.JobbMargo = std::min(U(3) * 8, std::max(0, a.Szelesseg - 5 - a.BalMargo));
      a.Sorkoz = U(4) % 16;
      a.Igazitas = static_cast<TIgazitas>(1 + U(5) % 4);
      a.JobbrolBalra = U(5) & 4;
      const std::string_view szoveg = be.substr(6);
      TMero mero;
      const TElrendezes e = SzovegElrendezese(szoveg, mero, a);
      size_t sor = 0;
      for (const TRajzoltSzo& sz : e.Szavak) {
        Ellenoriz(!sz.Szoveg.empty() && sz.Sor >= sor);
        sor = sz.Sor;
        std::string szo = sz.Szoveg;
        if (a.JobbrolBalra) szo.assign(szo.rbegin(), szo.rend());
        if (szo.back() == ' ') szo.pop_back();
        Ellenoriz(!szo.empty() && szoveg.find(szo) != std::string_view::npos);
        Ellenoriz(szo.find_first_of(" \r\n") == std::string::npos);
      }
      break;
    }
  }
  return 0;
}
