// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's fonts and painter behind the markup engine's measurer and canvas.
// Font sizes are set in pixels (points at 96 pixels per inch), so the layout
// does not depend on the screen's resolution.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <unordered_map>

#include "htmllabel/minihtml.h"

namespace minihtml {

class TQtMero : public TMero {
 public:
  int Szelesseg(const TBetu& betu, std::string_view szoveg) override;
  int Magassag(const TBetu& betu, std::string_view szoveg) override;
  static QFont Betu(const TBetu& betu);

 private:
  const QFontMetrics& Metrika(const TBetu& betu);
  std::unordered_map<std::string, std::unique_ptr<QFontMetrics>> metrikak_;
};

// Draws on a QImage through a painter held for the canvas's lifetime.
class TQtVaszon : public TVaszon {
 public:
  explicit TQtVaszon(QImage& kep);
  void Kitoltes(const TTeglalap& r, TSzin szin) override;
  void Szoveg(int x, int y, std::string_view szoveg, const TBetu& betu, TSzin szin) override;
  void Kor(const TTeglalap& r, TSzin szin) override;
  void Keret(const TTeglalap& r, TSzin szin) override;
  void Jelolonegyzet(const TTeglalap& r, bool bepipalt) override;
  void Gomb(const TTeglalap& r, std::string_view felirat, const TBetu& betu) override;
  QPainter& Festo() { return p_; }

 private:
  QPainter p_;
};

// Lays out and draws `motor` at `szelesseg` into a new bitmap, key colour
// included; a null image when the bitmap would be too large.
QImage Kep(TMiniHtml& motor, int szelesseg);
// Every pixel of the key colour replaced by `hatter`.
void KulcsCsere(QImage& kep, QColor hatter);

}  // namespace minihtml
