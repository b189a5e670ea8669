// SPDX-License-Identifier: GPL-3.0-or-later
// rovas_szogen: writes the exception-word list szo.xml from the Hungarian
// dictionary and hyphenation patterns.
//
//   rovas_szogen OUT.xml AFF DIC HYPH                 the list
//   rovas_szogen --meres DIR AFF DIC HYPH [PERCENT]   held-out figures: the list
//       is built from the other words and tried on PERCENT % of them (default
//       20); DIR gets that list (szo.xml), the held-out words (proba.txt) and
//       all words (osszes.txt), one a line with "|" at each false pair, for a
//       check with the real engine (tools/szolista/meres.sh)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <thread>
#include <unordered_set>

#include "szogen.h"

namespace {

using namespace szogen;

// The dictionary's words with their pairs; words without a pair are kept too
// (they cannot be split wrongly, but count for nothing). Two threads: the
// analysis is the slow part.
std::vector<TSzo> Szavak(const std::string& aff, const std::string& dic, const std::string& hyph) {
  const std::vector<std::u32string> szavak = SzotarSzavai(dic);
  const std::unordered_set<std::u32string> szotar(szavak.begin(), szavak.end());
  std::vector<TSzo> ki(szavak.size());
  const unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
  std::vector<std::thread> szalak;
  std::vector<std::exception_ptr> hibak(n);
  std::vector<std::vector<TSzo>> toldalekos(n);
  for (unsigned t = 0; t < n; ++t) {
    szalak.emplace_back([&, t] {
      try {
        const TElemzo elemzo(aff, dic, hyph);
        for (std::size_t i = t; i < szavak.size(); i += n) {
          ki[i] = elemzo.Szo(szavak[i]);
          for (const auto& [szo, b] : ToldalekosSzavak(elemzo, szavak[i], szotar))
            toldalekos[t].push_back(elemzo.Szo(szo, b));
        }
      } catch (...) {
        hibak[t] = std::current_exception();
      }
    });
  }
  for (std::thread& s : szalak) s.join();
  for (const auto& h : hibak)
    if (h) std::rethrow_exception(h);
  // A derived word that two stems make is kept once.
  std::unordered_set<std::u32string> volt;
  for (auto& resz : toldalekos)
    for (TSzo& sz : resz)
      if (volt.insert(sz.betuk).second) ki.push_back(std::move(sz));
  std::erase_if(ki, [](const TSzo& sz) { return sz.parok.empty(); });
  return ki;
}

void ListaIrasa(const std::string& ki, const std::vector<TBejegyzes>& lista) {
  {
    std::ofstream f(ki + ".uj", std::ios::binary);
    f << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<szavak>\n";
    for (const TBejegyzes& e : lista) f << SzoXmlSor(e) << '\n';
    f << "</szavak>\n";
    if (!f.flush()) throw std::runtime_error("cannot write " + ki);
  }
  if (std::rename((ki + ".uj").c_str(), ki.c_str()) != 0)
    throw std::runtime_error("cannot write " + ki);
}

// The words, "|" at each false pair.
void SzavakIrasa(const std::string& ki, const std::vector<TSzo>& szavak) {
  std::ofstream f(ki, std::ios::binary);
  for (const TSzo& sz : szavak) {
    std::u32string w = sz.betuk;
    for (auto it = sz.hamis.rbegin(); it != sz.hamis.rend(); ++it) w.insert(*it, 1, U'|');
    f << Utf8(w) << '\n';
  }
  if (!f.flush()) throw std::runtime_error("cannot write " + ki);
}

int Meres(const std::vector<TSzo>& szavak, const std::string& mappa, int szazalek) {
  std::vector<TSzo> tanito, proba;
  for (const TSzo& sz : szavak)
    (std::hash<std::u32string>{}(sz.betuk) % 100 < static_cast<std::size_t>(szazalek) ? proba
                                                                                      : tanito)
        .push_back(sz);
  const std::vector<TBejegyzes> lista = Valasztas(tanito);
  ListaIrasa(mappa + "/szo.xml", lista);
  SzavakIrasa(mappa + "/proba.txt", proba);
  SzavakIrasa(mappa + "/osszes.txt", szavak);
  long hamisSzavak = 0, javitott = 0, valodiSzavak = 0, elrontott = 0, vagasok = 0, joVagasok = 0;
  for (const TSzo& sz : proba) {
    const std::vector<int> v = Vagasok(lista, sz.betuk);
    vagasok += static_cast<long>(v.size());
    for (int b : v) joVagasok += std::binary_search(sz.hamis.begin(), sz.hamis.end(), b);
    if (sz.hamis.empty()) {
      ++valodiSzavak;
      elrontott += !v.empty();
    } else {
      ++hamisSzavak;
      javitott += v == sz.hamis;
    }
  }
  std::printf(
      "held-out words: %zu (list built from %zu, %zu entries)\n"
      "words with a false pair: %ld, split exactly right: %ld (%.1f %%)\n"
      "words with only true pairs: %ld, changed: %ld (%.2f %%)\n"
      "splits made: %ld, right: %ld (precision %.2f %%)\n",
      proba.size(), tanito.size(), lista.size(), hamisSzavak, javitott,
      100.0 * javitott / std::max(1L, hamisSzavak), valodiSzavak, elrontott,
      100.0 * elrontott / std::max(1L, valodiSzavak), vagasok, joVagasok,
      100.0 * joVagasok / std::max(1L, vagasok));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const auto kezdet = std::chrono::steady_clock::now();
    if (argc >= 6 && std::string(argv[1]) == "--meres") {
      return Meres(Szavak(argv[3], argv[4], argv[5]), argv[2], argc > 6 ? std::atoi(argv[6]) : 20);
    }
    if (argc != 5) {
      std::cerr
          << "usage: rovas_szogen OUT.xml AFF DIC HYPH | --meres DIR AFF DIC HYPH [PERCENT]\n";
      return 2;
    }
    const std::vector<TSzo> szavak = Szavak(argv[2], argv[3], argv[4]);
    const std::vector<TBejegyzes> lista = Valasztas(szavak);
    const std::string ki = argv[1];
    ListaIrasa(ki, lista);
    long hamis = 0;
    for (const TSzo& sz : szavak) hamis += static_cast<long>(sz.hamis.size());
    std::printf("%s: %zu entries for %ld false pairs in %zu words (%.1f s)\n", ki.c_str(),
                lista.size(), hamis, szavak.size(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - kezdet).count());
  } catch (const std::exception& e) {
    std::cerr << "rovas_szogen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
