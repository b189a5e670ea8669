// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's behaviour without widgets: its mode, the transliteration
// engine and the typing rule round it owns, and the texts its panes and the
// image window get. TFoablak only wires widgets to this.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/beallitasok.h"
#include "engine/karvo.h"
#include "engine/rovo.h"
#include "engine/sorosatrovo.h"
#include "platform/vagolap.h"
#include "ui/main/gepeles.h"

// The text as the rovás pane holds it: in right-to-left text (JobbrolBalra)
// every line mirrored with SorokMegforditasa, else unchanged. The same call
// turns the pane's text back into reading order.
std::string PanelAlak(const TRovasBeallitasok& beallitasok, std::string szoveg);

// The face the rovás pane shows, and what to tell the user about it.
struct TBetuMegjelenites {
  std::string betukeszlet;
  std::string uzenet;  // Windows-1250; empty: nothing to say
};

class TFoablakMag : public IGepelesKornyezet {
 public:
  // From this many characters on, the picture button asks first.
  static constexpr size_t kHosszuSzoveg = 5120;

  // `kerdes` asks a Yes/No question; `vagolap` is the clipboard.
  TFoablakMag(TRovasBeallitasok& beallitasok, std::function<bool(const std::string&)> kerdes,
              IVagolap& vagolap);

  // What the window does after an accepted or cancelled mode chooser.
  struct TUjSzoveg {
    bool uritas = false;  // empty both panes
    bool latin = true;    // the Latin pane shown, the rovás pane read-only
  };
  // An accepted chooser (`valasztas` 0 Latin text, 1 direct rovás) sets the
  // mode and empties the panes; a cancelled one changes nothing.
  TUjSzoveg UjSzoveg(bool elfogadva, int valasztas);

  // Applying the settings: the face and size of the rovás pane (see
  // BetukeszletMegjelenites), where the focus goes, and whether the Latin
  // pane is transliterated again (Latin text mode with automatic
  // transliteration on). Rebuilds the typing rule round.
  struct TAlkalmazas {
    TBetuMegjelenites betu;
    int meret = 0;            // points; 0: keep the pane's size
    bool latinFokusz = true;  // else the rovás pane
    bool atrovas = false;
  };
  TAlkalmazas BeallitasokAlkalmazasa(bool onmukodo, const std::vector<std::string>& elerheto);

  // The picture button asks first when the text is long; a refresh never asks.
  static bool KepKerdes(bool kuldo, size_t karakterek) { return kuldo && HosszuSzoveg(karakterek); }

  // The help document at `utvonal` (RovasSugo.pdf of the program): the path
  // to open, or the message to show when `van` says it is missing.
  struct TSugo {
    std::string utvonal;
    std::string hiba;  // Windows-1250; empty when the file is there
  };
  static TSugo Sugo(const std::string& utvonal, const std::function<bool(const std::string&)>& van);

  TFoablakAllapot& Allapot() { return allapot_; }
  const TFoablakAllapot& Allapot() const { return allapot_; }
  bool LatinMod() const { return allapot_.Mod == TMod::Latin; }
  // An accepted new text: the chosen mode.
  void SetMod(TMod mod) { allapot_.Mod = mod; }
  void SetVagolap(IVagolap& vagolap) { vagolap_ = &vagolap; }

  // The engine, created on first use with the shared settings model.
  TKarvo& Motor();
  // The typing rule round built again from the settings in use.
  void GepelesiSzabalyokEpitese();

  // Latin text as the rovás pane shows it: transliterated, mirrored in right-to-left.
  std::string PanelSzoveg(const std::string& latin) override;

  // The Latin pane's text by lines and its transliteration, kept up to date
  // line by line as the pane changes.
  TSorosAtrovo& Latin();
  // The rovás pane's text for the Latin pane's (the whole of Latin()'s output).
  std::string PanelSzoveg();
  // The rovás pane's lines that Latin() changed by lines.
  std::vector<std::string> PanelSorok(const TSorosAtrovo::TValtozas& valtozas);
  // The picture's text in reading order: in Latin text mode the Latin text's
  // transliteration, in direct rovás mode the pane's text (read by `panel`) un-mirrored.
  std::string KepSzoveg(const std::function<std::string()>& panel);
  // The face for the font in use, given the families available (any letter
  // case): the font itself, or, when it is missing, "Rovasjel jb" as the help
  // text promises; the first time for each missing font the message says
  // which face is shown. Without "Rovasjel jb" either, the font's own name
  // stays (the system picks a face) and nothing is said.
  TBetuMegjelenites BetukeszletMegjelenites(const std::vector<std::string>& elerheto);
  // The face chosen by the last BetukeszletMegjelenites (the font in use before).
  std::string MegjelenitettBetukeszlet() const;
  // Whether handing this much text to the image window needs the question.
  static bool HosszuSzoveg(size_t karakterek) { return karakterek >= kHosszuSzoveg; }

  // IGepelesKornyezet
  bool JobbrolBalra() const override { return beallitasok_.JobbrolBalra(); }
  std::string GepelesiSzabalyok(const std::string& szo) override;
  bool Kerdes(const std::string& szoveg) override { return kerdes_(szoveg); }
  IVagolap& Vagolap() override { return *vagolap_; }

 private:
  TRovasBeallitasok& beallitasok_;
  std::function<bool(const std::string&)> kerdes_;
  IVagolap* vagolap_;
  TFoablakAllapot allapot_;
  std::unique_ptr<TKarvo> motor_;
  std::unique_ptr<TSorosAtrovo> latin_;
  std::unique_ptr<TRovo> gepelesiSzabalyok_;
  std::string megjelenitett_;
  std::set<std::string> jelzettHianyok_;  // missing fonts already told about
};
