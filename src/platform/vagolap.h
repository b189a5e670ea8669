// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clipboard as the system uses it: plain Windows-1250 text, and the pair
// of an HTML record and plain text written in one transaction. No Qt here, so
// the logic that uses it runs headless with a fake; the desktop implementation
// is TQtVagolap (platform/qt/vagolap.h).

#include <string>

class IVagolap {
 public:
  virtual ~IVagolap() = default;
  // The clipboard's plain text, Windows-1250 ("" when it holds none).
  virtual std::string Szoveg() = 0;
  // Replaces the whole clipboard with this plain text.
  virtual void SetSzoveg(const std::string& szoveg) = 0;
  virtual void Urites() = 0;
  // One transaction: the "HTML Format" record, the HTML fragment (UTF-8) for
  // programs that read text/html, and the plain text. Empty parts are left out.
  virtual void SetHtml(const std::string& rekord, const std::string& toredek,
                       const std::string& szoveg) = 0;
  // One transaction of Unicode text: the plain text and the HTML fragment, both UTF-8.
  virtual void SetUnicode(const std::string& szoveg, const std::string& toredek) = 0;
};
