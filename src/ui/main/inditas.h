// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up font check, before any window exists: without the default
// rovás font the user is offered the font installer.

#include <functional>
#include <string>
#include <vector>

struct TBetukeszletEllenorzesKornyezet {
  std::function<bool(const std::string&)> kerdes;      // Yes/No question
  std::function<bool()> telepitoInditasa;              // true when the installer was found
  std::function<void(const std::string&)> informacio;  // information box, holds until confirmed
};

// "Rovasjel jb" is looked for among `csaladok` without regard to letter case.
void BetukeszletEllenorzese(const std::vector<std::string>& csaladok,
                            const TBetukeszletEllenorzesKornyezet& k);
