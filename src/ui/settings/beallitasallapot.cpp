// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/beallitasallapot.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>
#include <type_traits>

#include "fonts/betukepesseg.h"
#include "platform/fajl.h"
#include "platform/ini.h"
#include "platform/letoltes.h"
#include "platform/programdir.h"
#include "platform/win1250.h"

using namespace win1250::literals;

namespace {

constexpr std::string_view kAlap = "Alap";
constexpr std::string_view kEgyeni = "Egyeni";

bool KisNagyEgyezik(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (win1250::ToLower(static_cast<unsigned char>(a[i])) !=
        win1250::ToLower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// What a read of a string key returns: cut at NUL and to the read limit.
std::string Vagott(std::string_view s) {
  s = s.substr(0, s.find('\0'));
  return std::string(s.substr(0, platform::IniFile::kMaxValue));
}

using Vz = TBeallitasVezerlok;
using F = TKulcsFajta;
using TBeallito = TBeallitasKulcs::TBeallito;

// A model setter as the schema's function: numbers are cast to the setter's type.
template <class T>
struct TSetterParameter;
template <class A>
struct TSetterParameter<void (TRovasBeallitasok::*)(A)> {
  using Tipus = A;
};
template <auto Setter>
void Beallit(TRovasBeallitasok& m, const TKulcsErtek& e) {
  using A = typename TSetterParameter<decltype(Setter)>::Tipus;
  if constexpr (std::is_same_v<A, std::string_view>) {
    (m.*Setter)(e.szoveg);
  } else {
    (m.*Setter)(static_cast<A>(e.szam));
  }
}
using M = TRovasBeallitasok;

constexpr TBeallitasKulcs Lista(std::string_view sz, std::string_view nev, int Vz::*m,
                                std::size_t valasztasok, TBeallito b) {
  return {sz, nev, F::kLista, m, nullptr, nullptr, static_cast<int>(valasztasok), 0, {}, b};
}
constexpr TBeallitasKulcs Egesz(std::string_view sz, std::string_view nev, F f, int Vz::*m,
                                int alap, std::string_view alapSzoveg, TBeallito b) {
  return {sz, nev, f, m, nullptr, nullptr, 0, alap, alapSzoveg, b};
}
constexpr TBeallitasKulcs Logikai(std::string_view sz, std::string_view nev, bool Vz::*m, bool alap,
                                  TBeallito b = nullptr) {
  return {sz, nev, F::kLogikai, nullptr, m, nullptr, 0, alap, {}, b};
}
constexpr TBeallitasKulcs Szoveg(std::string_view sz, std::string_view nev, F f, std::string Vz::*m,
                                 std::string_view alap, TBeallito b) {
  return {sz, nev, f, nullptr, nullptr, m, 0, 0, alap, b};
}

// Every key of rovas.ini, in file order, with the control it belongs to and
// the control's default.
const TBeallitasKulcs kKulcsok[] = {
    Egesz(kAlap, "LBetukeszlet", F::kBetukeszlet, &Vz::LBetukeszlet, 0, beallitas_alap::Betukeszlet,
          Beallit<&M::SetBetukeszlet>),
    Lista(kAlap, "LIrany", &Vz::LIrany, kIranyok.size(), Beallit<&M::SetIrany>),
    Egesz(kAlap, "LMeret", F::kMeret, &Vz::LMeret, 11, {}, Beallit<&M::SetMeret>),  // "16"
    Logikai(kAlap, "PKivetelesSzavak", &Vz::PKivetelesSzavak, true,
            Beallit<&M::SetKivetelesSzavak>),
    Logikai(kAlap, "PKiterjesztettBetuk", &Vz::PKiterjesztettBetuk, true,
            Beallit<&M::SetKiterjesztettBetuk>),
    Logikai(kAlap, "PMelyK", &Vz::PMelyK, true, Beallit<&M::SetMelyK>),
    Lista(kAlap, "LaKHasznalatiMod", &Vz::LaKHasznalatiMod, kAKHasznalatiModok.size(),
          Beallit<&M::SetAKHasznalatiMod>),
    Logikai(kAlap, "POsszerovas", &Vz::POsszerovas, false, Beallit<&M::SetOsszerovas>),
    Logikai(kAlap, "PKepjelek", &Vz::PKepjelek, false, Beallit<&M::SetKepjelek>),
    Logikai(kAlap, "PSzamok", &Vz::PSzamok, false, Beallit<&M::SetSzamok>),
    Logikai(kAlap, "PSzamokBJ", &Vz::PSzamokBJ, true, Beallit<&M::SetSzamokBJ>),
    Lista(kAlap, "LHModszer", &Vz::LHModszer, kHModszerek.size(), Beallit<&M::SetHModszer>),
    Lista(kAlap, "LHHatokor", &Vz::LHHatokor, kHHatokorok.size(), Beallit<&M::SetHHatokor>),
    Logikai(kAlap, "PHIsmetlodoEgyesit", &Vz::PHIsmetlodoEgyesit, true,
            Beallit<&M::SetHIsmetlodoEgyesit>),
    Logikai(kAlap, "PHHosszutRovidit", &Vz::PHHosszutRovidit, false,
            Beallit<&M::SetHHosszutRovidit>),
    Logikai(kAlap, "PHKezdoEKihagy", &Vz::PHKezdoEKihagy, true, Beallit<&M::SetHKezdoEKihagy>),
    Logikai(kEgyeni, "PEgyeniBeallitasok", &Vz::PEgyeniBeallitasok, false,
            Beallit<&M::SetEgyeniBeallitasok>),
    Szoveg(kEgyeni, "SzEBetukeszlet", F::kSzoveg, &Vz::SzEBetukeszlet, beallitas_alap::EBetukeszlet,
           Beallit<&M::SetEBetukeszlet>),
    Egesz(kEgyeni, "LESzovegirany", F::kESzovegirany, &Vz::LESzovegirany, 0, {},
          Beallit<&M::SetESzovegirany>),
    Szoveg(kEgyeni, "SzEElsoKor", F::kSzoveg, &Vz::SzEElsoKor, beallitas_alap::EElsoKor,
           Beallit<&M::SetEElsoKor>),
    Szoveg(kEgyeni, "SzEMasodikKor", F::kSzoveg, &Vz::SzEMasodikKor, beallitas_alap::EMasodikKor,
           Beallit<&M::SetEMasodikKor>),
    Szoveg(kEgyeni, "SzESzamokKore", F::kSzoveg, &Vz::SzESzamokKore, beallitas_alap::ESzamokKore,
           Beallit<&M::SetESzamokKore>),
    Szoveg(kEgyeni, "SzEGepeleskor", F::kSzoveg, &Vz::SzEGepeleskor, beallitas_alap::EGepeleskor,
           Beallit<&M::SetEGepeleskor>),
    // The last three belong to the window alone, not to the model.
    Logikai(kEgyeni, "PKivetelesSzavakOnmukodo", &Vz::PKivetelesSzavakOnmukodo, true),
    // Reset from the Office probe.
    Logikai(kEgyeni, "POffice2010", &Vz::POffice2010, false),
    // Not reset: the last update stays.
    Szoveg(kEgyeni, "LUtolsoFrissites", F::kDatum, &Vz::LUtolsoFrissites, {}, nullptr),
    // Edited in rovas.ini only.
    Szoveg(kEgyeni, "SzoXmlCim", F::kSzoveg, &Vz::SzoXmlCim, kSzoXmlCim, nullptr),
};

int BetukeszletIndex(std::string_view nev) {
  const std::vector<std::string>& nevek = FelkinaltBetukeszletek();
  for (std::size_t i = 0; i < nevek.size(); ++i) {
    if (KisNagyEgyezik(nev, nevek[i])) return static_cast<int>(i);
  }
  return -1;
}

template <std::size_t N>
std::string_view Elem(const std::array<std::string_view, N>& lista, int index) {
  return index >= 0 && index < static_cast<int>(N) ? lista[static_cast<std::size_t>(index)]
                                                   : std::string_view();
}

// The size of a size-list index as a number (0 for no item).
int32_t MeretErtek(int index) {
  std::string_view szoveg = Elem(kMeretek, index);
  int32_t ertek = 0;
  std::from_chars(szoveg.data(), szoveg.data() + szoveg.size(), ertek);
  return ertek;
}

}  // namespace

std::span<const TBeallitasKulcs> BeallitasSema() { return kKulcsok; }

bool OfficeProba(const platform::OfficeRegistry& office) {
  static constexpr std::string_view kValtozatok[] = {"14.0", "15.0", "16.0", "17.0", "18.0",
                                                     "19.0", "20.0", "21.0", "22.0"};
  try {
    std::optional<std::vector<std::string>> nevek = office.SubkeyNames();
    if (!nevek) return false;
    for (const std::string& nev : *nevek) {
      for (std::string_view v : kValtozatok) {
        if (KisNagyEgyezik(nev, v)) return true;
      }
    }
  } catch (...) {
    // Every failure of the probe means "no".
  }
  return false;
}

TBeallitasAllapot::TBeallitasAllapot(TRovasBeallitasok& modell, TBeallitasKornyezet kornyezet)
    : modell_(modell), kornyezet_(std::move(kornyezet)) {}

TIdopont TBeallitasAllapot::Most() const { return kornyezet_.Ora ? kornyezet_.Ora() : HelyiIdo(); }

std::string TBeallitasAllapot::RovasIni() const {
  if (kornyezet_.ProgramKonyvtar.empty()) return platform::ProgramFile("rovas.ini");
  return kornyezet_.ProgramKonyvtar + "/rovas.ini";
}

std::string TBeallitasAllapot::SzoXml() const {
  if (kornyezet_.ProgramKonyvtar.empty()) return platform::ProgramFile("szo.xml");
  return kornyezet_.ProgramKonyvtar + "/szo.xml";
}

std::string TBeallitasAllapot::KivalasztottBetukeszlet() const {
  const std::vector<std::string>& nevek = FelkinaltBetukeszletek();
  if (V.LBetukeszlet < 0 || V.LBetukeszlet >= static_cast<int>(nevek.size())) return {};
  return nevek[static_cast<std::size_t>(V.LBetukeszlet)];
}

void TBeallitasAllapot::Letrehozas() {
  letrehozas_ = true;
  try {
    Alaphelyzet();
    if (platform::FileExists(RovasIni())) {
      // A failed load would leave the new, empty model behind: apply what was read.
      if (!Betoltes().Siker) Alkalmaz();
    } else {
      Mentes();
    }
    BetukeszletValtozas();
    SzoListaBetoltese();
  } catch (...) {
    // Creation goes on whatever failed; the last step below always runs.
  }
  letrehozas_ = false;
  BetukeszletValtozas();
}

void TBeallitasAllapot::Alaphelyzet() {
  for (const TBeallitasKulcs& k : kKulcsok) {
    switch (k.fajta) {
      case F::kBetukeszlet:
        V.*k.egesz = std::max(0, BetukeszletIndex(k.alapSzoveg));
        break;
      case F::kLista:
      case F::kMeret:
      case F::kESzovegirany:
        V.*k.egesz = k.alap;
        break;
      case F::kLogikai:
        V.*k.logikai = k.alap != 0;
        break;
      case F::kSzoveg:
        V.*k.szoveg = k.alapSzoveg;
        break;
      case F::kDatum:
        break;
    }
  }
  V.POffice2010 =
      OfficeProba(kornyezet_.Office ? *kornyezet_.Office : platform::SystemOfficeRegistry());
}

TBeallitasEredmeny TBeallitasAllapot::Megjelenites() {
  TBeallitasEredmeny e = Betoltes();
  BetukeszletValtozas();
  return e;
}

void TBeallitasAllapot::AlaphelyzetIgen() {
  Alaphelyzet();
  BetukeszletValtozas();
}

TKulcsErtek TBeallitasAllapot::Ertek(const TBeallitasKulcs& k) const {
  switch (k.fajta) {
    case TKulcsFajta::kBetukeszlet:
      return {0, KivalasztottBetukeszlet()};
    case TKulcsFajta::kLista:
      return {V.*k.egesz, {}};
    case TKulcsFajta::kMeret:
      return {MeretErtek(V.*k.egesz), {}};
    case TKulcsFajta::kESzovegirany:
      return {V.*k.egesz == 0 ? 1 : 2, {}};
    case TKulcsFajta::kLogikai:
      return {V.*k.logikai ? 1 : 0, {}};
    case TKulcsFajta::kSzoveg:
    case TKulcsFajta::kDatum:
      break;
  }
  return {0, V.*k.szoveg};
}

void TBeallitasAllapot::Alkalmaz() {
  for (const TBeallitasKulcs& k : kKulcsok) {
    if (k.modell) k.modell(modell_, Ertek(k));
  }
}

void TBeallitasAllapot::BetukeszletValtozas() {
  modell_.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(KivalasztottBetukeszlet()));
}

std::span<const TEngedelyezettVezerlo> EngedelyezettVezerlok() {
  using E = TEngedelyezes;
  static constexpr TEngedelyezettVezerlo kTabla[] = {
      {"PKiterjesztettBetuk", &E::PKiterjesztettBetuk},
      {"PMelyK", &E::PMelyK},
      {"POsszerovas", &E::POsszerovas},
      {"PKepjelek", &E::PKepjelek},
      {"PSzamok", &E::PSzamok},
      {"PSzamokBJ", &E::PSzamokBJ},
      {"LaKHasznalatiMod", &E::LaKHasznalatiMod},
      {"LHHatokor", &E::LHHatokor},
      {"PHIsmetlodoEgyesit", &E::PHIsmetlodoEgyesit},
      {"PHHosszutRovidit", &E::PHHosszutRovidit},
      {"PHKezdoEKihagy", &E::PHKezdoEKihagy},
      {"SzEBetukeszlet", &E::Egyeni},
      {"LESzovegirany", &E::Egyeni},
      {"SzEElsoKor", &E::Egyeni},
      {"SzEMasodikKor", &E::Egyeni},
      {"SzESzamokKore", &E::Egyeni},
      {"SzEGepeleskor", &E::Egyeni},
      {"LBetukeszlet", &E::Alap},
      {"LIrany", &E::Alap},
  };
  return kTabla;
}

TEngedelyezes TBeallitasAllapot::Engedelyezes() const {
  const bool egyeni = V.PEgyeniBeallitasok;
  const TBetuKepesseg* cap = modell_.BetuKepesseg.get();
  const int m = V.LHModszer;
  auto van = [&](bool TBetuKepesseg::*jelzo) { return cap != nullptr && cap->*jelzo; };
  TEngedelyezes e;
  e.PKiterjesztettBetuk = !egyeni && van(&TBetuKepesseg::VanKiterjesztett);
  e.PMelyK = !egyeni && van(&TBetuKepesseg::VanMelyK);
  e.POsszerovas = !egyeni && van(&TBetuKepesseg::VanOsszerovas);
  e.PKepjelek = !egyeni && van(&TBetuKepesseg::VanKepjel);
  e.PSzamok = !egyeni && van(&TBetuKepesseg::VanRovasSzam);
  e.PSzamokBJ = !egyeni && van(&TBetuKepesseg::VanSzamjegy) && !V.PSzamok;
  e.LaKHasznalatiMod = !egyeni && van(&TBetuKepesseg::VanMelyK) && V.PMelyK;
  e.LHHatokor = m == 3 || m == 4;
  e.PHIsmetlodoEgyesit = m != 0;
  e.PHHosszutRovidit = m != 0 && m != 5;
  e.PHKezdoEKihagy = m == 3 || m == 4;
  e.Egyeni = egyeni;
  e.Alap = !egyeni;
  return e;
}

namespace {

// The loader's rule for one key: `ertek` is the stored text (already cut), or
// nullopt when the key is missing. A missing or invalid value keeps the control.
void KulcsErtek(const TBeallitasKulcs& k, const std::optional<std::string>& ertek,
                TBeallitasVezerlok& v, TIdopont& utolsoFrissites) {
  std::optional<int> szam = ertek ? platform::ParseIniInteger(*ertek) : std::nullopt;
  switch (k.fajta) {
    case TKulcsFajta::kBetukeszlet:
      if (const int i = ertek ? BetukeszletIndex(*ertek) : -1; i >= 0) v.*k.egesz = i;
      return;
    case TKulcsFajta::kLista:
      if (szam && *szam >= 0 && *szam < k.valasztasok) v.*k.egesz = *szam;
      return;
    case TKulcsFajta::kMeret:
      if (!szam) return;
      for (std::size_t i = 0; i < kMeretek.size(); ++i) {
        if (kMeretek[i] == std::to_string(*szam)) v.*k.egesz = static_cast<int>(i);
      }
      return;
    case TKulcsFajta::kLogikai:
      if (szam) v.*k.logikai = *szam != 0;
      return;
    case TKulcsFajta::kESzovegirany:
      if (szam && (*szam == 1 || *szam == 2)) v.*k.egesz = *szam - 1;
      return;
    case TKulcsFajta::kSzoveg:
      v.*k.szoveg = Vagott(ertek ? *ertek : v.*k.szoveg);
      return;
    case TKulcsFajta::kDatum:
      v.*k.szoveg = Vagott(ertek ? *ertek : v.*k.szoveg);
      utolsoFrissites = DatumErtelmezes(v.*k.szoveg);
      return;
  }
}

}  // namespace

bool TBeallitasAllapot::KulcsBeallitasa(std::string_view kulcs, std::string_view ertek) {
  for (const TBeallitasKulcs& k : kKulcsok) {
    if (KisNagyEgyezik(k.nev, kulcs)) {
      KulcsErtek(k, Vagott(ertek), V, utolsoFrissites_);
      return true;
    }
  }
  return false;
}

TBeallitasEredmeny TBeallitasAllapot::Betoltes() { return Betolt(RovasIni()); }
TBeallitasEredmeny TBeallitasAllapot::BetoltesFajlbol(const std::string& utvonal) {
  return Betolt(utvonal);
}
TBeallitasEredmeny TBeallitasAllapot::Mentes() { return Ment(RovasIni()); }
TBeallitasEredmeny TBeallitasAllapot::MentesFajlba(const std::string& utvonal) {
  return Ment(utvonal);
}

TBeallitasEredmeny TBeallitasAllapot::Betolt(const std::string& utvonal) {
  const platform::IniFile ini(utvonal);
  TBeallitasVezerlok olvasott = V;
  TIdopont frissites = utolsoFrissites_;
  for (const TBeallitasKulcs& k : kKulcsok)
    KulcsErtek(k, ini.Read(k.szakasz, k.nev), olvasott, frissites);
  if (!ini.ReadStatus().ok())
    return {false,
            letrehozas_ ? std::string() : std::string(kBetoltesHiba) + ini.ReadStatus().Message()};
  V = olvasott;
  utolsoFrissites_ = frissites;
  Alkalmaz();
  return {};
}

TBeallitasEredmeny TBeallitasAllapot::Ment(const std::string& utvonal) {
  Alkalmaz();
  // Every key in one replacement of the file: a failure leaves it as it was.
  std::vector<platform::IniEntry> kulcsok;
  kulcsok.reserve(std::size(kKulcsok));
  for (const TBeallitasKulcs& k : kKulcsok) {
    const TKulcsErtek e = Ertek(k);
    switch (k.fajta) {
      case TKulcsFajta::kLogikai:
        kulcsok.push_back({k.szakasz, k.nev, e.szam != 0 ? "1" : "0"});
        break;
      case TKulcsFajta::kLista:
      case TKulcsFajta::kMeret:
      case TKulcsFajta::kESzovegirany:
        kulcsok.push_back({k.szakasz, k.nev, std::to_string(e.szam)});
        break;
      default:
        kulcsok.push_back({k.szakasz, k.nev, e.szoveg});
    }
  }
  const platform::Status iras = platform::IniFile(utvonal).WriteStrings(kulcsok);
  if (!iras.ok())
    return {false, letrehozas_ ? std::string() : std::string(kMentesHiba) + iras.Message()};
  return {};
}

void TBeallitasAllapot::UtolsoFrissitesRogzitese() {
  // The date is a convenience; a refused write must not disturb the download.
  (void)platform::IniFile(RovasIni()).WriteString(kEgyeni, "LUtolsoFrissites", DatumSzoveg(Most()));
}

bool TBeallitasAllapot::SzoListaBetoltese() { return SzoListaBetoltese(SzoXml()); }

bool TBeallitasAllapot::SzoListaBetoltese(const std::string& utvonal) {
  TSzoLista lista;
  if (!SzoListaOlvasasa(utvonal, lista).ok()) {
    KivetelesSzavakAtadasa(std::nullopt);
    return false;
  }
  KivetelesSzavakAtadasa(std::move(lista));
  return true;
}

void TBeallitasAllapot::KivetelesSzavakAtadasa(std::optional<TSzoLista> lista) {
  if (!lista) {
    V.CSzavakSzama = "0";
    return;
  }
  V.CSzavakSzama = std::to_string(lista->size());
  modell_.SetKivetelesSzoLista(std::make_unique<TSzoLista>(std::move(*lista)));
}

TLetoltesEredmeny TBeallitasAllapot::Letoltes(bool csendes) {
  TLetoltesEredmeny e;
  // The window keeps handling timers while a download runs; one at a time.
  if (letoltesFolyik_) return e;
  letoltesFolyik_ = true;
  struct TVege {
    bool& folyik;
    ~TVege() { folyik = false; }
  } vege{letoltesFolyik_};

  const std::string cim =
      kornyezet_.HonlapCim.empty() ? V.SzoXmlCim : kornyezet_.HonlapCim + "/szo.xml";
  const std::string szoXml = SzoXml();
  const std::string ideiglenes = szoXml + ".tmp";
  std::string hiba;
  const std::string urlHiba = "Hiba az URL betöltésekor: "_hu + cim;

  // The list is held and checked in memory; szo.xml is replaced only by a
  // whole, working list. An earlier szo.xml.tmp is never read: it goes (a
  // link itself, never what it points to).
  ::unlink(ideiglenes.c_str());
  std::string tartalom;
  const platform::Status letoltes =
      platform::Download(cim, tartalom, kornyezet_.LetoltesIdokorlat, kornyezet_.LetoltesKozben);
  if (letoltes.IsNotSupported()) {
    hiba = kLibcurlHianyzik;
  } else if (!letoltes.ok()) {
    hiba = urlHiba + "\r\n" + letoltes.Message();
  } else if (!SzoListaTeljes(tartalom)) {
    // A cut-off list must not replace a whole one, nor count as an update.
    hiba = urlHiba + "\r\nthe list arrived incomplete";
  } else if (tartalom.size() > kSzoXmlMaxMeret) {
    hiba = urlHiba + "\r\nthe list is larger than " + std::to_string(kSzoXmlMaxMeret >> 20) + " MB";
  } else {
    TSzoLista lista = SzoListaSzovegbol(tartalom);
    // A list whose patterns fail or run away would make every transliteration fail.
    if (const platform::Status proba = SzoListaProbaja(lista); !proba.ok()) {
      hiba = urlHiba + "\r\n" + proba.Message();
    } else {
      UtolsoFrissitesRogzitese();
      if (!lista.empty()) {
        const TIdopont most = Most();
        V.LUtolsoFrissites = DatumSzoveg(most);
        utolsoFrissites_ = most;
        KivetelesSzavakAtadasa(std::move(lista));
        e.ListaAtveve = true;
        // A refused replacement is not reported: the list is in use for this run.
        (void)platform::ReplaceFile(szoXml, tartalom);
      } else {
        // A list without words stays beside the old one for a look, in a file
        // made afresh (never through a link planted under its name).
        const int fd =
            ::open(ideiglenes.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
          (void)!::write(fd, tartalom.data(), tartalom.size());
          ::close(fd);
        }
      }
    }
  }

  e.Siker = hiba.empty();
  if (!csendes) {
    e.UzenetFajta = e.Siker ? TLetoltesEredmeny::kInformacio : TLetoltesEredmeny::kHiba;
    e.Uzenet = e.Siker ? std::string(kFrissitesSikeres) : std::string(kFrissitesSikertelen) + hiba;
  }
  return e;
}

bool TBeallitasAllapot::AutomatikusLetoltesEsedekes() const {
  return ::AutomatikusLetoltesEsedekes(V.PKivetelesSzavakOnmukodo, utolsoFrissites_, Most());
}
