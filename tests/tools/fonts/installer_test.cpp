// SPDX-License-Identifier: GPL-3.0-or-later
// RovasFendra.exe installs the bundled typefaces for the user: afterwards a
// fresh Qt program lists "Rovasjel jb" (the program's start-up check).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

const QString kBin = QStringLiteral(ROVAS_BIN_DIR);

// The user's folders point into `home`; no display, so no dialog pops up.
QProcessEnvironment UserEnvironment(const QString& home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", home);
  env.insert("XDG_DATA_HOME", home + "/data");
  env.insert("XDG_CACHE_HOME", home + "/cache");
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  return env;
}

struct Futas {
  int exitCode;
  QString output;
};

Futas RunInstaller(const QString& program, const QString& home) {
  QProcess p;
  p.setProcessEnvironment(UserEnvironment(home));
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, {});
  if (!p.waitForFinished(60000)) return {-1, "did not finish"};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAll())};
}

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Installer, MissingFontsAreReportedAsFailure) {
  QTemporaryDir home, alone;
  ASSERT_TRUE(home.isValid() && alone.isValid());
  const QString copy = alone.path() + "/RovasFendra.exe";
  ASSERT_TRUE(QFile::copy(kBin + "/RovasFendra.exe", copy));
  const Futas run = RunInstaller(copy, home.path());
  EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
  EXPECT_TRUE(run.output.contains(QString::fromUtf8("Nem találhatók"))) << run.output.toStdString();
  EXPECT_FALSE(QDir(home.path() + "/data/fonts/rovas").exists());
}

TEST(Installer, InstallsTheTypefacesForQt) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const Futas run = RunInstaller(kBin + "/RovasFendra.exe", home.path());
  ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
  EXPECT_TRUE(run.output.contains(QString::fromUtf8("kész"))) << run.output.toStdString();

  const QString dest = home.path() + "/data/fonts/rovas/";
  for (const char* file : {"Rovasjel-jb.ttf", "Rovasjel-bj.ttf", "Osibetusor-jb.ttf",
                           "Osibetusor-bj.ttf", "OFL.txt"}) {
    const QByteArray installed = Contents(dest + file);
    EXPECT_FALSE(installed.isEmpty()) << file;
    EXPECT_EQ(installed, Contents(kBin + "/fonts/" + file)) << file;
  }

  // A program started now, with the same user folders, finds the families.
  for (const auto& [key, value] :
       {std::pair{"HOME", QString()}, {"XDG_DATA_HOME", "/data"}, {"XDG_CACHE_HOME", "/cache"}}) {
    qputenv(key, (home.path() + value).toLocal8Bit());
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "installer_test";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  const QStringList families = QFontDatabase::families();
  for (const char* family : {"Rovasjel jb", "Rovasjel bj", "Osi betusor jb", "Osi betusor bj"}) {
    EXPECT_TRUE(families.contains(QString::fromLatin1(family))) << family;
  }
}

}  // namespace
