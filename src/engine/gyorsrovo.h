#pragma once
// TGyorsRovo: a round (TRovo) applied with the same result, faster.
//
// Most rules of the catalogue and of the exception-word list are plain words:
// patterns without any metacharacter of the dialect. Such a rule matches its
// own bytes, case-sensitively, left to right without overlap, in the text up
// to its first NUL byte, and its replacement expands to the same string at
// every match. So it is applied here as a plain search and splice, and it is
// skipped outright when its word does not occur in the current text, which a
// one-pass index of the text answers for every rule at once (kept up to date
// around every splice). Rules with metacharacters go through the dialect
// exactly as in TRovo::Alkalmaz, and so do their errors.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/rovo.h"

class TGyorsRovo {
 public:
  // Builds the round as TRovo does (call sites pass ',' and '-').
  explicit TGyorsRovo(std::string_view szabalyok, char darab_elvalaszto = ',',
                      char resz_elvalaszto = '-');
  TGyorsRovo(const TGyorsRovo&) = delete;
  TGyorsRovo& operator=(const TGyorsRovo&) = delete;

  // The result of TRovo::Alkalmaz on the same rules. Throws ERegKif as it does.
  std::string Alkalmaz(std::string_view szoveg);

  const TRovo& Kor() const { return kor_; }

 private:
  struct Szabaly {
    bool szo = false;         // a plain word: no metacharacter, no NUL
    bool csere_kesz = false;  // `csere` computed
    std::string csere;        // the expanded replacement of a plain word
  };

  // Marks in `jelen_` every plain-word rule that occurs at a start position in [tol, ig).
  void Keres(std::string_view s, size_t tol, size_t ig);
  void Jelol(size_t i) {
    if (!jelen_[i]) {
      jelen_[i] = 1;
      --hianyzo_;
    }
  }

  TRovo kor_;
  std::vector<Szabaly> szabalyok_;
  size_t leghosszabb_ = 0;  // longest plain word
  // Plain words by their first two bytes (sorted), and which pairs begin any.
  std::vector<std::pair<uint16_t, uint32_t>> paros_;
  std::vector<uint64_t> paros_van_;  // 65536 bits
  struct Rekesz {
    uint16_t par = 0;
    uint16_t db = 0;  // 0: empty slot
    uint32_t kezdet = 0;
  };
  std::vector<Rekesz> rekeszek_;  // pair -> its run in paros_
  std::vector<uint32_t> egybetus_[256];
  bool kezdo_[256] = {};     // bytes that begin a plain word
  std::vector<char> jelen_;  // word may occur (or its rule is done)
  size_t szavak_ = 0;        // plain-word rules
  size_t hianyzo_ = 0;       // plain-word rules not marked in jelen_
  std::string tartalek_;     // the splice's output buffer, reused
};
