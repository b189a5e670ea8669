// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmllabel/minihtml.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>

#include "platform/win1250.h"

namespace minihtml {

namespace {

constexpr std::array<std::string_view, 56> kNevek = {
    "aText",           "aSpace",       "aLISTag",   "aFormElement", "aHorizontalRule",
    "aPicture",        "aUserDefined", "aTDSTag",   "aTHSTag",      "aHtmlSTag",
    "aHtmlETag",       "aHeadSTag",    "aHeadETag", "aScriptSTag",  "aScriptETag",
    "aBodySTag",       "aBodyETag",    "aFontSTag", "aFontETag",    "aBlockquoteSTag",
    "aBlockquoteETag", "aPSTag",       "aPETag",    "aBRTag",       "aUSTag",
    "aUETag",          "aBSTag",       "aBETag",    "aSSTag",       "aSETag",
    "aISTag",          "aIETag",       "aASTag",    "aAETag",       "aULSTag",
    "aULETag",         "aOLSTag",      "aOLETag",   "aLIETag",      "aTitleSTag",
    "aTitleETag",      "aDynamicTag",  "aFormSTag", "aFormETag",    "aSelectionSTag",
    "aSelectionETag",  "aSubSTag",     "aSubETag",  "aSupSTag",     "aSupETag",
    "aTableSTag",      "aTableETag",   "aTRSTag",   "aTRETag",      "aTDETag",
    "aTHETag"};

// How an object takes part in line layout.
enum TFajta : std::uint8_t {
  kLathatatlan,  // changes the state only
  kElotteSor,    // starts a new line before itself
  kUtanaSor,     // ends the line after itself
  kLathato,
  kNincs,  // no object (tags without an end object)
};

using O = TOsztaly;
struct TCimkeSor {
  std::string_view Nev;
  int Kategoria;
  O Kezdo;
  TFajta KezdoFajta;
  O Zaro;
  TFajta ZaroFajta;
};

// The tag table. Start tags whose end object differs push themselves on the
// open-tag list; their end tags close the latest open tag of the same start class.
constexpr TCimkeSor kCimkek[] = {
    {"html", 7, O::aHtmlSTag, kLathatatlan, O::aHtmlETag, kLathatatlan},
    {"head", 7, O::aHeadSTag, kLathatatlan, O::aHeadETag, kLathatatlan},
    {"script", 7, O::aScriptSTag, kLathatatlan, O::aScriptETag, kLathatatlan},
    {"body", 0, O::aBodySTag, kLathatatlan, O::aBodyETag, kLathatatlan},
    {"font", 0, O::aFontSTag, kLathatatlan, O::aFontETag, kLathatatlan},
    {"blockquote", 0, O::aBlockquoteSTag, kElotteSor, O::aBlockquoteETag, kUtanaSor},
    {"indent", 0, O::aBlockquoteSTag, kElotteSor, O::aBlockquoteETag, kUtanaSor},
    {"p", 1, O::aPSTag, kElotteSor, O::aPETag, kUtanaSor},
    {"div", 1, O::aPSTag, kElotteSor, O::aPETag, kUtanaSor},
    {"br", 1, O::aBRTag, kUtanaSor, O::aBRTag, kUtanaSor},
    {"u", 0, O::aUSTag, kLathatatlan, O::aUETag, kLathatatlan},
    {"b", 0, O::aBSTag, kLathatatlan, O::aBETag, kLathatatlan},
    {"s", 0, O::aSSTag, kLathatatlan, O::aSETag, kLathatatlan},
    {"i", 0, O::aISTag, kLathatatlan, O::aIETag, kLathatatlan},
    {"a", 0, O::aASTag, kLathatatlan, O::aAETag, kLathatatlan},
    {"ul", 5, O::aULSTag, kUtanaSor, O::aULETag, kLathatatlan},
    {"ol", 5, O::aOLSTag, kUtanaSor, O::aOLETag, kLathatatlan},
    {"li", 5, O::aLISTag, kLathato, O::aLIETag, kUtanaSor},
    {"title", 7, O::aTitleSTag, kUtanaSor, O::aTitleETag, kUtanaSor},
    {"img", 2, O::aPicture, kLathato, O::aPicture, kNincs},
    {"hr", 2, O::aHorizontalRule, kLathato, O::aHorizontalRule, kNincs},
    {"dynamic", 3, O::aDynamicTag, kLathatatlan, O::aDynamicTag, kLathatatlan},
    {"form", 6, O::aFormSTag, kElotteSor, O::aFormETag, kUtanaSor},
    {"input", 6, O::aFormElement, kLathato, O::aFormElement, kNincs},
    {"user", 3, O::aUserDefined, kLathato, O::aUserDefined, kNincs},
    {"selection", 0, O::aSelectionSTag, kLathatatlan, O::aSelectionETag, kLathatatlan},
    {"hi", 0, O::aSelectionSTag, kLathatatlan, O::aSelectionETag, kLathatatlan},
    {"sub", 0, O::aSubSTag, kLathatatlan, O::aSubETag, kLathatatlan},
    {"sup", 0, O::aSupSTag, kLathatatlan, O::aSupETag, kLathatatlan},
    {"table", 4, O::aTableSTag, kElotteSor, O::aTableETag, kUtanaSor},
    {"tr", 4, O::aTRSTag, kLathatatlan, O::aTRETag, kElotteSor},
    {"td", 4, O::aTDSTag, kLathato, O::aTDETag, kLathatatlan},
    {"th", 4, O::aTHSTag, kLathato, O::aTHETag, kLathatatlan},
};
constexpr int kMaxKategoria = 6;     // category 7 is never allowed
constexpr size_t kMaxNyitott = 256;  // open tags at once; more change nothing
constexpr int kMaxTablaMelyseg = 8;  // tables inside cells inside tables...

const TCimkeSor& Sor(const TObjektum& o) { return kCimkek[o.Cimke]; }

TFajta Fajta(const TObjektum& o) {
  if (o.Cimke < 0) return kLathato;
  return o.Vege ? Sor(o).ZaroFajta : Sor(o).KezdoFajta;
}

bool Nyito(const TObjektum& o) {
  return o.Cimke >= 0 && !o.Vege && Sor(o).ZaroFajta != kNincs && Sor(o).Zaro != Sor(o).Kezdo;
}

bool Cella(const TObjektum& o) {
  return !o.Vege && (o.Osztaly == O::aTDSTag || o.Osztaly == O::aTHSTag);
}

char Kis(char c) { return static_cast<char>(win1250::ToLower(static_cast<unsigned char>(c))); }

// Every occurrence, ignoring letter case.
void CsereMind(std::string& s, std::string_view mit, std::string_view mire) {
  if (s.size() < mit.size()) return;
  std::string out;
  size_t i = 0;
  bool volt = false;
  while (i < s.size()) {
    if (i + mit.size() <= s.size() &&
        std::equal(mit.begin(), mit.end(), s.begin() + static_cast<std::ptrdiff_t>(i),
                   [](char a, char b) { return Kis(a) == Kis(b); })) {
      out += mire;
      i += mit.size();
      volt = true;
    } else {
      out += s[i++];
    }
  }
  if (volt) s = std::move(out);
}

void Entitasok(std::string& s) {
  if (s.find('&') == std::string::npos) return;
  CsereMind(s, "&nbsp;", " ");
  CsereMind(s, "&lt;", "<");
  CsereMind(s, "&gt;", ">");
  CsereMind(s, "&amp;", "&");
  CsereMind(s, "&quot;", "\"");
  CsereMind(s, "&copy;", "(c)");
}

std::string_view Nyesett(std::string_view s) {
  const auto ures = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && ures(s.front())) s.remove_prefix(1);
  while (!s.empty() && ures(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<int> Egesz(std::string_view s) {
  int v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size() || s.empty()) return std::nullopt;
  return v;
}

// Lengths from attributes stay small enough that sums of them cannot overflow.
constexpr int kMaxHossz = 10000;
int Hossz(std::optional<int> v, int alap = 0) { return std::clamp(v.value_or(alap), 0, kMaxHossz); }

// Width attribute rule (see the header).
int SzelessegSzabaly(std::string_view ertek, int alap) {
  int w = 0;
  if (!ertek.empty() && ertek.back() == '%') {
    w = Hossz(Egesz(ertek.substr(0, ertek.size() - 1))) * alap / 100;
  } else {
    w = Hossz(Egesz(ertek));
  }
  if (w <= 0) w = alap;
  return w > 10 ? w - 10 : w;
}

std::string SorTores(std::string s) {
  std::erase_if(s, [](char c) { return c == '\r' || c == '\n'; });
  return s;
}

// Shifts a canvas by an offset (table cells draw their own engine).
class TEltoltVaszon : public TVaszon {
 public:
  TEltoltVaszon(TVaszon& v, int dx, int dy) : v_(v), dx_(dx), dy_(dy) {}
  void Kitoltes(const TTeglalap& r, TSzin s) override { v_.Kitoltes(E(r), s); }
  void Szoveg(int x, int y, std::string_view t, const TBetu& b, TSzin s) override {
    v_.Szoveg(x + dx_, y + dy_, t, b, s);
  }
  void Kor(const TTeglalap& r, TSzin s) override { v_.Kor(E(r), s); }
  void Keret(const TTeglalap& r, TSzin s) override { v_.Keret(E(r), s); }
  void Jelolonegyzet(const TTeglalap& r, bool b) override { v_.Jelolonegyzet(E(r), b); }
  void Gomb(const TTeglalap& r, std::string_view t, const TBetu& b) override {
    v_.Gomb(E(r), t, b);
  }

 private:
  TTeglalap E(TTeglalap r) const {
    r.X += dx_;
    r.Y += dy_;
    return r;
  }
  TVaszon& v_;
  int dx_, dy_;
};

// Measures nothing: for parsing alone.
class TNullMero : public TMero {
 public:
  int Szelesseg(const TBetu&, std::string_view) override { return 0; }
  int Magassag(const TBetu&, std::string_view) override { return 0; }
};

}  // namespace

std::string_view Nev(TOsztaly o) { return kNevek[static_cast<size_t>(o)]; }

std::string_view CimkeNev(const TObjektum& o) { return o.Cimke < 0 ? "" : Sor(o).Nev; }

std::string_view TObjektum::Ertek(std::string_view nev) const {
  for (const auto& [n, v] : Attr) {
    if (n == nev) return v;
  }
  return {};
}

bool TObjektum::Van(std::string_view nev) const {
  return std::any_of(Attr.begin(), Attr.end(), [&](const auto& a) { return a.first == nev; });
}

int BetuMeret(std::string_view ertek) {
  long long meret = 8;
  if (!ertek.empty() && (ertek[0] == '+' || ertek[0] == '-')) {
    if (const auto n = Egesz(ertek.substr(1))) meret = ertek[0] == '+' ? 8LL + *n : 8LL - *n;
  } else {
    meret = Egesz(ertek).value_or(8);
  }
  return static_cast<int>(std::clamp(meret, 1LL, 1000LL));
}

TSzin Szin(std::string_view ertek) {
  if (ertek.empty() || ertek.find('<') != std::string_view::npos) return kFekete;
  if (ertek[0] == '#') {
    const auto hex = ertek.substr(1);
    unsigned v = 0;
    auto [p, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
    if (hex.size() == 6 && ec == std::errc() && p == hex.data() + hex.size()) return v;
    return kFeher;
  }
  struct TNevSzin {
    std::string_view Nev;
    TSzin Szin;
  };
  static constexpr TNevSzin kSzinek[] = {
      {"black", 0x000000},  {"maroon", 0x800000},  {"green", 0x008000}, {"olive", 0x808000},
      {"navy", 0x000080},   {"purple", 0x800080},  {"teal", 0x008080},  {"gray", 0x808080},
      {"silver", 0xC0C0C0}, {"red", 0xFF0000},     {"lime", 0x00FF00},  {"yellow", 0xFFFF00},
      {"blue", 0x0000FF},   {"fuchsia", 0xFF00FF}, {"aqua", 0x00FFFF},  {"white", 0xFFFFFF}};
  std::string_view nev = ertek;
  if (nev.starts_with("cl")) nev.remove_prefix(2);
  for (const auto& sz : kSzinek) {
    if (sz.Nev == nev) return sz.Szin;
  }
  // A number is 0x00BBGGRR.
  unsigned v = 0;
  std::string_view szam = ertek;
  int alap = 10;
  if (szam.starts_with("0x") || szam.starts_with("$")) {
    szam.remove_prefix(szam[0] == '$' ? 1 : 2);
    alap = 16;
  }
  auto [p, ec] = std::from_chars(szam.data(), szam.data() + szam.size(), v, alap);
  if (szam.empty() || ec != std::errc() || p != szam.data() + szam.size()) return kFeher;
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

std::string SimaSzoveg(std::string_view html) {
  TNullMero mero;
  TMiniHtml m(mero);
  m.SetHtml(std::string(html));
  m.Elemzes();
  std::string out;
  for (const TObjektum& o : m.Objektumok()) {
    if (o.Osztaly == O::aText || o.Osztaly == O::aSpace) {
      out += SorTores(o.Szoveg);
    } else if (Fajta(o) == kUtanaSor && !out.empty() && out.back() != '\n') {
      out += '\n';
    }
  }
  return std::string(Nyesett(out));
}

TMiniHtml::TMiniHtml(TMero& mero) : mero_(mero) {}
TMiniHtml::~TMiniHtml() = default;

// ---- Parsing ---------------------------------------------------------------

void TMiniHtml::Elemzes() {
  obj_.clear();
  dinamikus_ = false;
  // The source as its lines, each followed by CR LF.
  std::string teljes;
  teljes.reserve(forras_.size() + 16);
  for (size_t i = 0; i < forras_.size();) {
    const size_t v = forras_.find_first_of("\r\n", i);
    if (v == std::string::npos) {
      teljes.append(forras_, i);
      teljes += "\r\n";
      break;
    }
    teljes.append(forras_, i, v - i);
    teljes += "\r\n";
    i = v + ((forras_[v] == '\r' && v + 1 < forras_.size() && forras_[v + 1] == '\n') ? 2 : 1);
  }
  Feldolgozas(teljes, true);
}

void TMiniHtml::Feldolgozas(std::string_view teljes, bool dinamikusEngedett) {
  constexpr size_t kBlokk = 400;
  size_t kov = 0;
  std::string puf;
  size_t p = 0;
  const auto bovites = [&] {
    if (kov >= teljes.size()) return false;
    puf.append(teljes.substr(kov, kBlokk));
    kov += kBlokk;
    return true;
  };
  const auto nyitottKacsacsor = [&] {
    const size_t lt = puf.find('<', p);
    return lt != std::string::npos && puf.find('>', lt) == std::string::npos;
  };
  bool link = false;
  for (;;) {
    const bool bovult = bovites();
    if (p >= puf.size() && !bovult) break;
    while (nyitottKacsacsor() && bovites()) {
    }
    const size_t lt = puf.find('<', p);
    const size_t gt = lt == std::string::npos ? lt : puf.find('>', lt);
    if (gt == std::string::npos) {
      Darabolas(puf.substr(p), link);
      link = false;
      p = puf.size();
      continue;
    }
    if (lt > p) Darabolas(puf.substr(p, lt - p), link);
    const int uj = Cimke(std::string_view(puf).substr(lt + 1, gt - lt - 1), dinamikusEngedett);
    p = gt + 1;
    link = uj >= 0 && obj_[static_cast<size_t>(uj)].Osztaly == O::aASTag;
    if (uj >= 0 && Cella(obj_[static_cast<size_t>(uj)])) {
      // The cell's text runs to its matching end tag, nested cells of the same name counted.
      const std::string nev(Sor(obj_[static_cast<size_t>(uj)]).Nev);
      const std::string nyit = "<" + nev, zar = "</" + nev;
      const auto illik = [&puf](size_t q, std::string_view minta) {
        if (q + minta.size() > puf.size()) return false;
        for (size_t k = 0; k < minta.size(); ++k) {
          if (Kis(puf[q + k]) != minta[k]) return false;
        }
        return true;
      };
      size_t melyseg = 0, i = p;
      for (;;) {
        const size_t q = puf.find('<', i);
        if (q == std::string::npos || q + zar.size() > puf.size()) {
          const size_t eddig = q == std::string::npos ? puf.size() : q;
          if (bovites()) {
            i = eddig;
            continue;
          }
          if (q == std::string::npos) {
            i = puf.size();
            break;
          }
        }
        if (illik(q, zar)) {
          if (melyseg == 0) {
            i = q;
            break;
          }
          --melyseg;
          i = q + zar.size();
        } else {
          if (illik(q, nyit)) ++melyseg;
          i = q + 1;
        }
      }
      obj_[static_cast<size_t>(uj)].CellaSzoveg = puf.substr(p, i - p);
      p = i;
    }
    if (p > 65536) {
      puf.erase(0, p);
      p = 0;
    }
  }
}

void TMiniHtml::Darabolas(std::string szoveg, bool link) {
  Entitasok(szoveg);
  const auto uj = [this](O osztaly, std::string s) {
    TObjektum& o = obj_.emplace_back();
    o.Osztaly = osztaly;
    o.Szoveg = std::move(s);
    o.Lathato = true;
  };
  if (link) {
    // Link text stays whole, so it never wraps.
    const bool volt = szoveg.find(' ') != std::string::npos;
    uj(O::aText, std::move(szoveg));
    if (volt) uj(O::aSpace, " ");
    return;
  }
  size_t i = 0;
  while (i < szoveg.size()) {
    const size_t sp = szoveg.find(' ', i);
    if (sp == std::string::npos) {
      uj(O::aText, szoveg.substr(i));
      break;
    }
    if (sp > i) uj(O::aText, szoveg.substr(i, sp - i));
    uj(O::aSpace, " ");
    i = sp + 1;
  }
}

int TMiniHtml::Cimke(std::string_view torzs, bool dinamikusEngedett) {
  const std::string kis = win1250::ToLower(torzs);
  const size_t sp = kis.find(' ');
  std::string_view nev = std::string_view(kis).substr(0, sp);
  const bool vege = nev.starts_with('/');
  if (vege) nev.remove_prefix(1);
  const auto sor = std::find_if(std::begin(kCimkek), std::end(kCimkek),
                                [&](const TCimkeSor& s) { return s.Nev == nev; });
  if (sor == std::end(kCimkek) || sor->Kategoria > kMaxKategoria) return -1;
  if (vege && sor->ZaroFajta == kNincs) return -1;

  TObjektum o;
  o.Osztaly = vege ? sor->Zaro : sor->Kezdo;
  o.Vege = vege;
  o.Cimke = static_cast<int>(sor - std::begin(kCimkek));
  o.Lathato = !vege && sor->KezdoFajta == kLathato;
  std::string_view maradek = sp == std::string::npos ? "" : std::string_view(kis).substr(sp + 1);
  for (size_t eq; (eq = maradek.find('=')) != std::string_view::npos;) {
    const std::string_view anev = Nyesett(maradek.substr(0, eq));
    std::string_view utana = maradek.substr(eq + 1);
    const size_t q = utana.find('"'), szokoz = utana.find(' ');
    std::string_view ertek;
    if (q != std::string_view::npos && (szokoz == std::string_view::npos || q < szokoz)) {
      const size_t zar = utana.find('"', q + 1);
      ertek =
          utana.substr(q + 1, zar == std::string_view::npos ? std::string_view::npos : zar - q - 1);
      maradek = zar == std::string_view::npos ? std::string_view{} : utana.substr(zar + 1);
    } else {
      ertek = utana;
      maradek = {};
    }
    o.Attr.emplace_back(std::string(anev), std::string(ertek));
  }
  if (const auto tobbi = Nyesett(maradek); !tobbi.empty()) {
    o.Attr.emplace_back(std::string(tobbi), "true");
  }

  if (o.Osztaly == O::aDynamicTag) {
    if (!dinamikusEngedett) return -1;
    const std::string id(o.Ertek("id"));
    std::string szoveg =
        "<font name=\"MS Sans Serif\" size=\"8\" color=\"#000000\">&lt;" + id + "&gt;</font>";
    if (OnDynamicUpdate) {
      OnDynamicUpdate(id, szoveg);
    } else {
      dinamikus_ = true;
    }
    Feldolgozas(szoveg, false);
    return -1;
  }
  obj_.push_back(std::move(o));
  return static_cast<int>(obj_.size() - 1);
}

// ---- State -------------------------------------------------------------------

void TMiniHtml::Alkalmaz(const TObjektum& o) {
  TAllapot& a = allapot_;
  const auto ha = [&o](std::string_view nev, auto&& f) {
    if (o.Van(nev)) f(o.Ertek(nev));
  };
  switch (o.Osztaly) {
    case O::aBodySTag:
      ha("bgcolor", [&](auto v) { a.Hatter = Szin(v); });
      ha("text", [&](auto v) { a.Szoveg = Szin(v); });
      ha("link", [&](auto v) { a.Link = Szin(v); });
      ha("vlink", [&](auto v) { a.LatogatottLink = Szin(v); });
      ha("alink", [&](auto v) { a.AktivLink = Szin(v); });
      break;
    case O::aFontSTag:
      ha("face", [&](auto v) { a.Betu.Nev = v; });
      ha("name", [&](auto v) { a.Betu.Nev = v; });
      ha("color", [&](auto v) { a.Szoveg = Szin(v); });
      ha("size", [&](auto v) { a.Betu.Meret = BetuMeret(v); });
      break;
    case O::aBlockquoteSTag:
    case O::aLISTag:
      a.Behuzas += 50;
      break;
    case O::aPSTag:
      ha("align", [&](auto v) { a.Igazitas = v; });
      ha("bgcolor", [&](auto v) { a.Hatter = Szin(v); });
      break;
    case O::aUSTag:
      a.Betu.Alahuzott = true;
      break;
    case O::aBSTag:
      a.Betu.Felkover = true;
      break;
    case O::aSSTag:
      a.Betu.Athuzott = true;
      break;
    case O::aISTag:
      a.Betu.Dolt = true;
      break;
    case O::aASTag:
      a.Cel = o.Ertek("href");
      break;
    case O::aULSTag:
      ha("type", [&](auto v) { a.ListaTipus = v; });
      break;
    case O::aOLSTag:
      a.ListaTipus = "number";
      break;
    case O::aFormSTag:
      a.FormNev = o.Ertek("name");
      a.FormMetodus = o.Ertek("method");
      a.FormAkcio = o.Ertek("action");
      break;
    case O::aSelectionSTag:
      a.Kijeloles = true;
      break;
    case O::aSubSTag:
      a.Eltolas = 1;
      break;
    case O::aSupSTag:
      a.Eltolas = -1;
      break;
    default:
      break;
  }
}

void TMiniHtml::AllapotEpites() {
  allapot_ = TAllapot{};
  allapot_.Hatter = alapHatter_;
  for (size_t i : nyitott_) Alkalmaz(obj_[i]);
}

// ---- Measuring and layout ------------------------------------------------------

void TMiniHtml::Meres(size_t i) {
  TObjektum& o = obj_[i];
  if (o.Vege) {
    const O kezdo = Sor(o).Kezdo;
    for (size_t k = nyitott_.size(); k-- > 0;) {
      if (obj_[nyitott_[k]].Osztaly == kezdo) {
        nyitott_.erase(nyitott_.begin() + static_cast<std::ptrdiff_t>(k));
        olSzamlalo_.erase(olSzamlalo_.begin() + static_cast<std::ptrdiff_t>(k));
        AllapotEpites();
        break;
      }
    }
    return;
  }
  if (o.Lathato) o.Allapot = allapot_;
  const TBetu& b = allapot_.Betu;
  switch (o.Osztaly) {
    case O::aText:
      o.W = mero_.Szelesseg(b, o.Szoveg);
      o.H = mero_.Magassag(b, o.Szoveg + "A");
      break;
    case O::aSpace:
      o.W = mero_.Szelesseg(b, " ");
      o.H = mero_.Magassag(b, " A");
      break;
    case O::aLISTag:
      o.W = 50;
      o.H = mero_.Magassag(b, "TestA");
      if (allapot_.ListaTipus == "number") {
        for (size_t k = nyitott_.size(); k-- > 0;) {
          if (obj_[nyitott_[k]].Osztaly == O::aOLSTag) {
            o.Szam = ++olSzamlalo_[k];
            break;
          }
        }
      }
      break;
    case O::aFormElement: {
      const auto tipus = o.Ertek("type");
      o.Bepipalt = o.Van("checked");
      if (tipus == "checkbox") {
        o.W = 16;
        o.H = 12;
      } else if (tipus == "submit" || tipus == "button") {
        const TBetu arial{.Nev = "Arial"};
        o.W = mero_.Szelesseg(arial, "  " + std::string(o.Ertek("value")));
        o.H = mero_.Magassag(arial, std::string(o.Ertek("value")) + "A") + 2;
      }
      break;
    }
    case O::aHorizontalRule:
      o.W = szelesseg_;
      o.H = std::min(Hossz(Egesz(o.Ertek("size")), 4), 1000) + 20;
      break;
    case O::aPicture:
    case O::aUserDefined:
      o.W = Hossz(Egesz(o.Ertek("width")));
      o.H = Hossz(Egesz(o.Ertek("height")));
      if (o.Osztaly == O::aUserDefined && OnUserDefinedUpdate) {
        OnUserDefinedUpdate(std::string(o.Ertek("id")), std::string(o.Ertek("type")), o.W, o.H,
                            std::string(o.Ertek("var1")), std::string(o.Ertek("var2")),
                            std::string(o.Ertek("var3")));
        o.W = Hossz(o.W);
        o.H = Hossz(o.H);
      }
      break;
    case O::aTableSTag:
      Tablazat(i);
      break;
    default:
      break;
  }
  // A bounded open-tag list keeps hostile nesting from costing quadratic time.
  if (Nyito(o) && nyitott_.size() < kMaxNyitott) {
    nyitott_.push_back(i);
    olSzamlalo_.push_back(0);
    AllapotEpites();
  }
}

void TMiniHtml::Tablazat(size_t kezdet) {
  TObjektum& t = obj_[kezdet];
  const int tw = SzelessegSzabaly(t.Ertek("width"), szelesseg_);
  // This table's rows and cells, nested tables skipped.
  struct TCellaHely {
    size_t Index;
    int Sor, Oszlop;
  };
  std::vector<TCellaHely> cellak;
  std::vector<int> sorCellak;
  int melyseg = 0, sor = -1;
  for (size_t i = kezdet + 1; i < obj_.size(); ++i) {
    const TObjektum& o = obj_[i];
    if (o.Osztaly == O::aTableSTag) ++melyseg;
    if (o.Osztaly == O::aTableETag && melyseg-- == 0) break;
    if (melyseg > 0) continue;
    if (o.Osztaly == O::aTRSTag || (Cella(o) && sor < 0)) {
      if (++sor >= 99) break;
      sorCellak.push_back(0);
    }
    if (Cella(o) && sorCellak.back() < 99) {
      cellak.push_back({i, sor, sorCellak.back()++});
    }
  }
  std::array<int, 99> oszlop{}, magas{};
  for (const TCellaHely& c : cellak) {
    TObjektum& o = obj_[c.Index];
    const int cw =
        o.Van("width")
            ? SzelessegSzabaly(o.Ertek("width"), tw)
            : std::max(1, (tw - 10) / std::max(1, sorCellak[static_cast<size_t>(c.Sor)]));
    o.TablaIndex = static_cast<int>(kezdet);
    int h = 0, tartalom = 0;
    if (melyseg_ < kMaxTablaMelyseg) {
      o.Cella = std::make_unique<TMiniHtml>(mero_);
      o.Cella->melyseg_ = melyseg_ + 1;
      o.Cella->SetAlapHatter(o.Van("bgcolor") ? Szin(o.Ertek("bgcolor")) : kKulcsSzin);
      o.Cella->SetHtml(o.CellaSzoveg);
      h = o.Cella->Elrendezes(cw);
      for (const TObjektum& b : o.Cella->Objektumok()) tartalom = std::max(tartalom, b.X + b.W);
    }
    oszlop[static_cast<size_t>(c.Oszlop)] =
        std::max(oszlop[static_cast<size_t>(c.Oszlop)], tartalom + 5);
    magas[static_cast<size_t>(c.Sor)] = std::max(magas[static_cast<size_t>(c.Sor)], h);
  }
  // Cells get positions relative to the table's top; the layout adds it.
  int osszes = 0;
  for (size_t r = 0; r < sorCellak.size(); ++r) osszes += magas[r];
  for (const TCellaHely& c : cellak) {
    TObjektum& o = obj_[c.Index];
    int x = 5, y = 0;
    for (int k = 0; k < c.Oszlop; ++k) x += oszlop[static_cast<size_t>(k)];
    for (int k = 0; k < c.Sor; ++k) y += magas[static_cast<size_t>(k)];
    o.X = x;
    o.Y = y;
    o.W = std::max(0, std::min(oszlop[static_cast<size_t>(c.Oszlop)], tw + 5 - x));
    o.H = magas[static_cast<size_t>(c.Sor)];
    o.SorMagassag = o.H;
  }
  t.H = osszes;
}

int TMiniHtml::Elrendezes(int szelesseg) {
  szelesseg_ = szelesseg;
  Elemzes();
  nyitott_.clear();
  olSzamlalo_.clear();
  AllapotEpites();
  int x = 5, y = 5, sor = 0, legmagasabb = 0, sorKezdX = 5;
  std::vector<size_t> sorban;
  const auto igazitas = [&] {
    for (size_t k : sorban) obj_[k].SorMagassag = legmagasabb;
    const auto elso =
        std::find_if(sorban.begin(), sorban.end(), [&](size_t k) { return obj_[k].Lathato; });
    if (elso == sorban.end()) return;
    const std::string& mod = obj_[*elso].Allapot.Igazitas;
    if (mod != "right" && mod != "centre") return;
    int osszes = 0;
    for (size_t k : sorban) {
      if (obj_[k].Lathato) osszes += obj_[k].W;
    }
    int d = szelesseg_ - osszes - 10;
    if (mod == "centre") d /= 2;
    if (d <= 0) return;
    for (size_t k : sorban) {
      if (obj_[k].Lathato) obj_[k].X += d;
    }
  };
  const auto ujSor = [&] {
    igazitas();
    y += legmagasabb + 5;
    x = sorKezdX = allapot_.Behuzas + 5;
    legmagasabb = 0;
    ++sor;
    sorban.clear();
  };
  for (size_t i = 0; i < obj_.size(); ++i) {
    if (Cella(obj_[i])) continue;
    Meres(i);
    TObjektum& o = obj_[i];
    const TFajta f = Fajta(o);
    if (x != sorKezdX &&
        (x + o.W + 5 > szelesseg_ || f == kElotteSor || o.Osztaly == O::aHorizontalRule)) {
      ujSor();
    }
    o.X = x;
    o.Sor = sor;
    if (o.H > legmagasabb) {
      for (size_t k : sorban) obj_[k].Y += o.H - legmagasabb;
      legmagasabb = o.H;
    }
    o.Y = y + legmagasabb - o.H;
    sorban.push_back(i);
    x += o.W;
    if (o.Osztaly == O::aBlockquoteSTag) x = sorKezdX = allapot_.Behuzas + 5;
    if (f == kUtanaSor) ujSor();
  }
  igazitas();
  magassag_ = 0;
  for (TObjektum& o : obj_) {
    if (o.TablaIndex >= 0) {
      const TObjektum& t = obj_[static_cast<size_t>(o.TablaIndex)];
      o.Y += t.Y;
      o.Sor = t.Sor;
    }
    magassag_ = std::max(magassag_, o.Y + o.H);
  }
  magassag_ += 5;
  return magassag_;
}

// ---- Drawing -------------------------------------------------------------------

void TMiniHtml::Rajzolas(TVaszon& v) const {
  v.Kitoltes({0, 0, szelesseg_, magassag_}, kKulcsSzin);
  Objektumrajzok(v);
}

void TMiniHtml::Objektumrajzok(TVaszon& v) const {
  for (const TObjektum& o : obj_) {
    if (o.Lathato) ObjektumRajz(o, v);
  }
}

void TMiniHtml::ObjektumRajz(const TObjektum& o, TVaszon& v) const {
  const TAllapot& a = o.Allapot;
  const TTeglalap doboz = o.Doboz();
  switch (o.Osztaly) {
    case O::aText: {
      v.Kitoltes(doboz, a.Hatter);
      TBetu b = a.Betu;
      TSzin szin = a.Szoveg;
      if (!a.Cel.empty()) {
        szin = o.EgerAlatt ? a.AktivLink : a.Link;
        if (szin != a.Szoveg) b.Alahuzott = true;
      }
      int y = o.Y;
      if (a.Eltolas != 0) {
        const int px = b.Pixel();
        b.Meret = std::max(1, b.Meret / 2);
        y += a.Eltolas * px / 2;
      }
      v.Szoveg(o.X, y, SorTores(o.Szoveg), b, szin);
      break;
    }
    case O::aSpace:
      v.Kitoltes(doboz, a.Hatter);
      break;
    case O::aLISTag: {
      v.Kitoltes({doboz.X, doboz.Y, o.W + 20, doboz.H}, a.Hatter);
      const int px = a.Betu.Pixel();
      const TTeglalap jel{o.X + 25, o.Y + 4, px, px};
      if (a.ListaTipus == "number") {
        v.Szoveg(o.X + 25, o.Y, std::to_string(o.Szam) + ".", a.Betu, a.Szoveg);
      } else if (a.ListaTipus.empty() || a.ListaTipus == "round") {
        v.Kor(jel, kFekete);
      } else if (a.ListaTipus == "square" || a.ListaTipus == "disk") {
        v.Kitoltes(jel, kFekete);
      }
      break;
    }
    case O::aFormElement: {
      const auto tipus = o.Ertek("type");
      if (tipus == "checkbox") {
        v.Jelolonegyzet({o.X, o.Y, 16, 12}, o.Bepipalt);
      } else if (tipus == "submit" || tipus == "button") {
        std::string felirat(o.Ertek("value"));
        if (!felirat.empty()) {
          felirat[0] = static_cast<char>(win1250::ToUpper(static_cast<unsigned char>(felirat[0])));
        }
        v.Gomb({o.X, o.Y, o.W, o.H}, felirat, TBetu{.Nev = "Arial"});
      }
      break;
    }
    case O::aHorizontalRule: {
      const int meret = o.H - 20;
      const int w = SzelessegSzabaly(o.Ertek("width"), szelesseg_);
      v.Kitoltes({(szelesseg_ - w) / 2, o.Y + 5, w, meret}, o.Van("noshade") ? 0x808080 : a.Hatter);
      break;
    }
    case O::aPicture:
      if (o.W > 0 && o.H > 0) v.Keret({o.X, o.Y, o.W, o.H}, 0x808080);
      break;
    case O::aUserDefined:
      if (OnUserDefinedDraw) {
        OnUserDefinedDraw(std::string(o.Ertek("id")), std::string(o.Ertek("type")), v,
                          {o.X, o.Y, o.W, o.H}, std::string(o.Ertek("var1")),
                          std::string(o.Ertek("var2")), std::string(o.Ertek("var3")));
      }
      break;
    case O::aTDSTag:
    case O::aTHSTag:
      if (o.Cella) {
        const TTeglalap r{o.X, o.Y, o.W, o.H};
        v.Kitoltes(r, o.Van("bgcolor") ? Szin(o.Ertek("bgcolor")) : kKulcsSzin);
        TEltoltVaszon eltolt(v, o.X, o.Y);
        o.Cella->Objektumrajzok(eltolt);
        v.Keret(r, kFekete);
      }
      break;
    default:
      break;
  }
}

// ---- Mouse -----------------------------------------------------------------------

int TMiniHtml::ObjektumItt(int x, int y) const {
  for (size_t i = obj_.size(); i-- > 0;) {
    const TObjektum& o = obj_[i];
    if (o.Lathato && o.W > 0 && o.SorMagassag > 0 && o.Doboz().Tartalmazza(x, y)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool TMiniHtml::EgerMozgas(int x, int y, std::int64_t ido) {
  if (ido - egerIdo_ < 150) return false;
  if (std::abs(x - egerX_) <= 5 && std::abs(y - egerY_) <= 5) return false;
  egerIdo_ = ido;
  egerX_ = x;
  egerY_ = y;
  bool valtozott = false;
  bool kez = false;
  for (TObjektum& o : obj_) {
    if (!o.Lathato) continue;
    const bool alatta = o.W > 0 && o.SorMagassag > 0 && o.Doboz().Tartalmazza(x, y);
    if (o.Cella && alatta) {
      valtozott |= o.Cella->EgerMozgas(x - o.X, y - o.Y, ido);
      kez |= o.Cella->KezMutato();
    }
    if (alatta != o.EgerAlatt && !o.Allapot.Cel.empty()) valtozott = true;
    o.EgerAlatt = alatta;
    kez |= alatta && !o.Allapot.Cel.empty();
  }
  valtozott |= kez != kez_;
  kez_ = kez;
  return valtozott;
}

bool TMiniHtml::BalGomb(int x, int y) {
  const int i = ObjektumItt(x, y);
  if (i < 0) return false;
  TObjektum& o = obj_[static_cast<size_t>(i)];
  if (o.Cella) return o.Cella->BalGomb(x - o.X, y - o.Y);
  if (!o.Allapot.Cel.empty()) {
    bool kezelve = false;
    if (OnLinkClicked) OnLinkClicked(o.Allapot.Cel, kezelve);
    if (!kezelve && Megnyitas) {
      std::string cel = o.Allapot.Cel;
      CsereMind(cel, "mailto://", "mailto:");
      Megnyitas(cel);
    }
  }
  if (o.Osztaly != O::aFormElement) return false;
  const TAllapot& a = o.Allapot;
  const std::string tipus(o.Ertek("type"));
  if (OnFormElementClicked) {
    OnFormElementClicked(a.FormNev, a.FormMetodus, a.FormAkcio, std::string(o.Ertek("name")), tipus,
                         std::string(o.Ertek("value")));
  }
  if (tipus != "checkbox") return false;
  o.Bepipalt = !o.Bepipalt;
  return true;
}

}  // namespace minihtml
