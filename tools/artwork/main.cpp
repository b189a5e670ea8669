// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time generator of the program's artwork and help document.
//
//   rovas_artwork kepek OUTDIR FONTDIR NOTODIR
//       draws the embedded pictures (BMP files and JPEG backgrounds) into OUTDIR,
//       the rovás ones with the bundled typefaces of FONTDIR.
//   rovas_artwork sugo SOURCE.html OUT.pdf FONTDIR NOTODIR KEPDIR
//       typesets the Hungarian user guide into a PDF; <img src="kepek/NAME">
//       refers to the pictures of KEPDIR, rovás samples use the bundled typefaces.
//   rovas_artwork ikon OUTDIR NAME FONTDIR NOTODIR
//       draws the program's icon into OUTDIR/hicolor/NxN/apps/NAME.png.
//
// Runs on the offscreen platform, needs no display.

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/win1250.h"
#include "textures.h"

namespace {

const char* const kRovasjel = "Rovasjel jb";  // the default font: right to left
const QColor kPanel(240, 240, 240);           // dialog face; also the transparent key

QString W(const std::string& win1250Bytes) {
  return QString::fromStdString(win1250::ToUtf8(win1250Bytes));
}

bool LoadFonts(const QString& fontDir, const QString& notoDir) {
  bool ok = true;
  // Loaded from memory: a PDF orders its embedded subsets by a hash of the font's
  // file name, which would make the document depend on the build folder.
  for (const char* f :
       {"Rovasjel-jb.ttf", "Rovasjel-bj.ttf", "Osibetusor-jb.ttf", "Osibetusor-bj.ttf"}) {
    QFile file(fontDir + "/" + f);
    ok &= file.open(QIODevice::ReadOnly) &&
          QFontDatabase::addApplicationFontFromData(file.readAll()) >= 0;
  }
  for (const char* f : {"NotoSansOldHungarian-Regular.ttf", "NotoSans-Regular.ttf",
                        "NotoSans-Bold.ttf", "NotoSans-Italic.ttf", "NotoSans-BoldItalic.ttf",
                        "NotoSerif-Regular.ttf", "NotoSerif-Bold.ttf", "NotoSerif-Italic.ttf"}) {
    ok &= QFontDatabase::addApplicationFont(notoDir + "/" + f) >= 0;
  }
  return ok;
}

QFont Font(const char* family, int pixels, bool italic = false, bool bold = false) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixels);
  f.setItalic(italic);
  f.setBold(bold);
  f.setStyleStrategy(QFont::NoFontMerging);  // a missing glyph must show, not hide
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QImage Canvas(int w, int h, QColor fill) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

