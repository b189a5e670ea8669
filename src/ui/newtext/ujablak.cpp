// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/newtext/ujablak.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "platform/qt/kodolas.h"
#include "platform/qt/rendszer.h"
#include "platform/win1250.h"

using namespace win1250::literals;
using qtkodolas::ToQ;

namespace {

QLabel* Kep(const char* eroforras, int x, int y, int w, int h, QWidget* szulo) {
  auto* kep = new QLabel(szulo);
  kep->setGeometry(x, y, w, h);
  kep->setScaledContents(true);
  EroforrasKepBetoltese(eroforras, kep);
  return kep;
}

QWidget* Takaro(int x, int y, int w, int h, QWidget* szulo) {
  auto* takaro = new QWidget(szulo);
  takaro->setGeometry(x, y, w, h);
  takaro->setAutoFillBackground(true);  // the dialog's own colour
  return takaro;
}

QFrame* Panel(int x, int y, QWidget* szulo) {
  auto* panel = new QFrame(szulo);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(x, y, 465, 108);
  panel->setCursor(Qt::PointingHandCursor);
  return panel;
}

QLabel* Magyarazat(const char* szoveg, QWidget* szulo) {
  auto* cimke = new QLabel(ToQ(szoveg), szulo);
  QFont f = cimke->font();
  f.setItalic(true);
  cimke->setFont(f);
  cimke->setWordWrap(true);
  cimke->setGeometry(14, 6, 440, 40);
  cimke->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return cimke;
}

}  // namespace

TUjablak::TUjablak(QWidget* szulo) : QDialog(szulo) {
  setWindowTitle(ToQ("Új rovás szöveg"_hu));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(619, 264);
  QFont betu(QStringLiteral("Verdana"));
  betu.setPixelSize(13);
  setFont(betu);

  auto* label1 = new QLabel(ToQ("Mit szeretnél tenni?"_hu), this);
  QFont kerdes = betu;
  kerdes.setPixelSize(17);
  kerdes.setBold(true);
  kerdes.setItalic(true);
  label1->setFont(kerdes);
  label1->setGeometry(8, 6, 465, 26);

  QLabel* image2 = Kep("OSSZEFOG", 483, 36, 128, 128, this);
  image2->setToolTip(ToQ("Összefogás!"_hu));
  image2->setAccessibleName(ToQ("Összefogás!"_hu));

  panel1_ = Panel(8, 36, this);
  label2_ = Magyarazat(
      "Latin betűkkel szöveget írni (vagy a vágólapról beilleszteni).\n"
      "A program végezze el az átrovást, amit a vágólapra másolhatok."_hu,
      panel1_);
  label2_->setWordWrap(false);
  image1_ = Kep("ROVAS1", 14, 53, 324, 46, panel1_);
  image1_->setAccessibleName(ToQ("Latin szöveg átrovása"_hu));
  takaro1_ = Takaro(14, 51, 324, 48, panel1_);
  button1_ = new QPushButton(ToQ("Így legyen"_hu), panel1_);
  button1_->setGeometry(352, 62, 100, 27);

  panel2_ = Panel(8, 150, this);
  label3_ = Magyarazat(
      "Rovás betűkkel szöveget írni. A program segítsen a szöveg "
      "jobbról-balra írásában és a vágólapra másolásban."_hu,
      panel2_);
  image3_ = Kep("ROVAS2", 18, 53, 109, 31, panel2_);
  image3_->setAccessibleName(ToQ("Rovás szöveg írása"_hu));
  takaro2_ = Takaro(18, 48, 109, 39, panel2_);
  kurzor_ = Kep("KURZOR", 127, 53, 1, 31, panel2_);
  kurzor_->setCursor(Qt::PointingHandCursor);
  kurzor_->setAccessibleName(ToQ("Szövegkurzor"_hu));
  button2_ = new QPushButton(ToQ("Így legyen"_hu), panel2_);
  button2_->setGeometry(352, 62, 100, 27);
  // The two buttons read alike: screen readers hear which panel each chooses.
  panel1_->setAccessibleName(ToQ("Latin betűs szöveg"_hu));
  panel2_->setAccessibleName(ToQ("Rovás"_hu));
  button1_->setAccessibleName(ToQ("Így legyen: Latin betűs szöveg"_hu));
  button2_->setAccessibleName(ToQ("Így legyen: Rovás"_hu));

  bBeallitasok_ = new QPushButton(ToQ("Beállítások..."_hu), this);
  bBeallitasok_->setGeometry(483, 196, 128, 27);
  bBeallitasok_->setEnabled(false);  // until the settings window exists
  bMegsem_ = new QPushButton(ToQ("Mégsem"_hu), this);
  bMegsem_->setGeometry(483, 228, 128, 27);

  for (QWidget* w : {static_cast<QWidget*>(panel1_), static_cast<QWidget*>(label2_),
                     static_cast<QWidget*>(image1_), takaro1_, static_cast<QWidget*>(panel2_),
                     static_cast<QWidget*>(label3_), static_cast<QWidget*>(image3_),
                     static_cast<QWidget*>(kurzor_), takaro2_})
    w->installEventFilter(this);
  connect(button1_, &QPushButton::clicked, this, &TUjablak::Lehetoseg1Click);
  connect(button2_, &QPushButton::clicked, this, &TUjablak::Lehetoseg2Click);
  connect(bBeallitasok_, &QPushButton::clicked, this, &TUjablak::BBeallitasokClick);
  connect(bMegsem_, &QPushButton::clicked, this, &QDialog::reject);

  kurzorVillogtato_.setInterval(500);
  kurzorMozgato_.setInterval(1200);
  atrovo_.setInterval(50);
  connect(&kurzorVillogtato_, &QTimer::timeout, this, &TUjablak::KurzorVillogtatoTimer);
  connect(&kurzorMozgato_, &QTimer::timeout, this, &TUjablak::KurzorMozgatoTimer);
  connect(&atrovo_, &QTimer::timeout, this, &TUjablak::AtrovoTimer);

  panel1_->setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(panel1_);
  Megjelenit();
}

