// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a shell command line and collects its standard output and exit status.

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct Futas {
  int allapot = -1;  // the exit status, -1 when it did not exit normally
  std::string ki;
  std::string hiba;  // standard error, where the test collects it
};

inline Futas Futtat(const std::string& parancs) {
  Futas f;
  FILE* p = popen(parancs.c_str(), "r");
  if (!p) return f;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) f.ki.append(buf, n);
  const int st = pclose(p);
  f.allapot = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return f;
}
