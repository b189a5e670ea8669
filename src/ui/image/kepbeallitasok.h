// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image window's settings without widgets: the values rovaskep.ini keeps
// (section "Fo"), their ranges and defaults, the checks of the number boxes,
// and the names of the built-in backgrounds.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "ui/image/elrendezes.h"
#include "ui/image/kepfajl.h"

namespace platform {
class IniFile;
}

enum class THatterIgazitas { Mozaik = 1, Nyujtott = 2, Kozepre = 3 };

// The valid ranges of the number settings.
inline constexpr int kMeretMin = 100, kMeretMax = 20000;  // picture width and height, pixels
inline constexpr int kMargoMax = 9000;                    // margins and line spacing, pixels
inline constexpr int kBetumeretMax = 1000;                // font size, points (from 1)

struct TKepBeallitasok {
  TIgazitas Igazitas = TIgazitas::Jobbra;
  bool Felkover = false;
  bool Dolt = false;
  unsigned Betuszin = 0x000000;    // 0x00BBGGRR
  unsigned Hatterszin = 0xFFFFFF;  // 0x00BBGGRR
  int Szelesseg = 400;
  int Magassag = 300;
  bool Elsimitas = true;
  int Betumeret = 16;
  TKepfajta Kepfajta = TKepfajta::PNG;
  bool Atlatszo = false;
  int FelsoMargo = 5, BalMargo = 5, JobbMargo = 5, Sorkoz = 5;
  THatterIgazitas HatterIgazitas = THatterIgazitas::Mozaik;
  std::string Hatter;  // a built-in background's name, a file path, or empty

  // Loads section "Fo": a missing key, or a value out of its range, gives the
  // default; too wide margins both become 5. "Hatter" is kept as written.
  // A file that exists but cannot be read gives the defaults and leaves its
  // error in ini.ReadStatus().
  static TKepBeallitasok Betoltes(const platform::IniFile& ini);
  // Writes every key; the first refused write ends it and is returned.
  platform::Status Mentes(platform::IniFile& ini) const;

  // Sets one rovaskep.ini key from its text with the loader's checks; false
  // (nothing changed) for an unknown key or an invalid value.
  bool KulcsBeallitasa(std::string_view kulcs, std::string_view ertek);

  TElrendezesAdatok Elrendezes(bool jobbrolBalra) const;
};

// A colour of the settings (0x00BBGGRR) as 0xRRGGBB.
inline std::uint32_t Rgb(unsigned bgr) {
  return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// The built-in background of a name (any letter case): 1 "HT_FA", 2
// "HT_PAPIROS", 3 "HT_KO"; 0 for any other name.
int BeepitettHatterIndex(std::string_view nev);
// The resource name of a built-in background, 1 to 3.
const char* BeepitettHatterNev(int index);

// The number boxes, checked when the user leaves them (the font size on every
// change).
enum class TSzamMezo { Szelesseg, Magassag, FelsoMargo, BalMargo, JobbMargo, Sorkoz, Betumeret };

// Stores the box's text in `b` when it is an integer in the box's range (the
// side margins together leave at least 5 pixels); false leaves `b` unchanged,
// and the box should show Ertek(b, mezo) again.
bool SzamBeallitasa(TKepBeallitasok& b, TSzamMezo mezo, std::string_view szoveg);
int Ertek(const TKepBeallitasok& b, TSzamMezo mezo);

// A box's text as the integer it holds ("  12" and "+12" too), nullopt otherwise.
std::optional<int> EgeszSzam(std::string_view szoveg);

// What is written at exit takes the width, height and font-size boxes as they
// stand; a box without a number gives the default.
void DobozokAtvetele(TKepBeallitasok& b, std::string_view szelesseg, std::string_view magassag,
                     std::string_view betumeret);
