// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/szoindex.h"

#include <algorithm>

namespace {

inline uint16_t Par(const char* p) {
  return static_cast<uint16_t>(static_cast<unsigned char>(p[0]) << 8 |
                               static_cast<unsigned char>(p[1]));
}

}  // namespace

TSzoIndex::TSzoIndex(const std::vector<std::string_view>& mintak, std::vector<uint32_t> csoportja)
    : csoportja_(std::move(csoportja)) {
  // A trie of the words: the first two bytes by a table, the rest by a hash.
  // The table holds only the pairs that begin a word: 65536 entries would be
  // a quarter megabyte to clear for a few hundred words.
  par_van_.assign(65536 / 64, 0);
  for (const std::string_view minta : mintak) {
    if (minta.size() == 1) {
      const unsigned b = static_cast<unsigned char>(minta[0]);
      for (unsigned k = 0; k < 256; ++k) par_van_[(b << 8 | k) >> 6] |= uint64_t{1} << (k & 63);
    } else {
      const uint16_t par = Par(minta.data());
      par_van_[par >> 6] |= uint64_t{1} << (par & 63);
    }
  }
  par_rang_.resize(par_van_.size());
  uint32_t parok = 0;
  for (size_t i = 0; i < par_van_.size(); ++i) {
    par_rang_[i] = parok;
    parok += static_cast<uint32_t>(__builtin_popcountll(par_van_[i]));
  }
  par_csucs_.assign(parok, 0);
  szo_vege_.assign(1, kNincs);  // node 0: none
  kovetkezo_szo_.assign(mintak.size(), kNincs);
  size_t gyerekek = 0;
  for (const std::string_view m : mintak) gyerekek += m.size() > 2 ? m.size() - 2 : 0;
  size_t meret = 16;
  while (meret < 2 * gyerekek) meret *= 2;
  gyerek_.assign(meret, {0, 0});
  for (uint32_t w = 0; w < mintak.size(); ++w) {
    const std::string_view minta = mintak[w];
    leghosszabb_ = std::max(leghosszabb_, minta.size());
    if (minta.size() == 1) {
      egybetus_[static_cast<unsigned char>(minta[0])].push_back(w);
      continue;
    }
    uint32_t& elso = par_csucs_[ParHely(Par(minta.data()))];
    if (!elso) elso = UjCsucs();
    uint32_t csucs = elso;
    for (size_t i = 2; i < minta.size(); ++i) {
      const uint64_t kulcs = uint64_t{csucs} << 8 | static_cast<unsigned char>(minta[i]);
      size_t h = TSzoIndex::Kever(kulcs) & (gyerek_.size() - 1);
      while (gyerek_[h].second && gyerek_[h].first != kulcs) h = (h + 1) & (gyerek_.size() - 1);
      if (!gyerek_[h].second) gyerek_[h] = {kulcs, UjCsucs()};
      csucs = gyerek_[h].second;
    }
    kovetkezo_szo_[w] = szo_vege_[csucs];
    szo_vege_[csucs] = w;
  }
  if (std::all_of(mintak.begin(), mintak.end(), [](std::string_view m) { return m.size() >= 3; })) {
    harmas_.assign(65536 / 64, 0);
    for (const std::string_view m : mintak) {
      const uint32_t h = Harmas(reinterpret_cast<const unsigned char*>(m.data()));
      harmas_[h >> 6] |= uint64_t{1} << (h & 63);
    }
  }
  szuro_ = parszuro::SzurotEpit(mintak.size(), [&mintak](size_t i) { return mintak[i]; });
  szurt_ = parszuro::Szelektiv(szuro_);
  par_elobb_ = parok <= 32;
}

uint32_t TSzoIndex::UjCsucs() {
  szo_vege_.push_back(kNincs);
  return static_cast<uint32_t>(szo_vege_.size() - 1);
}

void TSzoIndex::Keres(std::string_view s, size_t tol, size_t ig, std::vector<char>& jelen,
                      size_t& hianyzo) const {
  const unsigned char* t = reinterpret_cast<const unsigned char*>(s.data());
  const size_t n = s.size();
  const size_t maszk = gyerek_.size() - 1;
  auto csoport = [&](uint32_t w) {
    char& j = jelen[csoportja_[w]];
    if (!j) {
      j = 1;
      --hianyzo;
    }
  };
  auto jelol = [&](uint32_t w) {
    for (; w != kNincs; w = kovetkezo_szo_[w]) csoport(w);
  };
  const uint64_t* van = par_van_.data();
  auto kezd = [van, t](size_t p) {
    const unsigned par = t[p] << 8 | t[p + 1];
    return van[par >> 6] >> (par & 63) & 1;
  };
  const size_t utolso = std::min(ig, n - 1);
  parszuro::Jelolo jelolo(szurt_ ? &szuro_ : nullptr, t, utolso);
  for (size_t p = tol; p < ig; ++p) {
    // Pairs that begin no word (nor a one-byte word) are passed over quickly.
    if (jelolo.Szur()) {
      p = jelolo.Kovetkezo(p);
      if (p < utolso && !kezd(p)) continue;
    } else {
      while (p < utolso && !kezd(p)) ++p;
    }
    if (p >= ig) break;
    for (uint32_t w : egybetus_[t[p]]) csoport(w);
    if (p + 1 >= n) continue;
    const unsigned par = t[p] << 8 | t[p + 1];
    uint32_t csucs = van[par >> 6] >> (par & 63) & 1 ? par_csucs_[ParHely(par)] : 0;
    for (size_t q = p + 2; csucs; ++q) {
      jelol(szo_vege_[csucs]);
      if (q >= n) break;
      const uint64_t kulcs = uint64_t{csucs} << 8 | t[q];
      size_t h = TSzoIndex::Kever(kulcs) & maszk;
      while (gyerek_[h].second && gyerek_[h].first != kulcs) h = (h + 1) & maszk;
      csucs = gyerek_[h].second;
    }
    if (hianyzo == 0) return;  // every group is known to match: nothing left to learn
  }
}
