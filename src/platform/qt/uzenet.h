// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal message boxes with the system's fixed Hungarian captions and buttons.
// Texts are Windows-1250. Tests install an answerer so no box blocks them.

#include <functional>
#include <string>

class QWidget;

namespace uzenet {

enum class Fajta { Figyelmeztetes, Hiba, Informacio, Kerdes };

// The caption of each kind: "Figyelmeztetés", "Hiba", "Információ", "Kérdés" (Windows-1250).
std::string Felirat(Fajta fajta);

// Question with "&Igen" and "&Nem"; true for Yes.
bool Kerdes(const std::string& szoveg, QWidget* szulo = nullptr);
// Error, warning and information boxes with the single button "Oké".
void Hiba(const std::string& szoveg, QWidget* szulo = nullptr);
void Figyelmeztetes(const std::string& szoveg, QWidget* szulo = nullptr);
void Informacio(const std::string& szoveg, QWidget* szulo = nullptr);

// The application's standard error box: captioned with the application title,
// error icon, "Oké", showing an error's own message (UTF-8 or Windows-1250 is
// not knowable from std::exception::what(), so it is taken as Windows-1250).
void StandardHiba(const std::string& uzenet, QWidget* szulo = nullptr);

// Every box asked for, as the tests see it; the answer is used for questions.
struct TDoboz {
  Fajta fajta;
  std::string szoveg;  // Windows-1250
  bool standard;       // the application's standard error box
};
using TValaszolo = std::function<bool(const TDoboz&)>;
// Replaces showing boxes by calling `valaszolo` (empty: show them again).
void SetValaszolo(TValaszolo valaszolo);

}  // namespace uzenet
