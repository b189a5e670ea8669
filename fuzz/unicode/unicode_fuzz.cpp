// SPDX-License-Identifier: GPL-3.0-or-later
// Font codes come from the rovás pane, which the user can type or paste
// anything into: any bytes, with any catalogued font and any way of making
// them, must give well-formed UTF-8 with every line's override closed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/unicoderovas.h"

namespace {

bool JoUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

size_t Darab(std::string_view s, std::string_view mit) {
  size_t n = 0;
  for (size_t p = s.find(mit); p != std::string_view::npos; p = s.find(mit, p + 1)) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::vector<std::string>& nevek = KatalogusNevek();
  const TBetuKepesseg k(nevek[data[0] % nevek.size()]);
  const uint8_t j = data[1];
  const TUnicodeRovas u(k, {.jobbrol_balra = (j & 1) != 0,
                            .kiterjesztett = (j & 2) != 0,
                            .melyk = (j & 4) != 0,
                            .melyk_mod = static_cast<uint8_t>((j >> 3) & 3),
                            .osszerovas = (j & 32) != 0,
                            .kepjelek = (j & 64) != 0,
                            .szamok_atirva = (j & 128) != 0,
                            .szamok_forditva = (j & 129) == 1});
  const std::string ki =
      u.Atalakit(std::string_view(reinterpret_cast<const char*>(data + 2), size - 2));
  const size_t nyitok = Darab(ki, "\u202E") + Darab(ki, "\u202D");
  if (!JoUtf8(ki) || nyitok != Darab(ki, "\u202C") || Darab(ki, "\u2066") != Darab(ki, "\u2069"))
    std::abort();
  return 0;
}
