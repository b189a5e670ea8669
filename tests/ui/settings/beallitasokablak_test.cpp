// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window over its state: the enabling table as the controls
// show it, OK / Cancel / reset and rovas.ini, the help under the mouse, the
// page buttons and the installed-font list of the font help.

#include "ui/settings/beallitasokablak.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <map>

#include "htmllabel/htmlcimke.h"
#include "platform/qt/uzenet.h"
#include "platform/win1250.h"
#include "segedek.h"

using namespace win1250::literals;

namespace {

QApplication& App() {
  static int argc = 1;
  static char nev[] = "ablak_test";
  static char* argv[] = {nev, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

class BeallitasokablakTest : public ::testing::Test {
 protected:
  BeallitasokablakTest() {
    App();
    allapot.Letrehozas();
    ablak = std::make_unique<TBeallitasokablak>(allapot);
    ablak->TelepitettBetukeszletek = [this] { return telepitett; };
    uzenet::SetValaszolo([this](const uzenet::TDoboz& d) {
      dobozok.push_back(d.szoveg);
      return valasz;
    });
    ablak->show();
  }
  ~BeallitasokablakTest() override { uzenet::SetValaszolo({}); }

  template <class T = QWidget>
  T* W(const char* nev) {
    T* w = ablak->findChild<T*>(QString::fromLatin1(nev));
    EXPECT_NE(w, nullptr) << nev;
    return w;
  }
  void Kattint(const char* nev) { W<QAbstractButton>(nev)->click(); }
  void Mutat(QWidget* w) { ablak->EgerFigyeles(w->mapToGlobal(w->rect().center())); }

  HttpSzerver szerver;
  TempKonyvtar dir;
  platform::FixedOfficeRegistry office{std::vector<std::string>{}};
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot{modell, Kornyezet()};
  TBeallitasKornyezet Kornyezet() {
    TBeallitasKornyezet k;
    k.ProgramKonyvtar = dir.Ut();
    k.Office = &office;
    k.HonlapCim = szerver.Cim();  // a download would show here
    return k;
  }
  std::unique_ptr<TBeallitasokablak> ablak;
  std::vector<std::string> telepitett;
  std::vector<std::string> dobozok;
  bool valasz = false;
};

TEST_F(BeallitasokablakTest, EnablingFollowsTheControls) {
  for (const TEngedelyezettVezerlo& v : EngedelyezettVezerlok())
    EXPECT_NE(ablak->findChild<QWidget*>(QString::fromLatin1(v.nev)), nullptr) << v.nev;
  struct Eset {
    const char* leiras;
    std::function<void()> tett;
    std::map<std::string, bool> vart;
  };
  const Eset esetek[] = {
      {"a font with aK and digits",
       [&] {
         modell.SetBetuKepesseg(std::make_unique<TBetuKepesseg>("Rov Ludtoll"));
         Kattint("PSzamok");
         Kattint("PSzamok");
       },
       {{"LBetukeszlet", true},
        {"PMelyK", true},
        {"LaKHasznalatiMod", true},
        {"PKiterjesztettBetuk", false},
        {"SzEElsoKor", false},
        {"PSzamokBJ", true},
        {"LHHatokor", false},
        {"PHIsmetlodoEgyesit", false},
        {"LMeret", true}}},
      {"custom on",
       [&] { Kattint("PEgyeniBeallitasok"); },
       {{"LBetukeszlet", false},
        {"LIrany", false},
        {"PMelyK", false},
        {"PKiterjesztettBetuk", false},
        {"LaKHasznalatiMod", false},
        {"SzEElsoKor", true},
        {"LESzovegirany", true},
        {"SzEGepeleskor", true},
        {"PKivetelesSzavak", true}}},
      {"custom off again",
       [&] { Kattint("PEgyeniBeallitasok"); },
       {{"LBetukeszlet", true}, {"PMelyK", true}, {"SzEElsoKor", false}}},
      {"numbers on", [&] { Kattint("PSzamok"); }, {{"PSzamokBJ", false}}},
      {"numbers off", [&] { Kattint("PSzamok"); }, {{"PSzamokBJ", true}}},
      {"aK off", [&] { Kattint("PMelyK"); }, {{"LaKHasznalatiMod", false}}},
      {"method: every vowel",
       [&] { W<QComboBox>("LHModszer")->setCurrentIndex(5); },
       {{"LHHatokor", false},
        {"PHIsmetlodoEgyesit", true},
        {"PHHosszutRovidit", false},
        {"PHKezdoEKihagy", false}}},
      {"method: repeated vowel",
       [&] { W<QComboBox>("LHModszer")->setCurrentIndex(3); },
       {{"LHHatokor", true},
        {"PHIsmetlodoEgyesit", true},
        {"PHHosszutRovidit", true},
        {"PHKezdoEKihagy", true}}},
      {"method: off",
       [&] { W<QComboBox>("LHModszer")->setCurrentIndex(0); },
       {{"LHHatokor", false},
        {"PHIsmetlodoEgyesit", false},
        {"PHHosszutRovidit", false},
        {"PHKezdoEKihagy", false},
        {"LHModszer", true}}},
      {"a selectable font without aK and digits",
       [&] { W<QComboBox>("LBetukeszlet")->setCurrentText(QStringLiteral("Osi betusor bj")); },
       {{"PMelyK", false}, {"PSzamok", true}, {"PSzamokBJ", false}}},
  };
  for (const Eset& e : esetek) {
    e.tett();
    for (const auto& [nev, be] : e.vart) {
      EXPECT_EQ(W(nev.c_str())->isEnabled(), be) << e.leiras << ": " << nev;
    }
  }
  // Disabled controls keep their values.
  EXPECT_FALSE(W<QCheckBox>("PMelyK")->isChecked());
}

TEST_F(BeallitasokablakTest, OkSavesCancelDoesNotResetAsksFirst) {
  const std::string eredeti = dir.Olvas("rovas.ini");
  W<QComboBox>("LMeret")->setCurrentIndex(0);  // "5"
  Kattint("GMegsem");
  EXPECT_FALSE(ablak->isVisible());
  EXPECT_EQ(dir.Olvas("rovas.ini"), eredeti);
  EXPECT_EQ(modell.Meret, 16);

  ablak->show();
  EXPECT_EQ(W<QComboBox>("LMeret")->currentIndex(), 11);  // cancelled change thrown away
  W<QComboBox>("LMeret")->setCurrentIndex(0);
  W<QLineEdit>("SzEMasodikKor")->setText(QStringLiteral("a-b"));
  Kattint("GRendben");
  EXPECT_EQ(ablak->result(), QDialog::Accepted);
  EXPECT_EQ(modell.Meret, 5);
  EXPECT_EQ(modell.EMasodikKor, "a-b");
  const std::string mentett = dir.Olvas("rovas.ini");
  EXPECT_NE(mentett.find("LMeret=5"), std::string::npos);

  ablak->show();
  valasz = false;
  Kattint("GAlaphelyzet");
  EXPECT_EQ(W<QComboBox>("LMeret")->currentIndex(), 0);
  valasz = true;
  Kattint("GAlaphelyzet");
  EXPECT_EQ(W<QComboBox>("LMeret")->currentIndex(), 11);
  EXPECT_EQ(W<QLineEdit>("SzEMasodikKor")->text(), QString());
  EXPECT_EQ(dir.Olvas("rovas.ini"), mentett);
  EXPECT_EQ(dobozok, std::vector<std::string>(2, std::string(kAlaphelyzetKerdes)));
  Kattint("GRendben");
  EXPECT_NE(dir.Olvas("rovas.ini").find("LMeret=16"), std::string::npos);
}

bool Azonos(const TBetuKepesseg& a, const TBetuKepesseg& b) {
  return a.JobbrolBalraIras == b.JobbrolBalraIras && a.BetukKore == b.BetukKore &&
         a.MelyKJel == b.MelyKJel && a.KiterjesztettKor == b.KiterjesztettKor;
}

TEST_F(BeallitasokablakTest, CancelledFontLeavesTheRecordOfTheSavedFont) {
  const TBetuKepesseg mentett(modell.Betukeszlet), masik("Osi betusor bj");
  ASSERT_FALSE(Azonos(mentett, masik));
  W<QComboBox>("LBetukeszlet")->setCurrentText(QStringLiteral("Osi betusor bj"));
  EXPECT_TRUE(Azonos(*modell.BetuKepesseg, masik));
  Kattint("GMegsem");
  EXPECT_TRUE(Azonos(*modell.BetuKepesseg, mentett));
  EXPECT_EQ(modell.Betukeszlet, "Rovasjel jb");
}

TEST_F(BeallitasokablakTest, HelpOfTheOptionUnderTheMouse) {
  EXPECT_EQ(ablak->SugoIndex(), 0);
  ASSERT_FALSE(W("PHKezdoEKihagy")->isEnabled());
  struct Eset {
    const char* vezerlo;
    int vart;
  } esetek[] = {
      {"PHKezdoEKihagy", 15},    // disabled, inside both group boxes
      {"GRendben", 15},          // not an option: the last help stays
      {"LaKHasznalatiMod", 16},  // inside GroupBox1
      {"GroupBox2", 16},         // the group box itself has no help
      {"LMeret", 3},
      {"LHHatokor", 12},
  };
  for (const Eset& e : esetek) {
    Mutat(W(e.vezerlo));
    EXPECT_EQ(ablak->SugoIndex(), e.vart) << e.vezerlo;
  }
  // The help label is 338 pixels wide and grows to its text; it reads as its text.
  EXPECT_EQ(ablak->Sugo()->width(), 338);
  EXPECT_EQ(ablak->Sugo()->height(), ablak->Sugo()->Motor().TartalomMagassag());
  EXPECT_TRUE(ablak->Sugo()->accessibleName().startsWith(QStringLiteral("Hangzóugratás: hatókör")));
}

TEST_F(BeallitasokablakTest, PageButtonColours) {
  const auto szin = [&](int lap) {
    return ablak->LapGomb(lap)->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
  };
  const auto szinek = [&] { return std::vector<QRgb>{szin(1), szin(2), szin(3)}; };
  using A = TBeallitasokablak;
  EXPECT_EQ(szinek(), (std::vector<QRgb>{A::kAktualis, A::kMas, A::kMas}));
  QEvent be(QEvent::Enter), ki(QEvent::Leave);
  QApplication::sendEvent(ablak->LapGomb(3), &be);
  EXPECT_EQ(szinek(), (std::vector<QRgb>{A::kAktualis, A::kMas, A::kEgerAlatt}));
  QApplication::sendEvent(ablak->LapGomb(3), &ki);
  QApplication::sendEvent(ablak->LapGomb(1), &be);  // the current page keeps its colour
  EXPECT_EQ(szinek(), (std::vector<QRgb>{A::kAktualis, A::kMas, A::kMas}));
  QTest::mouseClick(ablak->LapGomb(2), Qt::LeftButton);
  EXPECT_EQ(szinek(), (std::vector<QRgb>{A::kMas, A::kAktualis, A::kMas}));
  EXPECT_TRUE(W("PEgyeni")->isVisible());
  EXPECT_FALSE(W("PAlap")->isVisible());
  QTest::mouseClick(ablak->LapGomb(2), Qt::LeftButton);
  EXPECT_EQ(ablak->Lap(), 2);
  EXPECT_EQ(szinek(), (std::vector<QRgb>{A::kMas, A::kAktualis, A::kMas}));
  QTest::keyClick(ablak->LapGomb(3), Qt::Key_Space);
  EXPECT_EQ(ablak->Lap(), 3);
  EXPECT_TRUE(W("PKapcsolat")->isVisible());
}

TEST_F(BeallitasokablakTest, FontHelpListsTheInstalledFonts) {
  const auto pipak = [&] {
    std::vector<bool> out;
    for (const auto& o : ablak->Sugo()->Motor().Objektumok()) {
      if (o.Osztaly == minihtml::TOsztaly::aFormElement) out.push_back(o.Bepipalt);
    }
    return out;
  };
  Mutat(W("LBetukeszlet"));
  EXPECT_EQ(pipak(), std::vector<bool>(8, false));
  telepitett = {"DejaVu Sans", "ROVASJEL jb"};
  Mutat(W("LIrany"));
  Mutat(W("LBetukeszlet"));
  const auto nevek = FelkinaltBetukeszletek();
  std::vector<bool> vart(8, false);
  vart[static_cast<size_t>(std::find(nevek.begin(), nevek.end(), "Rovasjel jb") - nevek.begin())] =
      true;
  EXPECT_EQ(pipak(), vart);
}

TEST_F(BeallitasokablakTest, EveryControlHasAnAccessibleName) {
  EXPECT_EQ(ablak->windowTitle(), QStringLiteral("Rovás beállítások"));
  for (QWidget* w : ablak->findChildren<QWidget*>()) {
    if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QAbstractButton*>(w)) {
      EXPECT_FALSE(w->accessibleName().isEmpty() && w->property("text").toString().isEmpty())
          << w->objectName().toStdString();
    }
  }
  EXPECT_EQ(W("SzESzamokKore")->accessibleName(), QStringLiteral("Számok"));
  EXPECT_EQ(ablak->LapGomb(2)->accessibleName(), QStringLiteral("Egyéni"));
}

// Enter anywhere means "Rendben", never "Frissítés most".
TEST_F(BeallitasokablakTest, EnterConfirmsAndNeverDownloads) {
  for (const char* nev : {"SzEElsoKor", "PKivetelesSzavakOnmukodo", "POffice2010", "LMeret"}) {
    ablak->show();
    ablak->LapValtas(std::string_view(nev).starts_with("L") ? 1 : 2);
    QWidget* w = W(nev);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    EXPECT_FALSE(ablak->isVisible()) << nev;
    EXPECT_EQ(ablak->result(), QDialog::Accepted) << nev;
  }
  EXPECT_EQ(szerver.KeresekSzama(), 0);
  EXPECT_TRUE(W<QPushButton>("GRendben")->isDefault());
  EXPECT_FALSE(W<QPushButton>("BFrissitesMost")->autoDefault());
}

// A faulty custom rule keeps the window open on the field, named in the message;
// nothing is saved. Lists stop at what rovas.ini keeps and say so.
TEST_F(BeallitasokablakTest, RuleFieldsAreCheckedAtConfirm) {
  Kattint("PEgyeniBeallitasok");
  const std::string ini = dir.Olvas("rovas.ini");
  W<QLineEdit>("SzEMasodikKor")->setText(QStringLiteral("a-b,c(-X"));
  Kattint("GRendben");
  EXPECT_TRUE(ablak->isVisible());
  ASSERT_EQ(dobozok.size(), 1u);
  EXPECT_NE(dobozok[0].find("„Második kör” mező 2. szabálya"_hu), std::string::npos) << dobozok[0];
  EXPECT_EQ(ablak->Lap(), 2);
  EXPECT_EQ(ablak->focusWidget(), W("SzEMasodikKor"));
  EXPECT_EQ(dir.Olvas("rovas.ini"), ini);
  W<QLineEdit>("SzEMasodikKor")->setText(QStringLiteral("a-b,c(d)-X"));
  Kattint("GRendben");
  EXPECT_FALSE(ablak->isVisible());

  auto* mezo = W<QLineEdit>("SzEElsoKor");
  EXPECT_EQ(mezo->maxLength(), 2047);
  EXPECT_FALSE(W("LKorlat")->isVisibleTo(ablak.get()));
  mezo->setText(QString(3000, u'a'));
  EXPECT_EQ(mezo->text().size(), 2047);
  EXPECT_TRUE(W("LKorlat")->isVisibleTo(ablak.get()));
  mezo->setText(QStringLiteral("a-b"));
  EXPECT_FALSE(W("LKorlat")->isVisibleTo(ablak.get()));
}

TEST_F(BeallitasokablakTest, WhatAreTheseSaysWhyTheListCannotBeOpened) {
  ablak->MikEzek();  // no szo.xml yet
  std::ofstream(allapot.SzoXml()) << "<szavak>\n</szavak>\n";
  // Without xdg-open on the PATH, the offscreen desktop opens nothing.
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  ablak->MikEzek();
  qputenv("PATH", path);
  ASSERT_EQ(dobozok.size(), 2u);
  EXPECT_NE(dobozok[0].find("szo.xml"), std::string::npos);
  EXPECT_EQ(dobozok[1].find("Nem sikerült megnyitni: szo.xml\r\n"_hu), 0u);
}

}  // namespace
