// SPDX-License-Identifier: GPL-3.0-or-later
// The main window under the offscreen platform: live transliteration, mode
// changes through the chooser, the rovás pane's keys, copying, engine errors
// and the hand-over to the image window.

#include "ui/main/foablak.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/sorok.h"
#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/uzenet.h"
#include "ui/main/foablakmag.h"
#include "ui/main/rovaspanel.h"
#include "ui/newtext/ujablak.h"
#include "ui/settings/beallitasallapot.h"

namespace {

using namespace win1250::literals;

QApplication& App() {
  static int argc = 1;
  static char nev[] = "foablak_test";
  static char* argv[] = {nev, nullptr};
  static QApplication* app = [] {
    auto* a = new QApplication(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(ROVAS_FONT_DIR "/Rovasjel-jb.ttf"));
    return a;
  }();
  return *app;
}

// Types text the way a keyboard does: one key event per character, carrying its text.
void Gepel(QWidget* w, const QString& szoveg) {
  for (QChar c : szoveg) {
    const int kod = c == u'\n' ? int(Qt::Key_Return) : int(c.toUpper().unicode());
    QKeyEvent le(QEvent::KeyPress, kod, Qt::NoModifier, c == u'\n' ? QString("\r") : QString(c));
    QApplication::sendEvent(w, &le);
    QKeyEvent fel(QEvent::KeyRelease, kod, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &fel);
  }
}

class THamisKepAblak : public IKepAblak {
 public:
  bool lathato = false;
  int atadasok = 0;
  std::string szoveg;
  bool csakFrissites = false;
  int irany = 0;
  bool Lathato() const override { return lathato; }
  void SzovegAtadasa(const std::string& s, const std::string&, bool frissites, int i) override {
    ++atadasok;
    szoveg = s;
    csakFrissites = frissites;
    irany = i;
  }
};

// Makes sure the application exists before any member widget is built.
struct TAlkalmazas {
  TAlkalmazas() { App(); }
};

class FoablakTest : public ::testing::Test, private TAlkalmazas {
 protected:
  FoablakTest() {
    allapot.Alaphelyzet();
    allapot.Alkalmaz();
    allapot.BetukeszletValtozas();
    ablak.SetUjablak(&ujablak);
    ablak.SetBeallitasAllapot(&allapot);
    uzenet::SetValaszolo([this](const uzenet::TDoboz& d) {
      dobozok.push_back(d);
      return valasz;
    });
  }
  ~FoablakTest() override { uzenet::SetValaszolo({}); }

  // Opens the chooser as "Új..." does and picks an option (or cancels with -1).
  void UjSzoveg(int valasztas) {
    QTimer::singleShot(0, &ujablak, [this, valasztas] {
      if (valasztas == 0) ujablak.Lehetoseg1Click();
      if (valasztas == 1) ujablak.Lehetoseg2Click();
      if (valasztas < 0) QTest::keyClick(&ujablak, Qt::Key_Escape);
    });
    ablak.BUjRovasClick();
  }

  std::string Atrov(const std::string& latin) {
    TRovasBeallitasok m;
    TBeallitasAllapot a(m);
    a.Alaphelyzet();
    a.V = allapot.V;
    a.Alkalmaz();
    a.BetukeszletValtozas();
    return TKarvo(m).Atrov(latin);
  }

