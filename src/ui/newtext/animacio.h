// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mode chooser's demonstrations as plain geometry, so the window only
// copies these numbers onto its widgets.
//
// Option 1 uncovers a Latin-to-rovás strip from left to right, 3 pixels every
// 50 ms. Option 2 steps a caret leftwards every 1200 ms, uncovering a rovás
// word as it goes (right-to-left writing), and blinks the caret every 500 ms.

#include <array>

struct TUjablakAnimacio {
  // Image1 and its cover Takaro1 (in Panel1).
  int Image1Left = 14, Image1Width = 324;
  int Takaro1Left = 14, Takaro1Width = 324;
  // Image3's cover Takaro2 and the caret Kurzor (in Panel2).
  int Takaro2Left = 18, Takaro2Width = 109;
  int KurzorLeft = 127;
  bool KurzorLathato = true;
  int KurzorLepes = 0;

  // The caret table, indexed 1 to 6; the caret's left edge is the entry minus 160.
  static constexpr std::array<int, 7> KurzorHelyek = {0, 287, 264, 246, 221, 205, 175};

  // Every 50 ms.
  void AtrovoTimer() {
    if (Image1Left + Image1Width < Takaro1Left) {
      Takaro1Left = Image1Left;
      Takaro1Width = Image1Width;
    }
    Takaro1Left += 3;
    Takaro1Width -= 3;
  }

  // Every 1200 ms. The last step gives a negative width (an empty cover).
  void KurzorMozgatoTimer() {
    if (KurzorLepes == 6) KurzorLepes = 0;
    ++KurzorLepes;
    const int pozicio = KurzorHelyek[KurzorLepes] - 160;
    KurzorLeft = pozicio;
    Takaro2Width = pozicio - Takaro2Left;
  }

  // Every 500 ms.
  void KurzorVillogtatoTimer() { KurzorLathato = !KurzorLathato; }
};
