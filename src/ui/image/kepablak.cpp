// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image/kepablak.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/beallitasok.h"
#include "htmllabel/linkcimke.h"
#include "platform/fajl.h"
#include "platform/ini.h"
#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/rendszer.h"
#include "platform/qt/uzenet.h"
#include "ui/image/kepnezet.h"
#include "ui/settings/hibaforditas.h"

using namespace win1250::literals;
using qtkodolas::ToQ;

namespace {

constexpr TSzamMezo kMezok[6] = {TSzamMezo::Szelesseg, TSzamMezo::Magassag,  TSzamMezo::FelsoMargo,
                                 TSzamMezo::BalMargo,  TSzamMezo::JobbMargo, TSzamMezo::Sorkoz};

// The picture of an alignment button: five lines aligned its way.
QIcon IgazitasIkon(TIgazitas igazitas) {
  QPixmap kep(16, 16);
  kep.fill(Qt::transparent);
  QPainter p(&kep);
  p.setPen(QPen(Qt::black, 1));
  const int hosszak[5] = {14, 9, 12, 7, 14};
  for (int i = 0; i < 5; ++i) {
    const int h = igazitas == TIgazitas::Sorkizart ? 14 : hosszak[i];
    const int x = igazitas == TIgazitas::Balra || igazitas == TIgazitas::Sorkizart ? 1
                  : igazitas == TIgazitas::Jobbra                                  ? 15 - h
                                                                                   : (16 - h) / 2;
    p.drawLine(x, 2 + 3 * i, x + h - 1, 2 + 3 * i);
  }
  return QIcon(kep);
}

QToolButton* Eszkoz(const QString& felirat, const char* sugo, QWidget* szulo, bool kapcsolo) {
  auto* b = new QToolButton(szulo);
  b->setText(felirat);
  b->setStatusTip(ToQ(sugo));
  b->setToolTip(ToQ(sugo));
  b->setAccessibleName(ToQ(sugo));
  b->setCheckable(kapcsolo);
  b->setAutoRaise(true);
  b->setFixedSize(20, 20);
  return b;
}

QColor Szinbol(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
unsigned Szinbe(const QColor& c) {
  return static_cast<unsigned>(c.red()) | static_cast<unsigned>(c.green()) << 8 |
         static_cast<unsigned>(c.blue()) << 16;
}

std::string FajlNev(const QString& utvonal) { return QFile::encodeName(utvonal).toStdString(); }

// The common dialogs. Paths are file-system bytes; empty when cancelled.
QColor SzinDialogus(const QColor& kezdo, QWidget* szulo) {
  const QColor c = QColorDialog::getColor(kezdo, szulo);
  return c.isValid() ? c : kezdo;
}

std::string HatterDialogus(QWidget* szulo) {
  return FajlNev(QFileDialog::getOpenFileName(
      szulo, ToQ("Háttérkép választása feliratozáshoz"_hu), {},
      ToQ("Képek (*.png *.jpg *.jpeg *.bmp);;PNG képek (*.png);;JPG képek (*.jpg *.jpeg);;"
          "BMP képek (*.bmp)"_hu)));
}

// The save dialog refuses a path whose folder does not exist, and stays open.
class TMentesAblak : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const QStringList fajlok = selectedFiles();
    if (!fajlok.isEmpty() && !MappaLetezik(fajlok.first())) {
      MappaHiba(fajlok.first(), this);
      return;
    }
    QFileDialog::accept();
  }

  static bool MappaLetezik(const QString& utvonal) {
    return QFileInfo(utvonal).absoluteDir().exists();
  }
  static void MappaHiba(const QString& utvonal, QWidget* szulo) {
    uzenet::Hiba(qtkodolas::FromQ(QStringLiteral("\"%1\" ").arg(
                     QDir::toNativeSeparators(QFileInfo(utvonal).absolutePath()))) +
                     "mappa nem létezik."_hu,
                 szulo);
  }
};

