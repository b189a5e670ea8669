// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded pictures reach a program that only links a static library which
// links rovas_resources, and each is a complete file of the promised size.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include "resources/eroforras.h"
#include "via_static.h"

namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "resources_test";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QCoreApplication::instance()) new QGuiApplication(argc, argv);
}

QImage Decode(const QByteArray& data, QByteArray* format) {
  QBuffer buf;
  buf.setData(data);
  buf.open(QIODevice::ReadOnly);
  QImageReader reader(&buf);
  *format = reader.format();
  return reader.read();
}

TEST(Resources, EveryPictureIsACompleteFileOfItsSize) {
  EnsureApp();
  struct Row {
    const char* name;
    const char* format;
    int w, h;
  };
  const Row rows[] = {
      {"ROVAS1", "bmp", 324, 46},       {"ROVAS2", "bmp", 109, 31},  {"OSSZEFOG", "bmp", 128, 128},
      {"OSSZEFN", "bmp", 302, 302},     {"KURZOR", "bmp", 1, 31},    {"B_ALAP", "bmp", 32, 32},
      {"B_EGYENI", "bmp", 32, 32},      {"B_KAPCS", "bmp", 32, 32},  {"HT_FA", "jpeg", 600, 450},
      {"HT_PAPIROS", "jpeg", 800, 804}, {"HT_KO", "jpeg", 592, 484},
  };
  for (const Row& r : rows) {
    const QByteArray data = KepAtStaticKonyvtaron(QString::fromLatin1(r.name));
    ASSERT_FALSE(data.isEmpty()) << r.name;
    if (QByteArray(r.format) == "bmp") {
      ASSERT_TRUE(data.startsWith("BM")) << r.name;
      // The header's file size is the whole file: nothing cut off.
      const auto* p = reinterpret_cast<const uchar*>(data.constData());
      const quint32 size = p[2] | p[3] << 8 | p[4] << 16 | quint32(p[5]) << 24;
      EXPECT_EQ(size, quint32(data.size())) << r.name;
    } else {
      EXPECT_TRUE(data.startsWith("\xFF\xD8") && data.endsWith("\xFF\xD9")) << r.name;
    }
    QByteArray format;
    const QImage img = Decode(data, &format);
    EXPECT_EQ(format, QByteArray(r.format)) << r.name;
    EXPECT_EQ(img.size(), QSize(r.w, r.h)) << r.name;
  }
}

TEST(Resources, UnknownNamesGiveNothing) {
  EnsureApp();
  for (const char* name : {"", "ROVAS3", "rovas1", "ROVAS1.bmp", "../ROVAS1", "HT_FA.jpg"}) {
    EXPECT_TRUE(eroforras::Utvonal(QString::fromLatin1(name)).isEmpty()) << name;
    EXPECT_TRUE(eroforras::Adat(QString::fromLatin1(name)).isEmpty()) << name;
  }
  EXPECT_EQ(eroforras::Utvonal("HT_FA"), QStringLiteral(":/kepek/HT_FA.jpg"));
}

// Pictures drawn transparently use their bottom-left pixel as the key colour:
// the key must surround the drawing (all four corners) and the drawing must be there.
TEST(Resources, TransparentPicturesHaveAKeyedBackground) {
  EnsureApp();
  for (const char* name : {"B_ALAP", "B_EGYENI", "B_KAPCS", "OSSZEFN"}) {
    QByteArray format;
    const QImage img = Decode(eroforras::Adat(QString::fromLatin1(name)), &format);
    const QRgb key = img.pixel(0, img.height() - 1);
    EXPECT_EQ(img.pixel(0, 0), key) << name;
    EXPECT_EQ(img.pixel(img.width() - 1, 0), key) << name;
    EXPECT_EQ(img.pixel(img.width() - 1, img.height() - 1), key) << name;
    int drawn = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) drawn += img.pixel(x, y) != key;
    EXPECT_GT(drawn, img.width() * img.height() / 10) << name;
  }
}

// The mode chooser uncovers ROVAS2 one caret step at a time (stops at x = 109,
// 86, 68, 43, 27, 0): every stretch between two stops holds one rune, and no
// rune reaches across a stop.
TEST(Resources, Rovas2RunesSitBetweenTheCaretStops) {
  EnsureApp();
  QByteArray format;
  const QImage img = Decode(eroforras::Adat("ROVAS2"), &format);
  ASSERT_EQ(img.width(), 109);
  const QRgb paper = img.pixel(0, 0);
  auto inked = [&](int x) {
    for (int y = 0; y < img.height(); ++y) {
      if (qGray(img.pixel(x, y)) < qGray(paper) - 60) return true;
    }
    return false;
  };
  const int stops[] = {109, 86, 68, 43, 27, 0};
  for (int i = 1; i < 5; ++i) EXPECT_FALSE(inked(stops[i])) << "caret stop " << stops[i];
  for (int i = 0; i + 1 < 6; ++i) {
    bool any = false;
    for (int x = stops[i + 1]; x < stops[i]; ++x) any |= inked(x);
    EXPECT_TRUE(any) << "no rune between " << stops[i + 1] << " and " << stops[i];
  }
}

}  // namespace
