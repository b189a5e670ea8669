#include "engine/gyorsrovo.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes that are not literal characters of the dialect: with them a pattern is
// handed to the dialect. "{" is literal only outside a brace count; treating it
// as a metacharacter is always safe.
bool SimaSzo(const std::string& minta) {
  if (minta.empty()) return false;
  for (char c : minta) {
    switch (c) {
      case '^':
      case '$':
      case '.':
      case '[':
      case '(':
      case ')':
      case '|':
      case '?':
      case '+':
      case '*':
      case '\\':
      case '{':
      case '\0':
        return false;
      default:
        break;
    }
  }
  return true;
}

inline size_t Hasit(uint16_t par, size_t meret) { return (par * 40503u >> 4) & (meret - 1); }

inline uint16_t Par(const char* p) {
  return static_cast<uint16_t>(static_cast<unsigned char>(p[0]) << 8 |
                               static_cast<unsigned char>(p[1]));
}

// Every occurrence of `minta` in s[0, hatar) left to right, without overlap,
// replaced by `csere`; the starts of the inserted copies go to `helyek`.
// `ki` is scratch space that keeps its capacity from call to call.
bool Kicserel(std::string& s, size_t hatar, const std::string& minta, const std::string& csere,
              std::vector<size_t>& helyek, std::string& ki) {
  helyek.clear();
  const size_t m = minta.size();
  const char* t = s.data();
  const char elso = minta[0];
  size_t poz = 0;
  size_t masolt = 0;
  while (poz + m <= hatar) {
    const void* talalat = std::memchr(t + poz, elso, hatar - m + 1 - poz);
    if (!talalat) break;
    const size_t p = static_cast<const char*>(talalat) - t;
    if (std::memcmp(t + p + 1, minta.data() + 1, m - 1) != 0) {
      poz = p + 1;
      continue;
    }
    if (helyek.empty()) ki.clear();
    ki.append(t + masolt, p - masolt);
    helyek.push_back(ki.size());
    ki += csere;
    masolt = poz = p + m;
    TRegKif::OutputBudget::Check(ki.size());
  }
  if (helyek.empty()) return false;
  ki.append(t + masolt, s.size() - masolt);
  s.swap(ki);
  return true;
}

}  // namespace

TGyorsRovo::TGyorsRovo(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto)
    : kor_(szabalyok, darab_elvalaszto, resz_elvalaszto), paros_van_(65536 / 64) {
  const auto& magok = kor_.Magok();
  szabalyok_.resize(magok.size());
  for (uint32_t i = 0; i < magok.size(); ++i) {
    const std::string& minta = magok[i]->Minta();
    if (!SimaSzo(minta)) continue;
    szabalyok_[i].szo = true;
    leghosszabb_ = std::max(leghosszabb_, minta.size());
    kezdo_[static_cast<unsigned char>(minta[0])] = true;
    if (minta.size() == 1) {
      egybetus_[static_cast<unsigned char>(minta[0])].push_back(i);
    } else {
      const uint16_t p = Par(minta.data());
      paros_.emplace_back(p, i);
      paros_van_[p >> 6] |= uint64_t{1} << (p & 63);
    }
  }
  std::sort(paros_.begin(), paros_.end());
  szavak_ = static_cast<size_t>(std::count_if(szabalyok_.begin(), szabalyok_.end(),
                                              [](const Szabaly& sz) { return sz.szo; }));
  // Open addressing from a pair to its run in `paros_`.
  size_t meret = 16;
  while (meret < 2 * paros_.size()) meret *= 2;
  rekeszek_.assign(meret, Rekesz{});
  for (uint32_t k = 0; k < paros_.size(); ++k) {
    const uint16_t p = paros_[k].first;
    size_t h = Hasit(p, meret);
    while (rekeszek_[h].db != 0 && rekeszek_[h].par != p) h = (h + 1) & (meret - 1);
    if (rekeszek_[h].db == 0) rekeszek_[h] = {p, 0, k};
    ++rekeszek_[h].db;
  }
}