std::string MentesDialogus(TKepfajta fajta, QWidget* szulo) {
  static const char* const kSzurok[] = {"PNG képek (*.png)"_hu, "JPG képek (*.jpg)"_hu,
                                        "BMP képek (*.bmp)"_hu};
  static const char* const kKiterjesztesek[] = {"png", "jpg", "bmp"};
  const int i = static_cast<int>(fajta) - 1;
  TMentesAblak d(szulo, ToQ("Rováskép mentése"_hu), {}, ToQ(kSzurok[i]));
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setFileMode(QFileDialog::AnyFile);
  d.setDefaultSuffix(QString::fromLatin1(kKiterjesztesek[i]));
  d.setOption(QFileDialog::DontConfirmOverwrite);  // asked in Hungarian below
  QString utvonal;
  // A platform dialog may not call accept(): the folder is checked again.
  for (;;) {
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    utvonal = d.selectedFiles().first();
    if (TMentesAblak::MappaLetezik(utvonal)) break;
    TMentesAblak::MappaHiba(utvonal, szulo);
  }
  if (QFile::exists(utvonal) &&
      !uzenet::Kerdes(
          qtkodolas::FromQ(QStringLiteral("\"%1\" ").arg(utvonal)) + "már létezik. Lecseréled?"_hu,
          szulo))
    return {};
  return FajlNev(utvonal);
}

}  // namespace

TKepAblak::TKepAblak(QWidget* foablak)
    : QWidget(foablak, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(ToQ("Rováskép létrehozása"_hu));
  LinkAkadalymentesites();
  QFont betu(QStringLiteral("Tahoma"));
  betu.setPixelSize(11);
  setFont(betu);

  SzinValasztas = [this](const QColor& kezdo) { return SzinDialogus(kezdo, this); };
  HatterValasztas = [this] { return HatterDialogus(this); };
  MentesHelye = [this](TKepfajta fajta) { return MentesDialogus(fajta, this); };
  QWidget* pTeteje = Eszkozok();

  doboz_ = new QScrollArea(this);
  doboz_->setAccessibleName(ToQ("Előnézet"_hu));
  rajz_ = new TKepNezet;
  doboz_->setWidget(rajz_);
  doboz_->setWidgetResizable(false);
  lablec_ = new QStatusBar(this);
  lablec_->setSizeGripEnabled(false);
  // The status bar's name is the hint it shows.

  auto* fo = new QVBoxLayout(this);
  fo->setContentsMargins(0, 0, 0, 0);
  fo->setSpacing(0);
  fo->addWidget(pTeteje);
  fo->addWidget(doboz_, 1);
  fo->addWidget(lablec_);
  // Captions are never squeezed: where the system font is wider than the
  // window was drawn for, the window grows instead.
  for (QWidget* w : pTeteje->findChildren<QWidget*>())
    w->setSizePolicy(QSizePolicy::Fixed, w->sizePolicy().verticalPolicy());
  // "Átlátszó" keeps its room while hidden, so the save group stays put.
  QSizePolicy atlatszoHely = atlatszo_->sizePolicy();
  atlatszoHely.setRetainSizeWhenHidden(true);
  atlatszo_->setSizePolicy(atlatszoHely);
  const int szelesseg = std::max(640, fo->minimumSize().width());
  setMinimumSize(szelesseg, 300);
  resize(szelesseg, 454);

  // FormCreate: rovaskep.ini, the margins' rule, the background.
  {
    const platform::IniFile ini(platform::ProgramFile("rovaskep.ini"));
    b_ = TKepBeallitasok::Betoltes(ini);
    iniOlvashatatlan_ = !ini.ReadStatus().ok();
  }
  Vezerlokbe();
  if (const int index = BeepitettHatterIndex(b_.Hatter))
    BeepitettHatterBetoltese(index);
  else if (!b_.Hatter.empty() && platform::FileExists(b_.Hatter))
    HatterFajlBetoltese(b_.Hatter);
  KepfajtaValtozott();

  // Everything that redraws (Rajzolas).
  for (QButtonGroup* g : {igazitas_, irany_, hatterIgazitas_})
    connect(g, &QButtonGroup::idClicked, this, [this] { Ujrarajzolas(); });
  for (QAbstractButton* b :
       {static_cast<QAbstractButton*>(felkover_), static_cast<QAbstractButton*>(dolt_),
        static_cast<QAbstractButton*>(elsimitas_)})
    connect(b, &QAbstractButton::toggled, this, [this] { Ujrarajzolas(); });
  connect(kepfajta_, &QButtonGroup::idToggled, this, [this] { KepfajtaValtozott(); });
  connect(betumeret_, &QComboBox::editTextChanged, this, &TKepAblak::BetumeretChange);
}

