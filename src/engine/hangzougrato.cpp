// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/hangzougrato.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/rovo.h"
#include "engine/vezerlobajtok.h"
#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

constexpr char kNemTorhetoSzokoz = "\u00A0"_hu[0];  // no-break space
constexpr char kHosszuE = "é"_hu[0];

enum : uint16_t {
  kMaganhangzo = 1 << 0,
  kMely = 1 << 1,            // back vowel
  kMagas = 1 << 2,           // front vowel
  kSzobetu = 1 << 3,         // word character of the word scope
  kMassalhangzo = 1 << 4,    // consonant-like follower (tested after the vowel tests)
  kEMarad = 1 << 5,          // follower that keeps an "e" in methods 1 and 2
  kElvalasztoKell = 1 << 6,  // follower that needs 0x08 in place of a dropped letter
  kMondatVege = 1 << 7,
};

constexpr std::array<uint16_t, 256> OsztalyTabla() {
  std::array<uint16_t, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[c] |= kSzobetu | kMassalhangzo;
  for (int c = '0'; c <= '9'; ++c) t[c] |= kSzobetu | kMassalhangzo;
  t[kElvalaszto] |= kSzobetu | kMassalhangzo;
  for (unsigned char c : std::string_view("aouáóú"_hu)) t[c] |= kMaganhangzo | kMely;
  for (unsigned char c : std::string_view("eiéíöőüű"_hu)) t[c] |= kMaganhangzo | kMagas;
  for (int c = 0; c < 256; ++c) {
    if (t[c] & kMaganhangzo) t[c] |= kSzobetu | kEMarad;
  }
  for (unsigned char c : {'!', ',', '-', '.', ';', '?', kNemTorhetoSzokoz}) t[c] |= kEMarad;
  for (unsigned char c : {'c', 'd', 's', 't', 'z'}) t[c] |= kElvalasztoKell;
  for (unsigned char c : {'!', '.', '?'}) t[c] |= kMondatVege;
  return t;
}

constexpr std::array<uint16_t, 256> kOsztaly = OsztalyTabla();

inline bool Van(char c, uint16_t osztaly) {
  return kOsztaly[static_cast<unsigned char>(c)] & osztaly;
}

// The harmony class of a byte; also the "last vowel class" state of method 4,
// whose values are its memory between texts.
enum class Hangrend { kNincs = TRovoHangzougrato::kNincsEmlek, kMely, kMagas };

Hangrend HangrendJe(char c) {
  if (Van(c, kMely)) return Hangrend::kMely;
  if (Van(c, kMagas)) return Hangrend::kMagas;
  return Hangrend::kNincs;
}

// Scope reset for methods 3 and 4: whether `c` ends the scope's unit.
bool Hatarol(unsigned char hatokor, char c) {
  if (hatokor == 0) return !Van(c, kSzobetu);
  if (hatokor == 1) return Van(c, kMondatVege);
  return false;
}

// The action of one step of the table walk: keep the letter, or write one of
// these in its place.
enum Akcio : uint32_t { kMarad, kElvalasztot, kJelet, kAkJelet };

}  // namespace

TRovoHangzougrato::TRovoHangzougrato(unsigned char modszer, unsigned char hatokor,
                                     bool ismetlodo_egyesit, bool hosszut_rovidit,
                                     bool kezdo_e_kihagy, unsigned char ak_jel)
    : modszer_(modszer), hatokor_(hatokor), kezdo_e_kihagy_(kezdo_e_kihagy), ak_jel_(ak_jel) {
  if (modszer_ == 0) return;
  egyesito_ = std::make_unique<TGyorsRovo>(ismetlodo_egyesit ? kIsmetlodoEgyesitoKor : "");
  rovidito_ = std::make_unique<TGyorsRovo>(hosszut_rovidit ? kHosszuRoviditoKor : "");
  if (modszer_ == 3 || modszer_ == 4) AtmenetEpit();
}

