// Whole-process cost of `rovas-cli atrov` on 1 MB of prose: start-up,
// settings, reading, the engine and writing, as a script pays it. Reported
// as the child's CPU time (user + system), which a loaded machine disturbs
// less than wall time; the child's peak resident size goes to "rss_kb".

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win1250.h"

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
  fs::path dir, szoveg, szoveg10, szo;
  Fajlok() {
    dir = fs::temp_directory_path() / ("rovas_cli_bench_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string proza = win1250::FromUtf8(kProza);
    std::string s;
    while (s.size() < (1u << 20)) s += proza;
    s.resize(1u << 20);
    szoveg = dir / "szoveg.txt";
    std::ofstream(szoveg, std::ios::binary) << s;
    szoveg10 = dir / "szoveg10.txt";
    std::ofstream tiz(szoveg10, std::ios::binary);
    for (int i = 0; i < 10; ++i) tiz << s;
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

// Runs rovas-cli with `args` (stdout to /dev/null); the child's CPU seconds.
double Futtat(const std::vector<std::string>& args, long& rss_kb) {
  std::vector<char*> argv;
  std::string prog = ROVAS_CLI;
  argv.push_back(prog.data());
  std::vector<std::string> a = args;
  for (std::string& s : a) argv.push_back(s.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  if (posix_spawn(&pid, ROVAS_CLI, &fa, nullptr, argv.data(), environ) != 0) return -1;
  posix_spawn_file_actions_destroy(&fa);
  int st = 0;
  rusage ru{};
  wait4(pid, &st, 0, &ru);
  rss_kb = ru.ru_maxrss;
  return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
         static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

void Cli(benchmark::State& state, std::vector<std::string> args, bool tiz = false) {
  args.insert(args.begin(), "atrov");
  args.push_back((tiz ? F().szoveg10 : F().szoveg).string());
  long rss = 0;
  for (auto _ : state) state.SetIterationTime(Futtat(args, rss));
  state.counters["rss_kb"] = static_cast<double>(rss);
}

const std::vector<std::string> kMinden = {"--set", "POsszerovas=1", "--set", "PKepjelek=1",
                                          "--set", "PSzamok=1",     "--set", "LHModszer=4",
                                          "--set", "LHHatokor=2",   "--set", "PKivetelesSzavak=1",
                                          "--szo"};

void BM_CliAlap(benchmark::State& state) { Cli(state, {}); }
void BM_CliMinden(benchmark::State& state) {
  auto a = kMinden;
  a.push_back(F().szo.string());
  Cli(state, a);
}
// A font that has ligatures, pictographs and the aK sign by vowel harmony.
std::vector<std::string> MindenKiterjesztett() {
  auto a = kMinden;
  a.push_back(F().szo.string());
  a.insert(a.end(), {"--font", "Rovas Kiterjesztett JB"});
  return a;
}
void BM_CliMindenKiterjesztett(benchmark::State& state) { Cli(state, MindenKiterjesztett()); }
void BM_CliMindenKiterjesztett10MB(benchmark::State& state) {
  Cli(state, MindenKiterjesztett(), true);
}
// 10 MB: the peak resident size against the input's size.
void BM_CliAlap10MB(benchmark::State& state) { Cli(state, {}, true); }
void BM_CliMinden10MB(benchmark::State& state) {
  auto a = kMinden;
  a.push_back(F().szo.string());
  Cli(state, a, true);
}
BENCHMARK(BM_CliAlap)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliAlap10MB)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliMinden10MB)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliMindenKiterjesztett10MB)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliMinden)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliMindenKiterjesztett)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
