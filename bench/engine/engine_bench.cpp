// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the transliteration engine: the keystroke budget (10 KB, whole text
// on every edit), throughput and linear growth, and the rebuild after a
// settings change.

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "engine/unicoderovas.h"
#include "platform/win1250.h"
#include "valtozatos.h"

namespace {

// Hungarian prose with capitals, punctuation, numbers and dates, CR LF lines.
constexpr const char* kProza =
    "A rov\u00e1s\u00edr\u00e1s a magyars\u00e1g \u0151si \u00edr\u00e1sa, amelyet a "
    "sz\u00e9kelyek sok\u00e1ig meg\u0151riztek. Az \u00edr\u00e1s jobbr\u00f3l balra "
    "halad, a bet\u0171ket pedig fa p\u00e1lc\u00e1kba rovott\u00e1k.\r\n"
    "Az 1598-ban k\u00e9sz\u00fclt feljegyz\u00e9s szerint a nikolsburgi \u00e1b\u00e9c\u00e9 "
    "46 jelet tartalmazott; 2015.03.10-\u00e9n egy \u00faj kiad\u00e1s is megjelent, "
    "1 000 p\u00e9ld\u00e1nyban, 3,5 ezer forint\u00e9rt.\r\n"
    "Gyakran k\u00e9rdezik, hogyan kell a kett\u0151s bet\u0171ket \u00edrni: a cs, gy, ly, "
    "ny, sz, ty \u00e9s zs egyetlen jellel szerepel, de az igazs\u00e1g \u00e9s az "
    "\u0151zsuta sz\u00f3ban k\u00e9t k\u00fcl\u00f6n hangot jel\u00f6l.\r\n"
    "Kedves Barátom! Tegnap este a kertben \u00fcltem, \u00e9s a csillagokat n\u00e9ztem. "
    "Eszembe jutott, hogy 1848. 3. 15. \u00f3ta mennyi minden v\u00e1ltozott, m\u00e9gis "
    "ugyanaz maradt a hangz\u00f3ugrat\u00e1s szab\u00e1lya: a mag\u00e1nhangz\u00f3k egy "
    "r\u00e9sze kimaradhat.\r\n"
    "A Pilisszentkereszt fel\u00e9 vezet\u0151 \u00fat 12 kilom\u00e9ter hossz\u00fa, "
    "a sasszem\u0171 vad\u00e1sz pedig 7 \u00f3r\u00e1n \u00e1t v\u00e1rt a "
    "szarvasra (a k\u00f6d miatt) [\u00e9jjel] {hajnalban}.\r\n"
    "Sz\u00e1mok: 40, 500, 1999, 2024 \u00e9s 1000000; d\u00e1tumok: 2001.09.11 \u00e9s "
    "1956. 10. 23.\r\n"
    "\u00c1rv\u00edzt\u0171r\u0151 t\u00fck\u00f6rf\u00far\u00f3g\u00e9p \u00e9s "
    "\u00e1rv\u00edzt\u0171r\u0151 t\u00fck\u00f6rf\u00far\u00f3g\u00e9p: minden "
    "\u00e9kezetes bet\u0171 egyszerre.\r\n"
    "A hetvenh\u00e9t magyar n\u00e9pmese k\u00f6z\u00fcl a legszebb az, amelyben a "
    "szeg\u00e9ny ember fia kir\u00e1ly lesz, mert okosabb a gazdag szomsz\u00e9dn\u00e1l, "
    "\u00e9s hamarabb \u00e9r a hegyre, mint a t\u00f6bbiek.\r\n";

std::string Szoveg(size_t meret) { return bench::Ismetelve(kProza, meret); }

// 200 exception words: word pairs whose joint spells a two-letter consonant.
std::unique_ptr<std::vector<std::string>> Kivetelek() {
  const char* eleje[] = {"v\u00edz", "r\u00e9z", "k\u00e9z", "f\u0171z", "m\u00e9z",
                         "h\u00e1z", "\u0151z",  "gaz",      "vas",      "has"};
  const char* vege[] = {"sug\u00e1r", "s\u00e1v",  "sarok",      "selyem", "s\u00edp",
                        "s\u00f3",    "sor",       "s\u00fcveg", "seb",    "s\u00e1g",
                        "zug",        "zaj",       "z\u00e1r",   "zsem",   "zene",
                        "ezer",       "sz\u00e1l", "sz\u00f6g",  "sziget", "szem"};
  auto lista = std::make_unique<std::vector<std::string>>();
  for (const char* e : eleje)
    for (const char* v : vege)
      lista->push_back(win1250::FromUtf8(std::string(e) + v + "=" + e + "|" + v));
  lista->push_back(win1250::FromUtf8("igazs\u00e1g=igaz|s\u00e1g"));
  return lista;
}

// A long list like a grown szo.xml: `db` made-up compounds whose joint spells
// a two-letter consonant, each split by the separator, after the 200 above.
std::unique_ptr<std::vector<std::string>> HosszuKivetelek(size_t db) {
  auto lista = Kivetelek();
  using namespace win1250::literals;
  const std::string massal = "bcdfghjklmnprstvz", magan = "aeiouáéíóöőúüű"_hu;
  uint32_t x = 12345;
  auto r = [&x](size_t n) {
    x = x * 1103515245u + 12345u;
    return static_cast<size_t>(x >> 16) % n;
  };
  auto szotag = [&] {
    std::string s{massal[r(massal.size())], magan[r(magan.size())]};
    if (r(2)) s += massal[r(massal.size())];
    return s;
  };
  while (lista->size() < db) {
    std::string a = szotag() + (r(2) ? szotag() : "") + "zsclnt"[r(6)];
    std::string b = "szyh"[r(4)] + szotag() + (r(2) ? szotag() : "");
    lista->push_back(a + b + "=" + a + "|" + b);
  }
  return lista;
}

std::unique_ptr<TRovasBeallitasok> Modell(bool minden) {
  namespace a = beallitas_alap;
  auto m = std::make_unique<TRovasBeallitasok>();
  const std::string_view betukeszlet = minden ? "Rovas Kiterjesztett JB" : a::Betukeszlet;
  m->SetBetukeszlet(betukeszlet);
  m->SetBetuKepesseg(std::make_unique<TBetuKepesseg>(betukeszlet));
  m->SetMelyK(a::MelyK);
  m->SetHKezdoEKihagy(a::HKezdoEKihagy);
  m->SetHIsmetlodoEgyesit(a::HIsmetlodoEgyesit);
  m->SetKivetelesSzavak(a::KivetelesSzavak);
  m->SetSzamokBJ(a::SzamokBJ);
  m->SetKiterjesztettBetuk(a::KiterjesztettBetuk);
  m->SetMeret(a::Meret);
  m->SetEElsoKor(a::EElsoKor);
  m->SetESzamokKore(a::ESzamokKore);
  m->SetESzovegirany(a::ESzovegirany);
  if (minden) {
    m->SetOsszerovas(true);
    m->SetKepjelek(true);
    m->SetSzamok(true);
    m->SetHModszer(4);
    m->SetHHatokor(2);
    m->SetKivetelesSzoLista(Kivetelek());
  }
  return m;
}

void Atrov(benchmark::State& state, bool minden) {
  auto m = Modell(minden);
  TKarvo k(*m);
  const std::string s = Szoveg(static_cast<size_t>(state.range(0)));
  k.Atrov(s);  // compiles the patterns and grows the heap once, outside the timing
  for (auto _ : state) benchmark::DoNotOptimize(k.Atrov(s));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_AtrovAlap(benchmark::State& state) { Atrov(state, false); }
void BM_AtrovMinden(benchmark::State& state) { Atrov(state, true); }
BENCHMARK(BM_AtrovAlap)
    ->Arg(10 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AtrovMinden)
    ->Arg(10 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

// The rebuild after a settings change, as the next Atrov would do it.
void Epit(benchmark::State& state, bool minden) {
  auto m = Modell(minden);
  TKarvo k(*m);
  for (auto _ : state) {
    m->SetMeret(m->Meret);
    benchmark::DoNotOptimize(k.Epit(*m));
  }
}
void BM_EpitAlap(benchmark::State& state) { Epit(state, false); }
void BM_EpitMinden(benchmark::State& state) { Epit(state, true); }
BENCHMARK(BM_EpitAlap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EpitMinden)->Unit(benchmark::kMicrosecond);

// Exception-word lists: the build after a change of settings, and what a
// long list adds to the default run (compare with BM_AtrovAlap/1048576).
void BM_EpitKivetelek(benchmark::State& state) {
  auto m = Modell(false);
  m->SetKivetelesSzoLista(HosszuKivetelek(static_cast<size_t>(state.range(0))));
  TKarvo k(*m);
  for (auto _ : state) {
    m->SetMeret(m->Meret);
    benchmark::DoNotOptimize(k.Epit(*m));
  }
}
BENCHMARK(BM_EpitKivetelek)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_AtrovKivetelek(benchmark::State& state) {
  auto m = Modell(false);
  m->SetKivetelesSzoLista(HosszuKivetelek(static_cast<size_t>(state.range(0))));
  TKarvo k(*m);
  const std::string s = Szoveg(1 << 20);
  k.Atrov(s);
  for (auto _ : state) benchmark::DoNotOptimize(k.Atrov(s));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (1 << 20));
}
BENCHMARK(BM_AtrovKivetelek)->Arg(201)->Arg(50000)->Unit(benchmark::kMillisecond);

// The first transliteration after a rebuild also compiles every pattern.
void BM_EpitEsElsoAtrovAlap(benchmark::State& state) {
  auto m = Modell(false);
  TKarvo k(*m);
  const std::string s = Szoveg(64);
  for (auto _ : state) {
    m->SetMeret(m->Meret);
    benchmark::DoNotOptimize(k.Atrov(s));
  }
}
BENCHMARK(BM_EpitEsElsoAtrovAlap)->Unit(benchmark::kMicrosecond);

// Font codes to Unicode rovás text: 1 MB of the engine's output (target: under 5 ms).
void Unicode(benchmark::State& state, bool minden) {
  auto m = Modell(minden);
  m->SetKivetelesSzavak(false);
  TKarvo k(*m);
  const std::string kodok = k.Atrov(Szoveg(static_cast<size_t>(state.range(0))));
  const std::optional<TUnicodeRovas> u = UnicodeRovas(*m, k);
  for (auto _ : state) benchmark::DoNotOptimize(u->Atalakit(kodok));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * int64_t(kodok.size()));
}
void BM_UnicodeAlap(benchmark::State& state) { Unicode(state, false); }
void BM_UnicodeMinden(benchmark::State& state) { Unicode(state, true); }
BENCHMARK(BM_UnicodeAlap)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnicodeMinden)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// Building the converter's table from the record, once per copy or command.
void BM_UnicodeTabla(benchmark::State& state) {
  auto m = Modell(true);
  TKarvo k(*m);
  for (auto _ : state) benchmark::DoNotOptimize(UnicodeRovas(*m, k));
}
BENCHMARK(BM_UnicodeTabla)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
