// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli atrov: transliterates files (or stdin) with the program's settings.

#include <malloc.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/beallitas.h"
#include "cli/commands.h"
#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "engine/rovo.h"
#include "engine/unicoderovas.h"
#include "fonts/betukepesseg.h"
#include "fonts/katalogus.h"
#include "platform/programdir.h"
#include "platform/win1250.h"
#include "regex/regkif.h"
#include "ui/main/foablakmag.h"
#include "ui/settings/beallitasallapot.h"

namespace cli {

namespace {

constexpr int kHibasHivas = 2;
constexpr int kMintaHiba = 3;
constexpr int kNincsUnicode = 5;

struct Kapcsolok : TBeallitasKapcsolok {
  bool utf8 = false;
  bool lossy = false;  // invalid UTF-8 becomes "?" instead of an error
  bool tukor = false;
  bool unicode = false;
  std::vector<std::string> fajlok;
};

int Hiba(const std::string& uzenet) {
  std::cerr << "rovas-cli atrov: " << uzenet << '\n';
  return kHibasHivas;
}

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
                   "[--set KEY=VALUE]... [--utf8 [--lossy]] [--mirror | --unicode] [FILE...]\n"
                   "Transliterates the files (or standard input) with the program's settings:\n"
                   "the reset defaults, then --ini, then each --set (rovas.ini keys), then\n"
                   "--font (any name). With exception words on, the list is --szo FILE,\n"
                   "else the program's own szo.xml (the user's copy, else the bundled one).\n"
                   "Exit status 3 for an invalid pattern or a runaway rule list; 2 for\n"
                   "input that is not\n"
                   "UTF-8 under --utf8 (unless --lossy turns each bad sequence into \"?\").\n"
                   "--unicode writes Unicode rovas text (UTF-8,\n"
                   "reading order); exit status 5 when the font's codes have no known meaning.\n";
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
    if (a == "--unicode") {
      k.unicode = true;
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
  if (k.tukor && k.unicode) return Hiba("--mirror and --unicode exclude each other");
  if (k.lossy && !k.utf8) return Hiba("--lossy needs --utf8");
  return -1;
}

// The reason, for --unicode, that the settings' codes have no known meaning.
const char* NincsUnicode(const TRovasBeallitasok& m) {
  switch (UnicodeAkadaly(m)) {
    case TUnicodeAkadaly::EgyeniBeallitasok:
      return "custom settings";
    case TUnicodeAkadaly::IsmeretlenBetukeszlet:
      // A catalogued font may still lack a letter mapping (Rovas Khazarian).
      return katalogus::Keres(m.HasznaltBetukeszlet())
                 ? "the catalogue gives this font no letter mapping"
                 : "a font the catalogue does not describe";
    case TUnicodeAkadaly::Nincs:
      break;
  }
  return nullptr;
}

// Without --szo, the exception-word list the program itself would use when the
// settings have exception words on: the user's szo.xml where the program keeps
// it, else the one that came with the program. Nothing is copied or created.
void ProgramSzoListaja(const Kapcsolok& k, const TRovasBeallitasok& modell,
                       TBeallitasAllapot& allapot) {
  if (k.szo || !modell.KivetelesSzavak) return;
  if (const std::string utvonal = platform::ExistingProgramFile("szo.xml"); !utvonal.empty())
    allapot.SzoListaBetoltese(utvonal);
}

// The whole output in as few write calls as the system allows (one for a file).
bool Kiir(std::string_view s) {
  while (!s.empty()) {
    const ssize_t n = ::write(STDOUT_FILENO, s.data(), s.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    s.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

int Atrov(int argc, char** argv) {
  // Every stage's buffer is as large as the text: freed ones are reused
  // rather than handed back to the system and faulted in again.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  Kapcsolok k;
  if (int hiba = Ertelmez(argc, argv, k); hiba >= 0) return hiba;
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot(modell);
  if (auto hiba = ModellEpitese(k, k.utf8, "rovas-cli atrov", modell, allapot)) return *hiba;
  ProgramSzoListaja(k, modell, allapot);

  if (k.unicode && NincsUnicode(modell)) {
    std::cerr << "rovas-cli atrov: --unicode: the codes of \""
              << (k.utf8 ? win1250::ToUtf8(modell.HasznaltBetukeszlet())
                         : modell.HasznaltBetukeszlet())
              << "\" have no known meaning (" << NincsUnicode(modell) << ")\n";
    return kNincsUnicode;
  }

  std::string szoveg;
  if (k.utf8 && !k.lossy && k.fajlok.size() > 1) {
    // Each file on its own, so that the message can name the one at fault.
    for (const std::string& f : k.fajlok) {
      std::string resz;
      if (!BemenetOlvasasa({f}, "rovas-cli atrov", resz)) return kHibasHivas;
      if (const std::optional<size_t> rossz = win1250::FirstInvalidUtf8(resz))
        return Hiba("the input '" + f + "' is not UTF-8: invalid sequence at byte offset " +
                    std::to_string(*rossz));
      szoveg += resz;
    }
  } else if (!BemenetOlvasasa(k.fajlok, "rovas-cli atrov", szoveg)) {
    return kHibasHivas;
  }
  if (k.utf8) {
    const std::optional<size_t> rossz = win1250::FirstInvalidUtf8(szoveg);
    if (rossz && !k.lossy)
      return Hiba("the input is not UTF-8: invalid sequence at byte offset " +
                  std::to_string(*rossz));
    szoveg = win1250::FromUtf8(szoveg);
  }

  std::string ki = std::move(szoveg);
  try {
    TKarvo motor(modell);
    motor.AtrovHelyben(ki);
    if (k.unicode) ki = UnicodeRovas(modell, motor)->Atalakit(ki);
  } catch (const ERegKif& e) {
    std::cerr << (k.utf8 ? win1250::ToUtf8(e.what()) : std::string(e.what())) << '\n';
    return kMintaHiba;
  }
  if (k.tukor) ki = PanelAlak(modell, std::move(ki));
  if (k.utf8 && !k.unicode) ki = win1250::ToUtf8(ki);
  return Kiir(ki) ? 0 : 1;
}

}  // namespace cli
