// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IKepAblak: what the main window hands the rovás text to (the image
// window). A header of its own, so the image window needs nothing else of
// the main window.

#include <string>

class IKepAblak {
 public:
  virtual ~IKepAblak() = default;
  virtual bool Lathato() const = 0;
  // Text in reading order; with `csakFrissites` the window only redraws and does not show itself.
  virtual void SzovegAtadasa(const std::string& szoveg, const std::string& betukeszlet,
                             bool csakFrissites, int irany) = 0;
};
