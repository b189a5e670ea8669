#include "ui/settings/beallitasallapot.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <memory>

#include "fonts/betukepesseg.h"
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

bool Letezik(const std::string& utvonal) {
  struct stat st {};
  return ::stat(utvonal.c_str(), &st) == 0;
}

// How a key's stored text becomes a control value.
enum class TFajta { kBetukeszlet, kLista, kMeret, kLogikai, kSzoveg, kESzovegirany, kDatum };

struct TKulcs {
  std::string_view szakasz;
  std::string_view nev;
  TFajta fajta;
  int TBeallitasVezerlok::*egesz = nullptr;
  bool TBeallitasVezerlok::*logikai = nullptr;
  std::string TBeallitasVezerlok::*szoveg = nullptr;
  int valasztasok = 0;  // kLista: number of choices
};

using Vz = TBeallitasVezerlok;

TKulcs Lista(std::string_view sz, std::string_view nev, int Vz::*m, std::size_t valasztasok) {
  return {sz, nev, TFajta::kLista, m, nullptr, nullptr, static_cast<int>(valasztasok)};
}
TKulcs Egesz(std::string_view sz, std::string_view nev, TFajta f, int Vz::*m) {
  return {sz, nev, f, m};
}
TKulcs Logikai(std::string_view sz, std::string_view nev, bool Vz::*m) {
  return {sz, nev, TFajta::kLogikai, nullptr, m};
}
TKulcs Szoveg(std::string_view sz, std::string_view nev, TFajta f, std::string Vz::*m) {
  return {sz, nev, f, nullptr, nullptr, m};
}

