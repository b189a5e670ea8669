// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the transliterating subcommands (atrov, kep) share: their settings
// options, building the settings model from them, and reading the input.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/beallitasok.h"
#include "ui/settings/beallitasallapot.h"

namespace cli {

// --ini, --set, --font, --szo: the settings a transliteration runs with.
struct TBeallitasKapcsolok {
  std::vector<std::string> ini;
  std::vector<std::pair<std::string, std::string>> kulcsok;  // --set, in order
  std::optional<std::string> szo;
  std::optional<std::string> betukeszlet;
};

// The reset defaults, then each --ini file, each --set key, the --font name and
// the --szo list. Names and values are UTF-8 when `utf8`. An unusable option is
// reported on stderr after `parancs` ("rovas-cli atrov: ...") and its exit status
// (2) returned; nullopt when the model is ready.
std::optional<int> ModellEpitese(const TBeallitasKapcsolok& k, bool utf8, const char* parancs,
                                 TRovasBeallitasok& modell, TBeallitasAllapot& allapot);

// Appends the files' bytes ("-" is standard input; no files: standard input).
// False, after the message on stderr, when one cannot be read.
bool BemenetOlvasasa(const std::vector<std::string>& fajlok, const char* parancs, std::string& ide);

// Whether a file can be opened for reading.
bool Olvashato(const std::string& utvonal);

}  // namespace cli
