// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/szolista.h"

#include <algorithm>

#include "engine/karvo.h"
#include "engine/kivetelezo.h"
#include "platform/fajl.h"
#include "platform/win1250.h"
#include "regex/regkif.h"

using namespace win1250::literals;

namespace {

constexpr std::string_view kElem = "<szo mit=\"";
constexpr std::string_view kMire = "\" mire=\"";
constexpr std::size_t kMaradekHossz = 1000;

// Every occurrence of `mit` (ASCII letter case ignored) removed, scanning left
// to right without looking again at what the removal joins together.
std::string Eltavolit(std::string_view s, std::string_view mit) {
  std::string ki;
  ki.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    if (s.size() - i >= mit.size()) {
      bool egyezik = true;
      for (std::size_t j = 0; j < mit.size() && egyezik; ++j) {
        egyezik = win1250::ToLower(static_cast<unsigned char>(s[i + j])) ==
                  win1250::ToLower(static_cast<unsigned char>(mit[j]));
      }
      if (egyezik) {
        i += mit.size();
        continue;
      }
    }
    ki += s[i++];
  }
  return ki;
}

// The text before the first quote; empty when there is none.
std::string_view IdezojelElott(std::string_view s) {
  std::size_t q = s.find('"');
  return q == std::string_view::npos ? std::string_view() : s.substr(0, q);
}

}  // namespace

std::string SzoAtalakitas(std::string_view szoveg) {
  // Each letter in turn over the whole text, as a chain of replace-alls; the
  // UTF-8 form of each of these letters is two bytes long.
  std::string s(szoveg);
  for (const char cel : std::string_view("áéíóöőúüű"_hu)) {
    const std::string utf8 = win1250::ToUtf8(std::string_view(&cel, 1));
    std::string ki;
    ki.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i] == utf8[0] && i + 1 < s.size() && s[i + 1] == utf8[1]) {
        ki += cel;
        ++i;
      } else {
        ki += s[i];
      }
    }
    s.swap(ki);
  }
  return s;
}

std::optional<std::string> SzoSorErtelmezese(std::string_view sor) {
  if (sor.substr(0, kElem.size()) != kElem) return std::nullopt;
  std::string maradek = Eltavolit(sor, kElem);
  std::string_view s = maradek;
  std::string_view szo = IdezojelElott(s);
  // From the quote that ended the word; without one, from the start (the
  // replacement then comes out empty, as there is no quote anywhere).
  std::size_t q = s.find('"');
  std::string_view vege = s.substr(q == std::string_view::npos ? 0 : q, kMaradekHossz);
  std::string mire = Eltavolit(vege, kMire);
  return SzoAtalakitas(szo) + "=" + SzoAtalakitas(IdezojelElott(mire));
}

TSzoLista SzoListaSzovegbol(std::string_view szoveg) {
  TSzoLista lista;
  std::size_t pos = 0;
  while (pos < szoveg.size()) {
    std::size_t vege = szoveg.find_first_of("\r\n", pos);
    if (vege == std::string_view::npos) vege = szoveg.size();
    if (std::optional<std::string> bejegyzes = SzoSorErtelmezese(szoveg.substr(pos, vege - pos))) {
      lista.push_back(std::move(*bejegyzes));
    }
    pos = vege;
    if (pos < szoveg.size()) {
      bool crlf = szoveg[pos] == '\r' && pos + 1 < szoveg.size() && szoveg[pos + 1] == '\n';
      pos += crlf ? 2 : 1;
    }
  }
  return lista;
}

platform::Status SzoListaOlvasasa(const std::string& utvonal, TSzoLista& lista) {
  lista.clear();
  std::string szoveg;
  platform::Status olvasas = platform::ReadFile(utvonal, kSzoXmlMaxMeret, szoveg);
  if (olvasas.ok()) lista = SzoListaSzovegbol(szoveg);
  return olvasas;
}

namespace {

bool Ures(std::string_view sor) { return sor.find_first_not_of(" \t") == std::string_view::npos; }

// `<szo mit="w" mire="r"/>`: no quote inside the values.
bool JoBejegyzes(std::string_view sor) {
  if (sor.substr(0, kElem.size()) != kElem) return false;
  sor.remove_prefix(kElem.size());
  const size_t q = sor.find('"');
  if (q == std::string_view::npos) return false;
  sor.remove_prefix(q);
  if (sor.size() < kMire.size()) return false;
  for (size_t i = 0; i < kMire.size(); ++i) {
    if (win1250::ToLower(static_cast<unsigned char>(sor[i])) !=
        static_cast<unsigned char>(kMire[i]))
      return false;
  }
  sor.remove_prefix(kMire.size());
  const size_t q2 = sor.find('"');
  if (q2 == std::string_view::npos) return false;
  sor.remove_prefix(q2 + 1);
  while (!sor.empty() && (sor.front() == ' ' || sor.front() == '\t')) sor.remove_prefix(1);
  if (sor.substr(0, 2) != "/>") return false;
  return Ures(sor.substr(2));
}

}  // namespace

bool SzoListaTeljes(std::string_view szoveg) {
  std::string_view utolso;
  size_t pos = 0;
  while (pos < szoveg.size()) {
    size_t vege = szoveg.find_first_of("\r\n", pos);
    if (vege == std::string_view::npos) vege = szoveg.size();
    const std::string_view sor = szoveg.substr(pos, vege - pos);
    if (sor.substr(0, 4) == "<szo" && !JoBejegyzes(sor)) return false;
    if (!Ures(sor)) utolso = sor;
    pos = vege + 1;
  }
  utolso.remove_prefix(std::min(utolso.size(), utolso.find_first_not_of(" \t")));
  return utolso.substr(0, 2) == "</";
}

platform::Status SzoListaProbaja(const TSzoLista& lista) {
  static const std::string sor =
      "Árvíztűrő tükörfúrógép: a kakas kukorékol, 12 ökör és 5 ló; igazság, őzsuta, sasszem, "
      "Pilisszentkereszt! QWXY qwxy dzs (a) [b] {c} 1848-ban.\r\n"_hu;
  static const std::string minta = [] {
    std::string m;
    while (m.size() < (std::size_t{16} << 10)) m += sor;
    return m;
  }();
  auto Hiba = [&](std::size_t i, const ERegKif& e) {
    const std::string& bejegyzes = lista[i];
    return platform::Status::Error("entry " + std::to_string(i + 1) + " (" +
                                   win1250::ToUtf8(bejegyzes.substr(0, bejegyzes.find('='))) +
                                   "): " + e.what());
  };
  TRegKif re;
  for (std::size_t i = 0; i < lista.size(); ++i) {
    try {
      const TRegKif::OutputBudget keret(KimenetKeret(sor.size()));
      re.SetExpression(lista[i].substr(0, lista[i].find('=')));
      re.ReplaceAll(sor, "x", false);
    } catch (const ERegKif& e) {
      return Hiba(i, e);
    }
  }
  try {
    const TRegKif::OutputBudget keret(KimenetKeret(minta.size()));
    TRovoKivetelezo(&lista).Alkalmaz(minta);
  } catch (const ERegKif& e) {
    return platform::Status::Error(std::string("the list fails on a sample text: ") + e.what());
  }
  return {};
}
