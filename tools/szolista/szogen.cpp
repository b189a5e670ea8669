// SPDX-License-Identifier: GPL-3.0-or-later
#include "szogen.h"

#include <hunspell/hunspell.h>
#include <hyphen.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <queue>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace szogen {

namespace {

bool Par(char32_t a, char32_t b) {
  switch (a) {
    case U'c':
    case U'z':
      return b == U's';
    case U'd':
      return b == U'z';
    case U'g':
    case U'l':
    case U'n':
    case U't':
      return b == U'y';
    case U's':
      return b == U'z';
    default:
      return false;
  }
}

bool Betu(char32_t c) {
  return (c >= U'a' && c <= U'z') ||
         std::u32string_view(U"áéíóöőúüű").find(c) != std::u32string_view::npos;
}

void Rendez(std::vector<int>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

}  // namespace

char32_t Kisbetu(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  switch (c) {
    case U'Á':
      return U'á';
    case U'É':
      return U'é';
    case U'Í':
      return U'í';
    case U'Ó':
      return U'ó';
    case U'Ö':
      return U'ö';
    case U'Ő':
      return U'ő';
    case U'Ú':
      return U'ú';
    case U'Ü':
      return U'ü';
    case U'Ű':
      return U'ű';
    default:
      return c;
  }
}

std::string Utf8(std::u32string_view s) {
  std::string o;
  for (char32_t c : s) {
    if (c < 0x80) {
      o += static_cast<char>(c);
    } else if (c < 0x800) {
      o += static_cast<char>(0xC0 | (c >> 6));
      o += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      o += static_cast<char>(0xE0 | (c >> 12));
      o += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      o += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      o += static_cast<char>(0xF0 | (c >> 18));
      o += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      o += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      o += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return o;
}

std::u32string Utf32(std::string_view s) {
  std::u32string o;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = n == 1 ? b : b & (0x7F >> n);
    for (int k = 1; k < n && i + k < s.size(); ++k) c = (c << 6) | (s[i + k] & 0x3F);
    o += c;
    i += n;
  }
  return o;
}

std::vector<int> ParHelyek(std::u32string_view w) {
  std::vector<int> v;
  for (std::size_t b = 1; b < w.size(); ++b) {
    if (Par(w[b - 1], w[b]) || (w[b - 1] == w[b] && b + 1 < w.size() && Par(w[b], w[b + 1])))
      v.push_back(static_cast<int>(b));
  }
  return v;
}

std::vector<int> HamisParok(std::u32string_view w, const std::vector<int>& hatarok) {
  std::vector<int> v;
  for (int b : ParHelyek(w))
    if (std::binary_search(hatarok.begin(), hatarok.end(), b)) v.push_back(b);
  return v;
}

std::vector<int> HyMegjegyzesHatarai(std::u32string_view w, std::u32string_view hy) {
  std::vector<int> v;
  if (hy.empty()) return v;
  if (std::all_of(hy.begin(), hy.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; })) {
    const int n = std::atoi(Utf8(hy).c_str());
    if (n > 0 && n < static_cast<int>(w.size())) v.push_back(n);
    return v;
  }
  std::u32string betuk;
  std::vector<int> helyek;  // boundaries, counted in the note's letters
  for (char32_t c : hy) {
    if (c == U'|' || c == U'-' || c == U'=')
      helyek.push_back(static_cast<int>(betuk.size()));
    else
      betuk += Kisbetu(c);
  }
  // The note is the word or one piece of it; one that occurs twice is ambiguous.
  const std::size_t at = w.find(betuk);
  if (betuk.empty() || at == std::u32string_view::npos || w.find(betuk, at + 1) != w.npos) return v;
  for (int h : helyek) {
    const int b = static_cast<int>(at) + h;
    if (b > 0 && b < static_cast<int>(w.size())) v.push_back(b);
  }
  Rendez(v);
  return v;
}

struct TElemzo::TAdat {
  Hunhandle* hun = nullptr;
  HyphenDict* hyph = nullptr;
};

TElemzo::TElemzo(const std::string& aff, const std::string& dic, const std::string& hyph)
    : a_(std::make_unique<TAdat>()) {
  if (!std::ifstream(aff) || !std::ifstream(dic))
    throw std::runtime_error("cannot read the dictionary " + dic);
  a_->hun = Hunspell_create(aff.c_str(), dic.c_str());
  a_->hyph = hnj_hyphen_load(hyph.c_str());
  if (!a_->hun || !a_->hyph) {
    if (a_->hun) Hunspell_destroy(a_->hun);
    if (a_->hyph) hnj_hyphen_free(a_->hyph);
    throw std::runtime_error("cannot load " + (a_->hun ? hyph : dic));
  }
}

TElemzo::~TElemzo() {
  Hunspell_destroy(a_->hun);
  hnj_hyphen_free(a_->hyph);
}

std::vector<int> TElemzo::ElvalasztasiHatarok(std::u32string_view w) const {
  const std::string s = Utf8(w);
  std::vector<char> kotojelek(s.size() + 5, 0);
  std::vector<char> elvalasztott(s.size() * 3 + 10, 0);
  char** rep = nullptr;
  int* pos = nullptr;
  int* cut = nullptr;
  std::vector<int> v;
  if (hnj_hyphen_hyphenate2(a_->hyph, s.c_str(), static_cast<int>(s.size()), kotojelek.data(),
                            elvalasztott.data(), &rep, &pos, &cut) == 0) {
    // With UTF-8 patterns the marks count letters: an odd one after letter i.
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {
      if ((kotojelek[i] & 1) && !(rep && rep[i])) v.push_back(static_cast<int>(i + 1));
    }
  }
  if (rep) {
    for (std::size_t i = 0; i < s.size(); ++i) std::free(rep[i]);
    std::free(rep);
  }
  std::free(pos);
  std::free(cut);
  return v;
}

std::vector<int> TElemzo::ElemzesHatarai(std::u32string_view w) const {
  std::vector<int> v;
  const std::string s = Utf8(w);
  char** lista = nullptr;
  const int n = Hunspell_analyze(a_->hun, &lista, s.c_str());
  for (int i = 0; i < n; ++i) {
    // Fields are separated by blanks: "pa:víz st:víz po:noun ... pa:szűke ...".
    std::u32string reszek;
    std::vector<int> resz_hatarok;
    const std::u32string elemzes = Utf32(lista[i]);
    std::size_t at = 0;
    while (at < elemzes.size()) {
      std::size_t veg = elemzes.find(U' ', at);
      if (veg == std::u32string::npos) veg = elemzes.size();
      const std::u32string_view mezo(elemzes.data() + at, veg - at);
      if (mezo.starts_with(U"hy:")) {
        for (int b : HyMegjegyzesHatarai(w, mezo.substr(3))) v.push_back(b);
      } else if (mezo.starts_with(U"pa:")) {
        if (!reszek.empty()) resz_hatarok.push_back(static_cast<int>(reszek.size()));
        for (char32_t c : mezo.substr(3)) reszek += Kisbetu(c);
      }
      at = veg + 1;
    }
    // Compound parts count only when they spell the word.
    if (reszek == w) v.insert(v.end(), resz_hatarok.begin(), resz_hatarok.end());
  }
  if (lista) Hunspell_free_list(a_->hun, &lista, n);
  Rendez(v);
  return v;
}

std::vector<int> TElemzo::Hatarok(std::u32string_view w) const {
  std::vector<int> v = ElvalasztasiHatarok(w);
  const std::vector<int> e = ElemzesHatarai(w);
  v.insert(v.end(), e.begin(), e.end());
  Rendez(v);
  return v;
}

TSzo TElemzo::Szo(std::u32string_view w, int toldalek) const {
  TSzo sz{std::u32string(w), ParHelyek(w), {}};
  if (sz.parok.empty()) return sz;
  std::vector<int> h = Hatarok(w);
  if (toldalek > 0) {
    h.push_back(toldalek);
    Rendez(h);
  }
  sz.hamis = HamisParok(w, h);
  return sz;
}

bool TElemzo::Helyes(std::u32string_view w) const {
  return Hunspell_spell(a_->hun, Utf8(w).c_str()) != 0;
}

std::vector<std::pair<std::u32string, int>> ToldalekosSzavak(
    const TElemzo& elemzo, const std::u32string& w,
    const std::unordered_set<std::u32string>& szotar) {
  // Derivational suffixes that begin with s or the second letter of a long pair,
  // in the form that vowel harmony gives the stem: back, front unrounded, front
  // rounded.
  static const std::u32string_view kToldalekok[][3] = {{U"ság", U"ség", U"ség"},
                                                       {U"szor", U"szer", U"ször"},
                                                       {U"szerű", U"szerű", U"szerű"},
                                                       {U"nyi", U"nyi", U"nyi"}};
  int hangrend = 1;
  for (auto it = w.rbegin(); it != w.rend(); ++it) {
    if (std::u32string_view(U"aáoóuú").find(*it) != std::u32string_view::npos) {
      hangrend = 0;
      break;
    }
    if (std::u32string_view(U"öőüű").find(*it) != std::u32string_view::npos) {
      hangrend = 2;
      break;
    }
    if (std::u32string_view(U"eéií").find(*it) != std::u32string_view::npos) break;
  }
  // Case endings of the "-ság" nouns: they make the pattern meet what follows
  // (kuruc|sága, but kavics|ágya).
  static const std::u32string_view kRagok[][2] = {
      {U"a", U"e"},     {U"ot", U"et"},   {U"ok", U"ek"},   {U"ban", U"ben"}, {U"ba", U"be"},
      {U"ból", U"ből"}, {U"ra", U"re"},   {U"ról", U"ről"}, {U"nak", U"nek"}, {U"hoz", U"hez"},
      {U"gal", U"gel"}, {U"unk", U"ünk"}, {U"os", U"es"},   {U"i", U"i"}};
  std::vector<std::pair<std::u32string, int>> v;
  const int b = static_cast<int>(w.size());
  for (const auto& formak : kToldalekok) {
    const std::u32string uj = w + std::u32string(formak[hangrend]);
    const std::vector<int> p = ParHelyek(uj);
    if (!std::binary_search(p.begin(), p.end(), b)) continue;
    const bool szotari = szotar.count(uj) > 0;
    if (!szotari && !elemzo.Helyes(uj)) continue;
    if (!szotari) v.emplace_back(uj, b);
    if (&formak != &kToldalekok[0]) continue;
    for (const auto& rag : kRagok) {
      std::u32string ragos = uj + std::u32string(rag[hangrend == 0 ? 0 : 1]);
      if (!szotar.count(ragos)) v.emplace_back(std::move(ragos), b);
    }
  }
  return v;
}

std::vector<std::u32string> SzotarSzavai(const std::string& dic) {
  std::ifstream f(dic);
  if (!f) throw std::runtime_error("cannot read " + dic);
  std::vector<std::u32string> v;
  std::unordered_set<std::u32string> volt;
  std::string sor;
  bool elso = true;
  while (std::getline(f, sor)) {
    if (elso) {  // the first line is the count
      elso = false;
      continue;
    }
    const std::size_t veg = sor.find_first_of("/\t");
    std::u32string w = Utf32(std::string_view(sor).substr(0, veg));
    for (char32_t& c : w) c = Kisbetu(c);
    if (w.size() < 2 || !std::all_of(w.begin(), w.end(), Betu)) continue;
    if (volt.insert(w).second) v.push_back(std::move(w));
  }
  return v;
}

namespace {

// A candidate entry written as its key: "^" and "$" for the anchors, "|" at the split.
std::u32string Kulcs(std::u32string_view w, int i, int b, int j) {
  std::u32string k;
  if (i == 0) k += U'^';
  k.append(w.substr(i, b - i));
  k += U'|';
  k.append(w.substr(b, j - b));
  if (j == static_cast<int>(w.size())) k += U'$';
  return k;
}

// Every piece of `w` around the pair position b that holds the whole pair,
// with the anchors its ends allow: f(key) for each.
template <class F>
void Darabok(std::u32string_view w, int b, int maxHossz, F&& f) {
  const int n = static_cast<int>(w.size());
  const bool hosszu = w[b - 1] == w[b];  // n|ny: the piece needs the "y" too
  for (int i = b - 1; i >= 0 && b - i <= maxHossz; --i) {
    for (int j = b + (hosszu ? 2 : 1); j <= n && j - i <= maxHossz; ++j) {
      std::u32string k = Kulcs(w, i, b, j);
      // Keys with anchors are their own candidates; the bare piece matches
      // here too, so it is counted as well.
      std::u32string bare = k;
      if (bare.front() == U'^') bare.erase(0, 1);
      if (bare.back() == U'$') bare.pop_back();
      f(bare);
      if (i == 0) f(U"^" + std::u32string(bare));
      if (j == n) f(bare + U"$");
      if (i == 0 && j == n) f(k);
    }
  }
}

struct TStat {
  int rossz = 0;
  std::vector<int> peldak;  // indexes of covered false pairs
};

}  // namespace

std::vector<TBejegyzes> Valasztas(const std::vector<TSzo>& szavak, TValasztasBeallitas beall) {
  // The false pairs to cover, numbered.
  std::unordered_map<std::u32string, TStat> stat;
  int peldaSzam = 0;
  for (const TSzo& sz : szavak) {
    for (int b : sz.parok) {
      const bool hamis = std::binary_search(sz.hamis.begin(), sz.hamis.end(), b);
      const int pelda = hamis ? peldaSzam++ : -1;
      Darabok(sz.betuk, b, beall.maxHossz, [&](const std::u32string& k) {
        TStat& s = stat[k];
        if (hamis)
          s.peldak.push_back(pelda);
        else
          ++s.rossz;
      });
    }
  }
  // Greedy cover, most new false pairs first; ties go to the shorter key.
  struct TJelolt {
    int uj;
    const std::u32string* kulcs;
    const TStat* s;
  };
  auto kisebb = [](const TJelolt& a, const TJelolt& b) {
    if (a.uj != b.uj) return a.uj < b.uj;
    if (a.kulcs->size() != b.kulcs->size()) return a.kulcs->size() > b.kulcs->size();
    return *a.kulcs > *b.kulcs;
  };
  std::priority_queue<TJelolt, std::vector<TJelolt>, decltype(kisebb)> sor(kisebb);
  for (const auto& [k, s] : stat) {
    if (s.rossz > 0 || s.peldak.empty()) continue;
    const bool egesz = k.front() == U'^' && k.back() == U'$';
    if (!egesz && static_cast<int>(s.peldak.size()) < beall.minTalalat) continue;
    sor.push({static_cast<int>(s.peldak.size()), &k, &s});
  }
  std::vector<char> fedett(peldaSzam, 0);
  std::vector<TBejegyzes> lista;
  while (!sor.empty()) {
    TJelolt j = sor.top();
    sor.pop();
    int uj = 0;
    for (int p : j.s->peldak) uj += !fedett[p];
    if (uj == 0) continue;
    if (uj < j.uj) {  // stale: back with its current worth
      j.uj = uj;
      sor.push(j);
      continue;
    }
    for (int p : j.s->peldak) fedett[p] = 1;
    TBejegyzes e;
    e.minta = *j.kulcs;
    if (e.minta.front() == U'^') {
      e.elejen = true;
      e.minta.erase(0, 1);
    }
    if (e.minta.back() == U'$') {
      e.vegen = true;
      e.minta.pop_back();
    }
    e.talalat = uj;
    lista.push_back(std::move(e));
  }
  std::sort(lista.begin(), lista.end(), [](const TBejegyzes& a, const TBejegyzes& b) {
    return std::tie(a.minta, a.elejen, a.vegen) < std::tie(b.minta, b.elejen, b.vegen);
  });
  return lista;
}

std::vector<int> Vagasok(const std::vector<TBejegyzes>& lista, std::u32string_view w) {
  std::vector<int> v;
  for (const TBejegyzes& e : lista) {
    const std::size_t vagas = e.minta.find(U'|');
    std::u32string betuk = e.minta;
    betuk.erase(vagas, 1);
    for (std::size_t at = w.find(betuk); at != w.npos; at = w.find(betuk, at + 1)) {
      if (e.elejen && at != 0) continue;
      if (e.vegen && at + betuk.size() != w.size()) continue;
      v.push_back(static_cast<int>(at + vagas));
    }
  }
  Rendez(v);
  return v;
}

std::string SzoXmlSor(const TBejegyzes& e) {
  std::u32string mit = e.minta;
  mit.erase(mit.find(U'|'), 1);
  return "<szo mit=\"" + std::string(e.elejen ? "\\b" : "") + Utf8(mit) +
         std::string(e.vegen ? "\\b" : "") + "\" mire=\"" + Utf8(e.minta) + "\"/>";
}

}  // namespace szogen
