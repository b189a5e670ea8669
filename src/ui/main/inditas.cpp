// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/inditas.h"

#include "platform/win1250.h"

using namespace win1250::literals;

void BetukeszletEllenorzese(const std::vector<std::string>& csaladok,
                            const TBetukeszletEllenorzesKornyezet& k) {
  const std::string keresett = "rovasjel jb";
  for (const std::string& csalad : csaladok)
    if (win1250::ToLower(csalad) == keresett) return;
  if (!k.kerdes("Nem található az alapértelmezett 'Rovasjel jb' betűkészlet. "
                "Telepíted most?"_hu))
    return;
  if (k.telepitoInditasa())
    k.informacio("Miután bezárult a telepítőablak, kérlek Oké-zd le ezt az üzenetet."_hu);
}
