// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-process cost of `rovas-cli atrov`, as a script pays it: start-up,
// settings, reading, the engine and writing, input and output as files.
// Reported as the child's CPU time (user + system), which a loaded machine
// disturbs less than wall time; counters: the child's page faults ("faults")
// and peak resident size ("rss_kb").
//
// Two 1 MB inputs: "Valtozatos", varied prose made from the Hungarian
// spelling dictionary (valtozatos.h), and "Ismetlodo", three sentences
// repeated. The empty input and `cat` of the same files run beside them, so
// the start-up cost and the engine's own cost can be read off one run.
// ROVAS_CLI_BENCH_PROGRAM names another rovas-cli to measure (an older build).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win1250.h"
#include "valtozatos.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const char* kProza =
    "A rov\u00e1s\u00edr\u00e1s a magyars\u00e1g \u0151si \u00edr\u00e1sa, amelyet a "
    "sz\u00e9kelyek sok\u00e1ig meg\u0151riztek (12 k\u00f6nyv, 1598. 3. 15.).\r\n"
    "Gyakran k\u00e9rdezik, hogyan kell a kett\u0151s bet\u0171ket \u00edrni: a cs, gy, ly, "
    "ny, sz, ty \u00e9s zs egyetlen jellel szerepel, de az igazs\u00e1g \u00e9s a "
    "v\u00edzs\u00e1v sz\u00f3ban k\u00e9t k\u00fcl\u00f6n hangot jel\u00f6l; 1 000 "
    "p\u00e9ld\u00e1ny, 3,5 ezer forint, 2015.03.10-\u00e9n.\r\n"
    "Kedves Bar\u00e1tom! Tegnap este a kertben \u00fcltem, \u00e9s a csillagokat "
    "n\u00e9ztem; a hangz\u00f3ugrat\u00e1s szab\u00e1lya szerint a mag\u00e1nhangz\u00f3k "
    "egy r\u00e9sze kimaradhat, a nap \u00e9s a h\u00f3nap pedig k\u00e9pjel.\r\n";

