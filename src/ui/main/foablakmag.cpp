// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/foablakmag.h"

#include <utility>

#include "engine/sorok.h"
#include "platform/win1250.h"

using namespace win1250::literals;

std::string PanelAlak(const TRovasBeallitasok& beallitasok, std::string szoveg) {
  return beallitasok.JobbrolBalra() ? SorokMegforditasa(szoveg) : szoveg;
}

TFoablakMag::TFoablakMag(TRovasBeallitasok& beallitasok,
                         std::function<bool(const std::string&)> kerdes, IVagolap& vagolap)
    : beallitasok_(beallitasok), kerdes_(std::move(kerdes)), vagolap_(&vagolap) {}

TKarvo& TFoablakMag::Motor() {
  if (!motor_) motor_ = std::make_unique<TKarvo>(beallitasok_);
  return *motor_;
}

void TFoablakMag::GepelesiSzabalyokEpitese() {
  gepelesiSzabalyok_ = std::make_unique<TRovo>(beallitasok_.HasznaltGepelesKor(), ',', '-');
}

std::string TFoablakMag::PanelSzoveg(const std::string& latin) {
  return PanelAlak(beallitasok_, Motor().Atrov(latin));
}

TSorosAtrovo& TFoablakMag::Latin() {
  if (!latin_) latin_ = std::make_unique<TSorosAtrovo>(Motor());
  return *latin_;
}

std::string TFoablakMag::PanelSzoveg() { return PanelAlak(beallitasok_, Latin().Kimenet()); }

std::vector<std::string> TFoablakMag::PanelSorok(const TSorosAtrovo::TValtozas& valtozas) {
  std::vector<std::string> sorok;
  for (size_t i = valtozas.elso; i < valtozas.elso + valtozas.uj; ++i) {
    const std::string& sor = Latin().Kimenet(i);
    sorok.push_back(JobbrolBalra() ? Megforditas(sor) : sor);
  }
  return sorok;
}

std::string TFoablakMag::KepSzoveg(const std::function<std::string()>& panel) {
  return LatinMod() ? Latin().Eredmeny() : PanelAlak(beallitasok_, panel());
}

std::string TFoablakMag::GepelesiSzabalyok(const std::string& szo) {
  return gepelesiSzabalyok_ ? gepelesiSzabalyok_->Alkalmaz(szo) : szo;
}

TBetuMegjelenites TFoablakMag::BetukeszletMegjelenites(const std::vector<std::string>& elerheto) {
  const std::string kert = beallitasok_.HasznaltBetukeszlet();
  const auto van = [&](std::string_view nev) {
    const std::string kis = win1250::ToLower(nev);
    for (const std::string& csalad : elerheto)
      if (win1250::ToLower(csalad) == kis) return true;
    return false;
  };
  constexpr std::string_view kAlap = "Rovasjel jb";
  TBetuMegjelenites m{kert, {}};
  if (!van(kert) && van(kAlap)) {
    m.betukeszlet = kAlap;
    if (jelzettHianyok_.insert(kert).second)
      m.uzenet = "A(z) „"_hu + kert + "” betűkészlet nincs telepítve, ezért a rovás szöveg a „"_hu +
                 std::string(kAlap) + "” betűkészlettel jelenik meg."_hu;
  }
  megjelenitett_ = m.betukeszlet;
  return m;
}

std::string TFoablakMag::MegjelenitettBetukeszlet() const {
  return megjelenitett_.empty() ? beallitasok_.HasznaltBetukeszlet() : megjelenitett_;
}

TFoablakMag::TUjSzoveg TFoablakMag::UjSzoveg(bool elfogadva, int valasztas) {
  if (elfogadva) SetMod(valasztas == 0 ? TMod::Latin : TMod::Rovas);
  return {.uritas = elfogadva, .latin = LatinMod()};
}

TFoablakMag::TAlkalmazas TFoablakMag::BeallitasokAlkalmazasa(
    bool onmukodo, const std::vector<std::string>& elerheto) {
  TAlkalmazas a;
  a.betu = BetukeszletMegjelenites(elerheto);
  a.meret = beallitasok_.Meret > 0 ? beallitasok_.Meret : 0;
  a.latinFokusz = LatinMod();
  a.atrovas = LatinMod() && onmukodo;
  GepelesiSzabalyokEpitese();
  return a;
}

TFoablakMag::TSugo TFoablakMag::Sugo(const std::string& utvonal,
                                     const std::function<bool(const std::string&)>& van) {
  if (!van(utvonal)) return {{}, "Nem található a súgót tartalmazó \"RovasSugo.pdf\" állomány."_hu};
  return {utvonal, {}};
}
