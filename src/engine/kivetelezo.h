// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRovoKivetelezo: the exception-word stage.
//
// Rewrites words in which two letters happen to spell a two-letter consonant
// without being one ("igazság"), before any other stage sees them. Each line
// "name=value" of the exception-word list becomes one rule of a round: the
// name is a pattern used exactly as written (case-sensitive, no word
// boundaries added), the value its replacement, with every "|" turned into
// the separator byte 0x08 that later rounds cannot read across.

#include <string>
#include <string_view>
#include <vector>

#include "engine/gyorsrovo.h"

class TRovoKivetelezo {
 public:
  // A null list builds a stage that changes nothing.
  explicit TRovoKivetelezo(const std::vector<std::string>* lista)
      : kor_(lista ? Szabalylista(*lista) : std::string()) {}
  TRovoKivetelezo(const TRovoKivetelezo&) = delete;
  TRovoKivetelezo& operator=(const TRovoKivetelezo&) = delete;

  // Throws ERegKif when a name is not a valid pattern.
  std::string Alkalmaz(std::string_view szoveg) { return kor_.Alkalmaz(szoveg); }
  void AlkalmazHelyben(std::string& s) { kor_.AlkalmazHelyben(s); }
  bool SoronBelul() const { return kor_.SoronBelul(); }

  // The rule list built from the exception words (",name-value" per line).
  static std::string Szabalylista(const std::vector<std::string>& lista);

 private:
  TGyorsRovo kor_;
};
