// One keystroke in the Latin pane of a large document with automatic
// transliteration on: the pane's change, the whole-text transliteration and
// the update of the rovás pane, as the main window does them (offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <memory>
#include <string>

#include "engine/beallitasok.h"
#include "platform/qt/kodolas.h"
#include "ui/main/foablak.h"
#include "ui/main/rovaspanel.h"
#include "ui/settings/beallitasallapot.h"

namespace {

const char* kProza =
    "A rov\u00e1s\u00edr\u00e1s a magyars\u00e1g \u0151si \u00edr\u00e1sa, amelyet a "
    "sz\u00e9kelyek sok\u00e1ig meg\u0151riztek (12 k\u00f6nyv, 1598. 3. 15.).\n"
    "Gyakran k\u00e9rdezik, hogyan kell a kett\u0151s bet\u0171ket \u00edrni: a cs, gy, ly, "
    "ny, sz, ty \u00e9s zs egyetlen jellel szerepel, de az igazs\u00e1g sz\u00f3ban "
    "k\u00e9t k\u00fcl\u00f6n hangot jel\u00f6l.\n";

QApplication& App() {
  static int argc = 1;
  static char nev[] = "bench_gepeles";
  static char* argv[] = {nev, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Arg: the document size in bytes; arg 1: every option on (a font with
// ligatures and pictographs, numbers, vowel skipping).
void BM_Billentyu(benchmark::State& state) {
  App();
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot(modell);
  allapot.Alaphelyzet();
  if (state.range(1)) {
    allapot.KulcsBeallitasa("LBetukeszlet", "Rovas Kiterjesztett JB");
    for (const char* k : {"POsszerovas", "PKepjelek", "PSzamok"}) allapot.KulcsBeallitasa(k, "1");
    allapot.KulcsBeallitasa("LHModszer", "4");
    allapot.KulcsBeallitasa("LHHatokor", "2");
  }
  allapot.Alkalmaz();
  allapot.BetukeszletValtozas();
  TFoablak ablak(modell);
  ablak.SetBeallitasAllapot(&allapot);
  const QString proza = QString::fromUtf8(kProza);
  QString szoveg;
  while (szoveg.size() < state.range(0)) szoveg += proza;
  ablak.MLatin()->setPlainText(szoveg);  // one whole transliteration
  QTextCursor c(ablak.MLatin()->document());
  c.setPosition(static_cast<int>(szoveg.size() / 2));
  bool beir = true;
  for (auto _ : state) {
    // Typing and deleting in turn keeps the document as it is.
    if (beir) {
      c.insertText(QStringLiteral("s"));
    } else {
      c.deletePreviousChar();
    }
    beir = !beir;
  }
  state.counters["rovas_kb"] =
      static_cast<double>(ablak.MRovas()->document()->characterCount()) / 1024;
}
BENCHMARK(BM_Billentyu)
    ->Args({100 << 10, 0})
    ->Args({1 << 20, 0})
    ->Args({1 << 20, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