// Bytes fall into one class when every test of the walk treats them alike:
// each vowel is a class of its own (method 3 remembers which one), the others
// are told apart by the properties the walk reads and by being "k". Each
// entry is what one step of Setal does to a representative letter and
// follower, so the table walk gives Setal's result byte for byte.
void TRovoHangzougrato::AtmenetEpit() {
  std::vector<int> kulcsok;
  std::vector<char> kepviselo;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const int kulcs =
        Van(c, kMaganhangzo)
            ? 0x1000 + b
            : (kOsztaly[b] & (kSzobetu | kMassalhangzo | kElvalasztoKell | kMondatVege)) |
                  (c == 'k' ? 0x100 : 0);
    const auto it = std::find(kulcsok.begin(), kulcsok.end(), kulcs);
    osztaly_[b] = static_cast<uint8_t>(it - kulcsok.begin());
    if (it == kulcsok.end()) {
      kulcsok.push_back(kulcs);
      kepviselo.push_back(c);
    }
  }
  osztalyok_ = static_cast<uint32_t>(kulcsok.size());
  // What the walk may remember: nothing, or (method 3) a vowel, (method 4) a class.
  emlekek_ = {kNincsEmlek};
  if (modszer_ == 3) {
    for (int b = 0; b < 256; ++b) {
      if (Van(static_cast<char>(b), kMaganhangzo)) emlekek_.push_back(b);
    }
  } else {
    emlekek_.push_back(static_cast<int>(Hangrend::kMely));
    emlekek_.push_back(static_cast<int>(Hangrend::kMagas));
  }
  auto allapot = [this](int emlek) {
    return static_cast<uint32_t>(std::find(emlekek_.begin(), emlekek_.end(), emlek) -
                                 emlekek_.begin());
  };
  const uint32_t oo = osztalyok_ * osztalyok_;
  atmenet_.assign(2 * emlekek_.size() * oo, 0);
  const char ak = static_cast<char>(ak_jel_);
  for (uint32_t e = 0; e < emlekek_.size(); ++e) {
    for (uint32_t oc = 0; oc < osztalyok_; ++oc) {
      for (uint32_t ok = 0; ok < osztalyok_; ++ok) {
        // One step of Setal at a letter `c` followed by `kov`, remembering `utolso`.
        const char c = kepviselo[oc], kov = kepviselo[ok];
        int utolso = emlekek_[e];
        bool ugrik = false;
        Akcio akcio = kMarad;
        const Akcio kihagy = Van(kov, kElvalasztoKell) ? kElvalasztot : kJelet;
        if (Hatarol(hatokor_, c)) {
          utolso = kNincsEmlek;
        } else if (modszer_ == 3) {
          if (Van(c, kMaganhangzo)) {
            if (Van(kov, kMaganhangzo)) {
              utolso = static_cast<unsigned char>(kov);
              ugrik = true;
            } else if (Van(kov, kMassalhangzo) && ((kezdo_e_kihagy_ && utolso < 0 && c == 'e') ||
                                                   static_cast<unsigned char>(c) == utolso)) {
              akcio = kihagy;
            } else {
              utolso = static_cast<unsigned char>(c);
            }
          } else if (ak != 0 && c == 'k' && utolso >= 0 && Van(static_cast<char>(utolso), kMely)) {
            akcio = kAkJelet;
          }
        } else {
          const Hangrend h = HangrendJe(c), hk = HangrendJe(kov);
          const Hangrend u = static_cast<Hangrend>(utolso);
          if (h == Hangrend::kNincs) {
            if (ak != 0 && u == Hangrend::kMely && c == 'k') akcio = kAkJelet;
          } else if (hk != Hangrend::kNincs) {
            utolso = static_cast<int>(hk);
            ugrik = true;
          } else if (Van(kov, kMassalhangzo) &&
                     ((kezdo_e_kihagy_ && u == Hangrend::kNincs && c == 'e') || u == h)) {
            akcio = kihagy;
          } else {
            utolso = static_cast<int>(h);
          }
        }
        const uint32_t kov_allapot = 2 * allapot(utolso) + (ugrik ? 1 : 0);
        const uint32_t hely = oc * osztalyok_ + ok;
        atmenet_[2 * e * oo + hely] = (kov_allapot * oo) << 2 | akcio;
        // The second of two vowels is passed over, remembering the same.
        atmenet_[(2 * e + 1) * oo + hely] = (2 * e * oo) << 2 | kMarad;
      }
    }
  }
}

std::string TRovoHangzougrato::Alkalmaz(std::string_view szoveg) {
  std::string s(szoveg);
  AlkalmazHelyben(s);
  return s;
}

void TRovoHangzougrato::AlkalmazHelyben(std::string& s) {
  int emlek = kNincsEmlek;
  AlkalmazHelyben(s, emlek);
}

void TRovoHangzougrato::AlkalmazHelyben(std::string& s, int& emlek, std::vector<int>* sorvegek) {
  if (modszer_ == 0) return;
  egyesito_->AlkalmazHelyben(s);
  rovidito_->AlkalmazHelyben(s);
  s += kJel;  // end sentinel: the "next" of the last letter
  if (!atmenet_.empty() && AtmenettelSetal(s, emlek, sorvegek)) return;
  if (s.size() >= 2) Setal(s, emlek, sorvegek);
  BajtotTorol(s, kJel);
}