struct Fajlok {
  fs::path dir, ismetlodo, ismetlodo10, valtozatos, ures, szo, kimenet;
  bool van_valtozatos = false;
  Fajlok() {
    dir = fs::temp_directory_path() / ("rovas_cli_bench_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string proza = win1250::FromUtf8(kProza);
    std::string s;
    while (s.size() < (1u << 20)) s += proza;
    s.resize(1u << 20);
    ismetlodo = dir / "ismetlodo.txt";
    std::ofstream(ismetlodo, std::ios::binary) << s;
    ismetlodo10 = dir / "ismetlodo10.txt";
    std::ofstream tiz(ismetlodo10, std::ios::binary);
    for (int i = 0; i < 10; ++i) tiz << s;
    valtozatos = dir / "valtozatos.txt";
    if (auto v = bench::ValtozatosProza(1u << 20)) {
      std::ofstream(valtozatos, std::ios::binary) << *v;
      van_valtozatos = true;
    }
    ures = dir / "ures.txt";
    std::ofstream{ures};
    kimenet = dir / "kimenet.txt";
    // 200 exception words, as in the engine benchmark.
    const char* eleje[] = {"v\u00edz", "r\u00e9z", "k\u00e9z", "f\u0171z", "m\u00e9z",
                           "h\u00e1z", "\u0151z",  "gaz",      "vas",      "has"};
    const char* vege[] = {"sug\u00e1r", "s\u00e1v",  "sarok",      "selyem", "s\u00edp",
                          "s\u00f3",    "sor",       "s\u00fcveg", "seb",    "s\u00e1g",
                          "zug",        "zaj",       "z\u00e1r",   "zsem",   "zene",
                          "ezer",       "sz\u00e1l", "sz\u00f6g",  "sziget", "szem"};
    szo = dir / "szo.xml";
    std::ofstream x(szo, std::ios::binary);
    for (const char* e : eleje)
      for (const char* v : vege)
        x << "<szo mit=\"" << e << v << "\" mire=\"" << e << "|" << v << "\"/>\n";
  }
  ~Fajlok() {
    std::error_code hiba;
    fs::remove_all(dir, hiba);
  }
};

const Fajlok& F() {
  static const Fajlok f;
  return f;
}

std::string Program() {
  const char* p = std::getenv("ROVAS_CLI_BENCH_PROGRAM");
  return p && *p ? p : ROVAS_CLI;
}

struct Meres {
  double cpu = 0;  // seconds
  long faults = 0, rss_kb = 0;
};

// Runs `prog` with `args`, its output going to a fresh file.
Meres Futtat(const std::string& prog, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  std::string p = prog;
  argv.push_back(p.data());
  std::vector<std::string> a = args;
  for (std::string& s : a) argv.push_back(s.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, F().kimenet.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid;
  Meres m;
  const int hiba = posix_spawn(&pid, p.c_str(), &fa, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&fa);
  if (hiba != 0) return m;
  int st = 0;
  rusage ru{};
  wait4(pid, &st, 0, &ru);
  m.cpu = static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
          static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
  m.faults = ru.ru_minflt + ru.ru_majflt;
  m.rss_kb = ru.ru_maxrss;
  return m;
}

void Meri(benchmark::State& state, const std::string& prog, const std::vector<std::string>& args) {
  long faults = 0, rss = 0;
  for (auto _ : state) {
    const Meres m = Futtat(prog, args);
    state.SetIterationTime(m.cpu);
    faults += m.faults;
    rss = std::max(rss, m.rss_kb);
  }
  state.counters["faults"] =
      benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
  state.counters["rss_kb"] = static_cast<double>(rss);
}

enum class Bemenet { Ures, Valtozatos, Ismetlodo, Ismetlodo10 };

const fs::path& Fajl(Bemenet b) {
  switch (b) {
    case Bemenet::Ures:
      return F().ures;
    case Bemenet::Valtozatos:
      return F().valtozatos;
    case Bemenet::Ismetlodo:
      return F().ismetlodo;
    case Bemenet::Ismetlodo10:
      break;
  }
  return F().ismetlodo10;
}

bool VanBemenet(benchmark::State& state, Bemenet b) {
  if (b != Bemenet::Valtozatos || F().van_valtozatos) return true;
  state.SkipWithError("no Hungarian dictionary (install hunspell-hu)");
  return false;
}

void Cli(benchmark::State& state, std::vector<std::string> args, Bemenet b) {
  if (!VanBemenet(state, b)) return;
  args.insert(args.begin(), "atrov");
  args.push_back(Fajl(b).string());
  Meri(state, Program(), args);
}

// The floor every process pays: `cat` of the same file into a file.
void Cat(benchmark::State& state, Bemenet b) {
  if (VanBemenet(state, b)) Meri(state, "/bin/cat", {Fajl(b).string()});
}

std::vector<std::string> Minden() {
  return {"--set", "POsszerovas=1", "--set", "PKepjelek=1", "--set", "PSzamok=1",
          "--set", "LHModszer=4",   "--set", "LHHatokor=2", "--set", "PKivetelesSzavak=1",
          "--szo", F().szo.string()};
}
// A font that has ligatures, pictographs and the aK sign by vowel harmony.
std::vector<std::string> MindenKiterjesztett() {
  auto a = Minden();
  a.insert(a.end(), {"--font", "Rovas Kiterjesztett JB"});
  return a;
}

void BM_CatUres(benchmark::State& state) { Cat(state, Bemenet::Ures); }
void BM_CliUres(benchmark::State& state) { Cli(state, {}, Bemenet::Ures); }
void BM_CatValtozatos(benchmark::State& state) { Cat(state, Bemenet::Valtozatos); }
void BM_CliAlapValtozatos(benchmark::State& state) { Cli(state, {}, Bemenet::Valtozatos); }
void BM_CliMindenValtozatos(benchmark::State& state) { Cli(state, Minden(), Bemenet::Valtozatos); }
void BM_CliMindenKiterjesztettValtozatos(benchmark::State& state) {
  Cli(state, MindenKiterjesztett(), Bemenet::Valtozatos);
}
void BM_CliAlapIsmetlodo(benchmark::State& state) { Cli(state, {}, Bemenet::Ismetlodo); }
void BM_CliMindenIsmetlodo(benchmark::State& state) { Cli(state, Minden(), Bemenet::Ismetlodo); }
void BM_CliMindenKiterjesztettIsmetlodo(benchmark::State& state) {
  Cli(state, MindenKiterjesztett(), Bemenet::Ismetlodo);
}
// 10 MB: the peak resident size against the input's size.
void BM_CliAlap10MB(benchmark::State& state) { Cli(state, {}, Bemenet::Ismetlodo10); }
void BM_CliMinden10MB(benchmark::State& state) { Cli(state, Minden(), Bemenet::Ismetlodo10); }
void BM_CliMindenKiterjesztett10MB(benchmark::State& state) {
  Cli(state, MindenKiterjesztett(), Bemenet::Ismetlodo10);
}

#define ROVAS_CLI_BENCH(f, n) \
  BENCHMARK(f)->UseManualTime()->Iterations(n)->Unit(benchmark::kMillisecond)
ROVAS_CLI_BENCH(BM_CatUres, 30);
ROVAS_CLI_BENCH(BM_CliUres, 30);
ROVAS_CLI_BENCH(BM_CatValtozatos, 30);
ROVAS_CLI_BENCH(BM_CliAlapValtozatos, 30);
ROVAS_CLI_BENCH(BM_CliMindenValtozatos, 30);
ROVAS_CLI_BENCH(BM_CliMindenKiterjesztettValtozatos, 30);
ROVAS_CLI_BENCH(BM_CliAlapIsmetlodo, 30);
ROVAS_CLI_BENCH(BM_CliMindenIsmetlodo, 30);
ROVAS_CLI_BENCH(BM_CliMindenKiterjesztettIsmetlodo, 30);
ROVAS_CLI_BENCH(BM_CliAlap10MB, 3);
ROVAS_CLI_BENCH(BM_CliMinden10MB, 3);
ROVAS_CLI_BENCH(BM_CliMindenKiterjesztett10MB, 3);

}  // namespace

BENCHMARK_MAIN();
