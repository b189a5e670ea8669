// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gyorsrovo.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "engine/parszuro.h"
#include "regex/regkif.h"

namespace {

// Joining a group checks the word against every member: groups are capped.
constexpr size_t kLegnagyobbCsoport = 64;
// Rounds with more groups than this (exception-word lists) index the text to
// skip the groups whose words do not occur.
constexpr size_t kIndexNelkul = 16;
// Rounds with more rules than this (downloaded exception-word lists) keep every
// word on its own: checking whether a word can join a group costs too much.
constexpr size_t kHosszuKor = 2048;

// The replacement as the dialect expands it at a match of `szo` (group 0 the
// match, every other group unset).
std::string Kifejt(const std::string& szo, const std::string& csere) {
  if (csere.find_first_of("$\\") == std::string::npos) return csere;
  TRegKif k;
  k.SetExpression(".+");
  k.SetModifier('s', true);
  return k.ReplaceAll(szo, csere, true);
}

// Whether the bytes of `a` from `d` on agree with the start of `b` where they overlap.
bool Atfed(std::string_view a, size_t d, std::string_view b) {
  const size_t h = std::min(a.size() - d, b.size());
  return std::memcmp(a.data() + d, b.data(), h) == 0;
}

size_t ElsoNul(const std::string& s) { return std::min(s.find('\0'), s.size()); }

}  // namespace

TGyorsRovo::TGyorsRovo(std::string_view szabalyok, char darab_elvalaszto, char resz_elvalaszto)
    : kor_(szabalyok, darab_elvalaszto, resz_elvalaszto) {
  const TRegKif alap;  // the dialect's word letters, which "\\b" reads
  for (char c : alap.WordLetters()) szobetu_[static_cast<unsigned char>(c)] = true;
  const auto& magok = kor_.Magok();
  // Steps: dialect rules one by one, word rules in groups, but every word on
  // its own in very long rounds.
  const bool hosszu = magok.size() > kHosszuKor;
  // Exception-word lists have tens of thousands of rules: no regrowing.
  szavak_.reserve(magok.size());
  lepesek_.reserve(magok.size());
  csoportok_.reserve(magok.size());
  std::vector<uint32_t> csoport;
  auto lezar = [&] {
    if (csoport.empty()) return;
    // Bit k of the masks stands for the group's k-th word in rule order.
    // Its words are consecutive in szavak_.
    Csoport cs;
    cs.tol = csoport.front();
    cs.db = static_cast<uint32_t>(csoport.size());
    csoport.clear();
    const Szo* ws = &szavak_[cs.tol];
    if (cs.db > 1) {
      cs.elso.assign(256, 0);
      cs.masodik.assign(256, 0);
      const std::array<uint8_t, 64> sz =
          parszuro::SzurotEpit(cs.db, [ws](size_t i) -> const std::string& { return ws[i].minta; });
      if (parszuro::Szelektiv(sz)) {
        cs.szuro = static_cast<uint32_t>(szurok_.size());
        szurok_.push_back(sz);
      }
    }
    cs.helyben =
        std::all_of(ws, ws + cs.db, [](const Szo& w) { return w.csere.size() <= w.minta.size(); });
    for (size_t k = 0; k < cs.db && !cs.elso.empty(); ++k) {
      const std::string& m = ws[k].minta;
      const uint64_t bit = uint64_t{1} << k;
      cs.elso[static_cast<unsigned char>(m[0])] |= bit;
      if (m.size() == 1) {
        for (uint64_t& x : cs.masodik) x |= bit;
        cs.vegen |= bit;
      } else {
        cs.masodik[static_cast<unsigned char>(m[1])] |= bit;
      }
    }
    lepesek_.push_back({-1, static_cast<uint32_t>(csoportok_.size())});
    csoportok_.push_back(std::move(cs));
  };
  // The rules in order: a dialect rule's index, or a word's (in szavak_) + kSzo.
  constexpr uint32_t kSzo = uint32_t{1} << 31;
  std::vector<uint32_t> sorrend;
  sorrend.reserve(magok.size());
  bool mind_szo = true;
  for (size_t i = 0; i < magok.size(); ++i) {
    std::optional<TRegKif::FixedText> l = magok[i]->Rogzitett();
    if (!l) {
      sorrend.push_back(static_cast<uint32_t>(i));
      mind_szo = false;
      continue;
    }
    Szo sz;
    sz.csere = Kifejt(l->text, magok[i]->Csere());
    if (sz.csere == l->text) continue;  // rewrites its match to itself: the text stays
    sz.nul = sz.csere.find('\0');
    sz.minta = std::move(l->text);
    sz.elotte = l->before;
    sz.utana = l->after;
    sorrend.push_back(kSzo | static_cast<uint32_t>(szavak_.size()));
    szavak_.push_back(std::move(sz));
  }
  // Separator rounds are applied without groups: every word stands alone
  // (and gets no masks), for the index.
  elvalaszto_kor_ = mind_szo && szavak_.size() > kIndexNelkul && ElvalasztoKor();
  for (const uint32_t r : sorrend) {
    if (!(r & kSzo)) {
      lezar();
      lepesek_.push_back({static_cast<int>(r), 0});
      continue;
    }
    const uint32_t w = r & ~kSzo;
    if (hosszu || elvalaszto_kor_ || csoport.size() >= kLegnagyobbCsoport || !Csoportba(csoport, w))
      lezar();
    csoport.push_back(w);
  }
  lezar();

  // Many groups: an index of the text tells which of them can match at all.
  if (csoportok_.size() <= kIndexNelkul) return;
  std::vector<uint32_t> csoportja(szavak_.size());
  for (uint32_t gr = 0; gr < csoportok_.size(); ++gr) {
    for (uint32_t k = 0; k < csoportok_[gr].db; ++k) csoportja[csoportok_[gr].tol + k] = gr;
  }
  std::vector<std::string_view> mintak;
  mintak.reserve(szavak_.size());
  for (const Szo& sz : szavak_) mintak.push_back(sz.minta);
  index_ = std::make_unique<TSzoIndex>(mintak, std::move(csoportja));
}

