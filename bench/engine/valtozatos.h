// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Varied Hungarian prose for benchmarks: sentences of words drawn from the
// installed Hungarian spelling dictionary, mixed with frequent short words,
// punctuation, quotes, brackets and numbers in the shapes real texts use
// (years, dates, decimals, thousands, times, percentages). A repeated
// paragraph lets branch predictors and caches learn it; this does not.
// Deterministic: the same dictionary gives the same text.

#include <cstdint>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/win1250.h"

namespace bench {

inline constexpr const char* kSzotar = "/usr/share/hunspell/hu_HU.dic";

// The dictionary's words in Windows-1250: each line's stem before "/" or TAB,
// letters only. Empty when the dictionary is not installed (hunspell-hu).
inline std::vector<std::string> SzotarSzavai() {
  std::vector<std::string> szavak;
  std::ifstream be(kSzotar);
  std::string sor;
  std::getline(be, sor);  // the word count
  while (std::getline(be, sor)) {
    const std::string szo = win1250::FromUtf8(sor.substr(0, sor.find_first_of("/\t")));
    bool betuk = !szo.empty();
    for (unsigned char c : szo) betuk = betuk && win1250::ToUpper(c) != win1250::ToLower(c);
    if (betuk) szavak.push_back(szo);
  }
  return szavak;
}

// `proza` (UTF-8) in Windows-1250, repeated and cut to exactly `meret` bytes.
inline std::string Ismetelve(const char* proza, size_t meret) {
  const std::string p = win1250::FromUtf8(proza);
  std::string s;
  s.reserve(meret + p.size());
  while (s.size() < meret) s += p;
  s.resize(meret);
  return s;
}

// About `meret` bytes (cut to exactly that) of CR LF paragraphs; nullopt
// without the dictionary.
inline std::optional<std::string> ValtozatosProza(size_t meret) {
  static const std::vector<std::string> szavak = SzotarSzavai();
  if (szavak.size() < 1000) return std::nullopt;
  using namespace win1250::literals;
  // The most frequent words of Hungarian prose.
  static const std::vector<std::string> gyakori = {
      "a",      "az",   "és"_hu,  "hogy", "nem",  "is", "egy",      "meg",     "de",      "ez",
      "már"_hu, "csak", "még"_hu, "volt", "van",  "el", "mint",     "ha",      "azt",     "ki",
      "se",     "sem",  "pedig",  "vagy", "mert", "le", "össze"_hu, "után"_hu, "szerint", "minden"};
  std::mt19937 r(20261208);
  auto n = [&r](uint32_t m) { return static_cast<uint32_t>(r() % m); };
  auto szam = [&]() -> std::string {
    switch (n(8)) {
      case 0:
        return std::to_string(1000 + n(1030)) + ".";  // a year
      case 1:
        return std::to_string(1900 + n(130)) + "." + std::to_string(10 + n(3)) + "." +
               std::to_string(10 + n(19)) + ".";
      case 2:
        return std::to_string(n(100)) + "," + std::to_string(n(10));
      case 3:
        return std::to_string(1 + n(99)) + " " + std::to_string(100 + n(900));
      case 4:
        return std::to_string(n(24)) + ":" + std::to_string(10 + n(50));
      case 5:
        return std::to_string(n(100)) + "%";
      case 6:
        return std::to_string(1 + n(31)) + ".";
      default:
        return std::to_string(n(n(2) ? 20 : 100000));
    }
  };
  std::string s;
  s.reserve(meret + 4096);
  while (s.size() < meret) {
    const uint32_t mondatok = 2 + n(7);
    for (uint32_t m = 0; m < mondatok; ++m) {
      const uint32_t hossz = 3 + n(18);
      const bool idezet = n(25) == 0;
      if (idezet) s += "„"_hu;
      for (uint32_t w = 0; w < hossz; ++w) {
        if (w) s += ' ';
        const uint32_t k = n(100);
        const bool zarojel = k == 99 && w + 2 < hossz;
        if (zarojel) s += '(';
        std::string szo = k < 4    ? szam()
                          : k < 40 ? gyakori[n(gyakori.size())]
                                   : szavak[n(szavak.size())];
        if (w == 0) szo[0] = static_cast<char>(win1250::ToUpper(szo[0]));
        s += szo;
        if (zarojel) s += ')';
        if (w + 1 < hossz) {
          const uint32_t j = n(100);
          if (j < 9)
            s += ',';
          else if (j == 9)
            s += ';';
          else if (j == 10)
            s += ':';
          else if (j == 11)
            s += " –"_hu;
        }
      }
      if (idezet) s += "”"_hu;
      const uint32_t v = n(20);
      s += v == 0 ? "!" : v == 1 ? "?" : v == 2 ? "..." : ".";
      if (m + 1 < mondatok) s += ' ';
    }
    s += "\r\n";
  }
  s.resize(meret);
  return s;
}

}  // namespace bench
