// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exception-word list file szo.xml: one `<szo mit="word" mire="replacement"/>`
// element per line, UTF-8. There is no XML parsing beyond the line rule:
//
// - only lines that start, in their first column, with exactly `<szo mit="`
//   are used (case as written), every other line is skipped;
// - in a used line every `<szo mit="` (any case) is removed, the word is the
//   text before the first `"`; of the rest, from that quote on, at most 1000
//   bytes are kept, every `" mire="` (any case) is removed from them and the
//   replacement is the text before the first `"` left;
// - a line without the quotes gives an empty word or replacement and still
//   counts;
// - the nine lower-case accented vowels are turned from UTF-8 into their
//   Windows-1250 bytes; every other byte stays as it is.
//
// Lines end with CR LF, LF or CR. Every byte, NUL included, is data.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

// One "word=replacement" entry per used line, in file order.
using TSzoLista = std::vector<std::string>;

// The largest szo.xml read or downloaded: several times any real list (about
// 100,000 words), small enough that reading and building it stays quick.
inline constexpr std::size_t kSzoXmlMaxMeret = std::size_t{4} << 20;

// The list of the file at `utvonal`. NotFound when the file does not exist;
// an error for a file that cannot be read, is not a regular file or is larger
// than kSzoXmlMaxMeret. `lista` is empty after a failure.
platform::Status SzoListaOlvasasa(const std::string& utvonal, TSzoLista& lista);

// Whether a downloaded file arrived whole: its last non-empty line closes the
// root element (begins with "</") and every line that begins with "<szo" is a
// well-formed entry, `<szo mit="word" mire="replacement"/>` (blanks allowed
// before "/>", the attribute name "mire" in any letter case).
bool SzoListaTeljes(std::string_view szoveg);

// Whether a list can serve the exception-word stage: every entry's word
// compiles as a pattern and runs over a sample line, and the whole stage runs
// over a longer Hungarian sample, each within the step and output budgets a
// transliteration has. The error names the first entry that fails and why.
platform::Status SzoListaProbaja(const TSzoLista& lista);

// The list of a file's contents.
TSzoLista SzoListaSzovegbol(std::string_view szoveg);

// The entry of one line (without its line end); nullopt for a line that is not used.
std::optional<std::string> SzoSorErtelmezese(std::string_view sor);

// The nine accented vowels (á é í ó ö ő ú ü ű) from UTF-8 to Windows-1250.
std::string SzoAtalakitas(std::string_view szoveg);
