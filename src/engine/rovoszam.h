// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRovoSzam: the number stage.
//
// With conversion on, every number of the text is written in rovás numerals:
// additive signs for 1, 5, 10, 50, 100, 500 and 1000, most significant first,
// the 1000 sign multiplying each group of three digits ("1848" -> 1000 sign,
// eight 100 signs, ...). The signs come from a number rule list such as
// "1-y,5-Y,10-X,50-V,100-B,1000-M"; a missing 5, 50 or 500 sign is written as
// five of the sign one step lower, and a list lacking the 1, 10, 100 or 1000
// sign switches conversion off. With conversion off, right-to-left text and
// the keep-digits-left-to-right switch on, every number is reversed instead,
// so that the caller's line mirroring shows it in its usual order.
//
// A number is a run of digits, optionally followed by further runs each
// joined by ". ", ".", ",", " " or nothing. Dots and spaces inside a number
// are dropped unless the number reads as a date ("2015.03.10", "1848. 3. 15"),
// whose runs are converted one by one with the separators kept.

#include <array>
#include <string>
#include <string_view>

class TRovoSzam {
 public:
  TRovoSzam(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto, bool szamok_be,
            bool szamjegyek_bj, bool jobbrol_balra);
  ~TRovoSzam();
  TRovoSzam(const TRovoSzam&) = delete;
  TRovoSzam& operator=(const TRovoSzam&) = delete;

  std::string Alkalmaz(std::string_view szoveg);
  // The same, replacing `s`.
  void AlkalmazHelyben(std::string& s);

  bool Atir() const { return atir_; }
  bool Megfordit() const { return megfordit_; }
  // Whether the numerals write no NUL, CR or LF (numbers never span a line end).
  bool SoronBelul() const;

  // One number (a whole match of the number pattern) in convert mode.
  std::string SzamotAtir(std::string_view szam) const;
  // One run of digits in convert mode.
  std::string JegyeketAtir(std::string_view jegyek) const;

 private:
  void SzamotIr(std::string_view szam, std::string& ki) const;
  void JegyeketIr(std::string_view jegyek, std::string& ki) const;

  bool atir_ = false;
  bool megfordit_ = false;
  std::array<std::string, 4> egyesek_;                 // signs of 1, 10, 100, 1000
  std::array<std::string, 3> otosok_;                  // signs of 5, 50, 500
  std::array<std::array<std::string, 10>, 3> jegyek_;  // the signs of each digit at each place
};