  TRovasBeallitasok modell;
  TBeallitasAllapot allapot{modell};
  TFoablak ablak{modell};
  TUjablak ujablak{&ablak};
  std::vector<uzenet::TDoboz> dobozok;
  bool valasz = true;
};

TEST_F(FoablakTest, InitialState) {
  EXPECT_EQ(ablak.windowTitle(), QStringLiteral("Tollnok v2.4 - 2015.03.10"));
  EXPECT_EQ(ablak.Allapot().Mod, TMod::Latin);
  EXPECT_TRUE(ablak.MRovas()->isReadOnly());
  EXPECT_TRUE(ablak.POnmukodo()->isChecked());
  EXPECT_FALSE(ablak.BBeallitasok()->isEnabled());
  EXPECT_FALSE(ablak.BKep()->isEnabled());
  EXPECT_FALSE(ablak.Nyito()->isActive());
  EXPECT_TRUE(ablak.TimerLetoltes()->isActive());
  EXPECT_EQ(ablak.Nyito()->interval(), 10);
  EXPECT_GE(ablak.minimumWidth(), 653);
  EXPECT_GE(ablak.minimumHeight(), 340);
  EXPECT_FALSE(ablak.MLatin()->accessibleName().isEmpty());
  EXPECT_FALSE(ablak.MRovas()->accessibleName().isEmpty());
}

TEST_F(FoablakTest, AfterTheFirstShowTheOpenerOpensTheChooser) {
  bool megnyilt = false;
  QTimer::singleShot(200, &ujablak, [&] {
    megnyilt = ujablak.isVisible();
    ujablak.Lehetoseg2Click();
  });
  ablak.show();
  EXPECT_TRUE(ablak.Nyito()->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(ablak.Allapot().Mod == TMod::Rovas, 3000);
  EXPECT_TRUE(megnyilt);
  EXPECT_FALSE(ablak.Nyito()->isActive());
}

TEST_F(FoablakTest, RightToLeftMirroredWithCrLf) {
  UjSzoveg(0);
  ASSERT_EQ(modell.HasznaltIrany(), 1);
  Gepel(ablak.MLatin(), QStringLiteral("ab"));
  EXPECT_EQ(ablak.MRovas()->Szoveg(), Megforditas(Atrov("ab")) + "\r\n");
  // Emptying the Latin pane leaves the mirroring of an empty text: one line break.
  ablak.MLatin()->clear();
  EXPECT_EQ(ablak.MRovas()->Szoveg(), "\r\n");
  // A new text empties both panes; in Latin text mode the settings applied
  // afterwards transliterate the empty pane again.
  Gepel(ablak.MLatin(), QStringLiteral("x"));
  UjSzoveg(1);
  EXPECT_EQ(ablak.MRovas()->Szoveg(), "");
  Gepel(ablak.MRovas(), QStringLiteral("x"));
  UjSzoveg(0);
  EXPECT_EQ(ablak.MLatin()->toPlainText(), QString());
  EXPECT_EQ(ablak.MRovas()->Szoveg(), "\r\n");
}

TEST_F(FoablakTest, HungarianLettersAndLeftToRight) {
  allapot.V.LIrany = 2;
  allapot.Alkalmaz();
  UjSzoveg(0);
  Gepel(ablak.MLatin(), qtkodolas::ToQ("árvíztűrő\ntükörfúrógép"_hu));
  EXPECT_EQ(ablak.MRovas()->Szoveg(), Atrov("árvíztűrő\r\ntükörfúrógép"_hu));
  EXPECT_NE(ablak.MRovas()->Szoveg().find("\r\n"), std::string::npos);
  EXPECT_TRUE(ablak.Allapot().Tevekenyseg);
}

TEST_F(FoablakTest, ApplyingAfterTheSettings) {
  UjSzoveg(0);
  Gepel(ablak.MLatin(), QStringLiteral("ab"));
  // Whatever the dialog's result, the main window applies the model afterwards.
  ablak.SetBeallitasokAblak([this] {
    allapot.V.LIrany = 2;
    allapot.V.LMeret = 0;  // "5"
    allapot.Alkalmaz();
  });
  ASSERT_TRUE(ablak.BBeallitasok()->isEnabled());
  ablak.BBeallitasok()->click();
  EXPECT_EQ(ablak.MRovas()->font().pointSize(), 5);
  EXPECT_EQ(ablak.MRovas()->Szoveg(), Atrov("ab"));
}

TEST_F(FoablakTest, AutomaticTransliterationSwitchedOff) {
  UjSzoveg(0);
  ablak.POnmukodo()->setChecked(false);
  const std::string ures = ablak.MRovas()->Szoveg();
  Gepel(ablak.MLatin(), QStringLiteral("ab"));
  EXPECT_EQ(ablak.MRovas()->Szoveg(), ures);
  ablak.POnmukodo()->setChecked(true);  // no effect until the next change
  EXPECT_EQ(ablak.MRovas()->Szoveg(), ures);
  ablak.LatinAtrovasa();
  EXPECT_EQ(ablak.MRovas()->Szoveg(), Megforditas(Atrov("ab")) + "\r\n");
}

TEST_F(FoablakTest, HourglassAlsoWhileTheRovasPaneFills) {
  UjSzoveg(0);
  std::vector<bool> homokora;
  QObject::connect(ablak.MRovas(), &QPlainTextEdit::textChanged, [&] {
    const QCursor* c = QApplication::overrideCursor();
    homokora.push_back(c && c->shape() == Qt::WaitCursor);
  });
  Gepel(ablak.MLatin(), QStringLiteral("ab"));
  ASSERT_FALSE(homokora.empty());
  for (bool h : homokora) EXPECT_TRUE(h);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FoablakTest, ModeSwitchAndCancelling) {
  UjSzoveg(1);
  EXPECT_EQ(ablak.Allapot().Mod, TMod::Rovas);
  EXPECT_TRUE(ablak.PLatin()->isHidden());
  EXPECT_FALSE(ablak.MRovas()->isReadOnly());
  UjSzoveg(-1);  // cancelled: stays in direct rovás mode
  EXPECT_EQ(ablak.Allapot().Mod, TMod::Rovas);
  EXPECT_TRUE(ablak.PLatin()->isHidden());
  UjSzoveg(0);
  EXPECT_EQ(ablak.Allapot().Mod, TMod::Latin);
  EXPECT_FALSE(ablak.PLatin()->isHidden());
  EXPECT_TRUE(ablak.MRovas()->isReadOnly());
}

TEST_F(FoablakTest, FontOfTheRovasPane) {
  UjSzoveg(1);
  QFont f = ablak.MRovas()->font();
  EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("Rovasjel jb"));
  EXPECT_EQ(f.pointSize(), 16);
}

TEST_F(FoablakTest, RightToLeftTypingIntoTheRovasPane) {
  allapot.V.PEgyeniBeallitasok = true;
  allapot.V.SzEGepeleskor = "cs-C";
  allapot.V.LESzovegirany = 0;  // right to left
  allapot.Alkalmaz();
  UjSzoveg(1);
  TRovasPanel* p = ablak.MRovas();
  Gepel(p, QStringLiteral("csa"));
  EXPECT_EQ(p->Szoveg(), "aC");
  EXPECT_EQ(p->KurzorOszlop(), 0);
  QTest::keyClick(p, Qt::Key_ParenLeft, Qt::NoModifier);
  EXPECT_EQ(p->Szoveg(), ")aC");
  // Backspace deletes right of the caret, Delete left of it.
  QTest::keyClick(p, Qt::Key_Backspace);
  EXPECT_EQ(p->Szoveg(), "aC");
  QTest::keyClick(p, Qt::Key_Right);
  QTest::keyClick(p, Qt::Key_Delete);
  EXPECT_EQ(p->Szoveg(), "C");
  EXPECT_EQ(ablak.Allapot().BelsoBevitel, 0);
}

TEST_F(FoablakTest, RunawayTypingRulesGiveAnErrorBox) {
  std::string pontok;
  for (int i = 0; i < 18; ++i) pontok += ".-xxx,";
  allapot.V.PEgyeniBeallitasok = true;
  allapot.V.SzEGepeleskor = pontok;
  allapot.V.LESzovegirany = 1;  // left to right
  allapot.Alkalmaz();
  UjSzoveg(1);
  Gepel(ablak.MRovas(), QStringLiteral("ab"));
  ASSERT_FALSE(dobozok.empty());
  EXPECT_TRUE(dobozok[0].standard);
  EXPECT_EQ(dobozok[0].szoveg, "RegKif(exec): Output limit exceeded");
}

TEST_F(FoablakTest, ThePanesOwnKeysInDirectRovasMode) {
  allapot.V.LIrany = 2;
  allapot.Alkalmaz();
  UjSzoveg(1);
  TRovasPanel* p = ablak.MRovas();
  Gepel(p, QStringLiteral("ab"));
  // Copy keeps the selected text (it is not deleted before the pane copies it).
  p->selectAll();
  QTest::keyClick(p, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ab"));
  EXPECT_EQ(p->Szoveg(), "ab");
  // Undo is the pane's own.
  QTest::keyClick(p, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(p->Szoveg(), "ab");
  // In Latin text mode the pane is read-only, but keys still count as activity.
  UjSzoveg(0);
  TFoablak masik(modell);
  QTest::keyClick(masik.MRovas(), Qt::Key_A);
  EXPECT_EQ(masik.MRovas()->Szoveg(), "");
  EXPECT_TRUE(masik.Allapot().Tevekenyseg);
}

TEST_F(FoablakTest, ContextMenuPaste) {
  UjSzoveg(1);
  auto* menu = ablak.MRovas()->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 2);  // then "Másolás Unicode rovásírással"
  EXPECT_EQ(menu->actions()[0]->text(), QString::fromUtf8("Beillesztés"));
  QGuiApplication::clipboard()->setText(QStringLiteral("xy"));
  valasz = false;
  menu->actions()[0]->trigger();
  EXPECT_EQ(ablak.MRovas()->Szoveg(), "xy");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("xy"));
  // A middle-button paste goes through the same procedure.
  QMimeData kozep;
  kozep.setText(QStringLiteral("z"));
  valasz = false;
  const size_t kerdesek = dobozok.size();
  ablak.MRovas()->insertFromMimeData(&kozep);
  EXPECT_EQ(dobozok.size(), kerdesek + 1);
  EXPECT_EQ(ablak.MRovas()->Szoveg(), "xyz");
  // In Latin text mode the item does nothing.
  UjSzoveg(0);
  const std::string elotte = ablak.MRovas()->Szoveg();
  menu->actions()[0]->trigger();
  EXPECT_EQ(ablak.MRovas()->Szoveg(), elotte);
}

TEST_F(FoablakTest, CtrlVTransliteratesAndTheClipboardIsRestored) {
  allapot.V.LIrany = 2;
  allapot.Alkalmaz();
  UjSzoveg(1);
  QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
  valasz = true;
  QTest::keyClick(ablak.MRovas(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(dobozok.size(), 1u);
  EXPECT_EQ(dobozok[0].fajta, uzenet::Fajta::Kerdes);
  EXPECT_EQ(ablak.MRovas()->Szoveg(), Atrov("ab"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ab"));
}

TEST_F(FoablakTest, PastingAClipboardWithoutText) {
  UjSzoveg(1);
  Gepel(ablak.MRovas(), QStringLiteral("ab"));
  const std::string elotte = ablak.MRovas()->Szoveg();
  auto* menu = ablak.MRovas()->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  for (bool kep : {false, true}) {
    if (kep) {
      QImage kepecske(2, 2, QImage::Format_RGB32);
      kepecske.fill(Qt::red);
      QGuiApplication::clipboard()->setImage(kepecske);
    } else {
      QGuiApplication::clipboard()->clear();
    }
    QTest::keyClick(ablak.MRovas(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(ablak.MRovas(), Qt::Key_Insert, Qt::ShiftModifier);
    menu->actions()[0]->trigger();
    EXPECT_EQ(ablak.MRovas()->Szoveg(), elotte);
    EXPECT_TRUE(dobozok.empty());
    // A picture stays on the clipboard.
    const QMimeData* adat = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(adat && adat->hasImage(), kep);
  }
}

TEST_F(FoablakTest, CopyInThreeFormats) {
  UjSzoveg(1);
  ablak.MRovas()->SetSzoveg("cba\r\ná"_hu);
  ablak.MasolClick();
  const QMimeData* adat = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(adat, nullptr);
  EXPECT_EQ(adat->text(), qtkodolas::ToQ("cba\ná"_hu));
  const QByteArray html = adat->data(QStringLiteral("text/html"));
  const QByteArray meta = "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">";
  ASSERT_TRUE(html.startsWith(meta));
  EXPECT_TRUE(html.sliced(meta.size())
                  .startsWith("<p align=\"right\" style=\"font-size: 16pt;\"><font face=\"Rovasjel "
                              "jb\">cba</font></p>"));
  EXPECT_TRUE(html.contains("á"));
  const QByteArray rekord = adat->data(QStringLiteral("HTML Format"));
  EXPECT_TRUE(
      rekord.startsWith("Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:000081"));
  EXPECT_TRUE(rekord.contains(QByteArray("EndFragment:") +
                              QByteArray::number(rekord.size()).rightJustified(6, '0')));
  EXPECT_EQ(rekord.mid(81, html.size() - meta.size()), html.sliced(meta.size()));
}

TEST_F(FoablakTest, ContextMenuUnicodeCopy) {
  UjSzoveg(1);
  QAction* masolas = ablak.MRovas()->findChild<QMenu*>()->actions().value(1);
  ASSERT_NE(masolas, nullptr);
  EXPECT_EQ(masolas->text(), QString::fromUtf8("Másolás Unicode rovásírással"));
  EXPECT_FALSE(masolas->isEnabled());         // an empty pane: nothing to copy
  ablak.MRovas()->SetSzoveg("péS\r\nab"_hu);  // "Sép", mirrored as the pane holds it
  EXPECT_TRUE(masolas->isEnabled());
  masolas->trigger();
  const QMimeData* adat = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(adat, nullptr);
  EXPECT_EQ(adat->text(), QString::fromUtf8("\u202E\U00010CE5\U00010CCB\U00010CE0\u202C\n"
                                            "\u202E\U00010CC2\U00010CC0\u202C"));
  EXPECT_TRUE(adat->data(QStringLiteral("text/html")).contains("lang=\"hu-Hung\" dir=\"rtl\""));
  // With a selection only the selection is copied.
  QTextCursor c = ablak.MRovas()->textCursor();
  c.setPosition(0);
  c.setPosition(2, QTextCursor::KeepAnchor);
  ablak.MRovas()->setTextCursor(c);
  masolas->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QString::fromUtf8("\u202E\U00010CCB\U00010CE0\u202C"));

  // Custom rules have no known meaning: disabled, and the tooltip says why.
  allapot.V.PEgyeniBeallitasok = true;
  allapot.Alkalmaz();
  ablak.BeallitasokAlkalmazasa();
  EXPECT_FALSE(masolas->isEnabled());
  EXPECT_TRUE(masolas->toolTip().contains(QStringLiteral("Unicode")));
}

TEST_F(FoablakTest, AnEngineErrorKeepsTheRovasText) {
  allapot.V.PEgyeniBeallitasok = true;
  allapot.V.SzEElsoKor = "a-b";
  allapot.Alkalmaz();
  UjSzoveg(0);
  Gepel(ablak.MLatin(), QStringLiteral("a"));
  const std::string elotte = ablak.MRovas()->Szoveg();
  ASSERT_FALSE(elotte.empty());
  modell.SetEElsoKor("(x-y");  // an unclosed group
  dobozok.clear();
  Gepel(ablak.MLatin(), QStringLiteral("a"));
  ASSERT_EQ(dobozok.size(), 1u);
  EXPECT_TRUE(dobozok[0].standard);
  EXPECT_EQ(ablak.MRovas()->Szoveg(), elotte);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FoablakTest, HandOverToTheImageWindow) {
  THamisKepAblak kep;
  ablak.SetKepAblak(&kep);
  EXPECT_TRUE(ablak.BKep()->isEnabled());
  UjSzoveg(1);
  valasz = false;
  ablak.MRovas()->SetSzoveg(std::string(5120, 'a'));
  ablak.BKepClick(true);
  EXPECT_EQ(dobozok.size(), 1u);
  EXPECT_EQ(kep.atadasok, 0);
  ablak.MRovas()->SetSzoveg(std::string(5119, 'a'));
  ablak.BKepClick(true);
  EXPECT_EQ(dobozok.size(), 1u);
  EXPECT_EQ(kep.atadasok, 1);
  EXPECT_FALSE(kep.csakFrissites);
  // Direct rovás text goes back into reading order.
  ablak.MRovas()->SetSzoveg("ba\r\ndc");
  ablak.BKepClick(true);
  EXPECT_EQ(kep.szoveg, "ab\r\ncd\r\n");
  EXPECT_EQ(kep.irany, 1);
  // Live transliteration refreshes a visible image window, never asking.
  UjSzoveg(0);
  kep.lathato = true;
  const int elotte = kep.atadasok;
  ablak.MLatin()->setPlainText(QString(5200, u'a'));
  EXPECT_EQ(dobozok.size(), 1u);
  EXPECT_EQ(kep.atadasok, elotte + 1);
  EXPECT_TRUE(kep.csakFrissites);
  EXPECT_EQ(kep.szoveg, Atrov(std::string(5200, 'a')));
}

TEST_F(FoablakTest, DownloadTimerStopsWithoutActivity) {
  for (int i = 0; i < 60; ++i) ablak.TimerLetoltesTimer();
  EXPECT_FALSE(ablak.TimerLetoltes()->isActive());
}

TEST_F(FoablakTest, HelpIsMissing) {
  ablak.LSugoClick();
  ASSERT_EQ(dobozok.size(), 1u);
  EXPECT_EQ(dobozok[0].fajta, uzenet::Fajta::Hiba);
  EXPECT_EQ(dobozok[0].szoveg, "Nem található a súgót tartalmazó \"RovasSugo.pdf\" állomány."_hu);
}

TEST_F(FoablakTest, HelpTheDesktopCannotOpen) {
  // No xdg-open on the PATH and an offscreen desktop: nothing opens it, and the
  // user hears about it.
  const std::string mappa = std::filesystem::temp_directory_path() /
                            ("foablak_sugo_" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::create_directories(mappa);
  std::ofstream(mappa + "/RovasSugo.pdf") << "%PDF-1.4\n";
  platform::SetProgramDirOverride(mappa);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", mappa.c_str());
  ablak.LSugoClick();
  qputenv("PATH", path);
  platform::SetProgramDirOverride({});
  std::filesystem::remove_all(mappa);
  ASSERT_EQ(dobozok.size(), 1u);
  EXPECT_EQ(dobozok[0].fajta, uzenet::Fajta::Hiba);
  EXPECT_EQ(dobozok[0].szoveg.find("Nem sikerült megnyitni: RovasSugo.pdf\r\n"_hu), 0u);
}

}  // namespace

// Editing the Latin pane as a user does (typing, Enter, pasting several lines,
// deleting across lines, no-break spaces and line separators, undo) keeps the
// rovás pane as the whole text's transliteration would have it, whether the
// settings let the window update it line by line or not.
TEST_F(FoablakTest, LatinEditsKeepTheRovasPaneAsTheWholeTextGivesIt) {
  const std::vector<std::vector<std::pair<const char*, const char*>>> beallitasok = {
      {{"LHModszer", "4"}, {"LHHatokor", "2"}, {"LIrany", "2"}},
      {{"LHModszer", "3"}, {"LHHatokor", "0"}},
      {{"LBetukeszlet", "Rovas Kiterjesztett JB"}, {"PSzamok", "1"}}};
  const QStringList darabok = {QStringLiteral("kapa"),          QStringLiteral("\n"),
                               QStringLiteral("ember \u00e9s"), QStringLiteral("1848. 3. 15"),
                               QStringLiteral("\u00a0"),        QStringLiteral("\u2028"),
                               QStringLiteral("a\nkk\n\nő"),    QStringLiteral("(x)")};
  std::mt19937 g(11);
  for (const auto& b : beallitasok) {
    for (const auto& [kulcs, ertek] : b) allapot.KulcsBeallitasa(kulcs, ertek);
    allapot.Alkalmaz();
    allapot.BetukeszletValtozas();
    ablak.BeallitasokAlkalmazasa();
    QPlainTextEdit* latin = ablak.MLatin();
    latin->setPlainText(QStringLiteral("kert\nkapa\n\nigazs\u00e1g"));
    for (int i = 0; i < 150; ++i) {
      QTextCursor c(latin->document());
      const int n = latin->document()->characterCount() - 1;
      c.setPosition(static_cast<int>(g() % (n + 1)));
      if (g() % 3 == 0) c.setPosition(static_cast<int>(g() % (n + 1)), QTextCursor::KeepAnchor);
      if (g() % 8 == 0)
        latin->undo();
      else
        c.insertText(g() % 4 == 0 ? QString() : darabok[g() % darabok.size()]);
      ASSERT_EQ(ablak.MRovas()->Szoveg(),
                PanelAlak(modell, Atrov(qtkodolas::FromQSorok(latin->toPlainText()))))
          << i;
    }
  }
}

// The rovás pane rewrites only what changed: after any sequence of texts, and
// of edits made to the pane by other hands in between, it holds the last text.
TEST_F(FoablakTest, RovasPaneRewritesOnlyTheChange) {
  std::mt19937 g(5);
  const std::string abc = "abáő \r\n"_hu;
  TRovasPanel* p = ablak.MRovas();
  std::string s;
  for (int i = 0; i < 400; ++i) {
    // Insert, delete or replace a stretch; now and then a wholly new text.
    const size_t hol = s.empty() ? 0 : g() % s.size();
    const size_t db = g() % 6;
    std::string uj;
    for (size_t k = g() % 5; k > 0; --k) uj += abc[g() % abc.size()];
    if (g() % 20 == 0) s.clear();
    s.replace(std::min(hol, s.size()), db, uj);
    p->SetSzoveg(s);
    TRovasPanel friss;  // shows the text as a whole, as the pane did before
    friss.SetSzoveg(s);
    ASSERT_EQ(p->Szoveg(), friss.Szoveg()) << i;
    if (g() % 10 == 0) {
      p->textCursor().insertText(QStringLiteral("x"));
      s = p->Szoveg();
    }
    if (g() % 25 == 0) {
      p->clear();
      s.clear();
    }
  }
}

// The one-pass conversions at the Qt boundary against their definitions:
// bytes through the table, CR LF folded to LF, and back with every LF as CR LF.
TEST(QtKodolas, LineEndsAndCharactersRoundTrip) {
  std::mt19937 g(8);
  const QString abc = QStringLiteral("a\u0151\u0171\u00e1\r\n\u20ac\u4e2d\u0159 ");
  for (int i = 0; i < 500; ++i) {
    QString q;
    std::string b;
    for (int k = g() % 30; k > 0; --k) {
      q += abc[g() % abc.size()];
      b += static_cast<char>(g() % 256);
    }
    QString vart = qtkodolas::ToQ(b);
    vart.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ASSERT_EQ(qtkodolas::ToQSorok(b), vart);
    QString lf = q;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lf.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    ASSERT_EQ(qtkodolas::FromQSorok(q, '#'), qtkodolas::FromQ(lf, '#'));
    for (QChar c : q) {
      int vissza = -1;
      for (int x = 0; x < 256; ++x) {
        if (win1250::ToUnicode(static_cast<unsigned char>(x)) == c.unicode()) {
          vissza = x;
          break;
        }
      }
      ASSERT_EQ(win1250::FromUnicode(c.unicode()), vissza);
    }
  }
}

namespace {

// Keyboard use: Tab leaves either pane, Ctrl+Tab types a tab, Shift+F10
// opens the rovás pane's menu.
TEST_F(FoablakTest, KeyboardMovesBetweenControls) {
  ablak.show();
  for (int mod : {0, 1}) {
    UjSzoveg(mod);
    QApplication::setActiveWindow(&ablak);
    QWidget* panel = mod == 0 ? static_cast<QWidget*>(ablak.MLatin()) : ablak.MRovas();
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(mod == 0 ? ablak.MLatin()->toPlainText() : ablak.MRovas()->toPlainText(),
              QStringLiteral("\t"))
        << mod;
    EXPECT_TRUE(panel->hasFocus()) << mod;
    QTest::keyClick(panel, Qt::Key_Tab);
    EXPECT_FALSE(panel->hasFocus()) << mod;
  }
  QMenu* menu = ablak.MRovas()->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  QTest::keyClick(ablak.MRovas(), Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
}

}  // namespace