// PTeteje: the two tool rows. Controls whose action is more than a redraw are
// connected here; the redraws are connected once the settings are loaded.
QWidget* TKepAblak::Eszkozok() {
  auto* pTeteje = new QWidget(this);
  pTeteje->setFixedHeight(81);
  pTeteje->setAccessibleName(ToQ("Eszközök"_hu));
  auto* sor1 = new QHBoxLayout;
  auto* sor2 = new QHBoxLayout;
  for (QHBoxLayout* sor : {sor1, sor2}) {
    sor->setSpacing(1);
    sor->setContentsMargins(3, 2, 3, 2);
  }
  auto* teteje = new QVBoxLayout(pTeteje);
  teteje->setContentsMargins(0, 0, 0, 0);
  teteje->setSpacing(0);
  teteje->addLayout(sor1);
  teteje->addLayout(sor2);

  igazitas_ = new QButtonGroup(this);
  const std::pair<TIgazitas, const char*> igazitasok[] = {
      {TIgazitas::Balra, "Balra igazítás"_hu},
      {TIgazitas::Kozep, "Középre igazítás"_hu},
      {TIgazitas::Jobbra, "Jobbra igazítás"_hu},
      {TIgazitas::Sorkizart, "Sorkizárt igazítás"_hu}};
  for (const auto& [ig, sugo] : igazitasok) {
    QToolButton* b = Eszkoz({}, sugo, pTeteje, true);
    b->setIcon(IgazitasIkon(ig));
    igazitas_->addButton(b, static_cast<int>(ig));
    sor1->addWidget(b);
  }
  sor1->addSpacing(3);
  felkover_ = Eszkoz(QStringLiteral("F"), "Félkövér betűk"_hu, pTeteje, true);
  QFont f = felkover_->font();
  f.setBold(true);
  felkover_->setFont(f);
  dolt_ = Eszkoz(QStringLiteral("D"), "Dőlt betűk"_hu, pTeteje, true);
  f.setBold(false);
  f.setItalic(true);
  dolt_->setFont(f);
  sor1->addWidget(felkover_);
  sor1->addWidget(dolt_);
  sor1->addSpacing(3);
  irany_ = new QButtonGroup(this);
  QToolButton* balrol = Eszkoz(QStringLiteral("\u2192"), "Balról jobbra"_hu, pTeteje, true);
  QToolButton* jobbrol = Eszkoz(QStringLiteral("\u2190"), "Jobbról balra"_hu, pTeteje, true);
  irany_->addButton(balrol, 2);
  irany_->addButton(jobbrol, 1);
  sor1->addWidget(balrol);
  sor1->addWidget(jobbrol);
  sor1->addSpacing(3);

  auto SzinGomb = [&](const char* sugo, QFrame*& jelzo, bool betuszin) {
    auto* oszlop = new QVBoxLayout;
    oszlop->setSpacing(1);
    QToolButton* b = Eszkoz(QStringLiteral("A"), sugo, pTeteje, false);
    b->setFixedHeight(16);
    jelzo = new QFrame(pTeteje);
    jelzo->setFixedSize(20, 4);
    jelzo->setAutoFillBackground(true);
    jelzo->setAccessibleName(ToQ(sugo));
    jelzo->setStatusTip(ToQ(sugo));
    oszlop->addWidget(b);
    oszlop->addWidget(jelzo);
    sor1->addLayout(oszlop);
    connect(b, &QToolButton::clicked, this, [this, betuszin] { SzinClick(betuszin); });
  };
  SzinGomb("Betűszín"_hu, betuszinJelzo_, true);
  SzinGomb("Háttérszín"_hu, hatterszinJelzo_, false);
  sor1->addSpacing(3);

  const char* const mezoSugok[6] = {"Kép szélessége"_hu,         "Kép magassága"_hu,
                                    "Felső margó beállítása"_hu, "Bal margó beállítása"_hu,
                                    "Jobb margó beállítása"_hu,  "Sorköz beállítása"_hu};
  for (int i = 0; i < 6; ++i) {
    auto* m = new QLineEdit(pTeteje);
    m->setStatusTip(ToQ(mezoSugok[i]));
    m->setToolTip(ToQ(mezoSugok[i]));
    m->setAccessibleName(ToQ(mezoSugok[i]));
    // Room for the largest value: 20000 pixels, 9000 for the margins.
    m->setFixedWidth(m->fontMetrics().horizontalAdvance(i < 2 ? QStringLiteral("20000")
                                                              : QStringLiteral("9000")) +
                     12);
    mezok_[i] = m;
    const TSzamMezo mezo = kMezok[i];
    connect(m, &QLineEdit::editingFinished, this, [this, mezo] { SzamMezoElhagyasa(mezo); });
  }
  sor1->addWidget(mezok_[0]);
  auto* x = new QLabel(QStringLiteral("X"), pTeteje);
  sor1->addWidget(x);
  sor1->addWidget(mezok_[1]);
  sor1->addSpacing(3);

  elsimitas_ = new QCheckBox(ToQ("Élsimítás"_hu), pTeteje);
  elsimitas_->setStatusTip(
      ToQ("A megjelenő betűk és a háttér közti éles váltást teszi lágyabbá. Minőségileg jobb az "
          "élsimított kép. (Antialias)"_hu));
  elsimitas_->setAccessibleName(elsimitas_->text());
  sor1->addWidget(elsimitas_);

  betumeret_ = new QComboBox(pTeteje);
  betumeret_->setEditable(true);
  betumeret_->setInsertPolicy(QComboBox::NoInsert);
  for (int m = 5; m <= 22; ++m) betumeret_->addItem(QString::number(m));
  for (int m : {24, 26, 28, 30, 32, 34, 36, 40, 45, 50, 55, 60, 70, 80, 90, 100})
    betumeret_->addItem(QString::number(m));
  betumeret_->setStatusTip(ToQ("Betűméret"_hu));
  betumeret_->setToolTip(ToQ("Betűméret"_hu));
  betumeret_->setAccessibleName(ToQ("Betűméret"_hu));
  betumeret_->lineEdit()->setAccessibleName(ToQ("Betűméret"_hu));
  // Screen readers on Linux name a list by the label whose buddy it is.
  auto* betumeretCimke = new QLabel(ToQ("Betűméret"_hu), pTeteje);
  betumeretCimke->setBuddy(betumeret_);
  betumeretCimke->hide();
  // Three digits ("100") and the arrow.
  betumeret_->setMinimumContentsLength(3);
  betumeret_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  sor1->addWidget(betumeret_);
  sor1->addStretch();

  auto* mentes = new QToolButton(pTeteje);
  mentes->setText(ToQ("Mentés"_hu));
  mentes->setStatusTip(ToQ("Mentés képként, a kijelölt formátumban"_hu));
  mentes->setAccessibleName(mentes->text());
  connect(mentes, &QToolButton::clicked, this, [this] { MentesClick(); });
  sor1->addWidget(mentes);
  kepfajta_ = new QButtonGroup(this);
  const std::pair<const char*, const char*> fajtak[] = {{"PNG", "Mentés PNG formában"_hu},
                                                        {"JPG", "Mentés JPG formában"_hu},
                                                        {"BMP", "Mentés BMP formában"_hu}};
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(QString::fromLatin1(fajtak[i].first), pTeteje);
    r->setStatusTip(ToQ(fajtak[i].second));
    r->setAccessibleName(r->text());
    kepfajta_->addButton(r, i + 1);
    sor1->addWidget(r);
  }
  atlatszo_ = new QCheckBox(ToQ("Átlátszó"_hu), pTeteje);
  atlatszo_->setStatusTip(ToQ("A mentett PNG kép háttere legyen átlátszó?"_hu));
  atlatszo_->setAccessibleName(atlatszo_->text());
  sor1->addWidget(atlatszo_);

  // Second row: backgrounds, their placement, the margins.
  const char* const hatterSugok[3] = {"Fa háttér beállítása"_hu, "'Papíros' háttér beállítása"_hu,
                                      "Kőlap háttér beállítása"_hu};
  for (int i = 1; i <= 3; ++i) {
    QToolButton* b = Eszkoz({}, hatterSugok[i - 1], pTeteje, false);
    b->setIcon(QIcon(QPixmap::fromImage(BeepitettHatterKep(i).scaled(16, 16))));
    connect(b, &QToolButton::clicked, this, [this, i] { BeepitettHatterBetoltese(i); });
    sor2->addWidget(b);
  }
  QToolButton* sajat =
      Eszkoz(QStringLiteral("\u2026"), "Saját háttér választása"_hu, pTeteje, false);
  QToolButton* megsem = Eszkoz(QStringLiteral("\u00D7"), "Háttér eltávolítása"_hu, pTeteje, false);
  connect(sajat, &QToolButton::clicked, this, [this] { Hatter_SajatClick(); });
  connect(megsem, &QToolButton::clicked, this, [this] { Hatter_MegsemClick(); });
  sor2->addWidget(sajat);
  sor2->addWidget(megsem);
  sor2->addSpacing(6);
  hatterIgazitas_ = new QButtonGroup(this);
  const std::pair<const char*, const char*> helyek[] = {
      {"\u25A6", "Háttérkép mozaikként való megjelenítése"_hu},
      {"\u2922", "Háttérkép nyújtottan történő megjelenítése"_hu},
      {"\u25A3", "Háttérkép középre helyezése"_hu}};
  for (int i = 0; i < 3; ++i) {
    QToolButton* b = Eszkoz(QString::fromUtf8(helyek[i].first), helyek[i].second, pTeteje, true);
    hatterIgazitas_->addButton(b, i + 1);
    sor2->addWidget(b);
  }
  sor2->addSpacing(6);
  const char* const cimkek[4] = {"F:", "B:", "J:", "S:"};
  for (int i = 0; i < 4; ++i) {
    sor2->addWidget(new QLabel(QString::fromLatin1(cimkek[i]), pTeteje));
    sor2->addWidget(mezok_[i + 2]);
  }
  sor2->addStretch();

  return pTeteje;
}

