#include "engine/hangzougrato.h"

#include <algorithm>
#include <array>

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

}  // namespace

TRovoHangzougrato::TRovoHangzougrato(unsigned char modszer, unsigned char hatokor,
                                     bool ismetlodo_egyesit, bool hosszut_rovidit,
                                     bool kezdo_e_kihagy, unsigned char ak_jel)
    : modszer_(modszer), hatokor_(hatokor), kezdo_e_kihagy_(kezdo_e_kihagy), ak_jel_(ak_jel) {
  if (modszer_ == 0) return;
  egyesito_ = std::make_unique<TGyorsRovo>(ismetlodo_egyesit ? kIsmetlodoEgyesitoKor : "");
  rovidito_ = std::make_unique<TGyorsRovo>(hosszut_rovidit ? kHosszuRoviditoKor : "");
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
  if (s.size() >= 2) Setal(s, emlek, sorvegek);
  s.erase(std::remove(s.begin(), s.end(), kJel), s.end());
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
  // Scope reset for methods 3 and 4: true when `c` ends the scope's unit.
  auto hatarol = [this](char c) {
    if (hatokor_ == 0) return !Van(c, kSzobetu);
    if (hatokor_ == 1) return Van(c, kMondatVege);
    return false;
  };
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
