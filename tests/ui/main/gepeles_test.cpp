// The typing helper against a fake pane: both directions, brackets, Enter,
// selections, the Backspace/Delete swap and pasting.

#include "ui/main/gepeles.h"
#include "engine/sorok.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "hamis.h"

namespace {

// Stands in for the main window: the rule "cs-C" as the typing round and a
// recognisable transliteration.
class THamisKornyezet : public IGepelesKornyezet {
 public:
  bool jobbrolBalra = false;
  bool valasz = true;
  int kerdesek = 0;
  bool atrovHiba = false;
  THamisVagolap vagolap;

  bool JobbrolBalra() const override { return jobbrolBalra; }
  std::string GepelesiSzabalyok(const std::string& szo) override { return Csere(szo); }
  std::string PanelSzoveg(const std::string& latin) override {
    if (atrovHiba) throw std::runtime_error("hibas minta");
    return jobbrolBalra ? SorokMegforditasa(Csere(latin)) : Csere(latin);
  }
  bool Kerdes(const std::string& szoveg) override {
    ++kerdesek;
    EXPECT_EQ(szoveg, "Sz\xF6veg \xE1trov\xE1sa?");
    return valasz;
  }
  IVagolap& Vagolap() override { return vagolap; }

 private:
  static std::string Csere(std::string s) {
    for (size_t i; (i = s.find("cs")) != std::string::npos;) s.replace(i, 2, "C");
    return s;
  }
};

struct Gepelo {
  TFoablakAllapot allapot;
  THamisPanel panel;
  THamisKornyezet kornyezet;
  TGepelesSegito segito{allapot, panel, kornyezet};

  Gepelo(bool jobbrolBalra, const std::string& kep) {
    allapot.Mod = TMod::Rovas;
    kornyezet.jobbrolBalra = jobbrolBalra;
    panel.Allit(kep);
  }

