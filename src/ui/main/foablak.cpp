// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/foablak.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <optional>

#include "htmllabel/linkcimke.h"
#include "platform/fajl.h"
#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/rendszer.h"
#include "platform/qt/uzenet.h"
#include "ui/main/htmlvagolap.h"
#include "ui/main/rovaspanel.h"
#include "ui/newtext/ujablak.h"
#include "ui/settings/beallitasallapot.h"
#include "ui/settings/hibaforditas.h"
#include "ui/settings/szabalyellenorzes.h"

using namespace win1250::literals;
using qtkodolas::ToQ;

namespace {

QPushButton* Gomb(const char* felirat, const char* sugo, QWidget* szulo) {
  auto* gomb = new QPushButton(ToQ(felirat), szulo);
  gomb->setToolTip(ToQ(sugo));
  return gomb;
}

}  // namespace

TFoablak::TFoablak(TRovasBeallitasok& beallitasok, QWidget* szulo)
    : QWidget(szulo),
      beallitasok_(beallitasok),
      mag_(
          beallitasok, [this](const std::string& szoveg) { return uzenet::Kerdes(szoveg, this); },
          qtVagolap_) {
  VezerlokLetrehozasa();
  Elrendezes();
  Bekotes();
  // FormCreate
  EroforrasKepBetoltese("ROVAS2", image1_);
  setWindowTitle(windowTitle() + QString::fromLatin1(kValtozat));
  resize(minimumSize().expandedTo(QSize(760, 520)));
  if (const QScreen* kepernyo = screen())
    move(kepernyo->availableGeometry().center() - rect().center());
  mLatin_->setFocus();
}

void TFoablak::VezerlokLetrehozasa() {
  QFont betu(QStringLiteral("Verdana"));
  betu.setPixelSize(11);
  setFont(betu);
  setWindowTitle(QStringLiteral("Tollnok"));
  setMinimumSize(653, 340);

  // "&" marks each caption's access key (Alt and the letter).
  bUjRovas_ = Gomb("Ú&j..."_hu, "Új rovás kezdése"_hu, this);
  bBeallitasok_ = Gomb("&Beállítások..."_hu, "Beállítások megnyitása"_hu, this);
  bMasol_ = Gomb("&Másolás a vágólapra"_hu, "Átrovás vágólapra másolása"_hu, this);
  bKep_ = Gomb("&Rováskép létrehozása..."_hu, "Rovás képként elmentése"_hu, this);
  // Disabled until their windows exist.
  bBeallitasok_->setEnabled(false);
  bKep_->setEnabled(false);
  lSugo_ = new TLinkCimke(
      ToQ("Súgó"_hu), 13, [this] { LSugoClick(); }, this);
  lSugo_->setToolTip(ToQ("Súgó (F1)"_hu));
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, &TFoablak::LSugoClick);
  image1_ = new QLabel(this);
  image1_->setFixedSize(109, 31);
  image1_->setAccessibleName(ToQ("Rovás"_hu));

  pLatin_ = new QWidget;
  latinCimke_ = new QLabel(ToQ("&Latinbetű alapú magyar szöveg:"_hu), pLatin_);
  pOnmukodo_ = new QCheckBox(ToQ("Ö&nműködő átrovás"_hu), pLatin_);
  pOnmukodo_->setChecked(true);
  bLatinAtrovasa_ = new QPushButton(ToQ("Átro&vás"_hu), pLatin_);
  bLatinAtrovasa_->setAccessibleName(ToQ("Átrovás"_hu));
  mLatin_ = new QPlainTextEdit(pLatin_);
  // Tab leaves the pane as it leaves every other control; Ctrl+Tab types a tab.
  mLatin_->setTabChangesFocus(true);
  mLatin_->installEventFilter(this);
  mLatin_->setLineWrapMode(QPlainTextEdit::NoWrap);
  mLatin_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mLatin_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mLatin_->setAccessibleName(ToQ("Latinbetű alapú magyar szöveg"_hu));
  latinCimke_->setBuddy(mLatin_);

  mRovas_ = new TRovasPanel;
  mRovas_->setReadOnly(true);
  mRovas_->setAccessibleName(ToQ("Rovás szöveg"_hu));
  mRovas_->setTabChangesFocus(true);
  segito_ = std::make_unique<TGepelesSegito>(mag_.Allapot(), *mRovas_, mag_);
  mRovas_->SetSegito(segito_.get());
  mRovas_->SetHibaJelzo([this](const std::string& uzenet) { uzenet::StandardHiba(uzenet, this); });
}

