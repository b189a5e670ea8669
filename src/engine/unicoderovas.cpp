// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/unicoderovas.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "engine/rovo.h"
#include "fonts/rovasjelek.h"
#include "platform/win1250.h"

namespace {

constexpr char32_t kZwj = 0x200D;
constexpr std::string_view kRlo = "\u202E", kLro = "\u202D", kPdf = "\u202C";
constexpr std::string_view kLri = "\u2066", kPdi = "\u2069";

void Utf8(char32_t kod, std::string& ide) { ide += rovasjelek::Utf8(kod); }

// The literal text a rule's pattern matches, leaving out word boundaries,
// anchors and the groups that the replacement copies back ("(^|\W)k" -> "k",
// "[)]" -> ")", "\[" -> "["); nothing for a pattern that matches more than
// one text.
std::optional<std::string> Betuk(std::string_view minta) {
  std::string s;
  for (size_t i = 0; i < minta.size(); ++i) {
    const char c = minta[i];
    if (c == '(') {  // a group: copied back by "$n", not part of what the code stands for
      int melyseg = 0;
      for (; i < minta.size(); ++i) {
        if (minta[i] == '\\') {
          ++i;
        } else if (minta[i] == '(') {
          ++melyseg;
        } else if (minta[i] == ')' && --melyseg == 0) {
          break;
        }
      }
      if (melyseg != 0) return std::nullopt;
    } else if (c == '\\') {
      if (++i == minta.size()) return std::nullopt;
      const char e = minta[i];
      if (e == 'b' || e == 'B') continue;
      if (std::isalnum(static_cast<unsigned char>(e))) return std::nullopt;  // \w, \d, ...
      s += e;
    } else if (c == '^' || c == '$') {
      continue;
    } else if (c == '[') {
      // A class of one character: "[)]", "[?]".
      if (i + 2 < minta.size() && minta[i + 1] != '\\' && minta[i + 1] != '^' &&
          minta[i + 2] == ']') {
        s += minta[i + 1];
        i += 2;
      } else {
        return std::nullopt;
      }
    } else if (std::strchr(".*+?{}|)]", c)) {
      return std::nullopt;
    } else {
      s += c;
    }
  }
  if (s.empty()) return std::nullopt;
  return s;
}

// The one code a replacement writes besides its group references, or nothing.
std::optional<unsigned char> EgyKod(std::string_view csere) {
  std::string s;
  for (size_t i = 0; i < csere.size(); ++i) {
    if (csere[i] == '$' && i + 1 < csere.size() &&
        std::isdigit(static_cast<unsigned char>(csere[i + 1]))) {
      ++i;
      continue;
    }
    s += csere[i];
  }
  if (s.size() != 1) return std::nullopt;
  return static_cast<unsigned char>(s[0]);
}

enum class Fajta { Betu, Osszerovas, Kepjel };

// Ranks of a meaning: the higher one wins; within a rank the first rule in
// round order wins (the font draws one glyph for both: "i-I,í-I", or a word
// and the sign's own reading, "hónap-R" and "tpru-R"), except that two
// numerals of different value leave the code as it is.
enum Rang { kNincs = 0, kSajat = 1, kKepjel = 2, kSzabaly = 3, kSzam = 4 };

class TEpito {
 public:
  explicit TEpito(const TBetuKepesseg& k) : k_(k) {}

  void Javasol(unsigned char kod, const std::string& jelentes, Rang rang) {
    Jeloltek& j = jeloltek_[kod];
    if (rang > j.rang) {
      j = {jelentes, rang, false};
    } else if (rang == j.rang && rang == kSzam && jelentes != j.jelentes) {
      j.ketertelmu = true;
    }
  }

  // The runes of a text of letters; empty when it holds anything else.
  std::string Rovasjelek(std::string_view betuk, bool zwj) const {
    const std::string kis = win1250::ToLower(betuk);
    const bool nagy = k_.Nagybetus && kis[0] != betuk[0];
    std::vector<std::string> hangok;
    if (!rovasjelek::Hangok(kis, hangok)) return {};
    std::string s;
    for (size_t i = 0; i < hangok.size(); ++i) {
      const char32_t kod = rovasjelek::Kisbetu(hangok[i]);
      if (!kod) return {};
      if (zwj && i > 0) Utf8(kZwj, s);
      Utf8(nagy ? kod - 0x40 : kod, s);
    }
    return s;
  }

