// The whole transliteration with user-made rules: a custom first round, an
// exception-word list and a text, all fuzzed. Whatever the rules do, a call
// ends with a result inside the output budget or with the dialect's error.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/karvo.h"
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
  const std::string szoveg = in.ConsumeRemainingBytesAsString();
  TKarvo motor(m);
  try {
    if (motor.Atrov(szoveg).size() > KimenetKeret(szoveg.size())) std::abort();
  } catch (const ERegKif& e) {
    if (e.ErrorCode() <= 0) std::abort();
  }
  return 0;
}
