// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands of rovas-cli; each returns the process exit status.

namespace cli {

int Regex(int argc, char** argv);
int Atrov(int argc, char** argv);
int Betukeszlet(int argc, char** argv);
int Betukeszletek(int argc, char** argv);
int Kep(int argc, char** argv);
int Html(int argc, char** argv);

}  // namespace cli
