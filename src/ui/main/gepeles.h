// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rovás typing helper: makes a plain left-to-right edit pane usable for
// rovás. In right-to-left text the caret runs leftwards (each character is
// inserted and the caret stepped back over it), Backspace and Delete swap
// sides, brackets are mirrored and Enter at the start of a line goes to its
// end first. In both directions the typing rule round is re-applied to the
// word around the caret after every key, and pasting can transliterate first.
//
// The helper talks to the pane only through ISzerkeszto (edit actions, caret,
// selection), so it runs headless. It calls those actions directly instead of
// sending keys back through the pane, so nothing it does comes back to its own
// handlers; pasted text is inserted, never pasted through the clipboard.

#include <cstdint>
#include <string>

#include "platform/vagolap.h"

// The edit actions of a multi-line pane, in Windows-1250 text.
class ISzerkeszto {
 public:
  virtual ~ISzerkeszto() = default;
  // Character 8: deletes the selection, or the character left of the caret.
  virtual void TorlesBalra() = 0;
  // A Delete key press: deletes the selection, or the character right of the caret.
  virtual void TorlesJobbra() = 0;
  // The pane's own handling of a character: a printable one replaces the
  // selection and is inserted at the caret, 8 is TorlesBalra, 13 a line break;
  // other control codes do what the pane does with them (Tab, undo, copy...).
  virtual void Karakter(char c) = 0;
  virtual void KurzorBalra() = 0;
  virtual void SorVegere() = 0;
  // Inserts text (lines separated by CR LF) over the selection, caret after it.
  virtual void Beszuras(const std::string& szoveg) = 0;
  // The caret's line (0-based) and column (characters before it on the line).
  virtual int KurzorSor() const = 0;
  virtual int KurzorOszlop() const = 0;
  // The text of line `sor`; false when the pane holds no such line.
  virtual bool Sor(int sor, std::string& szoveg) const = 0;
  virtual bool VanKijeloles() const = 0;
  // Selection length := 0 (the caret stays where it is).
  virtual void KijelolesNullazasa() = 0;
};

// What the helper needs of the main window.
class IGepelesKornyezet {
 public:
  virtual ~IGepelesKornyezet() = default;
  // The effective direction is right-to-left (HasznaltIrany = 1).
  virtual bool JobbrolBalra() const = 0;
  // The typing rule round applied to a word (unchanged without a round).
  virtual std::string GepelesiSzabalyok(const std::string& szo) = 0;
  // Latin text as the rovás pane shows it: transliterated by the engine
  // (created on first use), every line mirrored in right-to-left text.
  virtual std::string PanelSzoveg(const std::string& latin) = 0;
  // Yes/No question box.
  virtual bool Kerdes(const std::string& szoveg) = 0;
  virtual IVagolap& Vagolap() = 0;
};

// The main window's two ways of working.
enum class TMod : uint8_t {
  Latin = 0,  // typed Latin text, transliterated live into the read-only rovás pane
  Rovas = 1,  // rovás typed straight into the rovás pane, helped by TGepelesSegito
};

// The main window's state that the helper reads and writes.
struct TFoablakAllapot {
  TMod Mod = TMod::Latin;
  // Depth of input the window generates itself; the handlers pass keys on
  // unchanged while it is raised. The helper edits the pane directly, so it
  // never raises it.
  int BelsoBevitel = 0;
  bool Tevekenyseg = false;  // the user has edited something (never cleared)
};

// Windows virtual-key codes the key-down handler looks at.
enum : int { kVkInsert = 0x2D, kVkDelete = 0x2E, kVkV = 0x56 };

struct TShift {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class TGepelesSegito {
 public:
  TGepelesSegito(TFoablakAllapot& allapot, ISzerkeszto& panel, IGepelesKornyezet& kornyezet)
      : allapot_(allapot), panel_(panel), kornyezet_(kornyezet) {}

  // Key down: true when the key is swallowed (the pane must not act on it).
  // Ctrl+V and Shift+Insert paste the clipboard's text through the paste
  // procedure. The clipboard is read, never written: its other formats stay,
  // also when the transliteration fails. A clipboard without text (a
  // picture, or nothing) pastes nothing.
  bool MRovasKeyDown(int vk, TShift shift);
  // Character: the character the pane should handle, or 0 when swallowed.
  char MRovasKeyPress(char key);
  // The context menu's "Beillesztés": the clipboard's text through the paste
  // procedure; the clipboard is left as it is.
  void MIBeillesztesClick();
  // The paste procedure: an empty text does nothing; otherwise, after the
  // question "Szöveg átrovása?", the text or its transliteration (mirrored
  // line by line in right-to-left) is inserted over the selection. It never
  // touches the clipboard.
  void RovasBeillesztes(const std::string& szoveg);
  // Whether a paste that reaches the pane by another way (the X11 middle
  // button, the Paste key) belongs to the paste procedure: direct rovás mode,
  // not own input.
  bool BeillesztestAtveszi() const {
    return allapot_.Mod == TMod::Rovas && allapot_.BelsoBevitel == 0;
  }

  // The word around the caret in reading order: `elotte` written before the
  // caret, `utana` after it. Only a space ends a word.
  void SzoAKurzornal(bool jobbrolBalra, std::string& elotte, std::string& utana) const;

 private:
  struct TBillentyu;  // the per-key state
  void BillentyuLezarasa(TBillentyu& b);

  TFoablakAllapot& allapot_;
  ISzerkeszto& panel_;
  IGepelesKornyezet& kornyezet_;
};
