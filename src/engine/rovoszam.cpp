#include "engine/rovoszam.h"

#include <algorithm>
#include <vector>

#include "engine/rovo.h"

namespace {

std::unique_ptr<TRegKif> Minta(std::string_view kifejezes) {
  auto k = std::make_unique<TRegKif>();
  k->SetExpression(kifejezes);
  return k;
}

std::string Ismetel(const std::string& s, int db) {
  std::string r;
  r.reserve(s.size() * db);
  for (int i = 0; i < db; ++i) r += s;
  return r;
}

inline bool Szamjegy(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TRovoSzam::TRovoSzam(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto,
                     bool szamok_be, bool szamjegyek_bj, bool jobbrol_balra) {
  for (const std::string& darab : Feldarabol(szabalyok, darab_elvalaszto)) {
    const std::vector<std::string> r = Feldarabol(darab, resz_elvalaszto);
    if (r.size() != 2 || r[0].empty() || r[1].empty()) continue;
    if (r[0] == "1")
      egyesek_[0] = r[1];
    else if (r[0] == "10")
      egyesek_[1] = r[1];
    else if (r[0] == "100")
      egyesek_[2] = r[1];
    else if (r[0] == "1000")
      egyesek_[3] = r[1];
    else if (r[0] == "5")
      otosok_[0] = r[1];
    else if (r[0] == "50")
      otosok_[1] = r[1];
    else if (r[0] == "500")
      otosok_[2] = r[1];
  }
  for (int k = 0; k < 3; ++k) {
    if (otosok_[k].empty()) otosok_[k] = Ismetel(egyesek_[k], 5);
  }
  atir_ = szamok_be && std::none_of(egyesek_.begin(), egyesek_.end(),
                                    [](const std::string& s) { return s.empty(); });
  megfordit_ = !atir_ && szamjegyek_bj && jobbrol_balra;

  szamjegy_ = Minta("\\d");
  szam_ = Minta("\\d+((\\. |\\.|,| |)\\d+)*");
  datum_ = Minta("^\\d{1,4}\\.[ ]?\\d{1,2}(\\.|\\.[ ]?\\d{1,2})?$");
  elvalaszto_ = Minta("(\\.| )");
  nullak_ = Minta("^0+$");
}

TRovoSzam::~TRovoSzam() = default;

// Every number is replaced where its match stands, in one pass. This gives
// what protecting the numbers with runs of 0x01 placeholders and restoring
// them last to first gives, in time linear in the count of numbers, and no
// byte 0x01 already in the text can pull a number to another place.
std::string TRovoSzam::Alkalmaz(std::string_view szoveg) {
  if (!(atir_ || megfordit_) || !szamjegy_->Exec(szoveg)) return std::string(szoveg);
  if (!szam_->Exec(szoveg)) return std::string(szoveg);

  struct Talalat {
    size_t kezdet, hossz;
  };
  std::vector<Talalat> talalatok;
  do {
    const int h = szam_->MatchLength(0);
    if (h > 0)
      talalatok.push_back({static_cast<size_t>(szam_->MatchStart(0) - 1), static_cast<size_t>(h)});
  } while (szam_->ExecNext());

  std::string ki;
  ki.reserve(szoveg.size() + szoveg.size() / 4);
  size_t poz = 0;
  for (const Talalat& t : talalatok) {
    ki.append(szoveg, poz, t.kezdet - poz);
    const std::string_view szam = szoveg.substr(t.kezdet, t.hossz);
    if (atir_)
      ki += SzamotAtir(szam);
    else
      ki.append(szam.rbegin(), szam.rend());
    poz = t.kezdet + t.hossz;
  }
  ki.append(szoveg, poz, std::string_view::npos);
  return ki;
}

std::string TRovoSzam::SzamotAtir(std::string_view szam) {
  std::string s(szam);
  if (!datum_->Exec(s)) s = elvalaszto_->ReplaceAll(s, "", false);
  std::string ki;
  size_t kezdet = 0;  // start of the current digit run
  for (size_t i = 0; i < s.size(); ++i) {
    if (Szamjegy(s[i])) continue;
    ki += JegyeketAtir(std::string_view(s).substr(kezdet, i - kezdet));
    ki += s[i];
    kezdet = i + 1;
  }
  if (kezdet < s.size()) ki += JegyeketAtir(std::string_view(s).substr(kezdet));
  return ki;
}

std::string TRovoSzam::JegyeketAtir(std::string_view jegyek) const {
  if (jegyek.empty()) return {};
  if (nullak_->Exec(jegyek)) return std::string(jegyek);
  std::vector<std::string> csoportok;  // finished groups, least significant first
  std::string csoport;                 // signs of the current group of three digits
  std::string szorzo;                  // one 1000 sign per finished group
  const size_t n = jegyek.size();
  for (size_t p = 0; p < n; ++p) {
    const size_t i = n - 1 - p;
    const int d = jegyek[i] - '0';
    const int k = static_cast<int>(p % 3);
    std::string jel = d >= 5 ? otosok_[k] + Ismetel(egyesek_[k], d - 5) : Ismetel(egyesek_[k], d);
    csoport.insert(0, jel);
    if (k == 2 || i == 0) {
      if (!csoport.empty()) {
        // A leading lone 1 of thousands or more is left to the multiplier:
        // 1000 is the 1000 sign alone, not 1 times 1000.
        if (i == 0 && n > 3 && csoport == egyesek_[0]) csoport.clear();
        csoportok.push_back(csoport + szorzo);
      }
      szorzo += egyesek_[3];
      csoport.clear();
    }
  }
  std::string eredmeny;
  for (auto it = csoportok.rbegin(); it != csoportok.rend(); ++it) eredmeny += *it;
  return eredmeny;
}
