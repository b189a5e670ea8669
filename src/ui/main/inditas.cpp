#include "ui/main/inditas.h"

#include "platform/win1250.h"

void BetukeszletEllenorzese(const std::vector<std::string>& csaladok,
                            const TBetukeszletEllenorzesKornyezet& k) {
  const std::string keresett = "rovasjel jb";
  for (const std::string& csalad : csaladok)
    if (win1250::ToLower(csalad) == keresett) return;
  if (!k.kerdes("Nem tal\xE1lhat\xF3 az alap\xE9rtelmezett 'Rovasjel jb' bet\xFBk\xE9szlet. "
                "Telep\xEDted most?"))
    return;
  if (k.telepitoInditasa())
    k.informacio(
        "Miut\xE1n bez\xE1rult a telep\xEDt\xF5"
        "ablak, k\xE9rlek Ok\xE9-zd le ezt az \xFCzenetet.");
}
