// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli kep: rovás pictures in batch, laid out and drawn as the image window does.

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/beallitas.h"
#include "cli/commands.h"
#include "cli/escape.h"
#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "fonts/betukepesseg.h"
#include "platform/ini.h"
#include "platform/programdir.h"
#include "platform/qt/kodolas.h"
#include "platform/win1250.h"
#include "regex/regkif.h"
#include "ui/image/kepbeallitasok.h"
#include "ui/image/kepfajl.h"
#include "ui/image/rajzolo.h"
#include "ui/settings/beallitasallapot.h"

namespace cli {

namespace {

constexpr int kHibasHivas = 2;
constexpr int kMintaHiba = 3;
constexpr int kIrasHiba = 4;

constexpr const char* kHasznalat =
    "Usage: rovas-cli kep [--ini FILE] [--szo FILE] [--font NAME] [--set KEY=VALUE]... [--nyers]\n"
    "                     [--kep-ini FILE] [--kep KEY=VALUE]... [--rtl | --ltr] [--utf8]\n"
    "                     [--layout] [-o OUT] [FILE...]\n"
    "Transliterates the text (or takes it as rovás text with --nyers) and draws it into a\n"
    "picture with the image window's settings: the rovaskep.ini defaults, then --kep-ini,\n"
    "then each --kep. -o writes PNG, JPG or BMP by OUT's extension; --layout prints the\n"
    "layout. Exit status: 2 usage or unreadable file, 3 invalid pattern, 4 not written.\n";

struct Kapcsolok : TBeallitasKapcsolok {
  std::vector<std::string> kepIni;
  std::vector<std::pair<std::string, std::string>> kepKulcsok;  // --kep, in order
  std::optional<bool> jobbrolBalra;
  std::optional<std::string> kimenet;
  bool nyers = false;
  bool utf8 = false;
  bool elrendezes = false;
  std::vector<std::string> fajlok;
};

int Hiba(const std::string& uzenet, int statusz = kHibasHivas) {
  std::cerr << "rovas-cli kep: " << uzenet << '\n';
  return statusz;
}

bool KulcsErtek(const std::string& s, std::vector<std::pair<std::string, std::string>>& ide) {
  const size_t e = s.find('=');
  if (e == std::string::npos || e == 0) return false;
  ide.emplace_back(s.substr(0, e), s.substr(e + 1));
  return true;
}

// Returns an exit status when the arguments are unusable (or help was asked), else -1.
int Ertelmez(int argc, char** argv, Kapcsolok& k) {
  bool csakFajlok = false;
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i];
    if (csakFajlok || a == "-" || a.empty() || a[0] != '-') {
      k.fajlok.push_back(a);
      continue;
    }
    if (a == "--") {
      csakFajlok = true;
    } else if (a == "--help" || a == "-h") {
      std::cout << kHasznalat;
      return 0;
    } else if (a == "--utf8") {
      k.utf8 = true;
    } else if (a == "--nyers") {
      k.nyers = true;
    } else if (a == "--layout") {
      k.elrendezes = true;
    } else if (a == "--rtl" || a == "--ltr") {
      if (k.jobbrolBalra && *k.jobbrolBalra != (a == "--rtl"))
        return Hiba("--rtl and --ltr exclude each other");
      k.jobbrolBalra = a == "--rtl";
    } else {
      // Options with a value: "--opt VALUE", "--opt=VALUE", "-o OUT".
      std::string ertek;
      const size_t eq = a.find('=');
      if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
        ertek = a.substr(eq + 1);
        a.resize(eq);
      } else {
        if (i + 1 >= argc) return Hiba(a + " needs a value");
        ertek = argv[++i];
      }
      if (a == "--ini") {
        k.ini.push_back(ertek);
      } else if (a == "--kep-ini") {
        k.kepIni.push_back(ertek);
      } else if (a == "--szo") {
        k.szo = ertek;
      } else if (a == "--font") {
        k.betukeszlet = ertek;
      } else if (a == "-o") {
        k.kimenet = ertek;
      } else if (a == "--set") {
        if (!KulcsErtek(ertek, k.kulcsok))
          return Hiba("--set needs KEY=VALUE, got '" + ertek + "'");
      } else if (a == "--kep") {
        if (!KulcsErtek(ertek, k.kepKulcsok))
          return Hiba("--kep needs KEY=VALUE, got '" + ertek + "'");
      } else {
        return Hiba("unknown option '" + std::string(argv[i]) + "'");
      }
    }
  }
  if (!k.kimenet && !k.elrendezes)
    return Hiba(std::string("needs -o OUT or --layout\n") + kHasznalat);
  if (k.kimenet && !KepfajtaKiterjesztesbol(*k.kimenet))
    return Hiba("'" + *k.kimenet + "': the extension must be .png, .jpg, .jpeg or .bmp");
  return -1;
}

// The program's bundled typefaces, for machines where they are not installed.
void BeepitettBetukeszletek(const std::string& csalad) {
  if (QFontDatabase::families().contains(qtkodolas::ToQ(csalad))) return;
  const QDir mappa(QFile::decodeName(platform::ProgramFile("fonts").c_str()));
  for (const QString& f : mappa.entryList({QStringLiteral("*.ttf")}, QDir::Files))
    QFontDatabase::addApplicationFont(mappa.filePath(f));
}

