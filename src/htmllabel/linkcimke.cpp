// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmllabel/linkcimke.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool Aktivalo(const QKeyEvent* e) {
  return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// The focus frame: a dotted rectangle is what labels lack by default.
void Keret(QLabel* l, bool van) {
  l->setFrameStyle(van ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  l->setLineWidth(1);
}

// A link or a page tab for assistive tools: its name, a press action, and for
// a page tab the selected state.
class TAkadalymentesCimke : public QAccessibleWidget {
 public:
  TAkadalymentesCimke(QWidget* w, QAccessible::Role szerep) : QAccessibleWidget(w, szerep) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString nev = widget()->accessibleName();
      return nev.isEmpty() ? static_cast<QLabel*>(widget())->text() : nev;
    }
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto* lap = qobject_cast<const TLapGomb*>(widget())) {
      s.selectable = true;
      s.selected = lap->Kivalasztott();
    }
    if (role() == QAccessible::Link) s.linked = true;
    return s;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& nev) override {
    if (nev != pressAction()) return;
    if (auto* lap = qobject_cast<TLapGomb*>(widget()))
      lap->Kattintas();
    else if (auto* link = qobject_cast<TLinkCimke*>(widget()))
      link->Kattintas();
  }
};

QAccessibleInterface* Gyar(const QString& osztaly, QObject* o) {
  if (!o || !o->isWidgetType()) return nullptr;
  auto* w = static_cast<QWidget*>(o);
  // A plain widget made a top-level window is a window, not a filler.
  if (w->isWindow() && osztaly == QLatin1String(w->metaObject()->className()) &&
      w->metaObject()->superClass() == &QWidget::staticMetaObject)
    return new QAccessibleWidget(w, QAccessible::Window);
  if (osztaly == QLatin1String("TLinkCimke"))
    return new TAkadalymentesCimke(static_cast<QWidget*>(o), QAccessible::Link);
  if (osztaly == QLatin1String("TLapGomb"))
    return new TAkadalymentesCimke(static_cast<QWidget*>(o), QAccessible::PageTab);
  return nullptr;
}

}  // namespace

void LinkAkadalymentesites() {
  static const bool kesz = [] {
    QAccessible::installFactory(Gyar);
    return true;
  }();
  (void)kesz;
}

TLinkCimke::TLinkCimke(const QString& szoveg, int pixelMeret, std::function<void()> kattintas,
                       QWidget* szulo)
    : QLabel(szoveg, szulo), kattintas_(std::move(kattintas)) {
  LinkAkadalymentesites();
  QFont f(QStringLiteral("Verdana"));
  f.setPixelSize(pixelMeret);
  f.setUnderline(true);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, p.color(QPalette::Highlight));
  setPalette(p);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(szoveg);
  // Room for the focus frame, so the text does not move when it shows.
  setContentsMargins(1, 1, 1, 1);
  adjustSize();
}

void TLinkCimke::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) kattintas_();
}

void TLinkCimke::keyPressEvent(QKeyEvent* e) {
  if (Aktivalo(e))
    kattintas_();
  else
    QLabel::keyPressEvent(e);
}

void TLinkCimke::focusInEvent(QFocusEvent* e) {
  QLabel::focusInEvent(e);
  Keret(this, true);
}

void TLinkCimke::focusOutEvent(QFocusEvent* e) {
  QLabel::focusOutEvent(e);
  Keret(this, false);
}

TLapGomb::TLapGomb(const QString& felirat, std::function<void()> kattintas, QWidget* szulo)
    : QLabel(felirat, szulo), kattintas_(std::move(kattintas)) {
  LinkAkadalymentesites();
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(felirat);
}

void TLapGomb::SetKivalasztott(bool kivalasztott) {
  if (kivalasztott == kivalasztott_) return;
  kivalasztott_ = kivalasztott;
  QAccessible::State valtozas;
  valtozas.selected = true;
  QAccessibleStateChangeEvent esemeny(this, valtozas);
  QAccessible::updateAccessibility(&esemeny);
}

void TLapGomb::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) kattintas_();
}

void TLapGomb::keyPressEvent(QKeyEvent* e) {
  if (Aktivalo(e))
    kattintas_();
  else
    QLabel::keyPressEvent(e);
}

void TLapGomb::focusInEvent(QFocusEvent* e) {
  QLabel::focusInEvent(e);
  Keret(this, true);
}

void TLapGomb::focusOutEvent(QFocusEvent* e) {
  QLabel::focusOutEvent(e);
  Keret(this, false);
}
