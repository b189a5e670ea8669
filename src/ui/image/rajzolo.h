// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a rovás picture with Qt: the font, the measurer over QFontMetrics,
// the background picture's placement and the text, into a 24-bit QImage.
// The layout is computed once for the whole picture; any part of the picture
// can then be drawn on its own, so the preview of a huge picture only draws
// what is on screen and saving draws it whole.

#include <QFont>
#include <QImage>
#include <QRawFont>
#include <QRect>
#include <array>
#include <string>

#include "ui/image/elrendezes.h"
#include "ui/image/kepbeallitasok.h"

// The font of a picture: a family, a size in points (at 96 dots per inch, as
// the picture has no other resolution), bold, italic, antialiased or not.
QFont KepBetu(const std::string& csalad, int pont, bool felkover, bool dolt, bool elsimitas);

// A decoded picture as a QImage fit for drawing (opaque pictures without
// alpha), holding the decoded pixels themselves.
QImage HatterKepbol(TKepAdat&& adat);
// Built-in background 1 to 3 (wood, paper, stone slab), decoded from its JPEG resource.
QImage BeepitettHatterKep(int index);

class TKepRajzolo {
 public:
  // Lays out `szoveg` (reading order) at once; `hatter` may be null and must
  // outlive the drawer.
  TKepRajzolo(const std::string& szoveg, const std::string& betukeszlet, const TKepBeallitasok& b,
              bool jobbrolBalra, const QImage* hatter);

  const TElrendezes& Elrendezes() const { return elrendezes_; }
  QSize Meret() const { return {b_.Szelesseg, b_.Magassag}; }

  // The part `resz` of the picture, RGB888; a null image when its memory
  // cannot be had.
  QImage Resz(const QRect& resz) const;
  QImage Teljes() const { return Resz(QRect(QPoint(0, 0), Meret())); }

 private:
  TKepBeallitasok b_;
  const QImage* hatter_;
  QFont betu_;
  int emelkedes_ = 0;  // ascent: from a word's top to its baseline
  TElrendezes elrendezes_;
  // Glyphs are placed at the measured widths, as the layout counted them.
  QRawFont nyersBetu_;
  std::array<quint32, 256> glifek_{};  // 0: the font has no glyph for the byte
};
