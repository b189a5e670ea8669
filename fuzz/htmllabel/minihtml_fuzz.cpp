// SPDX-License-Identifier: GPL-3.0-or-later
// The markup engine on arbitrary text: parsing, layout at a width of 1..2000
// (the first two bytes), drawing and a click never crash or hang.

#include <cstddef>
#include <cstdint>
#include <string>

#include "htmllabel/minihtml.h"

namespace {

class TMero : public minihtml::TMero {
 public:
  int Szelesseg(const minihtml::TBetu& b, std::string_view s) override {
    return static_cast<int>(s.size()) * (b.Meret % 64);
  }
  int Magassag(const minihtml::TBetu& b, std::string_view) override { return b.Meret % 128; }
};

class TVaszon : public minihtml::TVaszon {
 public:
  void Kitoltes(const minihtml::TTeglalap&, minihtml::TSzin) override {}
  void Szoveg(int, int, std::string_view, const minihtml::TBetu&, minihtml::TSzin) override {}
  void Kor(const minihtml::TTeglalap&, minihtml::TSzin) override {}
  void Keret(const minihtml::TTeglalap&, minihtml::TSzin) override {}
  void Jelolonegyzet(const minihtml::TTeglalap&, bool) override {}
  void Gomb(const minihtml::TTeglalap&, std::string_view, const minihtml::TBetu&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int szelesseg = 1 + (data[0] | data[1] << 8) % 2000;
  TMero mero;
  minihtml::TMiniHtml m(mero);
  m.SetHtml(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
  const int h = m.Elrendezes(szelesseg);
  TVaszon v;
  m.Rajzolas(v);
  m.EgerMozgas(szelesseg / 2, h / 2, 1000);
  m.BalGomb(szelesseg / 2, h / 2);
  minihtml::SimaSzoveg(m.Html());
  return 0;
}
