// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TKepAblak, "Rováskép létrehozása": turns the rovás text the main window hands
// over into a picture and saves it. The values, their checks and rovaskep.ini's
// format live in kepbeallitasok.h, the layout in elrendezes.h, the drawing in
// rajzolo.h and the files in kepfajl.h. Still decided here, not yet in a
// headless core: which background to load and save, the resize and "text runs
// off the picture" questions, the memory message and the transparent colour;
// the constructor reads rovaskep.ini and the destructor writes it.

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "ui/image/kepbeallitasok.h"
#include "ui/main/kepatadas.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class TKepNezet;

class TKepAblak : public QWidget, public IKepAblak {
  Q_OBJECT

 public:
  // Loads rovaskep.ini from the program directory (FormCreate).
  explicit TKepAblak(QWidget* foablak = nullptr);
  // Writes rovaskep.ini (FormDestroy).
  ~TKepAblak() override;

  // IKepAblak
  bool Lathato() const override { return isVisible(); }
  void SzovegAtadasa(const std::string& szoveg, const std::string& betukeszlet, bool csakFrissites,
                     int irany) override;

  // Operations of the window.
  void Ujrarajzolas();
  void BeepitettHatterBetoltese(int index);
  // False (after the message) when the file cannot be used.
  bool HatterFajlBetoltese(const std::string& utvonal);
  void HatterBeallitasa(QImage kep);
  void Hatter_MegsemClick();
  void MentesClick();

  // The dialogs, replaceable so checks run without them. Paths are file-system bytes.
  std::function<QColor(const QColor& kezdo)> SzinValasztas;
  std::function<std::string()> HatterValasztas;             // empty: cancelled
  std::function<std::string(TKepfajta fajta)> MentesHelye;  // empty: cancelled

  // State, for the program and its checks.
  const TKepBeallitasok& Beallitasok() const { return b_; }
  bool Lelog() const { return lelog_; }
  bool VanSzoveg() const { return vanSzoveg_; }
  int BeepitettHatter() const { return beepitettHatter_; }
  const std::string& SajatHatter() const { return sajatHatter_; }
  const QImage& HatterKep() const { return hatterKep_; }
  TKepNezet* Rajz() const { return rajz_; }
  QLineEdit* Mezo(TSzamMezo mezo) const;
  QComboBox* Betumeret() const { return betumeret_; }
  QCheckBox* Atlatszo() const { return atlatszo_; }
  QRadioButton* Formatum(TKepfajta fajta) const;
  QAbstractButton* JobbrolBalra() const;
  // The whole picture as it would be saved (null when there is no text or no memory).
  QImage Kep() const;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* Eszkozok();  // the tool panel PTeteje
  void Vezerlokbol();   // control states -> b_
  void Vezerlokbe();    // b_ -> control states
  void SzamMezoElhagyasa(TSzamMezo mezo);
  void BetumeretChange(const QString& szoveg);
  void SzinClick(bool betuszin);
  void Hatter_SajatClick();
  void KepfajtaValtozott();
  void SzinJelzo(QFrame* jelzo, unsigned bgr);

  TKepBeallitasok b_;
  std::string szoveg_;
  std::string betukeszletNev_;
  bool vanSzoveg_ = false;
  bool lelog_ = false;
  QImage hatterKep_;
  int beepitettHatter_ = 0;
  std::string sajatHatter_;
  bool iniOlvashatatlan_ = false;  // never overwrite a settings file that could not be read
  bool kozepre_ = false;           // centred on the main window at the first show
  bool betumeretJavitas_ = false;

  QButtonGroup* igazitas_;
  QToolButton* felkover_;
  QToolButton* dolt_;
  QButtonGroup* irany_;
  QFrame* betuszinJelzo_;
  QFrame* hatterszinJelzo_;
  QLineEdit* mezok_[6];
  QCheckBox* elsimitas_;
  QComboBox* betumeret_;
  QButtonGroup* kepfajta_;
  QCheckBox* atlatszo_;
  QButtonGroup* hatterIgazitas_;
  QScrollArea* doboz_;
  TKepNezet* rajz_;
  QStatusBar* lablec_;
};
