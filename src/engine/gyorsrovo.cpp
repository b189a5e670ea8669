#include "engine/gyorsrovo.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes that are not literal characters of the dialect: with them a pattern is
// handed to the dialect. "{" is literal only outside a brace count; treating it
// as special is always safe.
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
    if (minta.size() == 1) {
      egybetus_[static_cast<unsigned char>(minta[0])].push_back(i);
    } else {
      const uint16_t p = Par(minta.data());
      paros_.emplace_back(p, i);
      paros_van_[p >> 6] |= uint64_t{1} << (p & 63);
    }
  }
  std::sort(paros_.begin(), paros_.end());
}

void TGyorsRovo::Keres(std::string_view s, size_t tol, size_t ig) {
  const char* t = s.data();
  const size_t n = s.size();
  for (size_t p = tol; p < ig; ++p) {
    for (uint32_t r : egybetus_[static_cast<unsigned char>(t[p])]) jelen_[r] = 1;
    if (p + 1 >= n) continue;
    const uint16_t par = Par(t + p);
    if (!(paros_van_[par >> 6] >> (par & 63) & 1)) continue;
    auto it = std::lower_bound(paros_.begin(), paros_.end(), std::make_pair(par, uint32_t{0}));
    for (; it != paros_.end() && it->first == par; ++it) {
      if (jelen_[it->second]) continue;
      const std::string& minta = kor_.Magok()[it->second]->Minta();
      if (p + minta.size() <= n && std::memcmp(t + p, minta.data(), minta.size()) == 0)
        jelen_[it->second] = 1;
    }
  }
}

std::string TGyorsRovo::Alkalmaz(std::string_view szoveg) {
  const auto& magok = kor_.Magok();
  std::string s(szoveg);
  if (magok.empty()) return s;
  // Only the text before the first NUL is searched.
  size_t hatar = std::min(s.find('\0'), s.size());
  jelen_.assign(magok.size(), 0);
  Keres(std::string_view(s).substr(0, hatar), 0, hatar);
  std::vector<size_t> helyek;
  for (size_t i = 0; i < magok.size(); ++i) {
    Szabaly& sz = szabalyok_[i];
    if (!sz.szo) {
      std::string uj = magok[i]->Alkalmaz(s);
      if (uj != s) {
        // Changed anywhere: every later word may occur now. A rescan would
        // cost as much as simply searching for each of them.
        s = std::move(uj);
        hatar = std::min(s.find('\0'), s.size());
        std::fill(jelen_.begin(), jelen_.end(), 1);
      }
      continue;
    }
    if (!jelen_[i]) continue;
    const std::string& minta = magok[i]->Minta();
    if (!sz.csere_kesz) {
      // The word replaced by the rule itself is the rule's replacement as expanded.
      sz.csere = magok[i]->Alkalmaz(minta);
      sz.csere_kesz = true;
    }
    if (sz.csere == minta) continue;  // rewrites to itself: the text stays
    if (!Kicserel(s, hatar, minta, sz.csere, helyek, tartalek_)) continue;
    hatar = std::min(s.find('\0'), s.size());
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
