#include "platform/qt/rendszer.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QUrl>

#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/uzenet.h"

namespace rendszer {

std::vector<std::string> TelepitettBetukeszletek() {
  std::vector<std::string> nevek;
  for (const QString& csalad : QFontDatabase::families()) nevek.push_back(qtkodolas::FromQ(csalad));
  return nevek;
}

bool Letezik(const std::string& utvonal) {
  return QFileInfo::exists(QFile::decodeName(utvonal.c_str()));
}

bool Megnyitas(const std::string& utvonal) {
  QFileInfo fajl(QFile::decodeName(utvonal.c_str()));
  if (fajl.isFile() && fajl.isExecutable())
    return QProcess::startDetached(fajl.absoluteFilePath(), {}, fajl.absolutePath());
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fajl.absoluteFilePath()));
}

}  // namespace rendszer

bool TelepitoInditasa() {
  const std::string telepito = platform::ProgramFile("RovasFendra.exe");
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
