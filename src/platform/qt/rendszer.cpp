// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/fajl.h"
#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/qt/uzenet.h"
#include "platform/win1250.h"

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

namespace {

// What to install when nothing opened `nev`, by its kind.
std::string Tanacs(const std::string& nev, bool url) {
  if (url) return "Nem indult el webböngésző: telepíts egyet (például a firefox-esr csomagot)."_hu;
  if (win1250::ToLower(nev).ends_with(".pdf"))
    return "Nem indult el PDF-olvasó: telepíts egyet (például az evince csomagot)."_hu;
  return "Nem indult el program, amely ezt megnyitná: telepíts egy szövegszerkesztőt "
         "(például a gedit csomagot)."_hu;
}

void Hiba(const std::string& nev, const std::string& tanacs, QWidget* szulo) {
  uzenet::Hiba("Nem sikerült megnyitni: "_hu + nev + "\r\n\r\n" + tanacs, szulo);
}

// Hands `cel` (a file path or a web address) to xdg-open. Its exit status is the
// only sign of a missing program: Qt's own opener starts it and forgets it, so a
// desktop without a PDF viewer opened nothing and said nothing.
void XdgOpen(const QString& cel, const std::string& nev, bool url, QWidget* szulo) {
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (xdgOpen.isEmpty()) {
    // Desktop portals and browsers Qt knows of may still do it.
    if (!QDesktopServices::openUrl(url ? QUrl(cel) : QUrl::fromLocalFile(cel)))
      Hiba(nev, "Nincs a gépen az xdg-open program: telepítsd az xdg-utils csomagot."_hu, szulo);
    return;
  }
  // Without a parent: the program may end before the opener (on some desktops
  // xdg-open waits for the viewer), and a QProcess that is destroyed kills it.
  auto* folyamat = new QProcess;
  folyamat->setProgram(xdgOpen);
  folyamat->setArguments({cel});
  folyamat->setStandardOutputFile(QProcess::nullDevice());
  folyamat->setStandardErrorFile(QProcess::nullDevice());
  const QPointer<QWidget> ablak(szulo);
  QObject::connect(folyamat, &QProcess::finished, folyamat,
                   [folyamat, nev, url, ablak](int kod, QProcess::ExitStatus allapot) {
                     folyamat->deleteLater();
                     if (allapot == QProcess::NormalExit && kod != 0)
                       Hiba(nev, Tanacs(nev, url), ablak);
                   });
  QObject::connect(folyamat, &QProcess::errorOccurred, folyamat,
                   [folyamat, nev, ablak](QProcess::ProcessError hiba) {
                     if (hiba != QProcess::FailedToStart) return;  // `finished` follows the others
                     folyamat->deleteLater();
                     Hiba(nev, "Az xdg-open program nem indult el."_hu, ablak);
                   });
  folyamat->start();
}

}  // namespace

void Megnyitas(const std::string& utvonal, const std::string& nev, QWidget* szulo) {
  QFileInfo fajl(QFile::decodeName(utvonal.c_str()));
  if (fajl.isFile() && fajl.isExecutable()) {
    if (!QProcess::startDetached(fajl.absoluteFilePath(), {}, fajl.absolutePath()))
      Hiba(nev, "A program nem indítható el."_hu, szulo);
    return;
  }
  XdgOpen(fajl.absoluteFilePath(), nev, false, szulo);
}

void UrlMegnyitas(const std::string& cim, QWidget* szulo) {
  XdgOpen(QString::fromUtf8(cim.data(), qsizetype(cim.size())), cim, true, szulo);
}

}  // namespace rendszer

bool TelepitoInditasa() {
  const std::string telepito = platform::ProgramFile("RovasFendra.exe");
  if (!platform::FileExists(telepito)) {
    uzenet::Hiba("Nem található a betűkészlet telepítő \"RovasFendra.exe\" program."_hu);
    return false;
  }
  // The installer prints its closing message instead of showing it (a desktop
  // may lack zenity and kdialog, and xmessage draws no accents); it comes here
  // when the installer ends. No parent: a destroyed QProcess kills its program.
  auto* folyamat = new QProcess;
  QProcessEnvironment kornyezet = QProcessEnvironment::systemEnvironment();
  kornyezet.insert(QStringLiteral("ROVASFENDRA_UZENET"), QStringLiteral("kimenet"));
  folyamat->setProcessEnvironment(kornyezet);
  folyamat->setProcessChannelMode(QProcess::MergedChannels);
  const QFileInfo fajl(QFile::decodeName(telepito.c_str()));
  folyamat->setWorkingDirectory(fajl.absolutePath());
  folyamat->setProgram(fajl.absoluteFilePath());
  QObject::connect(
      folyamat, &QProcess::finished, folyamat, [folyamat](int kod, QProcess::ExitStatus allapot) {
        folyamat->deleteLater();
        const std::string szoveg =
            qtkodolas::FromQ(QString::fromUtf8(folyamat->readAll()).trimmed());
        if (allapot == QProcess::NormalExit && kod == 0) {
          if (!szoveg.empty()) uzenet::Informacio(szoveg);
        } else {
          uzenet::Hiba(szoveg.empty() ? "A betűkészletek telepítése nem sikerült."_hu : szoveg);
        }
      });
  folyamat->start();
  if (!folyamat->waitForStarted()) {
    delete folyamat;
    rendszer::Hiba("RovasFendra.exe", "A program nem indítható el."_hu, nullptr);
    return false;
  }
  return true;
}

void EroforrasKepBetoltese(const std::string& nev, QLabel* kep) {
  kep->setPixmap(
      QPixmap(QStringLiteral(":/kepek/") + qtkodolas::ToQ(nev) + QStringLiteral(".bmp")));
}