// Every key of rovas.ini, in file order.
const TKulcs kKulcsok[] = {
    Egesz(kAlap, "LBetukeszlet", TFajta::kBetukeszlet, &Vz::LBetukeszlet),
    Lista(kAlap, "LIrany", &Vz::LIrany, kIranyok.size()),
    Egesz(kAlap, "LMeret", TFajta::kMeret, &Vz::LMeret),
    Logikai(kAlap, "PKivetelesSzavak", &Vz::PKivetelesSzavak),
    Logikai(kAlap, "PKiterjesztettBetuk", &Vz::PKiterjesztettBetuk),
    Logikai(kAlap, "PMelyK", &Vz::PMelyK),
    Lista(kAlap, "LaKHasznalatiMod", &Vz::LaKHasznalatiMod, kAKHasznalatiModok.size()),
    Logikai(kAlap, "POsszerovas", &Vz::POsszerovas),
    Logikai(kAlap, "PKepjelek", &Vz::PKepjelek),
    Logikai(kAlap, "PSzamok", &Vz::PSzamok),
    Logikai(kAlap, "PSzamokBJ", &Vz::PSzamokBJ),
    Lista(kAlap, "LHModszer", &Vz::LHModszer, kHModszerek.size()),
    Lista(kAlap, "LHHatokor", &Vz::LHHatokor, kHHatokorok.size()),
    Logikai(kAlap, "PHIsmetlodoEgyesit", &Vz::PHIsmetlodoEgyesit),
    Logikai(kAlap, "PHHosszutRovidit", &Vz::PHHosszutRovidit),
    Logikai(kAlap, "PHKezdoEKihagy", &Vz::PHKezdoEKihagy),
    Logikai(kEgyeni, "PEgyeniBeallitasok", &Vz::PEgyeniBeallitasok),
    Szoveg(kEgyeni, "SzEBetukeszlet", TFajta::kSzoveg, &Vz::SzEBetukeszlet),
    Egesz(kEgyeni, "LESzovegirany", TFajta::kESzovegirany, &Vz::LESzovegirany),
    Szoveg(kEgyeni, "SzEElsoKor", TFajta::kSzoveg, &Vz::SzEElsoKor),
    Szoveg(kEgyeni, "SzEMasodikKor", TFajta::kSzoveg, &Vz::SzEMasodikKor),
    Szoveg(kEgyeni, "SzESzamokKore", TFajta::kSzoveg, &Vz::SzESzamokKore),
    Szoveg(kEgyeni, "SzEGepeleskor", TFajta::kSzoveg, &Vz::SzEGepeleskor),
    Logikai(kEgyeni, "PKivetelesSzavakOnmukodo", &Vz::PKivetelesSzavakOnmukodo),
    Logikai(kEgyeni, "POffice2010", &Vz::POffice2010),
    Szoveg(kEgyeni, "LUtolsoFrissites", TFajta::kDatum, &Vz::LUtolsoFrissites),
};

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
    : modell_(modell), kornyezet_(std::move(kornyezet)) {
  if (kornyezet_.HonlapCim.empty()) kornyezet_.HonlapCim = kHonlapCim;
}

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
    if (Letezik(RovasIni())) {
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
  const std::vector<std::string>& nevek = FelkinaltBetukeszletek();
  V.LBetukeszlet = 0;
  for (std::size_t i = 0; i < nevek.size(); ++i) {
    if (nevek[i] == beallitas_alap::Betukeszlet) V.LBetukeszlet = static_cast<int>(i);
  }
  V.LIrany = 0;
  V.LMeret = 11;  // "16"
  V.PKivetelesSzavak = true;
  V.PKiterjesztettBetuk = true;
  V.PMelyK = true;
  V.LaKHasznalatiMod = 0;
  V.POsszerovas = false;
  V.PKepjelek = false;
  V.PSzamok = false;
  V.PSzamokBJ = true;
  V.LHModszer = 0;
  V.LHHatokor = 0;
  V.PHIsmetlodoEgyesit = true;
  V.PHHosszutRovidit = false;
  V.PHKezdoEKihagy = true;
  V.PEgyeniBeallitasok = false;
  V.LESzovegirany = 0;
  V.SzEBetukeszlet = beallitas_alap::EBetukeszlet;
  V.SzEElsoKor = beallitas_alap::EElsoKor;
  V.SzEMasodikKor = beallitas_alap::EMasodikKor;
  V.SzESzamokKore = beallitas_alap::ESzamokKore;
  V.SzEGepeleskor = beallitas_alap::EGepeleskor;
  V.PKivetelesSzavakOnmukodo = true;
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

void TBeallitasAllapot::Alkalmaz() {
  TRovasBeallitasok& m = modell_;
  m.SetBetukeszlet(KivalasztottBetukeszlet());
  m.SetIrany(static_cast<uint8_t>(V.LIrany));
  m.SetMeret(MeretErtek(V.LMeret));
  m.SetKivetelesSzavak(V.PKivetelesSzavak);
  m.SetKiterjesztettBetuk(V.PKiterjesztettBetuk);
  m.SetMelyK(V.PMelyK);
  m.SetAKHasznalatiMod(static_cast<uint8_t>(V.LaKHasznalatiMod));
  m.SetOsszerovas(V.POsszerovas);
  m.SetKepjelek(V.PKepjelek);
  m.SetSzamok(V.PSzamok);
  m.SetSzamokBJ(V.PSzamokBJ);
  m.SetHModszer(static_cast<uint8_t>(V.LHModszer));
  m.SetHHatokor(static_cast<uint8_t>(V.LHHatokor));
  m.SetHIsmetlodoEgyesit(V.PHIsmetlodoEgyesit);
  m.SetHHosszutRovidit(V.PHHosszutRovidit);
  m.SetHKezdoEKihagy(V.PHKezdoEKihagy);
  m.SetEgyeniBeallitasok(V.PEgyeniBeallitasok);
  m.SetEBetukeszlet(V.SzEBetukeszlet);
  m.SetESzovegirany(V.LESzovegirany == 0 ? 1 : 2);
  m.SetEElsoKor(V.SzEElsoKor);
  m.SetEMasodikKor(V.SzEMasodikKor);
  m.SetESzamokKore(V.SzESzamokKore);
  m.SetEGepeleskor(V.SzEGepeleskor);
}

void TBeallitasAllapot::BetukeszletValtozas() {
  modell_.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(KivalasztottBetukeszlet()));
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
void KulcsErtek(const TKulcs& k, const std::optional<std::string>& ertek, TBeallitasVezerlok& v,
                TIdopont& utolsoFrissites) {
  std::optional<int> szam = ertek ? platform::ParseIniInteger(*ertek) : std::nullopt;
  switch (k.fajta) {
    case TFajta::kBetukeszlet: {
      if (!ertek) return;
      const std::vector<std::string>& nevek = FelkinaltBetukeszletek();
      for (std::size_t i = 0; i < nevek.size(); ++i) {
        if (KisNagyEgyezik(*ertek, nevek[i])) {
          v.*k.egesz = static_cast<int>(i);
          return;
        }
      }
      return;
    }
    case TFajta::kLista:
      if (szam && *szam >= 0 && *szam < k.valasztasok) v.*k.egesz = *szam;
      return;
    case TFajta::kMeret:
      if (!szam) return;
      for (std::size_t i = 0; i < kMeretek.size(); ++i) {
        if (kMeretek[i] == std::to_string(*szam)) v.*k.egesz = static_cast<int>(i);
      }
      return;
    case TFajta::kLogikai:
      if (szam) v.*k.logikai = *szam != 0;
      return;
    case TFajta::kESzovegirany:
      if (szam && (*szam == 1 || *szam == 2)) v.*k.egesz = *szam - 1;
      return;
    case TFajta::kSzoveg:
      v.*k.szoveg = Vagott(ertek ? *ertek : v.*k.szoveg);
      return;
    case TFajta::kDatum:
      v.*k.szoveg = Vagott(ertek ? *ertek : v.*k.szoveg);
      utolsoFrissites = DatumErtelmezes(v.*k.szoveg);
      return;
  }
}

}  // namespace

