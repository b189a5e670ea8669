// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/uzenet.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/kodolas.h"
#include "platform/win1250.h"

using namespace win1250::literals;

namespace uzenet {
namespace {

TValaszolo& Valaszolo() {
  static TValaszolo valaszolo;
  return valaszolo;
}

bool Mutat(Fajta fajta, const std::string& szoveg, QWidget* szulo, bool standard) {
  if (Valaszolo()) return Valaszolo()(TDoboz{fajta, szoveg, standard});
  QMessageBox box(szulo);
  box.setText(qtkodolas::ToQ(szoveg));
  box.setWindowTitle(standard ? QCoreApplication::applicationName()
                              : qtkodolas::ToQ(Felirat(fajta)));
  QPushButton* igen = nullptr;
  switch (fajta) {
    case Fajta::Kerdes:
      box.setIcon(QMessageBox::Question);
      igen = box.addButton(qtkodolas::ToQ("&Igen"), QMessageBox::YesRole);
      box.addButton(qtkodolas::ToQ("&Nem"), QMessageBox::NoRole);
      box.setDefaultButton(igen);
      break;
    case Fajta::Hiba:
      box.setIcon(QMessageBox::Critical);
      break;
    case Fajta::Figyelmeztetes:
      box.setIcon(QMessageBox::Warning);
      break;
    case Fajta::Informacio:
      box.setIcon(QMessageBox::Information);
      break;
  }
  if (!igen) box.addButton(qtkodolas::ToQ("Oké"_hu), QMessageBox::AcceptRole);
  box.exec();
  return igen != nullptr && box.clickedButton() == igen;
}

}  // namespace

std::string Felirat(Fajta fajta) {
  switch (fajta) {
    case Fajta::Figyelmeztetes:
      return "Figyelmeztetés"_hu;
    case Fajta::Hiba:
      return "Hiba";
    case Fajta::Informacio:
      return "Információ"_hu;
    case Fajta::Kerdes:
      return "Kérdés"_hu;
  }
  return {};
}

bool Kerdes(const std::string& szoveg, QWidget* szulo) {
  return Mutat(Fajta::Kerdes, szoveg, szulo, false);
}
void Hiba(const std::string& szoveg, QWidget* szulo) { Mutat(Fajta::Hiba, szoveg, szulo, false); }
void Figyelmeztetes(const std::string& szoveg, QWidget* szulo) {
  Mutat(Fajta::Figyelmeztetes, szoveg, szulo, false);
}
void Informacio(const std::string& szoveg, QWidget* szulo) {
  Mutat(Fajta::Informacio, szoveg, szulo, false);
}
void StandardHiba(const std::string& uzenet, QWidget* szulo) {
  Mutat(Fajta::Hiba, uzenet, szulo, true);
}

void SetValaszolo(TValaszolo valaszolo) { Valaszolo() = std::move(valaszolo); }

}  // namespace uzenet
