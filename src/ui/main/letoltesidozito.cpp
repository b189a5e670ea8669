// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/letoltesidozito.h"

bool TLetoltesIdozito::Tick(bool tevekenyseg) {
  if (!fut_) return false;
  if (tevekenyseg) masodpercek_ = 0;
  if (++masodpercek_ < 60) return false;
  fut_ = false;
  return true;
}
