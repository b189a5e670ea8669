// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image/elrendezes.h"

#include <algorithm>
#include <cmath>

#include "engine/sorok.h"

namespace {
constexpr int kSzokozPotlas = 10;  // the space of a text that has none
}

int JelekMerese(std::string_view szoveg, IJelMero& mero, TJelTabla& tabla) {
  tabla = {};
  int sorMagassag = 0;
  for (unsigned char b : szoveg) {
    if (b < 32 || tabla[b].Mert) continue;
    const IJelMero::TMeret m = mero.Meres(b);
    tabla[b] = {m.Szelesseg, m.Magassag, true};
    sorMagassag = std::max(sorMagassag, m.Magassag);
  }
  if (!tabla[' '].Mert) tabla[' '] = {kSzokozPotlas, kSzokozPotlas, false};
  return sorMagassag;
}

std::vector<TSzoDarab> SzavakraBontas(std::string_view szoveg, const TJelTabla& tabla) {
  std::vector<TSzoDarab> szavak;
  TSzoDarab szo;
  auto Lezaras = [&] {
    if (szo.Szoveg.empty()) return;
    szavak.push_back(std::move(szo));
    szo = {};
  };
  for (size_t i = 0; i < szoveg.size(); ++i) {
    const char c = szoveg[i];
    if (c == ' ' || c == '\r' || c == '\n') {
      Lezaras();
      if (c == ' ') continue;
      szavak.push_back({"\r", 0, 0});
      const char par = c == '\r' ? '\n' : '\r';
      if (i + 1 < szoveg.size() && szoveg[i + 1] == par) ++i;
      continue;
    }
    const unsigned char b = static_cast<unsigned char>(c);
    // Control bytes were never measured: width and height 0.
    const TJelMeret& m = b < 32 ? TJelMeret{} : tabla[b];
    szo.Szoveg.push_back(c);
    szo.Szelesseg += m.Szelesseg;
    szo.Magassag = std::max(szo.Magassag, m.Magassag);
  }
  Lezaras();
  return szavak;
}

TSorAdat SorKitoltese(const std::vector<TSzoDarab>& szavak, size_t& index, int elerheto,
                      int szokoz) {
  TSorAdat sor;
  sor.Elso = sor.Utolso = index;
  long long osszeg = 0;
  while (index < szavak.size()) {
    const TSzoDarab& szo = szavak[index];
    if (szo.Sortores()) {
      ++index;
      break;
    }
    const long long w = osszeg + szo.Szelesseg + szokoz;
    if (w >= elerheto && !sor.Ures) break;
    osszeg = w;
    sor.Utolso = index++;
    sor.Ures = false;
    if (osszeg >= elerheto) break;
  }
  sor.UtolsoSor = index >= szavak.size();
  return sor;
}

namespace {

// The string drawn for word `i` of a line ending at `utolso`.
std::string RajzoltSzoveg(const TSzoDarab& szo, size_t i, size_t utolso, bool jobbrolBalra) {
  std::string s = szo.Szoveg;
  if (i != utolso) s.push_back(' ');
  return jobbrolBalra ? Megforditas(s) : s;
}

}  // namespace

TElrendezes SzovegElrendezese(std::string_view szoveg, IJelMero& mero, const TElrendezesAdatok& a) {
  TElrendezes e;
  e.SorMagassag = JelekMerese(szoveg, mero, e.Jelek);
  e.SzokozSzelesseg = e.Jelek[' '].Szelesseg;
  const std::vector<TSzoDarab> szavak = SzavakraBontas(szoveg, e.Jelek);
  if (szavak.empty()) return e;
  e.VanSzo = true;

  const int szokoz = e.SzokozSzelesseg;
  const int elerheto = a.Szelesseg - a.BalMargo - a.JobbMargo;
  long long y = a.FelsoMargo;
  size_t index = 0;
  for (size_t sorSzam = 0;; ++sorSzam) {
    const TSorAdat sor = SorKitoltese(szavak, index, elerheto, szokoz);
    if (!sor.Ures) {
      auto Rajzol = [&](size_t i, double x) {
        const TSzoDarab& szo = szavak[i];
        e.Szavak.push_back({sorSzam, std::llround(std::nearbyint(x)),
                            y + e.SorMagassag - szo.Magassag, szo.Szelesseg, szo.Magassag,
                            RajzoltSzoveg(szo, i, sor.Utolso, a.JobbrolBalra)});
      };
      long long szelessegek = 0;
      for (size_t i = sor.Elso; i <= sor.Utolso; ++i) szelessegek += szavak[i].Szelesseg;

      if (a.Igazitas == TIgazitas::Jobbra) {
        long long x = a.Szelesseg - a.JobbMargo;
        for (size_t k = 0; k <= sor.Utolso - sor.Elso; ++k) {
          const size_t i = a.JobbrolBalra ? sor.Elso + k : sor.Utolso - k;
          x -= szavak[i].Szelesseg + szokoz;
          Rajzol(i, static_cast<double>(x));
        }
      } else {
        double x = a.BalMargo;
        double koz = szokoz;
        if (a.Igazitas == TIgazitas::Kozep) {
          const long long sorSzelesseg =
              szelessegek + static_cast<long long>(szokoz) * (sor.Utolso - sor.Elso);
          x += static_cast<double>((elerheto - sorSzelesseg) / 2);
        } else if (a.Igazitas == TIgazitas::Sorkizart) {
          const size_t n = std::max<size_t>(sor.Utolso - sor.Elso, 1);
          koz = static_cast<double>(elerheto - szelessegek) / static_cast<double>(n);
        }
        for (size_t k = 0; k <= sor.Utolso - sor.Elso; ++k) {
          const size_t i = a.JobbrolBalra ? sor.Utolso - k : sor.Elso + k;
          Rajzol(i, x);
          x += szavak[i].Szelesseg + koz;
        }
      }
    }
    y += a.Sorkoz + e.SorMagassag;
    if (sor.UtolsoSor) break;
  }
  e.Lelog = y > a.Magassag;
  return e;
}