TKepAblak::~TKepAblak() {
  if (iniOlvashatatlan_) return;
  Vezerlokbol();
  TKepBeallitasok ki = b_;
  DobozokAtvetele(ki, qtkodolas::FromQ(mezok_[0]->text()), qtkodolas::FromQ(mezok_[1]->text()),
                  qtkodolas::FromQ(betumeret_->currentText()));
  ki.Hatter = beepitettHatter_ ? BeepitettHatterNev(beepitettHatter_) : "";
  if (!sajatHatter_.empty() && platform::FileExists(sajatHatter_)) ki.Hatter = sajatHatter_;
  platform::IniFile ini(platform::ProgramFile("rovaskep.ini"));
  if (const platform::Status mentes = ki.Mentes(ini); !mentes.ok())
    uzenet::StandardHiba(HibaMagyarul(mentes.Message()));
}

QLineEdit* TKepAblak::Mezo(TSzamMezo mezo) const {
  for (int i = 0; i < 6; ++i)
    if (kMezok[i] == mezo) return mezok_[i];
  return nullptr;
}

QRadioButton* TKepAblak::Formatum(TKepfajta fajta) const {
  return static_cast<QRadioButton*>(kepfajta_->button(static_cast<int>(fajta)));
}

QAbstractButton* TKepAblak::JobbrolBalra() const { return irany_->button(1); }

