// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/hibaforditas.h"

#include <utility>

#include "platform/win1250.h"

using namespace win1250::literals;

namespace {

// Phrases that open a message, with what follows them: a file, then the reason.
struct TMinta {
  std::string_view angol;
  std::string_view magyar;
};

constexpr TMinta kElejek[] = {
    {"Unable to read ", "Nem sikerült olvasni: "_hu},
    {"Unable to write to ", "Nem sikerült írni: "_hu},
    {"Cannot write file ", "Nem sikerült írni a fájlt: "_hu},
    {"Cannot read file ", "Nem sikerült olvasni a fájlt: "_hu},
    {"Cannot open file ", "Nem sikerült megnyitni a fájlt: "_hu},
    {"cannot create ", "nem sikerült létrehozni: "_hu},
    {"cannot write ", "nem sikerült írni: "_hu},
    {"cannot load ", "nem sikerült betölteni: "_hu},
    {"HTTP status ", "HTTP-állapotkód: "_hu},
    {"the answer is larger than ", "a válasz nagyobb, mint "_hu},
    {"the answer has no declared length, so it may be cut short",
     "a válasz nem közölte a hosszát, így csonka lehet"_hu},
};

// The system's reasons (strerror in the C locale) and the download library's
// most common ones.
constexpr TMinta kOkok[] = {
    {"No such file or directory", "nincs ilyen fájl vagy mappa"_hu},
    {"Permission denied", "hozzáférés megtagadva"_hu},
    {"No space left on device", "nincs több hely az eszközön"_hu},
    {"Read-only file system", "csak olvasható fájlrendszer"_hu},
    {"Is a directory", "ez egy mappa"_hu},
    {"Not a directory", "nem mappa"_hu},
    {"File too large", "túl nagy fájl"_hu},
    {"Disk quota exceeded", "betelt a lemezkvóta"_hu},
    {"Too many open files", "túl sok megnyitott fájl"_hu},
    {"Input/output error", "be- és kiviteli hiba"_hu},
    {"File exists", "a fájl már létezik"_hu},
    {"Operation not permitted", "a művelet nem engedélyezett"_hu},
    {"Cannot allocate memory", "nincs elég memória"_hu},
    {"Couldn't resolve host name", "a kiszolgáló neve nem oldható fel"_hu},
    {"Couldn't connect to server", "nem sikerült kapcsolódni a kiszolgálóhoz"_hu},
    {"Timeout was reached", "lejárt a várakozási idő"_hu},
};

void Csere(std::string& s, std::string_view mit, std::string_view mire) {
  for (size_t i = s.find(mit); i != std::string::npos; i = s.find(mit, i + mire.size()))
    s.replace(i, mit.size(), mire);
}

}  // namespace

std::string HibaMagyarul(std::string_view uzenet) {
  std::string s(uzenet);
  // Each line may open with one of the phrases (a message and its reason).
  for (size_t sor = 0; sor < s.size();) {
    for (const TMinta& m : kElejek) {
      if (s.compare(sor, m.angol.size(), m.angol) == 0) {
        s.replace(sor, m.angol.size(), m.magyar);
        break;
      }
    }
    const size_t veg = s.find('\n', sor);
    if (veg == std::string::npos) break;
    sor = veg + 1;
  }
  for (const TMinta& m : kOkok) Csere(s, m.angol, m.magyar);
  return s;
}
