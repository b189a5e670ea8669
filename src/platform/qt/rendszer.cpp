#include "platform/qt/rendszer.h"

#include <fontconfig/fontconfig.h>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QUrl>

#include "platform/fajl.h"
#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/uzenet.h"

using namespace win1250::literals;

namespace rendszer {

THomokora::THomokora() { QApplication::setOverrideCursor(Qt::WaitCursor); }
THomokora::~THomokora() { QApplication::restoreOverrideCursor(); }

std::vector<std::string> TelepitettBetukeszletek() {
  std::vector<std::string> nevek;
  for (const QString& csalad : QFontDatabase::families()) nevek.push_back(qtkodolas::FromQ(csalad));
  return nevek;
}

void BetukeszletekFrissitese() {
  FcInitReinitialize();
  // Qt reads fontconfig again only when its own application fonts change, so
  // one of the program's bundled typefaces is added and dropped again.
  const QDir mappa(QFile::decodeName(platform::ProgramFile("fonts").c_str()));
  const QStringList fajlok = mappa.entryList({QStringLiteral("*.ttf")}, QDir::Files);
  if (fajlok.isEmpty()) return;
  if (QFontDatabase::addApplicationFont(mappa.filePath(fajlok.first())) >= 0)
    QFontDatabase::removeAllApplicationFonts();
}

bool Megnyitas(const std::string& utvonal) {
  QFileInfo fajl(QFile::decodeName(utvonal.c_str()));
  if (fajl.isFile() && fajl.isExecutable())
    return QProcess::startDetached(fajl.absoluteFilePath(), {}, fajl.absolutePath());
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fajl.absoluteFilePath()));
}

bool UrlMegnyitas(const std::string& cim) {
  return QDesktopServices::openUrl(QUrl(QString::fromUtf8(cim.data(), qsizetype(cim.size()))));
}

void MegnyitasiHiba(const std::string& nev, QWidget* szulo) {
  uzenet::Hiba("Nem sikerült megnyitni: "_hu + nev, szulo);
}

}  // namespace rendszer

bool TelepitoInditasa() {
  const std::string telepito = platform::ProgramFile("RovasFendra.exe");
  if (!platform::FileExists(telepito)) {
    uzenet::Hiba("Nem található a betűkészlet telepítő \"RovasFendra.exe\" program."_hu);
    return false;
  }
  if (!rendszer::Megnyitas(telepito)) {
    rendszer::MegnyitasiHiba("RovasFendra.exe");
    return false;
  }
  return true;
}

void EroforrasKepBetoltese(const std::string& nev, QLabel* kep) {
  kep->setPixmap(
      QPixmap(QStringLiteral(":/kepek/") + qtkodolas::ToQ(nev) + QStringLiteral(".bmp")));
}
