// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rule lists and rewrite rounds.
//
// A rule list is a string such as "cs-C,ccs-CC,gy-G": pieces separated by the
// piece separator (","), each piece a pattern (RegKifHU dialect), the part
// separator ("-") and a replacement that may use "$1" group references. There
// is no escaping: a piece with a second part separator or an empty side is
// dropped silently, and so is an empty piece.
//
// A round (TRovo) sorts its rules longest pattern first (with the classic
// unstable quicksort, whose tie order is part of the contract), then moves a
// rule whose pattern equals an earlier rule's replacement in front of it, and
// applies the rules one after another, each a replace-all over the whole text.
//
// Patterns are compiled lazily by the dialect: an invalid pattern throws
// ERegKif the first time its rule is applied, never while building.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "regex/regkif.h"

// One rewrite rule: a pattern (g modifier on, other modifiers at the dialect's
// defaults, so matching is case-sensitive) and its replacement template.
class TRovoMag {
 public:
  TRovoMag(std::string_view minta, std::string_view csere);
  TRovoMag(const TRovoMag&) = delete;
  TRovoMag& operator=(const TRovoMag&) = delete;

  // Every non-overlapping match replaced by the expanded replacement.
  // Throws ERegKif when the pattern is invalid.
  std::string Alkalmaz(std::string_view szoveg);

  const std::string& Minta() const { return minta_; }
  const std::string& Csere() const { return csere_; }
  // The fixed text the pattern matches, if it is one (TRegKif::Fixed).
  std::optional<TRegKif::FixedText> Rogzitett() const;
  // Whether the rule keeps to the lines (TRegKif::LineLocal) and its
  // replacement writes no NUL, CR or LF.
  bool SoronBelul() const;

 private:
  std::string minta_;
  std::string csere_;
  // Made at the first search: rounds apply most literal words without it.
  std::unique_ptr<TRegKif> kif_;
};

// One round: the rules of one rule list in application order.
class TRovo {
 public:
  TRovo() = default;
  // Call sites pass ',' and '-' as the separators.
  TRovo(std::string_view szabalyok, char darab_elvalaszto = ',', char resz_elvalaszto = '-');
  TRovo(const TRovo&) = delete;
  TRovo& operator=(const TRovo&) = delete;

  // Clears the round and builds it anew from a rule list.
  void Epit(std::string_view szabalyok, char darab_elvalaszto = ',', char resz_elvalaszto = '-');
  // Frees every rule.
  void Torol();

  // Runs every rule in order, each on the previous one's output; a round
  // without rules returns the text unchanged. ERegKif passes through.
  std::string Alkalmaz(std::string_view szoveg);

  // The rules in application order.
  const std::vector<std::unique_ptr<TRovoMag>>& Magok() const { return magok_; }

 private:
  std::vector<std::unique_ptr<TRovoMag>> magok_;
};

// Whether `szoveg` holds no NUL, CR or LF, the bytes a line-by-line
// transliteration must not see written.
inline bool SorbaIllo(std::string_view szoveg) {
  return szoveg.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos;
}

// Splits at every separator. Each separator ends a piece (empty ones too); the
// text after the last separator is a piece only when it is non-empty:
// "a-b" -> {a, b}; "a-" -> {a}; "-b" -> {"", b}; "" -> {}.
std::vector<std::string> Feldarabol(std::string_view szoveg, char elvalaszto);

// The whole match of every Exec/ExecNext success over `szoveg`, left to right,
// empty matches left out. Throws ERegKif when the pattern is invalid.
std::vector<std::string> OsszesTalalat(TRegKif& kif, std::string_view szoveg);

// Deletes every byte `b` of `s`, without a branch per byte.
void BajtotTorol(std::string& s, char b);

// Scratch space of the stages that build their output beside the text and
// swap it in: one per thread, so a whole transliteration keeps two buffers.
std::string& Munkaterulet();
// Room for a stage's output beside a text of n bytes: most stages shrink it or
// grow it a little, and equal reservations let the two buffers trade places.
inline size_t Tartalekkal(size_t n) { return n + n / 8; }
// Empties `ki` with room for `n` bytes; a buffer too small is freed before the
// larger one is taken, so the two never coexist.
inline void Elokeszit(std::string& ki, size_t n) {
  ki.clear();
  if (ki.capacity() >= n) return;
  std::string().swap(ki);
  ki.reserve(n);
}