  void Lista(std::string_view lista, Fajta fajta) {
    for (const std::string& darab : Feldarabol(lista, ',')) {
      const std::vector<std::string> r = Feldarabol(darab, '-');
      if (r.size() != 2 || r[0].empty() || r[1].empty()) continue;  // as the round reads it
      const std::optional<std::string> betuk = Betuk(r[0]);
      const std::optional<unsigned char> kod = EgyKod(r[1]);
      if (!betuk || !kod) continue;
      std::string jelentes;
      if (fajta == Fajta::Betu && *betuk == "k" && !k_.MelyKJel.empty() &&
          static_cast<unsigned char>(k_.MelyKJel[0]) == *kod) {
        Utf8(rovasjelek::Kisbetu("ak"), jelentes);
      } else if (fajta == Fajta::Kepjel && rovasjelek::Kisbetu(win1250::ToLower(*betuk)) &&
                 betuk->size() > 1) {
        Utf8(rovasjelek::Kisbetu(win1250::ToLower(*betuk)), jelentes);
      } else {
        jelentes = Rovasjelek(*betuk, fajta == Fajta::Osszerovas);
      }
      if (jelentes.empty()) jelentes = win1250::ToUtf8(*betuk);  // punctuation put elsewhere
      Javasol(*kod, jelentes, fajta == Fajta::Kepjel ? kKepjel : kSzabaly);
    }
  }

  void Szamok(std::string_view lista) {
    static constexpr int kErtekek[] = {1, 5, 10, 50, 100, 500, 1000};
    for (const std::string& darab : Feldarabol(lista, ',')) {
      const std::vector<std::string> r = Feldarabol(darab, '-');
      if (r.size() != 2 || r[0].empty() || r[1].size() != 1) continue;
      for (int ertek : kErtekek) {
        if (r[0] != std::to_string(ertek)) continue;
        std::string jelentes;
        if (ertek == 500) {  // no sign of its own: five, then hundred
          Utf8(rovasjelek::Szamjel(5), jelentes);
          Utf8(rovasjelek::Szamjel(100), jelentes);
        } else {
          Utf8(rovasjelek::Szamjel(ertek), jelentes);
        }
        Javasol(static_cast<unsigned char>(r[1][0]), jelentes, kSzam);
      }
    }
  }

  struct Jeloltek {
    std::string jelentes;
    Rang rang = kNincs;
    bool ketertelmu = false;
  };
  std::array<Jeloltek, 256> jeloltek_{};

 private:
  const TBetuKepesseg& k_;
};

// The form a meaning takes in right-to-left text.
std::string JobbrolBalra(const std::string& jelentes) {
  if (jelentes.size() != 1) return jelentes;
  switch (jelentes[0]) {
    case '(':
      return ")";
    case ')':
      return "(";
    case '[':
      return "]";
    case ']':
      return "[";
    case '{':
      return "}";
    case '}':
      return "{";
    case ',':
      return "\u2E41";
    case ';':
      return "\u204F";
    case '?':
      return "\u2E2E";
  }
  return jelentes;
}

bool Szamjegy(char c) { return c >= '0' && c <= '9'; }
bool Elvalaszto(char c) { return c == '.' || c == ',' || c == ' '; }

}  // namespace

TUnicodeRovas::TUnicodeRovas(const TBetuKepesseg& k, const TUnicodeMod& mod)
    : jobbrol_balra_(mod.jobbrol_balra), forditva_(mod.szamok_forditva) {
  TEpito e(k);
  // Letters stand for themselves unless a rule writes something else there.
  for (int b = 0x20; b < 0x100; ++b) {
    const std::string betu(1, static_cast<char>(b));
    const std::string jelek = e.Rovasjelek(betu, false);
    if (!jelek.empty()) e.Javasol(static_cast<unsigned char>(b), jelek, kSajat);
  }
  e.Lista(k.BetukKore, Fajta::Betu);
  e.Lista(mod.jobbrol_balra ? k.BetukKoreJB : k.BetukKoreBJ, Fajta::Betu);
  e.Lista(mod.kiterjesztett && k.VanKiterjesztett ? k.KiterjesztettKor : k.KiterjesztettPotlas,
          Fajta::Betu);
  if (mod.melyk) {
    if (mod.melyk_mod == 2 || mod.melyk_mod == 3) e.Lista(k.MelyKSzoElejen, Fajta::Betu);
    if (mod.melyk_mod == 1 || mod.melyk_mod == 3) e.Lista(k.MelyKSzoVegen, Fajta::Betu);
    if (mod.melyk_mod == 0) e.Lista(k.MelyKHangrendi, Fajta::Betu);
  }
  if (mod.osszerovas) {
    e.Lista(k.OsszerovasElso, Fajta::Osszerovas);
    e.Lista(k.OsszerovasMasodik, Fajta::Osszerovas);
  }
  if (mod.kepjelek) {
    e.Lista(k.KepjelekElso, Fajta::Kepjel);
    e.Lista(k.KepjelekMasodik, Fajta::Kepjel);
  }
  if (mod.szamok_atirva) {
    e.Szamok(k.SzamokKore);
    e.Szamok(mod.jobbrol_balra ? k.SzamokKoreJB : k.SzamokKoreBJ);
  }

  for (int b = 0; b < 0x100; ++b) {
    const TEpito::Jeloltek& j = e.jeloltek_[b];
    const bool megtartott = j.rang == kNincs || j.ketertelmu;
    std::string jelentes =
        megtartott ? win1250::ToUtf8(std::string(1, static_cast<char>(b))) : j.jelentes;
    if (jobbrol_balra_) jelentes = JobbrolBalra(jelentes);
    TJel& jel = jelek_[b];
    if (jelentes.size() > sizeof jel.bajtok) jelentes = win1250::ToUtf8(std::string(1, char(b)));
    std::memcpy(jel.bajtok, jelentes.data(), jelentes.size());
    jel.hossz = static_cast<uint8_t>(jelentes.size());
    jel.megtartott = megtartott;
    jel.szamjegy = jelentes.size() == 1 && Szamjegy(jelentes[0]);
  }
}

