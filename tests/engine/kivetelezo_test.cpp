// SPDX-License-Identifier: GPL-3.0-or-later
// Exception words: rule list from "name=value" lines, "|" as separator byte.

#include "engine/kivetelezo.h"

#include <gtest/gtest.h>

#include "platform/win1250.h"

namespace {

std::string W(std::string_view utf8) { return win1250::FromUtf8(utf8); }

TEST(Kivetelezo, RuleList) {
  const std::vector<std::string> lista = {"a=b", "x|y=c|d", "nincs", "=ures", "p=q=r"};
  EXPECT_EQ(TRovoKivetelezo::Szabalylista(lista),
            ",a-b,x|y-c\x08"
            "d,-,-ures,p-q=r");
  EXPECT_EQ(TRovoKivetelezo::Szabalylista({}), "");
}

TEST(Kivetelezo, Apply) {
  const std::vector<std::string> lista = {W("igazság=igaz|ság"), W("őzsuta=őz|suta"),
                                          "(^|\\W)ssz=$1s|sz", "egy-ketto=x", "a,b=c"};
  TRovoKivetelezo k(&lista);
  EXPECT_EQ(k.Alkalmaz(W("az igazságos őzsuta")), W("az igaz\x08ságos őz\x08suta"));
  EXPECT_EQ(k.Alkalmaz("ssz assz"), "s\x08sz assz");
  // Names with "-" or "," break into pieces: "egy-ketto-x" is dropped, "a,b-c"
  // leaves the rule "b-c".
  EXPECT_EQ(k.Alkalmaz("egy-ketto a,b"), "egy-ketto a,c");
  // No word boundaries are added: the name matches inside longer words.
  EXPECT_EQ(k.Alkalmaz(W("nagyigazság")), W("nagyigaz\x08ság"));
}

TEST(Kivetelezo, EmptyOrMissingList) {
  const std::vector<std::string> ures;
  TRovoKivetelezo a(&ures), b(nullptr);
  EXPECT_EQ(a.Alkalmaz(W("igazság")), W("igazság"));
  EXPECT_EQ(b.Alkalmaz("x"), "x");
}

TEST(Kivetelezo, EqualLengthNamesInSortOrder) {
  // Equal-length names: the round's quicksort swaps the two, so "bc" goes first.
  const std::vector<std::string> lista = {"ab=X", "bc=Y"};
  TRovoKivetelezo k(&lista);
  EXPECT_EQ(k.Alkalmaz("abc"), "aY");
}

}  // namespace
