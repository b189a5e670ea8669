// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The byte-pair filter of the rounds' passes: which positions of a text may
// begin one of a set of words, judged by their first two bytes. With AVX2
// (checked at run time) a nibble table per byte tests 32 positions at once;
// without it every position passes and the caller tests the bytes itself.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if (defined(__x86_64__) || defined(__i386__)) && !defined(ROVAS_NO_SIMD)
#define GYORSROVO_AVX2 1
#endif

namespace parszuro {

// For 8 buckets of words, which low and high nibbles their first byte (bytes
// 0-15 and 16-31) and their second byte (32-47 and 48-63) may have.
using Szuro = std::array<uint8_t, 64>;

// The nibble tables of a byte-pair filter (see Csoport::szuro): bytes 0-15
// and 16-31 the buckets whose first byte may have a low or high nibble, 32-63
// the same for the second byte (every nibble for one-byte words). Each
// distinct first byte has its own bucket when there are at most 8 of them,
// else the first bytes sharing a high nibble share one; a bucket's first
// bytes then pass exactly, and only its second bytes mix their nibbles.
// `minta(i)` is the i-th of `db` words.
template <class F>
Szuro SzurotEpit(size_t db, F minta) {
  bool elso[256] = {};
  size_t elsok = 0;
  for (size_t i = 0; i < db; ++i) {
    const unsigned char b = static_cast<unsigned char>(minta(i)[0]);
    if (!elso[b]) ++elsok;
    elso[b] = true;
  }
  Szuro t{};
  int rekesz[256];
  std::fill(std::begin(rekesz), std::end(rekesz), -1);
  int rekeszek = 0;
  for (size_t i = 0; i < db; ++i) {
    const std::string_view w = minta(i);
    const unsigned b0 = static_cast<unsigned char>(w[0]);
    int& r = rekesz[elsok <= 8 ? b0 : b0 >> 4];
    if (r < 0) r = rekeszek++ % 8;
    const uint8_t bit = static_cast<uint8_t>(1u << r);
    t[b0 & 15] |= bit;
    t[16 + (b0 >> 4)] |= bit;
    if (w.size() == 1) {
      for (size_t k = 32; k < 64; ++k) t[k] |= bit;
    } else {
      const unsigned b1 = static_cast<unsigned char>(w[1]);
      t[32 + (b1 & 15)] |= bit;
      t[48 + (b1 >> 4)] |= bit;
    }
  }
  return t;
}

// Whether a filter passes few enough byte pairs to beat the scalar search.
bool Szelektiv(const Szuro& t);

#ifdef GYORSROVO_AVX2
// Whether the processor has AVX2.
bool Avx2();

// The first block of 32 positions from p whose filter mask (bit i: position
// p + i) is not empty, among the blocks that end before `utolso` (each reads
// one byte further); `maszk` is 0 when none is left and p is where the scalar
// tail begins.
size_t ElsoJelolt(const Szuro& szuro, const unsigned char* t, size_t p, size_t utolso,
                  uint32_t& maszk);
#endif

// The positions a byte-pair filter passes, found 32 at a time: Kovetkezo(p)
// is the first one from p on, or p itself in the tail the blocks leave.
// Calls must not go back.
class Jelolo {
 public:
  // Blocks read t[0 .. utolso]; with `szuro` null every position passes.
  Jelolo(const Szuro* szuro, const unsigned char* t, size_t utolso) : t_(t), utolso_(utolso) {
#ifdef GYORSROVO_AVX2
    if (Avx2()) szuro_ = szuro;
#else
    (void)szuro;
#endif
  }
  bool Szur() const { return szuro_ != nullptr; }
  size_t Kovetkezo(size_t p) {
#ifdef GYORSROVO_AVX2
    if (p >= farok_) return p;
    if (p < vege_) {
      if (const uint32_t m = maszk_ & (~0u << (p - (vege_ - 32))))
        return vege_ - 32 + static_cast<size_t>(__builtin_ctz(m));
      p = vege_;
    }
    const size_t blokk = ElsoJelolt(*szuro_, t_, p, utolso_, maszk_);
    if (!maszk_) return farok_ = blokk;
    vege_ = blokk + 32;
    return blokk + static_cast<size_t>(__builtin_ctz(maszk_));
#else
    return p;
#endif
  }

 private:
  const Szuro* szuro_ = nullptr;
  const unsigned char* t_;
  size_t utolso_;
  size_t vege_ = 0;          // the end of the current block of 32 positions
  uint32_t maszk_ = 0;       // and the positions of it the filter passes
  size_t farok_ = SIZE_MAX;  // where the tail begins, once reached
};

}  // namespace parszuro
