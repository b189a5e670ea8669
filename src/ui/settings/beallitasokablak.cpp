// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/beallitasokablak.h"

#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include "app/valtozat.h"
#include "fonts/betukepesseg.h"
#include "htmllabel/htmlcimke.h"
#include "htmllabel/linkcimke.h"
#include "platform/fajl.h"
#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/rendszer.h"
#include "platform/qt/uzenet.h"
#include "platform/win1250.h"
#include "ui/settings/hibaforditas.h"
#include "ui/settings/szabalyellenorzes.h"

using namespace win1250::literals;
using qtkodolas::FromQ;
using qtkodolas::ToQ;

namespace {

constexpr const char* kSugoTulajdonsag = "sugo";  // a control's help index
constexpr std::string_view kValtozat = TOLLNOK_VALTOZAT;

void Hatter(QWidget* w, QRgb szin) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, QColor(szin));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// A built-in picture drawn transparently: the bottom-left pixel's colour is the hole.
void AtlatszoKep(const std::string& nev, QLabel* kep) {
  EroforrasKepBetoltese(nev, kep);
  QPixmap p = kep->pixmap();
  if (p.isNull()) return;
  const QImage k = p.toImage();
  p.setMask(QBitmap::fromImage(k.createMaskFromColor(k.pixel(0, k.height() - 1))));
  kep->setPixmap(p);
}

// A link-styled label: underlined, highlight colour, hand cursor, Verdana 10.
QLabel* Link(const char* szoveg, QWidget* szulo, std::function<void()> kattintas) {
  return new TLinkCimke(ToQ(szoveg), 13, std::move(kattintas), szulo);
}

}  // namespace

