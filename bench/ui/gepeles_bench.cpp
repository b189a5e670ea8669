// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke in a large document, as the main window handles it
// (offscreen): in Latin text mode with automatic transliteration on, the Latin
// pane's change, the transliteration and the update of the rovás pane; in
// direct rovás mode, the key through the typing helper into the rovás pane.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <memory>
#include <string>

#include "engine/beallitasok.h"
#include "platform/qt/kodolas.h"
#include "ui/main/foablak.h"
#include "ui/main/rovaspanel.h"
#include "ui/newtext/ujablak.h"
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

// Arg 0: the document size in bytes; arg 1: 0 the defaults, 1 every option
// (numbers, vowel skipping by harmony over the whole text, ligatures and
// pictographs) on the default font, 2 the same on a font with ligatures and
// pictographs, whose aK rule reads across line ends, so every keystroke
// transliterates the whole text.
void BM_Billentyu(benchmark::State& state) {
  App();
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot(modell);
  allapot.Alaphelyzet();
  if (state.range(1)) {
    allapot.KulcsBeallitasa("PSzamok", "1");
    allapot.KulcsBeallitasa("LHModszer", "4");
    allapot.KulcsBeallitasa("LHHatokor", "2");
  }
  allapot.Alkalmaz();
  allapot.BetukeszletValtozas();
  if (state.range(1)) {
    // The settings window offers these only for fonts that have them.
    if (state.range(1) == 2) {
      modell.SetBetukeszlet("Rovas Kiterjesztett JB");
      modell.SetBetuKepesseg(std::make_unique<TBetuKepesseg>("Rovas Kiterjesztett JB"));
    }
    modell.SetOsszerovas(true);
    modell.SetKepjelek(true);
    modell.SetMelyK(true);
  }
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
    ->Args({1 << 20, 2})
    ->Unit(benchmark::kMillisecond);

// A letter typed and deleted in turn in the middle of a 1 MB rovás document
// (direct rovás mode, right to left, the typing rules on).
void BM_RovasBillentyu(benchmark::State& state) {
  App();
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot(modell);
  allapot.Alaphelyzet();
  allapot.Alkalmaz();
  allapot.BetukeszletValtozas();
  TFoablak ablak(modell);
  ablak.SetBeallitasAllapot(&allapot);
  TUjablak ujablak(&ablak);  // "Új..." picks direct rovás mode
  ablak.SetUjablak(&ujablak);
  QTimer::singleShot(0, &ujablak, [&] { ujablak.Lehetoseg2Click(); });
  ablak.BUjRovasClick();
  TRovasPanel* panel = ablak.MRovas();
  const QString sor = QString::fromUtf8("Ckl ks rv sGr ZN ldZnG rtlS tk ptr\n");
  QString szoveg;
  while (szoveg.size() < state.range(0)) szoveg += sor;
  panel->setPlainText(szoveg);
  QTextCursor c(panel->document());
  c.setPosition(static_cast<int>(szoveg.size() / 2));
  panel->setTextCursor(c);
  bool beir = true;
  if (ablak.Allapot().Mod != TMod::Rovas) state.SkipWithError("not in direct rovas mode");
  for (auto _ : state) {
    const int kod = beir ? Qt::Key_S : Qt::Key_Backspace;
    QKeyEvent le(QEvent::KeyPress, kod, Qt::NoModifier, beir ? QStringLiteral("s") : QString());
    QApplication::sendEvent(panel, &le);
    QKeyEvent fel(QEvent::KeyRelease, kod, Qt::NoModifier);
    QApplication::sendEvent(panel, &fel);
    beir = !beir;
  }
}
BENCHMARK(BM_RovasBillentyu)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
