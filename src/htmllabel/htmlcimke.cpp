// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmllabel/htmlcimke.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "platform/qt/kodolas.h"

THtmlCimke::THtmlCimke(QWidget* parent) : QLabel(parent), szin_(palette().color(QPalette::Window)) {
  setMouseTracking(true);
  ora_.start();
  motor_.Megnyitas = [](const std::string& cel) {
    QDesktopServices::openUrl(QUrl(qtkodolas::ToQ(cel)));
  };
}

void THtmlCimke::SetHtml(std::string html) {
  motor_.SetHtml(std::move(html));
  setAccessibleName(qtkodolas::ToQ(minihtml::SimaSzoveg(motor_.Html())));
  if (!motor_.Html().empty()) setText(QString());
  ujraElrendezes_ = true;
  update();
}

void THtmlCimke::SetAutoHeight(bool be) {
  autoHeight_ = be;
  ujraElrendezes_ = true;
  update();
}

void THtmlCimke::SetColor(const QColor& szin) {
  szin_ = szin;
  if (!kep_.isNull()) Kirajzolas();
  update();
}

void THtmlCimke::Frissites() {
  if (motor_.Html().empty()) return;
  // Only the width changes the layout; the height is what AutoHeight sets.
  if (width() != elrendezettSzelesseg_) ujraElrendezes_ = true;
  if (!kep_.isNull() && !ujraElrendezes_ && !motor_.DinamikusValtozott()) return;
  elrendezettSzelesseg_ = width();
  kep_ = minihtml::Kep(motor_, width());
  ++elrendezesek_;
  Kirajzolas();
  const int magassag = motor_.TartalomMagassag();
  if (autoHeight_ && ujraElrendezes_ && height() != magassag) resize(width(), magassag);
  ujraElrendezes_ = false;
}

void THtmlCimke::Kirajzolas() {
  if (kep_.isNull()) return;
  latszik_ = kep_.copy();
  minihtml::KulcsCsere(latszik_, szin_);
}

void THtmlCimke::Ujrarajzolas() {
  if (kep_.isNull()) return;
  {
    minihtml::TQtVaszon v(kep_);
    motor_.Rajzolas(v);
  }
  Kirajzolas();
  update();
}

void THtmlCimke::paintEvent(QPaintEvent* e) {
  if (motor_.Html().empty()) {
    QLabel::paintEvent(e);
    return;
  }
  Frissites();
  QPainter p(this);
  p.fillRect(rect(), szin_);
  p.drawImage(0, 0, latszik_, 0, 0, width(), height());
}

void THtmlCimke::mouseMoveEvent(QMouseEvent* e) {
  const QPoint hely = e->position().toPoint();
  if (motor_.EgerMozgas(hely.x(), hely.y(), ora_.elapsed())) {
    Ujrarajzolas();
  }
  if (motor_.KezMutato()) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
  QLabel::mouseMoveEvent(e);
}

void THtmlCimke::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    const QPoint hely = e->position().toPoint();
    if (motor_.BalGomb(hely.x(), hely.y())) Ujrarajzolas();
  }
  QLabel::mousePressEvent(e);
}
