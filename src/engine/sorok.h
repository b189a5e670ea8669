// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mirrored lines: right-to-left text is shown in a left-to-right edit control
// with every line stored reversed byte by byte.

#include <string>
#include <string_view>

// The same bytes in reverse order.
std::string Megforditas(std::string_view szoveg);

// Splits at every CR LF, reverses each piece and joins them, each piece
// followed by CR LF: "abc" -> "cba\r\n"; a text ending in CR LF gains one more
// CR LF (its empty last piece). Applying it twice restores the lines.
std::string SorokMegforditasa(std::string_view szoveg);
