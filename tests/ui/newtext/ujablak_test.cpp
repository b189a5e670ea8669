// SPDX-License-Identifier: GPL-3.0-or-later
// The mode chooser: the demonstrations' tables and timings, every clickable
// part of both options, cancelling, and timers that run only while visible.

#include "ui/newtext/ujablak.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/newtext/animacio.h"

namespace {

TEST(UjablakAnimacio, TransliteratorTimerMovesTheCover) {
  TUjablakAnimacio a;
  a.AtrovoTimer();
  EXPECT_EQ(a.Takaro1Left, 17);
  EXPECT_EQ(a.Takaro1Width, 321);
  // The cover moves 3 pixels a tick until it has passed the picture's right
  // edge (14 + 324 = 338), then starts over from the picture's left.
  int tick = 1;
  while (a.Takaro1Left <= 338) {
    a.AtrovoTimer();
    ++tick;
  }
  EXPECT_EQ(tick, 109);
  EXPECT_EQ(a.Takaro1Left, 341);
  a.AtrovoTimer();
  EXPECT_EQ(a.Takaro1Left, 17);
  EXPECT_EQ(a.Takaro1Width, 321);
}

TEST(UjablakAnimacio, CursorSteps) {
  TUjablakAnimacio a;
  const int helyek[] = {127, 104, 86, 61, 45, 15, 127, 104};
  for (int i = 0; i < 8; ++i) {
    a.KurzorMozgatoTimer();
    EXPECT_EQ(a.KurzorLeft, helyek[i]) << i;
    EXPECT_EQ(a.Takaro2Width, helyek[i] - 18) << i;  // -3 at the sixth step: an empty cover
  }
  EXPECT_EQ(a.KurzorLepes, 2);
  a.KurzorVillogtatoTimer();
  EXPECT_FALSE(a.KurzorLathato);
  a.KurzorVillogtatoTimer();
  EXPECT_TRUE(a.KurzorLathato);
}

QApplication& App() {
  static int argc = 1;
  static char nev[] = "ujablak_test";
  static char* argv[] = {nev, nullptr};
  // Never destroyed: tearing Qt down among other statics at exit is not safe.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Opens the dialog modally and runs `tett` inside it; the dialog's result.
int Futtat(TUjablak& u, const std::function<void()>& tett) {
  QTimer::singleShot(0, &u, tett);
  return u.exec();
}

template <class T>
T* Gyerek(TUjablak& u, const QString& szoveg, int index = 0) {
  int i = 0;
  for (T* w : u.findChildren<T*>())
    if (w->text() == szoveg && i++ == index) return w;
  return nullptr;
}

TEST(Ujablak, CaptionsAndSize) {
  App();
  TUjablak u;
  EXPECT_EQ(u.windowTitle(), QString::fromUtf8("Új rovás szöveg"));
  EXPECT_EQ(u.size(), QSize(619, 264));
  EXPECT_NE(Gyerek<QLabel>(u, QString::fromUtf8("Mit szeretnél tenni?")), nullptr);
  EXPECT_NE(Gyerek<QPushButton>(u, QString::fromUtf8("Így legyen"), 1), nullptr);
  QPushButton* beallitasok = Gyerek<QPushButton>(u, QString::fromUtf8("Beállítások..."));
  ASSERT_NE(beallitasok, nullptr);
  EXPECT_FALSE(beallitasok->isEnabled());
  int megnyitva = 0;
  u.SetBeallitasokAblak([&] { ++megnyitva; });
  EXPECT_TRUE(beallitasok->isEnabled());
  // The settings window opens over the dialog, which stays open.
  EXPECT_EQ(Futtat(u,
                   [&] {
                     beallitasok->click();
                     EXPECT_TRUE(u.isVisible());
                     u.reject();
                   }),
            QDialog::Rejected);
  EXPECT_EQ(megnyitva, 1);
}

TEST(Ujablak, EveryClickablePart) {
  App();
  TUjablak u;
  auto kezdetu = [&](const char* eleje) -> QLabel* {
    for (QLabel* l : u.findChildren<QLabel*>())
      if (l->text().startsWith(QString::fromUtf8(eleje))) return l;
    return nullptr;
  };
  QLabel* label2 = kezdetu("Latin betűkkel szöveget írni (vagy a vágólapról beilleszteni).\n");
  QLabel* label3 = kezdetu("Rovás betűkkel szöveget írni. A program segítsen");
  ASSERT_NE(label2, nullptr);
  ASSERT_NE(label3, nullptr);
  struct {
    QWidget* w;
    int valasztas;
  } reszek[] = {
      {label2->parentWidget(), 0},
      {label2, 0},
      {u.Takaro1(), 0},
      {Gyerek<QPushButton>(u, QString::fromUtf8("Így legyen"), 0), 0},
      {label3->parentWidget(), 1},
      {label3, 1},
      {u.Takaro2(), 1},
      {u.Kurzor(), 1},
      {Gyerek<QPushButton>(u, QString::fromUtf8("Így legyen"), 1), 1},
  };
  for (auto& r : reszek) {
    ASSERT_NE(r.w, nullptr);
    // Start from the other choice so each click must set it.
    Futtat(u, [&] { r.valasztas ? u.Lehetoseg1Click() : u.Lehetoseg2Click(); });
    int eredmeny = Futtat(u, [&] {
      QWidget* cel = r.w;
      if (!cel->isVisible()) cel->show();  // the blinking caret may be off
      QTest::mouseClick(cel, Qt::LeftButton, {}, QPoint(0, cel->height() / 2));
    });
    EXPECT_EQ(eredmeny, QDialog::Accepted);
    EXPECT_EQ(u.Valasztas(), r.valasztas);
  }
}

TEST(Ujablak, CancelKeepsTheChoice) {
  App();
  TUjablak u;
  Futtat(u, [&] { u.Lehetoseg2Click(); });
  EXPECT_EQ(Futtat(u, [&] { QTest::keyClick(&u, Qt::Key_Escape); }), QDialog::Rejected);
  EXPECT_EQ(u.Valasztas(), 1);
  EXPECT_EQ(Futtat(u, [&] { Gyerek<QPushButton>(u, QString::fromUtf8("Mégsem"))->click(); }),
            QDialog::Rejected);
  EXPECT_EQ(u.Valasztas(), 1);
}

TEST(Ujablak, EnterDoesNotChooseThereIsNoDefaultButton) {
  App();
  TUjablak u;
  Futtat(u, [&] { u.Lehetoseg2Click(); });
  EXPECT_EQ(Futtat(u,
                   [&] {
                     QWidget* fokusz = u.focusWidget() ? u.focusWidget() : &u;
                     QTest::keyClick(fokusz, Qt::Key_Return);
                     QTest::keyClick(fokusz, Qt::Key_Enter, Qt::KeypadModifier);
                     if (u.isVisible()) QTest::keyClick(&u, Qt::Key_Escape);
                   }),
            QDialog::Rejected);
  EXPECT_EQ(u.Valasztas(), 1);
}

TEST(Ujablak, AnimationOnlyWhileVisible) {
  App();
  TUjablak u;
  EXPECT_FALSE(u.AtrovoIdozito()->isActive());
  EXPECT_EQ(u.AtrovoIdozito()->interval(), 50);
  EXPECT_EQ(u.KurzorMozgatoIdozito()->interval(), 1200);
  EXPECT_EQ(u.KurzorVillogtatoIdozito()->interval(), 500);
  u.show();
  EXPECT_TRUE(u.AtrovoIdozito()->isActive());
  EXPECT_TRUE(u.KurzorMozgatoIdozito()->isActive());
  EXPECT_TRUE(u.KurzorVillogtatoIdozito()->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(u.Animacio().Takaro1Left > 14, 2000);
  EXPECT_EQ(u.Takaro1()->geometry().left(), u.Animacio().Takaro1Left);
  EXPECT_EQ(u.Takaro1()->width(), u.Animacio().Takaro1Width);
  u.hide();
  EXPECT_FALSE(u.AtrovoIdozito()->isActive());
  EXPECT_FALSE(u.KurzorMozgatoIdozito()->isActive());
  EXPECT_FALSE(u.KurzorVillogtatoIdozito()->isActive());
  // Steps continue where they stopped.
  const int hol = u.Animacio().Takaro1Left;
  u.AtrovoTimer();
  EXPECT_EQ(u.Animacio().Takaro1Left, hol + 3);
  for (int i = 0; i < 6; ++i) u.KurzorMozgatoTimer();
  EXPECT_EQ(u.Kurzor()->x(), 15);
  EXPECT_EQ(u.Takaro2()->width(), 0);  // -3: empty
}

}  // namespace
