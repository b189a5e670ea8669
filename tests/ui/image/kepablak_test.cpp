// SPDX-License-Identifier: GPL-3.0-or-later
// The image window under the offscreen platform: the boxes' checks, the
// backgrounds, rovaskep.ini across a restart, saving; and the drawer, whose
// parts must match the whole picture.

#include "ui/image/kepablak.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <fstream>

#include "platform/ini.h"
#include "platform/programdir.h"
#include "platform/qt/uzenet.h"
#include "platform/win1250.h"
#include "ui/image/kepnezet.h"
#include "ui/image/rajzolo.h"

using namespace win1250::literals;
namespace fs = std::filesystem;

namespace {

QApplication& App() {
  static int argc = 1;
  static char nev[] = "kepablak_test";
  static char* argv[] = {nev, nullptr};
  static QApplication* app = [] {
    auto* a = new QApplication(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(ROVAS_FONT_DIR "/Rovasjel-jb.ttf"));
    return a;
  }();
  return *app;
}

class KepAblakTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    mappa_ = fs::temp_directory_path() / ("kepablak_" + std::to_string(getpid()));
    fs::create_directories(mappa_);
    platform::SetProgramDirOverride(mappa_.string());
    uzenet::SetValaszolo([this](const uzenet::TDoboz& d) {
      dobozok_.push_back(d.szoveg);
      return valasz_;
    });
  }
  void TearDown() override {
    uzenet::SetValaszolo({});
    platform::SetProgramDirOverride({});
    fs::remove_all(mappa_);
  }
  std::unique_ptr<TKepAblak> Ablak() {
    auto a = std::make_unique<TKepAblak>();
    a->MentesHelye = [this](TKepfajta) { return mentesHelye_; };
    return a;
  }
  static void Elhagy(QLineEdit* m, const QString& szoveg) {
    m->setText(szoveg);
    emit m->editingFinished();
  }
  std::string Ut(const char* nev) const { return (mappa_ / nev).string(); }

  fs::path mappa_;
  std::vector<std::string> dobozok_;
  bool valasz_ = true;
  std::string mentesHelye_;
};

TEST_F(KepAblakTest, NumberFieldValidation) {
  auto a = Ablak();
  a->SzovegAtadasa("ab cd", "Rovasjel jb", true, 1);
  struct {
    TSzamMezo mezo;
    const char* be;
    const char* marad;
  } const esetek[] = {
      {TSzamMezo::Szelesseg, "50", "400"},      {TSzamMezo::Szelesseg, "20000", "20000"},
      {TSzamMezo::Szelesseg, "20001", "20000"}, {TSzamMezo::Szelesseg, "400", "400"},
      {TSzamMezo::Magassag, "abc", "300"},      {TSzamMezo::BalMargo, "391", "5"},
      {TSzamMezo::BalMargo, "390", "390"},      {TSzamMezo::JobbMargo, "6", "5"},
  };
  for (const auto& e : esetek) {
    Elhagy(a->Mezo(e.mezo), QString::fromLatin1(e.be));
    EXPECT_EQ(a->Mezo(e.mezo)->text(), QString::fromLatin1(e.marad)) << e.be;
    EXPECT_EQ(Ertek(a->Beallitasok(), e.mezo), std::stoi(e.marad)) << e.be;
  }
  EXPECT_EQ(a->Rajz()->size(), QSize(400, 300));
  EXPECT_EQ(a->Rajz()->accessibleName(), QStringLiteral("400 \u00D7 300"));

  // The font size is checked on every change: empty puts 16 back, 2 then 24 draw.
  a->Betumeret()->setEditText({});
  EXPECT_EQ(a->Betumeret()->currentText(), QStringLiteral("16"));
  a->Betumeret()->setEditText(QStringLiteral("2"));
  EXPECT_EQ(a->Beallitasok().Betumeret, 2);
  a->Betumeret()->setEditText(QStringLiteral("24"));
  EXPECT_EQ(a->Beallitasok().Betumeret, 24);
  EXPECT_TRUE(dobozok_.empty());
}

