// SPDX-License-Identifier: GPL-3.0-or-later
// Redrawing a rovás picture of a 2,000-word text: the whole picture (what a
// save draws) at 400 x 300 and 4,000 x 3,000, and the preview's refresh of a
// huge picture, which lays out the whole text but draws only what is on screen.

#include <benchmark/benchmark.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <random>
#include <string>

#include "ui/image/rajzolo.h"

namespace {

QGuiApplication& App() {
  static int argc = 1;
  static char nev[] = "image_bench";
  static char* argv[] = {nev, nullptr};
  static QGuiApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QGuiApplication(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(ROVAS_FONT_DIR "/Rovasjel-jb.ttf"));
    return a;
  }();
  return *app;
}

// 2,000 words of 1 to 9 rovás letters, a line break after every 40th word.
std::string Szoveg() {
  std::mt19937 gen(12);
  const std::string betuk = "abcdefghijklmnoprstuvzCGLNSTZK\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB";
  std::string s;
  for (int i = 0; i < 2000; ++i) {
    const int hossz = 1 + static_cast<int>(gen() % 9);
    for (int k = 0; k < hossz; ++k) s += betuk[gen() % betuk.size()];
    s += (i + 1) % 40 == 0 ? "\r\n" : " ";
  }
  return s;
}

TKepBeallitasok Beallitasok(int w, int h) {
  TKepBeallitasok b;
  b.Szelesseg = w;
  b.Magassag = h;
  b.Igazitas = TIgazitas::Sorkizart;
  return b;
}

// Arguments: width, height, with the wood background (0/1).
void BM_TeljesKep(benchmark::State& state) {
  App();
  const std::string szoveg = Szoveg();
  const TKepBeallitasok b = Beallitasok(int(state.range(0)), int(state.range(1)));
  const QImage hatter = state.range(2) ? BeepitettHatterKep(1) : QImage();
  for (auto _ : state) {
    const TKepRajzolo r(szoveg, "Rovasjel jb", b, true, &hatter);
    benchmark::DoNotOptimize(r.Teljes());
  }
}
BENCHMARK(BM_TeljesKep)
    ->Args({400, 300, 0})
    ->Args({400, 300, 1})
    ->Args({4000, 3000, 0})
    ->Args({4000, 3000, 1})
    ->Unit(benchmark::kMillisecond);

// The preview's refresh: layout of the whole text, drawing of a 640 x 300 view.
void BM_Elonezet(benchmark::State& state) {
  App();
  const std::string szoveg = Szoveg();
  const TKepBeallitasok b = Beallitasok(int(state.range(0)), int(state.range(1)));
  const QImage hatter = BeepitettHatterKep(1);
  for (auto _ : state) {
    const TKepRajzolo r(szoveg, "Rovasjel jb", b, true, &hatter);
    benchmark::DoNotOptimize(r.Resz(QRect(0, 0, 640, 300)));
  }
}
BENCHMARK(BM_Elonezet)->Args({4000, 3000})->Args({20000, 20000})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
