// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli atrov end to end: settings sources, encodings, mirroring, errors.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "futtatas.h"
#include "platform/win1250.h"

namespace {

std::string Ideiglenes(const std::string& nev, const std::string& tartalom) {
  const auto ut = std::filesystem::temp_directory_path() /
                  ("atrov_cli_" + std::to_string(getpid()) + "_" + nev);
  std::ofstream(ut, std::ios::binary) << tartalom;
  return ut.string();
}

// Runs rovas-cli with `args`, `be` on stdin; stderr goes to `hibakimenet`.
Futas Cli(const std::string& args, const std::string& be,
          const std::string& hibakimenet = "/dev/null") {
  const std::string bemenet = Ideiglenes("stdin", be);
  return Futtat(std::string(ROVAS_CLI) + " " + args + " < '" + bemenet + "' 2>'" + hibakimenet +
                "'");
}

Futas Atrov(const std::string& args, const std::string& be) { return Cli("atrov " + args, be); }

std::string W(std::string_view utf8) { return win1250::FromUtf8(utf8); }

TEST(AtrovCli, DefaultSettings) {
  const Futas f = Atrov("", W("Kert (12) szép bak\r\nmásodik"));
  EXPECT_EQ(f.allapot, 0);
  EXPECT_EQ(f.ki, W("łert )21( Sép baK\r\nmásodiK"));
  // The pane form: every line mirrored and ended with CR LF.
  EXPECT_EQ(Atrov("--mirror", W("Kert (12)\r\nbak")).ki, W("(12) treł\r\nKab\r\n"));
  EXPECT_EQ(Atrov("--utf8", "szép bak").ki, "Sép baK");
}

TEST(AtrovCli, FontAndKeys) {
  // Left to right: nothing mirrored, digits untouched, "--mirror" changes nothing.
  EXPECT_EQ(Atrov("--font 'Rovasjel bj' --mirror", "bak (12)").ki, "baK (12)");
  // --font wins over the key of the same meaning.
  EXPECT_EQ(Atrov("--set 'LBetukeszlet=Rovasjel bj' --font 'Rovasjel jb'", "(1)").ki, ")1(");
  EXPECT_EQ(Atrov("--set 'LBetukeszlet=Rovasjel bj'", "(1)").ki, "(1)");
  // Any name, catalogued or not.
  EXPECT_EQ(Atrov("--font 'Nincs ilyen'", "QAcs").ki, "kvacs");
  EXPECT_EQ(Atrov("--set PSzamok=1 --set LIrany=2", "12").ki, "311");
  EXPECT_EQ(Atrov("--set PSzamok=1 --set PSzamok=x --set LIrany=2", "12").ki, "311");
  // Keys in later --set options apply after earlier ones and after the ini file.
  const std::string ini =
      Ideiglenes("rovas.ini", "[Alap]\r\nLIrany=2\r\nLHModszer=5\r\n[Egyeni]\r\n");
  EXPECT_EQ(Atrov("--ini '" + ini + "'", "alma (1)").ki, "lm (1)");
  EXPECT_EQ(Atrov("--ini '" + ini + "' --set LHModszer=0", "alma").ki, "alma");
  EXPECT_EQ(
      Atrov("--utf8 --set PEgyeniBeallitasok=1 --set 'SzEElsoKor=é-É' --set LESzovegirany=1", "é")
          .ki,
      "É");
}

TEST(AtrovCli, ExceptionWords) {
  const std::string szo = Ideiglenes(
      "szo.xml", "<?xml version=\"1.0\"?>\r\n<szo mit=\"igazság\" mire=\"igaz|ság\"/>\r\n");
  const std::string egyeni = "--set PEgyeniBeallitasok=1 --set 'SzEElsoKor=zs-Z' ";
  EXPECT_EQ(Atrov(egyeni + "--utf8 --set PKivetelesSzavak=0", "igazság").ki, "igaZág");
  EXPECT_EQ(Atrov(egyeni + "--utf8 --szo '" + szo + "'", "igazság").ki, "igazság");
  EXPECT_EQ(Atrov(egyeni + "--utf8 --set PKivetelesSzavak=0 --szo '" + szo + "'", "igazság").ki,
            "igaZág");
}

TEST(AtrovCli, ErrorsWithoutOutput) {
  const Futas f = Atrov("--set PEgyeniBeallitasok=1 --set 'SzEElsoKor=(a-b'", "abc");
  EXPECT_EQ(f.allapot, 3);
  EXPECT_EQ(f.ki, "");
  EXPECT_EQ(Atrov("--set PEgyeniBeallitasok=1 --set 'SzEElsoKor=(a-b'", "").allapot, 0);
  EXPECT_EQ(Atrov("--set NincsIlyen=1", "a").allapot, 2);
  EXPECT_EQ(Atrov("--szo /nonexistent/szo.xml", "a").allapot, 2);
  EXPECT_EQ(Atrov("--bogus", "a").allapot, 2);
  EXPECT_EQ(Atrov("/", "a").allapot, 2);  // a directory is no input file
}

TEST(AtrovCli, RunawayRuleListIsAnErrorWithoutOutput) {
  std::string pontok;
  for (int i = 0; i < 18; ++i) pontok += ".-xxx,";
  const Futas f = Atrov("--set PEgyeniBeallitasok=1 --set 'SzEElsoKor=" + pontok + "'", "abcd");
  EXPECT_EQ(f.allapot, 3);
  EXPECT_EQ(f.ki, "");
}

TEST(AtrovCli, InvalidUtf8) {
  const std::string hibak = Ideiglenes("stderr", "");
  struct Eset {
    std::string be;
    const char* eltolas;  // nullptr: valid
  } esetek[] = {
      {"szép", nullptr},         {"ab\xC3", "2"},   {"\xFF", "0"},
      {"a\xC3\xA9\xE9x", "3"},   {"\xC0\xAF", "0"}, {"\xED\xA0\x80", "0"},
      {"\xF4\x90\x80\x80", "0"},
  };
  for (const Eset& e : esetek) {
    const Futas f = Cli("atrov --utf8", e.be, hibak);
    std::ifstream h(hibak);
    const std::string uzenet((std::istreambuf_iterator<char>(h)), std::istreambuf_iterator<char>());
    if (!e.eltolas) {
      EXPECT_EQ(f.allapot, 0);
      continue;
    }
    EXPECT_EQ(f.allapot, 2) << e.be;
    EXPECT_EQ(f.ki, "");
    EXPECT_NE(uzenet.find(std::string("offset ") + e.eltolas + "\n"), std::string::npos) << uzenet;
    const Futas lossy = Atrov("--utf8 --lossy", e.be);
    EXPECT_EQ(lossy.allapot, 0);
    EXPECT_NE(lossy.ki.find('?'), std::string::npos);
  }
  EXPECT_EQ(Atrov("--lossy", "a").allapot, 2);
}

TEST(AtrovCli, InvalidUtf8InOneOfSeveralFilesNamesThatFile) {
  const std::string jo = Ideiglenes("jo.txt", "szép ");
  const std::string rossz = Ideiglenes("rossz.txt", "ab\xC3");
  const std::string hibak = Ideiglenes("stderr", "");
  const Futas f = Cli("atrov --utf8 '" + jo + "' '" + rossz + "'", "", hibak);
  EXPECT_EQ(f.allapot, 2);
  EXPECT_EQ(f.ki, "");
  std::ifstream h(hibak);
  const std::string uzenet((std::istreambuf_iterator<char>(h)), {});
  EXPECT_NE(uzenet.find("'" + rossz + "' is not UTF-8: invalid sequence at byte offset 2\n"),
            std::string::npos)
      << uzenet;
}

TEST(RegexCli, TooLongLineIsBadInputAndContinues) {
  const std::string hosszu = "all\t\ta\t" + std::string((4 << 20) + 1, 'a');
  const Futas f = Cli("regex", hosszu + "\nmatch\t\tb\tab\n");
  EXPECT_EQ(f.allapot, 0);
  EXPECT_EQ(f.ki, "bad input\nmatch 2:1\n");
  const Futas lepes = Cli("regex", "match\t\t(x+x+)+y\t" + std::string(20000, 'x') + "\n");
  EXPECT_EQ(lepes.ki, "error 1016\n");
}

TEST(AtrovCli, FilesConcatenated) {
  const std::string a = Ideiglenes("a.txt", "cs ");
  const std::string b = Ideiglenes("b.txt", "sz");
  EXPECT_EQ(Atrov("'" + a + "' '" + b + "'", "ignored").ki, "C S");
}

TEST(AtrovCli, Unicode) {
  // k, é, K (aK), space, brackets back in reading order, a number kept left to right.
  const std::string rtl =
      "\u202E\U00010CD3\U00010CCB\U00010CD4 (\U00010CE5) \u2066"
      "12\u2069\u202C";
  EXPECT_EQ(Atrov("--unicode", W("kék (sz) 12")).ki, rtl);
  EXPECT_EQ(Atrov("--unicode --utf8", "kék (sz) 12").ki, rtl);
  EXPECT_EQ(Atrov("--unicode --font 'Rovasjel bj' --set PSzamok=1", "ab 6\n").ki,
            "\u202D\U00010CC0\U00010CC2 \U00010CFB\U00010CFA\u202C\n");
  const std::string hibak = Ideiglenes("stderr", "");
  const struct {
    const char* kapcsolo;
    const char* ok;
  } nincsek[] = {
      {"--font 'Nincs ilyen'", "a font the catalogue does not describe"},
      {"--set PEgyeniBeallitasok=1", "custom settings"},
      {"--font 'Rovas Khazarian'", "the catalogue gives this font no letter mapping"},
  };
  for (const auto& n : nincsek) {
    const Futas f = Cli(std::string("atrov --unicode ") + n.kapcsolo, "ab", hibak);
    EXPECT_EQ(f.allapot, 5) << n.kapcsolo;
    EXPECT_EQ(f.ki, "") << n.kapcsolo;
    std::ifstream h(hibak);
    const std::string uzenet((std::istreambuf_iterator<char>(h)), {});
    EXPECT_NE(uzenet.find(std::string("(") + n.ok + ")"), std::string::npos) << uzenet;
  }
  EXPECT_EQ(Atrov("--unicode --mirror", "ab").allapot, 2);
}

}  // namespace
