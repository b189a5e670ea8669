#include "platform/qt/uzenet.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/kodolas.h"

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
  if (!igen) box.addButton(qtkodolas::ToQ("Ok\xE9"), QMessageBox::AcceptRole);
  box.exec();
  return igen != nullptr && box.clickedButton() == igen;
}

}  // namespace

std::string Felirat(Fajta fajta) {
  switch (fajta) {
    case Fajta::Figyelmeztetes:
      return "Figyelmeztet\xE9s";
    case Fajta::Hiba:
      return "Hiba";
    case Fajta::Informacio:
      return "Inform\xE1"
             "ci\xF3";
    case Fajta::Kerdes:
      return "K\xE9rd\xE9s";
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
