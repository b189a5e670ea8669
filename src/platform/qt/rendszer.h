// SPDX-License-Identifier: GPL-3.0-or-later
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
// started (not waited for), anything else goes to its associated program
// through xdg-open. Whatever keeps it from opening is shown in the error box
// "Nem sikerült megnyitni: " + `nev` (Windows-1250) with what to install: no
// opener at all, or xdg-open reporting afterwards (the box then comes when it
// ends) that no program takes this kind of file.
void Megnyitas(const std::string& utvonal, const std::string& nev, QWidget* szulo = nullptr);

// Opens a web address in the user's browser; failures as above.
void UrlMegnyitas(const std::string& cim, QWidget* szulo = nullptr);

}  // namespace rendszer

// Starts "RovasFendra.exe" beside the program; without it shows the error box
// and gives false. The installer leaves its closing message to the program,
// which shows it in its own box (with every accent) when the installer ends.
bool TelepitoInditasa();

// Shows the built-in BMP picture `nev` (":/kepek/<nev>.bmp") in `kep`.
void EroforrasKepBetoltese(const std::string& nev, QLabel* kep);