// Latin text -> rovás strip: "rovásírás", an arrow, and its runes (written right
// to left, so the codes go in reverse order).
QImage Rovas1() {
  QImage img = Canvas(324, 46, Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(40, 40, 40));
  p.setFont(Font("Noto Sans", 19, true));
  p.drawText(QRect(8, 0, 120, 46), Qt::AlignVCenter | Qt::AlignLeft, W("rov\xE1s\xEDr\xE1s"));
  // Arrow
  p.setPen(QPen(QColor(150, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(120, 23), QPointF(150, 23));
  p.drawPolyline(QPolygonF({QPointF(143, 17), QPointF(150, 23), QPointF(143, 29)}));
  p.setPen(QColor(20, 20, 20));
  p.setFont(Font(kRovasjel, 30));
  p.drawText(QRect(160, 0, 158, 46), Qt::AlignVCenter | Qt::AlignRight, W("s\xE1r\xEDs\xE1vor"));
  return img;
}

// A rovás word typed right to left; each rune sits between two stops of the
// mode chooser's caret (x = 109, 86, 68, 43, 27, 0), so the caret animation
// uncovers exactly one rune per step.
QImage Rovas2() {
  QImage img = Canvas(109, 31, Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(Qt::black);
  p.setFont(Font(kRovasjel, 27));
  struct Slot {
    const char* code;
    int left, right;
  };
  const Slot cells[] = {
      {"r", 86, 109}, {"o", 68, 86}, {"v", 43, 68}, {"\xE1", 27, 43}, {"s", 0, 27}};
  for (const Slot& s : cells) {
    p.drawText(QRect(s.left, 0, s.right - s.left, 31), Qt::AlignCenter, W(s.code));
  }
  return img;
}

QImage Kurzor() { return Canvas(1, 31, Qt::black); }

// "Összefogás!": three interlocking rings in the national colours above the word
// in runes. Drawn at any size; the panel colour is the transparent key.
QImage Osszefogas(int size, bool caption) {
  QImage img = Canvas(size, size, kPanel);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const double s = size / 128.0;
  p.scale(s, s);
  const double r = 24, w = 7;
  const QColor red(200, 16, 46), white(252, 252, 250), green(0, 122, 61), rim(90, 60, 40);
  struct Ring {
    QPointF c;
    QColor col;
  };
  const Ring rings[] = {{{49, 43}, red}, {{79, 43}, white}, {{64, 69}, green}};
  auto arc = [&](const Ring& g, double fromDeg, double spanDeg) {
    const QRectF box(g.c.x() - r, g.c.y() - r, 2 * r, 2 * r);
    p.setPen(QPen(rim, w + 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, int(fromDeg * 16), int(spanDeg * 16));
    p.setPen(QPen(g.col, w, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, int((fromDeg - 1) * 16), int((spanDeg + 2) * 16));
  };
  for (const Ring& g : rings) arc(g, 0, 360);
  // Interlace like Borromean rings: at the outer crossing of two rings the one
  // listed first lies on top, at the inner crossing the other one. Drawing order
  // already puts the later ring on top, so only the earlier one is redrawn.
  const QPointF centre(64, 51.7);
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      const QPointF d = rings[b].c - rings[a].c;
      const double len = std::hypot(d.x(), d.y()), h = std::sqrt(r * r - len * len / 4);
      const QPointF mid = (rings[a].c + rings[b].c) / 2, n(-d.y() / len, d.x() / len);
      QPointF outer = mid + n * h, inner = mid - n * h;
      if (QLineF(centre, inner).length() > QLineF(centre, outer).length()) std::swap(inner, outer);
      // Outer: a over b, except the pair (first, last) which turns the cycle around.
      const bool aOverAtOuter = !(a == 0 && b == 2);
      const QPointF at = aOverAtOuter ? outer : inner;
      const QPointF v = at - rings[a].c;
      const double deg = std::atan2(-v.y(), v.x()) * 180 / M_PI;
      arc(rings[a], deg - 20, 40);
    }
  }
  p.setPen(rim);
  // ö, ssz -> two sz runes, e, f, o, g, á, s, then "!" (read right to left).
  p.setFont(Font(kRovasjel, 20));
  p.drawText(QRectF(0, caption ? 92 : 97, 128, 26), Qt::AlignCenter, W("!s\xE1gofeSS\xF6"));
  if (caption) {
    p.setFont(Font("Noto Serif", 9, true));
    p.drawText(QRectF(0, 114, 128, 13), Qt::AlignCenter, W("\xD6sszefog\xE1s!"));
  }
  return img;
}

// The settings window's page icons; white is the transparent key.
QImage Icon(int which) {
  QImage img = Canvas(32, 32, Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(50, 70, 110), fill(120, 150, 200), accent(200, 60, 40);
  if (which == 0) {  // Alap: a gear
    QPainterPath gear;
    const QPointF c(16, 16);
    for (int i = 0; i < 8; ++i) {
      QTransform t;
      t.translate(c.x(), c.y());
      t.rotate(i * 45);
      gear.addPolygon(t.map(QPolygonF(QRectF(-3, -15, 6, 8))));
    }
    gear.addEllipse(c, 10.5, 10.5);
    gear.setFillRule(Qt::WindingFill);
    gear = gear.simplified();
    QPainterPath hole;
    hole.addEllipse(c, 4.5, 4.5);
    p.setPen(QPen(ink, 1.4));
    p.setBrush(fill);
    p.drawPath(gear.subtracted(hole));
  } else if (which == 1) {  // Egyéni: a sheet with a pencil
    p.setPen(QPen(ink, 1.2));
    p.setBrush(QColor(250, 250, 246));
    p.drawRect(QRectF(4.5, 3.5, 18, 24));
    p.setPen(QPen(QColor(150, 160, 180), 1));
    for (int y = 9; y <= 23; y += 4) p.drawLine(QPointF(8, y), QPointF(19, y));
    QTransform t;
    t.translate(21, 20);
    t.rotate(45);
    p.setTransform(t);
    p.setPen(QPen(ink, 1.1));
    p.setBrush(accent);
    p.drawRect(QRectF(-2.5, -14, 5, 16));
    p.setBrush(QColor(240, 200, 140));
    p.drawPolygon(QPolygonF({QPointF(-2.5, 2), QPointF(2.5, 2), QPointF(0, 7)}));
  } else {  // Kapcsolat: an envelope
    p.setPen(QPen(ink, 1.4));
    p.setBrush(QColor(250, 246, 230));
    const QRectF r(3.5, 8.5, 25, 17);
    p.drawRect(r);
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({r.topLeft(), r.topRight(), QPointF(16, 19)}));
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16, 18.5), 2.6, 2.6);
  }
  return img;
}

// The program's icon at `size` pixels: the rune of "r" cut into a tile of the
// paper background, framed like the "Összefogás" picture.
QImage Ikon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double s = size / 256.0;
  p.scale(s, s);
  const QColor rim(90, 60, 40), ink(40, 30, 25), red(200, 16, 46);
  const QRectF box(10, 10, 236, 236);
  QPainterPath tile;
  tile.addRoundedRect(box, 40, 40);
  p.setClipPath(tile);
  p.drawImage(box, artwork::Papiros(256, 256));
  p.setClipping(false);
  p.setPen(QPen(rim, std::max(10.0, 1.2 / s)));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tile);
  // A red rule under the rune, like the line a scribe writes on.
  p.setPen(QPen(red, std::max(12.0, 1.4 / s), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(60, 206), QPointF(196, 206));
  p.setPen(ink);
  p.setFont(Font(kRovasjel, 190));
  p.drawText(QRectF(10, 0, 236, 216), Qt::AlignCenter, W("r"));
  return img;
}

