// SPDX-License-Identifier: GPL-3.0-or-later
// The exception-word list that comes with the program (szo.xml beside it):
// reading it, building the engine with it, and 1 MB of text through it
// (compare with BM_AtrovAlap/1048576 of bench_engine).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "fonts/betukepesseg.h"
#include "platform/win1250.h"
#include "ui/settings/szolista.h"
#include "valtozatos.h"

namespace {

// Prose with words the list splits (község, igazság, tizennyolc) and words it
// must leave alone (asszony, meggyes, rézsút).
constexpr const char* kProza =
    "A község tizennyolc lakosa az igazságügyi palotába ment, ahol egy asszony "
    "meggyes rétest osztott. Az ősszülők arcszíne rézsút esett fényben látszott, "
    "és a vízszintes rövidzárlat után a kurucság emlékére húszszor koccintottak.\r\n"
    "Kedves Barátom! Tegnap este a kertben ültem, és a csillagokat néztem; "
    "eszembe jutott, hogy mennyi minden változott, mégis ugyanaz maradt.\r\n";

std::string Szoveg(size_t meret) { return bench::Ismetelve(kProza, meret); }

std::unique_ptr<TRovasBeallitasok> Modell(bool lista = true) {
  namespace a = beallitas_alap;
  auto m = std::make_unique<TRovasBeallitasok>();
  m->SetBetukeszlet(a::Betukeszlet);
  m->SetBetuKepesseg(std::make_unique<TBetuKepesseg>(a::Betukeszlet));
  m->SetMelyK(a::MelyK);
  m->SetKivetelesSzavak(lista);
  m->SetKiterjesztettBetuk(a::KiterjesztettBetuk);
  m->SetMeret(a::Meret);
  auto szavak = std::make_unique<TSzoLista>();
  if (!SzoListaOlvasasa(ROVAS_SZO_XML, *szavak).ok()) std::abort();
  m->SetKivetelesSzoLista(std::move(szavak));
  return m;
}

void BM_SzolistaOlvasas(benchmark::State& state) {
  for (auto _ : state) {
    TSzoLista lista;
    benchmark::DoNotOptimize(SzoListaOlvasasa(ROVAS_SZO_XML, lista).ok());
  }
}
BENCHMARK(BM_SzolistaOlvasas)->Unit(benchmark::kMicrosecond);

// The rebuild after a settings change and the first run, which compiles the
// list's patterns.
void BM_SzolistaEpites(benchmark::State& state) {
  auto m = Modell();
  TKarvo k(*m);
  const std::string s = Szoveg(64);
  for (auto _ : state) {
    m->SetMeret(m->Meret);
    benchmark::DoNotOptimize(k.Atrov(s));
  }
  state.counters["szavak"] = static_cast<double>(m->KivetelesSzoLista->size());
}
BENCHMARK(BM_SzolistaEpites)->Unit(benchmark::kMillisecond);

// Arg 1: with the list; 0: the same text with exception words off.
void BM_SzolistaAtrov(benchmark::State& state) {
  auto m = Modell(state.range(1) != 0);
  TKarvo k(*m);
  const std::string s = Szoveg(static_cast<size_t>(state.range(0)));
  k.Atrov(s);
  for (auto _ : state) benchmark::DoNotOptimize(k.Atrov(s));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_SzolistaAtrov)->Args({1 << 20, 1})->Args({1 << 20, 0})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