void ElrendezesKiirasa(const TElrendezes& e, const TKepBeallitasok& b) {
  std::string ki = "kep " + std::to_string(b.Szelesseg) + ' ' + std::to_string(b.Magassag) + ' ' +
                   std::to_string(e.SorMagassag) + ' ' + std::to_string(e.SzokozSzelesseg) + ' ' +
                   (e.Lelog ? "1" : "0") + '\n';
  for (int bajt = 0; bajt < 256; ++bajt) {
    const TJelMeret& m = e.Jelek[bajt];
    if (m.Mert)
      ki += "glyph " + std::to_string(bajt) + ' ' + std::to_string(m.Szelesseg) + ' ' +
            std::to_string(m.Magassag) + '\n';
  }
  for (const TRajzoltSzo& sz : e.Szavak)
    ki += "word " + std::to_string(sz.Sor) + ' ' + std::to_string(sz.X) + ' ' +
          std::to_string(sz.Y) + ' ' + std::to_string(sz.Szelesseg) + ' ' +
          std::to_string(sz.Magassag) + ' ' + Escape(sz.Szoveg) + '\n';
  std::fwrite(ki.data(), 1, ki.size(), stdout);
}

}  // namespace

int Kep(int argc, char** argv) {
  Kapcsolok k;
  if (int hiba = Ertelmez(argc, argv, k); hiba >= 0) return hiba;

  // Transliteration settings, exactly as atrov builds them.
  TRovasBeallitasok modell;
  TBeallitasAllapot allapot(modell);
  if (auto hiba = ModellEpitese(k, k.utf8, "rovas-cli kep", modell, allapot)) return *hiba;

  // Picture settings: defaults, --kep-ini files, then single keys.
  TKepBeallitasok kb;
  for (const std::string& utvonal : k.kepIni) {
    if (!Olvashato(utvonal)) return Hiba("cannot read '" + utvonal + "'");
    const platform::IniFile ini(utvonal);
    kb = TKepBeallitasok::Betoltes(ini);
    if (!ini.ReadStatus().ok()) return Hiba(ini.ReadStatus().Message());
  }
  for (const auto& [kulcs, ertek] : k.kepKulcsok) {
    if (!kb.KulcsBeallitasa(kulcs, ertek))
      std::cerr << "rovas-cli kep: warning: invalid rovaskep.ini setting '" << kulcs << '=' << ertek
                << "' ignored\n";
  }

  std::string szoveg;
  if (!BemenetOlvasasa(k.fajlok, "rovas-cli kep", szoveg)) return kHibasHivas;
  if (k.utf8) szoveg = win1250::FromUtf8(szoveg);
  if (!k.nyers) {
    try {
      TKarvo motor(modell);
      szoveg = motor.Atrov(szoveg);
    } catch (const ERegKif& e) {
      std::cerr << (k.utf8 ? win1250::ToUtf8(e.what()) : std::string(e.what())) << '\n';
      return kMintaHiba;
    }
  }
  const bool jobbrolBalra = k.jobbrolBalra.value_or(modell.JobbrolBalra());

  // Qt draws without a display; its notes about the desktop are no business of a batch tool.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType tipus, const QMessageLogContext&, const QString& uzenet) {
    if (tipus == QtCriticalMsg || tipus == QtFatalMsg)
      std::cerr << "rovas-cli kep: " << uzenet.toStdString() << '\n';
  });
  int qtArgc = 1;
  char nev[] = "rovas-cli";
  char* qtArgv[] = {nev, nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  BeepitettBetukeszletek(modell.HasznaltBetukeszlet());

  // The background, by the window's start-up rules.
  QImage hatter;
  if (const int index = BeepitettHatterIndex(kb.Hatter)) {
    hatter = BeepitettHatterKep(index);
  } else if (!kb.Hatter.empty()) {
    if (!Olvashato(kb.Hatter)) {
      std::cerr << "rovas-cli kep: warning: background '" << kb.Hatter << "' not found\n";
    } else if (auto kep = HatterFajlBeolvasas(kb.Hatter)) {
      hatter = HatterKepbol(std::move(*kep));
    } else {
      return Hiba("cannot read the background picture '" + kb.Hatter + "'");
    }
  }

  const TKepRajzolo rajzolo(szoveg, modell.HasznaltBetukeszlet(), kb, jobbrolBalra, &hatter);
  if (k.elrendezes) ElrendezesKiirasa(rajzolo.Elrendezes(), kb);
  if (k.kimenet) {
    const QImage kep = rajzolo.Teljes();
    if (kep.isNull())
      return Hiba("not enough memory for a " + std::to_string(kb.Szelesseg) + " x " +
                      std::to_string(kb.Magassag) + " picture",
                  kIrasHiba);
    const TKepSorok nezet{kep.width(), kep.height(), kep.constBits(),
                          static_cast<size_t>(kep.bytesPerLine())};
    std::optional<std::uint32_t> atlatszo;
    const TKepfajta fajta = *KepfajtaKiterjesztesbol(*k.kimenet);
    if (fajta == TKepfajta::PNG && kb.Atlatszo) atlatszo = Rgb(kb.Hatterszin);
    const platform::Status e = KepMentese(*k.kimenet, fajta, nezet, atlatszo);
    if (!e.ok()) return Hiba(e.Message(), kIrasHiba);
  }
  if (rajzolo.Elrendezes().Lelog)
    std::cerr << "rovas-cli kep: warning: the text runs past the bottom edge of the picture\n";
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace cli
