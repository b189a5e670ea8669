// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli html: the help label's markup engine on one text.

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/escape.h"
#include "htmllabel/minihtml.h"
#include "htmllabel/qtrajz.h"
#include "platform/fajl.h"
#include "platform/win1250.h"

namespace cli {

namespace {

int Hasznalat(const std::string& uzenet) {
  if (!uzenet.empty()) std::cerr << "rovas-cli html: " << uzenet << '\n';
  std::cerr << "Usage: rovas-cli html [--width N] [--utf8] [--layout] [-o OUT.png] [FILE]\n";
  return 2;
}

// Help texts are a few kilobytes; every laid-out object costs some hundred
// bytes, so a text of megabytes would cost gigabytes.
constexpr size_t kMaxSzoveg = size_t{1} << 20;

// Empty on success, else why not.
std::string Beolvasas(const std::string& utvonal, std::string& ide) {
  if (!utvonal.empty()) {
    const platform::Status s = platform::ReadFile(utvonal, kMaxSzoveg, ide);
    return s.ok() ? std::string() : s.Message();
  }
  char buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0) {
    ide.append(buf, n);
    if (ide.size() > kMaxSzoveg) return "the standard input is larger than 1 MB";
  }
  return std::ferror(stdin) ? "cannot read the standard input" : "";
}

}  // namespace

int Html(int argc, char** argv) {
  int szelesseg = 338;
  bool utf8 = false, elrendezes = false;
  std::string ki, fajl;
  bool volt_fajl = false;
  for (int i = 0; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--width" && i + 1 < argc) {
      const std::string_view n = argv[++i];
      auto [p, ec] = std::from_chars(n.data(), n.data() + n.size(), szelesseg);
      if (ec != std::errc() || p != n.data() + n.size() || szelesseg < 1 || szelesseg > 20000)
        return Hasznalat("bad width '" + std::string(n) + "'");
    } else if (a == "--utf8") {
      utf8 = true;
    } else if (a == "--layout") {
      elrendezes = true;
    } else if (a == "-o" && i + 1 < argc) {
      ki = argv[++i];
    } else if (a == "--help" || a == "-h") {
      std::cout << "Usage: rovas-cli html [--width N] [--utf8] [--layout] [-o OUT.png] [FILE]\n"
                   "Lays out one help-label markup text at width N (338) and prints its\n"
                   "objects (--layout) or writes the drawn bitmap (-o).\n";
      return 0;
    } else if ((a.size() > 1 && a[0] == '-') || volt_fajl) {
      return Hasznalat("unexpected argument '" + a + "'");
    } else {
      fajl = a;
      volt_fajl = true;
    }
  }
  std::string html;
  if (const std::string hiba = Beolvasas(fajl, html); !hiba.empty()) return Hasznalat(hiba);
  if (utf8) html = win1250::FromUtf8(html);

  // Fonts need a GUI application; no display is needed for that.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int qargc = 1;
  char nev[] = "rovas-cli";
  char* qargv[] = {nev, nullptr};
  QGuiApplication app(qargc, qargv);

  minihtml::TQtMero mero;
  minihtml::TMiniHtml motor(mero);
  motor.SetHtml(html);
  motor.Elrendezes(szelesseg);
  if (elrendezes) {
    std::string out =
        "html " + std::to_string(szelesseg) + ' ' + std::to_string(motor.TartalomMagassag()) + '\n';
    for (const minihtml::TObjektum& o : motor.Objektumok()) {
      out += "obj ";
      out += minihtml::Nev(o.Osztaly);
      for (int v : {o.X, o.Y, o.W, o.H, o.Sor, o.SorMagassag}) out += ' ' + std::to_string(v);
      out += ' ';
      if (o.Osztaly == minihtml::TOsztaly::aText || o.Osztaly == minihtml::TOsztaly::aSpace) {
        out += Escape(o.Szoveg);
      } else {
        out += Escape((o.Vege ? "/" : "") + std::string(minihtml::CimkeNev(o)));
      }
      out += '\n';
    }
    std::cout << out;
  }
  if (!ki.empty()) {
    QImage kep = minihtml::Kep(motor, szelesseg);
    if (kep.isNull()) {
      std::cerr << "rovas-cli html: the picture is too large to draw\n";
      return 2;
    }
    minihtml::KulcsCsere(kep, Qt::white);
    QSaveFile f(QString::fromLocal8Bit(ki.c_str()));
    if (!f.open(QIODevice::WriteOnly) || !kep.save(&f, "PNG") || !f.commit()) {
      std::cerr << "rovas-cli html: cannot write '" << ki
                << "': " << f.errorString().toLocal8Bit().constData() << '\n';
      return 2;
    }
  }
  return 0;
}

}  // namespace cli
