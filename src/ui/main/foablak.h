// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFoablak: the main window. Latin text mode (0) shows the Latin pane MLatin
// above the read-only rovás pane MRovas and transliterates live; direct rovás
// mode (1) hides the Latin pane and lets the user type into MRovas, helped by
// the typing helper. The window owns the engine and the typing rule round.

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "app/valtozat.h"
#include "engine/karvo.h"
#include "engine/rovo.h"
#include "platform/qt/vagolap.h"
#include "ui/main/foablakmag.h"
#include "ui/main/gepeles.h"
#include "ui/main/kepatadas.h"
#include "ui/main/letoltesidozito.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class TRovasPanel;
class TUjablak;
class TBeallitasAllapot;

// A label styled as a link that reports clicks.
class TLinkCimke;

class TFoablak : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kValtozat = " " TOLLNOK_VALTOZAT;

  explicit TFoablak(TRovasBeallitasok& beallitasok, QWidget* szulo = nullptr);
  ~TFoablak() override;

  // Hand-over points, set at start-up in the order the windows are created.
  void SetUjablak(TUjablak* ujablak) { ujablak_ = ujablak; }
  // The settings window's state: the Office box, the automatic download and the download itself.
  void SetBeallitasAllapot(TBeallitasAllapot* allapot) { beallitasAllapot_ = allapot; }
  // The settings window: "Beállítások..." is enabled once it exists.
  void SetBeallitasokAblak(std::function<void()> megjelenites);
  // The image window: "Rováskép létrehozása..." is enabled once it exists.
  void SetKepAblak(IKepAblak* kepAblak);

  // Operations of the window.
  void BUjRovasClick();
  void BBeallitasokClick();
  void BeallitasokAlkalmazasa();
  void LatinAtrovasa();
  void BKepClick(bool kuldo);
  void MasolClick();
  void MIUnicodeMasolasClick();
  void LSugoClick();
  void TimerLetoltesTimer();

  // State, for the program and its checks.
  const TFoablakAllapot& Allapot() const { return mag_.Allapot(); }
  const TLetoltesIdozito& LetoltesIdozito() const { return idozito_; }
  QPlainTextEdit* MLatin() const { return mLatin_; }
  TRovasPanel* MRovas() const { return mRovas_; }
  QCheckBox* POnmukodo() const { return pOnmukodo_; }
  QWidget* PLatin() const { return pLatin_; }
  QPushButton* BBeallitasok() const { return bBeallitasok_; }
  QPushButton* BKep() const { return bKep_; }
  QTimer* Nyito() { return &nyito_; }
  QTimer* TimerLetoltes() { return &timerLetoltes_; }
  TGepelesSegito& Segito() { return *segito_; }
  // The clipboard the window writes to (tests put a fake in).
  void SetVagolap(IVagolap* vagolap) { mag_.SetVagolap(*vagolap); }

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void VezerlokLetrehozasa();
  void Elrendezes();
  void Bekotes();
  // A change of the Latin pane: `pozicio` and `beirt` as the document reports them.
  void MLatinChange(int pozicio, int beirt);
  // The image window shown follows the text.
  void KepKovetes();
  // Runs `muvelet`; an error from the engine goes to the standard error box.
  bool Vedett(const std::function<void()>& muvelet);
  // The same under the wait cursor, which is gone before an error box shows.
  bool HomokoraAlatt(const std::function<void()>& muvelet);

  TRovasBeallitasok& beallitasok_;
  TQtVagolap qtVagolap_;
  TFoablakMag mag_;
  TLetoltesIdozito idozito_;

  TUjablak* ujablak_ = nullptr;
  TBeallitasAllapot* beallitasAllapot_ = nullptr;
  std::function<void()> beallitasokMegjelenitese_;
  IKepAblak* kepAblak_ = nullptr;

  QPushButton* bUjRovas_;
  QPushButton* bBeallitasok_;
  QPushButton* bMasol_;
  QPushButton* bKep_;
  TLinkCimke* lSugo_;
  QLabel* image1_;
  QWidget* pLatin_;
  QLabel* latinCimke_;
  QCheckBox* pOnmukodo_;
  QPushButton* bLatinAtrovasa_;
  QPlainTextEdit* mLatin_;
  QSplitter* splitter1_;
  TRovasPanel* mRovas_;
  QTimer nyito_;
  QTimer timerLetoltes_;

  std::unique_ptr<TGepelesSegito> segito_;
};
