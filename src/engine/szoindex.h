// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TSzoIndex: an index of the words of a round that splits into many groups
// (exception-word lists), which tells in one pass over a text which groups
// have a word there at all. A trie of the words: the node of every two-byte
// prefix by a table, deeper nodes by a hash of node and byte, the words
// ending at each node, and the group of every word.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/parszuro.h"

class TSzoIndex {
 public:
  // `mintak[w]` is word w (not empty), `csoportja[w]` its group.
  TSzoIndex(const std::vector<std::string_view>& mintak, std::vector<uint32_t> csoportja);

  size_t Leghosszabb() const { return leghosszabb_; }

  // Sets `jelen[g]` (counting `hianyzo` down) for every group g with a word
  // at a start position in [tol, ig) of `s`; stops once `hianyzo` is 0.
  void Keres(std::string_view s, size_t tol, size_t ig, std::vector<char>& jelen,
             size_t& hianyzo) const;
  // Calls `f(word, position)` for every occurrence of every word in `s`, in
  // the order of the positions. `s` is shorter than 4 GiB.
  template <class F>
  void Elofordulasok(std::string_view s, F&& f) const;

 private:
  static constexpr uint32_t kNincs = UINT32_MAX;
  static size_t Kever(uint64_t k) { return static_cast<size_t>((k * 0x9E3779B97F4A7C15ull) >> 20); }
  uint32_t UjCsucs();
  // Where a pair of par_van_ stands in par_csucs_.
  uint32_t ParHely(unsigned par) const {
    return par_rang_[par >> 6] + static_cast<uint32_t>(__builtin_popcountll(
                                     par_van_[par >> 6] & ((uint64_t{1} << (par & 63)) - 1)));
  }

  std::vector<uint32_t> csoportja_;  // word -> group
  size_t leghosszabb_ = 0;           // longest word
  std::vector<uint64_t> par_van_;    // 65536 bits: pairs that begin a word, or its one byte
  std::vector<uint32_t> par_rang_;   // per 64 pairs: the pairs in par_van_ before them
  std::vector<uint32_t> par_csucs_;  // per pair in par_van_, in order -> node, 0 none
  std::vector<std::pair<uint64_t, uint32_t>> gyerek_;  // (node << 8 | byte) -> node
  std::vector<uint32_t> szo_vege_;                     // node -> a word ending there
  std::vector<uint32_t> kovetkezo_szo_;                // word -> the next one ending alike
  std::vector<uint32_t> egybetus_[256];
  // Bit Harmas() of every word's first three bytes, when no word is shorter.
  std::vector<uint64_t> harmas_;
  static uint32_t Harmas(const unsigned char* p) {
    return (uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]) * 0x9E3779B1u >> 16;
  }
  parszuro::Szuro szuro_{};  // the words' byte-pair test, when worth reading
  bool szurt_ = false;
  // Few pairs begin the words: the byte-pair filter rules out more than the
  // three-byte test, and faster (Elofordulasok).
  bool par_elobb_ = false;
};

template <class F>
void TSzoIndex::Elofordulasok(std::string_view s, F&& f) const {
  const unsigned char* t = reinterpret_cast<const unsigned char*>(s.data());
  const size_t n = s.size();
  const size_t maszk = gyerek_.size() - 1;
  const uint64_t* van = par_van_.data();
  // From the node of the pair at p: every word that goes on to match.
  auto bejar = [&](size_t p) {
    const uint32_t hely = static_cast<uint32_t>(p);
    for (uint32_t w : egybetus_[t[p]]) f(w, hely);
    if (p + 1 >= n) return;
    const unsigned par = t[p] << 8 | t[p + 1];
    uint32_t csucs = van[par >> 6] >> (par & 63) & 1 ? par_csucs_[ParHely(par)] : 0;
    for (size_t q = p + 2; csucs; ++q) {
      for (uint32_t w = szo_vege_[csucs]; w != kNincs; w = kovetkezo_szo_[w]) f(w, hely);
      if (q >= n) break;
      const uint64_t kulcs = uint64_t{csucs} << 8 | t[q];
      size_t h = Kever(kulcs) & maszk;
      while (gyerek_[h].second && gyerek_[h].first != kulcs) h = (h + 1) & maszk;
      csucs = gyerek_[h].second;
    }
  };
  const size_t utolso = n > 0 ? n - 1 : 0;
  parszuro::Jelolo jelolo(szurt_ && (par_elobb_ || harmas_.empty()) ? &szuro_ : nullptr, t, utolso);
  if (!harmas_.empty() && !jelolo.Szur()) {
    // Words of three bytes or more: the positions whose first three bytes
    // pass, found 64 at a time without a branch per position.
    const uint64_t* h = harmas_.data();
    const size_t vege = n >= 3 ? n - 2 : 0;  // positions with three bytes
    for (size_t blokk = 0; blokk < vege; blokk += 64) {
      const size_t db = std::min<size_t>(64, vege - blokk);
      uint64_t jeloltek = 0;
      for (size_t i = 0; i < db; ++i) {
        const uint32_t x = Harmas(t + blokk + i);
        jeloltek |= (h[x >> 6] >> (x & 63) & 1) << i;
      }
      for (; jeloltek; jeloltek &= jeloltek - 1) bejar(blokk + __builtin_ctzll(jeloltek));
    }
    return;
  }
  auto kezd = [van, t](size_t p) {
    const unsigned par = t[p] << 8 | t[p + 1];
    return van[par >> 6] >> (par & 63) & 1;
  };
  for (size_t p = 0; p < n; ++p) {
    if (jelolo.Szur()) {
      p = jelolo.Kovetkezo(p);
      if (p < utolso && !kezd(p)) continue;
      if (!harmas_.empty() && p + 2 < n) {
        const uint32_t x = Harmas(t + p);
        if (!(harmas_[x >> 6] >> (x & 63) & 1)) continue;
      }
    } else {
      while (p < utolso && !kezd(p)) ++p;
    }
    if (p >= n) break;
    bejar(p);
  }
}
