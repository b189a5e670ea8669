// SPDX-License-Identifier: GPL-3.0-or-later
// The typing helper against a fake pane: both directions, brackets, Enter,
// selections, the Backspace/Delete swap and pasting.

#include "ui/main/gepeles.h"
#include "engine/sorok.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "hamis.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

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
    EXPECT_EQ(szoveg, "Szöveg átrovása?"_hu);
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

TEST_P(GepelesTest, Keys) {
  const Eset& e = GetParam();
  Gepelo g(e.jobbrolBalra, e.elotte);
  g.Gepel(e.billentyuk);
  EXPECT_EQ(g.panel.Kep(), e.utana);
  EXPECT_EQ(g.allapot.BelsoBevitel, 0);
  EXPECT_TRUE(g.allapot.Tevekenyseg);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GepelesTest,
    ::testing::Values(Eset{"LTR_cs_one_sign", false, "|", "cs", "C|"},
                      Eset{"LTR_letters", false, "|", "abc", "abc|"},
                      Eset{"LTR_mid_word", false, "c|a", "s", "C|a"},
                      Eset{"RTL_letters_grow_leftwards", true, "|", "ab", "|ba"},
                      Eset{"RTL_cs_one_sign", true, "|", "cs", "|C"},
                      Eset{"RTL_bracket_mirrored", true, "|", "(", "|)"},
                      Eset{"RTL_bracket_mirrored_back", true, "|", ")", "|("},
                      Eset{"LTR_bracket_stays", false, "|", "(", "(|"},
                      Eset{"RTL_backspace_deletes_rightwards", true, "x|y", "\b", "x|"},
                      Eset{"RTL_delete_deletes_leftwards", true, "x|y", "\x7f", "|y"},
                      Eset{"LTR_backspace", false, "x|y", "\b", "|y"},
                      Eset{"LTR_delete", false, "x|y", "\x7f", "x|"},
                      Eset{"RTL_enter_at_line_start", true, "|abc", "\r", "abc\n|"},
                      Eset{"RTL_enter_mid_line", true, "ab|c", "\r", "ab\n|c"},
                      Eset{"LTR_enter_splits_the_line", false, "ab|c", "\r", "ab\n|c"},
                      Eset{"LTR_enter_at_line_start", false, "|abc", "\r", "\n|abc"},
                      Eset{"LTR_space_closes_the_word", false, "|", "c s", "c s|"},
                      Eset{"RTL_space_closes_the_word", true, "|", "c s", "|s c"},
                      Eset{"LTR_word_rewritten_after_delete", false, "cx|s", "\b", "|C"},
                      Eset{"LTR_selection_letter", false, "a[bc|d", "x", "ax|d"},
                      Eset{"RTL_selection_letter", true, "a[bc|d", "x", "a|xd"},
                      Eset{"LTR_selection_backspace", false, "a[bc|d", "\b", "a|d"},
                      Eset{"RTL_selection_backspace_steps_left", true, "a[bc|d", "\b", "|ad"},
                      Eset{"RTL_selection_enter_only_deletes", true, "a[bc|d", "\r", "|ad"},
                      Eset{"LTR_second_line", false, "ab\nc|", "s", "ab\nC|"},
                      Eset{"RTL_empty_last_line", true, "ab\n|", "x", "ab\n|x"}),
    [](const auto& info) { return std::string(info.param.nev); });

TEST(Gepeles, WordAtTheCaretInReadingOrder) {
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

TEST(Gepeles, NothingChangesInLatinMode) {
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

TEST(Gepeles, DuringOwnInputTheKeyGoesToThePane) {
  Gepelo g(true, "|");
  g.allapot.BelsoBevitel = 1;
  EXPECT_EQ(g.segito.MRovasKeyPress('('), '(');
  EXPECT_FALSE(g.segito.MRovasKeyDown(kVkDelete, {}));
  EXPECT_EQ(g.panel.Kep(), "|");
}

TEST(Gepeles, PaneCommandsSurviveASelection) {
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

class PasteTest : public ::testing::TestWithParam<BeillesztesEset> {};

TEST_P(PasteTest, CtrlVAndShiftInsert) {
  const BeillesztesEset& e = GetParam();
  Gepelo g(e.jobbrolBalra, "x|");
  g.kornyezet.valasz = e.valasz;
  g.kornyezet.vagolap.szoveg = e.vagolap;
  bool elnyelve = e.ctrlV ? g.segito.MRovasKeyDown(kVkV, {.ctrl = true})
                          : g.segito.MRovasKeyDown(kVkInsert, {.shift = true});
  EXPECT_TRUE(elnyelve);
  EXPECT_EQ(g.panel.Kep(), e.panel);
  EXPECT_EQ(g.kornyezet.kerdesek, e.kerdesek);
  // The clipboard is only read.
  EXPECT_EQ(g.kornyezet.vagolap.urites, 0);
  EXPECT_EQ(g.kornyezet.vagolap.szoveg, e.vagolap);
  EXPECT_EQ(g.allapot.BelsoBevitel, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasteTest,
    ::testing::Values(BeillesztesEset{"Yes_transliterated", false, true, true, "csak", "xCak|", 1},
                      BeillesztesEset{"No_unchanged", false, false, true, "csak", "xcsak|", 1},
                      BeillesztesEset{"RTL_mirrored_line_by_line", true, true, false, "acs\r\nbe",
                                      "xCa\neb\n|", 1},
                      BeillesztesEset{"Empty_without_asking", false, true, true, "", "x|", 0}),
    [](const auto& info) { return std::string(info.param.nev); });

TEST(Gepeles, OnAnEngineErrorNothingIsInsertedAndTheClipboardStays) {
  Gepelo g(false, "x|");
  g.kornyezet.atrovHiba = true;
  g.kornyezet.vagolap.szoveg = "cs";
  EXPECT_THROW(g.segito.MRovasKeyDown(kVkV, {.ctrl = true}), std::runtime_error);
  EXPECT_EQ(g.panel.Kep(), "x|");
  EXPECT_EQ(g.kornyezet.vagolap.szoveg, "cs");
  EXPECT_EQ(g.kornyezet.vagolap.urites, 0);
  EXPECT_EQ(g.allapot.BelsoBevitel, 0);
}

TEST(Gepeles, APasteFromElsewhereLeavesTheClipboardAlone) {
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

TEST(Gepeles, PastingEmptyTextHasNoEffect) {
  Gepelo g(false, "a[b|");
  g.segito.RovasBeillesztes("");
  g.segito.MIBeillesztesClick();
  EXPECT_EQ(g.panel.Kep(), "a[b|");
  EXPECT_EQ(g.kornyezet.kerdesek, 0);
}

TEST(Gepeles, MenuPasteDoesNotEmptyTheClipboard) {
  Gepelo g(false, "|");
  g.kornyezet.valasz = false;
  g.kornyezet.vagolap.szoveg = "ab";
  g.segito.MIBeillesztesClick();
  EXPECT_EQ(g.panel.Kep(), "ab|");
  EXPECT_EQ(g.kornyezet.vagolap.urites, 0);
  EXPECT_EQ(g.kornyezet.vagolap.szoveg, "ab");
}

}  // namespace
