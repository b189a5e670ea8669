// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TKarvo: the transliteration engine.
//
// Turns a whole Latin-letter text (Windows-1250) into the codes of the selected
// rovás font in one call. It builds its stages from the shared settings model
// and the chosen font's capability record, rebuilds them at the next call
// whenever the model is marked changed (clearing the mark), and runs them in a
// fixed order: lower-case folding (unless the font has capitals), bracket
// mirroring (right-to-left text), exception words, vowel skipping, numbers
// (here when the font wants them first), round 1, round 2, numbers
// (otherwise), removal of the separator byte 0x08.
//
// The output is in logical order; for right-to-left text the caller mirrors
// every line for display (see sorok.h), which is why brackets are swapped here.
//
// An invalid pattern (a custom rule list or an exception word) throws ERegKif
// out of Atrov unchanged; the stages stay as built, so every later non-empty
// text fails alike until a setting changes.
//
// Rules and exception words come from users and downloads, and a rule may
// multiply the text ("." into "xxx"), so one call may produce at most
// KimenetKeret(input size) bytes in any rule and each search has its step
// budget (regkif.h): a runaway rule list throws ERegKif (kOutputLimit,
// kStepLimit) instead of exhausting memory or time.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/beallitasok.h"
#include "engine/gyorsrovo.h"
#include "engine/hangzougrato.h"
#include "engine/kivetelezo.h"
#include "engine/rovo.h"
#include "engine/rovoszam.h"

// The last stage: deletes every separator byte 0x08.
class TRovoMuszakiJavito {
 public:
  std::string Alkalmaz(std::string_view szoveg) const;
  void AlkalmazHelyben(std::string& s) const;
};

class TKarvo {
 public:
  // Builds every stage from `beallitasok` at once; the model must outlive the engine.
  explicit TKarvo(TRovasBeallitasok& beallitasok);
  ~TKarvo();
  TKarvo(const TKarvo&) = delete;
  TKarvo& operator=(const TKarvo&) = delete;

  // The transliteration call. Throws ERegKif for an invalid pattern.
  std::string Atrov(std::string_view szoveg);
  // The same, replacing `s` (no copy of the text: for large inputs).
  void AtrovHelyben(std::string& s);

  // Rebuilds the stages when `beallitasok` is not the model held or the held
  // model is marked changed; clears the mark. Returns whether it rebuilt.
  bool Epit(TRovasBeallitasok& beallitasok);
  // Epit with the model held.
  bool Frissit() { return Epit(*beallitasok_); }
  // Counts the builds: a result made with another count used other stages.
  unsigned Valtozat() const { return valtozat_; }

  // Line by line, for editors that transliterate again only the lines an edit
  // touched. A text's lines are taken with their CR LF (the last one without).
  // Whether, with the stages as built, every text without NUL gives the
  // concatenation of what its lines give when each line starts with the
  // vowel-skipping memory the line before it left (TRovoHangzougrato): no
  // rule reads or writes across a line end, and none writes NUL, CR or LF.
  // Worked out at the first call after each build.
  bool SoronkentAtrovhato();
  // Transliterates one line, its walk starting with `emlek`; leaves in
  // `emlek` the memory after the line. Throws ERegKif as Atrov does.
  void SorAtrovasa(std::string& sor, int& emlek);
  // AtrovHelyben that also appends to `sorvegek` the memory after each line
  // end (nothing when the vowel-skipping method keeps no memory).
  void AtrovHelyben(std::string& s, std::vector<int>& sorvegek);

  // What the last build assembled (read by checks and tools).
  const std::string& ElsoKorLista() const { return r1_; }
  const std::string& MasodikKorLista() const { return r2_; }
  const std::string& SzamKorLista() const { return rn_; }
  bool Kisbetus() const { return kisbetus_; }
  bool SzamokElore() const { return szamok_elore_; }
  // Whether the number stage writes numerals, or reverses numbers (kept left
  // to right inside right-to-left text).
  bool SzamokAtirva() const { return szam_->Atir(); }
  bool SzamokForditva() const { return szam_->Megfordit(); }

 private:
  void Futtat(std::string& s, int& emlek, std::vector<int>* sorvegek);

  TRovasBeallitasok* beallitasok_ = nullptr;
  std::unique_ptr<TRovoKivetelezo> kivetelezo_;
  std::unique_ptr<TRovoHangzougrato> hangzougrato_;
  std::unique_ptr<TGyorsRovo> elso_kor_;
  std::unique_ptr<TGyorsRovo> masodik_kor_;
  std::unique_ptr<TRovoSzam> szam_;
  std::unique_ptr<TRovoMuszakiJavito> javito_;
  bool kisbetus_ = false;
  bool szamok_elore_ = false;
  std::optional<bool> soronkent_;
  unsigned valtozat_ = 0;
  std::string r1_, r2_, rn_;
};

// The output budget of one transliteration: 64 times the input plus 1 MB.
constexpr size_t KimenetKeret(size_t bemenet) { return 64 * bemenet + (size_t{1} << 20); }

// Folds A-Z and the Hungarian accented capitals (Á É Í Ó Ő Ö Ú Ű Ü) to small
// letters; every other byte, other accented capitals included, is kept.
std::string KisbetusreAlakit(std::string_view szoveg);

// Swaps ( ), [ ] and { } for right-to-left text. A byte 0x02 (the swap's own
// placeholder) comes out as ")".
std::string ZarojeleketTukroz(std::string_view szoveg);
