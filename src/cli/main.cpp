// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli: the engine of Tollnok for scripts, batch work and checks.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "app/valtozat.h"
#include "cli/commands.h"
#include "platform/programdir.h"

namespace {

#ifdef ROVAS_CLI_QT
#define KEP cli::Kep
#define HTML cli::Html
#else
// The commands that draw with Qt live in rovas-cli-qt, so that the others start
// without loading Qt: they hand over the whole command line.
int QtParancs(int, char** argv) {
  const std::string dir = platform::ProgramDir();
  for (const char* hely : {"/rovas-cli-qt", "/../libexec/tollnok/rovas-cli-qt"}) {
    const std::string program = dir + hely;
    if (::access(program.c_str(), X_OK) == 0) ::execv(program.c_str(), argv - 2);
  }
  std::cerr << "rovas-cli: cannot start rovas-cli-qt beside rovas-cli: " << std::strerror(errno)
            << '\n';
  return 2;
}
#define KEP QtParancs
#define HTML QtParancs
#endif

struct Command {
  const char* name;
  int (*run)(int, char**);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"regex", cli::Regex, "regex                 pattern checks, one TAB-separated request a line"},
    {"atrov", cli::Atrov,
     "atrov [--ini FILE] [--szo FILE] [--font NAME] [--set KEY=VALUE]... [--utf8] [--mirror | "
     "--unicode] "
     "[FILE...]\n                        transliterate Latin text into rovas font codes"},
    {"betukeszlet", cli::Betukeszlet, "betukeszlet NAME      the capability record of a font"},
    {"betukeszletek", cli::Betukeszletek, "betukeszletek         the catalogued font names"},
    {"kep", KEP,
     "kep [--ini FILE] [--szo FILE] [--font NAME] [--set KEY=VALUE]... [--nyers]\n"
     "    [--kep-ini FILE] [--kep KEY=VALUE]... [--rtl | --ltr] [--utf8] [--layout] [-o OUT] "
     "[FILE...]\n                        draw the rovas text into a picture"},
    {"html", HTML,
     "html [--width N] [--utf8] [--layout] [-o OUT.png] [FILE]\n"
     "                        lay out a help-label markup text"},
};

int Usage(std::ostream& out, int status) {
  out << "Usage: rovas-cli COMMAND [ARGS]\n\nCommands:\n";
  for (const Command& c : kCommands) out << "  " << c.usage << '\n';
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(std::cerr, 2);
  if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") ||
      !std::strcmp(argv[1], "help")) {
    return Usage(std::cout, 0);
  }
  if (!std::strcmp(argv[1], "--version")) {
    std::cout << "rovas-cli (Tollnok) " TOLLNOK_VERSION " (" TOLLNOK_DATE ")\n" TOLLNOK_LICENC;
    return 0;
  }
  for (const Command& c : kCommands) {
    if (!std::strcmp(argv[1], c.name)) return c.run(argc - 2, argv + 2);
  }
  std::cerr << "rovas-cli: unknown command '" << argv[1] << "'\n";
  return Usage(std::cerr, 2);
}