void TUjablak::SetBeallitasokAblak(std::function<void()> megjelenites) {
  beallitasokMegjelenitese_ = std::move(megjelenites);
  bBeallitasok_->setEnabled(static_cast<bool>(beallitasokMegjelenitese_));
}

void TUjablak::Lehetoseg1Click() {
  valasztas_ = 0;
  accept();
}

void TUjablak::Lehetoseg2Click() {
  valasztas_ = 1;
  accept();
}

void TUjablak::BBeallitasokClick() {
  if (beallitasokMegjelenitese_) beallitasokMegjelenitese_();
}

void TUjablak::AtrovoTimer() {
  animacio_.AtrovoTimer();
  Megjelenit();
}

void TUjablak::KurzorMozgatoTimer() {
  animacio_.KurzorMozgatoTimer();
  Megjelenit();
}

void TUjablak::KurzorVillogtatoTimer() {
  animacio_.KurzorVillogtatoTimer();
  Megjelenit();
}

void TUjablak::Megjelenit() {
  const TUjablakAnimacio& a = animacio_;
  // A negative width (the caret's last step) is an empty cover.
  takaro1_->setGeometry(a.Takaro1Left, 51, std::max(0, a.Takaro1Width), 48);
  takaro2_->setGeometry(a.Takaro2Left, 48, std::max(0, a.Takaro2Width), 39);
  kurzor_->move(a.KurzorLeft, 53);
  kurzor_->setVisible(a.KurzorLathato);
  kurzor_->raise();
}

void TUjablak::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* kepernyo = screen())  // centred on the screen, not on its parent
    move(kepernyo->availableGeometry().center() - rect().center());
  panel1_->setFocus();
  kurzorVillogtato_.start();
  kurzorMozgato_.start();
  atrovo_.start();
}

void TUjablak::hideEvent(QHideEvent* e) {
  kurzorVillogtato_.stop();
  kurzorMozgato_.stop();
  atrovo_.stop();
  QDialog::hideEvent(e);
}

void TUjablak::keyPressEvent(QKeyEvent* e) {
  // A focused button has taken its own Enter before the dialog sees it.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

bool TUjablak::eventFilter(QObject* obj, QEvent* e) {
  if (e->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    const bool egyes = obj == panel1_ || obj == label2_ || obj == image1_ || obj == takaro1_;
    if (egyes || obj == panel2_ || obj == label3_ || obj == image3_ || obj == kurzor_ ||
        obj == takaro2_) {
      if (egyes)
        Lehetoseg1Click();
      else
        Lehetoseg2Click();
      return true;
    }
  }
  return QDialog::eventFilter(obj, e);
}