// The icon as SVG, for any size: the tile, the rule and the rune's own outline
// from the typeface (the paper grain of the pictures is left out).
QString IkonSvg() {
  QPainterPath rovas;
  rovas.addText(0, 0, Font(kRovasjel, 190), W("r"));
  // Centred as drawText centres it in the pixel icons.
  const QRectF hatar = rovas.boundingRect();
  rovas.translate(128 - hatar.center().x(), 108 - hatar.center().y());
  QString d;
  auto pont = [](const QPainterPath::Element& e) {
    return QString::number(e.x, 'f', 2) + ' ' + QString::number(e.y, 'f', 2);
  };
  for (int i = 0; i < rovas.elementCount(); ++i) {
    const QPainterPath::Element e = rovas.elementAt(i);
    if (e.isMoveTo()) {
      d += 'M' + pont(e);
    } else if (e.isLineTo()) {
      d += 'L' + pont(e);
    } else if (e.isCurveTo()) {
      d += 'C' + pont(e) + ' ' + pont(rovas.elementAt(i + 1)) + ' ' + pont(rovas.elementAt(i + 2));
      i += 2;
    }
  }
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
             "viewBox=\"0 0 256 256\">\n"
             "  <rect x=\"10\" y=\"10\" width=\"236\" height=\"236\" rx=\"40\" "
             "fill=\"#efe4cc\" stroke=\"#5a3c28\" stroke-width=\"10\"/>\n"
             "  <path d=\"M60 206H196\" stroke=\"#c8102e\" stroke-width=\"12\" "
             "stroke-linecap=\"round\"/>\n"
             "  <path d=\"%1\" fill=\"#281e19\" fill-rule=\"%2\"/>\n"
             "</svg>\n")
      .arg(d, rovas.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                  : QStringLiteral("evenodd"));
}

