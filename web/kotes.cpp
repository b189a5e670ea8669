// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition's binding over the headless core: the settings state, the
// engine, the clipboard texts and the picture layout, for the page's worker.
// Texts cross the boundary as JavaScript strings (UTF-8 here) and are
// Windows-1250 inside, as everywhere in the core.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "engine/unicoderovas.h"
#include "fonts/betukepesseg.h"
#include "platform/win1250.h"
#include "regex/regkif.h"
#include "ui/image/elrendezes.h"
#include "ui/image/kepbeallitasok.h"
#include "ui/main/foablakmag.h"
#include "ui/main/htmlvagolap.h"
#include "ui/settings/beallitasallapot.h"
#include "ui/settings/szolista.h"

using emscripten::val;

namespace {

std::string Be(const std::string& utf8) { return win1250::FromUtf8(utf8); }
std::string Ki(std::string_view s) { return win1250::ToUtf8(s); }

// A text area's lines end in LF; the core's, as the desktop's panes give
// them, in CR LF.
std::string BeSorok(const std::string& utf8) {
  std::string s;
  s.reserve(utf8.size() + utf8.size() / 16);
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) s += '\r';
    s += utf8[i];
  }
  return Be(s);
}

// Widths and heights the page measured in the picture's font, one per byte.
class TTablaMero : public IJelMero {
 public:
  explicit TTablaMero(const val& meretek) : meretek_(meretek) {}
  TMeret Meres(unsigned char bajt) override {
    const val m = meretek_[bajt];
    if (m.isUndefined()) return {};
    return {m[0].as<int>(), m[1].as<int>()};
  }

 private:
  val meretek_;
};

}  // namespace

// One page's settings and engine. The settings are the settings window's
// controls, set by their rovas.ini key names, so the page validates nothing
// itself; the font may be any catalogued name, as rovas-cli's --font allows.
class TWebMag {
 public:
  TWebMag() : allapot_(modell_, {.ProgramKonyvtar = "/"}) { Beallitas(val::object()); }

