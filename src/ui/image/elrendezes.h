// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of a rovás picture: the text (reading order, Windows-1250, lines
// separated by CR LF) broken into words and lines by measuring each distinct
// character once, and placed inside the margins with the chosen alignment and
// direction. Pure arithmetic over a measurer, so it runs without a font system.

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Measures one character in the current font: its text extent.
class IJelMero {
 public:
  virtual ~IJelMero() = default;
  struct TMeret {
    int Szelesseg = 0;
    int Magassag = 0;
  };
  virtual TMeret Meres(unsigned char bajt) = 0;
};

struct TJelMeret {
  int Szelesseg = 0;
  int Magassag = 0;
  bool Mert = false;
};
using TJelTabla = std::array<TJelMeret, 256>;

// Fills `tabla` (cleared first) with one measurement per distinct byte >= 32
// of `szoveg` and gives the line height, the tallest character (0 if none).
// A text without a space still gets a 10 x 10 space, which does not count
// toward the line height.
int JelekMerese(std::string_view szoveg, IJelMero& mero, TJelTabla& tabla);

// One word, or a line-break marker (the text "\r", width and height 0).
struct TSzoDarab {
  std::string Szoveg;
  long long Szelesseg = 0;  // a long word of wide glyphs can exceed int
  int Magassag = 0;
  bool Sortores() const { return Szoveg == "\r"; }
};

// Spaces, CR and LF end words; CR LF and LF CR are one line break, CR CR two.
// Control bytes stay inside words with width 0.
std::vector<TSzoDarab> SzavakraBontas(std::string_view szoveg, const TJelTabla& tabla);

struct TSorAdat {
  bool UtolsoSor = false;  // no record remains after this line
  size_t Elso = 0, Utolso = 0;
  bool Ures = true;  // a line-break marker alone: no word to draw
};

// Takes the next line from `index` on (advancing it). A word is refused once
// the line's width with it, counting one space after every word, reaches the
// available width; the first word of a line is always taken.
TSorAdat SorKitoltese(const std::vector<TSzoDarab>& szavak, size_t& index, int elerheto,
                      int szokoz);

enum class TIgazitas { Balra = 1, Kozep = 2, Jobbra = 3, Sorkizart = 4 };

struct TElrendezesAdatok {
  int Szelesseg = 400, Magassag = 300;
  int FelsoMargo = 5, BalMargo = 5, JobbMargo = 5, Sorkoz = 5;
  TIgazitas Igazitas = TIgazitas::Jobbra;
  bool JobbrolBalra = true;
};

// One string to draw: its text (with its space, reversed for right to left),
// the integer x it is drawn at, its top, and the word's own width and height.
struct TRajzoltSzo {
  size_t Sor = 0;
  long long X = 0, Y = 0;
  long long Szelesseg = 0;
  int Magassag = 0;
  std::string Szoveg;
};

struct TElrendezes {
  TJelTabla Jelek{};
  int SorMagassag = 0;
  int SzokozSzelesseg = 0;
  bool VanSzo = false;              // false: nothing to draw, and the overflow flag stays as it was
  bool Lelog = false;               // the lines run past the bottom edge
  std::vector<TRajzoltSzo> Szavak;  // in drawing order
};

// Measures, splits and places the whole text.
TElrendezes SzovegElrendezese(std::string_view szoveg, IJelMero& mero,
                              const TElrendezesAdatok& adatok);
