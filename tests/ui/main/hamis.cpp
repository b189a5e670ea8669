// SPDX-License-Identifier: GPL-3.0-or-later
#include "hamis.h"

#include <algorithm>

void THamisPanel::Allit(const std::string& kep) {
  szoveg.clear();
  kijeloles = -1;
  for (char c : kep) {
    if (c == '|')
      kurzor = szoveg.size();
    else if (c == '[')
      kijeloles = static_cast<long>(szoveg.size());
    else
      szoveg += c;
  }
}

std::string THamisPanel::Kep() const {
  std::string kep;
  for (size_t i = 0; i <= szoveg.size(); ++i) {
    if (VanKijeloles() && size_t(kijeloles) == i) kep += '[';
    if (i == kurzor) kep += '|';
    if (i < szoveg.size()) kep += szoveg[i];
  }
  return kep;
}

bool THamisPanel::KijeloltetTorol() {
  if (!VanKijeloles()) {
    kijeloles = -1;
    return false;
  }
  size_t a = std::min<size_t>(kijeloles, kurzor), b = std::max<size_t>(kijeloles, kurzor);
  szoveg.erase(a, b - a);
  kurzor = a;
  kijeloles = -1;
  return true;
}

void THamisPanel::Beszur(const std::string& s) {
  KijeloltetTorol();
  szoveg.insert(kurzor, s);
  kurzor += s.size();
}

void THamisPanel::TorlesBalra() {
  if (KijeloltetTorol() || kurzor == 0) return;
  szoveg.erase(--kurzor, 1);
}

void THamisPanel::TorlesJobbra() {
  if (KijeloltetTorol() || kurzor >= szoveg.size()) return;
  szoveg.erase(kurzor, 1);
}

void THamisPanel::Karakter(char c) {
  if (c == 8)
    TorlesBalra();
  else if (c == 13)
    Beszur("\n");
  else if (static_cast<unsigned char>(c) >= 32)
    Beszur(std::string(1, c));
  else
    parancsok.push_back(c);
}

void THamisPanel::KurzorBalra() {
  if (VanKijeloles()) {
    kurzor = std::min<size_t>(kijeloles, kurzor);
  } else if (kurzor > 0) {
    --kurzor;
  }
  kijeloles = -1;
}

void THamisPanel::SorVegere() {
  kijeloles = -1;
  while (kurzor < szoveg.size() && szoveg[kurzor] != '\n') ++kurzor;
}

void THamisPanel::Beszuras(const std::string& szoveg) {
  std::string s;
  for (char c : szoveg)
    if (c != '\r') s += c;
  Beszur(s);
}

int THamisPanel::KurzorSor() const {
  return static_cast<int>(std::count(szoveg.begin(), szoveg.begin() + kurzor, '\n'));
}

int THamisPanel::KurzorOszlop() const {
  size_t eleje = szoveg.rfind('\n', kurzor == 0 ? std::string::npos : kurzor - 1);
  return static_cast<int>(eleje == std::string::npos || kurzor == 0 ? kurzor : kurzor - eleje - 1);
}

bool THamisPanel::Sor(int sor, std::string& s) const {
  // Like an edit control's line list: the empty line after a final break is no line.
  size_t eleje = 0;
  for (int i = 0; i < sor; ++i) {
    eleje = szoveg.find('\n', eleje);
    if (eleje == std::string::npos) return false;
    ++eleje;
  }
  if (eleje >= szoveg.size() && sor > 0) return false;
  size_t vege = szoveg.find('\n', eleje);
  s = szoveg.substr(eleje, vege == std::string::npos ? std::string::npos : vege - eleje);
  return true;
}