  // Every control from the reset defaults, then the given keys (an object of
  // rovas.ini key -> text); the font name under "LBetukeszlet". Answers the
  // controls' values and their enabling.
  val Beallitas(const val& ertekek) {
    allapot_.Alaphelyzet();
    std::string betukeszlet(kAlapBetukeszlet);
    const val kulcsok = val::global("Object").call<val>("keys", ertekek);
    const int n = kulcsok["length"].as<int>();
    for (int i = 0; i < n; ++i) {
      const std::string kulcs = kulcsok[i].as<std::string>();
      const std::string ertek = Be(ertekek[kulcs].as<std::string>());
      if (kulcs == "LBetukeszlet") {
        const auto& nevek = KatalogusNevek();
        if (std::find(nevek.begin(), nevek.end(), ertek) != nevek.end()) betukeszlet = ertek;
      }
      allapot_.KulcsBeallitasa(Be(kulcs), ertek);
    }
    allapot_.Alkalmaz();
    allapot_.BetukeszletValtozas();
    if (betukeszlet != allapot_.KivalasztottBetukeszlet()) {
      modell_.SetBetukeszlet(betukeszlet);
      modell_.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(betukeszlet));
    }
    return Allapot();
  }

  // The exception-word list from szo.xml's contents.
  void SzoLista(const std::string& xml) { allapot_.KivetelesSzavakAtadasa(SzoListaSzovegbol(xml)); }

  // The Latin text (lines ending in LF or CR LF) transliterated: "panel" as the rovás pane shows it
  // (lines mirrored in right-to-left text), "unicode" as Unicode rovás text (null when the font's
  // codes have no known meaning), or "hiba" with the message.
  val Atrovas(const std::string& latin) {
    val v = val::object();
    std::string ki = BeSorok(latin);
    try {
      if (!motor_) motor_ = std::make_unique<TKarvo>(modell_);
      motor_->AtrovHelyben(ki);
      const std::optional<TUnicodeRovas> atiro = UnicodeRovas(modell_, *motor_);
      v.set("unicode", atiro ? val(atiro->Atalakit(ki)) : val::null());
    } catch (const ERegKif& e) {
      v.set("hiba", Ki(e.what()));
      return v;
    }
    v.set("panel", Ki(PanelAlak(modell_, std::move(ki))));
    return v;
  }

  // "Másolás": the pane's bytes and the HTML fragment for them.
  val Masolas(const std::string& panel) const {
    const TMasolasAdatai m = MasolasAdatai(Be(panel), modell_.JobbrolBalra(), modell_.Meret,
                                           modell_.HasznaltBetukeszlet(), allapot_.Office2010());
    val v = val::object();
    v.set("szoveg", Ki(m.szoveg));
    v.set("toredek", m.toredek);
    return v;
  }

  // "Másolás Unicode rovásírással", or "akadaly" with why it cannot be done.
  val UnicodeMasolas(const std::string& panel) {
    val v = val::object();
    if (!motor_) motor_ = std::make_unique<TKarvo>(modell_);
    const std::optional<TUnicodeRovas> atiro = UnicodeRovas(modell_, *motor_);
    if (!atiro) {
      v.set("akadaly", Ki(UnicodeMasolasAkadaly(modell_)));
      return v;
    }
    const TMasolasAdatai m =
        UnicodeMasolasAdatai(Be(panel), *atiro, modell_.JobbrolBalra(), modell_.Meret);
    v.set("szoveg", m.szoveg);
    v.set("toredek", m.toredek);
    return v;
  }

  // The picture's settings from rovaskep.ini keys (defaults for the rest,
  // invalid values ignored), with the values in use.
  val KepBeallitas(const val& ertekek) {
    kep_ = {};
    const val kulcsok = val::global("Object").call<val>("keys", ertekek);
    const int n = kulcsok["length"].as<int>();
    for (int i = 0; i < n; ++i) {
      const std::string kulcs = kulcsok[i].as<std::string>();
      kep_.KulcsBeallitasa(kulcs, Be(ertekek[kulcs].as<std::string>()));
    }
    val v = val::object();
    v.set("Igazitas", static_cast<int>(kep_.Igazitas));
    v.set("Felkover", kep_.Felkover);
    v.set("Dolt", kep_.Dolt);
    v.set("Betuszin", Rgb(kep_.Betuszin));
    v.set("Hatterszin", Rgb(kep_.Hatterszin));
    v.set("Elsimitas", kep_.Elsimitas);
    for (auto [nev, mezo] : {std::pair{"Szelesseg", TSzamMezo::Szelesseg},
                             {"Magassag", TSzamMezo::Magassag},
                             {"FelsoMargo", TSzamMezo::FelsoMargo},
                             {"BalMargo", TSzamMezo::BalMargo},
                             {"JobbMargo", TSzamMezo::JobbMargo},
                             {"Sorkoz", TSzamMezo::Sorkoz},
                             {"Betumeret", TSzamMezo::Betumeret}})
      v.set(nev, Ertek(kep_, mezo));
    return v;
  }

  // The picture's layout for the pane's text (un-mirrored here into reading
  // order, as the picture button does), measured by `meretek`: an array of
  // [width, height] per byte value. Answers the picture's size, the overflow
  // flag and the strings to draw with their x and top.
  val KepElrendezes(const std::string& panel, const val& meretek) {
    const std::string szoveg = PanelAlak(modell_, Be(panel));
    TTablaMero mero(meretek);
    const TElrendezes e = SzovegElrendezese(szoveg, mero, kep_.Elrendezes(modell_.JobbrolBalra()));
    val szavak = val::array();
    for (const TRajzoltSzo& sz : e.Szavak) {
      val s = val::object();
      s.set("x", static_cast<double>(sz.X));
      s.set("y", static_cast<double>(sz.Y));
      s.set("magassag", sz.Magassag);
      s.set("szoveg", Ki(sz.Szoveg));
      szavak.call<void>("push", s);
    }
    val v = val::object();
    v.set("szelesseg", kep_.Szelesseg);
    v.set("magassag", kep_.Magassag);
    v.set("sorMagassag", e.SorMagassag);
    v.set("lelog", e.VanSzo && e.Lelog);
    v.set("szavak", szavak);
    return v;
  }

  // Every catalogued font, the offered ones first in their order.
  static val Betukeszletek() {
    val v = val::array();
    std::vector<std::string> nevek = FelkinaltBetukeszletek();
    for (const std::string& n : KatalogusNevek())
      if (std::find(nevek.begin(), nevek.end(), n) == nevek.end()) nevek.push_back(n);
    for (const std::string& n : nevek) v.call<void>("push", Ki(n));
    return v;
  }

 private:
  // The controls as rovas.ini holds them, the font in use, and the enabling.
  val Allapot() const {
    val vezerlok = val::object();
    for (const TBeallitasKulcs& k : BeallitasSema()) {
      const std::string nev = Ki(k.nev);
      if (k.fajta == TKulcsFajta::kMeret)
        vezerlok.set(nev, std::string(kMeretek.at(allapot_.V.*k.egesz)));
      else if (k.egesz)
        vezerlok.set(nev, allapot_.V.*k.egesz);
      if (k.logikai) vezerlok.set(nev, allapot_.V.*k.logikai);
      if (k.szoveg) vezerlok.set(nev, Ki(allapot_.V.*k.szoveg));
    }
    vezerlok.set("LBetukeszlet", Ki(modell_.Betukeszlet));

    const TEngedelyezes e = allapot_.Engedelyezes();
    val eng = val::object();
    eng.set("PKiterjesztettBetuk", e.PKiterjesztettBetuk);
    eng.set("PMelyK", e.PMelyK);
    eng.set("POsszerovas", e.POsszerovas);
    eng.set("PKepjelek", e.PKepjelek);
    eng.set("PSzamok", e.PSzamok);
    eng.set("PSzamokBJ", e.PSzamokBJ);
    eng.set("LaKHasznalatiMod", e.LaKHasznalatiMod);
    eng.set("LHHatokor", e.LHHatokor);
    eng.set("PHIsmetlodoEgyesit", e.PHIsmetlodoEgyesit);
    eng.set("PHHosszutRovidit", e.PHHosszutRovidit);
    eng.set("PHKezdoEKihagy", e.PHKezdoEKihagy);
    eng.set("LBetukeszlet", e.Alap);
    eng.set("LIrany", e.Alap);

    val v = val::object();
    v.set("vezerlok", vezerlok);
    v.set("engedelyezes", eng);
    v.set("betukeszlet", Ki(modell_.HasznaltBetukeszlet()));
    v.set("jobbrolBalra", modell_.JobbrolBalra());
    v.set("meret", modell_.Meret);
    v.set("unicodeAkadaly", Ki(UnicodeMasolasAkadaly(modell_)));
    return v;
  }

  TRovasBeallitasok modell_;
  TBeallitasAllapot allapot_;
  std::unique_ptr<TKarvo> motor_;
  TKepBeallitasok kep_;
};