// The icon in the sizes of the hicolor theme: OUT/hicolor/NxN/apps/NAME.png, and
// OUT/hicolor/scalable/apps/NAME.svg.
int Ikonok(const QString& out, const QString& name) {
  const QString svgDir = out + "/hicolor/scalable/apps";
  QDir().mkpath(svgDir);
  QFile svg(svgDir + "/" + name + ".svg");
  if (!svg.open(QIODevice::WriteOnly) || svg.write(IkonSvg().toUtf8()) < 0) {
    std::fprintf(stderr, "rovas_artwork: cannot write %s\n", qPrintable(svg.fileName()));
    return 1;
  }
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QString("%1/hicolor/%2x%2/apps").arg(out).arg(size);
    QDir().mkpath(dir);
    const QString path = dir + "/" + name + ".png";
    if (!Ikon(size).save(path, "PNG")) {
      std::fprintf(stderr, "rovas_artwork: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}

int Kepek(const QString& out) {
  QDir().mkpath(out);
  struct Picture {
    const char* name;
    QImage image;
    const char* format;
    int quality;
  };
  const Picture pictures[] = {
      {"ROVAS1.bmp", Rovas1(), "BMP", -1},
      {"ROVAS2.bmp", Rovas2(), "BMP", -1},
      {"KURZOR.bmp", Kurzor(), "BMP", -1},
      {"OSSZEFOG.bmp", Osszefogas(128, false), "BMP", -1},
      {"OSSZEFN.bmp", Osszefogas(302, true), "BMP", -1},
      {"B_ALAP.bmp", Icon(0), "BMP", -1},
      {"B_EGYENI.bmp", Icon(1), "BMP", -1},
      {"B_KAPCS.bmp", Icon(2), "BMP", -1},
      {"HT_FA.jpg", artwork::Fa(600, 450), "JPG", 90},
      {"HT_PAPIROS.jpg", artwork::Papiros(800, 804), "JPG", 90},
      {"HT_KO.jpg", artwork::Ko(592, 484), "JPG", 90},
  };
  for (const Picture& pic : pictures) {
    const QString path = out + "/" + pic.name;
    if (!pic.image.save(path, pic.format, pic.quality)) {
      std::fprintf(stderr, "rovas_artwork: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}

// QPdfWriter stamps the current time; a fixed stamp of the same length keeps the
// document identical from build to build (the cross-reference offsets stay valid).
void FixCreationDate(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadWrite)) return;
  QByteArray pdf = f.readAll();
  const QByteArray key = "/CreationDate (D:";
  const qsizetype at = pdf.indexOf(key);
  if (at < 0) return;
  const qsizetype start = at + key.size(), end = pdf.indexOf(')', start);
  // After the 14 digits comes "Z" or a "+hh'mm'" offset.
  QByteArray stamp;
  if (end - start == 15) stamp = "20150310000000Z";
  if (end - start == 21) stamp = "20150310000000+00'00'";
  if (stamp.isEmpty()) return;
  pdf.replace(start, end - start, stamp);
  f.seek(0);
  f.write(pdf);
}

int Sugo(const QString& source, const QString& out, const QString& kepDir) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "rovas_artwork: cannot read %s\n", qPrintable(source));
    return 1;
  }
  QTextDocument doc;
  for (const QString& name : QDir(kepDir).entryList(QDir::Files)) {
    doc.addResource(QTextDocument::ImageResource, QUrl("kepek/" + name),
                    QImage(kepDir + "/" + name));
  }
  QFont base = Font("Noto Sans", 10);
  base.setPointSizeF(10.5);
  doc.setDefaultFont(base);
  doc.setHtml(QString::fromUtf8(in.readAll()));

  QPdfWriter writer(out);
  writer.setTitle(QStringLiteral("Rov\u00E1s \u2013 s\u00FAg\u00F3"));
  writer.setCreator(QStringLiteral("Tollnok"));
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
  doc.print(&writer);
  FixCreationDate(out);
  return QFile::exists(out) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 5 && args[1] == "kepek") {
    if (!LoadFonts(args[3], args[4])) return 1;
    return Kepek(args[2]);
  }
  if (args.size() == 6 && args[1] == "ikon") {
    if (!LoadFonts(args[4], args[5])) return 1;
    return Ikonok(args[2], args[3]);
  }
  if (args.size() == 7 && args[1] == "sugo") {
    if (!LoadFonts(args[4], args[5])) return 1;
    return Sugo(args[2], args[3], args[6]);
  }
  std::fprintf(stderr,
               "usage: rovas_artwork kepek OUTDIR FONTDIR NOTODIR\n"
               "       rovas_artwork sugo SOURCE.html OUT.pdf FONTDIR NOTODIR KEPDIR\n"
               "       rovas_artwork ikon OUTDIR NAME FONTDIR NOTODIR\n");
  return 2;
}
