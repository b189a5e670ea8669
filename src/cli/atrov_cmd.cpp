// rovas-cli atrov: transliterates files (or stdin) with the program's settings.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "engine/sorok.h"
#include "fonts/betukepesseg.h"
#include "platform/win1250.h"
#include "regex/regkif.h"
#include "ui/settings/beallitasallapot.h"

namespace cli {

namespace {

constexpr int kHibasHivas = 2;
constexpr int kMintaHiba = 3;

struct Kapcsolok {
  std::vector<std::string> ini;
  std::vector<std::pair<std::string, std::string>> kulcsok;  // --set, in order
  std::optional<std::string> szo;
  std::optional<std::string> betukeszlet;
  bool utf8 = false;
  bool lossy = false;  // invalid UTF-8 becomes "?" instead of an error
  bool tukor = false;
  std::vector<std::string> fajlok;
};

int Hiba(const std::string& uzenet) {
  std::cerr << "rovas-cli atrov: " << uzenet << '\n';
  return kHibasHivas;
}

// Appends everything `f` holds; false on a read error (a directory, say).
bool Beolvas(std::FILE* f, std::string& ide) {
  char buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) ide.append(buf, n);
  return !std::ferror(f);
}

bool FajlBeolvasas(const std::string& utvonal, std::string& ide) {
  std::FILE* f = std::fopen(utvonal.c_str(), "rb");
  if (!f) return false;
  const bool ok = Beolvas(f, ide);
  std::fclose(f);
  return ok;
}

bool Letezik(const std::string& utvonal) { return std::ifstream(utvonal, std::ios::binary).good(); }

// Returns an exit status when the arguments are unusable, else -1.
int Ertelmez(int argc, char** argv, Kapcsolok& k) {
  bool csak_fajlok = false;
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i];
    if (csak_fajlok || a == "-" || a.rfind("--", 0) != 0) {
      k.fajlok.push_back(a);
      continue;
    }
    if (a == "--") {
      csak_fajlok = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      std::cout << "Usage: rovas-cli atrov [--ini FILE] [--szo FILE] [--font NAME] "
                   "[--set KEY=VALUE]... [--utf8 [--lossy]] [--mirror] [FILE...]\n"
                   "Transliterates the files (or standard input) with the program's settings:\n"
                   "the reset defaults, then --ini, then each --set (rovas.ini keys), then\n"
                   "--font (any name); --szo loads an exception-word list. Exit status 3\n"
                   "for an invalid pattern or a runaway rule list; 2 for input that is not\n"
                   "UTF-8 under --utf8 (unless --lossy turns each bad sequence into \"?\").\n";
      return 0;
    }
    if (a == "--utf8") {
      k.utf8 = true;
      continue;
    }
    if (a == "--lossy") {
      k.lossy = true;
      continue;
    }
    if (a == "--mirror") {
      k.tukor = true;
      continue;
    }
    // Options with a value: "--opt VALUE" or "--opt=VALUE".
    std::string ertek;
    const size_t eq = a.find('=');
    if (eq != std::string::npos) {
      ertek = a.substr(eq + 1);
      a.resize(eq);
    } else if (a == "--ini" || a == "--szo" || a == "--font" || a == "--set") {
      if (i + 1 >= argc) return Hiba(a + " needs a value");
      ertek = argv[++i];
    }
    if (a == "--ini") {
      k.ini.push_back(ertek);
    } else if (a == "--szo") {
      k.szo = ertek;
    } else if (a == "--font") {
      k.betukeszlet = ertek;
    } else if (a == "--set") {
      const size_t e = ertek.find('=');
      if (e == std::string::npos || e == 0)
        return Hiba("--set needs KEY=VALUE, got '" + ertek + "'");
      k.kulcsok.emplace_back(ertek.substr(0, e), ertek.substr(e + 1));
    } else {
      return Hiba("unknown option '" + std::string(argv[i]) + "'");
    }
  }
  if (k.lossy && !k.utf8) return Hiba("--lossy needs --utf8");
  return -1;
}

}  // namespace

int Atrov(int argc, char** argv) {
  Kapcsolok k;
  if (int hiba = Ertelmez(argc, argv, k); hiba >= 0) return hiba;
  auto Kodol = [&](const std::string& s) { return k.utf8 ? win1250::FromUtf8(s) : s; };

  // Settings: reset, rovas.ini, single keys, then the font name.
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot(modell);
  allapot.Alaphelyzet();
  for (const std::string& ini : k.ini) {
    if (!Letezik(ini)) return Hiba("cannot read '" + ini + "'");
    const TBeallitasEredmeny e = allapot.BetoltesFajlbol(ini);
    if (!e.Siker) std::cerr << win1250::ToUtf8(e.Uzenet) << '\n';
  }
  for (const auto& [kulcs, ertek] : k.kulcsok) {
    if (!allapot.KulcsBeallitasa(Kodol(kulcs), Kodol(ertek)))
      return Hiba("unknown rovas.ini key '" + kulcs + "'");
  }
  allapot.Alkalmaz();
  allapot.BetukeszletValtozas();
  if (k.betukeszlet) {
    const std::string nev = Kodol(*k.betukeszlet);
    modell.SetBetukeszlet(nev);
    modell.SetBetuKepesseg(std::make_unique<TBetuKepesseg>(nev));
  }
  if (k.szo) {
    if (!Letezik(*k.szo) || !allapot.SzoListaBetoltese(*k.szo))
      return Hiba("cannot read '" + *k.szo + "'");
  }

  std::string szoveg;
  if (k.fajlok.empty()) {
    if (!Beolvas(stdin, szoveg)) return Hiba("cannot read standard input");
  }
  for (const std::string& f : k.fajlok) {
    const bool ok = f == "-" ? Beolvas(stdin, szoveg) : FajlBeolvasas(f, szoveg);
    if (!ok) return Hiba("cannot read '" + f + "'");
  }
  if (k.utf8) {
    const std::optional<size_t> rossz = win1250::FirstInvalidUtf8(szoveg);
    if (rossz && !k.lossy)
      return Hiba("the input is not UTF-8: invalid sequence at byte offset " +
                  std::to_string(*rossz));
    szoveg = win1250::FromUtf8(szoveg);
  }

  std::string ki;
  try {
    TKarvo motor(modell);
    ki = motor.Atrov(szoveg);
  } catch (const ERegKif& e) {
    std::cerr << (k.utf8 ? win1250::ToUtf8(e.what()) : std::string(e.what())) << '\n';
    return kMintaHiba;
  }
  if (k.tukor && modell.HasznaltIrany() == 1) ki = SorokMegforditasa(ki);
  if (k.utf8) ki = win1250::ToUtf8(ki);
  std::fwrite(ki.data(), 1, ki.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace cli
