// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/vagolap.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/qt/kodolas.h"

namespace {
QByteArray Bajtok(const std::string& s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// X11 readers guess the charset of text/html; browsers name it the same way.
QByteArray Html(const std::string& toredek) {
  return "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">" +
         Bajtok(toredek);
}
}  // namespace

std::string TQtVagolap::Szoveg() {
  return qtkodolas::FromQSorok(QGuiApplication::clipboard()->text());
}

void TQtVagolap::SetSzoveg(const std::string& szoveg) {
  if (szoveg.empty()) {
    Urites();
    return;
  }
  QGuiApplication::clipboard()->setText(qtkodolas::ToQSorok(szoveg));
}

void TQtVagolap::Urites() { QGuiApplication::clipboard()->clear(); }

void TQtVagolap::SetHtml(const std::string& rekord, const std::string& toredek,
                         const std::string& szoveg) {
  auto* adat = new QMimeData;
  if (!rekord.empty()) adat->setData(QStringLiteral("HTML Format"), Bajtok(rekord));
  if (!toredek.empty()) adat->setData(QStringLiteral("text/html"), Html(toredek));
  if (!szoveg.empty()) adat->setText(qtkodolas::ToQSorok(szoveg));
  QGuiApplication::clipboard()->setMimeData(adat);  // takes ownership
}

void TQtVagolap::SetUnicode(const std::string& szoveg, const std::string& toredek) {
  auto* adat = new QMimeData;
  if (!toredek.empty()) adat->setData(QStringLiteral("text/html"), Html(toredek));
  QString sima = QString::fromStdString(szoveg);
  sima.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (!sima.isEmpty()) adat->setText(sima);
  QGuiApplication::clipboard()->setMimeData(adat);  // takes ownership
}
