// SPDX-License-Identifier: GPL-3.0-or-later
// The help label's re-layout: the longest prepared help text of the settings
// window at the label's width (338), with Qt's fonts, and its drawing.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>

#include "htmllabel/minihtml.h"
#include "htmllabel/qtrajz.h"
#include "ui/settings/sugo.h"

namespace {

std::string Leghosszabb() {
  const auto sugok = SugokElokeszitese();
  return *std::max_element(sugok.begin(), sugok.end(),
                           [](const auto& a, const auto& b) { return a.size() < b.size(); });
}

void BM_Elrendezes(benchmark::State& state) {
  minihtml::TQtMero mero;
  minihtml::TMiniHtml m(mero);
  m.SetHtml(Leghosszabb());
  m.Elrendezes(338);  // font metrics cached, as in the running label
  for (auto _ : state) benchmark::DoNotOptimize(m.Elrendezes(338));
  state.counters["objects"] = static_cast<double>(m.Objektumok().size());
  state.counters["height"] = m.TartalomMagassag();
}
BENCHMARK(BM_Elrendezes)->Unit(benchmark::kMicrosecond);

void BM_ElrendezesEsRajz(benchmark::State& state) {
  minihtml::TQtMero mero;
  minihtml::TMiniHtml m(mero);
  m.SetHtml(Leghosszabb());
  for (auto _ : state) {
    QImage kep = minihtml::Kep(m, 338);
    minihtml::KulcsCsere(kep, Qt::white);
    benchmark::DoNotOptimize(kep.bits());
  }
}
BENCHMARK(BM_ElrendezesEsRajz)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
