// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rovo.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {

struct Par {
  std::string minta;
  std::string csere;
};

// What the sort reads of a rule: its pattern's length, and where it came from.
struct Kulcs {
  int hossz;
  uint32_t hely;
};

int Hasonlit(const Kulcs& a, const Kulcs& b) { return b.hossz - a.hossz; }

// The classic in-place quicksort, longest pattern first. It is not stable, and
// rule lists depend on the order it leaves equal-length patterns in, so it
// must stay exactly this procedure (pivot copied, tail loop on the right part).
// It sorts the keys only: the rules follow them afterwards.
void Rendez(std::vector<Kulcs>& t, int l, int r) {
  int i;
  do {
    i = l;
    int j = r;
    const Kulcs p = t[(l + r) / 2];
    do {
      while (Hasonlit(t[i], p) < 0) ++i;
      while (Hasonlit(t[j], p) > 0) --j;
      if (i <= j) {
        std::swap(t[i], t[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) Rendez(t, l, j);
    l = i;
  } while (i < r);
}

void Rendez(std::vector<Par>& parok) {
  if (parok.size() < 2) return;
  std::vector<Kulcs> kulcsok(parok.size());
  for (size_t i = 0; i < parok.size(); ++i)
    kulcsok[i] = {static_cast<int>(parok[i].minta.size()), static_cast<uint32_t>(i)};
  Rendez(kulcsok, 0, static_cast<int>(kulcsok.size()) - 1);
  std::vector<Par> rendezett;
  rendezett.reserve(parok.size());
  for (const Kulcs& k : kulcsok) rendezett.push_back(std::move(parok[k.hely]));
  parok = std::move(rendezett);
}

// Puts a rule whose pattern is literally an earlier rule's replacement in front
// of that rule, so it does not rewrite the earlier rule's output. Cycles would
// swap forever, hence the pass limit. The rules of each pattern are indexed, so
// a pass is linear in the count of rules (exception-word lists are long).
void LancotRendez(std::vector<Par>& t) {
  constexpr int kMaxMenet = 10;
  bool mozdult = true;
  for (int menet = 0; menet < kMaxMenet && mozdult; ++menet) {
    mozdult = false;
    // Positions of each pattern, ascending; `elso` skips those already passed or moved.
    struct Helyek {
      std::vector<size_t> poz;
      size_t elso = 0;
    };
    std::unordered_map<std::string_view, Helyek> mintak;
    mintak.reserve(t.size());
    for (size_t j = 0; j < t.size(); ++j) mintak[t[j].minta].poz.push_back(j);
    std::vector<Par> uj;
    uj.reserve(t.size());
    std::vector<bool> athelyezve(t.size(), false);
    for (size_t i = 0; i < t.size(); ++i) {
      if (athelyezve[i]) continue;
      size_t j = t.size();
      if (auto it = mintak.find(t[i].csere); it != mintak.end()) {
        Helyek& h = it->second;
        while (h.elso < h.poz.size() && (h.poz[h.elso] <= i || athelyezve[h.poz[h.elso]])) ++h.elso;
        if (h.elso < h.poz.size()) j = h.poz[h.elso];
      }
      if (j < t.size()) {
        uj.push_back(t[j]);
        uj.push_back(t[i]);
        athelyezve[j] = true;
        mozdult = true;
      } else {
        uj.push_back(t[i]);
      }
    }
    t = std::move(uj);
  }
}

// A rule's pattern object: g on, the other modifiers at their defaults.
std::unique_ptr<TRegKif> Kifejezes(const std::string& minta) {
  auto kif = std::make_unique<TRegKif>();
  kif->SetExpression(minta);
  kif->SetModifier('g', true);
  return kif;
}

// Calls `f` with every piece Feldarabol gives, as a view of `szoveg`.
template <class F>
void Darabonkent(std::string_view szoveg, char elvalaszto, F f) {
  for (size_t kezdet = 0; kezdet < szoveg.size();) {
    const size_t veg = std::min(szoveg.find(elvalaszto, kezdet), szoveg.size());
    f(szoveg.substr(kezdet, veg - kezdet));
    kezdet = veg + 1;
  }
}

}  // namespace

TRovoMag::TRovoMag(std::string_view minta, std::string_view csere) : minta_(minta), csere_(csere) {}

std::string TRovoMag::Alkalmaz(std::string_view szoveg) {
  if (!kif_) kif_ = Kifejezes(minta_);
  return kif_->ReplaceAll(szoveg, csere_, true);
}

std::optional<TRegKif::FixedText> TRovoMag::Rogzitett() const {
  if (kif_) return kif_->Fixed();
  // Asked of every rule while a round is built: one pattern object serves them all.
  thread_local const std::unique_ptr<TRegKif> kif = Kifejezes(std::string());
  kif->SetExpression(minta_);
  return kif->Fixed();
}

bool TRovoMag::SoronBelul() const {
  return (kif_ ? *kif_ : *Kifejezes(minta_)).LineLocal() && SorbaIllo(csere_);
}

TRovo::TRovo(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto) {
  Epit(szabalyok, darab_elvalaszto, resz_elvalaszto);
}

void TRovo::Torol() { magok_.clear(); }

void TRovo::Epit(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto) {
  Torol();
  std::vector<Par> parok;
  Darabonkent(szabalyok, darab_elvalaszto, [&](std::string_view darab) {
    std::string_view reszek[2];
    size_t db = 0;
    Darabonkent(darab, resz_elvalaszto, [&](std::string_view resz) {
      if (db < 2) reszek[db] = resz;
      ++db;
    });
    if (db == 2 && !reszek[0].empty() && !reszek[1].empty())
      parok.push_back({std::string(reszek[0]), std::string(reszek[1])});
  });
  Rendez(parok);
  LancotRendez(parok);
  magok_.reserve(parok.size());
  for (const Par& p : parok) magok_.push_back(std::make_unique<TRovoMag>(p.minta, p.csere));
}

std::string TRovo::Alkalmaz(std::string_view szoveg) {
  std::string s(szoveg);
  for (const auto& mag : magok_) s = mag->Alkalmaz(s);
  return s;
}

std::vector<std::string> Feldarabol(std::string_view szoveg, char elvalaszto) {
  std::vector<std::string> darabok;
  Darabonkent(szoveg, elvalaszto, [&](std::string_view d) { darabok.emplace_back(d); });
  return darabok;
}

std::vector<std::string> OsszesTalalat(TRegKif& kif, std::string_view szoveg) {
  std::vector<std::string> talalatok;
  if (kif.Exec(szoveg)) {
    do {
      std::string m = kif.MatchText(0);
      if (!m.empty()) talalatok.push_back(std::move(m));
    } while (kif.ExecNext());
  }
  return talalatok;
}

void BajtotTorol(std::string& s, char b) {
  const size_t elso = s.find(b);
  if (elso == std::string::npos) return;
  char* d = s.data();
  const size_t n = s.size();
  size_t o = elso;
  for (size_t i = elso + 1; i < n; ++i) {
    const char c = d[i];
    d[o] = c;
    o += c != b;
  }
  s.resize(o);
}

std::string& Munkaterulet() {
  thread_local std::string puffer;
  return puffer;
}
