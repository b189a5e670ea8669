// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sorok.h"

std::string Megforditas(std::string_view szoveg) {
  return std::string(szoveg.rbegin(), szoveg.rend());
}

std::string SorokMegforditasa(std::string_view szoveg) {
  std::string ki;
  ki.reserve(szoveg.size() + 2);
  size_t kezdet = 0;
  while (true) {
    const size_t veg = szoveg.find("\r\n", kezdet);
    const std::string_view sor = szoveg.substr(
        kezdet, veg == std::string_view::npos ? std::string_view::npos : veg - kezdet);
    ki.append(sor.rbegin(), sor.rend());
    ki += "\r\n";
    if (veg == std::string_view::npos) break;
    kezdet = veg + 2;
  }
  return ki;
}
