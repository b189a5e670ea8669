// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The custom rule lists checked before they are kept: every pattern must
// compile, and a list must fit the 2,047 characters rovas.ini keeps of a
// value. Messages are Hungarian, Windows-1250, and name the field, the rule
// and the place in the pattern, so the user can mend the list.

#include <optional>
#include <string>
#include <string_view>

#include "regex/regkif.h"

struct TBeallitasVezerlok;

// The longest value rovas.ini keeps (the INI reader's limit).
inline constexpr size_t kSzabalyListaMax = 2047;

// A pattern error in Hungarian: what is wrong and, for a compile error, where
// (the character of the pattern, counted from 1, where the fault was seen).
std::string RegKifUzenet(const ERegKif& hiba);

// The first fault of one rule list as the round reads it (pieces with an
// empty side or a second "-" are left out there, so here too), or nothing.
// `mezo` is the field's caption.
std::optional<std::string> SzabalyListaHiba(std::string_view mezo, std::string_view lista);

// The four custom rule fields; `mezo` of the result is the field's control name.
struct TSzabalyMezoHiba {
  std::string_view mezo;
  std::string uzenet;
};
std::optional<TSzabalyMezoHiba> EgyeniSzabalyokHibaja(const TBeallitasVezerlok& v);
