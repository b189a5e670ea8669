// SPDX-License-Identifier: GPL-3.0-or-later
// Opening files and web addresses: what xdg-open reports when it ends reaches
// the user as an error box naming what to install.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "platform/qt/rendszer.h"
#include "platform/qt/uzenet.h"
#include "platform/win1250.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char nev[] = "megnyitas_test";
  static char* argv[] = {nev, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

struct Eset {
  const char* nev;     // of the row
  int kilepes;         // xdg-open's exit status
  const char* fajl;    // opened, or a web address when it starts with "https:"
  const char* tanacs;  // in the box (UTF-8), or nullptr for no box
};

class Megnyitas : public testing::TestWithParam<Eset> {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(mappa_.isValid());
    path_ = qgetenv("PATH");
    qputenv("PATH", mappa_.path().toLocal8Bit());
    uzenet::SetValaszolo([this](const uzenet::TDoboz& d) {
      dobozok_.push_back(d);
      return true;
    });
  }
  void TearDown() override {
    uzenet::SetValaszolo({});
    qputenv("PATH", path_);
  }

  // An xdg-open that leaves a mark and ends with `kilepes`.
  void XdgOpen(int kilepes) {
    QFile f(mappa_.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\n: >'%1'\nexit %2\n")
                .arg(mappa_.filePath(QStringLiteral("volt")))
                .arg(kilepes)
                .toLocal8Bit());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  // Runs the event loop until a box came, or xdg-open ran and half a second passed.
  void Var() {
    const QDeadlineTimer vege(10000);
    QDeadlineTimer utana(QDeadlineTimer::Forever);
    while (dobozok_.empty() && !vege.hasExpired() && !utana.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      if (utana.isForever() && QFile::exists(mappa_.filePath(QStringLiteral("volt"))))
        utana.setRemainingTime(500);
    }
    EXPECT_TRUE(QFile::exists(mappa_.filePath(QStringLiteral("volt")))) << "xdg-open did not run";
  }

  QTemporaryDir mappa_;
  QByteArray path_;
  std::vector<uzenet::TDoboz> dobozok_;
};

TEST_P(Megnyitas, FailureSaysWhatToInstall) {
  const Eset& e = GetParam();
  XdgOpen(e.kilepes);
  const std::string fajl = e.fajl;
  if (fajl.starts_with("https:")) {
    rendszer::UrlMegnyitas(fajl);
  } else {
    const QString utvonal = mappa_.filePath(QString::fromUtf8(e.fajl));
    QFile(utvonal).open(QIODevice::WriteOnly);
    rendszer::Megnyitas(QFile::encodeName(utvonal).toStdString(), fajl);
  }
  Var();
  if (!e.tanacs) {
    EXPECT_TRUE(dobozok_.empty()) << dobozok_.front().szoveg;
    return;
  }
  ASSERT_EQ(dobozok_.size(), 1u);
  EXPECT_EQ(dobozok_[0].fajta, uzenet::Fajta::Hiba);
  const std::string szoveg = win1250::ToUtf8(dobozok_[0].szoveg);
  EXPECT_EQ(szoveg.find("Nem sikerült megnyitni: " + fajl), 0u) << szoveg;
  EXPECT_NE(szoveg.find(e.tanacs), std::string::npos) << szoveg;
}

INSTANTIATE_TEST_SUITE_P(XdgOpen, Megnyitas,
                         testing::Values(Eset{"Opened", 0, "RovasSugo.pdf", nullptr},
                                         Eset{"NoPdfViewer", 3, "RovasSugo.pdf", "PDF-olvasó"},
                                         Eset{"NoEditor", 4, "LICENSE", "szövegszerkesztő"},
                                         Eset{"NoBrowser", 3, "https://tollnok.hu", "webböngésző"}),
                         [](const testing::TestParamInfo<Eset>& info) {
                           return std::string(info.param.nev);
                         });

TEST(MegnyitasNelkul, WithoutXdgOpenTheBoxNamesXdgUtils) {
  App();
  QTemporaryDir ures;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", ures.path().toLocal8Bit());
  // Qt's own fallbacks look for browsers by name; an empty PATH has none.
  qputenv("BROWSER", "");
  qputenv("DEFAULT_BROWSER", "");
  std::vector<uzenet::TDoboz> dobozok;
  uzenet::SetValaszolo([&](const uzenet::TDoboz& d) {
    dobozok.push_back(d);
    return true;
  });
  const QString fajl = ures.filePath(QStringLiteral("RovasSugo.pdf"));
  QFile(fajl).open(QIODevice::WriteOnly);
  rendszer::Megnyitas(QFile::encodeName(fajl).toStdString(), "RovasSugo.pdf");
  uzenet::SetValaszolo({});
  qputenv("PATH", path);
  qunsetenv("BROWSER");
  qunsetenv("DEFAULT_BROWSER");
  ASSERT_EQ(dobozok.size(), 1u);
  EXPECT_NE(win1250::ToUtf8(dobozok[0].szoveg).find("xdg-utils"), std::string::npos);
}

}  // namespace
