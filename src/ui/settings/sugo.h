// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings window's quick help: 17 texts in the help label's markup,
// numbered by the help index of the options (0 is the greeting), prepared once
// for the label's fonts and paragraphs.

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kSugoSzam = 17;

// The texts as written, before preparing.
const std::array<const char*, kSugoSzam>& SugoNyers();

// Every text prepared: headings into 13-point bold Verdana, line breaks into
// paragraph breaks, paragraphs into 9-point Verdana (replacements ignore
// letter case); "$alapertelmezett" in text 1 becomes the default font.
std::array<std::string, kSugoSzam> SugokElokeszitese();

// Text 1's font list: one check box per selectable font, ticked when a family
// of that name (any letter case) is among `telepitett`.
std::string BetukeszletLista(const std::vector<std::string>& telepitett);

// Prepared text `n` as shown: text 1 gets the font list in place of every
// "$betukeszletek" (any letter case).
std::string SugoSzoveg(const std::array<std::string, kSugoSzam>& elokeszitett, int n,
                       const std::vector<std::string>& telepitett);
