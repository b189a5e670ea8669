// SPDX-License-Identifier: GPL-3.0-or-later
// szo.xml reader on arbitrary bytes: one entry per used line, each with "=";
// a list the download would accept as complete has no entry line it skips.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/settings/szolista.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  TSzoLista lista = SzoListaSzovegbol(text);
  size_t used = 0;
  for (size_t pos = 0; pos <= text.size();) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    if (text.substr(pos, 10) == "<szo mit=\"") ++used;
    if (end == text.size()) break;
    pos = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  if (lista.size() != used) std::abort();
  for (const std::string& e : lista) {
    if (e.find('=') == std::string::npos) std::abort();
  }
  if (SzoListaTeljes(text)) {
    size_t szo = 0;
    for (size_t pos = 0; (pos = text.find("<szo", pos)) != std::string_view::npos; pos += 4) {
      if (pos == 0 || text[pos - 1] == '\r' || text[pos - 1] == '\n') ++szo;
    }
    if (szo != used) std::abort();
  }
  return 0;
}
