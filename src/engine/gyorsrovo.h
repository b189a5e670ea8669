// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TGyorsRovo: a round (TRovo) applied with the same result, faster.
//
// Most rules of the catalogue and of the exception-word list are literal
// words: patterns that match one fixed string (plain bytes, "\[", "[(]"),
// optionally with "\b" or "\B" at either end ("\bk", "\BK\B"). Such a rule
// matches its word, case-sensitively, left to right without overlap, in the
// text up to its first NUL byte, and its replacement expands to the same
// string at every match. So it is applied here without the dialect.
//
// A run of consecutive word rules is applied in one pass over the text that
// tries the run's words at each position in rule order, when that provably
// gives what applying them one after another gives (see Csoportba). Rounds
// that split into many such groups (exception-word lists) first index the
// text, once, to learn which groups can match at all, and keep the index up
// to date around every splice; the others simply run every group. Rounds
// whose every rule only adds one separator byte to its word (exception-word
// lists) need no passes at all: the index lists the words' occurrences once
// and the separators go in together (see ElvalasztokatBeszur).
//
// A pass looks only at the positions whose first two bytes can begin one of
// its words: with AVX2 the byte-pair filter (parszuro.h) tests 32 positions
// at once, else the words' byte masks are read position by position. The
// index of many-group rounds is TSzoIndex (szoindex.h); this file plans the
// groups and applies them. A pass whose words never lengthen the text rewrites it in place.
//
// Rules with other patterns go through the dialect exactly as in
// TRovo::Alkalmaz, and so do their errors.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/parszuro.h"
#include "engine/rovo.h"
#include "engine/szoindex.h"

class TGyorsRovo {
 public:
  // Builds the round as TRovo does (call sites pass ',' and '-').
  explicit TGyorsRovo(std::string_view szabalyok, char darab_elvalaszto = ',',
                      char resz_elvalaszto = '-');
  TGyorsRovo(const TGyorsRovo&) = delete;
  TGyorsRovo& operator=(const TGyorsRovo&) = delete;

  // The result of TRovo::Alkalmaz on the same rules. Throws ERegKif as it does.
  std::string Alkalmaz(std::string_view szoveg);
  // The same, replacing `s`.
  void AlkalmazHelyben(std::string& s);

  const TRovo& Kor() const { return kor_; }

  // Whether the round, applied to each line of a text (with its CR LF) on its
  // own, gives what it gives on the whole text, as long as the text has no
  // NUL: every rule that changes the text keeps to the lines (TRovoMag::SoronBelul).
  bool SoronBelul() const;

 private:
  // A literal word rule. `elotte`/`utana`: 0 no assertion, 1 "\b", 2 "\B".
  struct Szo {
    std::string minta;               // the bytes matched
    std::string csere;               // the replacement as expanded at every match
    size_t nul = std::string::npos;  // the first NUL of `csere`
    uint8_t elotte = 0;
    uint8_t utana = 0;
    std::vector<uint32_t> beszur;  // separator rounds: where `csere` adds the separator to `minta`
  };
  // Consecutive word rules (at most 64) applied in one pass. The masks hold
  // bit k for the k-th word: which words begin with a byte, have a byte second
  // (every byte, for one-byte words), and can match at the text's end.
  // `szuro` indexes a coarser test of the same byte pairs (Szuro) when it is
  // worth reading; a lone word's pass makes its own from its first two bytes.
  struct Csoport {
    uint32_t tol = 0, db = 0;    // its words: szavak_[tol, tol + db), in rule order
    std::vector<uint64_t> elso;  // 256 masks each; empty for a lone word
    std::vector<uint64_t> masodik;
    uint64_t vegen = 0;
    uint32_t szuro = UINT32_MAX;  // into szurok_
    bool helyben = false;         // no word lengthens the text: the pass writes over it
  };
  using Szuro = parszuro::Szuro;  // the byte-pair test (parszuro.h)
  // One step of the round: a dialect rule (`mag` >= 0) or a group.
  struct Lepes {
    int mag = -1;
    uint32_t csoport = 0;
  };

  bool Csoportba(const std::vector<uint32_t>& csoport, uint32_t uj) const;
  bool ElvalasztoKor();
  void ElvalasztokatBeszur(std::string& s, size_t hatar);
  // One pass of a group over `s`; false when nothing matched.
  bool CsoportotAlkalmaz(const Csoport& cs, std::string& s, size_t& hatar);
  template <bool kHelyben>
  bool CsoportotAlkalmaz(const Csoport& cs, std::string& s, size_t& hatar);

  void Jelol(uint32_t g) {
    if (!jelen_[g]) {
      jelen_[g] = 1;
      --hianyzo_;
    }
  }

  TRovo kor_;
  std::vector<Szo> szavak_;  // word rules that change the text
  bool szobetu_[256] = {};
  std::vector<Lepes> lepesek_;
  std::vector<Csoport> csoportok_;
  std::vector<Szuro> szurok_;

  // The index of rounds with many groups (exception-word lists).
  std::unique_ptr<TSzoIndex> index_;
  std::vector<char> jelen_;                         // group may match (or is done)
  size_t hianyzo_ = 0;                              // groups not marked in jelen_
  bool indexelt_ = false;                           // the current pass records its inserted copies
  std::vector<std::pair<size_t, size_t>> beszurt_;  // start and length of each inserted copy

  // Separator rounds: every rule a word whose replacement is the word with one
  // byte, found in no word, added (exception-word lists). See ElvalasztokatBeszur.
  bool elvalaszto_kor_ = false;
  char elvalaszto_ = 0;
  std::vector<std::pair<uint32_t, uint32_t>> furt_;  // (word, position): a run of occurrences
  std::vector<char> helyi_;                          // the run's gaps that hold a separator
  std::vector<uint32_t> resek_;                      // the gap of each separator, in order
};