std::string TUnicodeRovas::Atalakit(std::string_view kodok) const {
  std::string ki;
  ki.reserve(kodok.size() * 4 + 16);
  const std::string_view nyito = jobbrol_balra_ ? kRlo : kLro;
  bool sorban = false;  // inside a line's override
  const size_t n = kodok.size();
  auto jel = [&](size_t i) -> const TJel& { return jelek_[static_cast<unsigned char>(kodok[i])]; };
  for (size_t i = 0; i < n; ++i) {
    const char c = kodok[i];
    if (c == '\r' || c == '\n') {
      if (sorban) ki += kPdf;
      sorban = false;
      ki += c;
      continue;
    }
    if (!sorban) {
      ki += nyito;
      sorban = true;
    }
    if (forditva_ && jel(i).szamjegy) {
      // A number the engine reversed: its digits joined by ". ", ".", ",", " "
      // or nothing, read backwards (". " is " ." here).
      size_t j = i;
      auto jegyek = [&] {
        while (j < n && jel(j).szamjegy) ++j;
      };
      jegyek();
      for (;;) {
        if (j + 2 < n && kodok[j] == ' ' && kodok[j + 1] == '.' && jel(j + 2).szamjegy) {
          j += 2;
        } else if (j + 1 < n && Elvalaszto(kodok[j]) && jel(j + 1).szamjegy) {
          j += 1;
        } else {
          break;
        }
        jegyek();
      }
      ki += kLri;
      // Inside the left-to-right isolate a separator is not reversed: a
      // decimal comma stays a comma.
      for (size_t k = j; k-- > i;) {
        if (Elvalaszto(kodok[k]))
          ki += kodok[k];
        else
          ki.append(jel(k).bajtok, jel(k).hossz);
      }
      ki += kPdi;
      i = j - 1;
      continue;
    }
    ki.append(jel(i).bajtok, jel(i).hossz);
  }
  if (sorban) ki += kPdf;
  return ki;
}

TUnicodeAkadaly UnicodeAkadaly(const TRovasBeallitasok& m) {
  if (m.EgyeniBeallitasok) return TUnicodeAkadaly::EgyeniBeallitasok;
  if (!m.BetuKepesseg || !m.BetuKepesseg->VanBetu) return TUnicodeAkadaly::IsmeretlenBetukeszlet;
  return TUnicodeAkadaly::Nincs;
}

std::optional<TUnicodeRovas> UnicodeRovas(TRovasBeallitasok& m, TKarvo& motor) {
  if (UnicodeAkadaly(m) != TUnicodeAkadaly::Nincs) return std::nullopt;
  motor.Epit(m);
  return TUnicodeRovas(*m.BetuKepesseg, {.jobbrol_balra = m.JobbrolBalra(),
                                         .kiterjesztett = m.KiterjesztettBetuk,
                                         .melyk = m.MelyK,
                                         .melyk_mod = m.AKHasznalatiMod,
                                         .osszerovas = m.Osszerovas,
                                         .kepjelek = m.Kepjelek,
                                         .szamok_atirva = motor.SzamokAtirva(),
                                         .szamok_forditva = motor.SzamokForditva()});
}
