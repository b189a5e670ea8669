#pragma once
// What the program asks of the desktop: installed font families, opening a file with its associated
// program, pictures built into the program, and the font installer.

#include <string>
#include <vector>

class QLabel;
class QWidget;

namespace rendszer {

// The wait cursor for the lifetime of one piece of work.
class THomokora {
 public:
  THomokora();
  ~THomokora();
  THomokora(const THomokora&) = delete;
  THomokora& operator=(const THomokora&) = delete;
};

// The installed font families, Windows-1250.
std::vector<std::string> TelepitettBetukeszletek();

// Makes font families installed while the program runs (by the font
// installer) visible to it, as they are at once on Windows.
void BetukeszletekFrissitese();

// Paths are file-system bytes, as platform::ProgramFile gives them.

// Opens a file the way the desktop's "open" does: an executable file is
// started (not waited for), anything else goes to its associated program.
// False when nothing could be started.
bool Megnyitas(const std::string& utvonal);

// Opens a web address in the user's browser. False when nothing could be started.
bool UrlMegnyitas(const std::string& cim);

// The error box for a file or web address the desktop could not open (no
// program for it, no browser): "Nem sikerült megnyitni: " and `nev`
// (Windows-1250). Whoever opens something on the user's request shows it
// when Megnyitas or UrlMegnyitas gives false.
void MegnyitasiHiba(const std::string& nev, QWidget* szulo = nullptr);

}  // namespace rendszer

// Starts "RovasFendra.exe" beside the program; without it shows the error box
// and gives false.
bool TelepitoInditasa();

// Shows the built-in BMP picture `nev` (":/kepek/<nev>.bmp") in `kep`.
void EroforrasKepBetoltese(const std::string& nev, QLabel* kep);
