// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/sugo.h"

#include "fonts/betukepesseg.h"
#include "platform/win1250.h"

using namespace win1250::literals;

namespace {

// Every occurrence of `mit` (any letter case) replaced by `mire`.
std::string CsereMind(std::string_view s, std::string_view mit, std::string_view mire) {
  const std::string kis = win1250::ToLower(s), kisMit = win1250::ToLower(mit);
  std::string out;
  size_t i = 0;
  for (size_t t; (t = kis.find(kisMit, i)) != std::string::npos; i = t + mit.size()) {
    out.append(s.substr(i, t - i));
    out.append(mire);
  }
  out.append(s.substr(i));
  return out;
}

}  // namespace

const std::array<const char*, kSugoSzam>& SugoNyers() {
  static const std::array<const char*, kSugoSzam>
      kSzovegek =
          {R"hu(<h1>Gyors súgó</h1><p>Üdvözöllek!<br/><br/>Mozgasd egérmutatód valamelyik beállítási lehetőség fölé. A hozzá tartozó súgó itt jelenik majd meg.</p>)hu"_hu, R"hu(<h1>Betűkészlet</h1><p>Ezzel a betűkészlettel jelenik meg az átrovás. Ha a kiválasztott nincs telepítve, akkor a $alapertelmezett betűkészletet fogod kapni.<br/><br/><a href="#telepites">Betűkészletek telepítése</a><br/><br/>Telepített rovás betűkészleteid:<br/><br/>$betukeszletek</p>)hu"_hu, R"hu(<h1>Szövegirány</h1><p>A rovás szöveg olvasásának irányát határozhatod meg itt, <b>jobbról</b> <b>balra</b> vagy <b>balról</b> <b>jobbra</b>. Érdemes a <b>betűkészlet</b> <b>alapján</b> beállításon hagyni ezt a lenyíló listát: ilyen esetben a program találja ki a betűkészletből, hogy milyen irányú átrovás szükséges.</p>)hu"_hu, R"hu(<h1>Betűméret</h1><p>A rovás szöveg alapértelmezett betűméretét itt adhatod meg.</p>)hu"_hu, R"hu(<h1>Kivételes szavak kezelése</h1><p>Előfordul, hogy kettős hangzót alakít ki két betű: igazság, őzsuta, sasszem, Pilisszentkereszt, és a többi. Pipáld be ezt a dobozt, ahhoz hogy a program jól kezelje a kivételes szavakat is.</p>)hu"_hu, R"hu(<h1>Kiterjesztett betűk használata</h1><p>Ha azt szeretnéd, hogy a <b>dz</b>, <b>dzs</b>, <b>q</b>, <b>w</b>, <b>x</b>, <b>y</b> betűk rovás jelét is megjelenítse a program, akkor pipáld be ezt a dobozt.<br/><br/>Ha <b>nem</b> pipálod be:<br/><ul><li>A q-ból kv,</li><li>A w-ből v,</li><li>Az x-ből ksz,</li><li>Az y-ból i lesz.</li></ul></p>)hu"_hu, R"hu(<h1>aK használata</h1><p>Bekapcsolhatod az aK jel használatát ennél a pontnál. Az lenyílólista határozza meg az aK használati módját.</p>)hu"_hu, R"hu(<h1>Összerovás</h1><p>A betűkészletek támogatnak néhány összerovást is. A program képes ezeket is használni, de ezen felüli összerovásokra nem képes.<br/><br/>Támogatott összerovás jelek: aty, csin, tya, ár, írt, lá, vár, as, ba, be, bi, bo, it, nk, or, ra, re, ro, ru, sa, se, so, ti, zr, zt<br/><br/>Viszont van jónéhány összerovás, amit ez a program <b>nem</b> képes támogatni.<br/><br/>Ezek:<br/>ngy, csa, szt, ab, ad, al, ar, att, bet, cak, du, ga, ge, gi, go, ha, he, hi, ho, la, le, lo, lt, na, nc, nd, ni, nt, ri, rt, si, sk, sm, sp, st, ul, um, ur, va, za, emp, enc</p>)hu"_hu, R"hu(<h1>Képjelek</h1><p>A képjeleket vagy hieroglif-jeleket is lehet megjeleníteni.<br/><br/>Például: us, tprus, stb.<br/><br/>Használva ezt a lehetőséget még egy különlegesség adódik: a <b>hónap</b> szó a "<b>tpru</b>" jelére, az <b>év</b> pedig a "<b>tprus</b>" jelére rovódik át.</p>)hu"_hu, R"hu(<h1>Számok átrovása</h1><p>Ha ezt a lehetőséget pipálod be, akkor az számokat is rovás számokká alakítja a program. Sajnos az 500 jelét <b>nem</b> tudja támogatni, ezért az 500-nál nagyobb százas értékek százasonként szerepelnek.</p>)hu"_hu, R"hu(<h1>Számok balról jobbra</h1><p>Amennyiben a számok átrovása kikapcsolt (azaz a számok maradnak eredeti alakjukban), lehetőség van a sima számok megtartására balról-jobbra irányban, annak ellenére, hogy a szöveg esetleg jobbról-balra irányú.</p>)hu"_hu, R"hu(<h1>Hangzóugratás: módszer</h1><p>Ebből a listából választhatod ki, hogy milyen "fajta" hangzóugratást szeretnél.<br/><br/><ul><li><b>Kikapcsolva</b>: Nem történik hangzóugratás.</li><li><b>Csak az 'e' kiugratása</b>: pl. levegő -&gt; lvgő, leélhette -&gt; leélhtte</li><li><b>Az 'e' és 'é' kiugratása</b>: pl. égi -&gt; gi, légbeér -&gt; lgbeér</li><li><b>Ismétlődő magánhangzó kiugratása</b>: lányával -&gt; lányval, leányával -&gt; leányval</li><li><b>Azonos hangrandű magánhangzó kiugratása</b>: számegyenestől -&gt; számegynstl, hangzóugratásként -&gt; hangzóugrtsként</li><li><b>Minden magánhangzó kiugratása</b>: hangzóugratásként -&gt; hngzgrtsknt</li></ul></p>)hu"_hu, R"hu(<h1>Hangzóugratás: hatókör</h1><p>Ez a beállítás mondja meg, hogy a hangzóugratás hogyan kezelje a szó- és mondat határokat.<br/><br/><ul><li><b>Szó</b>: minden szón külön-külön kell elvégezni a hangzóugratást. Tehát, ha az egyik szó például mély hangrenddel végződött, és az ezt követő is méllyel kezdődik, akkor a második szó első magánhangzóját ki kell írni. Például: szájról szájra száll -&gt; szájrl szájra szál</li><li><b>Mondat</b>: egy mondaton (illetve szövegrészen) belül a szavak egymásnak adják a hangrendet. Magánhangzót csak hangrendváltáskor kell kiírni. Például: Almafa sok van. Barack is akad. -&gt; Almfa sk vn. Barck is akd.</li><li><b>Szöveg</b>: a szavak a teljes szövegen belül adják a hangrendet egymásnak.</li></ul></p>)hu"_hu, R"hu(<h1>Hangzóugratás: ismétlődő mássalhangzók egyesítése</h1><p>Itt adhatod meg, hogy a dupla mássalhangzók egyesüljenek-e. Például: elszállt -&gt; lszált.</p>)hu"_hu, R"hu(<h1>Hangzóugratás: hosszú magánhangzók rövidítése</h1><p>Itt adhatod meg, hogy a hosszú magánhangzókat rövidként kezelje-e a program. Például: felnézett -&gt; felnezett -&gt; flnzt</p>)hu"_hu, R"hu(<h1>Hangzóugratás: kezdő 'e' sorozat kihagyható</h1><p>A szó eleji 'e' betűket kiszórja-e az átrovás. Például: felelevenítette -&gt; fllvnítete</p>)hu"_hu, R"hu(<h1>aK használati mód</h1><p><ul><li><b>Hangrendileg</b>: A K jelét közvetlenül megelőző mély hangrendű magánhangzó (a, á, o, ó, u, ú) után az "aK" jelet tartalmazza az átrovás. Például az "akkorka" szóban az első K "ak" lesz, a másik kettő pedig sima K.<br/>Ha a hangzóugratást is használod Azonos hangrendű magánhangzó kiugratása beállítással, akkor hangrendiség szerint jelenik meg az aK jel. Például az "alkalmazkodik" szóban az első két K "ak" lesz, az utolsó pedig sima K.</li><li><b>Szó végén</b>: A aK jele csak szó végi K esetben jelenik meg a rovásban. Például a "makk" szóban az első K sima K, a második aK lesz.</li><li><b>Szó elején</b>: A aK jele csak szó eleji K esetben jelenik meg a rovásban. Például a "kikeletnek" szóban az első K aK, a többi sima K lesz.</li><li><b>Szó mindkét végén</b>: A aK jele a szó mindkét végén megjelenik a rovásban. Például a "kikeletnek" szóban az első és utolsó K aK, míg a msodik sima K lesz.</li></ul></p>)hu"_hu};
  return kSzovegek;
}

std::array<std::string, kSugoSzam> SugokElokeszitese() {
  static constexpr std::string_view kCserek[][2] = {
      {"<h1>", "<p><font name=\"Verdana\" size=\"13\"><b>"},
      {"</h1>", "</b></font></p><p></p>"},
      {"<br/>", "</p><p>"},
      {"<p>", "<p><font name=\"Verdana\" size=\"9\">"},
      {"</p>", "</font></p>"},
  };
  std::array<std::string, kSugoSzam> out;
  for (int n = 0; n < kSugoSzam; ++n) {
    std::string s = SugoNyers()[n];
    for (const auto& [mit, mire] : kCserek) s = CsereMind(s, mit, mire);
    if (n == 1) s = CsereMind(s, "$alapertelmezett", "Rovasjel jb");
    out[n] = std::move(s);
  }
  return out;
}

std::string BetukeszletLista(const std::vector<std::string>& telepitett) {
  std::string lista;
  for (const std::string& nev : FelkinaltBetukeszletek()) {
    lista += "<input type=\"checkbox\"";
    for (const std::string& t : telepitett) {
      if (win1250::ToLower(t) == win1250::ToLower(nev)) {
        lista += " checked";
        break;
      }
    }
    lista += ">" + nev + "</p><p>";
  }
  return lista;
}

std::string SugoSzoveg(const std::array<std::string, kSugoSzam>& elokeszitett, int n,
                       const std::vector<std::string>& telepitett) {
  if (n != 1) return elokeszitett[n];
  return CsereMind(elokeszitett[n], "$betukeszletek", BetukeszletLista(telepitett));
}
