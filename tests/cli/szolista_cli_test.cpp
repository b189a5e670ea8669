// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli atrov with the exception-word list that comes with the program:
// default settings, an empty home folder, Unicode runes out.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "futtatas.h"

namespace {

namespace fs = std::filesystem;

// The runes of a space-separated list of sounds.
std::string Runak(const std::string& hangok) {
  static const std::map<std::string, const char*> kRuna = {
      {"a", "\U00010CC0"},  {"á", "\U00010CC1"},  {"b", "\U00010CC2"},  {"c", "\U00010CC4"},
      {"cs", "\U00010CC6"}, {"d", "\U00010CC7"},  {"e", "\U00010CC9"},  {"é", "\U00010CCB"},
      {"g", "\U00010CCD"},  {"gy", "\U00010CCE"}, {"h", "\U00010CCF"},  {"i", "\U00010CD0"},
      {"í", "\U00010CD1"},  {"j", "\U00010CD2"},  {"k", "\U00010CD3"},  {"l", "\U00010CD6"},
      {"m", "\U00010CD8"},  {"n", "\U00010CD9"},  {"ny", "\U00010CDA"}, {"o", "\U00010CDB"},
      {"ó", "\U00010CDC"},  {"ö", "\U00010CDE"},  {"ő", "\U00010CDF"},  {"r", "\U00010CE2"},
      {"s", "\U00010CE4"},  {"sz", "\U00010CE5"}, {"t", "\U00010CE6"},  {"u", "\U00010CEA"},
      {"ú", "\U00010CEB"},  {"ű", "\U00010CEC"},  {"ü", "\U00010CED"},  {"v", "\U00010CEE"},
      {"z", "\U00010CEF"},  {"zs", "\U00010CF0"}};
  std::istringstream be(hangok);
  std::string ki;
  for (std::string h; be >> h;) ki += kRuna.at(h);
  return ki;
}

class SzolistaCli : public ::testing::Test {
 protected:
  void SetUp() override {
    otthon_ = fs::temp_directory_path() / ("szolista_cli_" + std::to_string(getpid()));
    fs::create_directories(otthon_);
  }
  void TearDown() override { fs::remove_all(otthon_); }

  // One word through `rovas-cli atrov --unicode --utf8` with the given options;
  // the runes without the direction marks around the line.
  std::string Atrov(const std::string& szo, const std::string& opciok = "") {
    const fs::path be = otthon_ / "be.txt";
    std::ofstream(be) << szo;
    const Futas f =
        Futtat("env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME='" + otthon_.string() +
               "' " ROVAS_CLI " atrov --unicode --utf8 " + opciok + " < '" + be.string() + "'");
    EXPECT_EQ(f.allapot, 0) << szo;
    std::string ki = f.ki;
    for (const char* jel : {"\u202E", "\u202C", "\u202D", "\n"}) {
      for (std::size_t at; (at = ki.find(jel)) != std::string::npos;)
        ki.erase(at, std::string(jel).size());
    }
    return ki;
  }

  fs::path otthon_;
};

TEST_F(SzolistaCli, BundledListSplitsFalsePairs) {
  struct {
    const char* szo;
    const char* hangok;
  } const sorok[] = {
      {"község", "k ö z s é g"},
      {"községben", "k ö z s é g b e n"},
      {"nagyközség", "n a gy k ö z s é g"},
      {"igazság", "i g a z s á g"},
      {"igazságügyi", "i g a z s á g ü gy i"},
      {"arcszín", "a r c sz í n"},
      {"kurucság", "k u r u c s á g"},
      {"tizennyolc", "t i z e n ny o l c"},
      {"ősszülő", "ő s sz ü l ő"},
      {"vízszűke", "v í z sz ű k e"},
      {"vízszintesen", "v í z sz i n t e s e n"},
      {"rövidzárlat", "r ö v i d z á r l a t"},
      {"kilencszer", "k i l e n c sz e r"},
      {"vadászzsákmány", "v a d á sz zs á k m á ny"},
  };
  for (const auto& s : sorok) EXPECT_EQ(Atrov(s.szo), Runak(s.hangok)) << s.szo;
}

TEST_F(SzolistaCli, TruePairsStayJoined) {
  struct {
    const char* szo;
    const char* hangok;
  } const sorok[] = {
      {"rézsút", "r é zs ú t"},         {"meggyes", "m e gy gy e s"}, {"asszony", "a sz sz o ny"},
      {"jegygyűrű", "j e gy gy ű r ű"}, {"könnyű", "k ö ny ny ű"},    {"hosszú", "h o sz sz ú"},
      {"mézes", "m é z e s"},           {"rozs", "r o zs"},
  };
  for (const auto& s : sorok) {
    EXPECT_EQ(Atrov(s.szo), Runak(s.hangok)) << s.szo;
    EXPECT_EQ(Atrov(s.szo), Atrov(s.szo, "--set PKivetelesSzavak=0")) << s.szo;
  }
}

TEST_F(SzolistaCli, ListFollowsTheSettingsAndTheOption) {
  // Exception words off: the pair is joined again; --szo replaces the bundled list.
  EXPECT_EQ(Atrov("község", "--set PKivetelesSzavak=0"), Runak("k ö zs é g"));
  const fs::path sajat = otthon_ / "sajat.xml";
  std::ofstream(sajat) << "<szo mit=\"rézsút\" mire=\"réz|sút\"/>\n";
  EXPECT_EQ(Atrov("rézsút község", "--szo '" + sajat.string() + "'"),
            Runak("r é z s ú t") + " " + Runak("k ö zs é g"));
  // Reading the program's list copies nothing into the home folder.
  EXPECT_FALSE(fs::exists(otthon_ / ".local"));
}

}  // namespace
