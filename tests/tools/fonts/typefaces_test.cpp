// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled rovás typefaces: every character a transliterated text can hold
// draws a glyph of the font itself (never a fallback), letters draw the runes
// of their sounds, and each jb/bj pair draws mirror images.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <string>
#include <vector>

#include "engine/unicoderovas.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

constexpr qreal kSize = 100;

struct Family {
  const char* file;
  const char* name;
  const char* mirror;  // the file of the other direction's cut
  bool rightToLeft;
  bool capitals = false;  // capital runes, and letters at the codes of their own entry
};

const Family kFamilies[] = {
    {"Rovasjel-jb.ttf", "Rovasjel jb", "Rovasjel-bj.ttf", true},
    {"Rovasjel-bj.ttf", "Rovasjel bj", "Rovasjel-jb.ttf", false},
    {"Osibetusor-jb.ttf", "Osi betusor jb", "Osibetusor-bj.ttf", true},
    {"Osibetusor-bj.ttf", "Osi betusor bj", "Osibetusor-jb.ttf", false},
    {"Rovasnelojellel-jb.ttf", "Rovas n elojellel jb", "Rovasnelojellel-bj.ttf", true, true},
    {"Rovasnelojellel-bj.ttf", "Rovas n elojellel bj", "Rovasnelojellel-jb.ttf", false, true},
    {"Osibetunelojellel-jb.ttf", "Osi betu n elojellel jb", "Osibetunelojellel-bj.ttf", true, true},
    {"Osibetunelojellel-bj.ttf", "Osi betu n elojellel bj", "Osibetunelojellel-jb.ttf", false,
     true},
};

QGuiApplication* App() {
  static int argc = 1;
  static char name[] = "typefaces_test";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication* app =
      QCoreApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
  return app;
}

QRawFont Load(const char* file) {
  App();
  return QRawFont(QStringLiteral(ROVAS_FONT_DIR "/") + QString::fromLatin1(file), kSize);
}

QString FromWin1250(const std::string& bytes) {
  return QString::fromStdString(win1250::ToUtf8(bytes));
}

// "Székely-magyar rovás írás, 1848 (próba): gyönyörű, kék ég; hű társ! Kitől kérdezzük?"
// as the transliteration leaves it for these fonts: lower case, two-letter consonants
// at C G L N S T Z, k at a word's start as ł (0xB3) and at its end as K, numbers as
// the numerals at 1-7.
const std::string kSample =
    "SékelmaGar rovás írás, 74212221 (próba): GNörű, łéK "
    "ég; hű társ! łitől łérdezzüK? ufjCTLZ-\"'."_hu;

bool HasOwnGlyph(const QRawFont& font, QChar ch) {
  if (!font.supportsCharacter(ch)) return false;
  const QList<quint32> glyphs = font.glyphIndexesForString(QString(ch));
  return glyphs.size() == 1 && glyphs[0] != 0;
}

TEST(Typefaces, FamilyNamesAreTheCataloguedOnes) {
  for (const Family& f : kFamilies) {
    const QRawFont font = Load(f.file);
    ASSERT_TRUE(font.isValid()) << f.file;
    EXPECT_EQ(font.familyName().toStdString(), f.name);
  }
}

TEST(Typefaces, SampleDrawsOnlyOwnNonEmptyGlyphs) {
  const QString sample = FromWin1250(kSample);
  for (const Family& f : kFamilies) {
    const QRawFont font = Load(f.file);
    for (QChar ch : sample) {
      ASSERT_TRUE(HasOwnGlyph(font, ch)) << f.name << " lacks U+" << std::hex << int(ch.unicode());
      if (ch == u' ') continue;
      const quint32 glyph = font.glyphIndexesForString(QString(ch))[0];
      EXPECT_FALSE(font.pathForGlyph(glyph).isEmpty())
          << f.name << " draws nothing for U+" << std::hex << int(ch.unicode());
    }
  }
}

TEST(Typefaces, EveryPrintableWindows1250CharacterHasAGlyph) {
  for (const Family& f : kFamilies) {
    const QRawFont font = Load(f.file);
    for (int b = 0x20; b <= 0xFF; ++b) {
      const char16_t u = win1250::ToUnicode(static_cast<unsigned char>(b));
      if (b == 0x7F || (u >= 0x80 && u < 0xA0)) continue;  // control codes, undefined bytes
      EXPECT_TRUE(HasOwnGlyph(font, QChar(u))) << f.name << " byte 0x" << std::hex << b;
    }
  }
}

