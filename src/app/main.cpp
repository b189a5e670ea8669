// The program: start-up in its fixed order, then the message loop.

#include <QApplication>
#include <QIcon>
#include <csignal>

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

int main(int argc, char* argv[]) {
  // A file-size limit makes a write fail (and the old file stay) instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // 1. The one shared settings model, still empty.
  TRovasBeallitasok beallitasok;

  QApplication app(argc, argv);
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
