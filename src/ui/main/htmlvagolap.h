// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Clipboard export of the rovás pane: the plain text together with an HTML
// fragment that carries the font, size, alignment and (for newer office
// suites) a right-to-left override, wrapped in the "HTML Format" record.

#include <string>
#include <string_view>

#include "engine/unicoderovas.h"

class IVagolap;

// Windows-1250 -> UTF-8; nothing is escaped.
std::string Utf8Kodolas(std::string_view szoveg);

// Wraps every line of `torzs` in `nyito` ... `zaro`. A line break is one CR or
// LF together with the byte after it when that is also a CR or LF.
std::string BekezdesekbeFoglalas(std::string_view torzs, std::string_view nyito,
                                 std::string_view zaro);

// The "HTML Format" record: the header, the fragment and CR LF, with
// EndFragment holding the record's length. A record of a million bytes or more
// gets a wider EndFragment field and StartFragment moves with it, so both
// offsets stay true.
std::string HtmlFejlec(std::string_view toredek);

// The opening part of a paragraph.
std::string HtmlNyitoResz(bool jobbrolBalra, int meret, std::string_view betukeszlet,
                          bool felulbiralas);

struct TMasolasAdatai {
  std::string szoveg;   // the plain text: the pane's bytes
  std::string toredek;  // the HTML fragment (UTF-8 text, font name as given)
};

// What MasolClick puts on the clipboard for the pane text `panel`.
// `office2010`: the settings window's "Office 2010, vagy frissebb rendszerem van".
TMasolasAdatai MasolasAdatai(const std::string& panel, bool jobbrolBalra, int meret,
                             const std::string& betukeszlet, bool office2010);

// What "Másolás Unicode rovásírással" puts on the clipboard for the pane text
// `panel` (its right-to-left lines mirrored): the Unicode rovás text in reading
// order (UTF-8; without the line end that mirroring puts after the last
// line), and every line as a paragraph marked as Hungarian in rovás
// script, in the given direction and size, escaped for HTML.
TMasolasAdatai UnicodeMasolasAdatai(const std::string& panel, const TUnicodeRovas& atiro,
                                    bool jobbrolBalra, int meret);

// Why the menu item is disabled for these settings (Windows-1250), or "".
std::string UnicodeMasolasAkadaly(const TRovasBeallitasok& beallitasok);

// The clipboard transaction: the record and the plain text (each only when not
// empty), plus the fragment as text/html where the platform has it.
void HtmlVagolapra(IVagolap& vagolap, const std::string& toredek, const std::string& szoveg);
