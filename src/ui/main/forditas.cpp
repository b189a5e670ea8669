// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/forditas.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
