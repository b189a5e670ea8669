// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli's large buffers (the text and the stages' scratch space, each as
// large as the input) come from 2 MB-aligned mappings that the kernel may back
// with transparent huge pages: one page fault per 2 MB instead of one per 4 KB,
// which was most of what transliterating a file cost. A freed buffer stays
// mapped for the next request it can hold, as the stages hand their buffers
// back and forth; a request none fits releases the ones left over first, so
// no more is kept than the largest buffers in use.
//
// Replaces the global operator new and delete; everything smaller than
// kKuszob goes to malloc as before.

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>

namespace {

constexpr std::size_t kNagyLap = std::size_t{2} << 20;
// Below this a huge page costs more to clear than the small pages' faults.
constexpr std::size_t kKuszob = std::size_t{768} << 10;

struct Blokk {
  void* p;
  std::size_t meret;
  bool szabad;
};

// Constant-initialised: operator new runs before any constructor.
constinit std::mutex zar;
constexpr int kBlokkHely = 16;
constinit Blokk blokkok[kBlokkHely] = {};
constinit int blokkszam = 0;

void Elenged(int i) {
  ::munmap(blokkok[i].p, blokkok[i].meret);
  blokkok[i] = blokkok[--blokkszam];
}

// A huge-page block of at least n bytes, or nullptr (then malloc serves).
void* NagyBlokk(std::size_t n) {
  const std::size_t meret = (n + kNagyLap - 1) & ~(kNagyLap - 1);
  std::lock_guard<std::mutex> z(zar);
  int legjobb = -1;
  for (int i = 0; i < blokkszam; ++i) {
    if (blokkok[i].szabad && blokkok[i].meret >= meret &&
        (legjobb < 0 || blokkok[i].meret < blokkok[legjobb].meret))
      legjobb = i;
  }
  if (legjobb >= 0) {
    blokkok[legjobb].szabad = false;
    return blokkok[legjobb].p;
  }
  for (int i = blokkszam - 1; i >= 0; --i) {
    if (blokkok[i].szabad) Elenged(i);
  }
  if (blokkszam == kBlokkHely) return nullptr;
  // Map one huge page more than needed and trim it to a 2 MB boundary.
  void* m =
      ::mmap(nullptr, meret + kNagyLap, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (m == MAP_FAILED) return nullptr;
  const auto kezd = reinterpret_cast<std::uintptr_t>(m);
  const std::uintptr_t igazitott = (kezd + kNagyLap - 1) & ~(kNagyLap - 1);
  if (igazitott > kezd) ::munmap(m, igazitott - kezd);
  if (const std::size_t farok = kezd + kNagyLap - igazitott)
    ::munmap(reinterpret_cast<void*>(igazitott + meret), farok);
  void* p = reinterpret_cast<void*>(igazitott);
  ::madvise(p, meret, MADV_HUGEPAGE);
  blokkok[blokkszam++] = {p, meret, false};
  return p;
}

// Whether p is a huge-page block; if so, it is marked free.
bool NagyBlokkVissza(void* p) {
  if (reinterpret_cast<std::uintptr_t>(p) & (kNagyLap - 1)) return false;
  std::lock_guard<std::mutex> z(zar);
  for (int i = 0; i < blokkszam; ++i) {
    if (blokkok[i].p == p) {
      blokkok[i].szabad = true;
      return true;
    }
  }
  return false;
}

}  // namespace

void* operator new(std::size_t n) {
  if (n >= kKuszob) {
    if (void* p = NagyBlokk(n)) return p;
  }
  for (;;) {
    if (void* p = std::malloc(n ? n : 1)) return p;
    std::new_handler kezelo = std::get_new_handler();
    if (!kezelo) throw std::bad_alloc();
    kezelo();
  }
}

void operator delete(void* p) noexcept {
  if (p && !NagyBlokkVissza(p)) std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