void TKepAblak::Vezerlokbe() {
  igazitas_->button(static_cast<int>(b_.Igazitas))->setChecked(true);
  felkover_->setChecked(b_.Felkover);
  dolt_->setChecked(b_.Dolt);
  irany_->button(1)->setChecked(true);
  SzinJelzo(betuszinJelzo_, b_.Betuszin);
  SzinJelzo(hatterszinJelzo_, b_.Hatterszin);
  for (int i = 0; i < 6; ++i) mezok_[i]->setText(QString::number(Ertek(b_, kMezok[i])));
  elsimitas_->setChecked(b_.Elsimitas);
  betumeret_->setEditText(QString::number(b_.Betumeret));
  kepfajta_->button(static_cast<int>(b_.Kepfajta))->setChecked(true);
  atlatszo_->setChecked(b_.Atlatszo);
  hatterIgazitas_->button(static_cast<int>(b_.HatterIgazitas))->setChecked(true);
}

void TKepAblak::Vezerlokbol() {
  const int ig = igazitas_->checkedId();
  b_.Igazitas = ig > 0 ? static_cast<TIgazitas>(ig) : TIgazitas::Jobbra;
  b_.Felkover = felkover_->isChecked();
  b_.Dolt = dolt_->isChecked();
  b_.Elsimitas = elsimitas_->isChecked();
  b_.Kepfajta = static_cast<TKepfajta>(std::max(1, kepfajta_->checkedId()));
  b_.Atlatszo = atlatszo_->isChecked();
  b_.HatterIgazitas = static_cast<THatterIgazitas>(std::max(1, hatterIgazitas_->checkedId()));
}

