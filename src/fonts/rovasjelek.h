// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letter <-> rune table (Unicode Old Hungarian), compiled from
// src/fonts/rovasjelek.txt, the file the font generator draws the bundled
// typefaces from: what a letter reads as here is what those typefaces draw.
// Texts are Windows-1250.

#include <string>
#include <string_view>
#include <vector>

namespace rovasjelek {

// The small letter of a sound ("a", "cs", "ak", "amb", "us"), or 0 when the
// table has none. The capital letter is 0x40 lower.
char32_t Kisbetu(std::string_view hang);

// The numeral sign of 1, 5, 10, 50, 100 or 1000, or 0 for any other value.
char32_t Szamjel(int ertek);

// The sounds a text of small letters is written with, reading the longest
// letter group first ("dzsessz" -> d zs e s sz; "x" -> k sz). False, and the
// sounds read so far, when a byte is no letter of the table.
bool Hangok(std::string_view betuk, std::vector<std::string>& hangok);

// The UTF-8 bytes of a code point (runes have no Windows-1250 byte).
std::string Utf8(char32_t kod);

}  // namespace rovasjelek
