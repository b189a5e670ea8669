#include "ui/main/foablakmag.h"

#include <utility>

#include "engine/sorok.h"

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

std::string TFoablakMag::KepSzoveg(const std::string& latin, const std::string& panel) {
  return LatinMod() ? Motor().Atrov(latin) : PanelAlak(beallitasok_, panel);
}

std::string TFoablakMag::GepelesiSzabalyok(const std::string& szo) {
  return gepelesiSzabalyok_ ? gepelesiSzabalyok_->Alkalmaz(szo) : szo;
}
