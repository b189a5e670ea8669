#include "platform/qt/rendszer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QUrl>

#include "platform/qt/kodolas.h"
#include "platform/qt/uzenet.h"

namespace rendszer {

std::string ProgramMappa() {
  return qtkodolas::FromQ(QCoreApplication::applicationDirPath()) + "/";
}

std::vector<std::string> TelepitettBetukeszletek() {
  std::vector<std::string> nevek;
  for (const QString& csalad : QFontDatabase::families()) nevek.push_back(qtkodolas::FromQ(csalad));
  return nevek;
}

bool Letezik(const std::string& utvonal) { return QFileInfo::exists(qtkodolas::ToQ(utvonal)); }

bool Megnyitas(const std::string& utvonal) {
  QFileInfo fajl(qtkodolas::ToQ(utvonal));
  if (fajl.isFile() && fajl.isExecutable())
    return QProcess::startDetached(fajl.absoluteFilePath(), {}, fajl.absolutePath());
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fajl.absoluteFilePath()));
}

}  // namespace rendszer

bool TelepitoInditasa() {
  const std::string telepito = rendszer::ProgramMappa() + "RovasFendra.exe";
  if (!rendszer::Letezik(telepito)) {
    uzenet::Hiba(
        "Nem tal\xE1lhat\xF3 a bet\xFBk\xE9szlet telep\xEDt\xF5 \"RovasFendra.exe\" program.");
    return false;
  }
  rendszer::Megnyitas(telepito);
  return true;
}

void EroforrasKepBetoltese(const std::string& nev, QLabel* kep) {
  kep->setPixmap(
      QPixmap(QStringLiteral(":/kepek/") + qtkodolas::ToQ(nev) + QStringLiteral(".bmp")));
}
