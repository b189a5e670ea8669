// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli kep end to end: the layout lines, the settings sources, the
// written picture and the exit statuses.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "futtatas.h"

namespace fs = std::filesystem;

namespace {

class KepCli : public ::testing::Test {
 protected:
  void SetUp() override {
    mappa_ = fs::temp_directory_path() / ("kep_cli_" + std::to_string(getpid()));
    fs::create_directories(mappa_);
  }
  void TearDown() override { fs::remove_all(mappa_); }
  std::string Ut(const std::string& nev) const { return (mappa_ / nev).string(); }
  std::string Fajl(const std::string& nev, const std::string& tartalom) const {
    std::ofstream(Ut(nev), std::ios::binary) << tartalom;
    return Ut(nev);
  }
  static std::string Beolvas(const std::string& ut) {
    std::ifstream be(ut, std::ios::binary);
    return {std::istreambuf_iterator<char>(be), {}};
  }
  // Runs rovas-cli kep with `args` and `be` on stdin.
  Futas Kep(const std::string& args, const std::string& be) const {
    Futas f = Futtat(std::string(ROVAS_CLI) + " kep " + args + " < '" + Fajl("stdin", be) +
                     "' 2> '" + Ut("stderr") + "'");
    f.hiba = Beolvas(Ut("stderr"));
    return f;
  }
  fs::path mappa_;
};

struct Szo {
  int sor, x, y, w, h;
  std::string szoveg;
};

std::vector<Szo> Szavak(const std::string& ki) {
  std::vector<Szo> szavak;
  std::istringstream be(ki);
  std::string sor;
  while (std::getline(be, sor)) {
    if (sor.rfind("word ", 0) != 0) continue;
    Szo sz;
    std::istringstream s(sor.substr(5));
    s >> sz.sor >> sz.x >> sz.y >> sz.w >> sz.h;
    s.get();
    std::getline(s, sz.szoveg);
    szavak.push_back(sz);
  }
  return szavak;
}

TEST_F(KepCli, LayoutLines) {
  const Futas f = Kep("--nyers --ltr --kep Igazitas=1 --kep BalMargo=7 --layout", "ab\tc de\r\nf");
  ASSERT_EQ(f.allapot, 0) << f.hiba;
  std::istringstream be(f.ki);
  std::string kep;
  int w, h, sorMagassag, szokoz, lelog;
  be >> kep >> w >> h >> sorMagassag >> szokoz >> lelog;
  EXPECT_EQ(kep, "kep");
  EXPECT_EQ(std::make_tuple(w, h, lelog), std::make_tuple(400, 300, 0));
  EXPECT_GT(sorMagassag, 0);
  // One glyph line per measured byte in ascending order: space, a..f; no TAB.
  std::vector<int> bajtok;
  std::string sor;
  while (std::getline(be, sor))
    if (sor.rfind("glyph ", 0) == 0) bajtok.push_back(std::stoi(sor.substr(6)));
  EXPECT_EQ(bajtok, (std::vector<int>{' ', 'a', 'b', 'c', 'd', 'e', 'f'}));

  const std::vector<Szo> sz = Szavak(f.ki);
  ASSERT_EQ(sz.size(), 3u);
  EXPECT_EQ(sz[0].szoveg, "ab%09c ");  // TAB escaped, trailing space
  EXPECT_EQ(sz[0].x, 7);
  EXPECT_EQ(sz[1].x, 7 + sz[0].w + szokoz);
  EXPECT_EQ(sz[1].szoveg, "de");
  EXPECT_EQ(std::make_tuple(sz[2].sor, sz[2].x, sz[2].szoveg),
            std::make_tuple(1, 7, std::string("f")));
  EXPECT_EQ(sz[2].y, 5 + sorMagassag + 5);

  // Right to left: the reversed strings with their space in front.
  const std::vector<Szo> rtl = Szavak(Kep("--nyers --rtl --layout", "ab cd").ki);
  ASSERT_EQ(rtl.size(), 2u);
  EXPECT_EQ(rtl[0].szoveg, " ba");
  EXPECT_EQ(rtl[1].szoveg, "dc");
  EXPECT_EQ(rtl[0].x + rtl[0].w + szokoz, 400 - 5);
}

TEST_F(KepCli, TransliterationAndSettings) {
  // Transliterated as atrov does it (default font, right to left): "szép" -> "Sép", reversed.
  Fajl("kep.ini", "[Fo]\r\nIgazitas=1\r\nBalMargo=20\r\n");
  const Futas f = Kep("--kep-ini " + Ut("kep.ini") + " --kep Szelesseg=50 --layout", "szep");
  ASSERT_EQ(f.allapot, 0);
  EXPECT_NE(f.hiba.find("Szelesseg=50"), std::string::npos);  // warned, kept 400
  const std::vector<Szo> sz = Szavak(f.ki);
  ASSERT_EQ(sz.size(), 1u);
  EXPECT_EQ(sz[0].szoveg, "peS");
  EXPECT_EQ(sz[0].x, 20);
  EXPECT_EQ(f.ki.substr(0, 8), "kep 400 ");
}

TEST_F(KepCli, ImageFilesAndErrors) {
  for (const char* nev : {"a.png", "b.JPG", "c.jpeg", "d.bmp"}) {
    const Futas f = Kep("--nyers --kep Szelesseg=123 -o " + Ut(nev), "abc");
    EXPECT_EQ(f.allapot, 0) << nev << f.hiba;
    EXPECT_TRUE(f.ki.empty());
  }
  EXPECT_EQ(Beolvas(Ut("a.png")).substr(1, 3), "PNG");
  EXPECT_EQ(Beolvas(Ut("d.bmp")).substr(0, 2), "BM");
  EXPECT_EQ(Beolvas(Ut("b.JPG")).substr(0, 2), "\xFF\xD8");

  // Past the bottom edge: written, with a warning.
  const Futas lelog =
      Kep("--nyers --kep Magassag=100 --layout", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh");
  EXPECT_EQ(lelog.allapot, 0);
  std::istringstream elso(lelog.ki);
  std::string kep;
  int w, h, sorMagassag, szokoz, jelzo;
  elso >> kep >> w >> h >> sorMagassag >> szokoz >> jelzo;
  EXPECT_EQ(std::make_tuple(h, jelzo), std::make_tuple(100, 1));
  EXPECT_NE(lelog.hiba.find("bottom edge"), std::string::npos);

  // Usage errors and unreadable files: 2; an unwritable picture: 4, the old file kept.
  EXPECT_EQ(Kep("--nyers", "a").allapot, 2);
  EXPECT_EQ(Kep("--nyers -o " + Ut("x.gif"), "a").allapot, 2);
  EXPECT_EQ(Kep("--nyers --layout " + Ut("nincs.txt"), "a").allapot, 2);
  EXPECT_EQ(Kep("--nyers --layout --kep-ini " + Ut("nincs.ini"), "a").allapot, 2);
  EXPECT_EQ(Kep("--nyers --layout --kep Hatter=" + Fajl("rossz.png", "nem kep"), "a").allapot, 2);
  const Futas irhatatlan = Kep("--nyers -o " + Ut("nincs/x.png"), "a");
  EXPECT_EQ(irhatatlan.allapot, 4);
  EXPECT_NE(irhatatlan.hiba.find(Ut("nincs/x.png")), std::string::npos);
  // Invalid pattern in a custom rule list: 3, nothing written.
  EXPECT_EQ(
      Kep("--set PEgyeniBeallitasok=1 --set 'SzEElsoKor=(a-b' -o " + Ut("m.png"), "a").allapot, 3);
  EXPECT_FALSE(fs::exists(Ut("m.png")));
}

}  // namespace