TEST_F(KepAblakTest, BackgroundsAndResizing) {
  auto a = Ablak();
  // Before any text there is nothing to resize, so no question.
  a->BeepitettHatterBetoltese(1);
  EXPECT_TRUE(dobozok_.empty());
  a->SzovegAtadasa("ab", "Rovasjel jb", true, 2);
  a->BeepitettHatterBetoltese(2);  // paper, 800 x 804
  ASSERT_EQ(dobozok_.size(), 1u);
  EXPECT_EQ(dobozok_[0], "Átméretezzem a rovásfeliratos képet a betöltött képhez?"_hu);
  EXPECT_EQ(a->Rajz()->size(), QSize(800, 804));
  EXPECT_EQ(a->Mezo(TSzamMezo::Szelesseg)->text(), QStringLiteral("800"));
  EXPECT_EQ(a->BeepitettHatter(), 2);

  // A GIF keeps the current background.
  std::ofstream(Ut("h.gif")) << "GIF89a";
  dobozok_.clear();
  EXPECT_FALSE(a->HatterFajlBetoltese(Ut("h.gif")));
  ASSERT_EQ(dobozok_.size(), 1u);
  EXPECT_EQ(dobozok_[0], "A képet nem lehetett megnyitni."_hu);
  EXPECT_EQ(a->BeepitettHatter(), 2);

  // Answering No keeps the picture's size.
  valasz_ = false;
  a->BeepitettHatterBetoltese(1);
  EXPECT_EQ(a->Rajz()->size(), QSize(800, 804));
  EXPECT_EQ(a->HatterKep().size(), QSize(600, 450));
}

TEST_F(KepAblakTest, IniAfterARestart) {
  {
    auto a = Ablak();
    a->BeepitettHatterBetoltese(3);
    Elhagy(a->Mezo(TSzamMezo::Szelesseg), QStringLiteral("1234"));
    a->Formatum(TKepfajta::JPG)->setChecked(true);
    EXPECT_TRUE(a->Atlatszo()->isHidden());
  }
  {
    auto a = Ablak();
    EXPECT_EQ(a->BeepitettHatter(), 3);
    EXPECT_EQ(a->Beallitasok().Szelesseg, 1234);
    EXPECT_TRUE(a->Formatum(TKepfajta::JPG)->isChecked());
    a->Hatter_MegsemClick();
  }
  // Removed, and a built-in name in lower case is still found.
  EXPECT_EQ(platform::IniFile(Ut("rovaskep.ini")).ReadString("Fo", "Hatter", "x"), "");
  EXPECT_TRUE(platform::IniFile(Ut("rovaskep.ini")).WriteString("Fo", "Hatter", "ht_fa").ok());
  auto a = Ablak();
  EXPECT_EQ(a->BeepitettHatter(), 1);
  EXPECT_FALSE(a->HatterKep().isNull());
}

TEST_F(KepAblakTest, UnreadableIniStaysInPlace) {
  // A settings file that cannot be read gives the defaults and is not
  // overwritten at exit.
  fs::create_directory(Ut("rovaskep.ini"));
  fs::create_directory(Ut("rovaskep.ini/x"));
  {
    auto a = Ablak();
    EXPECT_EQ(a->Beallitasok().Szelesseg, 400);
    Elhagy(a->Mezo(TSzamMezo::Szelesseg), QStringLiteral("500"));
  }
  EXPECT_TRUE(fs::is_directory(Ut("rovaskep.ini/x")));
  EXPECT_TRUE(dobozok_.empty());
}

