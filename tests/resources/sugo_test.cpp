// SPDX-License-Identifier: GPL-3.0-or-later
// The help document beside the program: a PDF of several pages that carries the
// rovás typefaces its samples are set in and the pictures it shows.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>

namespace {

QByteArray ReadPdf() {
  QFile f(QStringLiteral(ROVAS_BIN_DIR "/RovasSugo.pdf"));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Sugo, IsACompletePdfOfSeveralPages) {
  const QByteArray pdf = ReadPdf();
  ASSERT_TRUE(pdf.startsWith("%PDF-")) << "missing or not a PDF";
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  const qsizetype pages = pdf.count("/Type /Page\n");
  EXPECT_GE(pages, 3);
  EXPECT_LE(pages, 12);
}

TEST(Sugo, EmbedsTheRovasTypefacesAndPictures) {
  const QByteArray pdf = ReadPdf();
  const QString text = QString::fromLatin1(pdf);
  for (const char* font : {"Rovasjel-jb", "Rovasjel-bj", "NotoSans-Regular"}) {
    const QRegularExpression embedded(QStringLiteral("/FontName /[A-Z]{6}\\+") +
                                      QLatin1String(font) + QStringLiteral("\\b"));
    EXPECT_TRUE(embedded.match(text).hasMatch()) << font;
  }
  // The "Összefogás!" picture (302 x 302) and the wood background (600 x 450).
  EXPECT_TRUE(pdf.contains("/Width 302\n/Height 302"));
  EXPECT_TRUE(pdf.contains("/Width 600\n/Height 450"));
}

TEST(Sugo, CarriesNoBuildTimeStamp) {
  const QByteArray pdf = ReadPdf();
  const QRegularExpression date(QStringLiteral("/CreationDate \\(D:(\\d{14})"));
  const auto m = date.match(QString::fromLatin1(pdf));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_EQ(m.captured(1), QStringLiteral("20150310000000"));
}

}  // namespace