TBeallitasokablak::TBeallitasokablak(TBeallitasAllapot& allapot, QWidget* szulo)
    : QDialog(szulo, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      allapot_(allapot) {
  TelepitettBetukeszletek = [] { return rendszer::TelepitettBetukeszletek(); };
  setWindowTitle(ToQ("Rovás beállítások"_hu));
  setFixedSize(731, 517);
  QFont betu(QStringLiteral("Verdana"));
  betu.setPixelSize(11);
  setFont(betu);
  egerFigyelo_.setInterval(100);
  connect(&egerFigyelo_, &QTimer::timeout, this, [this] { EgerFigyeles(QCursor::pos()); });
  // Creation never stops half-way; the last step always runs.
  try {
    Letrehozas();
  } catch (...) {
  }
  betoltes_ = false;
  VezerlokBe();
  BetukeszletValtozas();
  if (const QScreen* k = screen()) move(k->availableGeometry().center() - rect().center());
}

QWidget* TBeallitasokablak::Vezerlo(std::string_view nev) const {
  return findChild<QWidget*>(QString::fromLatin1(nev.data(), static_cast<qsizetype>(nev.size())));
}

void TBeallitasokablak::Letrehozas() {
  betoltes_ = true;
  sugok_ = SugokElokeszitese();

  // The white page-button band.
  auto* sav = new QWidget(this);
  sav->setGeometry(0, 0, 731, 54);
  Hatter(sav, 0xFFFFFF);
  const char* feliratok[] = {"Alap", "Egyéni"_hu, "Kapcsolat"};
  const char* kepek[] = {"B_ALAP", "B_EGYENI", "B_KAPCS"};
  for (int i = 0; i < 3; ++i) {
    // The caption at the bottom, the picture over the upper part.
    auto* l = new TLapGomb(
        ToQ(feliratok[i]), [this, i] { LapValtas(i + 1); }, sav);
    l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    l->setGeometry(8 + i * 61, 0, 57, 54);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    l->setContentsMargins(0, 0, 0, 3);
    l->SetKivalasztott(i == 0);
    l->installEventFilter(this);
    Hatter(l, i == 0 ? kAktualis : kMas);
    auto* k = new QLabel(l);
    k->setGeometry(12, 2, 32, 32);
    k->setAttribute(Qt::WA_TransparentForMouseEvents);
    AtlatszoKep(kepek[i], k);
    lapGombok_[static_cast<size_t>(i)] = l;
  }

  for (int i = 0; i < 3; ++i) {
    auto* lap = new QWidget(this);
    lap->setObjectName(i == 0 ? "PAlap" : i == 1 ? "PEgyeni" : "PKapcsolat");
    lap->setGeometry(0, 54, 731, 517 - 54 - 41);
    lap->setVisible(i == 0);
    lapok_[static_cast<size_t>(i)] = lap;
  }

  // Controls: each named after its rovas.ini key, with its help index.
  const auto sugo = [](QWidget* w, int n) { w->setProperty(kSugoTulajdonsag, n); };
  // Lists and text fields are named by the label before them (screen readers
  // on Linux take a list's name from that label's buddy relation).
  QLabel* elozo = nullptr;
  const auto cimke = [&](const char* szoveg, QWidget* szulo, int x, int y, int n = 0) {
    auto* l = new QLabel(ToQ(szoveg), szulo);
    l->move(x, y + 3);
    l->adjustSize();
    sugo(l, n);
    elozo = l;
    return l;
  };
  const auto lista = [&](const char* nev, const char* felirat, auto&& elemek, QWidget* szulo,
                         QRect hely, int n) {
    auto* c = new QComboBox(szulo);
    if (elozo) elozo->setBuddy(c);
    elozo = nullptr;
    c->setObjectName(QString::fromLatin1(nev));
    for (const auto& e : elemek) c->addItem(ToQ(e));
    c->setGeometry(hely);
    c->setAccessibleName(ToQ(felirat));
    sugo(c, n);
    return c;
  };
  const auto doboz = [&](const char* nev, const char* felirat, QWidget* szulo, int x, int y,
                         int n = 0) {
    auto* c = new QCheckBox(ToQ(felirat), szulo);
    c->setObjectName(QString::fromLatin1(nev));
    c->move(x, y);
    c->adjustSize();
    c->setAccessibleName(ToQ(felirat));
    sugo(c, n);
    return c;
  };
  const auto mezo = [&](const char* nev, const char* felirat, QWidget* szulo, QRect hely) {
    auto* e = new QLineEdit(szulo);
    if (elozo) elozo->setBuddy(e);
    elozo = nullptr;
    e->setObjectName(QString::fromLatin1(nev));
    e->setGeometry(hely);
    e->setAccessibleName(ToQ(felirat));
    return e;
  };

  // Page "Alap".
  QWidget* alap = lapok_[0];
  pAlapBal_ = new QWidget(alap);
  pAlapBal_->setObjectName(QStringLiteral("PAlapBal"));
  pAlapBal_->setGeometry(0, 0, 377, alap->height());
  cimke("Betűkészlet"_hu, pAlapBal_, 12, 12, 1);
  auto* lBetukeszlet = lista("LBetukeszlet", "Betűkészlet"_hu, FelkinaltBetukeszletek(), pAlapBal_,
                             {120, 12, 245, 22}, 1);
  cimke("Szövegirány"_hu, pAlapBal_, 12, 40, 2);
  lista("LIrany", "Szövegirány"_hu, kIranyok, pAlapBal_, {120, 40, 245, 22}, 2);
  cimke("Betűméret"_hu, pAlapBal_, 12, 68, 3);
  lista("LMeret", "Betűméret"_hu, kMeretek, pAlapBal_, {120, 68, 70, 22}, 3);
  auto* gb1 = new QGroupBox(ToQ(" Lehetőségek "_hu), pAlapBal_);
  gb1->setObjectName(QStringLiteral("GroupBox1"));
  gb1->setAccessibleName(ToQ("Lehetőségek"_hu));
  gb1->setGeometry(8, 98, 361, 318);
  groupBox1_ = gb1;
  doboz("PKivetelesSzavak", "Kivételes szavak kezelése"_hu, gb1, 10, 22, 4);
  doboz("PKiterjesztettBetuk", "Kiterjesztett betűk használata"_hu, gb1, 10, 44, 5);
  auto* pMelyK = doboz("PMelyK", "aK jel használata"_hu, gb1, 10, 66, 6);
  // The box beside the list says what it is for; screen readers on Linux
  // name a list only by a label whose buddy it is, so it gets an unseen one.
  cimke("aK jel használata"_hu, gb1, 170, 64)->hide();
  auto* lAK = lista("LaKHasznalatiMod", "aK jel használata"_hu, kAKHasznalatiModok, gb1,
                    {170, 64, 180, 22}, 16);
  doboz("POsszerovas", "Összerovás"_hu, gb1, 10, 88, 7);
  doboz("PKepjelek", "Képjelek"_hu, gb1, 10, 110, 8);
  auto* pSzamok = doboz("PSzamok", "Számok átrovása"_hu, gb1, 10, 132, 9);
  doboz("PSzamokBJ", "Számok balról jobbra"_hu, gb1, 170, 132, 10);
  auto* gb2 = new QGroupBox(ToQ(" Hangzóugratás "_hu), gb1);
  gb2->setObjectName(QStringLiteral("GroupBox2"));
  gb2->setAccessibleName(ToQ("Hangzóugratás"_hu));
  gb2->setGeometry(8, 158, 345, 152);
  groupBox2_ = gb2;
  cimke("Módszer"_hu, gb2, 10, 22, 11);
  auto* lHModszer = lista("LHModszer", "Módszer"_hu, kHModszerek, gb2, {80, 22, 255, 22}, 11);
  cimke("Hatókör"_hu, gb2, 10, 50, 12);
  lista("LHHatokor", "Hatókör"_hu, kHHatokorok, gb2, {80, 50, 120, 22}, 12);
  doboz("PHIsmetlodoEgyesit", "Ismétlődő mássalhangzók egyesítése"_hu, gb2, 10, 80, 13);
  doboz("PHHosszutRovidit", "Hosszú magánhangzók rövidítése"_hu, gb2, 10, 102, 14);
  doboz("PHKezdoEKihagy", "Kezdő 'e' sorozat kihagyható"_hu, gb2, 10, 124, 15);

  gorgeto_ = new QScrollArea(alap);
  gorgeto_->setObjectName(QStringLiteral("Gorgeto"));
  gorgeto_->setGeometry(377, 0, 731 - 377, alap->height());  // the label: 338 wide
  gorgeto_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  gorgeto_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  gorgeto_->setAccessibleName(ToQ("Gyors súgó"_hu));
  sugo_ = new THtmlCimke;
  sugo_->setObjectName(QStringLiteral("Sugo"));
  sugo_->SetColor(palette().color(QPalette::Button));
  sugo_->SetAutoHeight(true);
  sugo_->resize(gorgeto_->width() - 16, 100);
  gorgeto_->setWidget(sugo_);
  gorgeto_->setWidgetResizable(false);
  sugo_->OnLinkClicked = [this](const std::string& cel, bool& kezelve) {
    if (cel == "#telepites") {
      kezelve = true;
      TelepitoInditasa();
    } else if (!cel.starts_with('#')) {
      kezelve = true;
      rendszer::UrlMegnyitas(cel, this);
    }
  };

  // Page "Egyéni".
  QWidget* egyeni = lapok_[1];
  auto* pEgyeni = doboz("PEgyeniBeallitasok", "Egyéni beállítások használata"_hu, egyeni, 12, 12);
  cimke("Betűkészlet"_hu, egyeni, 12, 44);
  mezo("SzEBetukeszlet", "Betűkészlet"_hu, egyeni, {130, 44, 250, 22});
  cimke("Szövegirány"_hu, egyeni, 12, 72);
  lista("LESzovegirany", "Szövegirány"_hu, kESzovegiranyok, egyeni, {130, 72, 150, 22}, 0);
  auto* fejlec = cimke("Átrovási szabályok"_hu, egyeni, 12, 104);
  QFont vastag = fejlec->font();
  vastag.setBold(true);
  fejlec->setFont(vastag);
  fejlec->adjustSize();
  const char* korok[][2] = {{"SzEElsoKor", "Első kör"_hu},
                            {"SzEMasodikKor", "Második kör"_hu},
                            {"SzESzamokKore", "Számok"_hu},
                            {"SzEGepeleskor", "Gépeléskor"_hu}};
  // rovas.ini keeps 2,047 characters of a value: a longer list would come
  // back cut in the middle of a rule, so the fields stop there and say why.
  lKorlat_ = new QLabel(egyeni);
  lKorlat_->setObjectName(QStringLiteral("LKorlat"));
  lKorlat_->setGeometry(200, 104, 518, 20);
  lKorlat_->hide();
  for (int i = 0; i < 4; ++i) {
    cimke(korok[i][1], egyeni, 12, 130 + i * 28);
    QLineEdit* e = mezo(korok[i][0], korok[i][1], egyeni, {130, 130 + i * 28, 588, 22});
    e->setMaxLength(static_cast<int>(kSzabalyListaMax));
    e->setToolTip(ToQ("Legfeljebb "_hu + std::to_string(kSzabalyListaMax) +
                      " karakter: ennyit őriz meg a beállítási fájl."_hu));
    connect(e, &QLineEdit::textChanged, this, &TBeallitasokablak::KorlatJelzes);
  }
  auto* gb3 = new QGroupBox(ToQ(" Egyebek "_hu), egyeni);
  gb3->setObjectName(QStringLiteral("GroupBox3"));
  gb3->setGeometry(8, 252, 715, 160);
  doboz("PKivetelesSzavakOnmukodo", "Kivételes szavak önműködő letöltése"_hu, gb3, 10, 24);
  Link("Mik ezek?", gb3, [this] { MikEzek(); })->move(330, 22);
  cimke("Szavak száma:"_hu, gb3, 10, 52);
  cSzavakSzama_ = cimke("0", gb3, 130, 52);
  cSzavakSzama_->setObjectName(QStringLiteral("CSzavakSzama"));
  cSzavakSzama_->setMinimumWidth(120);
  cimke("Utolsó frissítés:"_hu, gb3, 10, 76);
  auto* lUtolso = cimke("Soha", gb3, 130, 76);
  lUtolso->setObjectName(QStringLiteral("LUtolsoFrissites"));
  lUtolso->setMinimumWidth(160);
  auto* bFrissites = new QPushButton(ToQ("Frissítés most"_hu), gb3);
  bFrissites->setObjectName(QStringLiteral("BFrissitesMost"));
  bFrissites->setGeometry(10, 110, 130, 25);
  // Never the default button: Enter must not start a download.
  bFrissites->setAutoDefault(false);
  connect(bFrissites, &QPushButton::clicked, this, &TBeallitasokablak::FrissitesMost);
  doboz("POffice2010", "Office 2010, vagy frissebb rendszerem van", gb3, 330, 52);

  // Page "Kapcsolat".
  QWidget* kapcsolat = lapok_[2];
  cimke("Változat:"_hu, kapcsolat, 20, 20);
  auto* cValtozat = cimke(kValtozat.data(), kapcsolat, 100, 20);
  cValtozat->setObjectName(QStringLiteral("CValtozat"));
  Link("Ugrás a program honlapjára"_hu, kapcsolat, [this] {
    rendszer::UrlMegnyitas(std::string(kHonlapCim), this);
  })->move(20, 56);
  Link("Rovás betűkészletek telepítése"_hu, kapcsolat, [] { TelepitoInditasa(); })->move(20, 86);
  // The licence text that ships with the program (LICENSE beside it or in its data folder).
  Link("Licenc: GNU GPL, 3. vagy későbbi változat"_hu, kapcsolat, [this] {
    const std::string licenc = platform::ProgramFile("LICENSE");
    if (!platform::FileExists(licenc))
      uzenet::Hiba("Nem található a licencet tartalmazó \"LICENSE\" állomány."_hu, this);
    else
      rendszer::Megnyitas(licenc, "LICENSE", this);
  })->move(20, 116);
  auto* osszefogas = new QLabel(kapcsolat);
  osszefogas->setObjectName(QStringLiteral("Osszefogas"));
  osszefogas->setGeometry(410, 40, 302, 302);
  osszefogas->setToolTip(ToQ("Összefogás!"_hu));
  osszefogas->setAccessibleName(ToQ("Összefogás!"_hu));
  AtlatszoKep("OSSZEFN", osszefogas);

  // The bottom band.
  const char* gombok[][2] = {
      {"GRendben", "Rendben"}, {"GAlaphelyzet", "Alaphelyzet"}, {"GMegsem", "Mégsem"_hu}};
  QPushButton* g[3];
  for (int i = 0; i < 3; ++i) {
    g[i] = new QPushButton(ToQ(gombok[i][1]), this);
    g[i]->setObjectName(QString::fromLatin1(gombok[i][0]));
    g[i]->setGeometry(731 - 3 * 98 + i * 98, 517 - 33, 90, 25);
    g[i]->setAutoDefault(false);
  }
  // Enter anywhere in the window means "Rendben".
  gRendben_ = g[0];
  gRendben_->setDefault(true);
  connect(g[0], &QPushButton::clicked, this, &TBeallitasokablak::Rendben);
  connect(g[1], &QPushButton::clicked, this, &TBeallitasokablak::Alaphelyzet);
  connect(g[2], &QPushButton::clicked, this, &QDialog::reject);

  // Change events.
  const auto frissit = [this] {
    if (betoltes_) return;
    VezerlokKi();
    Engedelyezes();
  };
  const auto betukeszlet = [this] {
    if (!betoltes_) BetukeszletValtozas();
  };
  connect(lBetukeszlet, &QComboBox::currentIndexChanged, this, betukeszlet);
  connect(lAK, &QComboBox::currentIndexChanged, this, betukeszlet);
  connect(lHModszer, &QComboBox::currentIndexChanged, this, frissit);
  for (QCheckBox* c : {pEgyeni, pSzamok, pMelyK}) connect(c, &QCheckBox::clicked, this, frissit);

  SugoMegjelenitese(0);
}

void TBeallitasokablak::VezerlokBe() {
  const bool volt = betoltes_;
  betoltes_ = true;
  const TBeallitasVezerlok& v = allapot_.V;
  for (const TBeallitasKulcs& k : BeallitasSema()) {
    QWidget* w = Vezerlo(k.nev);
    if (auto* c = qobject_cast<QComboBox*>(w)) c->setCurrentIndex(v.*k.egesz);
    if (auto* c = qobject_cast<QCheckBox*>(w)) c->setChecked(v.*k.logikai);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      e->setText(ToQ(v.*k.szoveg));
      e->setCursorPosition(0);  // long rule lists show their beginning
    }
    if (auto* l = qobject_cast<QLabel*>(w); l && k.szoveg) l->setText(ToQ(v.*k.szoveg));
  }
  cSzavakSzama_->setText(ToQ(v.CSzavakSzama));
  betoltes_ = volt;
}