#if !defined(__SANITIZE_ADDRESS__)
TEST_F(KepAblakTest, LowMemory) {
  // A 20000 x 20000 picture needs 1.2 GB; with less address space left the
  // save reports it and the window keeps working.
  auto a = Ablak();
  a->SzovegAtadasa("abc", "Rovasjel jb", true, 2);
  Elhagy(a->Mezo(TSzamMezo::Szelesseg), QStringLiteral("20000"));
  Elhagy(a->Mezo(TSzamMezo::Magassag), QStringLiteral("20000"));
  mentesHelye_ = Ut("nagy.bmp");
  rlimit eredeti;
  getrlimit(RLIMIT_AS, &eredeti);
  rlimit kicsi = eredeti;
  std::ifstream statm("/proc/self/statm");
  long lapok = 0;
  statm >> lapok;
  kicsi.rlim_cur = static_cast<rlim_t>(lapok) * sysconf(_SC_PAGESIZE) + (400 << 20);
  setrlimit(RLIMIT_AS, &kicsi);
  a->MentesClick();
  setrlimit(RLIMIT_AS, &eredeti);
  ASSERT_EQ(dobozok_.size(), 1u);
  EXPECT_EQ(dobozok_[0], "Nincs elég memória a 20000 × 20000 képpontos képhez."_hu);
  EXPECT_FALSE(fs::exists(mentesHelye_));
  a->Rajz()->repaint();  // the preview of the huge picture still draws
  EXPECT_EQ(a->Rajz()->accessibleName(), QStringLiteral("20000 \u00D7 20000"));
}
#endif

TEST_F(KepAblakTest, Saving) {
  auto a = Ablak();
  a->Atlatszo()->setChecked(true);
  // Twenty lines do not fit in 300 pixels: saving asks first; No saves nothing.
  std::string sok;
  for (int i = 0; i < 20; ++i) sok += "abc\r\n";
  a->SzovegAtadasa(sok, "Rovasjel jb", true, 2);
  EXPECT_TRUE(a->Lelog());
  mentesHelye_ = Ut("kep.png");
  valasz_ = false;
  a->MentesClick();
  ASSERT_EQ(dobozok_.size(), 1u);
  EXPECT_EQ(dobozok_[0], "Az átrovás vége lelóg a képről. Mégis így szeretnéd menteni a képet?"_hu);
  EXPECT_FALSE(fs::exists(mentesHelye_));
  // Yes saves, with white as the transparent colour.
  valasz_ = true;
  a->MentesClick();
  std::ifstream be(mentesHelye_, std::ios::binary);
  const std::string png{std::istreambuf_iterator<char>(be), {}};
  EXPECT_NE(png.find(std::string("tRNS\0\xFF\0\xFF\0\xFF", 10)), std::string::npos);
  const auto kep = PngBeolvasas(png);
  ASSERT_TRUE(kep);
  EXPECT_EQ(kep->Szelesseg, 400);

  // An empty text draws nothing and leaves the overflow flag as it was.
  a->SzovegAtadasa("  ", "Rovasjel jb", true, 2);
  EXPECT_TRUE(a->Lelog());

  // A failed save names the file in the standard error box.
  dobozok_.clear();
  a->SzovegAtadasa("abc", "Rovasjel jb", true, 2);
  mentesHelye_ = Ut("nincs/kep.png");
  a->MentesClick();
  ASSERT_EQ(dobozok_.size(), 1u);
  EXPECT_NE(dobozok_[0].find(mentesHelye_), std::string::npos) << dobozok_[0];
}

// Every pixel of a test picture tells where it came from.
QImage Minta(int w, int h) {
  QImage kep(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) kep.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 16 + y / 256));
  return kep;
}

