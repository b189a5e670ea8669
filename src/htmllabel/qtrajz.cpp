// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmllabel/qtrajz.h"

#include <QFontMetrics>

#include "platform/qt/kodolas.h"

namespace minihtml {

namespace {

QColor Q(TSzin s) { return QColor::fromRgb(static_cast<QRgb>(s)); }
QRect Q(const TTeglalap& r) { return QRect(r.X, r.Y, r.W, r.H); }

// CR and LF are never drawn and take no room.
QString Lathato(std::string_view szoveg) {
  QString s = qtkodolas::ToQ(szoveg);
  s.remove(QChar(u'\r'));
  s.remove(QChar(u'\n'));
  return s;
}

}  // namespace

QFont TQtMero::Betu(const TBetu& b) {
  QFont f(qtkodolas::ToQ(b.Nev));
  f.setPixelSize(std::max(1, b.Pixel()));
  f.setBold(b.Felkover);
  f.setItalic(b.Dolt);
  f.setUnderline(b.Alahuzott);
  f.setStrikeOut(b.Athuzott);
  return f;
}

const QFontMetrics& TQtMero::Metrika(const TBetu& b) {
  std::string kulcs = b.Nev;
  kulcs += static_cast<char>('0' + b.Felkover + 2 * b.Dolt);
  kulcs += std::to_string(b.Meret);
  auto& m = metrikak_[kulcs];
  if (!m) m = std::make_unique<QFontMetrics>(Betu(b));
  return *m;
}

int TQtMero::Szelesseg(const TBetu& b, std::string_view szoveg) {
  return Metrika(b).horizontalAdvance(Lathato(szoveg));
}

int TQtMero::Magassag(const TBetu& b, std::string_view) { return Metrika(b).height(); }

TQtVaszon::TQtVaszon(QImage& kep) : p_(&kep) { p_.setRenderHint(QPainter::TextAntialiasing); }

void TQtVaszon::Kitoltes(const TTeglalap& r, TSzin s) { p_.fillRect(Q(r), Q(s)); }

void TQtVaszon::Szoveg(int x, int y, std::string_view szoveg, const TBetu& b, TSzin s) {
  QFont f = TQtMero::Betu(b);
  // Text in the key colour must stay exactly that colour to be transparent.
  if (s == kKulcsSzin) f.setStyleStrategy(QFont::NoAntialias);
  p_.setFont(f);
  p_.setPen(Q(s));
  p_.drawText(x, y + QFontMetrics(f).ascent(), Lathato(szoveg));
}

void TQtVaszon::Kor(const TTeglalap& r, TSzin s) {
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing);
  p_.setPen(Qt::NoPen);
  p_.setBrush(Q(s));
  p_.drawEllipse(Q(r));
  p_.restore();
}

void TQtVaszon::Keret(const TTeglalap& r, TSzin s) {
  p_.setPen(Q(s));
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(r.X, r.Y, r.W - 1, r.H - 1);
}

void TQtVaszon::Jelolonegyzet(const TTeglalap& r, bool bepipalt) {
  // A flat box: white face, grey frame, a black tick.
  const QRect d(r.X + 2, r.Y, std::min(r.W, r.H), std::min(r.W, r.H));
  p_.fillRect(d, Qt::white);
  p_.setPen(QColor(0x80, 0x80, 0x80));
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(d.adjusted(0, 0, -1, -1));
  if (!bepipalt) return;
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing);
  p_.setPen(QPen(Qt::black, 1.6));
  const QPointF pipa[] = {{d.left() + 2.5, d.center().y() + 0.5},
                          {d.left() + d.width() * 0.42, d.bottom() - 2.5},
                          {d.right() - 2.0, d.top() + 2.5}};
  p_.drawPolyline(pipa, 3);
  p_.restore();
}

void TQtVaszon::Gomb(const TTeglalap& r, std::string_view felirat, const TBetu& b) {
  const QRect d = Q(r);
  p_.fillRect(d, QColor(0xF0, 0xF0, 0xF0));
  p_.setPen(Qt::white);
  p_.drawLine(d.topLeft(), d.topRight());
  p_.drawLine(d.topLeft(), d.bottomLeft());
  p_.setPen(QColor(0x80, 0x80, 0x80));
  p_.drawLine(d.bottomLeft(), d.bottomRight());
  p_.drawLine(d.topRight(), d.bottomRight());
  p_.setFont(TQtMero::Betu(b));
  p_.setPen(Qt::black);
  p_.drawText(d, Qt::AlignCenter, Lathato(felirat));
}

QImage Kep(TMiniHtml& motor, int szelesseg) {
  const int h = motor.Elrendezes(szelesseg);
  constexpr long long kMaxKeppont = 1LL << 26;  // 256 MB of pixels
  if (static_cast<long long>(szelesseg) * h > kMaxKeppont) return {};
  QImage kep(std::max(1, szelesseg), std::max(1, h), QImage::Format_RGB32);
  if (kep.isNull()) return kep;
  {
    TQtVaszon v(kep);
    motor.Rajzolas(v);
  }
  return kep;
}

void KulcsCsere(QImage& kep, QColor hatter) {
  const QRgb kulcs = 0xFF000000u | kKulcsSzin, uj = hatter.rgb();
  for (int y = 0; y < kep.height(); ++y) {
    auto* sor = reinterpret_cast<QRgb*>(kep.scanLine(y));
    for (int x = 0; x < kep.width(); ++x) {
      if (sor[x] == kulcs) sor[x] = uj;
    }
  }
}

}  // namespace minihtml