void TBeallitasokablak::VezerlokKi() {
  TBeallitasVezerlok& v = allapot_.V;
  for (const TBeallitasKulcs& k : BeallitasSema()) {
    QWidget* w = Vezerlo(k.nev);
    if (auto* c = qobject_cast<QComboBox*>(w)) v.*k.egesz = c->currentIndex();
    if (auto* c = qobject_cast<QCheckBox*>(w)) v.*k.logikai = c->isChecked();
    if (auto* e = qobject_cast<QLineEdit*>(w)) v.*k.szoveg = FromQ(e->text());
  }
}

void TBeallitasokablak::Engedelyezes() {
  const TEngedelyezes e = allapot_.Engedelyezes();
  for (const TEngedelyezettVezerlo& v : EngedelyezettVezerlok())
    if (QWidget* w = Vezerlo(v.nev)) w->setEnabled(e.*v.be);
}

void TBeallitasokablak::BetukeszletValtozas() {
  VezerlokKi();
  allapot_.BetukeszletValtozas();
  Engedelyezes();
}

void TBeallitasokablak::SugoMegjelenitese(int n) {
  if (n == sugoIndex_ || n < 0 || n >= kSugoSzam) return;
  sugoIndex_ = n;
  sugo_->SetHtml(
      SugoSzoveg(sugok_, n, n == 1 ? TelepitettBetukeszletek() : std::vector<std::string>{}));
  sugo_->Frissites();
}

