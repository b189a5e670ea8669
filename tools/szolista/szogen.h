// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the exception-word list (szo.xml) from the Hungarian dictionary.
//
// A word holds a false two-letter consonant where a morpheme boundary falls
// inside letters that the rules would read as one sound: köz|ség (z+s read as
// zs), arc|szín, tizen|nyolc (n+ny read as long ny), ős|szülő (s+sz read as
// long sz). The boundaries come from three places: the dictionary's own
// hyphenation notes (its "hy:" field), the compound parts of libhunspell's
// analysis, and the standard breaks of the Hungarian hyphenation patterns,
// which never split a true two-letter consonant.
//
// The list is then a small set of patterns, each a piece of a word with the
// split marked, that occur in the dictionary only where the split is right:
// "köz|ség" also covers "községben" and "nagyközség"; a piece that would also
// match a true pair elsewhere is widened, up to the whole word between word
// boundaries.
//
// Letters are Unicode code points, lower case.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace szogen {

// Positions b (between letters b-1 and b) where a split keeps the rules from
// joining: the letters b-1, b form cs, dz, gy, ly, ny, sz, ty or zs, or the
// letter b-1 repeats letter b of such a pair (long forms: n|ny, s|sz).
std::vector<int> ParHelyek(std::u32string_view szo);

// The false pairs of a word: the pair positions among the boundaries.
std::vector<int> HamisParok(std::u32string_view szo, const std::vector<int>& hatarok);

// Boundaries named by a "hy:" note of the dictionary: "köz-ség", "arc|szín",
// "n|ny" (a piece of the word), or a number (a compound boundary after that
// many letters). A note that does not fit the word gives none.
std::vector<int> HyMegjegyzesHatarai(std::u32string_view szo, std::u32string_view hy);

// A word of the dictionary, lower case, with what the tools say of its pairs.
struct TSzo {
  std::u32string betuk;
  std::vector<int> parok;  // ParHelyek
  std::vector<int> hamis;  // the false ones among them
};

// libhunspell with the Hungarian dictionary and libhyphen with the Hungarian
// patterns. Throws std::runtime_error when a file cannot be loaded.
class TElemzo {
 public:
  TElemzo(const std::string& aff, const std::string& dic, const std::string& hyph);
  ~TElemzo();
  TElemzo(const TElemzo&) = delete;
  TElemzo& operator=(const TElemzo&) = delete;

  // Every boundary of a lower-case word that some source reports, sorted.
  std::vector<int> Hatarok(std::u32string_view szo) const;
  // The word with its pairs and false pairs; `toldalek` is a boundary known
  // beforehand (a stem and the suffix added to it), 0 for none.
  TSzo Szo(std::u32string_view szo, int toldalek = 0) const;
  // Whether the dictionary accepts the word.
  bool Helyes(std::u32string_view szo) const;

  // The hyphenation patterns' standard breaks (non-standard ones, such as
  // asz-szony, are left out: they keep the pair).
  std::vector<int> ElvalasztasiHatarok(std::u32string_view szo) const;
  // Boundaries from the analyses: hy: notes and compound parts.
  std::vector<int> ElemzesHatarai(std::u32string_view szo) const;

 private:
  struct TAdat;
  std::unique_ptr<TAdat> a_;
};

// The dictionary's words (the text before "/" or a tab of each line of the
// .dic file), lower-cased, each once, keeping only words made of the
// Hungarian alphabet's letters. Throws std::runtime_error when unreadable.
std::vector<std::u32string> SzotarSzavai(const std::string& dic);

// Words made of a dictionary word and a suffix whose first letter, with the
// stem's last one, looks like a two-letter consonant (igaz+ság, kilenc+szer,
// tíz+szer), where the dictionary accepts them and does not list them itself
// (`szotar`): the pairs {word, stem length}.
std::vector<std::pair<std::u32string, int>> ToldalekosSzavak(
    const TElemzo& elemzo, const std::u32string& szo,
    const std::unordered_set<std::u32string>& szotar);

// One list entry: the pattern's letters with "|" at the split, and whether it
// only matches at the start or the end of a word.
struct TBejegyzes {
  std::u32string minta;  // e.g. U"köz|ség"
  bool elejen = false;
  bool vegen = false;
  int talalat = 0;  // false pairs of the input it covers
  bool operator==(const TBejegyzes&) const = default;
};

struct TValasztasBeallitas {
  int maxHossz = 14;   // longest piece tried, in letters
  int minTalalat = 1;  // an entry that is not a whole word covers at least this many
};

// Entries that split every false pair of `szavak` and no true one: no entry
// matches a pair position of any of the words where the split would be wrong.
// Chosen greedily, most coverage first; sorted by pattern.
std::vector<TBejegyzes> Valasztas(const std::vector<TSzo>& szavak, TValasztasBeallitas b = {});

// The positions where the entries split `szo`, each entry matched wherever it
// occurs (anchors at the ends of the word), sorted and unique.
std::vector<int> Vagasok(const std::vector<TBejegyzes>& lista, std::u32string_view szo);

// The szo.xml line of an entry: mit is a pattern (with \b for an anchored
// end), mire the letters with "|" at the split.
std::string SzoXmlSor(const TBejegyzes& e);

std::string Utf8(std::u32string_view s);
std::u32string Utf32(std::string_view s);
// Lower case of the Hungarian letters (and every ASCII one).
char32_t Kisbetu(char32_t c);

}  // namespace szogen