void TKepAblak::SzinJelzo(QFrame* jelzo, unsigned bgr) {
  QPalette p = jelzo->palette();
  p.setColor(QPalette::Window, Szinbol(bgr));
  jelzo->setPalette(p);
}

void TKepAblak::SzovegAtadasa(const std::string& szoveg, const std::string& betukeszlet,
                              bool csakFrissites, int irany) {
  szoveg_ = szoveg;
  betukeszletNev_ = betukeszlet;
  irany_->button(irany == kJobbrolBalra ? kJobbrolBalra : kBalrolJobbra)->setChecked(true);
  vanSzoveg_ = true;
  Ujrarajzolas();
  if (!csakFrissites) {
    show();
    raise();
    activateWindow();
  }
}

void TKepAblak::Ujrarajzolas() {
  if (!vanSzoveg_) return;
  rendszer::THomokora homokora;
  Vezerlokbol();
  auto rajzolo = std::make_unique<TKepRajzolo>(szoveg_, betukeszletNev_, b_,
                                               irany_->checkedId() == 1, &hatterKep_);
  if (rajzolo->Elrendezes().VanSzo) lelog_ = rajzolo->Elrendezes().Lelog;
  rajz_->SetRajzolo(std::move(rajzolo));
}

QImage TKepAblak::Kep() const { return rajz_->Rajzolo() ? rajz_->Rajzolo()->Teljes() : QImage(); }

void TKepAblak::SzamMezoElhagyasa(TSzamMezo mezo) {
  QLineEdit* m = Mezo(mezo);
  const int regi = Ertek(b_, mezo);
  if (!SzamBeallitasa(b_, mezo, qtkodolas::FromQ(m->text()))) {
    m->setText(QString::number(regi));
    return;
  }
  m->setText(QString::number(Ertek(b_, mezo)));
  Ujrarajzolas();
}

void TKepAblak::BetumeretChange(const QString& szoveg) {
  if (betumeretJavitas_) return;
  if (SzamBeallitasa(b_, TSzamMezo::Betumeret, qtkodolas::FromQ(szoveg))) {
    Ujrarajzolas();
    return;
  }
  betumeretJavitas_ = true;
  betumeret_->setEditText(QString::number(b_.Betumeret));
  betumeretJavitas_ = false;
}

void TKepAblak::SzinClick(bool betuszin) {
  unsigned& szin = betuszin ? b_.Betuszin : b_.Hatterszin;
  szin = Szinbe(SzinValasztas(Szinbol(szin)));
  SzinJelzo(betuszin ? betuszinJelzo_ : hatterszinJelzo_, szin);
  Ujrarajzolas();
}