void TFoablak::Elrendezes() {
  auto* felso = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(bUjRovas_), static_cast<QWidget*>(bBeallitasok_),
                     static_cast<QWidget*>(bMasol_), static_cast<QWidget*>(bKep_)})
    felso->addWidget(w);
  felso->addSpacing(8);
  felso->addWidget(lSugo_);
  felso->addStretch(1);
  felso->addWidget(image1_);

  auto* latinSor = new QHBoxLayout;
  latinSor->addWidget(latinCimke_);
  latinSor->addStretch(1);
  latinSor->addWidget(pOnmukodo_);
  latinSor->addWidget(bLatinAtrovasa_);
  auto* latinOszlop = new QVBoxLayout(pLatin_);
  latinOszlop->setContentsMargins(0, 0, 0, 0);
  latinOszlop->addLayout(latinSor);
  latinOszlop->addWidget(mLatin_);

  splitter1_ = new QSplitter(Qt::Vertical, this);
  splitter1_->setHandleWidth(11);
  splitter1_->setChildrenCollapsible(false);
  splitter1_->addWidget(pLatin_);
  splitter1_->addWidget(mRovas_);
  splitter1_->setStretchFactor(0, 0);
  splitter1_->setStretchFactor(1, 1);
  pLatin_->resize(pLatin_->width(), 153);
  splitter1_->setSizes({153, 200});

  auto* oszlop = new QVBoxLayout(this);
  oszlop->addLayout(felso);
  oszlop->addWidget(splitter1_, 1);
}

void TFoablak::Bekotes() {
  nyito_.setInterval(10);
  connect(&nyito_, &QTimer::timeout, this, &TFoablak::BUjRovasClick);
  timerLetoltes_.setInterval(1000);
  connect(&timerLetoltes_, &QTimer::timeout, this, &TFoablak::TimerLetoltesTimer);
  timerLetoltes_.start();

  connect(bUjRovas_, &QPushButton::clicked, this, &TFoablak::BUjRovasClick);
  connect(bBeallitasok_, &QPushButton::clicked, this, &TFoablak::BBeallitasokClick);
  connect(bMasol_, &QPushButton::clicked, this, &TFoablak::MasolClick);
  connect(bKep_, &QPushButton::clicked, this, [this] { BKepClick(true); });
  connect(bLatinAtrovasa_, &QPushButton::clicked, this, &TFoablak::LatinAtrovasa);
  connect(mLatin_->document(), &QTextDocument::contentsChange, this,
          [this](int pozicio, int, int beirt) { MLatinChange(pozicio, beirt); });
  connect(mRovas_, &TRovasPanel::MIBeillesztes, this,
          [this] { Vedett([this] { segito_->MIBeillesztesClick(); }); });
  connect(mRovas_, &TRovasPanel::MIUnicodeMasolasClick, this, &TFoablak::MIUnicodeMasolasClick);
}

// The pane is a child widget and outlives the members, the helper among them.
TFoablak::~TFoablak() { mRovas_->SetSegito(nullptr); }

void TFoablak::SetBeallitasokAblak(std::function<void()> megjelenites) {
  beallitasokMegjelenitese_ = std::move(megjelenites);
  bBeallitasok_->setEnabled(static_cast<bool>(beallitasokMegjelenitese_));
  if (ujablak_) ujablak_->SetBeallitasokAblak(beallitasokMegjelenitese_);
}

