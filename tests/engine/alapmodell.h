// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test support: a settings model as the settings window's reset leaves it.

#include <memory>
#include <string_view>

#include "engine/beallitasok.h"

// A model as the settings window's reset leaves it, with the given font.
inline std::unique_ptr<TRovasBeallitasok> Alap(std::string_view betukeszlet = "Rovasjel jb") {
  namespace a = beallitas_alap;
  auto m = std::make_unique<TRovasBeallitasok>();
  m->SetOsszerovas(a::Osszerovas);
  m->SetMelyK(a::MelyK);
  m->SetAKHasznalatiMod(a::AKHasznalatiMod);
  m->SetKepjelek(a::Kepjelek);
  m->SetHKezdoEKihagy(a::HKezdoEKihagy);
  m->SetSzamok(a::Szamok);
  m->SetEgyeniBeallitasok(a::EgyeniBeallitasok);
  m->SetHIsmetlodoEgyesit(a::HIsmetlodoEgyesit);
  m->SetKivetelesSzavak(a::KivetelesSzavak);
  m->SetHHosszutRovidit(a::HHosszutRovidit);
  m->SetSzamokBJ(a::SzamokBJ);
  m->SetMeret(a::Meret);
  m->SetBetukeszlet(betukeszlet);
  m->SetEBetukeszlet(a::EBetukeszlet);
  m->SetEElsoKor(a::EElsoKor);
  m->SetEMasodikKor(a::EMasodikKor);
  m->SetESzamokKore(a::ESzamokKore);
  m->SetBetuKepesseg(std::make_unique<TBetuKepesseg>(betukeszlet));
  m->SetHModszer(a::HModszer);
  m->SetHHatokor(a::HHatokor);
  m->SetESzovegirany(a::ESzovegirany);
  m->SetIrany(a::Irany);
  m->SetKiterjesztettBetuk(a::KiterjesztettBetuk);
  m->SetEGepeleskor(a::EGepeleskor);
  return m;
}
