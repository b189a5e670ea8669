// SPDX-License-Identifier: GPL-3.0-or-later
// Rule lists come from the user's custom settings: any bytes must build a
// round, and applying it may only fail with the dialect's own error. The fast
// round must give exactly what the plain round gives, error or text.
//
// Input: the rule list, then optionally a byte 0xFF and the text to apply it
// to (a fixed Hungarian sample otherwise).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/gyorsrovo.h"
#include "engine/rovo.h"
#include "platform/win1250.h"
#include "regex/regkif.h"

namespace {

template <class Kor>
std::optional<std::string> Alkalmaz(Kor& kor, std::string_view szoveg) {
  try {
    return kor.Alkalmaz(szoveg);
  } catch (const ERegKif&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view be(reinterpret_cast<const char*>(data), size);
  const size_t vege = be.find('\xFF');
  const std::string_view lista = be.substr(0, vege);
  static const std::string minta = win1250::FromUtf8("cs ccs gy kék kő 1848 (a) [b] ab-c");
  const std::string_view szoveg =
      vege == std::string_view::npos ? std::string_view(minta) : be.substr(vege + 1);
  TRovo lassu(lista, ',', '-');
  TGyorsRovo gyors(lista, ',', '-');
  // Rules may multiply the text ("." into "xxx") at every step: lists whose
  // plain round outgrows a budget are passed over. Every step of the plain
  // round then stayed within it, so the fast round's passes do too. The
  // budget is small (64 KB) so that each input takes milliseconds, not the
  // second a text grown to megabytes costs every later rule.
  std::optional<std::string> vart;
  {
    const TRegKif::OutputBudget keret(size_t{1} << 16);
    try {
      vart = lassu.Alkalmaz(szoveg);
    } catch (const ERegKif& e) {
      if (e.ErrorCode() == ERegKif::kOutputLimit) return 0;
    }
  }
  if (vart != Alkalmaz(gyors, szoveg)) std::abort();
  return 0;
}