  // One key as the window delivers it: key down, then its character if any.
  // '\b' Backspace, '\r' Enter, '\x7f' the Delete key (no character).
  void Billentyu(char c, TShift shift = {}) {
    int vk = c == '\x7f' ? kVkDelete : (c >= 'a' && c <= 'z' ? c - 32 : c);
    if (segito.MRovasKeyDown(vk, shift) || c == '\x7f') return;
    char k = segito.MRovasKeyPress(c);
    if (k != 0) panel.Karakter(k);
  }
  void Gepel(const std::string& billentyuk) {
    for (char c : billentyuk) Billentyu(c);
  }
};

struct Eset {
  const char* nev;
  bool jobbrolBalra;
  const char* elotte;  // pane before, '|' the caret, '[' the selection's anchor
  const char* billentyuk;
  const char* utana;
};

void PrintTo(const Eset& e, std::ostream* os) { *os << e.nev; }

class GepelesTest : public ::testing::TestWithParam<Eset> {};

TEST_P(GepelesTest, Billentyuk) {
  const Eset& e = GetParam();
  Gepelo g(e.jobbrolBalra, e.elotte);
  g.Gepel(e.billentyuk);
  EXPECT_EQ(g.panel.Kep(), e.utana);
  EXPECT_EQ(g.allapot.BelsoBevitel, 0);
  EXPECT_TRUE(g.allapot.Tevekenyseg);
}

INSTANTIATE_TEST_SUITE_P(
    Esetek, GepelesTest,
    ::testing::Values(Eset{"BJ_cs_egy_jel", false, "|", "cs", "C|"},
                      Eset{"BJ_betuk", false, "|", "abc", "abc|"},
                      Eset{"BJ_szo_kozepen", false, "c|a", "s", "C|a"},
                      Eset{"JB_betuk_balra_nonek", true, "|", "ab", "|ba"},
                      Eset{"JB_cs_egy_jel", true, "|", "cs", "|C"},
                      Eset{"JB_zarojel_tukrozve", true, "|", "(", "|)"},
                      Eset{"JB_zarojel_vissza", true, "|", ")", "|("},
                      Eset{"BJ_zarojel_marad", false, "|", "(", "(|"},
                      Eset{"JB_backspace_jobbra_torol", true, "x|y", "\b", "x|"},
                      Eset{"JB_delete_balra_torol", true, "x|y", "\x7f", "|y"},
                      Eset{"BJ_backspace", false, "x|y", "\b", "|y"},
                      Eset{"BJ_delete", false, "x|y", "\x7f", "x|"},
                      Eset{"JB_enter_sor_elejen", true, "|abc", "\r", "abc\n|"},
                      Eset{"JB_enter_sor_kozepen", true, "ab|c", "\r", "ab\n|c"},
                      Eset{"BJ_enter_kettevag", false, "ab|c", "\r", "ab\n|c"},
                      Eset{"BJ_enter_sor_elejen", false, "|abc", "\r", "\n|abc"},
                      Eset{"BJ_szokoz_szot_zar", false, "|", "c s", "c s|"},
                      Eset{"JB_szokoz_szot_zar", true, "|", "c s", "|s c"},
                      Eset{"BJ_szo_atirasa_torles_utan", false, "cx|s", "\b", "|C"},
                      Eset{"BJ_kijeloles_betu", false, "a[bc|d", "x", "ax|d"},
                      Eset{"JB_kijeloles_betu", true, "a[bc|d", "x", "a|xd"},
                      Eset{"BJ_kijeloles_backspace", false, "a[bc|d", "\b", "a|d"},
                      Eset{"JB_kijeloles_backspace_balra_lep", true, "a[bc|d", "\b", "|ad"},
                      Eset{"JB_kijeloles_enter_csak_torol", true, "a[bc|d", "\r", "|ad"},
                      Eset{"BJ_masodik_sor", false, "ab\nc|", "s", "ab\nC|"},
                      Eset{"JB_ures_utolso_sor", true, "ab\n|", "x", "ab\n|x"}),
    [](const auto& info) { return std::string(info.param.nev); });

TEST(Gepeles, SzoAKurzornalOlvasasiSorrendben) {
  Gepelo bj(false, "xy ab|cd ef");
  std::string elotte, utana;
  bj.segito.SzoAKurzornal(false, elotte, utana);
  EXPECT_EQ(elotte, "ab");
  EXPECT_EQ(utana, "cd");
  // On screen a right-to-left line is mirrored: right of the caret was written first.
  bj.segito.SzoAKurzornal(true, elotte, utana);
  EXPECT_EQ(elotte, "dc");
  EXPECT_EQ(utana, "ba");
  // Punctuation belongs to the word; only a space ends it.
  Gepelo p(false, "(a,b|.) c");
  p.segito.SzoAKurzornal(false, elotte, utana);
  EXPECT_EQ(elotte, "(a,b");
  EXPECT_EQ(utana, ".)");
  // The empty line after a final break is no line.
  Gepelo u(false, "ab\n|");
  u.segito.SzoAKurzornal(false, elotte, utana);
  EXPECT_EQ(elotte + utana, "");
}

TEST(Gepeles, LatinModbanSemmiNemValtozik) {
  Gepelo g(true, "ab|");
  g.allapot.Mod = TMod::Latin;
  EXPECT_FALSE(g.segito.MRovasKeyDown(kVkDelete, {}));
  EXPECT_EQ(g.segito.MRovasKeyPress('('), '(');
  EXPECT_TRUE(g.allapot.Tevekenyseg);
  g.kornyezet.vagolap.szoveg = "cs";
  EXPECT_FALSE(g.segito.MRovasKeyDown(kVkV, {.ctrl = true}));
  g.segito.MIBeillesztesClick();
  EXPECT_EQ(g.panel.Kep(), "ab|");
  EXPECT_EQ(g.kornyezet.kerdesek, 0);
}

TEST(Gepeles, SajatBevitelAlattAKulcsAPanelre) {
  Gepelo g(true, "|");
  g.allapot.BelsoBevitel = 1;
  EXPECT_EQ(g.segito.MRovasKeyPress('('), '(');
  EXPECT_FALSE(g.segito.MRovasKeyDown(kVkDelete, {}));
  EXPECT_EQ(g.panel.Kep(), "|");
}

TEST(Gepeles, PanelParancsokKijelolesselMegmaradnak) {
  // Ctrl+C, Ctrl+X, Ctrl+A, Tab reach the pane before anything deletes the
  // selection (the pane copies or cuts it); the key then ends as usual with
  // the selection collapsed.
  for (char parancs : {'\x03', '\x18', '\x01', '\t'}) {
    Gepelo g(false, "a[bc|d");
    g.Billentyu(parancs, {.ctrl = parancs != '\t'});
    EXPECT_EQ(g.panel.Kep(), "abc|d");
    ASSERT_EQ(g.panel.parancsok.size(), 1u);
    EXPECT_EQ(g.panel.parancsok[0], parancs);
  }
}

struct BeillesztesEset {
  const char* nev;
  bool jobbrolBalra;
  bool valasz;
  bool ctrlV;  // else Shift+Insert
  const char* vagolap;
  const char* panel;
  int kerdesek;
};

void PrintTo(const BeillesztesEset& e, std::ostream* os) { *os << e.nev; }

class BeillesztesTest : public ::testing::TestWithParam<BeillesztesEset> {};

TEST_P(BeillesztesTest, CtrlVEsShiftInsert) {
  const BeillesztesEset& e = GetParam();
  Gepelo g(e.jobbrolBalra, "x|");
  g.kornyezet.valasz = e.valasz;
  g.kornyezet.vagolap.szoveg = e.vagolap;
  bool elnyelve = e.ctrlV ? g.segito.MRovasKeyDown(kVkV, {.ctrl = true})
                          : g.segito.MRovasKeyDown(kVkInsert, {.shift = true});
  EXPECT_TRUE(elnyelve);
  EXPECT_EQ(g.panel.Kep(), e.panel);
  EXPECT_EQ(g.kornyezet.kerdesek, e.kerdesek);
  // A clipboard without text is left alone.
  EXPECT_EQ(g.kornyezet.vagolap.urites, e.vagolap[0] ? 1 : 0);
  // The Latin text is on the clipboard again afterwards.
  EXPECT_EQ(g.kornyezet.vagolap.szoveg, e.vagolap);
  EXPECT_EQ(g.allapot.BelsoBevitel, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Esetek, BeillesztesTest,
    ::testing::Values(BeillesztesEset{"Igen_atrovva", false, true, true, "csak", "xCak|", 1},
                      BeillesztesEset{"Nem_valtozatlan", false, false, true, "csak", "xcsak|", 1},
                      BeillesztesEset{"JB_soronkent_tukrozve", true, true, false, "acs\r\nbe",
                                      "xCa\neb\n|", 1},
                      BeillesztesEset{"Ures_kerdes_nelkul", false, true, true, "", "x|", 0}),
    [](const auto& info) { return std::string(info.param.nev); });

TEST(Gepeles, MotorHibajaraSemmiSemKerulBeEsAVagolapUres) {
  Gepelo g(false, "x|");
  g.kornyezet.atrovHiba = true;
  g.kornyezet.vagolap.szoveg = "cs";
  EXPECT_THROW(g.segito.MRovasKeyDown(kVkV, {.ctrl = true}), std::runtime_error);
  EXPECT_EQ(g.panel.Kep(), "x|");
  EXPECT_EQ(g.kornyezet.vagolap.szoveg, "");
  EXPECT_EQ(g.allapot.BelsoBevitel, 0);
}

TEST(Gepeles, MasHonnanJottBeillesztesAVagolapotBekenHagyja) {
  // The middle button pastes the primary selection: the clipboard keeps its own text.
  for (bool valasz : {true, false}) {
    Gepelo g(false, "x|");
    g.kornyezet.valasz = valasz;
    g.kornyezet.vagolap.szoveg = "vagolap";
    g.segito.RovasBeillesztes("acs");
    EXPECT_EQ(g.panel.Kep(), valasz ? "xaC|" : "xacs|");
    EXPECT_EQ(g.kornyezet.vagolap.szoveg, "vagolap");
    EXPECT_EQ(g.kornyezet.vagolap.urites, 0);
  }
}

TEST(Gepeles, UresSzovegBeillesztesenekNincsHatasa) {
  Gepelo g(false, "a[b|");
  g.segito.RovasBeillesztes("");
  g.segito.MIBeillesztesClick();
  EXPECT_EQ(g.panel.Kep(), "a[b|");
  EXPECT_EQ(g.kornyezet.kerdesek, 0);
}

TEST(Gepeles, MenuBeillesztesNemUritiAVagolapot) {
  Gepelo g(false, "|");
  g.kornyezet.valasz = false;
  g.kornyezet.vagolap.szoveg = "ab";
  g.segito.MIBeillesztesClick();
  EXPECT_EQ(g.panel.Kep(), "ab|");
  EXPECT_EQ(g.kornyezet.vagolap.urites, 0);
  EXPECT_EQ(g.kornyezet.vagolap.szoveg, "ab");
}

}  // namespace
