// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TUnicodeRovas: the codes of an 8-bit rovás font as Unicode rovás text
// (Old Hungarian, U+10C80-U+10CFF), which reads the same in any program.
//
// What a code stands for is read off the font's capability record, never from
// a table per font: each rule of the lists in use that writes one code says
// what that code means, and a letter that no rule writes stands for itself.
// Letters and sounds become runes through the table shared with the font
// generator (fonts/rovasjelek.h):
//
// - letters to the small letters; in a font with capitals (Nagybetus) capitals
//   to the capital letters. Extended letters are spelt as the fallback list
//   spells them (q kv, w v, x ksz, y i; dz d+z, dzs d+zs), ch as ech.
// - a k that a rule writes as the font's aK character (MelyKJel) is the aK
//   letter (U+10CD4); every other k form (ł, q, w in some fonts) is ek.
// - numerals made by the number stage to U+10CFA-U+10CFF (500 as five then
//   hundred); digits the number stage left alone stay ASCII digits, though the
//   8-bit fonts may draw runes there.
// - a ligature code to its letters joined by ZERO WIDTH JOINER (U+200D).
// - a pictograph code to the letter Unicode has for it (amb, and, enc, emp,
//   ent, unk, us, ch) or else to the runes of its letters (hónap, év, nap,
//   tpru, mb, ...), since Unicode has no pictographs.
// - a code that a rule remaps punctuation to (the "qezdojellel" fonts put "?"
//   at "}") reads as that punctuation.
// - where meanings meet on one code, numerals (when numbers are written) win
//   over letter and ligature rules, those over pictographs, and any rule over
//   a letter standing for itself; within one rank the first rule of the round
//   wins (the font draws one glyph for both, as for "i-I,í-I"), but numerals
//   of different value leave the code as it is (RotatalpasNBProS puts all of
//   them at "?"). So does every code without a meaning (space, punctuation, a
//   control byte): it keeps its Windows-1250 character.
//
// Order and direction: the result is in reading order, never mirrored. In
// right-to-left text the brackets the engine swapped are swapped back (a bidi
// renderer mirrors them), and comma, semicolon and question mark take their
// reversed forms (U+2E41, U+204F, U+2E2E). Every non-empty line is wrapped in
// a directional override (RLO or LRO ... PDF), so that any bidi-aware program
// shows the characters in the order the 8-bit font shows them, whatever its
// paragraph direction (Qt 6.4 even takes runes outside the BMP for neutral
// characters, so without the override it shows them left to right); numbers the engine reversed to
// keep them left to right are turned back and isolated left to right (LRI ... PDI).
//
// Differences from libnumbertext's Hungarian rules (hu_Hung.sor, run with
// "spellout -l hu_Hung"), an independent transliterator into the same block,
// and why: this text is the 8-bit text read back, so it follows the font and
// the settings, not a spelling of its own.
// - k: libnumbertext always writes ek; here the aK letter stands where the
//   font's rules put the aK sign (word-final k in the Rovasjel fonts, vowel
//   harmony or word ends in others, as "aK jel használata" says).
// - numbers: libnumbertext multiplies hundreds (800 = 8 then 100); the number
//   stage adds them (800 = 5 then 100, then three more 100 signs).
// - capitals: libnumbertext keeps the case; a font without capitals writes
//   small letters only, so its text has small runes.
// - names and loanwords: libnumbertext knows a list of historical spellings
//   (Báthory -> Bátori, Kiss -> Kis, th -> t) and leaves words with q or a
//   leading y alone; here names go through the exception-word list (szo.xml)
//   or are spelt letter by letter, and q, w, x, y are always kv, v, ksz, i.
// - foreign letters: ä reads as a here (the nearest sound, as the bundled
//   typefaces draw it), as é there.
// - quotation marks: libnumbertext also reverses „ and ”; the 8-bit fonts
//   draw them unreversed, so they stay.
// - vowel skipping and exception words are applied here, by the settings.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "fonts/betukepesseg.h"

// How the codes were made: which of the record's lists were in use.
struct TUnicodeMod {
  bool jobbrol_balra = false;    // the effective direction is right to left
  bool kiterjesztett = false;    // KiterjesztettKor in use (else KiterjesztettPotlas)
  bool melyk = false;            // the aK lists of melyk_mod in use
  uint8_t melyk_mod = 0;         // AKHasznalatiMod
  bool osszerovas = false;       // ligature lists in use
  bool kepjelek = false;         // pictograph lists in use
  bool szamok_atirva = false;    // the number stage wrote numerals
  bool szamok_forditva = false;  // the number stage reversed numbers
};

class TUnicodeRovas {
 public:
  TUnicodeRovas(const TBetuKepesseg& kepesseg, const TUnicodeMod& mod);

  // Font codes in logical order (the engine's output, or the pane's text with
  // its lines turned back) -> UTF-8 text in reading order. Line breaks (CR, LF)
  // are kept as they are.
  std::string Atalakit(std::string_view kodok) const;

  // What one code reads as (UTF-8), without the directional marks.
  std::string_view Jelentes(unsigned char kod) const {
    return {jelek_[kod].bajtok, jelek_[kod].hossz};
  }
  // True when the code has no known meaning and stays as it is.
  bool Megtartott(unsigned char kod) const { return jelek_[kod].megtartott; }

 private:
  struct TJel {
    char bajtok[30];
    uint8_t hossz = 0;
    bool megtartott = true;
    bool szamjegy = false;  // reads as an ASCII digit
  };
  std::array<TJel, 256> jelek_{};
  bool jobbrol_balra_ = false;
  bool forditva_ = false;
};

// Why the codes of the settings in use have no known meaning.
enum class TUnicodeAkadaly {
  Nincs,
  EgyeniBeallitasok,      // custom rule lists
  IsmeretlenBetukeszlet,  // a font the catalogue does not describe
};

TUnicodeAkadaly UnicodeAkadaly(const TRovasBeallitasok& beallitasok);

// The converter for what `motor` writes with `beallitasok` (brought up to
// date first), or nothing when UnicodeAkadaly says so.
std::optional<TUnicodeRovas> UnicodeRovas(TRovasBeallitasok& beallitasok, TKarvo& motor);
