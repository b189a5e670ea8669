// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TBeallitasokablak: the settings window "Rovás beállítások", a thin view over
// TBeallitasAllapot. Every control is named after its rovas.ini key, and the
// settings schema binds the controls to the state by those names; the window
// only copies values across and shows what the state answers.

#include <QDialog>
#include <QTimer>
#include <array>
#include <string>

#include "htmllabel/linkcimke.h"
#include "ui/settings/beallitasallapot.h"
#include "ui/settings/sugo.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class THtmlCimke;

class TBeallitasokablak : public QDialog {
  Q_OBJECT

 public:
  // The state must already be created (TBeallitasAllapot::Letrehozas).
  explicit TBeallitasokablak(TBeallitasAllapot& allapot, QWidget* szulo = nullptr);

  // The help text shown now (-1 before the first) and its label.
  int SugoIndex() const { return sugoIndex_; }
  THtmlCimke* Sugo() const { return sugo_; }
  int Lap() const { return lap_; }
  TLapGomb* LapGomb(int lap) const { return lapGombok_[static_cast<size_t>(lap - 1)]; }

  // The page buttons' colours.
  static constexpr QRgb kAktualis = 0xC1D2EE, kEgerAlatt = 0xE0E8F6, kMas = 0xFFFFFF;

  // Shows help `n` (nothing when it is shown already).
  void SugoMegjelenitese(int n);
  // The mouse watch: the help of the option under the screen point.
  void EgerFigyeles(QPoint globalis);
  void LapValtas(int lap);
  void LapEgerAlatt(int lap, bool alatta);

  // "Mik ezek?": opens szo.xml through the desktop, or says why it cannot.
  void MikEzek();

  // Installed font families for the font list of help 1 (tests replace it).
  std::function<std::vector<std::string>()> TelepitettBetukeszletek;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void done(int eredmeny) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Letrehozas();
  void VezerlokBe();  // state -> controls
  void VezerlokKi();  // controls -> state
  void Engedelyezes();
  void BetukeszletValtozas();
  void Rendben();
  void Alaphelyzet();
  void FrissitesMost();
  // A rule field at the length rovas.ini keeps: the note says so.
  void KorlatJelzes();
  QWidget* Vezerlo(std::string_view nev) const;

  TBeallitasAllapot& allapot_;
  std::array<std::string, kSugoSzam> sugok_;
  int sugoIndex_ = -1;
  int lap_ = 1;
  std::array<TLapGomb*, 3> lapGombok_{};
  std::array<QWidget*, 3> lapok_{};
  QWidget* pAlapBal_ = nullptr;
  QWidget* groupBox1_ = nullptr;
  QWidget* groupBox2_ = nullptr;
  QScrollArea* gorgeto_ = nullptr;
  THtmlCimke* sugo_ = nullptr;
  QLabel* cSzavakSzama_ = nullptr;
  QLabel* lKorlat_ = nullptr;  // says why a rule field takes no more
  QPushButton* gRendben_ = nullptr;
  QTimer egerFigyelo_;
  bool betoltes_ = false;  // controls being filled: their change events wait
};
