// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/htmlvagolap.h"

#include <algorithm>
#include <cstdio>

#include "engine/sorok.h"
#include "platform/vagolap.h"
#include "platform/win1250.h"

using namespace win1250::literals;

namespace {

constexpr std::string_view kZaro = "</font></p>";
// Header lines 1 to 4 and the start of line 5; the number and CR LF follow.
constexpr std::string_view kFejElso = "Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:";
constexpr std::string_view kFejVeg = "\r\nEndFragment:";
constexpr size_t kAlapSzamjegy = 6;

bool SorVeg(char c) { return c == '\r' || c == '\n'; }

std::string Szam(size_t ertek, size_t szamjegy) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*zu", static_cast<int>(szamjegy), ertek);
  return buf;
}

}  // namespace

std::string Utf8Kodolas(std::string_view szoveg) { return win1250::ToUtf8(szoveg); }

std::string BekezdesekbeFoglalas(std::string_view torzs, std::string_view nyito,
                                 std::string_view zaro) {
  std::string eredmeny(nyito);
  for (size_t i = 0; i < torzs.size(); ++i) {
    if (SorVeg(torzs[i])) {
      if (i + 1 < torzs.size() && SorVeg(torzs[i + 1])) ++i;
      eredmeny += zaro;
      eredmeny += nyito;
    } else {
      eredmeny += torzs[i];
    }
  }
  eredmeny += zaro;
  return eredmeny;
}

std::string HtmlFejlec(std::string_view toredek) {
  // The header is 75 bytes plus the digits of EndFragment: with the usual six
  // digits 81, which is where the fragment starts.
  const size_t fejAlap = kFejElso.size() + kAlapSzamjegy + kFejVeg.size() + 2;
  size_t szamjegy = kAlapSzamjegy;
  size_t hossz = 0;
  for (;;) {
    hossz = fejAlap + szamjegy + toredek.size() + 2;
    if (Szam(hossz, szamjegy).size() <= szamjegy) break;
    ++szamjegy;
  }
  const size_t kezdet = fejAlap + szamjegy;
  std::string rekord;
  rekord.reserve(hossz);
  rekord += kFejElso;
  rekord += Szam(kezdet, kAlapSzamjegy);
  rekord += kFejVeg;
  rekord += Szam(hossz, szamjegy);
  rekord += "\r\n";
  rekord += toredek;
  rekord += "\r\n";
  return rekord;
}

std::string HtmlNyitoResz(bool jobbrolBalra, int meret, std::string_view betukeszlet,
                          bool felulbiralas) {
  std::string nyito = "<p align=\"";
  nyito += jobbrolBalra ? "right" : "left";
  nyito += "\" style=\"font-size: ";
  nyito += std::to_string(meret);
  nyito += "pt;";
  if (felulbiralas) nyito += " unicode-bidi: bidi-override; direction: rtl;";
  nyito += "\"><font face=\"";
  nyito += betukeszlet;
  nyito += "\">";
  if (felulbiralas) nyito += "&#8238;";
  return nyito;
}

TMasolasAdatai MasolasAdatai(const std::string& panel, bool jobbrolBalra, int meret,
                             const std::string& betukeszlet, bool office2010) {
  const bool felulbiralas = office2010 && jobbrolBalra;
  std::string torzs = felulbiralas ? SorokMegforditasa(panel) : panel;
  torzs = Utf8Kodolas(torzs);
  return {panel, BekezdesekbeFoglalas(
                     torzs, HtmlNyitoResz(jobbrolBalra, meret, betukeszlet, felulbiralas), kZaro)};
}

TMasolasAdatai UnicodeMasolasAdatai(const std::string& panel, const TUnicodeRovas& atiro,
                                    bool jobbrolBalra, int meret) {
  std::string kodok = panel;
  if (jobbrolBalra) {
    // The mirrored pane ends every line with CR LF, the last one too.
    if (kodok.ends_with("\r\n")) kodok.resize(kodok.size() - 2);
    // Every line back in reading order; the breaks stay.
    for (size_t eleje = 0; eleje < kodok.size();) {
      size_t vege = eleje;
      while (vege < kodok.size() && !SorVeg(kodok[vege])) ++vege;
      std::reverse(kodok.begin() + eleje, kodok.begin() + vege);
      eleje = vege + 1;
    }
  }
  const std::string unicode = atiro.Atalakit(kodok);
  std::string torzs;
  for (char c : unicode) {
    if (c == '<')
      torzs += "&lt;";
    else if (c == '>')
      torzs += "&gt;";
    else if (c == '&')
      torzs += "&amp;";
    else
      torzs += c;
  }
  const std::string nyito = std::string("<p lang=\"hu-Hung\" dir=\"") +
                            (jobbrolBalra ? "rtl" : "ltr") +
                            "\" style=\"font-size: " + std::to_string(meret) +
                            "pt; font-family: 'Noto Sans Old Hungarian';\">";
  return {unicode, BekezdesekbeFoglalas(torzs, nyito, "</p>")};
}

std::string UnicodeMasolasAkadaly(const TRovasBeallitasok& beallitasok) {
  switch (UnicodeAkadaly(beallitasok)) {
    case TUnicodeAkadaly::EgyeniBeallitasok:
      return "Egyéni átrovási szabályoknál a kódok jelentése nem ismert, ezért Unicode "
             "rovásírássá sem alakíthatók."_hu;
    case TUnicodeAkadaly::IsmeretlenBetukeszlet:
      return "A „"_hu + beallitasok.HasznaltBetukeszlet() +
             "” betűkészlet kódjainak jelentése nem ismert, ezért Unicode rovásírássá sem "
             "alakíthatók."_hu;
    case TUnicodeAkadaly::Nincs:
      break;
  }
  return {};
}

void HtmlVagolapra(IVagolap& vagolap, const std::string& toredek, const std::string& szoveg) {
  vagolap.SetHtml(HtmlFejlec(toredek), toredek, szoveg);
}
