// SPDX-License-Identifier: GPL-3.0-or-later
#include "eroforras.h"

#include <QFile>

namespace eroforras {

QString Utvonal(const QString& nev) {
  if (nev.isEmpty() || nev.contains(u'/') || nev.contains(u'.')) return {};
  for (const char* ext : {".bmp", ".jpg"}) {
    const QString path = QStringLiteral(":/kepek/") + nev + QLatin1String(ext);
    if (QFile::exists(path)) return path;
  }
  return {};
}

QByteArray Adat(const QString& nev) {
  const QString path = Utvonal(nev);
  if (path.isEmpty()) return {};
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace eroforras