void TFoablak::SetKepAblak(IKepAblak* kepAblak) {
  kepAblak_ = kepAblak;
  bKep_->setEnabled(kepAblak_ != nullptr);
}

void TFoablak::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) nyito_.start();  // FormShow
}

bool TFoablak::Vedett(const std::function<void()>& muvelet) {
  try {
    muvelet();
    return true;
  } catch (const ERegKif& hiba) {
    uzenet::StandardHiba(RegKifUzenet(hiba), this);
  } catch (const std::exception& hiba) {
    uzenet::StandardHiba(HibaMagyarul(hiba.what()), this);
  }
  return false;
}

bool TFoablak::eventFilter(QObject* o, QEvent* e) {
  if (o == mLatin_ && e->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab && k->modifiers() == Qt::ControlModifier) {
      mLatin_->insertPlainText(QStringLiteral("\t"));
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

bool TFoablak::HomokoraAlatt(const std::function<void()>& muvelet) {
  std::optional<std::string> hiba;
  {
    rendszer::THomokora homokora;
    try {
      muvelet();
    } catch (const ERegKif& e) {
      hiba = RegKifUzenet(e);
    } catch (const std::exception& e) {
      hiba = HibaMagyarul(e.what());
    }
  }
  // The box comes after the normal cursor is back.
  if (hiba) uzenet::StandardHiba(*hiba, this);
  return !hiba;
}

void TFoablak::BUjRovasClick() {
  nyito_.stop();
  const bool elfogadva = ujablak_ && ujablak_->exec() == QDialog::Accepted;
  const TFoablakMag::TUjSzoveg uj = mag_.UjSzoveg(elfogadva, elfogadva ? ujablak_->Valasztas() : 0);
  if (uj.uritas) {
    // Emptying an empty pane would count as a change.
    if (!mLatin_->document()->isEmpty()) mLatin_->clear();
    if (!mRovas_->document()->isEmpty()) mRovas_->clear();
    pLatin_->setVisible(uj.latin);
    mRovas_->setReadOnly(uj.latin);
  }
  BeallitasokAlkalmazasa();
}

void TFoablak::BBeallitasokClick() {
  if (!beallitasokMegjelenitese_) return;
  beallitasokMegjelenitese_();
  BeallitasokAlkalmazasa();
}

void TFoablak::BeallitasokAlkalmazasa() {
  const TFoablakMag::TAlkalmazas a =
      mag_.BeallitasokAlkalmazasa(pOnmukodo_->isChecked(), rendszer::TelepitettBetukeszletek());
  QFont betu(ToQ(a.betu.betukeszlet));
  if (a.meret > 0) betu.setPointSize(a.meret);
  mRovas_->setFont(betu);
  (a.latinFokusz ? static_cast<QWidget*>(mLatin_) : mRovas_)->setFocus();
  if (a.atrovas) LatinAtrovasa();
  mRovas_->SetUnicodeMasolas(UnicodeMasolasAkadaly(beallitasok_));
  if (!a.betu.uzenet.empty()) uzenet::Informacio(a.betu.uzenet, this);
}

// Only the paragraphs the change touched are read: from the change's start to
// the end of what it inserted.
void TFoablak::MLatinChange(int pozicio, int beirt) {
  const QTextDocument* d = mLatin_->document();
  // -1 (no such paragraph) becomes a number the core refuses.
  const auto szam = [d](int p) { return static_cast<size_t>(d->findBlock(p).blockNumber()); };
  const size_t elso = szam(pozicio);
  const size_t utolso = szam(std::min(pozicio + beirt, d->characterCount() - 1));
  const auto bekezdes = [d](size_t i) {
    return qtkodolas::FromQBekezdes(d->findBlockByNumber(static_cast<int>(i)).text());
  };
  const bool atrov = pOnmukodo_->isChecked();
  TSorosAtrovo::TValtozas v;
  const bool rendben = HomokoraAlatt([&] {
    v = mag_.Latin().Szerkesztes(elso, utolso, static_cast<size_t>(d->blockCount()), bekezdes,
                                 atrov);
    if (!atrov || !v.szoveg) return;
    if (v.egesz)
      mRovas_->SetSzoveg(mag_.PanelSzoveg());
    else
      mRovas_->SorokCsereje(v.elso, v.regi, mag_.PanelSorok(v));
  });
  if (!v.szoveg) return;
  mag_.Allapot().Tevekenyseg = true;
  if (rendben && atrov) KepKovetes();
}

void TFoablak::LatinAtrovasa() {
  // The wait cursor stays until the pane shows the result: filling it takes time too.
  if (!HomokoraAlatt([&] {
        mag_.Latin().Atrovas();
        mRovas_->SetSzoveg(mag_.PanelSzoveg());
      }))
    return;
  KepKovetes();
}

void TFoablak::KepKovetes() {
  if (kepAblak_ && kepAblak_->Lathato()) {
    rendszer::THomokora homokora;
    BKepClick(false);
  }
}

void TFoablak::BKepClick(bool kuldo) {
  if (TFoablakMag::KepKerdes(kuldo, mRovas_->Szoveg().size()) &&
      !uzenet::Kerdes(
          "Hosszú szövegek képpé alakítása sok időt vehet igénybe. Folytatod a képpé alakítást?"_hu,
          this))
    return;
  if (!kepAblak_ || (!kuldo && !kepAblak_->Lathato())) return;
  std::string szoveg;
  if (!HomokoraAlatt([&] { szoveg = mag_.KepSzoveg([this] { return mRovas_->Szoveg(); }); }))
    return;
  kepAblak_->SzovegAtadasa(szoveg, mag_.MegjelenitettBetukeszlet(), !kuldo,
                           beallitasok_.HasznaltIrany());
}

void TFoablak::MasolClick() {
  const bool office2010 = beallitasAllapot_ && beallitasAllapot_->Office2010();
  TMasolasAdatai adatok =
      MasolasAdatai(mRovas_->Szoveg(), beallitasok_.JobbrolBalra(), beallitasok_.Meret,
                    beallitasok_.HasznaltBetukeszlet(), office2010);
  HtmlVagolapra(mag_.Vagolap(), adatok.toredek, adatok.szoveg);
}

void TFoablak::MIUnicodeMasolasClick() {
  const std::optional<TUnicodeRovas> atiro = UnicodeRovas(beallitasok_, mag_.Motor());
  if (!atiro) return;  // the item is disabled then
  const std::string szoveg = mRovas_->MasolandoSzoveg();
  if (szoveg.empty()) return;  // the item is disabled then
  const TMasolasAdatai adatok =
      UnicodeMasolasAdatai(szoveg, *atiro, beallitasok_.JobbrolBalra(), beallitasok_.Meret);
  mag_.Vagolap().SetUnicode(adatok.szoveg, adatok.toredek);
}

void TFoablak::LSugoClick() {
  const TFoablakMag::TSugo sugo =
      TFoablakMag::Sugo(platform::ProgramFile("RovasSugo.pdf"),
                        [](const std::string& f) { return platform::FileExists(f); });
  if (!sugo.hiba.empty())
    uzenet::Hiba(sugo.hiba, this);
  else
    rendszer::Megnyitas(sugo.utvonal, "RovasSugo.pdf", this);
}

void TFoablak::TimerLetoltesTimer() {
  if (!idozito_.Tick(mag_.Allapot().Tevekenyseg)) return;
  timerLetoltes_.stop();
  if (beallitasAllapot_ && beallitasAllapot_->AutomatikusLetoltesEsedekes()) {
    rendszer::THomokora homokora;
    beallitasAllapot_->Letoltes(true);
  }
}
