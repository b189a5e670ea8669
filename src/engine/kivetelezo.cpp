// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/kivetelezo.h"

#include <algorithm>

#include "engine/vezerlobajtok.h"

std::string TRovoKivetelezo::Szabalylista(const std::vector<std::string>& lista) {
  std::string szabalyok;
  for (const std::string& sor : lista) {
    // A line without "=" has an empty name (and no value): the parser drops it.
    const size_t eq = sor.find('=');
    const std::string_view nev =
        eq == std::string::npos ? std::string_view{} : std::string_view(sor).substr(0, eq);
    std::string ertek = eq == std::string::npos ? std::string{} : sor.substr(eq + 1);
    std::replace(ertek.begin(), ertek.end(), '|', kElvalaszto);
    szabalyok += ',';
    szabalyok += nev;
    szabalyok += '-';
    szabalyok += ertek;
  }
  return szabalyok;
}