void TBeallitasokablak::EgerFigyeles(QPoint globalis) {
  for (QWidget* szint : {pAlapBal_, groupBox1_, groupBox2_}) {
    const QPoint p = szint->mapFromGlobal(globalis);
    for (QObject* o : szint->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (!w || w->isHidden() || !w->geometry().contains(p)) continue;
      const int n = w->property(kSugoTulajdonsag).toInt();
      if (n != 0) {
        SugoMegjelenitese(n);
        return;
      }
      break;  // the control under the point has no help: look one level deeper
    }
  }
}

void TBeallitasokablak::LapValtas(int lap) {
  if (lap == lap_ || lap < 1 || lap > 3) return;
  Hatter(lapGombok_[static_cast<size_t>(lap - 1)], kAktualis);
  Hatter(lapGombok_[static_cast<size_t>(lap_ - 1)], kMas);
  lapGombok_[static_cast<size_t>(lap - 1)]->SetKivalasztott(true);
  lapGombok_[static_cast<size_t>(lap_ - 1)]->SetKivalasztott(false);
  lapok_[static_cast<size_t>(lap - 1)]->show();
  lapok_[static_cast<size_t>(lap_ - 1)]->hide();
  lap_ = lap;
}

void TBeallitasokablak::LapEgerAlatt(int lap, bool alatta) {
  if (lap == lap_) return;
  Hatter(lapGombok_[static_cast<size_t>(lap - 1)], alatta ? kEgerAlatt : kMas);
}

