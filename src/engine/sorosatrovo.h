// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TSorosAtrovo: the transliteration of a text an editor changes a few lines
// at a time.
//
// It holds the text as lines (Windows-1250, without their line ends; the text
// is the lines joined by CR LF, so it has at least one line) and the text's
// transliteration. After an edit it transliterates again only the lines the
// edit touched, and the lines after them as long as the vowel-skipping memory
// they start with differs from before, whenever the engine's stages allow it
// (TKarvo::SoronkentAtrovhato) and no line holds a NUL, CR or LF of its own;
// otherwise, after a rebuild of the stages, and for large edits it
// transliterates the whole text. Either way the result is the engine's result
// for the whole text.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/karvo.h"

class TSorosAtrovo {
 public:
  // The engine must outlive this object.
  explicit TSorosAtrovo(TKarvo& motor);

  // What a call changed.
  struct TValtozas {
    bool szoveg = false;  // the text changed
    bool egesz = false;   // the whole output is new (or, without output, out of date)
    // Otherwise output lines [elso, elso + regi) gave way to [elso, elso + uj).
    size_t elso = 0, regi = 0, uj = 0;
  };

  // Lines [elso, elso + torolt) of the text give way to `uj`; lines equal at
  // either end of the two ranges count as untouched. With `atrov` the output
  // follows, else it is out of date until the next Atrovas. The text changes
  // even when the transliteration throws ERegKif.
  TValtozas Csere(size_t elso, size_t torolt, std::vector<std::string> uj, bool atrov);
  // Csere for an editor that reports a change by its paragraphs (lines): of
  // the `db` it now holds, [elso, utolso] stand where the old lines between
  // the unchanged ones stood; `bekezdes(i)` reads paragraph i. When these do
  // not fit the text held, every paragraph is read.
  TValtozas Szerkesztes(size_t elso, size_t utolso, size_t db,
                        const std::function<std::string(size_t)>& bekezdes, bool atrov);
  // Transliterates the whole text. Throws ERegKif as TKarvo::Atrov does.
  TValtozas Atrovas();

  size_t SorDb() const { return sorok_.size(); }
  const std::string& Sor(size_t i) const { return sorok_[i].latin; }
  std::string Szoveg() const;

  // Whether the output belongs to the current text and stages.
  bool Ervenyes() const { return ervenyes_ && valtozat_ == motor_.Valtozat(); }
  // Whether the output is held by lines: Kimenet(i) is line i's
  // transliteration (in logical order), for every line of the text.
  bool Soros() const { return soros_; }
  const std::string& Kimenet(size_t i) const { return sorok_[i].ki; }
  // The whole output (the lines joined by CR LF when held by lines).
  std::string Kimenet() const;
  // The whole text's transliteration without changing what is held: Kimenet()
  // when valid, else transliterated afresh.
  std::string Eredmeny();

 private:
  struct TSor {
    std::string latin;
    std::string ki;                              // the transliteration, when held by lines
    int emlek = TRovoHangzougrato::kNincsEmlek;  // the walk's memory after the line end
  };
  // Transliterates line i (with its CR LF unless it is the last) starting with `emlek`.
  void SorAtrovasa(size_t i, int& emlek);

  TKarvo& motor_;
  std::vector<TSor> sorok_;
  size_t kulonleges_ = 0;  // lines holding NUL, CR or LF
  bool ervenyes_ = false;
  bool soros_ = false;
  unsigned valtozat_ = 0;  // the stages the output was made with
  std::string kimenet_;    // the output, when not held by lines
};
