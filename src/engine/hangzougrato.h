// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRovoHangzougrato: the vowel-skipping stage ("hangzóugratás").
//
// Leaves out vowels the reader can supply, by one of six methods:
//   0 off, 1 drop "e", 2 drop "e" and "é", 3 drop a vowel that repeats the
//   previous vowel, 4 drop a vowel of the previous vowel's harmony class,
//   5 drop every vowel.
// Methods 3 and 4 remember the last vowel within a scope (0 word, 1 sentence,
// 2 whole text) and, given an aK character, put it in place of a "k" that
// follows a back vowel. Before the walk, doubled consonants may be merged and
// long vowels shortened (two optional rounds).
//
// A dropped letter becomes byte 0x08 when c, d, s, t or z follows it (so the
// letter rounds cannot read the two neighbours as one two-letter consonant;
// the pipeline deletes 0x08 at its end), else byte 0x01, which is deleted at
// the end of the stage together with every other 0x01 of the text. Only small
// letters count as vowels. With method 0 the text passes unchanged.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/gyorsrovo.h"
#include "platform/win1250.h"

class TRovoHangzougrato {
 public:
  // `ak_jel` is the byte that replaces "k" after a back vowel, 0 for none.
  TRovoHangzougrato(unsigned char modszer, unsigned char hatokor, bool ismetlodo_egyesit,
                    bool hosszut_rovidit, bool kezdo_e_kihagy, unsigned char ak_jel);
  TRovoHangzougrato(const TRovoHangzougrato&) = delete;
  TRovoHangzougrato& operator=(const TRovoHangzougrato&) = delete;

  // ERegKif cannot arise: the stage's own rule lists are valid patterns.
  std::string Alkalmaz(std::string_view szoveg);
  // The same, replacing `s`.
  void AlkalmazHelyben(std::string& s);

  // What the walk of methods 3 and 4 remembers at a point of the text: the
  // last vowel (method 3) or its harmony class (method 4) of the open scope,
  // kNincsEmlek when there is none, as at the start of a text. Line ends keep
  // it in the sentence and text scopes and clear it in the word scope.
  static constexpr int kNincsEmlek = -1;
  // AlkalmazHelyben on a text that continues one whose walk ended with
  // `emlek`; leaves in `emlek` what the walk remembers at the end. With
  // `sorvegek`, appends what it remembers after each LF.
  void AlkalmazHelyben(std::string& s, int& emlek, std::vector<int>* sorvegek = nullptr);
  // Whether the preparing rounds keep to the lines (see TGyorsRovo::SoronBelul).
  bool SoronBelul() const;

 private:
  void Setal(std::string& s, int& emlek, std::vector<int>* sorvegek) const;
  // Methods 3 and 4 as a table walk (see AtmenetEpit).
  bool AtmenettelSetal(std::string& s, int& emlek, std::vector<int>* sorvegek) const;
  void AtmenetEpit();

  unsigned char modszer_;
  unsigned char hatokor_;
  bool kezdo_e_kihagy_;
  unsigned char ak_jel_;
  std::unique_ptr<TGyorsRovo> egyesito_;  // doubled consonants to single ones
  std::unique_ptr<TGyorsRovo> rovidito_;  // long vowels to short ones

  // Methods 3 and 4: the walk's decisions depend only on what it remembers,
  // on a few properties of the letter and of its follower, and on whether
  // the letter is skipped as the second of two vowels; they are worked out
  // once per byte class. `osztaly_` gives a byte's class; `atmenet_` is
  // indexed by state * osztalyok_^2 + class of the letter * osztalyok_ +
  // class of the follower, and holds the next state times osztalyok_^2,
  // shifted left by two, over the action (kMarad, or the byte to write).
  std::array<uint8_t, 256> osztaly_{};
  uint32_t osztalyok_ = 0;
  std::vector<uint32_t> atmenet_;
  std::vector<int> emlekek_;  // state / 2 -> the memory it stands for
};

// The rule lists of the two preparing rounds (Windows-1250).
inline constexpr std::string_view kIsmetlodoEgyesitoKor =
    "bb-b,cc-c,ccs-cs,ddz-dz,ddzs-dzs,ff-f,gg-g,ggy-gy,hh-h,jj-j,kk-k,ll-l,lly-ly,mm-m,nn-nn,"
    "nny-ny,pp-p,rr-r,ss-s,ssz-sz,tt-t,tty-ty,vv-v,zz-z,zzs-zs";
inline constexpr std::string_view kHosszuRoviditoKor = [] {
  using namespace win1250::literals;
  return std::string_view("á-a,é-e,í-i,ó-o,ő-ö,ú-u,ű-ü"_hu);
}();
