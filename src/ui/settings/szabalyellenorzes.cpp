// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/szabalyellenorzes.h"

#include "engine/rovo.h"
#include "platform/win1250.h"
#include "ui/settings/beallitasallapot.h"

using namespace win1250::literals;

namespace {

std::string_view Leiras(int kod) {
  switch (kod) {
    case ERegKif::kTooManyGroups:
      return "túl sok zárójeles csoport (legfeljebb 14 lehet)"_hu;
    case ERegKif::kUnmatchedOpen:
    case ERegKif::kUnmatchedClose:
      return "a zárójelek nincsenek párban"_hu;
    case ERegKif::kEmptyOperand:
      return "a * vagy + előtti rész üres is lehetne"_hu;
    case ERegKif::kNestedQuantifier:
      return "ismétlés ismétlés után"_hu;
    case ERegKif::kBadHexDigit:
    case ERegKif::kNoHexCode:
      return "hibás \\x kód"_hu;
    case ERegKif::kHexTooBig:
      return "a \\x kód nagyobb FF-nél"_hu;
    case ERegKif::kInvalidRange:
      return "fordított tartomány a [ ] között"_hu;
    case ERegKif::kTrailingBackslashInClass:
    case ERegKif::kTrailingBackslash:
      return "\\ jel a végén"_hu;
    case ERegKif::kUnmatchedBracket:
      return "a [ ] zárójelek nincsenek párban"_hu;
    case ERegKif::kQuantifierFollowsNothing:
      return "az ismétlés jele előtt nincs semmi"_hu;
    case ERegKif::kBraceCountTooBig:
      return "túl nagy szám a { } között"_hu;
    case ERegKif::kBraceMinAboveMax:
      return "a { } között a legkisebb szám nagyobb a legnagyobbnál"_hu;
    case ERegKif::kUnclosedComment:
      return "lezáratlan (?# megjegyzés"_hu;
    case ERegKif::kUnrecognisedModifier:
      return "ismeretlen módosító"_hu;
    case ERegKif::kStepLimit:
      return "a keresés túl sok lépést igényelt"_hu;
    case ERegKif::kOutputLimit:
      return "a csere túl hosszú szöveget adott"_hu;
    default:
      return {};
  }
}

}  // namespace

std::string RegKifUzenet(const ERegKif& hiba) {
  const std::string_view leiras = Leiras(hiba.ErrorCode());
  // An internal fault keeps the engine's own words.
  std::string s = leiras.empty() ? std::string("Hibás minta: "_hu) + hiba.what()
                                 : std::string("Hibás minta: "_hu) + std::string(leiras);
  const int hely = hiba.CompilerErrorPos();
  if (!leiras.empty() && hiba.ErrorCode() < 1000 && hely >= 0)
    s += hely == 0 ? " (a minta elején)"_hu
                   : " (a minta "_hu + std::to_string(hely) + ". karakterénél)"_hu;
  return s;
}

std::optional<std::string> SzabalyListaHiba(std::string_view mezo, std::string_view lista) {
  const std::string nev = "„"_hu + std::string(mezo) + "”"_hu;
  if (lista.size() > kSzabalyListaMax)
    return "A(z) "_hu + nev + " mező "_hu + std::to_string(lista.size()) +
           " karakter hosszú; a beállítási fájl legfeljebb "_hu + std::to_string(kSzabalyListaMax) +
           " karaktert őriz meg belőle."_hu;
  size_t sorszam = 0;
  for (const std::string& darab : Feldarabol(lista, ',')) {
    const std::vector<std::string> reszek = Feldarabol(darab, '-');
    if (reszek.size() != 2 || reszek[0].empty() || reszek[1].empty()) continue;
    ++sorszam;
    try {
      TRegKif kif;
      kif.SetExpression(reszek[0]);
      kif.Exec({});
    } catch (const ERegKif& hiba) {
      return "A(z) "_hu + nev + " mező "_hu + std::to_string(sorszam) + ". szabálya (\""_hu +
             darab + "\") hibás.\r\n"_hu + RegKifUzenet(hiba);
    }
  }
  return std::nullopt;
}

std::optional<TSzabalyMezoHiba> EgyeniSzabalyokHibaja(const TBeallitasVezerlok& v) {
  const struct {
    std::string_view nev;
    std::string_view felirat;
    const std::string TBeallitasVezerlok::*lista;
  } mezok[] = {{"SzEElsoKor", "Első kör"_hu, &TBeallitasVezerlok::SzEElsoKor},
               {"SzEMasodikKor", "Második kör"_hu, &TBeallitasVezerlok::SzEMasodikKor},
               {"SzESzamokKore", "Számok"_hu, &TBeallitasVezerlok::SzESzamokKore},
               {"SzEGepeleskor", "Gépeléskor"_hu, &TBeallitasVezerlok::SzEGepeleskor}};
  for (const auto& m : mezok)
    if (auto hiba = SzabalyListaHiba(m.felirat, v.*m.lista)) return TSzabalyMezoHiba{m.nev, *hiba};
  return std::nullopt;
}
