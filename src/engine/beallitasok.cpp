// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/beallitasok.h"

#include <utility>

void TRovasBeallitasok::SetOsszerovas(bool v) {
  Osszerovas = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetMelyK(bool v) {
  MelyK = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetAKHasznalatiMod(uint8_t v) {
  AKHasznalatiMod = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetKepjelek(bool v) {
  Kepjelek = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetHKezdoEKihagy(bool v) {
  HKezdoEKihagy = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetSzamok(bool v) {
  Szamok = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetEgyeniBeallitasok(bool v) {
  EgyeniBeallitasok = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetHIsmetlodoEgyesit(bool v) {
  HIsmetlodoEgyesit = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetKivetelesSzavak(bool v) {
  KivetelesSzavak = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetHHosszutRovidit(bool v) {
  HHosszutRovidit = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetSzamokBJ(bool v) {
  SzamokBJ = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetMeret(int32_t v) {
  Meret = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetBetukeszlet(std::string_view v) {
  Betukeszlet.assign(v.data(), v.size());
  Valtozott = true;
}
void TRovasBeallitasok::SetEBetukeszlet(std::string_view v) {
  EBetukeszlet.assign(v.data(), v.size());
  Valtozott = true;
}
void TRovasBeallitasok::SetEElsoKor(std::string_view v) {
  EElsoKor.assign(v.data(), v.size());
  Valtozott = true;
}
void TRovasBeallitasok::SetEMasodikKor(std::string_view v) {
  EMasodikKor.assign(v.data(), v.size());
  Valtozott = true;
}
void TRovasBeallitasok::SetESzamokKore(std::string_view v) {
  ESzamokKore.assign(v.data(), v.size());
  Valtozott = true;
}
void TRovasBeallitasok::SetBetuKepesseg(std::unique_ptr<TBetuKepesseg> v) {
  BetuKepesseg = std::move(v);
  Valtozott = true;
}
void TRovasBeallitasok::SetHModszer(uint8_t v) {
  HModszer = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetHHatokor(uint8_t v) {
  HHatokor = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetESzovegirany(uint8_t v) {
  ESzovegirany = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetIrany(uint8_t v) {
  Irany = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetKivetelesSzoLista(std::unique_ptr<std::vector<std::string>> v) {
  KivetelesSzoLista = std::move(v);
  Valtozott = true;
}
void TRovasBeallitasok::SetKiterjesztettBetuk(bool v) {
  KiterjesztettBetuk = v;
  Valtozott = true;
}
void TRovasBeallitasok::SetValtozott(bool v) { Valtozott = v; }
void TRovasBeallitasok::SetEGepeleskor(std::string_view v) {
  EGepeleskor.assign(v.data(), v.size());
  Valtozott = true;
}

const std::string& TRovasBeallitasok::HasznaltBetukeszlet() const {
  return EgyeniBeallitasok ? EBetukeszlet : Betukeszlet;
}

std::string_view TRovasBeallitasok::HasznaltGepelesKor() const {
  if (EgyeniBeallitasok) return EGepeleskor;
  return BetuKepesseg ? std::string_view(BetuKepesseg->GepelesKor) : std::string_view();
}

uint8_t TRovasBeallitasok::HasznaltIrany() const {
  const uint8_t irany = EgyeniBeallitasok ? ESzovegirany : Irany;
  if (irany != 0) return irany;
  // Without a record the font's direction is unknown; left to right is what an
  // uncatalogued font would give.
  return BetuKepesseg && BetuKepesseg->JobbrolBalraIras ? kJobbrolBalra : kBalrolJobbra;
}
