// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/parszuro.h"

#ifdef GYORSROVO_AVX2
#include <immintrin.h>
#endif

namespace parszuro {

// Whether a filter passes few enough byte pairs to beat the scalar search: at
// most one in eight, counted per bucket (an upper bound). A bucket passes
// every byte whose low and high nibbles it passes.
bool Szelektiv(const Szuro& t) {
  size_t parok = 0;
  for (unsigned k = 0; k < 8; ++k) {
    size_t db[4] = {};
    for (size_t i = 0; i < 64; ++i) db[i / 16] += t[i] >> k & 1;
    parok += db[0] * db[1] * db[2] * db[3];
  }
  return parok <= 65536 / 8;
}

#ifdef GYORSROVO_AVX2
bool Avx2() {
  static const bool van = [] {
    __builtin_cpu_init();  // static initialisers may run before the library's own
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return van;
}

#define GYORSROVO_AVX2_FN __attribute__((target("avx2"))) inline

// The buckets whose nibble tables (`lo`, `hi`) pass each byte of `v`.
GYORSROVO_AVX2_FN __m256i Rekeszek(__m256i lo, __m256i hi, __m256i v) {
  const __m256i also = _mm256_set1_epi8(0x0f);
  return _mm256_and_si256(_mm256_shuffle_epi8(lo, _mm256_and_si256(v, also)),
                          _mm256_shuffle_epi8(hi, _mm256_and_si256(_mm256_srli_epi16(v, 4), also)));
}

GYORSROVO_AVX2_FN __m256i Tabla(const Szuro& szuro, size_t i) {
  return _mm256_broadcastsi128_si256(
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(szuro.data() + 16 * i)));
}

// The first block of 32 positions from p whose filter mask (bit i: position
// p + i) is not empty, among the blocks that end before `utolso` (each reads
// one byte further); `maszk` is 0 when none is left and p is where the scalar
// tail begins.
__attribute__((target("avx2"))) size_t ElsoJelolt(const Szuro& szuro, const unsigned char* t,
                                                  size_t p, size_t utolso, uint32_t& maszk) {
  const __m256i lo0 = Tabla(szuro, 0), hi0 = Tabla(szuro, 1);
  const __m256i lo1 = Tabla(szuro, 2), hi1 = Tabla(szuro, 3);
  for (; p + 32 <= utolso; p += 32) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t + p));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t + p + 1));
    const __m256i m = _mm256_and_si256(Rekeszek(lo0, hi0, a), Rekeszek(lo1, hi1, b));
    maszk =
        ~static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(m, _mm256_setzero_si256())));
    if (maszk) return p;
  }
  maszk = 0;
  return p;
}
#endif

}  // namespace parszuro
