// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sorosatrovo.h"

#include <algorithm>
#include <iterator>

namespace {

// An edit that leaves more lines than this to transliterate goes whole: one
// pass over the text costs less than many short ones.
constexpr size_t kLegtobbSor = 64;

constexpr std::string_view kSorveg = "\r\n";

}  // namespace

TSorosAtrovo::TSorosAtrovo(TKarvo& motor) : motor_(motor), sorok_(1) {}

std::string TSorosAtrovo::Szoveg() const {
  std::string s;
  for (size_t i = 0; i < sorok_.size(); ++i) {
    if (i) s += kSorveg;
    s += sorok_[i].latin;
  }
  return s;
}

std::string TSorosAtrovo::Kimenet() const {
  if (!soros_) return kimenet_;
  std::string s;
  for (size_t i = 0; i < sorok_.size(); ++i) {
    if (i) s += kSorveg;
    s += sorok_[i].ki;
  }
  return s;
}

std::string TSorosAtrovo::Eredmeny() {
  motor_.Frissit();
  return Ervenyes() ? Kimenet() : motor_.Atrov(Szoveg());
}

TSorosAtrovo::TValtozas TSorosAtrovo::Atrovas() {
  ervenyes_ = false;
  soros_ = false;
  std::string s = Szoveg();
  std::vector<int> sorvegek;
  const bool sorosan = kulonleges_ == 0 && motor_.SoronkentAtrovhato();
  motor_.AtrovHelyben(s, sorvegek);
  valtozat_ = motor_.Valtozat();
  // No line end is written or removed, so the output has as many lines.
  soros_ = sorosan;
  for (size_t i = 0, kezdet = 0; soros_ && i < sorok_.size(); ++i) {
    const size_t veg = i + 1 < sorok_.size() ? s.find(kSorveg, kezdet) : s.size();
    soros_ = veg != std::string::npos;
    if (!soros_) break;
    sorok_[i].ki.assign(s, kezdet, veg - kezdet);
    sorok_[i].emlek = i < sorvegek.size() ? sorvegek[i] : TRovoHangzougrato::kNincsEmlek;
    kezdet = veg + kSorveg.size();
  }
  if (soros_)
    kimenet_.clear();
  else
    kimenet_ = std::move(s);
  ervenyes_ = true;
  return {.szoveg = false, .egesz = true};
}

void TSorosAtrovo::SorAtrovasa(size_t i, int& emlek) {
  std::string s = sorok_[i].latin;
  const bool utolso = i + 1 == sorok_.size();
  if (!utolso) s += kSorveg;
  motor_.SorAtrovasa(s, emlek);
  if (!utolso) s.resize(s.size() - kSorveg.size());
  sorok_[i].ki = std::move(s);
  sorok_[i].emlek = emlek;
}

TSorosAtrovo::TValtozas TSorosAtrovo::Szerkesztes(
    size_t elso, size_t utolso, size_t db, const std::function<std::string(size_t)>& bekezdes,
    bool atrov) {
  if (db == 0) return Csere(0, sorok_.size(), {}, atrov);  // an empty text has one line
  // The paragraphs after the change are the old lines after it.
  const bool illik = elso <= utolso && utolso < db && elso + (db - 1 - utolso) <= sorok_.size();
  if (!illik) {
    elso = 0;
    utolso = db - 1;
  }
  const size_t torolt = sorok_.size() - elso - (db - 1 - utolso);
  std::vector<std::string> uj;
  for (size_t i = elso; i <= utolso; ++i) uj.push_back(bekezdes(i));
  return Csere(elso, torolt, std::move(uj), atrov);
}

TSorosAtrovo::TValtozas TSorosAtrovo::Csere(size_t elso, size_t torolt, std::vector<std::string> uj,
                                            bool atrov) {
  if (uj.empty() && torolt == sorok_.size()) uj.emplace_back();  // an empty text has one line
  // Equal lines at either end are no change.
  size_t eleje = 0;
  while (eleje < torolt && eleje < uj.size() && sorok_[elso + eleje].latin == uj[eleje]) ++eleje;
  size_t vege = 0;
  while (vege < torolt - eleje && vege < uj.size() - eleje &&
         sorok_[elso + torolt - 1 - vege].latin == uj[uj.size() - 1 - vege])
    ++vege;
  elso += eleje;
  torolt -= eleje + vege;
  uj.erase(uj.end() - static_cast<ptrdiff_t>(vege), uj.end());
  uj.erase(uj.begin(), uj.begin() + static_cast<ptrdiff_t>(eleje));
  if (torolt == 0 && uj.empty()) return {.elso = elso};

  const bool sorosan =
      atrov && Ervenyes() && soros_ && !motor_.Frissit() && motor_.SoronkentAtrovhato();
  // The last line is taken without CR LF: an edit that reaches the text's end
  // changes how the line before it ends.
  if (sorosan && elso > 0 && elso + torolt == sorok_.size() && (torolt == 0 || uj.empty())) {
    --elso;
    ++torolt;
    uj.insert(uj.begin(), sorok_[elso].latin);
  }
  // The memory the first line after the edit started with.
  int kovetkezo =
      elso + torolt > 0 ? sorok_[elso + torolt - 1].emlek : TRovoHangzougrato::kNincsEmlek;

  const auto kezdet = sorok_.begin() + static_cast<ptrdiff_t>(elso);
  for (auto it = kezdet; it != kezdet + static_cast<ptrdiff_t>(torolt); ++it)
    kulonleges_ -= !SorbaIllo(it->latin);
  for (const std::string& sor : uj) kulonleges_ += !SorbaIllo(sor);
  const size_t ujDb = uj.size();
  std::vector<TSor> ujSorok(ujDb);
  for (size_t i = 0; i < ujDb; ++i) ujSorok[i].latin = std::move(uj[i]);
  sorok_.erase(kezdet, kezdet + static_cast<ptrdiff_t>(torolt));
  sorok_.insert(sorok_.begin() + static_cast<ptrdiff_t>(elso),
                std::make_move_iterator(ujSorok.begin()), std::make_move_iterator(ujSorok.end()));
  kimenet_.clear();

  if (!atrov) {
    ervenyes_ = false;
    return {.szoveg = true, .egesz = true};
  }
  auto egeszben = [this] {
    TValtozas v = Atrovas();
    v.szoveg = true;
    return v;
  };
  if (!sorosan || kulonleges_ > 0 || ujDb > kLegtobbSor) return egeszben();
  ervenyes_ = false;  // until every touched line is done
  int emlek = elso > 0 ? sorok_[elso - 1].emlek : TRovoHangzougrato::kNincsEmlek;
  size_t k = elso;
  try {
    for (; k < elso + ujDb; ++k) SorAtrovasa(k, emlek);
    // The lines after the edit change as long as their start memory does.
    for (; k < sorok_.size() && emlek != kovetkezo; ++k) {
      if (k - elso == kLegtobbSor) return egeszben();
      kovetkezo = sorok_[k].emlek;
      SorAtrovasa(k, emlek);
    }
  } catch (const ERegKif&) {
    // A line's budgets are smaller than the text's: the whole text decides
    // whether the rules really run away.
    return egeszben();
  }
  ervenyes_ = true;
  return {.szoveg = true,
          .egesz = false,
          .elso = elso,
          .regi = torolt + (k - elso - ujDb),
          .uj = k - elso};
}
