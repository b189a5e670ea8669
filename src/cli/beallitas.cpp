// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/beallitas.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "engine/rovo.h"
#include "fonts/betukepesseg.h"
#include "platform/win1250.h"

namespace cli {

namespace {

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
  struct stat st;
  if (::fstat(::fileno(f), &st) == 0 && S_ISREG(st.st_mode)) {
    // Straight into the text's own buffer, with the stages' room to grow.
    const size_t eddig = ide.size(), meret = static_cast<size_t>(st.st_size);
    ide.reserve(Tartalekkal(eddig + meret));
    ide.resize(eddig + meret);
    ide.resize(eddig + std::fread(ide.data() + eddig, 1, meret, f));
  }
  const bool ok = Beolvas(f, ide);  // the rest, if the file grew meanwhile
  std::fclose(f);
  return ok;
}

}  // namespace

bool Olvashato(const std::string& utvonal) {
  // Without waiting for a writer when it is a FIFO.
  const int fd = ::open(utvonal.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) ::close(fd);
  return fd >= 0;
}

std::optional<int> ModellEpitese(const TBeallitasKapcsolok& k, bool utf8, const char* parancs,
                                 TRovasBeallitasok& modell, TBeallitasAllapot& allapot) {
  auto Kodol = [&](const std::string& s) { return utf8 ? win1250::FromUtf8(s) : s; };
  auto Hiba = [&](const std::string& uzenet) {
    std::cerr << parancs << ": " << uzenet << '\n';
    return 2;
  };
  allapot.Alaphelyzet();
  for (const std::string& ini : k.ini) {
    if (!Olvashato(ini)) return Hiba("cannot read '" + ini + "'");
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
  if (k.szo && (!Olvashato(*k.szo) || !allapot.SzoListaBetoltese(*k.szo)))
    return Hiba("cannot read '" + *k.szo + "'");
  return std::nullopt;
}

bool BemenetOlvasasa(const std::vector<std::string>& fajlok, const char* parancs,
                     std::string& ide) {
  if (fajlok.empty() && !Beolvas(stdin, ide)) {
    std::cerr << parancs << ": cannot read standard input\n";
    return false;
  }
  for (const std::string& f : fajlok) {
    if (!(f == "-" ? Beolvas(stdin, ide) : FajlBeolvasas(f, ide))) {
      std::cerr << parancs << ": cannot read '" << f << "'\n";
      return false;
    }
  }
  return true;
}

}  // namespace cli