TEST_F(KepAblakTest, BackgroundPlacement) {
  TKepBeallitasok b;  // 400 x 300, white
  const QImage kicsi = Minta(70, 45), nagy = Minta(410, 311);
  struct {
    THatterIgazitas hely;
    const QImage* kep;
    QPoint ki, be;  // the picture's pixel `be` lands at `ki`; be = (-1, -1): background colour
  } const esetek[] = {
      {THatterIgazitas::Mozaik, &kicsi, {0, 0}, {0, 0}},
      {THatterIgazitas::Mozaik, &kicsi, {70 * 5 + 3, 45 * 6 + 2}, {3, 2}},
      {THatterIgazitas::Kozepre, &kicsi, {165, 127}, {0, 0}},
      {THatterIgazitas::Kozepre, &kicsi, {164, 127}, {-1, -1}},
      {THatterIgazitas::Kozepre, &kicsi, {234, 171}, {69, 44}},
      // Larger than the picture: halves truncated toward zero, (-5, -5), cut at the edges.
      {THatterIgazitas::Kozepre, &nagy, {0, 0}, {5, 5}},
      {THatterIgazitas::Kozepre, &nagy, {399, 299}, {404, 304}},
      {THatterIgazitas::Nyujtott, &kicsi, {0, 0}, {0, 0}},
      {THatterIgazitas::Nyujtott, &kicsi, {399, 299}, {69, 44}},
  };
  for (const auto& e : esetek) {
    b.HatterIgazitas = e.hely;
    const QImage kep = TKepRajzolo("", "Rovasjel jb", b, false, e.kep).Teljes();
    const QRgb vart = e.be.x() < 0 ? qRgb(255, 255, 255) : e.kep->pixel(e.be);
    EXPECT_EQ(kep.pixel(e.ki), vart) << int(e.hely) << " " << e.ki.x() << "," << e.ki.y();
  }
}

TEST_F(KepAblakTest, APartMatchesTheWhole) {
  // Every background placement, both directions: any part drawn alone equals
  // the same part of the whole picture.
  const QImage hatter = Minta(70, 45);
  TKepBeallitasok b;
  b.Betumeret = 20;
  b.Dolt = true;
  for (const auto hely :
       {THatterIgazitas::Mozaik, THatterIgazitas::Nyujtott, THatterIgazitas::Kozepre}) {
    b.HatterIgazitas = hely;
    for (const bool rtl : {false, true}) {
      const TKepRajzolo r("abc def\r\nghi jklmn opq", "Rovasjel jb", b, rtl, &hatter);
      const QImage egesz = r.Teljes();
      ASSERT_EQ(egesz.format(), QImage::Format_RGB888);
      for (const QRect resz :
           {QRect(0, 0, 400, 300), QRect(33, 17, 101, 57), QRect(250, 1, 150, 40)})
        EXPECT_EQ(r.Resz(resz), egesz.copy(resz)) << int(hely) << rtl << resz.x();
    }
  }
}

}  // namespace

namespace {

// The tool panel stays still when "Átlátszó" hides, and the size boxes show
// their largest values whole.
TEST_F(KepAblakTest, ToolPanelKeepsItsPlaceAndFitsItsValues) {
  auto a = Ablak();
  a->show();
  QApplication::processEvents();
  const int x = a->Formatum(TKepfajta::PNG)->x();
  a->Formatum(TKepfajta::JPG)->click();
  QApplication::processEvents();
  EXPECT_FALSE(a->Atlatszo()->isVisible());
  EXPECT_EQ(a->Formatum(TKepfajta::PNG)->x(), x);
  struct Sor {
    QWidget* mezo;
    QString ertek;
  } sorok[] = {{a->Betumeret(), QStringLiteral("100")},
               {a->Mezo(TSzamMezo::Szelesseg), QStringLiteral("20000")},
               {a->Mezo(TSzamMezo::BalMargo), QStringLiteral("9000")}};
  for (const Sor& s : sorok) {
    const int hely = qobject_cast<QComboBox*>(s.mezo)
                         ? qobject_cast<QComboBox*>(s.mezo)->lineEdit()->width()
                         : s.mezo->width() - 4;
    EXPECT_GE(hely, s.mezo->fontMetrics().horizontalAdvance(s.ertek)) << s.ertek.toStdString();
  }
}

}  // namespace
