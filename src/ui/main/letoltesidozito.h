// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic exception-word download check: once per run, 60 seconds after
// start, and only if the user has not edited anything by then.

class TLetoltesIdozito {
 public:
  // One tick of the 1-second timer. True exactly once: when the check is due.
  // Afterwards the timer is off (Fut() false) and further ticks do nothing.
  bool Tick(bool tevekenyseg);
  bool Fut() const { return fut_; }
  int Masodpercek() const { return masodpercek_; }

 private:
  bool fut_ = true;
  int masodpercek_ = 0;
};
