// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fakes for the main window's headless logic: an edit pane, a clipboard and
// the window environment of the typing helper.

#include <string>
#include <vector>

#include "platform/vagolap.h"
#include "ui/main/gepeles.h"

class THamisVagolap : public IVagolap {
 public:
  std::string szoveg;
  std::string rekord, toredek;          // the last SetHtml
  std::string unicode, unicodeToredek;  // the last SetUnicode
  int urites = 0;

  std::string Szoveg() override { return szoveg; }
  void SetSzoveg(const std::string& s) override { szoveg = s; }
  void Urites() override {
    ++urites;
    szoveg.clear();
  }
  void SetHtml(const std::string& r, const std::string& t, const std::string& s) override {
    rekord = r;
    toredek = t;
    szoveg = s;
  }
  void SetUnicode(const std::string& s, const std::string& t) override {
    unicode = s;
    unicodeToredek = t;
  }
};

// A multi-line pane over one string with '\n' line breaks; the caret is a
// byte index and a selection runs from `kijeloles` to the caret.
class THamisPanel : public ISzerkeszto {
 public:
  std::string szoveg;
  size_t kurzor = 0;
  long kijeloles = -1;          // -1: none
  std::vector<char> parancsok;  // control codes the pane was asked to handle itself

  // "ab|c" sets the text "abc" and the caret before "c"; "a[bc|" selects "bc".
  void Allit(const std::string& kep);
  // The text with '|' at the caret (and '[' at a selection's other end).
  std::string Kep() const;

  void TorlesBalra() override;
  void TorlesJobbra() override;
  void Karakter(char c) override;
  void KurzorBalra() override;
  void SorVegere() override;
  void Beszuras(const std::string& szoveg) override;
  int KurzorSor() const override;
  int KurzorOszlop() const override;
  bool Sor(int sor, std::string& szoveg) const override;
  bool VanKijeloles() const override { return kijeloles >= 0 && size_t(kijeloles) != kurzor; }
  void KijelolesNullazasa() override { kijeloles = -1; }

 private:
  bool KijeloltetTorol();
  void Beszur(const std::string& s);
};
