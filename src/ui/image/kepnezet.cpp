// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image/kepnezet.h"

#include <QPaintEvent>
#include <QPainter>

TKepNezet::TKepNezet(QWidget* szulo) : QWidget(szulo) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(QStringLiteral("0 \u00D7 0"));
}

TKepNezet::~TKepNezet() = default;

void TKepNezet::SetRajzolo(std::unique_ptr<TKepRajzolo> rajzolo) {
  rajzolo_ = std::move(rajzolo);
  const QSize meret = rajzolo_ ? rajzolo_->Meret() : QSize(0, 0);
  setAccessibleName(QStringLiteral("%1 \u00D7 %2").arg(meret.width()).arg(meret.height()));
  if (size() != meret) resize(meret);
  update();
}

QSize TKepNezet::sizeHint() const { return rajzolo_ ? rajzolo_->Meret() : QSize(0, 0); }

void TKepNezet::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect resz = e->rect() & rect();
  if (!rajzolo_ || resz.isEmpty()) {
    p.fillRect(e->rect(), palette().window());
    return;
  }
  const QImage kep = rajzolo_->Resz(resz);
  if (kep.isNull())
    p.fillRect(resz, palette().window());
  else
    p.drawImage(resz.topLeft(), kep);
}