// The choices of the settings window's lists, in list order.
val Valasztasok() {
  auto lista = [](const auto& elemek) {
    val v = val::array();
    for (std::string_view e : elemek) v.call<void>("push", Ki(e));
    return v;
  };
  val v = val::object();
  v.set("LIrany", lista(kIranyok));
  v.set("LMeret", lista(kMeretek));
  v.set("LaKHasznalatiMod", lista(kAKHasznalatiModok));
  v.set("LHModszer", lista(kHModszerek));
  v.set("LHHatokor", lista(kHHatokorok));
  return v;
}

EMSCRIPTEN_BINDINGS(tollnok) {
  emscripten::class_<TWebMag>("TWebMag")
      .constructor<>()
      .function("Beallitas", &TWebMag::Beallitas)
      .function("SzoLista", &TWebMag::SzoLista)
      .function("Atrovas", &TWebMag::Atrovas)
      .function("Masolas", &TWebMag::Masolas)
      .function("UnicodeMasolas", &TWebMag::UnicodeMasolas)
      .function("KepBeallitas", &TWebMag::KepBeallitas)
      .function("KepElrendezes", &TWebMag::KepElrendezes)
      .class_function("Betukeszletek", &TWebMag::Betukeszletek);
  emscripten::function("Valasztasok", &Valasztasok);
}
