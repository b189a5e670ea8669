// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/gepeles.h"

#include <algorithm>

#include "engine/karvo.h"
#include "engine/sorok.h"
#include "platform/win1250.h"

using namespace win1250::literals;

namespace {

// Control codes the pane handles itself (Tab, its clipboard and undo keys...).
bool PanelBillentyu(unsigned char k) {
  return (k >= 1 && k <= 6) || (k >= 9 && k <= 12) || (k >= 14 && k <= 31);
}

}  // namespace

struct TGepelesSegito::TBillentyu {
  char key;
  bool jobbrolBalra;
  bool handled = false;
  bool finished = false;
};

bool TGepelesSegito::MRovasKeyDown(int vk, TShift shift) {
  allapot_.Tevekenyseg = true;
  if (allapot_.Mod != TMod::Rovas || allapot_.BelsoBevitel != 0) return false;

  if (vk == kVkDelete) {
    // Delete goes through the character handler as code 7 (not as own input).
    char k = MRovasKeyPress(7);
    if (k != 0) panel_.Karakter(k);
    return true;
  }
  if ((vk == kVkV && shift.ctrl) || (vk == kVkInsert && shift.shift)) {
    // The clipboard is only read: its other formats stay, and a failed
    // transliteration leaves it as it was.
    RovasBeillesztes(kornyezet_.Vagolap().Szoveg());
    return true;
  }
  return false;
}

char TGepelesSegito::MRovasKeyPress(char key) {
  if (allapot_.Mod != TMod::Rovas || allapot_.BelsoBevitel != 0) return key;

  TBillentyu b{key, kornyezet_.JobbrolBalra()};
  if (b.jobbrolBalra) {
    if (b.key == '(')
      b.key = ')';
    else if (b.key == ')')
      b.key = '(';
  }

  const unsigned char k = static_cast<unsigned char>(b.key);
  // A selection is deleted before the key acts, except for the pane's own
  // command keys: deleting first would make copy (Ctrl+C), cut and select-all
  // lose the selected text.
  if (panel_.VanKijeloles() && !PanelBillentyu(k)) {
    if (k < 32) b.key = 0;
    panel_.TorlesBalra();
  }

  switch (static_cast<unsigned char>(b.key)) {
    case 7:
    case 8:
      // Delete in left-to-right and Backspace in right-to-left remove the
      // character right of the caret; the other two the one left of it.
      if ((b.key == 7) != b.jobbrolBalra)
        panel_.TorlesJobbra();
      else
        panel_.TorlesBalra();
      b.key = 0;
      b.handled = true;
      break;
    case 13:
      if (b.jobbrolBalra && panel_.KurzorOszlop() == 0) panel_.SorVegere();
      return b.key;  // the pane inserts the line break itself
    case 32:
      BillentyuLezarasa(b);
      break;
    default:
      if (PanelBillentyu(static_cast<unsigned char>(b.key))) {
        panel_.Karakter(b.key);
        b.key = 0;
        b.handled = true;
      }
      break;
  }

  std::string elotte, utana;
  SzoAKurzornal(b.jobbrolBalra, elotte, utana);
  std::string jelolt = elotte;
  if (static_cast<unsigned char>(b.key) >= 33) jelolt += b.key;
  jelolt += utana;
  std::string atirt;
  {
    // Typing rules are the user's own too: the same budget as a transliteration.
    const TRegKif::OutputBudget keret(KimenetKeret(jelolt.size()));
    atirt = kornyezet_.GepelesiSzabalyok(jelolt);
  }

  // What stands on screen left and right of the caret.
  std::string bal = elotte, jobb = utana;
  if (b.jobbrolBalra) {
    jelolt = Megforditas(jelolt);
    atirt = Megforditas(atirt);
    bal = Megforditas(utana);
    jobb = Megforditas(elotte);
  }

  if (jelolt == atirt) {
    if (!b.handled) BillentyuLezarasa(b);
    panel_.KijelolesNullazasa();
    return b.key;
  }

  b.key = 0;
  for (size_t i = 0; i < jobb.size(); ++i) panel_.TorlesJobbra();
  for (size_t i = 0; i < bal.size(); ++i) panel_.TorlesBalra();
  for (char c : atirt) panel_.Karakter(c);
  const size_t balra = std::min(jobb.size(), atirt.size());
  for (size_t i = 0; i < balra; ++i) panel_.KurzorBalra();
  if (balra < atirt.size()) BillentyuLezarasa(b);
  panel_.KijelolesNullazasa();
  return b.key;
}

void TGepelesSegito::BillentyuLezarasa(TBillentyu& b) {
  if (b.finished) return;
  b.finished = true;
  if (!b.jobbrolBalra) return;
  if (b.key != 0) {
    panel_.Karakter(b.key);
    b.key = 0;
  }
  panel_.KurzorBalra();
}

void TGepelesSegito::SzoAKurzornal(bool jobbrolBalra, std::string& elotte,
                                   std::string& utana) const {
  elotte.clear();
  utana.clear();
  std::string sor;
  if (!panel_.Sor(panel_.KurzorSor(), sor)) return;
  const size_t oszlop = std::min<size_t>(static_cast<size_t>(panel_.KurzorOszlop()), sor.size());

  size_t eleje = oszlop;
  while (eleje > 0 && sor[eleje - 1] != ' ') --eleje;
  size_t vege = oszlop;
  while (vege < sor.size() && sor[vege] != ' ') ++vege;

  std::string bal = sor.substr(eleje, oszlop - eleje);
  std::string jobb = sor.substr(oszlop, vege - oszlop);
  if (jobbrolBalra) {
    // On screen the line is mirrored: what stands right of the caret was written before it.
    elotte = Megforditas(jobb);
    utana = Megforditas(bal);
  } else {
    elotte = bal;
    utana = jobb;
  }
}

void TGepelesSegito::MIBeillesztesClick() {
  if (allapot_.Mod != TMod::Rovas) return;
  RovasBeillesztes(kornyezet_.Vagolap().Szoveg());
}

void TGepelesSegito::RovasBeillesztes(const std::string& szoveg) {
  if (allapot_.Mod != TMod::Rovas || szoveg.empty()) return;
  if (!kornyezet_.Kerdes("Szöveg átrovása?"_hu)) {
    panel_.Beszuras(szoveg);
    return;
  }
  panel_.Beszuras(kornyezet_.PanelSzoveg(szoveg));
}
