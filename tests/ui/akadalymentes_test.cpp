// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive tools see of every window: each control, pane and picture has
// a name, windows are windows, page buttons are page tabs that say which one
// is selected, links are links, and controls that read alike are told apart.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <set>

#include "htmllabel/linkcimke.h"
#include "platform/programdir.h"
#include "ui/image/kepablak.h"
#include "ui/main/foablak.h"
#include "ui/newtext/ujablak.h"
#include "ui/settings/beallitasokablak.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char nev[] = "akadalymentes_test";
  static char* argv[] = {nev, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

QAccessibleInterface* Ai(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
// The name a screen reader on Linux hears: a list is named by the label
// whose buddy it is (its own name is its value there).
QString Nev(QWidget* w) {
  if (qobject_cast<QComboBox*>(w)) {
    for (QLabel* l : w->window()->findChildren<QLabel*>())
      if (l->buddy() == w) return l->text().remove(u'&');
    return {};
  }
  return Ai(w)->text(QAccessible::Name);
}

// Parts Qt builds inside a control (scroll bars, a scroll area's viewport, a
// list's pop-up) belong to that control and are not named on their own.
bool Belso(QWidget* w, QWidget* ablak) {
  if (qobject_cast<QScrollBar*>(w)) return true;
  for (QWidget* s = w->parentWidget(); s && s != ablak; s = s->parentWidget()) {
    // A page tab's picture is part of the tab.
    if (qobject_cast<QComboBox*>(s) || qobject_cast<TLapGomb*>(s)) return true;
    if (auto* terulet = qobject_cast<QAbstractScrollArea*>(s);
        terulet && (w == terulet->viewport() || !terulet->viewport()->isAncestorOf(w)))
      return true;
  }
  return false;
}

// What must carry a name: controls, panes, pictures, custom-drawn widgets.
bool Nevet(QWidget* w) {
  if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
      qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w) ||
      qobject_cast<QGroupBox*>(w))
    return true;
  if (auto* l = qobject_cast<QLabel*>(w))
    return !l->pixmap().isNull() || l->focusPolicy() != Qt::NoFocus;
  // Widgets of the program's own that draw themselves.
  return QByteArray(w->metaObject()->className()).startsWith('T');
}

class AkadalymentesTest : public ::testing::Test {
 protected:
  AkadalymentesTest() {
    App();
    platform::SetProgramDirOverride(mappa.path().toStdString());
    allapot.Letrehozas();
  }
  ~AkadalymentesTest() override { platform::SetProgramDirOverride({}); }

  QTemporaryDir mappa;
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot{modell};
};

TEST_F(AkadalymentesTest, EveryWindowNamesItsParts) {
  TFoablak foablak(modell);
  TUjablak ujablak(&foablak);
  TBeallitasokablak beallitasok(allapot, &foablak);
  TKepAblak kep(&foablak);
  for (QWidget* ablak : std::initializer_list<QWidget*>{&foablak, &ujablak, &beallitasok, &kep}) {
    const QString cim = ablak->windowTitle();
    EXPECT_FALSE(cim.isEmpty());
    const QAccessible::Role szerep = Ai(ablak)->role();
    EXPECT_TRUE(szerep == QAccessible::Window || szerep == QAccessible::Dialog)
        << cim.toStdString() << " role " << szerep;
    for (QWidget* w : ablak->findChildren<QWidget*>()) {
      if (w->window() != ablak || Belso(w, ablak) || !Nevet(w)) continue;
      EXPECT_FALSE(Nev(w).trimmed().isEmpty())
          << cim.toStdString() << ": " << w->metaObject()->className() << " "
          << w->objectName().toStdString();
    }
  }

  // Page tabs with their selected state; links; groups named as they read.
  for (int lap = 1; lap <= 3; ++lap) {
    QAccessibleInterface* a = Ai(beallitasok.LapGomb(lap));
    EXPECT_EQ(a->role(), QAccessible::PageTab);
    EXPECT_EQ(a->state().selected, lap == 1) << lap;
  }
  beallitasok.LapValtas(3);
  EXPECT_TRUE(Ai(beallitasok.LapGomb(3))->state().selected);
  EXPECT_FALSE(Ai(beallitasok.LapGomb(1))->state().selected);
  int linkek = 0;
  for (TLinkCimke* l : beallitasok.findChildren<TLinkCimke*>()) {
    EXPECT_EQ(Ai(l)->role(), QAccessible::Link) << l->text().toStdString();
    EXPECT_EQ(l->focusPolicy(), Qt::StrongFocus);
    ++linkek;
  }
  EXPECT_EQ(linkek, 4);
  EXPECT_EQ(Nev(beallitasok.findChild<QWidget*>(QStringLiteral("GroupBox2"))),
            QString::fromUtf8("Hangzóugratás"));
  EXPECT_EQ(Nev(beallitasok.findChild<QWidget*>(QStringLiteral("LaKHasznalatiMod"))),
            QString::fromUtf8("aK jel használata"));

  // Buttons with the same caption have different names.
  std::set<QString> nevek;
  for (QAbstractButton* b : ujablak.findChildren<QAbstractButton*>())
    EXPECT_TRUE(nevek.insert(Nev(b)).second) << Nev(b).toStdString();
  // Access keys: every button of the main window has one, and no two share it.
  std::set<QChar> betuk;
  for (QAbstractButton* b : foablak.findChildren<QAbstractButton*>()) {
    if (b->window() != &foablak) continue;
    const qsizetype i = b->text().indexOf(u'&');
    ASSERT_GE(i, 0) << b->text().toStdString();
    EXPECT_TRUE(betuk.insert(b->text().at(i + 1).toLower()).second) << b->text().toStdString();
  }
  // The help link of the main window takes the focus.
  TLinkCimke* sugo = foablak.findChild<TLinkCimke*>();
  ASSERT_NE(sugo, nullptr);
  EXPECT_EQ(sugo->focusPolicy(), Qt::StrongFocus);
}

}  // namespace
