// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/vagolap.h"

// The system clipboard through QClipboard. text/plain is offered as UTF-8
// with the platform's LF line ends; text read back gets CR LF ones. text/html
// is the fragment after a meta tag that names its charset.
class TQtVagolap : public IVagolap {
 public:
  std::string Szoveg() override;
  void SetSzoveg(const std::string& szoveg) override;
  void Urites() override;
  void SetHtml(const std::string& rekord, const std::string& toredek,
               const std::string& szoveg) override;
  void SetUnicode(const std::string& szoveg, const std::string& toredek) override;
};
