#include "engine/karvo.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<unsigned char, 256> KisbetuTabla() {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<unsigned char>(c + 32);
  // Á É Í Ó Ő Ö Ú Ű Ü
  for (int c : {0xC1, 0xC9, 0xCD, 0xD3, 0xD5, 0xD6, 0xDA, 0xDB, 0xDC}) t[c] = c + 0x20;
  return t;
}

constexpr std::array<unsigned char, 256> TukorTabla() {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  // "(" goes through 0x02 to ")", so a 0x02 of the input ends as ")" too.
  t['('] = ')';
  t[')'] = '(';
  t[0x02] = ')';
  t['['] = ']';
  t[']'] = '[';
  t['{'] = '}';
  t['}'] = '{';
  return t;
}

constexpr auto kKisbetu = KisbetuTabla();
constexpr auto kTukor = TukorTabla();

std::string Lekepez(std::string_view szoveg, const std::array<unsigned char, 256>& t) {
  std::string s(szoveg);
  for (char& c : s) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
  return s;
}

// A model without a capability record is built as for an uncatalogued font
// (every flag false), which is also the direction the model reports then.
const TBetuKepesseg& NincsKepesseg() {
  static const TBetuKepesseg k{std::string_view{}};
  return k;
}

}  // namespace

std::string KisbetusreAlakit(std::string_view szoveg) { return Lekepez(szoveg, kKisbetu); }

std::string ZarojeleketTukroz(std::string_view szoveg) { return Lekepez(szoveg, kTukor); }

std::string TRovoMuszakiJavito::Alkalmaz(std::string_view szoveg) const {
  std::string s(szoveg);
  s.erase(std::remove(s.begin(), s.end(), '\x08'), s.end());
  return s;
}

TKarvo::TKarvo(TRovasBeallitasok& beallitasok) { Epit(beallitasok); }

TKarvo::~TKarvo() = default;

bool TKarvo::Epit(TRovasBeallitasok& m) {
  if (beallitasok_ == &m && !m.Valtozott) return false;
  beallitasok_ = &m;
  kivetelezo_.reset();
  hangzougrato_.reset();
  elso_kor_.reset();
  masodik_kor_.reset();
  szam_.reset();
  javito_.reset();

  const TBetuKepesseg& k = m.BetuKepesseg ? *m.BetuKepesseg : NincsKepesseg();
  std::string r1, r2, rn;
  const bool jb = m.HasznaltIrany() == 1;

  if (m.EgyeniBeallitasok) {
    r1 = m.EElsoKor;
    r2 = m.EMasodikKor;
    rn = m.ESzamokKore;
  } else {
    r1 = Hozzafuz(r1, k.BetukKore);
    r1 = Hozzafuz(r1, jb ? k.BetukKoreJB : k.BetukKoreBJ);
    r1 = Hozzafuz(r1, m.KiterjesztettBetuk && k.VanKiterjesztett ? k.KiterjesztettKor
                                                                 : k.KiterjesztettPotlas);
    if (m.MelyK) {
      const uint8_t mod = m.AKHasznalatiMod;
      if (mod == 2 || mod == 3) r1 = Hozzafuz(r1, k.MelyKSzoElejen);
      if (mod == 1 || mod == 3) r1 = Hozzafuz(r1, k.MelyKSzoVegen);
      if (mod == 0) r1 = Hozzafuz(r1, k.MelyKHangrendi);
    }
    if (m.Osszerovas) {
      r1 = Hozzafuz(r1, k.OsszerovasElso);
      r2 = Hozzafuz(r2, k.OsszerovasMasodik);
    }
    if (m.Kepjelek) {
      r1 = Hozzafuz(r1, k.KepjelekElso);
      r2 = Hozzafuz(r2, k.KepjelekMasodik);
    }
    if (m.Szamok) {
      rn = Hozzafuz(rn, k.SzamokKore);
      rn = Hozzafuz(rn, jb ? k.SzamokKoreJB : k.SzamokKoreBJ);
    } else {
      rn = Hozzafuz(rn, k.SzamjegyKor);
    }
  }

  kisbetus_ = !k.Nagybetus;
  static const std::vector<std::string> kUres;
  const std::vector<std::string>* lista =
      m.KivetelesSzavak && m.KivetelesSzoLista ? m.KivetelesSzoLista.get() : &kUres;
  kivetelezo_ = std::make_unique<TRovoKivetelezo>(lista);
  const unsigned char ak_jel =
      m.MelyK && !k.MelyKJel.empty() ? static_cast<unsigned char>(k.MelyKJel[0]) : 0;
  hangzougrato_ = std::make_unique<TRovoHangzougrato>(m.HModszer, m.HHatokor, m.HIsmetlodoEgyesit,
                                                      m.HHosszutRovidit, m.HKezdoEKihagy, ak_jel);
  elso_kor_ = std::make_unique<TGyorsRovo>(r1, ',', '-');
  masodik_kor_ = std::make_unique<TGyorsRovo>(r2, ',', '-');
  const bool szamok_be = m.EgyeniBeallitasok ? !rn.empty() : m.Szamok;
  szam_ = std::make_unique<TRovoSzam>(rn, ',', '-', szamok_be, m.SzamokBJ, jb);
  javito_ = std::make_unique<TRovoMuszakiJavito>();
  szamok_elore_ = k.SzamokElore;
  r1_ = std::move(r1);
  r2_ = std::move(r2);
  rn_ = std::move(rn);
  m.SetValtozott(false);
  return true;
}

std::string TKarvo::Atrov(std::string_view szoveg) {
  Epit(*beallitasok_);
  if (szoveg.empty()) return {};
  const TRegKif::OutputBudget keret(KimenetKeret(szoveg.size()));
  std::string s = kisbetus_ ? KisbetusreAlakit(szoveg) : std::string(szoveg);
  if (beallitasok_->HasznaltIrany() == 1) s = ZarojeleketTukroz(s);
  s = kivetelezo_->Alkalmaz(s);
  s = hangzougrato_->Alkalmaz(s);
  if (szamok_elore_) s = szam_->Alkalmaz(s);
  s = elso_kor_->Alkalmaz(s);
  s = masodik_kor_->Alkalmaz(s);
  if (!szamok_elore_) s = szam_->Alkalmaz(s);
  return javito_->Alkalmaz(s);
}