bool TBeallitasokablak::eventFilter(QObject* o, QEvent* e) {
  for (int i = 0; i < 3; ++i) {
    if (o != lapGombok_[static_cast<size_t>(i)]) continue;
    switch (e->type()) {
      case QEvent::Enter:
      case QEvent::MouseMove:
        LapEgerAlatt(i + 1, true);
        break;
      case QEvent::Leave:
        LapEgerAlatt(i + 1, false);
        break;
      default:
        break;
    }
  }
  return QDialog::eventFilter(o, e);
}

void TBeallitasokablak::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  egerFigyelo_.start();
  const TBeallitasEredmeny r = allapot_.Megjelenites();
  VezerlokBe();
  Engedelyezes();
  if (!r.Uzenet.empty()) uzenet::Figyelmeztetes(HibaMagyarul(r.Uzenet), this);
}

void TBeallitasokablak::hideEvent(QHideEvent* e) {
  egerFigyelo_.stop();
  QDialog::hideEvent(e);
}

void TBeallitasokablak::done(int eredmeny) {
  if (QWidget* f = focusWidget()) f->clearFocus();
  // Cancelled changes leave the model as rovas.ini has it, the font record
  // included, so the main window applies a record that matches its font.
  if (eredmeny != QDialog::Accepted) allapot_.Megjelenites();
  QDialog::done(eredmeny);
}