// Setal for methods 3 and 4, without a branch on the letters (the walk's
// branches followed the vowels of real text and were mispredicted at every
// other letter), deleting the bytes 0x01 on the way: each output byte is
// written at or before the byte just read. False, with the text untouched,
// when `emlek` is not a memory of this walk.
bool TRovoHangzougrato::AtmenettelSetal(std::string& s, int& emlek,
                                        std::vector<int>* sorvegek) const {
  const uint32_t oo = osztalyok_ * osztalyok_;
  const auto e = std::find(emlekek_.begin(), emlekek_.end(), emlek);
  if (e == emlekek_.end()) return false;
  // The state as the byte offset of its block in the table: one mask, no
  // shift, between a step's load and the next.
  uint32_t allapot = 2 * static_cast<uint32_t>(e - emlekek_.begin()) * oo * 4;
  const char csere[4] = {0, kElvalaszto, kJel, static_cast<char>(ak_jel_)};
  const char* t = reinterpret_cast<const char*>(atmenet_.data());
  const uint8_t* o = osztaly_.data();
  char* d = s.data();
  const size_t n = s.size();
  size_t ki = 0;
  uint32_t oc = o[static_cast<unsigned char>(d[0])] * osztalyok_ * 4;
  for (size_t i = 0; i + 1 < n; ++i) {
    const uint32_t ok = o[static_cast<unsigned char>(d[i + 1])] * 4u;
    uint32_t x;
    std::memcpy(&x, t + allapot + oc + ok, sizeof x);
    const char c = d[i];
    const uint32_t akcio = x & 3;
    const char uj = akcio ? csere[akcio] : c;
    d[ki] = uj;
    ki += uj != kJel;
    allapot = x & ~3u;
    if (sorvegek && c == '\n') sorvegek->push_back(emlekek_[allapot / 4 / oo / 2]);
    oc = ok * osztalyok_;
  }
  s.resize(ki);  // the sentinel goes too
  emlek = emlekek_[allapot / 4 / oo / 2];
  return true;
}

bool TRovoHangzougrato::SoronBelul() const {
  return modszer_ == 0 || (egyesito_->SoronBelul() && rovidito_->SoronBelul());
}

// The walk over every letter but the sentinel. `i + 1` is never touched before
// `i` moves on, so each test sees the follower as it stands in the input.
// A line end is neither a vowel nor a follower that changes a decision, so the
// walk over a text equals the walks over its lines chained by their memory.
void TRovoHangzougrato::Setal(std::string& s, int& emlek, std::vector<int>* sorvegek) const {
  const size_t n = s.size();
  auto kihagy = [&s](size_t i) { s[i] = Van(s[i + 1], kElvalasztoKell) ? kElvalaszto : kJel; };
  auto hatarol = [this](char c) { return Hatarol(hatokor_, c); };
  const char ak = static_cast<char>(ak_jel_);

  switch (modszer_) {
    case 1:
    case 2:
      for (size_t i = 0; i + 1 < n; ++i) {
        const char c = s[i];
        if (c == 'e' || (modszer_ == 2 && c == kHosszuE)) {
          if (Van(s[i + 1], kEMarad))
            ++i;
          else
            kihagy(i);
        }
      }
      break;

    case 3: {
      int utolso = emlek;  // the last vowel seen, -1 for none
      for (size_t i = 0; i + 1 < n; ++i) {
        const char c = s[i];
        const char kov = s[i + 1];
        const bool hatar = hatarol(c);
        if (hatar) utolso = kNincsEmlek;
        if (c == '\n' && sorvegek) sorvegek->push_back(utolso);
        if (hatar) continue;
        if (Van(c, kMaganhangzo)) {
          if (Van(kov, kMaganhangzo)) {
            utolso = static_cast<unsigned char>(kov);
            ++i;
          } else if (Van(kov, kMassalhangzo)) {
            if (kezdo_e_kihagy_ && utolso < 0 && c == 'e')
              kihagy(i);
            else if (static_cast<unsigned char>(c) == utolso)
              kihagy(i);
            else
              utolso = static_cast<unsigned char>(c);
          } else {
            utolso = static_cast<unsigned char>(c);
          }
        } else if (ak != 0 && c == 'k' && utolso >= 0 && Van(static_cast<char>(utolso), kMely)) {
          s[i] = ak;
        }
      }
      emlek = utolso;
      break;
    }

    case 4: {
      Hangrend utolso = static_cast<Hangrend>(emlek);
      for (size_t i = 0; i + 1 < n; ++i) {
        const char c = s[i];
        const char kov = s[i + 1];
        const bool hatar = hatarol(c);
        if (hatar) utolso = Hangrend::kNincs;
        if (c == '\n' && sorvegek) sorvegek->push_back(static_cast<int>(utolso));
        if (hatar) continue;
        const Hangrend h = HangrendJe(c);
        if (h == Hangrend::kNincs) {
          if (ak != 0 && utolso == Hangrend::kMely && c == 'k') s[i] = ak;
          continue;
        }
        const Hangrend hk = HangrendJe(kov);
        if (hk != Hangrend::kNincs) {
          utolso = hk;
          ++i;
        } else if (Van(kov, kMassalhangzo)) {
          if (kezdo_e_kihagy_ && utolso == Hangrend::kNincs && c == 'e')
            kihagy(i);
          else if (utolso == h)
            kihagy(i);
          else
            utolso = h;
        } else {
          utolso = h;
        }
      }
      emlek = static_cast<int>(utolso);
      break;
    }

    case 5:
      for (size_t i = 0; i + 1 < n; ++i) {
        if (Van(s[i], kMaganhangzo)) kihagy(i);
      }
      break;

    default:
      break;
  }
}
