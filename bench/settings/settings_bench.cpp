// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: opening it (rovas.ini reloaded, controls filled,
// enabling refreshed) and a change of the quick help to the longest texts.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "htmllabel/htmlcimke.h"
#include "ui/settings/beallitasokablak.h"

namespace {

struct TKornyezet {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bench_settings_" + std::to_string(getpid()));
  platform::FixedOfficeRegistry office{std::vector<std::string>{}};
  TRovasBeallitasok modell;
  std::unique_ptr<TBeallitasAllapot> allapot;
  std::unique_ptr<TBeallitasokablak> ablak;

  TKornyezet() {
    std::filesystem::create_directories(dir);
    TBeallitasKornyezet k;
    k.ProgramKonyvtar = dir.string();
    k.Office = &office;
    allapot = std::make_unique<TBeallitasAllapot>(modell, k);
    allapot->Letrehozas();  // writes rovas.ini with the defaults
    ablak = std::make_unique<TBeallitasokablak>(*allapot);
    ablak->TelepitettBetukeszletek = [] { return std::vector<std::string>{"Rovasjel jb"}; };
  }
  ~TKornyezet() {
    ablak.reset();
    std::filesystem::remove_all(dir);
  }
};

void BM_Megnyitas(benchmark::State& state) {
  TKornyezet k;
  for (auto _ : state) {
    k.ablak->show();
    QApplication::processEvents();  // the first paint, help label included
    state.PauseTiming();
    k.ablak->hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Megnyitas)->Unit(benchmark::kMillisecond);

void BM_SugoValtas(benchmark::State& state) {
  TKornyezet k;
  k.ablak->show();
  int n = 0;
  for (auto _ : state) {
    // The two longest texts in turn, laid out and drawn.
    k.ablak->SugoMegjelenitese(n++ % 2 ? 12 : 16);
    k.ablak->Sugo()->repaint();
  }
}
BENCHMARK(BM_SugoValtas)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