void TGyorsRovo::Keres(std::string_view s, size_t tol, size_t ig) {
  const char* t = s.data();
  const size_t n = s.size();
  const size_t maszk = rekeszek_.size() - 1;
  for (size_t p = tol; p < ig; ++p) {
    const unsigned char b = static_cast<unsigned char>(t[p]);
    if (!kezdo_[b]) continue;
    for (uint32_t r : egybetus_[b]) Jelol(r);
    if (p + 1 >= n) continue;
    const uint16_t par = Par(t + p);
    if (!(paros_van_[par >> 6] >> (par & 63) & 1)) continue;
    size_t h = Hasit(par, rekeszek_.size());
    while (rekeszek_[h].par != par) h = (h + 1) & maszk;
    const Rekesz& r = rekeszek_[h];
    for (uint32_t k = r.kezdet; k < r.kezdet + r.db; ++k) {
      const uint32_t i = paros_[k].second;
      if (jelen_[i]) continue;
      const std::string& minta = kor_.Magok()[i]->Minta();
      if (p + minta.size() <= n && std::memcmp(t + p, minta.data(), minta.size()) == 0) Jelol(i);
    }
    if (hianyzo_ == 0) return;  // every word is known to occur: nothing left to learn
  }
}

std::string TGyorsRovo::Alkalmaz(std::string_view szoveg) {
  const auto& magok = kor_.Magok();
  std::string s(szoveg);
  if (magok.empty()) return s;
  // Only the text before the first NUL is searched.
  size_t hatar = std::min(s.find('\0'), s.size());
  // Which words may occur: not looked at yet, known (a superset), or all of them.
  enum { kNemNezett, kIsmert, kMind } allapot = kNemNezett;
  std::vector<size_t> helyek;
  for (size_t i = 0; i < magok.size(); ++i) {
    Szabaly& sz = szabalyok_[i];
    if (!sz.szo) {
      std::string uj = magok[i]->Alkalmaz(s);
      if (uj != s) {
        // Changed anywhere: every later word may occur now. A rescan would
        // cost about as much as simply searching for each of them.
        s = std::move(uj);
        hatar = std::min(s.find('\0'), s.size());
        allapot = kMind;
      }
      continue;
    }
    if (allapot == kNemNezett) {
      jelen_.assign(magok.size(), 0);
      hianyzo_ = szavak_;
      Keres(std::string_view(s).substr(0, hatar), 0, hatar);
      allapot = kIsmert;
    }
    if (allapot == kIsmert) {
      const bool van = jelen_[i];
      Jelol(i);  // done with this rule either way: it no longer counts as missing
      if (hianyzo_ == 0) allapot = kMind;
      if (!van) continue;
    }
    const std::string& minta = magok[i]->Minta();
    if (!sz.csere_kesz) {
      // The word replaced by the rule itself is the rule's replacement as expanded.
      sz.csere = magok[i]->Alkalmaz(minta);
      sz.csere_kesz = true;
    }
    if (sz.csere == minta) continue;  // rewrites to itself: the text stays
    if (!Kicserel(s, hatar, minta, sz.csere, helyek, tartalek_)) continue;
    hatar = std::min(s.find('\0'), s.size());
    if (allapot != kIsmert) continue;
    // New occurrences can only overlap an inserted copy.
    const std::string_view v = std::string_view(s).substr(0, hatar);
    size_t eddig = 0;
    for (size_t h : helyek) {
      const size_t tol = std::max(eddig, h >= leghosszabb_ ? h - leghosszabb_ + 1 : 0);
      const size_t ig = std::min(hatar, h + sz.csere.size());
      if (tol < ig) Keres(v, tol, ig);
      eddig = std::max(eddig, ig);
    }
  }
  return s;
}