// The glyph outline, moved so that its bounding box starts at the origin.
QPainterPath Outline(const QRawFont& font, QChar ch, bool mirror) {
  QPainterPath path = font.pathForGlyph(font.glyphIndexesForString(QString(ch))[0]);
  if (mirror) path = QTransform::fromScale(-1, 1).map(path);
  const QRectF box = path.boundingRect();
  return path.translated(-box.topLeft());
}

// Share of the pixels covered by exactly one of the two outlines.
double Difference(const QPainterPath& a, const QPainterPath& b) {
  const int w = int(std::max(a.boundingRect().width(), b.boundingRect().width())) + 4;
  const int h = int(std::max(a.boundingRect().height(), b.boundingRect().height())) + 4;
  auto draw = [&](const QPainterPath& p) {
    QImage img(w, h, QImage::Format_Grayscale8);
    img.fill(0);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(p.translated(2, 2), Qt::white);
    return img;
  };
  const QImage ia = draw(a), ib = draw(b);
  int either = 0, one = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool pa = ia.pixelColor(x, y).value() > 0, pb = ib.pixelColor(x, y).value() > 0;
      either += pa || pb;
      one += pa != pb;
    }
  }
  return either ? double(one) / either : 0;
}

TEST(Typefaces, JbAndBjCutsAreMirrorImages) {
  const QString sample = FromWin1250(kSample);
  for (const Family& f : kFamilies) {
    const QRawFont font = Load(f.file), other = Load(f.mirror);
    for (QChar ch : sample) {
      if (!ch.isLetterOrNumber()) continue;  // punctuation is the same in both cuts
      const double d = Difference(Outline(font, ch, true), Outline(other, ch, false));
      EXPECT_LT(d, 0.08) << f.name << " U+" << std::hex << int(ch.unicode());
    }
    // Punctuation keeps its Latin form in both directions.
    // ("!" is a rune in the fonts with capitals.)
    for (QChar ch : f.capitals ? QStringLiteral(",.?()") : QStringLiteral(",.?!()")) {
      EXPECT_LT(Difference(Outline(font, ch, false), Outline(other, ch, false)), 0.01);
    }
  }
}

// Letters draw the runes of their Hungarian sounds (Unicode Old Hungarian small
// letters), compared with the source font's own outlines.
TEST(Typefaces, LettersDrawTheRunesOfTheirSounds) {
  App();
  const QRawFont runes(QStringLiteral(ROVAS_NOTO_DIR "/NotoSansOldHungarian-Regular.ttf"), kSize);
  ASSERT_TRUE(runes.isValid());
  struct Row {
    const char* bytes;  // Windows-1250
    char32_t rune;
  };
  const Row rows[] = {
      {"a", 0x10CC0},    {"á"_hu, 0x10CC1}, {"b", 0x10CC2},    {"c", 0x10CC4},    {"C", 0x10CC6},
      {"d", 0x10CC7},    {"e", 0x10CC9},    {"é"_hu, 0x10CCB}, {"f", 0x10CCC},    {"g", 0x10CCD},
      {"G", 0x10CCE},    {"h", 0x10CCF},    {"i", 0x10CD0},    {"í"_hu, 0x10CD1}, {"j", 0x10CD2},
      {"k", 0x10CD3},    {"\xB3", 0x10CD3}, {"K", 0x10CD4},    {"l", 0x10CD6},    {"L", 0x10CD7},
      {"m", 0x10CD8},    {"n", 0x10CD9},    {"N", 0x10CDA},    {"o", 0x10CDB},    {"ó"_hu, 0x10CDC},
      {"ö"_hu, 0x10CDE}, {"ő"_hu, 0x10CDF}, {"p", 0x10CE0},    {"r", 0x10CE2},    {"s", 0x10CE4},
      {"S", 0x10CE5},    {"t", 0x10CE6},    {"T", 0x10CE8},    {"u", 0x10CEA},    {"ú"_hu, 0x10CEB},
      {"ü"_hu, 0x10CED}, {"ű"_hu, 0x10CEC}, {"v", 0x10CEE},    {"z", 0x10CEF},    {"Z", 0x10CF0},
      {"1", 0x10CFA},    {"2", 0x10CFB},    {"3", 0x10CFC},    {"4", 0x10CFD},    {"5", 0x10CFE},
      {"7", 0x10CFF},
  };
  for (const Family& f : kFamilies) {
    // The source runes face right to left; the fonts with capitals put their
    // letters elsewhere (checked against the converter below).
    if (!f.rightToLeft || f.capitals) continue;
    const QRawFont font = Load(f.file);
    for (const Row& r : rows) {
      const QChar ch = FromWin1250(r.bytes)[0];
      const QString rune = QString::fromUcs4(&r.rune, 1);
      const QPainterPath want = runes.pathForGlyph(runes.glyphIndexesForString(rune)[0]);
      const QPainterPath got = font.pathForGlyph(font.glyphIndexesForString(QString(ch))[0]);
      EXPECT_LT(Difference(got, want), 0.01) << f.name << " " << r.bytes;
    }
  }
}

