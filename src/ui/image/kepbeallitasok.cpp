// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image/kepbeallitasok.h"

#include <vector>

#include <strings.h>
#include <algorithm>
#include <charconv>

#include "platform/ini.h"

namespace {

constexpr const char* kSzakasz = "Fo";
constexpr const char* kHatterNevek[] = {"HT_FA", "HT_PAPIROS", "HT_KO"};

// One integer key: its name, range and the field it lives in.
struct TEgeszKulcs {
  const char* nev;
  int also, felso;
  int (*olvas)(const TKepBeallitasok&);
  void (*ir)(TKepBeallitasok&, int);
};

#define ROVAS_MEZO(nev, mezo, also, felso)                                               \
  TEgeszKulcs {                                                                          \
    nev, also, felso, [](const TKepBeallitasok& b) { return static_cast<int>(b.mezo); }, \
        [](TKepBeallitasok& b, int v) { b.mezo = static_cast<decltype(b.mezo)>(v); }     \
  }

constexpr int kAkarmi = 0;  // colours take any value
const TEgeszKulcs kKulcsok[] = {
    ROVAS_MEZO("Igazitas", Igazitas, 1, 4),
    ROVAS_MEZO("Felkover", Felkover, 0, 1),
    ROVAS_MEZO("Dolt", Dolt, 0, 1),
    ROVAS_MEZO("Betuszin", Betuszin, kAkarmi, kAkarmi),
    ROVAS_MEZO("Hatterszin", Hatterszin, kAkarmi, kAkarmi),
    ROVAS_MEZO("Szelesseg", Szelesseg, kMeretMin, kMeretMax),
    ROVAS_MEZO("Magassag", Magassag, kMeretMin, kMeretMax),
    ROVAS_MEZO("Elsimitas", Elsimitas, 0, 1),
    ROVAS_MEZO("Betumeret", Betumeret, 1, kBetumeretMax),
    ROVAS_MEZO("Kepfajta", Kepfajta, 1, 3),
    ROVAS_MEZO("Atlatszo", Atlatszo, 0, 1),
    ROVAS_MEZO("FelsoMargo", FelsoMargo, 0, kMargoMax),
    ROVAS_MEZO("BalMargo", BalMargo, 0, kMargoMax),
    ROVAS_MEZO("JobbMargo", JobbMargo, 0, kMargoMax),
    ROVAS_MEZO("Sorkoz", Sorkoz, 0, kMargoMax),
    ROVAS_MEZO("HatterIgazitas", HatterIgazitas, 1, 3),
};
#undef ROVAS_MEZO

bool Tartomanyban(const TEgeszKulcs& k, int v) {
  return (k.also == kAkarmi && k.felso == kAkarmi) || (v >= k.also && v <= k.felso);
}

bool Egyezik(std::string_view a, const char* b) {
  return a.size() == std::char_traits<char>::length(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

void MargoSzabaly(TKepBeallitasok& b) {
  if (b.BalMargo + b.JobbMargo > b.Szelesseg - 10) b.BalMargo = b.JobbMargo = 5;
}

}  // namespace

TKepBeallitasok TKepBeallitasok::Betoltes(const platform::IniFile& ini) {
  TKepBeallitasok b;
  for (const TEgeszKulcs& k : kKulcsok) {
    const int v = ini.ReadInteger(kSzakasz, k.nev, k.olvas(b));
    if (Tartomanyban(k, v)) k.ir(b, v);
  }
  MargoSzabaly(b);
  b.Hatter = ini.ReadString(kSzakasz, "Hatter", "");
  return b;
}

platform::Status TKepBeallitasok::Mentes(platform::IniFile& ini) const {
  // One replacement of the file for all keys.
  std::vector<platform::IniEntry> kulcsok;
  for (const TEgeszKulcs& k : kKulcsok)
    kulcsok.push_back({kSzakasz, k.nev, std::to_string(k.olvas(*this))});
  kulcsok.push_back({kSzakasz, "Hatter", Hatter});
  return ini.WriteStrings(kulcsok);
}

bool TKepBeallitasok::KulcsBeallitasa(std::string_view kulcs, std::string_view ertek) {
  if (Egyezik(kulcs, "Hatter")) {
    Hatter = std::string(ertek);
    return true;
  }
  for (const TEgeszKulcs& k : kKulcsok) {
    if (!Egyezik(kulcs, k.nev)) continue;
    const std::optional<int> v = platform::ParseIniInteger(ertek);
    if (!v || !Tartomanyban(k, *v)) return false;
    k.ir(*this, *v);
    return true;
  }
  return false;
}

TElrendezesAdatok TKepBeallitasok::Elrendezes(bool jobbrolBalra) const {
  return {Szelesseg, Magassag, FelsoMargo, BalMargo, JobbMargo, Sorkoz, Igazitas, jobbrolBalra};
}

int BeepitettHatterIndex(std::string_view nev) {
  for (int i = 0; i < 3; ++i)
    if (Egyezik(nev, kHatterNevek[i])) return i + 1;
  return 0;
}

const char* BeepitettHatterNev(int index) {
  return index >= 1 && index <= 3 ? kHatterNevek[index - 1] : "";
}

std::optional<int> EgeszSzam(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty() || s.front() == '+') return std::nullopt;
  int v = 0;
  const auto [vege, hiba] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (hiba != std::errc() || vege != s.data() + s.size()) return std::nullopt;
  return v;
}

int Ertek(const TKepBeallitasok& b, TSzamMezo mezo) {
  switch (mezo) {
    case TSzamMezo::Szelesseg:
      return b.Szelesseg;
    case TSzamMezo::Magassag:
      return b.Magassag;
    case TSzamMezo::FelsoMargo:
      return b.FelsoMargo;
    case TSzamMezo::BalMargo:
      return b.BalMargo;
    case TSzamMezo::JobbMargo:
      return b.JobbMargo;
    case TSzamMezo::Sorkoz:
      return b.Sorkoz;
    case TSzamMezo::Betumeret:
      return b.Betumeret;
  }
  return 0;
}

bool SzamBeallitasa(TKepBeallitasok& b, TSzamMezo mezo, std::string_view szoveg) {
  const std::optional<int> v = EgeszSzam(szoveg);
  if (!v) return false;
  auto Tarol = [&](int& mezo, int also, int felso) {
    if (*v < also || *v > felso) return false;
    mezo = *v;
    return true;
  };
  switch (mezo) {
    case TSzamMezo::Szelesseg:
      return Tarol(b.Szelesseg, kMeretMin, kMeretMax);
    case TSzamMezo::Magassag:
      return Tarol(b.Magassag, kMeretMin, kMeretMax);
    case TSzamMezo::FelsoMargo:
      return Tarol(b.FelsoMargo, 0, kMargoMax);
    case TSzamMezo::BalMargo:
      return Tarol(b.BalMargo, 0, std::min(kMargoMax, b.Szelesseg - 5 - b.JobbMargo));
    case TSzamMezo::JobbMargo:
      return Tarol(b.JobbMargo, 0, std::min(kMargoMax, b.Szelesseg - 5 - b.BalMargo));
    case TSzamMezo::Sorkoz:
      return Tarol(b.Sorkoz, 0, kMargoMax);
    case TSzamMezo::Betumeret:
      return Tarol(b.Betumeret, 1, kBetumeretMax);
  }
  return false;
}

void DobozokAtvetele(TKepBeallitasok& b, std::string_view szelesseg, std::string_view magassag,
                     std::string_view betumeret) {
  const TKepBeallitasok alap;
  b.Szelesseg = EgeszSzam(szelesseg).value_or(alap.Szelesseg);
  b.Magassag = EgeszSzam(magassag).value_or(alap.Magassag);
  b.Betumeret = EgeszSzam(betumeret).value_or(alap.Betumeret);
}
