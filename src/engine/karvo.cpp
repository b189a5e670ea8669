// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/karvo.h"

#include <algorithm>
#include <array>
#if defined(__SSE2__) && !defined(ROVAS_NO_SIMD)
#include <emmintrin.h>
#endif

#include "engine/vezerlobajtok.h"

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
  t[kZarojelHely] = ')';
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

// Maps every byte of `s` through `tabla`, which folds A-Z and the accented
// capitals of kKisbetu when `kisbetus` and, when `tukor`, swaps brackets and
// turns 0x02 into ")": the folding is done 16 bytes at a time, the few
// brackets go through the table one by one.
void LekepezHelyben(std::string& s, const std::array<unsigned char, 256>& tabla, bool kisbetus,
                    bool tukor) {
  if (!kisbetus && !tukor) return;  // the table changes nothing
  char* d = s.data();
  const size_t n = s.size();
  size_t i = 0;
#if defined(__SSE2__) && !defined(ROVAS_NO_SIMD)
  const __m128i eltol = _mm_set1_epi8(static_cast<char>(0x80 - 'A'));
  const __m128i nagy = _mm_set1_epi8(static_cast<char>(0x80 + 26));
  const __m128i kis = _mm_set1_epi8(kisbetus ? 32 : 0);
  const __m128i eltol_ekezetes = _mm_set1_epi8(static_cast<char>(0x80 - 0xC1));
  const __m128i ekezetes = _mm_set1_epi8(static_cast<char>(0x80 + 0xDC - 0xC1 + 1));
  auto egyenlo = [](__m128i v, int c) {
    return _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(c)));
  };
  for (; i + 16 <= n; i += 16) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    __m128i betu = _mm_cmplt_epi8(_mm_add_epi8(v, eltol), nagy);
    // Á É Í Ó Ő Ö Ú Ű Ü, 0x20 below their small letters, are looked for only
    // when a byte of 0xC1..0xDC is there at all.
    if (kisbetus && _mm_movemask_epi8(_mm_cmplt_epi8(_mm_add_epi8(v, eltol_ekezetes), ekezetes))) {
      for (int c : {0xC1, 0xC9, 0xCD, 0xD3, 0xD5, 0xD6, 0xDA, 0xDB, 0xDC})
        betu = _mm_or_si128(betu, egyenlo(v, c));
    }
    v = _mm_add_epi8(v, _mm_and_si128(betu, kis));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), v);
    if (tukor) {
      __m128i zarojel = _mm_or_si128(egyenlo(v, '('), egyenlo(v, ')'));
      zarojel = _mm_or_si128(zarojel, _mm_or_si128(egyenlo(v, '['), egyenlo(v, ']')));
      zarojel = _mm_or_si128(zarojel, _mm_or_si128(egyenlo(v, '{'), egyenlo(v, '}')));
      zarojel = _mm_or_si128(zarojel, egyenlo(v, kZarojelHely));
      for (unsigned m = static_cast<unsigned>(_mm_movemask_epi8(zarojel)); m; m &= m - 1) {
        char& c = d[i + static_cast<size_t>(__builtin_ctz(m))];
        c = static_cast<char>(tabla[static_cast<unsigned char>(c)]);
      }
    }
  }
#else
  (void)kisbetus;
  (void)tukor;
#endif
  for (; i < n; ++i) d[i] = static_cast<char>(tabla[static_cast<unsigned char>(d[i])]);
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
  AlkalmazHelyben(s);
  return s;
}

void TRovoMuszakiJavito::AlkalmazHelyben(std::string& s) const { BajtotTorol(s, kElvalaszto); }

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
  const bool jb = m.JobbrolBalra();

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
  soronkent_.reset();
  ++valtozat_;
  m.SetValtozott(false);
  return true;
}

bool TKarvo::SoronkentAtrovhato() {
  Frissit();
  if (!soronkent_) {
    // Folding, mirroring and the separator removal work byte by byte.
    soronkent_ = kivetelezo_->SoronBelul() && hangzougrato_->SoronBelul() && szam_->SoronBelul() &&
                 elso_kor_->SoronBelul() && masodik_kor_->SoronBelul();
  }
  return *soronkent_;
}

std::string TKarvo::Atrov(std::string_view szoveg) {
  std::string s;
  s.reserve(Tartalekkal(szoveg.size()));
  s.assign(szoveg);
  AtrovHelyben(s);
  return s;
}

void TKarvo::AtrovHelyben(std::string& s) {
  int emlek = TRovoHangzougrato::kNincsEmlek;
  Futtat(s, emlek, nullptr);
}

void TKarvo::AtrovHelyben(std::string& s, std::vector<int>& sorvegek) {
  int emlek = TRovoHangzougrato::kNincsEmlek;
  Futtat(s, emlek, &sorvegek);
}

void TKarvo::SorAtrovasa(std::string& sor, int& emlek) { Futtat(sor, emlek, nullptr); }

void TKarvo::Futtat(std::string& s, int& emlek, std::vector<int>* sorvegek) {
  Epit(*beallitasok_);
  if (s.empty()) return;
  const TRegKif::OutputBudget keret(KimenetKeret(s.size()));
  // Folding and mirroring are one byte table; every stage then works on `s`.
  std::array<unsigned char, 256> tabla;
  const bool tukor = beallitasok_->JobbrolBalra();
  for (int c = 0; c < 256; ++c) {
    const unsigned char k = kisbetus_ ? kKisbetu[c] : static_cast<unsigned char>(c);
    tabla[c] = tukor ? kTukor[k] : k;
  }
  LekepezHelyben(s, tabla, kisbetus_, tukor);
  kivetelezo_->AlkalmazHelyben(s);
  hangzougrato_->AlkalmazHelyben(s, emlek, sorvegek);
  if (szamok_elore_) szam_->AlkalmazHelyben(s);
  elso_kor_->AlkalmazHelyben(s);
  masodik_kor_->AlkalmazHelyben(s);
  if (!szamok_elore_) szam_->AlkalmazHelyben(s);
  javito_->AlkalmazHelyben(s);
}
