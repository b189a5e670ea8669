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

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One "word=replacement" entry per used line, in file order.
using TSzoLista = std::vector<std::string>;

class ESzoLista : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The list of the file at `utvonal`; nullopt when the file does not exist.
// An existing file that cannot be read raises ESzoLista.
std::optional<TSzoLista> SzoListaOlvasasa(const std::string& utvonal);

// The bytes of the file at `utvonal`; nullopt when it does not exist. An
// existing file that cannot be read raises ESzoLista.
std::optional<std::string> SzoXmlOlvasasa(const std::string& utvonal);

// Whether a downloaded file arrived whole: its last non-empty line closes the
// root element (begins with "</") and every line that begins with "<szo" is a
// well-formed entry, `<szo mit="word" mire="replacement"/>` (blanks allowed
// before "/>", the attribute name "mire" in any letter case).
bool SzoListaTeljes(std::string_view szoveg);

// The list of a file's contents.
TSzoLista SzoListaSzovegbol(std::string_view szoveg);

// The entry of one line (without its line end); nullopt for a line that is not used.
std::optional<std::string> SzoSorErtelmezese(std::string_view sor);

// The nine accented vowels (á é í ó ö ő ú ü ű) from UTF-8 to Windows-1250.
std::string SzoAtalakitas(std::string_view szoveg);