void TKepAblak::BeepitettHatterBetoltese(int index) {
  QImage kep = BeepitettHatterKep(index);
  if (kep.isNull()) return;  // the program's own pictures always decode
  beepitettHatter_ = index;
  sajatHatter_.clear();
  HatterBeallitasa(std::move(kep));
}

void TKepAblak::Hatter_SajatClick() {
  const std::string utvonal = HatterValasztas();
  if (!utvonal.empty()) HatterFajlBetoltese(utvonal);
}

bool TKepAblak::HatterFajlBetoltese(const std::string& utvonal) {
  std::optional<TKepAdat> adat;
  {
    rendszer::THomokora homokora;
    adat = HatterFajlBeolvasas(utvonal);
  }
  QImage kep = adat ? HatterKepbol(std::move(*adat)) : QImage();
  if (kep.isNull()) {
    uzenet::Informacio("A képet nem lehetett megnyitni."_hu, this);
    return false;
  }
  beepitettHatter_ = 0;
  sajatHatter_ = utvonal;
  HatterBeallitasa(std::move(kep));
  return true;
}

void TKepAblak::HatterBeallitasa(QImage kep) {
  hatterKep_ = std::move(kep);
  if (hatterKep_.size() != QSize(b_.Szelesseg, b_.Magassag) && vanSzoveg_ &&
      uzenet::Kerdes("Átméretezzem a rovásfeliratos képet a betöltött képhez?"_hu, this)) {
    b_.Szelesseg = std::clamp(hatterKep_.width(), kMeretMin, kMeretMax);
    b_.Magassag = std::clamp(hatterKep_.height(), kMeretMin, kMeretMax);
    mezok_[0]->setText(QString::number(b_.Szelesseg));
    mezok_[1]->setText(QString::number(b_.Magassag));
  }
  Ujrarajzolas();
}

void TKepAblak::Hatter_MegsemClick() {
  hatterKep_ = QImage();
  beepitettHatter_ = 0;
  sajatHatter_.clear();
  Ujrarajzolas();
}

void TKepAblak::KepfajtaValtozott() {
  atlatszo_->setVisible(kepfajta_->checkedId() == static_cast<int>(TKepfajta::PNG));
}

void TKepAblak::MentesClick() {
  if (lelog_ &&
      !uzenet::Kerdes("Az átrovás vége lelóg a képről. Mégis így szeretnéd menteni a képet?"_hu,
                      this))
    return;
  Vezerlokbol();
  const TKepfajta fajta = b_.Kepfajta;
  const std::string utvonal = MentesHelye(fajta);
  if (utvonal.empty()) return;
  std::string hiba;
  {
    rendszer::THomokora homokora;
    const QImage kep = Kep();
    if (kep.isNull() && vanSzoveg_) {
      hiba = "Nincs elég memória a "_hu + std::to_string(b_.Szelesseg) + " × "_hu +
             std::to_string(b_.Magassag) + " képpontos képhez."_hu;
    } else if (!kep.isNull()) {
      std::optional<std::uint32_t> atlatszo;
      if (fajta == TKepfajta::PNG && b_.Atlatszo) atlatszo = Rgb(b_.Hatterszin);
      const TKepSorok nezet{kep.width(), kep.height(), kep.constBits(),
                            static_cast<size_t>(kep.bytesPerLine())};
      const platform::Status e = KepMentese(utvonal, fajta, nezet, atlatszo);
      if (!e.ok()) hiba = win1250::FromUtf8(e.Message());
    }
  }
  if (!hiba.empty()) uzenet::StandardHiba(HibaMagyarul(hiba), this);
}

bool TKepAblak::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    lablec_->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QWidget::event(e);
}

void TKepAblak::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TKepAblak::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (kozepre_ || !parentWidget()) return;
  kozepre_ = true;
  move(parentWidget()->window()->frameGeometry().center() - rect().center());
}
