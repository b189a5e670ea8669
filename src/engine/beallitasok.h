// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRovasBeallitasok: the one shared settings model.
//
// Passive: it validates nothing. Readers read the fields directly; every
// setter stores its value and sets Valtozott, even when the value is unchanged,
// so the engine rebuilds its rounds at its next call. A freshly constructed
// model holds zeros, empty strings and no objects; the settings window loads
// the real values (see beallitas_alap for the reset values).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/betukepesseg.h"
#include "platform/win1250.h"

// Direction codes of the settings and of HasznaltIrany; the settings add 0, by font.
enum TIrany : uint8_t { kIranyBetukeszletSzerint = 0, kJobbrolBalra = 1, kBalrolJobbra = 2 };

class TRovasBeallitasok {
 public:
  TRovasBeallitasok() = default;
  TRovasBeallitasok(const TRovasBeallitasok&) = delete;
  TRovasBeallitasok& operator=(const TRovasBeallitasok&) = delete;

  // Fields in declared order. Enumerations hold a combo-box item index.
  bool Osszerovas = false;
  bool MelyK = false;
  uint8_t AKHasznalatiMod = 0;  // 0 by vowel harmony, 1 word end, 2 word start, 3 both ends
  bool Kepjelek = false;
  bool HKezdoEKihagy = false;
  bool Szamok = false;
  bool EgyeniBeallitasok = false;
  bool HIsmetlodoEgyesit = false;
  bool KivetelesSzavak = false;
  bool HHosszutRovidit = false;
  bool SzamokBJ = false;
  int32_t Meret = 0;
  std::string Betukeszlet;
  std::string EBetukeszlet;
  std::string EElsoKor;
  std::string EMasodikKor;
  std::string ESzamokKore;
  std::unique_ptr<TBetuKepesseg> BetuKepesseg;  // record of the chosen font (owned)
  uint8_t HModszer = 0;                         // vowel-skipping method 0..5
  uint8_t HHatokor = 0;                         // vowel-skipping scope 0..2
  uint8_t ESzovegirany = 0;                     // 1 right to left, 2 left to right
  uint8_t Irany = 0;                            // 0 by font, 1 right to left, 2 left to right
  std::unique_ptr<std::vector<std::string>> KivetelesSzoLista;  // "name=value" lines (owned)
  bool KiterjesztettBetuk = false;
  bool Valtozott = false;  // set by every setter, cleared by the engine after a rebuild
  std::string EGepeleskor;

  void SetOsszerovas(bool v);
  void SetMelyK(bool v);
  void SetAKHasznalatiMod(uint8_t v);
  void SetKepjelek(bool v);
  void SetHKezdoEKihagy(bool v);
  void SetSzamok(bool v);
  void SetEgyeniBeallitasok(bool v);
  void SetHIsmetlodoEgyesit(bool v);
  void SetKivetelesSzavak(bool v);
  void SetHHosszutRovidit(bool v);
  void SetSzamokBJ(bool v);
  void SetMeret(int32_t v);
  void SetBetukeszlet(std::string_view v);
  void SetEBetukeszlet(std::string_view v);
  void SetEElsoKor(std::string_view v);
  void SetEMasodikKor(std::string_view v);
  void SetESzamokKore(std::string_view v);
  // Frees the previous record and takes ownership of the new one (may be null).
  void SetBetuKepesseg(std::unique_ptr<TBetuKepesseg> v);
  void SetHModszer(uint8_t v);
  void SetHHatokor(uint8_t v);
  void SetESzovegirany(uint8_t v);
  void SetIrany(uint8_t v);
  // Frees the previous list and takes ownership of the new one (may be null).
  void SetKivetelesSzoLista(std::unique_ptr<std::vector<std::string>> v);
  void SetKiterjesztettBetuk(bool v);
  // The mark itself: stores `v` as it is (the engine clears it after rebuilding).
  void SetValtozott(bool v);
  void SetEGepeleskor(std::string_view v);

  // The font the rovás text is shown in: EBetukeszlet with custom settings on,
  // else Betukeszlet.
  const std::string& HasznaltBetukeszlet() const;
  // The typing helper's rule list: EGepeleskor with custom settings on, else the
  // font record's GepelesKor (empty without a record).
  std::string_view HasznaltGepelesKor() const;
  // The effective direction, 1 right to left or 2 left to right: ESzovegirany
  // (custom on) or Irany, and when that is 0 the font's own direction. Needs
  // BetuKepesseg in that case; without a record it answers 2.
  uint8_t HasznaltIrany() const;
  bool JobbrolBalra() const { return HasznaltIrany() == kJobbrolBalra; }
};

// The values the settings window's reset ("Alaphelyzet") puts into its controls.
namespace beallitas_alap {
using namespace win1250::literals;
inline constexpr bool Osszerovas = false;
inline constexpr bool MelyK = true;
inline constexpr uint8_t AKHasznalatiMod = 0;
inline constexpr bool Kepjelek = false;
inline constexpr bool HKezdoEKihagy = true;
inline constexpr bool Szamok = false;
inline constexpr bool EgyeniBeallitasok = false;
inline constexpr bool HIsmetlodoEgyesit = true;
inline constexpr bool KivetelesSzavak = true;
inline constexpr bool HHosszutRovidit = false;
inline constexpr bool SzamokBJ = true;
inline constexpr int32_t Meret = 16;
inline constexpr std::string_view Betukeszlet = "Rovasjel jb";
inline constexpr std::string_view EBetukeszlet = "Rovasjel jb";
inline constexpr std::string_view EElsoKor =
    "cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,zzs-ZZ,"
    "x-kS,y-i,q-kv,w-v,\\bK-ł,ł\\b-K,\\Bł\\B-k,\\BK\\B-k"_hu;
inline constexpr std::string_view EMasodikKor = "";
inline constexpr std::string_view ESzamokKore = "1-1,5-2,10-3,50-4,100-5,500-6,1000-7";
inline constexpr uint8_t HModszer = 0;
inline constexpr uint8_t HHatokor = 0;
inline constexpr uint8_t ESzovegirany = 1;
inline constexpr uint8_t Irany = 0;
inline constexpr bool KiterjesztettBetuk = true;
inline constexpr std::string_view EGepeleskor =
    "cs-C,ccs-CC,gy-G,ggy-GG,ly-L,lly-LL,ny-N,nny-NN,sz-S,ssz-SS,ty-T,tty-TT,zs-Z,zzs-ZZ,"
    "\\bk-ł,k\\b-K,\\bK-ł,ł\\b-K,\\Bł\\B-k,\\BK\\B-k"_hu;
}  // namespace beallitas_alap
