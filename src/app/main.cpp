// SPDX-License-Identifier: GPL-3.0-or-later
// The program: start-up in its fixed order, then the message loop.

#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "app/valtozat.h"
#include "engine/beallitasok.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/rendszer.h"
#include "platform/qt/uzenet.h"
#include "platform/win1250.h"
#include "ui/image/kepablak.h"
#include "ui/main/foablak.h"
#include "ui/main/forditas.h"
#include "ui/main/inditas.h"
#include "ui/newtext/ujablak.h"
#include "ui/settings/beallitasallapot.h"
#include "ui/settings/beallitasokablak.h"

using namespace win1250::literals;

namespace {

constexpr const char* kSugo =
    "Usage: rovas [Qt options]\n"
    "Tollnok: write Hungarian in rovás script with 8-bit rovás fonts.\n"
    "\n"
    "  -h, --help      show this help and exit\n"
    "  --version       show the version and the licence and exit\n"
    "\n"
    "It needs a graphical session (DISPLAY or WAYLAND_DISPLAY); Qt's own options,\n"
    "such as -platform NAME, and QT_QPA_PLATFORM choose another way to show it.\n"
    "The command-line tool is rovas-cli; see rovas(1) for files and settings.\n";

constexpr const char* kValtozatSzoveg =
    "rovas (Tollnok) " TOLLNOK_VERSION " (" TOLLNOK_DATE ")\n" TOLLNOK_LICENC;

constexpr const char* kNincsKijelzo =
    "rovas: no graphical display to open a window on. Start it in a desktop session,\n"
    "over ssh -X, or in a virtual X server: xvfb-run -a rovas\n";

// Qt ends a program whose display it cannot open with abort() (a core dump);
// while the application object is made, that ends here with status 1 instead.
bool qtIndul = false;
QtMessageHandler qtKezelo = nullptr;

void QtUzenet(QtMsgType fajta, const QMessageLogContext& hely, const QString& szoveg) {
  if (fajta == QtFatalMsg && qtIndul) {
    std::fprintf(stderr, "%s\n%s", qUtf8Printable(szoveg), kNincsKijelzo);
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (qtKezelo) qtKezelo(fajta, hely, szoveg);
}

// True when Qt has somewhere to show windows: a display, or a platform chosen
// by hand (offscreen, vnc, ...).
bool VanKijelzo(int argc, char* argv[]) {
  for (const char* valtozo : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* v = std::getenv(valtozo); v && *v) return true;
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform")
      return true;
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Answered without a display, before Qt is started.
  for (int i = 1; i < argc; ++i) {
    const std::string_view a(argv[i]);
    if (a == "--help" || a == "-h") return std::fputs(kSugo, stdout) < 0;
    if (a == "--version") return std::fputs(kValtozatSzoveg, stdout) < 0;
  }
  if (!VanKijelzo(argc, argv)) {
    std::fputs(kNincsKijelzo, stderr);
    return 1;
  }
  // A file-size limit makes a write fail (and the old file stay) instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // 1. The one shared settings model, still empty.
  TRovasBeallitasok beallitasok;

  qtKezelo = qInstallMessageHandler(QtUzenet);
  qtIndul = true;
  QApplication app(argc, argv);
  qtIndul = false;
  MagyarForditas(app);
  // The desktop's name for the program: its menu entry and icon, when installed.
  QGuiApplication::setDesktopFileName(QStringLiteral(ROVAS_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ROVAS_APP_ID)));

  // 2. The default rovás font, before any window exists.
  BetukeszletEllenorzese(
      rendszer::TelepitettBetukeszletek(),
      {[](const std::string& s) { return uzenet::Kerdes(s); }, [] { return TelepitoInditasa(); },
       [](const std::string& s) {
         uzenet::Informacio(s);
         rendszer::BetukeszletekFrissitese();
       }});

  // Faces the user has not installed come from the program's folder.
  BeepitettBetukeszletekBetoltese();

  // 3. The application title (also the caption of the standard error box).
  QApplication::setApplicationName(qtkodolas::ToQ("Rovás"_hu));

  // 4. The windows, in order: main window, mode chooser, then the settings
  // window, whose state loads rovas.ini (or writes the defaults) and reads szo.xml.
  TFoablak foablak(beallitasok);
  TUjablak ujablak(&foablak);
  foablak.SetUjablak(&ujablak);
  // A download keeps the windows painted; user input waits until it ends.
  TBeallitasKornyezet kornyezet;
  kornyezet.LetoltesKozben = [] {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  TBeallitasAllapot beallitasAllapot(beallitasok, kornyezet);
  beallitasAllapot.Letrehozas();
  TBeallitasokablak beallitasokablak(beallitasAllapot, &foablak);
  foablak.SetBeallitasAllapot(&beallitasAllapot);
  // The image window loads rovaskep.ini now and writes it when it is destroyed.
  TKepAblak kepAblak(&foablak);
  foablak.SetKepAblak(&kepAblak);
  // Both "Beállítások..." buttons; the main window applies the settings afterwards.
  foablak.SetBeallitasokAblak([&beallitasokablak] { beallitasokablak.exec(); });

  // 5. The message loop; the first show opens the mode chooser 10 ms later.
  foablak.show();
  return app.exec();
}
