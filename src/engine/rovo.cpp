#include "engine/rovo.h"

#include <string_view>
#include <unordered_map>
#include <utility>

namespace {

struct Par {
  std::string minta;
  std::string csere;
};

int Hasonlit(const Par& a, const Par& b) {
  return static_cast<int>(b.minta.size()) - static_cast<int>(a.minta.size());
}

// The classic in-place quicksort, longest pattern first. It is not stable, and
// rule lists depend on the order it leaves equal-length patterns in, so it
// must stay exactly this procedure (pivot copied, tail loop on the right part).
void Rendez(std::vector<Par>& t, int l, int r) {
  int i;
  do {
    i = l;
    int j = r;
    const Par p = t[(l + r) / 2];
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

}  // namespace

TRovoMag::TRovoMag(std::string_view minta, std::string_view csere)
    : csere_(csere), kif_(std::make_unique<TRegKif>()) {
  kif_->SetExpression(minta);
  kif_->SetModifier('g', true);
}

std::string TRovoMag::Alkalmaz(std::string_view szoveg) {
  return kif_->ReplaceAll(szoveg, csere_, true);
}

bool TRovoMag::SoronBelul() const { return kif_->LineLocal() && SorbaIllo(csere_); }

TRovo::TRovo(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto) {
  Epit(szabalyok, darab_elvalaszto, resz_elvalaszto);
}

void TRovo::Torol() { magok_.clear(); }

void TRovo::Epit(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto) {
  Torol();
  std::vector<Par> parok;
  for (const std::string& darab : Feldarabol(szabalyok, darab_elvalaszto)) {
    std::vector<std::string> reszek = Feldarabol(darab, resz_elvalaszto);
    if (reszek.size() == 2 && !reszek[0].empty() && !reszek[1].empty())
      parok.push_back({std::move(reszek[0]), std::move(reszek[1])});
  }
  if (parok.size() > 1) Rendez(parok, 0, static_cast<int>(parok.size()) - 1);
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
  std::string akt;
  for (char c : szoveg) {
    if (c == elvalaszto) {
      darabok.push_back(std::move(akt));
      akt.clear();
    } else {
      akt += c;
    }
  }
  if (!akt.empty()) darabok.push_back(std::move(akt));
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

std::string& Munkaterulet() {
  thread_local std::string puffer;
  return puffer;
}