bool TBeallitasAllapot::KulcsBeallitasa(std::string_view kulcs, std::string_view ertek) {
  for (const TKulcs& k : kKulcsok) {
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
  try {
    platform::IniFile ini(utvonal);
    for (const TKulcs& k : kKulcsok) KulcsErtek(k, ini.Read(k.szakasz, k.nev), V, utolsoFrissites_);
  } catch (const std::exception& e) {
    return {false, letrehozas_ ? std::string() : std::string(kBetoltesHiba) + e.what()};
  }
  Alkalmaz();
  return {};
}

TBeallitasEredmeny TBeallitasAllapot::Ment(const std::string& utvonal) {
  platform::IniFile ini(utvonal);
  Alkalmaz();
  const TRovasBeallitasok& m = modell_;
  try {
    ini.WriteString(kAlap, "LBetukeszlet", m.Betukeszlet);
    ini.WriteInteger(kAlap, "LIrany", m.Irany);
    ini.WriteInteger(kAlap, "LMeret", m.Meret);
    ini.WriteBool(kAlap, "PKivetelesSzavak", m.KivetelesSzavak);
    ini.WriteBool(kAlap, "PKiterjesztettBetuk", m.KiterjesztettBetuk);
    ini.WriteBool(kAlap, "PMelyK", m.MelyK);
    ini.WriteInteger(kAlap, "LaKHasznalatiMod", V.LaKHasznalatiMod);
    ini.WriteBool(kAlap, "POsszerovas", m.Osszerovas);
    ini.WriteBool(kAlap, "PKepjelek", m.Kepjelek);
    ini.WriteBool(kAlap, "PSzamok", m.Szamok);
    ini.WriteBool(kAlap, "PSzamokBJ", m.SzamokBJ);
    ini.WriteInteger(kAlap, "LHModszer", m.HModszer);
    ini.WriteInteger(kAlap, "LHHatokor", m.HHatokor);
    ini.WriteBool(kAlap, "PHIsmetlodoEgyesit", m.HIsmetlodoEgyesit);
    ini.WriteBool(kAlap, "PHHosszutRovidit", m.HHosszutRovidit);
    ini.WriteBool(kAlap, "PHKezdoEKihagy", m.HKezdoEKihagy);
    ini.WriteBool(kEgyeni, "PEgyeniBeallitasok", m.EgyeniBeallitasok);
    ini.WriteString(kEgyeni, "SzEBetukeszlet", m.EBetukeszlet);
    ini.WriteInteger(kEgyeni, "LESzovegirany", m.ESzovegirany);
    ini.WriteString(kEgyeni, "SzEElsoKor", m.EElsoKor);
    ini.WriteString(kEgyeni, "SzEMasodikKor", m.EMasodikKor);
    ini.WriteString(kEgyeni, "SzESzamokKore", m.ESzamokKore);
    ini.WriteString(kEgyeni, "SzEGepeleskor", m.EGepeleskor);
    ini.WriteBool(kEgyeni, "PKivetelesSzavakOnmukodo", V.PKivetelesSzavakOnmukodo);
    ini.WriteBool(kEgyeni, "POffice2010", V.POffice2010);
    ini.WriteString(kEgyeni, "LUtolsoFrissites", V.LUtolsoFrissites);
  } catch (const std::exception& e) {
    return {false, letrehozas_ ? std::string() : std::string(kMentesHiba) + e.what()};
  }
  return {};
}

void TBeallitasAllapot::UtolsoFrissitesRogzitese() {
  try {
    platform::IniFile(RovasIni()).WriteString(kEgyeni, "LUtolsoFrissites", DatumSzoveg(Most()));
  } catch (...) {
    // The date is a convenience; a refused write must not disturb the download.
  }
}

bool TBeallitasAllapot::SzoListaBetoltese() { return SzoListaBetoltese(SzoXml()); }

bool TBeallitasAllapot::SzoListaBetoltese(const std::string& utvonal) {
  std::optional<TSzoLista> lista;
  try {
    lista = SzoListaOlvasasa(utvonal);
  } catch (const ESzoLista&) {
    lista.reset();
  }
  bool van = lista.has_value();
  KivetelesSzavakAtadasa(std::move(lista));
  return van;
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

  const std::string cim = kornyezet_.HonlapCim + "/szo.xml";
  const std::string szoXml = SzoXml();
  const std::string ideiglenes = szoXml + ".tmp";
  std::string hiba;
  const std::string urlHiba = "Hiba az URL betöltésekor: "_hu + cim;

  platform::DownloadResult letoltes = platform::DownloadToFile(
      cim, ideiglenes, kornyezet_.LetoltesIdokorlat, kornyezet_.LetoltesKozben);
  if (letoltes.status == platform::DownloadResult::kNoFacility) {
    hiba = "Nem lehet a(z) URLMON.DLL-t betölteni"_hu;
  } else if (!letoltes.ok()) {
    hiba = urlHiba + "\r\n" + letoltes.detail;
  } else if (Letezik(ideiglenes)) {
    try {
      const std::optional<std::string> tartalom = SzoXmlOlvasasa(ideiglenes);
      if (!tartalom || !SzoListaTeljes(*tartalom)) {
        // A cut-off list must not replace a whole one, nor count as an update.
        ::unlink(ideiglenes.c_str());
        throw ESzoLista(urlHiba + "\r\nthe list arrived incomplete");
      }
      UtolsoFrissitesRogzitese();
      TSzoLista lista = SzoListaSzovegbol(*tartalom);
      if (!lista.empty()) {
        const TIdopont most = Most();
        V.LUtolsoFrissites = DatumSzoveg(most);
        utolsoFrissites_ = most;
        KivetelesSzavakAtadasa(std::move(lista));
        e.ListaAtveve = true;
        // A refused replacement is not reported: the list is in use for this run.
        std::rename(ideiglenes.c_str(), szoXml.c_str());
        if (Letezik(ideiglenes)) ::unlink(ideiglenes.c_str());
      }
    } catch (const std::exception& ex) {
      hiba = ex.what();
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