// Whether every word's replacement is the word with one and the
// same byte added (any number of times), a byte no word holds.
bool TGyorsRovo::ElvalasztoKor() {
  {
    const Szo& e = szavak_.front();
    size_t k = 0;
    while (k < e.minta.size() && k < e.csere.size() && e.minta[k] == e.csere[k]) ++k;
    if (k >= e.csere.size()) return false;
    elvalaszto_ = e.csere[k];
  }
  for (Szo& sz : szavak_) {
    if (sz.minta.find(elvalaszto_) != std::string::npos) return false;
    size_t k = 0;
    std::vector<uint32_t> beszur;
    for (char c : sz.csere) {
      if (c == elvalaszto_) {
        beszur.push_back(static_cast<uint32_t>(k));
      } else if (k < sz.minta.size() && sz.minta[k] == c) {
        ++k;
      } else {
        return false;
      }
    }
    if (k != sz.minta.size() || beszur.empty()) return false;
    sz.beszur = std::move(beszur);
  }
  return true;
}

// A separator round applied at once. Rule after rule, the text stays the
// original with separators in some of its gaps, and no word can match across
// one: a rule matches where its word occurs in the original with no separator
// inside, and "\\b" reads a separator next to it. An occurrence so depends only
// on the occurrences whose gaps (from before its first byte to after its last)
// meet its own: the occurrences are found once, in position order, and each
// run of such occurrences is settled rule after rule on its own.
void TGyorsRovo::ElvalasztokatBeszur(std::string& s, size_t hatar) {
  const char* t = s.data();
  resek_.clear();
  furt_.clear();
  size_t furt_vege = 0;  // the last gap of the run
  auto osztaly = [this](char c) { return szobetu_[static_cast<unsigned char>(c)]; };
  // Whether word w matches at p, `resek` telling which gaps hold a separator.
  auto illik = [&](const Szo& sz, size_t p, auto&& resek) {
    const size_t m = sz.minta.size();
    for (size_t r = p + 1; r < p + m; ++r) {
      if (resek(r)) return false;
    }
    if (sz.elotte) {
      const bool elotte = resek(p) ? osztaly(elvalaszto_) : p > 0 && osztaly(t[p - 1]);
      if ((elotte != osztaly(t[p])) != (sz.elotte == 1)) return false;
    }
    if (sz.utana) {
      const size_t v = p + m;
      const bool utana = resek(v) ? osztaly(elvalaszto_) : v < hatar && osztaly(t[v]);
      if ((osztaly(sz.minta.back()) != utana) != (sz.utana == 1)) return false;
    }
    return true;
  };
  auto rendez = [&] {
    if (furt_.size() == 1) {
      // Alone (most words): only the text around it counts.
      const auto [w, p] = furt_[0];
      const Szo& sz = szavak_[w];
      if (illik(sz, p, [](size_t) { return false; }))
        for (uint32_t k : sz.beszur) resek_.push_back(p + k);
      return;
    }
    // Rule after rule; each rule's occurrences left to right (they came so).
    const uint32_t alap = furt_.front().second;
    std::stable_sort(furt_.begin(), furt_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    helyi_.assign(furt_vege - alap + 1, 0);
    const size_t eleje = resek_.size();
    auto resek = [this, alap](size_t r) { return helyi_[r - alap] != 0; };
    for (size_t i = 0; i < furt_.size();) {
      const uint32_t w = furt_[i].first;
      const Szo& sz = szavak_[w];
      const size_t tol = resek_.size();
      size_t kovetkezo = 0;
      for (; i < furt_.size() && furt_[i].first == w; ++i) {
        const uint32_t p = furt_[i].second;
        if (p < kovetkezo || !illik(sz, p, resek)) continue;
        for (uint32_t k : sz.beszur) resek_.push_back(p + k);
        kovetkezo = p + sz.minta.size();
      }
      // This rule's own separators count only for the next rules.
      for (size_t k = tol; k < resek_.size(); ++k) helyi_[resek_[k] - alap] = 1;
    }
    std::sort(resek_.begin() + static_cast<std::ptrdiff_t>(eleje), resek_.end());
  };
  index_->Elofordulasok(std::string_view(s).substr(0, hatar), [&](uint32_t w, uint32_t p) {
    if (!furt_.empty() && p > furt_vege) {
      rendez();
      furt_.clear();
    }
    if (furt_.empty()) furt_vege = 0;
    furt_.push_back({w, p});
    furt_vege = std::max(furt_vege, p + szavak_[w].minta.size());
  });
  if (!furt_.empty()) rendez();
  if (resek_.empty()) return;
  const size_t n = s.size();
  TRegKif::OutputBudget::Check(n + resek_.size());
  s.resize(n + resek_.size());
  char* d = s.data();
  // From the end: every original byte moves right by the separators before it.
  size_t i = n, j = s.size();
  for (size_t k = resek_.size(); k-- > 0;) {
    const size_t r = resek_[k];
    j -= i - r;
    std::memmove(d + j, d + r, i - r);
    d[--j] = elvalaszto_;
    i = r;
  }
}

// Whether word `uj` can join the group applied in one pass. One pass tries the
// group's words at each position in rule order and moves past a match; rule
// after rule gives the same when, for every earlier word e of the group:
//  - no occurrence of the new word can start before an occurrence of e and
//    overlap it (rule after rule, e would take those bytes first);
//  - e's replacement is not empty and has no NUL (else the new rule could
//    match bytes e's deletion brought together, or stop at e's NUL), and no
//    occurrence of the new word can overlap it, whatever bytes surround it
//    (else the new rule could match what e wrote);
//  - if the new word has an assertion, e's replacement begins and ends with
//    bytes of the same word class as e's word (the assertion then reads the
//    same class on either side of e's match).
bool TGyorsRovo::Csoportba(const std::vector<uint32_t>& csoport, uint32_t uj) const {
  const Szo& u = szavak_[uj];
  const std::string_view um = u.minta;
  if (um.empty()) return false;
  auto osztaly = [this](char c) { return szobetu_[static_cast<unsigned char>(c)]; };
  for (uint32_t w : csoport) {
    const Szo& e = szavak_[w];
    const std::string_view ec = e.csere;
    if (ec.empty() || ec.find('\0') != std::string_view::npos) return false;
    // The new word starting inside e's replacement, or before it and reaching into it.
    for (size_t d = 0; d < ec.size(); ++d) {
      if (ec[d] == um[0] && Atfed(ec, d, um)) return false;
    }
    for (size_t d = 1; d < um.size(); ++d) {
      if (um[d] == ec[0] && Atfed(um, d, ec)) return false;
    }
    for (size_t d = 1; d < um.size(); ++d) {
      if (Atfed(um, d, e.minta)) return false;
    }
    if ((u.elotte || u.utana) && (osztaly(ec.front()) != osztaly(e.minta.front()) ||
                                  osztaly(ec.back()) != osztaly(e.minta.back()))) {
      return false;
    }
  }
  return true;
}

bool TGyorsRovo::CsoportotAlkalmaz(const Csoport& cs, std::string& s, size_t& hatar) {
  return cs.helyben ? CsoportotAlkalmaz<true>(cs, s, hatar)
                    : CsoportotAlkalmaz<false>(cs, s, hatar);
}

// With kHelyben the output is written over `s` itself: no word lengthens the
// text, so the output never overtakes the bytes still to be read; only the
// byte before a match may already be rewritten, and the assertion "\\b" reads
// it from the previous match's word instead.
template <bool kHelyben>
bool TGyorsRovo::CsoportotAlkalmaz(const Csoport& cs, std::string& s, size_t& hatar) {
  char* d = s.data();
  const char* t = d;
  const size_t n = s.size();
  std::string& ki = Munkaterulet();
  size_t o = 0;                // in place: the output's length
  const Szo* elozo = nullptr;  // in place: the match that ended at `masolt`
  bool valtozott = false;
  beszurt_.clear();
  size_t masolt = 0;
  size_t uj_hatar = std::string::npos;
  const unsigned char* u = reinterpret_cast<const unsigned char*>(t);
  const Szo* ws = &szavak_[cs.tol];  // the group's words
  const bool egy = cs.db == 1;
  const uint64_t* elso = cs.elso.data();
  const uint64_t* masodik = cs.masodik.data();
  const size_t ellenorzott = egy ? 1 : 2;  // bytes the search has compared
  // The byte-pair test of the group; a lone word's, made here, is exact.
  Szuro sajat{};
  const Szuro* szuro = cs.szuro < szurok_.size() ? &szurok_[cs.szuro] : nullptr;
  if (const std::string& m = ws[0].minta; egy && m.size() > 1) {
    const unsigned char b0 = static_cast<unsigned char>(m[0]);
    const unsigned char b1 = static_cast<unsigned char>(m[1]);
    sajat[b0 & 15] = sajat[16 + (b0 >> 4)] = 1;
    sajat[32 + (b1 & 15)] = sajat[48 + (b1 >> 4)] = 1;
    szuro = &sajat;
  }
  parszuro::Jelolo jelolo(szuro, u, hatar > 0 ? hatar - 1 : 0);
  size_t p = 0;
  while (p < hatar) {
    uint64_t jeloltek = 0;
    if (egy) {
      // A lone word: its first two bytes, or its first byte.
      const char c = ws[0].minta[0];
      if (jelolo.Szur()) {
        p = jelolo.Kovetkezo(p);
        if (t[p] != c) {
          ++p;
          continue;
        }
      } else {
        const void* e = std::memchr(t + p, c, hatar - p);
        if (!e) break;
        p = static_cast<const char*>(e) - t;
      }
      jeloltek = 1;
    } else {
      // The words whose first two bytes stand at p (one-byte words: the first).
      const size_t utolso = hatar - 1;
      if (jelolo.Szur()) {
        p = jelolo.Kovetkezo(p);
        if (p < utolso) jeloltek = elso[u[p]] & masodik[u[p + 1]];
      } else {
        // Four positions a round while none of them is a candidate.
        while (p + 4 <= utolso) {
          const uint64_t b1 = masodik[u[p + 1]], b2 = masodik[u[p + 2]];
          const uint64_t b3 = masodik[u[p + 3]], b4 = masodik[u[p + 4]];
          if ((elso[u[p]] & b1) | (elso[u[p + 1]] & b2) | (elso[u[p + 2]] & b3) |
              (elso[u[p + 3]] & b4))
            break;
          p += 4;
        }
        while (p < utolso && !(jeloltek = elso[u[p]] & masodik[u[p + 1]])) ++p;
      }
      if (p == utolso) jeloltek = elso[u[p]] & cs.vegen;
      if (!jeloltek) {
        ++p;
        continue;
      }
    }
    const Szo* talalt = nullptr;
    for (uint64_t maradek = jeloltek; maradek; maradek &= maradek - 1) {
      const Szo& w = ws[__builtin_ctzll(maradek)];
      const size_t m = w.minta.size();
      if (m > hatar - p) continue;
      const char* v = w.minta.data();
      size_t j = ellenorzott;
      while (j < m && t[p + j] == v[j]) ++j;
      if (j < m) continue;
      if (w.elotte) {
        bool elotte = false;
        if (p > 0) {
          const char c = kHelyben && elozo && p == masolt ? elozo->minta.back() : t[p - 1];
          elotte = szobetu_[static_cast<unsigned char>(c)];
        }
        const bool hatarol = elotte != szobetu_[static_cast<unsigned char>(t[p])];
        if (hatarol != (w.elotte == 1)) continue;
      }
      if (w.utana) {
        const bool utana = p + m < hatar && szobetu_[static_cast<unsigned char>(t[p + m])];
        const bool hatarol = szobetu_[static_cast<unsigned char>(w.minta.back())] != utana;
        if (hatarol != (w.utana == 1)) continue;
      }
      talalt = &w;
      break;
    }
    if (!talalt) {
      ++p;
      continue;
    }
    if constexpr (kHelyben) {
      if (o == masolt) {
        o = p;
      } else if (p - masolt > 16) {
        std::memmove(d + o, t + masolt, p - masolt);
        o += p - masolt;
      } else {
        for (size_t i = masolt; i < p; ++i) d[o++] = t[i];
      }
      elozo = talalt;
    } else {
      if (!valtozott) Elokeszit(ki, Tartalekkal(n));
      ki.append(t + masolt, p - masolt);
      o = ki.size();
    }
    valtozott = true;
    const std::string& csere = talalt->csere;
    if (talalt->nul != std::string::npos && uj_hatar == std::string::npos)
      uj_hatar = o + talalt->nul;
    if (indexelt_) beszurt_.push_back({o, csere.size()});
    if constexpr (kHelyben) {
      for (char c : csere) d[o++] = c;
    } else {
      ki += csere;
      if (csere.size() > talalt->minta.size()) TRegKif::OutputBudget::Check(ki.size());
    }
    p += talalt->minta.size();
    masolt = p;
  }
  if (!valtozott) return false;
  if constexpr (kHelyben) {
    if (uj_hatar == std::string::npos) uj_hatar = o + (hatar - masolt);
    if (o != masolt) {
      std::memmove(d + o, t + masolt, n - masolt);
      s.resize(o + (n - masolt));
    }
  } else {
    if (uj_hatar == std::string::npos) uj_hatar = ki.size() + (hatar - masolt);
    ki.append(t + masolt, n - masolt);
    s.swap(ki);
  }
  hatar = uj_hatar;
  return true;
}

std::string TGyorsRovo::Alkalmaz(std::string_view szoveg) {
  std::string s(szoveg);
  AlkalmazHelyben(s);
  return s;
}

void TGyorsRovo::AlkalmazHelyben(std::string& s) {
  if (kor_.Magok().empty()) return;
  // Only the text before the first NUL is searched.
  size_t hatar = ElsoNul(s);
  if (elvalaszto_kor_ && hatar < UINT32_MAX) {
    ElvalasztokatBeszur(s, hatar);
    return;
  }
  // Which groups may match: not looked at yet, known (a superset), or all of them.
  enum { kNemNezett, kIsmert, kMind } allapot = !index_ ? kMind : kNemNezett;
  indexelt_ = false;
  for (const Lepes& l : lepesek_) {
    if (l.mag >= 0) {
      std::string uj = kor_.Magok()[l.mag]->Alkalmaz(s);
      if (uj != s) {
        // Changed anywhere: every later group may match now. A rescan would
        // cost about as much as simply running them.
        s.swap(uj);
        hatar = ElsoNul(s);
        allapot = kMind;
      }
      continue;
    }
    if (allapot == kNemNezett) {
      jelen_.assign(csoportok_.size(), 0);
      hianyzo_ = csoportok_.size();
      index_->Keres(std::string_view(s).substr(0, hatar), 0, hatar, jelen_, hianyzo_);
      allapot = kIsmert;
    }
    if (allapot == kIsmert) {
      const bool van = jelen_[l.csoport];
      Jelol(l.csoport);  // done with this group either way: it no longer counts as missing
      if (hianyzo_ == 0) allapot = kMind;
      if (!van) continue;
    }
    indexelt_ = allapot == kIsmert;
    if (!CsoportotAlkalmaz(csoportok_[l.csoport], s, hatar) || !indexelt_) continue;
    // New occurrences can only overlap an inserted copy.
    const std::string_view v = std::string_view(s).substr(0, hatar);
    size_t eddig = 0;
    for (const auto& [h, db] : beszurt_) {
      const size_t leghosszabb = index_->Leghosszabb();
      const size_t tol = std::max(eddig, h >= leghosszabb ? h - leghosszabb + 1 : 0);
      const size_t ig = std::min(hatar, h + db);
      if (tol < ig) index_->Keres(v, tol, ig, jelen_, hianyzo_);
      eddig = std::max(eddig, ig);
    }
  }
}

bool TGyorsRovo::SoronBelul() const {
  for (const Lepes& l : lepesek_) {
    if (l.mag >= 0 && !kor_.Magok()[l.mag]->SoronBelul()) return false;
  }
  return std::all_of(szavak_.begin(), szavak_.end(),
                     [](const Szo& sz) { return SorbaIllo(sz.minta) && SorbaIllo(sz.csere); });
}