// 500 has no sign of its own: five times one hundred, the 5 sign first in writing order.
TEST(Typefaces, FiveHundredIsFiveThenHundred) {
  for (const Family& f : kFamilies) {
    const QRawFont font = Load(f.file);
    auto advance = [&](char c) {
      return font.advancesForGlyphIndexes(font.glyphIndexesForString(QString(QChar(c))))[0].x();
    };
    EXPECT_NEAR(advance('6'), advance('2') + advance('5'), 0.5) << f.name;
    const QRectF whole = font.pathForGlyph(font.glyphIndexesForString("6")[0]).boundingRect();
    const QRectF five = font.pathForGlyph(font.glyphIndexesForString("2")[0]).boundingRect();
    // Right to left: the 5 sign stands at the right end; left to right at the left end.
    if (f.rightToLeft) {
      EXPECT_NEAR(whole.right(), advance('5') + five.right(), 0.5) << f.name;
    } else {
      EXPECT_NEAR(whole.left(), five.left(), 0.5) << f.name;
    }
  }
}

// Font code -> Unicode -> the runes drawn by Noto Sans Old Hungarian: the same
// glyph as the bundled typeface draws at that code, for every code the
// converter gives runes (numerals included).
TEST(Typefaces, UnicodeConversionBackGivesTheSameRune) {
  App();
  const QRawFont runes(QStringLiteral(ROVAS_NOTO_DIR "/NotoSansOldHungarian-Regular.ttf"), kSize);
  ASSERT_TRUE(runes.isValid());
  for (const Family& f : kFamilies) {
    if (!f.rightToLeft) continue;  // the bj cuts are their mirror images (tested above)
    const TBetuKepesseg k(f.name);
    const TUnicodeRovas u(k, {.jobbrol_balra = true, .szamok_atirva = true});
    const QRawFont font = Load(f.file);
    int rovasjelek = 0;
    for (int b = 0x20; b <= 0xFF; ++b) {
      if (u.Megtartott(static_cast<unsigned char>(b))) continue;
      const QString jelentes = QString::fromStdString(std::string(u.Jelentes(b)));
      // Punctuation a rule moved to this code ("!" at X): drawn as punctuation.
      if (jelentes.toUcs4().value(0) < 0x10C80u) continue;
      // Written right to left: the first rune at the right end.
      QPainterPath want;
      want.setFillRule(Qt::WindingFill);
      qreal x = 0;
      const QList<uint> kodok = jelentes.toUcs4();
      for (auto it = kodok.rbegin(); it != kodok.rend(); ++it) {
        ASSERT_GE(*it, 0x10C80u) << f.name << " byte 0x" << std::hex << b;
        const char32_t c = *it;
        const quint32 g = runes.glyphIndexesForString(QString::fromUcs4(&c, 1))[0];
        want.addPath(runes.pathForGlyph(g).translated(x, 0));
        x += runes.advancesForGlyphIndexes(QList<quint32>{g})[0].x();
      }
      const QChar ch(win1250::ToUnicode(static_cast<unsigned char>(b)));
      const QPainterPath got = font.pathForGlyph(font.glyphIndexesForString(QString(ch))[0]);
      // Two runes side by side land on half pixels: a little more room.
      EXPECT_LT(Difference(got, want), kodok.size() == 1 ? 0.01 : 0.02)
          << f.name << " byte 0x" << std::hex << b;
      ++rovasjelek;
    }
    EXPECT_GT(rovasjelek, 60) << f.name;  // letters, foreign letters, k forms, numerals
  }
}

}  // namespace
