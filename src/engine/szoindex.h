// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TSzoIndex: an index of the words of a round that splits into many groups
// (exception-word lists), which tells in one pass over a text which groups
// have a word there at all. A trie of the words: the node of every two-byte
// prefix by a table, deeper nodes by a hash of node and byte, the words
// ending at each node, and the group of every word.

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
  // Appends (word, position) for every occurrence of every word in `s`, in
  // the order of the positions. `s` is shorter than 4 GiB.
  void Elofordulasok(std::string_view s, std::vector<std::pair<uint32_t, uint32_t>>& ki) const;

 private:
  static constexpr uint32_t kNincs = UINT32_MAX;
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
};
