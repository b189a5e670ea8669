// SPDX-License-Identifier: GPL-3.0-or-later
// The whole transliteration with user-made rules: a custom first round, an
// exception-word list, vowel skipping and a text, all fuzzed. Whatever the
// rules do, a call ends with a result inside the output budget or with the
// dialect's error; and a line-by-line update after an edit of one line gives
// what transliterating the edited text whole gives.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/karvo.h"
#include "engine/sorosatrovo.h"
#include "fonts/betukepesseg.h"
#include "regex/regkif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  TRovasBeallitasok m;
  m.SetBetukeszlet("Rovasjel jb");
  m.SetBetuKepesseg(std::make_unique<TBetuKepesseg>("Rovasjel jb"));
  m.SetEgyeniBeallitasok(in.ConsumeBool());
  m.SetESzovegirany(in.ConsumeBool() ? 1 : 2);
  m.SetEElsoKor(in.ConsumeRandomLengthString(128));
  m.SetEMasodikKor(in.ConsumeRandomLengthString(64));
  m.SetKivetelesSzavak(true);
  auto szavak = std::make_unique<std::vector<std::string>>();
  for (int n = in.ConsumeIntegralInRange(0, 24); n > 0; --n)
    szavak->push_back(in.ConsumeRandomLengthString(24));
  m.SetKivetelesSzoLista(std::move(szavak));
  m.SetHModszer(in.ConsumeIntegralInRange<uint8_t>(0, 5));
  m.SetHHatokor(in.ConsumeIntegralInRange<uint8_t>(0, 2));
  const std::string csere = in.ConsumeRandomLengthString(32);
  const std::string szoveg = in.ConsumeRemainingBytesAsString();
  TKarvo motor(m);
  try {
    if (motor.Atrov(szoveg).size() > KimenetKeret(szoveg.size())) std::abort();
  } catch (const ERegKif& e) {
    if (e.ErrorCode() <= 0) std::abort();
    return 0;
  }
  std::vector<std::string> sorok;
  for (size_t kezdet = 0;;) {
    const size_t veg = szoveg.find("\r\n", kezdet);
    sorok.push_back(szoveg.substr(kezdet, veg - kezdet));
    if (veg == std::string::npos) break;
    kezdet = veg + 2;
  }
  const size_t hol = sorok.size() / 2;
  TSorosAtrovo soros(motor);
  try {
    soros.Csere(0, 1, sorok, true);
    soros.Csere(hol, 1, {csere}, true);
    sorok[hol] = csere;
    std::string egesz;
    for (size_t i = 0; i < sorok.size(); ++i) egesz += (i ? "\r\n" : "") + sorok[i];
    // Budgets count per call, so only texts the whole call finishes compare.
    const std::string vart = motor.Atrov(egesz);
    if (soros.Kimenet() != vart) std::abort();
  } catch (const ERegKif&) {
  }
  return 0;
}
