// Rule lists come from the user's custom settings: any bytes must build a
// round, and applying it may only fail with the dialect's own error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/karvo.h"
#include "engine/rovo.h"
#include "regex/regkif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view lista(reinterpret_cast<const char*>(data), size);
  TRovo kor(lista, ',', '-');
  const std::string_view szoveg = "cs ccs gy k\xE9k k\xF5 1848 (a) [b] ab-c";
  // The budget a transliteration of this text would have.
  const TRegKif::OutputBudget keret(KimenetKeret(szoveg.size()));
  try {
    kor.Alkalmaz(szoveg);
  } catch (const ERegKif&) {
  }
  return 0;
}