void TBeallitasokablak::Rendben() {
  VezerlokKi();
  // Custom rule lists are used only while the custom settings are on.
  if (allapot_.V.PEgyeniBeallitasok) {
    if (const std::optional<TSzabalyMezoHiba> hiba = EgyeniSzabalyokHibaja(allapot_.V)) {
      uzenet::Hiba(hiba->uzenet, this);
      LapValtas(2);
      if (QWidget* mezo = Vezerlo(hiba->mezo)) mezo->setFocus();
      return;
    }
  }
  const TBeallitasEredmeny r = allapot_.Rendben();
  if (!r.Uzenet.empty()) uzenet::Figyelmeztetes(HibaMagyarul(r.Uzenet), this);
  accept();
}

void TBeallitasokablak::Alaphelyzet() {
  if (!uzenet::Kerdes(std::string(kAlaphelyzetKerdes), this)) return;
  allapot_.AlaphelyzetIgen();
  VezerlokBe();
  Engedelyezes();
}

void TBeallitasokablak::MikEzek() {
  const std::string szoXml = allapot_.SzoXml();
  if (!platform::FileExists(szoXml)) {
    uzenet::Hiba(std::string(kSzoXmlHianyzik), this);
    return;
  }
  rendszer::Megnyitas(szoXml, "szo.xml", this);
}

void TBeallitasokablak::FrissitesMost() {
  TLetoltesEredmeny e;
  {
    rendszer::THomokora homokora;
    e = allapot_.Letoltes(false);
  }
  VezerlokBe();
  if (e.UzenetFajta == TLetoltesEredmeny::kInformacio) uzenet::Informacio(e.Uzenet, this);
  if (e.UzenetFajta == TLetoltesEredmeny::kHiba) uzenet::Hiba(HibaMagyarul(e.Uzenet), this);
}

void TBeallitasokablak::KorlatJelzes() {
  for (const char* nev : {"SzEElsoKor", "SzEMasodikKor", "SzESzamokKore", "SzEGepeleskor"}) {
    const auto* e = qobject_cast<QLineEdit*>(Vezerlo(nev));
    if (e && e->text().size() >= e->maxLength()) {
      lKorlat_->setText(ToQ("A(z) „"_hu + FromQ(e->accessibleName()) +
                            "” mező betelt: a beállítási fájl "_hu +
                            std::to_string(kSzabalyListaMax) + " karaktert őriz meg."_hu));
      lKorlat_->show();
      return;
    }
  }
  lKorlat_->hide();
}
