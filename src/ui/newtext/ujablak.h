// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TUjablak: the modal "Új rovás szöveg" dialog that asks how a new text is
// written: Latin letters transliterated by the program (choice 0) or rovás
// typed directly (choice 1). Each option is a clickable panel with a looping
// demonstration; the animations run only while the dialog is visible.

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "ui/newtext/animacio.h"

class QFrame;
class QLabel;
class QPushButton;

class TUjablak : public QDialog {
  Q_OBJECT

 public:
  explicit TUjablak(QWidget* szulo = nullptr);

  // The last choice; kept between showings, read after an accepted dialog.
  uint8_t Valasztas() const { return valasztas_; }

  // The settings window: "Beállítások..." is enabled once it exists.
  void SetBeallitasokAblak(std::function<void()> megjelenites);

  void Lehetoseg1Click();
  void Lehetoseg2Click();
  void BBeallitasokClick();
  void KurzorVillogtatoTimer();
  void KurzorMozgatoTimer();
  void AtrovoTimer();

  // For checks.
  const TUjablakAnimacio& Animacio() const { return animacio_; }
  QWidget* Takaro1() const { return takaro1_; }
  QWidget* Takaro2() const { return takaro2_; }
  QLabel* Kurzor() const { return kurzor_; }
  QTimer* AtrovoIdozito() { return &atrovo_; }
  QTimer* KurzorMozgatoIdozito() { return &kurzorMozgato_; }
  QTimer* KurzorVillogtatoIdozito() { return &kurzorVillogtato_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  // The dialog has no default button: Enter does nothing unless a button has the focus.
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  void Megjelenit();  // copies the animation state onto the widgets

  uint8_t valasztas_ = 0;
  TUjablakAnimacio animacio_;
  std::function<void()> beallitasokMegjelenitese_;

  QFrame* panel1_;
  QLabel* label2_;
  QLabel* image1_;
  QWidget* takaro1_;
  QPushButton* button1_;
  QFrame* panel2_;
  QLabel* label3_;
  QLabel* image3_;
  QLabel* kurzor_;
  QWidget* takaro2_;
  QPushButton* button2_;
  QPushButton* bBeallitasok_;
  QPushButton* bMegsem_;
  QTimer kurzorVillogtato_;
  QTimer kurzorMozgato_;
  QTimer atrovo_;
};
