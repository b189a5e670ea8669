// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image/rajzolo.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>

#include "platform/qt/kodolas.h"
#include "resources/eroforras.h"

namespace {

class TQtJelMero : public IJelMero {
 public:
  explicit TQtJelMero(const QFontMetrics& fm) : fm_(fm) {}
  TMeret Meres(unsigned char bajt) override {
    return {fm_.horizontalAdvance(QChar(win1250::ToUnicode(bajt))), fm_.height()};
  }

 private:
  const QFontMetrics& fm_;
};

QColor Szin(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

QFont KepBetu(const std::string& csalad, int pont, bool felkover, bool dolt, bool elsimitas) {
  QFont betu(qtkodolas::ToQ(csalad));
  betu.setPixelSize(std::max(1, static_cast<int>(std::lround(pont * 96.0 / 72.0))));
  betu.setBold(felkover);
  betu.setItalic(dolt);
  // Words are measured character by character: no kerning may move them.
  betu.setKerning(false);
  betu.setStyleStrategy(elsimitas ? QFont::PreferAntialias : QFont::NoAntialias);
  return betu;
}

QImage HatterKepbol(TKepAdat&& adat) {
  bool atlatszo = false;
  for (size_t i = 3; i < adat.Rgba.size() && !atlatszo; i += 4) atlatszo = adat.Rgba[i] != 255;
  // The picture keeps the decoder's pixels: no second copy of a large background.
  auto* pixelek = new std::vector<std::uint8_t>(std::move(adat.Rgba));
  QImage kep(
      pixelek->data(), adat.Szelesseg, adat.Magassag, adat.Szelesseg * 4,
      atlatszo ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888,
      [](void* p) { delete static_cast<std::vector<std::uint8_t>*>(p); }, pixelek);
  if (kep.isNull()) delete pixelek;
  return kep;
}

QImage BeepitettHatterKep(int index) {
  const QByteArray adat = eroforras::Adat(QString::fromLatin1(BeepitettHatterNev(index)));
  auto kep = JpegBeolvasas(std::string_view(adat.constData(), static_cast<size_t>(adat.size())));
  return kep ? HatterKepbol(std::move(*kep)) : QImage();
}

TKepRajzolo::TKepRajzolo(const std::string& szoveg, const std::string& betukeszlet,
                         const TKepBeallitasok& b, bool jobbrolBalra, const QImage* hatter)
    : b_(b),
      hatter_(hatter && !hatter->isNull() ? hatter : nullptr),
      betu_(KepBetu(betukeszlet, b.Betumeret, b.Felkover, b.Dolt, b.Elsimitas)) {
  const QFontMetrics fm(betu_);
  emelkedes_ = fm.ascent();
  TQtJelMero mero(fm);
  elrendezes_ = SzovegElrendezese(szoveg, mero, b.Elrendezes(jobbrolBalra));
  nyersBetu_ = QRawFont::fromFont(betu_);
  for (int bajt = 32; bajt < 256 && nyersBetu_.isValid(); ++bajt) {
    const QChar c(win1250::ToUnicode(static_cast<unsigned char>(bajt)));
    if (!elrendezes_.Jelek[bajt].Mert || !nyersBetu_.supportsCharacter(c)) continue;
    const QList<quint32> g = nyersBetu_.glyphIndexesForString(QString(c));
    if (g.size() == 1) glifek_[bajt] = g.front();
  }
}

QImage TKepRajzolo::Resz(const QRect& resz) const {
  QImage kep(resz.size(), QImage::Format_RGB888);
  if (kep.isNull()) return kep;
  kep.fill(Szin(b_.Hatterszin));
  QPainter p(&kep);
  p.translate(-resz.topLeft());

  if (hatter_) {
    const QRect egesz(QPoint(0, 0), Meret());
    switch (b_.HatterIgazitas) {
      case THatterIgazitas::Nyujtott:
        p.drawImage(egesz, *hatter_);
        break;
      case THatterIgazitas::Kozepre:
        p.drawImage(
            QPoint((b_.Szelesseg - hatter_->width()) / 2, (b_.Magassag - hatter_->height()) / 2),
            *hatter_);
        break;
      case THatterIgazitas::Mozaik:
        // The brush's pattern starts at (0, 0) of the picture and repeats.
        p.fillRect(resz & egesz, QBrush(*hatter_));
        break;
    }
  }

  p.setFont(betu_);
  p.setPen(Szin(b_.Betuszin));
  p.setRenderHint(QPainter::TextAntialiasing, b_.Elsimitas);
  p.setLayoutDirection(Qt::LeftToRight);
  // A glyph may reach past its word's box (italics, tall accents).
  const int rahagyas = elrendezes_.SorMagassag + 8;
  const QRect lathato = resz.adjusted(-rahagyas, -rahagyas, rahagyas, rahagyas);
  const long long szokoz = elrendezes_.SzokozSzelesseg;  // drawn strings carry their space
  QList<quint32> glifek;
  QList<QPointF> helyek;
  for (const TRajzoltSzo& szo : elrendezes_.Szavak) {
    if (szo.Y > lathato.bottom() || szo.Y + szo.Magassag < lathato.top() ||
        szo.X > lathato.right() || szo.X + szo.Szelesseg + szokoz < lathato.left())
      continue;
    // Each glyph at the sum of the widths before it; a character the font
    // lacks leaves the word to the text renderer and its fallback fonts.
    glifek.clear();
    helyek.clear();
    qreal x = static_cast<qreal>(szo.X);
    bool mind = true;
    for (unsigned char b : szo.Szoveg) {
      if (b < 32) continue;
      if (!glifek_[b]) {
        mind = false;
        break;
      }
      glifek.push_back(glifek_[b]);
      helyek.push_back(QPointF(x, static_cast<qreal>(szo.Y + emelkedes_)));
      x += elrendezes_.Jelek[b].Szelesseg;
    }
    if (!mind) {
      p.drawText(QPointF(static_cast<qreal>(szo.X), static_cast<qreal>(szo.Y + emelkedes_)),
                 qtkodolas::ToQ(szo.Szoveg));
      continue;
    }
    QGlyphRun futas;
    futas.setRawFont(nyersBetu_);
    futas.setGlyphIndexes(glifek);
    futas.setPositions(helyek);
    p.drawGlyphRun(QPointF(0, 0), futas);
  }
  return kep;
}
