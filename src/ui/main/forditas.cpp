// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/forditas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/programdir.h"

bool MagyarForditas(QCoreApplication& app) {
  const QLocale magyar(QLocale::Hungarian, QLocale::Hungary);
  QLocale::setDefault(magyar);
  const QString hely = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool van = false;
  // qtbase holds the dialogs' and message boxes' texts.
  for (const char* nev : {"qtbase", "qt"}) {
    auto* f = new QTranslator(&app);
    if (f->load(magyar, QString::fromLatin1(nev), QStringLiteral("_"), hely)) {
      QCoreApplication::installTranslator(f);
      van = true;
    } else {
      delete f;
    }
  }
  return van;
}

int BeepitettBetukeszletekBetoltese() {
  const QDir mappa(QFile::decodeName(platform::ProgramFile("fonts").c_str()));
  const QStringList telepitett = QFontDatabase::families();
  int db = 0;
  for (const QString& f : mappa.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
    const int id = QFontDatabase::addApplicationFont(mappa.filePath(f));
    if (id < 0) continue;
    // An installed family keeps its installed face.
    bool uj = false;
    for (const QString& csalad : QFontDatabase::applicationFontFamilies(id))
      uj |= !telepitett.contains(csalad, Qt::CaseInsensitive);
    if (uj)
      ++db;
    else
      QFontDatabase::removeApplicationFont(id);
  }
  return db;
}
