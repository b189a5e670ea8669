// SPDX-License-Identifier: GPL-3.0-or-later
// Behaviour of the RegKifHU dialect: syntax, modifiers, matching order,
// captures, errors, templates, replace-all and split.

#include "regex/regkif.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win1250.h"

namespace {

using namespace win1250::literals;

// "match S:L ..." (slot 0, then groups up to the last set one), "nomatch" or
// "error N": the same shape rovas-cli prints.
std::string Describe(std::string_view pattern, std::string_view mods, std::string_view subject) {
  TRegKif re;
  re.SetModifierStr(mods);
  re.SetExpression(pattern);
  try {
    if (!re.Exec(subject)) return "nomatch";
  } catch (const ERegKif& e) {
    return "error " + std::to_string(e.ErrorCode());
  }
  int last = 0;
  for (int n = 1; n < TRegKif::kSlots; ++n) {
    if (re.MatchStart(n) > 0) last = n;
  }
  std::string out = "match";
  for (int n = 0; n <= last; ++n) {
    out += " " + std::to_string(re.MatchStart(n)) + ":" + std::to_string(re.MatchLength(n));
  }
  return out;
}

struct MatchCase {
  const char* pattern;
  const char* mods;
  std::string subject;
  const char* expected;
};

void RunMatchTable(const std::vector<MatchCase>& cases) {
  for (const MatchCase& c : cases) {
    EXPECT_EQ(Describe(c.pattern, c.mods, c.subject), c.expected)
        << "pattern '" << c.pattern << "' mods '" << c.mods << "' subject '" << c.subject << "'";
  }
}

TEST(RegKifSyntax, LiteralsQuantifiersAndBraces) {
  RunMatchTable({
      {"abc", "", "xabcy", "match 2:3"},
      {"ab*", "", "abbbc", "match 1:4"},
      {"ab*", "", "ac", "match 1:1"},
      {"ab+", "", "ac", "nomatch"},
      {"ab?c", "", "ac", "match 1:2"},
      {"ab{2}c", "", "abbc", "match 1:4"},
      {"ab{2}c", "", "abbbc", "nomatch"},
      {"ab{2,}c", "", "abbbbbc", "match 1:7"},
      {"ab{1,2}c", "", "abbbc", "nomatch"},
      {"ab{0,1}c", "", "ac", "match 1:2"},
      {"a{", "", "a{", "match 1:2"},
      {"{", "", "x{", "match 2:1"},
      {"{2}", "", "{2}", "match 1:3"},
      {"a{,2}", "", "a{,2}", "match 1:5"},
      {"a{x", "", "a{x", "match 1:3"},
      {"a{2", "", "a{2", "match 1:3"},
      {"a{2,x}", "", "a{2,x}", "match 1:6"},
      {"x{2}{", "", "xx{", "match 1:3"},
      {"a{0}b", "", "ab", "match 2:1"},
      {"(a){0}b", "", "ab", "match 2:1"},
      {"a{00000003}", "", "aaaa", "match 1:3"},
      {"[)]", "", "a)", "match 2:1"},
      {"[(]", "", "(", "match 1:1"},
      {"[+]", "", "a+", "match 2:1"},
      {"[?]", "", "?", "match 1:1"},
      {"[|]", "", "a|b", "match 2:1"},
      {"\\[\\]", "", "[]", "match 1:2"},
      {"\\.\\\\\\$\\{\\-", "", "x.\\${-", "match 2:5"},
      {"a.c", "", "abc", "match 1:3"},
      {".", "", "", "nomatch"},
      {"a|b|c", "", "xxc", "match 3:1"},
      {"a|", "", "b", "match 1:0"},
      {"|a", "", "a", "match 1:0"},
      {"(?#comment)a", "", "a", "match 1:1"},
      {"a(?#c)?", "", "a", "match 1:1"},
  });
}

TEST(RegKifSyntax, Escapes) {
  RunMatchTable({
      {"\\d+", "", "ab123c", "match 3:3"},
      {"\\D+", "", "12ab3", "match 3:2"},
      {"\\D", "", "", "nomatch"},
      {"\\w+", "", "  őrült_9 "_hu, "match 3:7"},
      {"\\W", "", "áb c"_hu, "match 3:1"},
      {"\\s+", "", "a \t\r\n\fb", "match 2:5"},
      {"\\S+", "", "  ab ", "match 3:2"},
      {"\\t\\n\\r\\f\\a\\e", "", "\t\n\r\f\a\x1B", "match 1:6"},
      {"\\x41\\x4a", "", "AJ", "match 1:2"},
      {"\\x{0041}", "", "A", "match 1:1"},
      {"\\x{41}+", "", "AAA", "match 1:3"},
      {"\\x{}", "", std::string("a\0", 2), "nomatch"},  // the subject ends at its NUL
      {"\\q\\%", "", "q%", "match 1:2"},
      {"\\0", "", "0", "match 1:1"},
      {"(a)\\12", "", "aa2", "match 1:3 1:1"},
  });
}

TEST(RegKifSyntax, Classes) {
  RunMatchTable({
      {"[abc]+", "", "xcabd", "match 2:3"},
      {"[^abc]+", "", "abxyc", "match 3:2"},
      {"[]a]+", "", "a]]b", "match 1:3"},
      {"[^]a]", "", "]ab", "match 3:1"},
      {"[-a]+", "", "a-a", "match 1:3"},
      {"[a-]+", "", "a-a", "match 1:3"},
      {"[a-c-e]+", "", "x-eb", "match 2:3"},
      {"[\\d-z]+", "", "1-z", "match 1:3"},
      {"[a-\\d]+", "", "a-5", "match 1:3"},
      {"[a-\\W]+", "", "a-W", "match 1:3"},
      {"[\\W]", "", "!W", "match 2:1"},
      {"[\\w]+", "", "!áb!"_hu, "match 2:2"},
      {"[\\s]", "", "a\tb", "match 2:1"},
      {"[\\]\\-\\\\]+", "", "x]-\\y", "match 2:3"},
      {"[\\x41-\\x43]+", "", "ABCD", "match 1:3"},
      {"[\\t-\\r]+", "", "\t\n\x0B\f\r ", "match 1:5"},
      {"[\\b]", "", "b", "match 1:1"},
      {"[a\\x{42}]+", "", "aBb", "match 1:2"},
      {"[.]", "", "a.", "match 2:1"},
      {"[aaáá]+"_hu, "", "aáb"_hu, "match 1:2"},
      {"[^eéiíEÉ ]+"_hu, "", "eékas e"_hu, "match 3:3"},
      {"[a-c]", "", "", "nomatch"},
      {"[^a]", "", "", "nomatch"},
  });
}

TEST(RegKifSyntax, RangeWidening) {
  // With r on, E0-FF also holds B8, C0-DF also holds A8, and E0-DF means C0-FF + A8 + B8.
  RunMatchTable({
      {"[\\xE0-\\xFF]", "", "\xB8", "match 1:1"},
      {"[\xE0-\xFF]", "", "\xB8", "match 1:1"},
      {"[\\xE0-\\xFF]", "-r", "\xB8", "nomatch"},
      {"[\\xC0-\\xDF]", "", "\xA8", "match 1:1"},
      {"[\\xC0-\\xDF]", "-r", "\xA8", "nomatch"},
      {"[\\xC0-\\xDF]", "", "\xB8", "nomatch"},
      {"[\\xE0-\\xDF]+", "", "\xA8\xB8\xC0\xFF", "match 1:4"},
      {"[\\xE0-\\xDF]", "-r", "a", "error 109"},
      {"[\\xE1-\\xFF]", "", "\xB8", "nomatch"},
      {"[\\xE0-\\xFE]", "", "\xB8", "nomatch"},
  });
}

TEST(RegKifSyntax, CompileErrors) {
  struct Case {
    const char* pattern;
    const char* mods;
    int code;
    int pos;
  };
  const std::vector<Case> cases = {
      {"(((((((((((((((a)))))))))))))))", "", 102, 15},
      {"(a", "", 103, 2},
      {"((a)", "", 103, 4},
      {"a)", "", 104, 2},
      {"a)(", "", 104, 2},
      {"()*", "", 106, 3},
      {"(a|)+", "", 106, 5},
      {"(a?)*", "", 106, 5},
      {"(a*b*){2}", "", 106, 9},
      {"^*", "", 106, 2},
      {"$+", "", 106, 2},
      {"\\b*", "", 106, 3},
      {"(?i)*", "", 106, 5},
      {"(?#x)*", "", 106, 6},
      {"(\\A|\\Z)*", "", 106, 8},
      {"a**", "", 107, 3},
      {"a?*", "", 107, 3},
      {"a*?+", "", 107, 4},
      {"a{2}{3}", "", 107, 5},
      {"a{2}*", "", 107, 5},
      {"\\xG1", "", 108, 3},
      {"\\x1G", "", 108, 4},
      {"\\x{1G}", "", 108, 5},
      {"[z-a]", "", 109, 4},
      {"[\\x42-\\x41]", "", 109, 10},
      {"[a\\", "", 110, 3},
      {"[a-\\", "", 110, 4},
      {"\\x", "", 111, 2},
      {"\\x4", "", 111, 3},
      {"\\x{41", "", 111, 5},
      {"[\\x", "", 111, 3},
      {"\\x{141}", "", 112, 7},
      {"\\x{100}", "", 112, 7},
      {"[abc", "", 113, 4},
      {"[]", "", 113, 2},
      {"[^]", "", 113, 3},
      {"*a", "", 115, 1},
      {"a|*", "", 115, 3},
      {"(+)", "", 115, 2},
      {"?", "", 115, 1},
      {"a\\", "", 116, 2},
      {"a{123456789}", "", 122, 12},
      {"a{1,123456789}", "", 122, 14},
      {"a{3,2}", "", 124, 6},
      {"(?#abc", "", 125, 6},
      {"(?:a)", "", 127, 3},
      {"(?i", "", 127, 3},
      {"(?y)", "", 127, 3},
      {"(?=a)", "", 127, 3},
  };
  for (const Case& c : cases) {
    TRegKif re;
    re.SetModifierStr(c.mods);
    re.SetExpression(c.pattern);
    try {
      re.Exec("a");
      ADD_FAILURE() << "no error for '" << c.pattern << "'";
    } catch (const ERegKif& e) {
      EXPECT_EQ(e.ErrorCode(), c.code) << c.pattern;
      EXPECT_EQ(e.CompilerErrorPos(), c.pos) << c.pattern;
      EXPECT_EQ(std::string(e.what()),
                TRegKif::ErrorMsg(c.code) + " (pos " + std::to_string(c.pos) + ")")
          << c.pattern;
    }
  }
}

TEST(RegKifSyntax, AcceptedNearErrors) {
  RunMatchTable({
      {"()?", "", "a", "match 1:0 1:0"},
      {"(a|)?", "", "a", "match 1:1 1:1"},
      {"^?a", "", "ba", "match 2:1"},
      {"a*?", "", "aa", "match 1:0"},
      {"a+?", "", "aa", "match 1:1"},
      {"a??b", "", "ab", "match 1:2"},
      {"a{1,2}?", "", "aa", "match 1:1"},
      {"(?)a", "", "a", "match 1:1"},
      {"(?I-S)a.", "", "A\n", "nomatch"},
      {"(\\1)*x", "", "x", "match 1:1"},  // the group refers to itself: unset
      {"()(\\1)*x", "", "x", "match 1:1 1:0 1:0"},
      {"()(\\1){3,5}x", "", "x", "match 1:1 1:0 1:0"},
      {"(a)(\\1){99999999}", "", "aaa", "nomatch"},
      {"(((((((((((((((", "", "", "error 102"},
      {"((((((((((((((a))))))))))))))", "", "a",
       "match 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1 1:1"},
  });
}

TEST(RegKifErrors, MessagesByNumber) {
  EXPECT_EQ(TRegKif::ErrorMsg(0), "No errors");
  EXPECT_EQ(TRegKif::ErrorMsg(101), "Unknown error");
  EXPECT_EQ(TRegKif::ErrorMsg(105), "RegKif(comp): Junk at end of pattern");
  EXPECT_EQ(TRegKif::ErrorMsg(114), "RegKif(comp): Internal parser error");
  EXPECT_EQ(TRegKif::ErrorMsg(119), "RegKif(comp): Internal atom parser error");
  EXPECT_EQ(TRegKif::ErrorMsg(1000), "RegKif(exec): Repeat called inappropriately");
  EXPECT_EQ(TRegKif::ErrorMsg(1015), "RegKif(exec): Loop without loop entry");
  EXPECT_EQ(TRegKif::ErrorMsg(9999), "Unknown error");
  EXPECT_STREQ(ERegKif(1007).what(), "RegKif(exec): ExecNext without a current match");
  EXPECT_STREQ(ERegKif(1014, 3).what(), "RegKif(exec): Loop stack exceeded");
  EXPECT_STREQ(ERegKif(116, 0).what(), "RegKif(comp): Trailing \\ (pos 0)");
}

TEST(RegKifModifiers, CaseInsensitive) {
  RunMatchTable({
      {"(?i)a", "", "A", "match 1:1"},
      {"((?i)a)b", "", "AB", "nomatch"},
      {"((?i)a)b", "", "Ab", "match 1:2 1:1"},
      {"(?i)öő"_hu, "", "ÖŐ"_hu, "match 1:2"},
      {"öő"_hu, "i", "xÖő"_hu, "match 2:2"},
      {"\xB3", "i", "\xA3", "match 1:1"},  // l with stroke
      {"\x9A\x9E", "i", "\x8A\x8E", "match 1:2"},
      {"\xDF", "i", "\xDF", "match 1:1"},  // sharp s has no partner
      {"[a-c]+", "i", "xABCd", "match 2:3"},
      {"[^a]", "i", "Ab", "match 2:1"},
      {"(a)\\1", "i", "aA", "match 1:2 1:1"},
      {"(A)\\1", "i", "Aa", "match 1:2 1:1"},
      {"(a)\\1", "", "aA", "nomatch"},
      {"a(?-i)b", "i", "AB", "nomatch"},
      {"a(?-i)b", "i", "Ab", "match 1:2"},
      {"(?i)a|b", "", "B", "match 1:1"},
      {"(a(?i)b|c)d", "", "aBd", "match 1:3 1:2"},
      {"(a(?i)b|c)d", "", "Cd", "match 1:2 1:1"},
      {"(a(?i)b|c)d", "", "abD", "nomatch"},
      {"\\x41", "i", "a", "match 1:1"},
      {"\\w", "i", "Á"_hu, "match 1:1"},
  });
}

TEST(RegKifModifiers, DotAndLines) {
  RunMatchTable({
      {"a.c", "", "a\nc", "match 1:3"},
      {"a.c", "-s", "a\nc", "nomatch"},
      {"a.c", "-s", "a\rc", "nomatch"},
      {"a.+", "-s", "abc\r\nd", "match 1:3"},
      {"(?-s)a.*", "", "abc\ndef", "match 1:3"},
      {"^b", "", "a\nb", "nomatch"},
      {"^b", "m", "a\nb", "match 3:1"},
      {"^b", "m", "a\r\nb", "match 4:1"},
      {"^b", "m", "a\rb", "match 3:1"},
      {"^", "m", "a\r\n", "match 1:0"},
      {"a$", "", "a\n", "nomatch"},
      {"a$", "m", "a\nb", "match 1:1"},
      {"a$", "m", "a\r\nb", "match 1:1"},
      {"a\\r$", "m", "a\r\nb", "nomatch"},  // not between CR and LF
      {"^\\n", "m", "a\r\nb", "nomatch"},
      {"$", "m", "ab\r\n", "match 3:0"},
      {"a\\Z", "m", "a\nb", "nomatch"},
      {"\\Ab", "m", "a\nb", "nomatch"},
      {"(?m)^b$", "", "a\nb\nc", "match 3:1"},
      {"^$", "", "", "match 1:0"},
      {"^$", "m", "a\n\nb", "match 3:0"},
  });
}

TEST(RegKifModifiers, GreedinessAndExtended) {
  RunMatchTable({
      {"a+", "-g", "aaa", "match 1:1"},
      {"a+?", "-g", "aaa", "match 1:1"},
      {"a.*b", "-g", "xaxbxb", "match 2:3"},
      {"(?-g)a*(?g)b*", "", "bb", "match 1:2"},
      {"(?-g)a*", "", "aa", "match 1:0"},
      {"a b c", "x", "abc", "match 1:3"},
      {"a +", "x", "aaa", "match 1:3"},
      {"a+ ?", "x", "aaa", "match 1:1"},
      {"a # comment\n b", "x", "ab", "match 1:2"},
      {"[ ]a", "x", " a", "match 1:2"},
      {"\\ a", "x", " a", "match 1:2"},
      {"a b", "", "a b", "match 1:3"},
      {"a(?x) b", "", "ab", "match 1:2"},
      {"(a(?x) b) c", "", "ab c", "match 1:4 1:2"},
      {"#", "", "#", "match 1:1"},
  });
}

TEST(RegKifMatching, Order) {
  RunMatchTable({
      {"a|ab", "", "ab", "match 1:1"},
      {"ab|a", "", "ab", "match 1:2"},
      {"(a|ab)c", "", "abc", "match 1:3 1:2"},
      {"a*", "", "baaa", "match 1:0"},
      {"a*?b", "", "aab", "match 1:3"},
      {"x*", "", "", "match 1:0"},
      {"(a+)(a*)", "", "aaa", "match 1:3 1:3 4:0"},
      {"(a+?)(a*)", "", "aaa", "match 1:3 1:1 2:2"},
      {"(a*)*", "", "a", "error 106"},
      {"(ab|a)(bc|c)", "", "abc", "match 1:3 1:2 3:1"},
      {"(a|b)*c", "", "abac", "match 1:4 3:1"},
      {"(a|b)*?c", "", "abac", "match 1:4 3:1"},
      {"(ab){2,3}", "", "abababab", "match 1:6 5:2"},
      {"(ab){2,3}?", "", "abababab", "match 1:4 3:2"},
      {"(ab){2}", "", "abab", "match 1:4 3:2"},
      {"(ab){17,18}c", "",
       "x" +
           [] {
             std::string s;
             for (int k = 0; k < 18; ++k) s += "ab";
             return s;
           }() +
           "c",
       "match 2:37 36:2"},
      {"(ab){17,18}?", "", std::string(40, 'a'), "nomatch"},
      {"(a|b){17,}c", "", std::string(20, 'a') + "c", "match 1:21 20:1"},
      {"(a|b){20}?b", "", std::string(21, 'a') + "b", "match 2:21 21:1"},
      {"((a)|b)+", "", "ab", "match 1:2 2:1 1:1"},
      {"(a|(b))+", "", "ba", "match 1:2 2:1 1:1"},
      {"(a)|b", "", "b", "match 1:1"},
      {"(a)|(b)", "", "b", "match 1:1 -1:-1 1:1"},
      {"x(a)?y", "", "xy", "match 1:2"},
      {"x(a)??a", "", "xa", "match 1:2"},
      {"x.{2,4}y", "", "xaaaaay", "nomatch"},
      {"x.{2,4}y", "", "xaaay", "match 1:5"},
      {"[ab]{3}", "", "aabab", "match 1:3"},
      {"\\d+((\\. |\\.|,| |)\\d+)*", "", "x 1.234,5 6. 7.", "match 3:12 12:3 12:2"},
      {"a.*c", "", "abcbc", "match 1:5"},
      {"a.*?c", "", "abcbc", "match 1:3"},
      {"a[^c]*c", "", "abcbc", "match 1:3"},
      // Anchor and prefix bytes found near, at and past the first 32 bytes searched.
      {"[ab]{2}k", "", std::string(14, 'c') + "bak" + std::string(20, 'c'), "match 15:3"},
      {"[ab]{2}k", "", std::string(20, 'c') + "abk" + std::string(20, 'c'), "match 21:3"},
      {"[ab]{2}k", "", "ck" + std::string(40, 'c') + "abkk", "match 43:3"},
      {"[ab]{2}k", "", std::string(29, 'k') + "aak" + std::string(20, 'k'), "match 30:3"},
      {"[ab]{2}k", "", std::string(40, 'k'), "nomatch"},
      {"qzx", "", std::string(33, 'q') + "qzx", "match 34:3"},
      {"qzx", "", std::string(17, 'z') + "qzxq" + std::string(20, 'z'), "match 18:3"},
      {"^(a\\1?){4}$", "", "aaaaaaaaaa", "match 1:10 7:4"},
      {"(a\\1)", "", "aa", "nomatch"},  // the open group has captured nothing yet
      {"\\1(a)", "", "aa", "nomatch"},
      {"(a)\\1*b", "", "aaab", "match 1:4 1:1"},
      // A repeated back-reference counts at most as many repetitions as bytes are left.
      {"x()\\1+", "", "x", "nomatch"},
      {"()\\1{3}", "", "ab", "nomatch"},
      {"()\\1{3}", "", "abc", "match 1:0 1:0"},
      {"()\\1{2}x", "", "xab", "match 1:1 1:0"},
      {"(a*)b\\1", "", "aabaa", "match 1:5 1:2"},
      {"(a*)b\\1", "", "aaba", "match 2:3 2:1"},
      {"(?:", "", "", "error 127"},
  });
}

TEST(RegKifMatching, WordBoundaries) {
  RunMatchTable({
      {"\\bk", "", "ők k"_hu, "match 4:1"},
      {"k\\b", "", "ká k"_hu, "match 4:1"},
      {"\\Bk\\B", "", "k ak aka", "match 7:1"},
      {"\\b", "", "", "nomatch"},
      {"\\B", "", "", "match 1:0"},
      {"\\b", "", "ab", "match 1:0"},
      // "\xB3" (l with stroke) is not a word letter: \B holds only between non-letters.
      {"\\B\xB3\\B", "",
       "a\xB3"
       "a \xB3",
       "match 5:1"},
      {"(^|\\W)k", "", "ők"_hu, "nomatch"},
      {"(^|\\W)k", "", "kakk", "match 1:1 1:0"},
  });
}

// What a line-by-line transliteration may rely on: the match stays inside a line.
TEST(RegKifMatching, LineLocalPatterns) {
  const struct {
    const char* minta;
    const char* mods;
    bool soron_belul;
  } sorok[] = {
      {"\\bk\\B", "", true},    {"a(b|c){2,5}\\1", "", true},
      {"[a-z]+\\w*", "", true}, {"\\d+[.,]?", "", true},
      {"a\\sb", "", false},     {"[^e]k", "", false},
      {".k", "", false},        {".k", "-s", true},
      {"\\Wk", "", false},      {"(^|a)k", "", false},
      {"k$", "m", false},       {"a?", "", false},
      {"\\x0Ak", "", false},    {"(a", "", false},
      {"", "", false},
  };
  for (const auto& sor : sorok) {
    TRegKif k;
    k.SetExpression(sor.minta);
    k.SetModifierStr(sor.mods);
    EXPECT_EQ(k.LineLocal(), sor.soron_belul) << sor.minta << " " << sor.mods;
  }
}

TEST(RegKifMatching, TextEndsAtNul) {
  RunMatchTable({
      {"b", "", std::string("a\0b", 3), "nomatch"},
      {"a$", "", std::string("a\0b", 3), "match 1:1"},
      {".*", "", std::string("ab\0cd", 5), "match 1:2"},
      {"\\x00", "", std::string("a\0", 2), "nomatch"},
  });
}

TEST(RegKifMatching, LoopStack) {
  // Ten counted group loops may nest; entering an eleventh raises 1014.
  std::string ten = "a", eleven;
  for (int k = 0; k < 10; ++k) ten = "(" + ten + "){1}";
  eleven = "(" + ten + "){1}";
  EXPECT_EQ(Describe(ten, "", "a").substr(0, 9), "match 1:1");
  EXPECT_EQ(Describe(eleven, "", "a"), "error 1014");
  EXPECT_EQ(Describe(eleven, "", "b"), "error 1014");  // entered at every start
  EXPECT_EQ(Describe("b|" + eleven, "", "b"), "match 1:1");
  std::string lazy = "a";
  for (int k = 0; k < 11; ++k) lazy = "(" + lazy + ")+?";
  EXPECT_EQ(Describe(lazy, "", "a"), "error 1014");
  std::string greedy = "a";
  for (int k = 0; k < 11; ++k) greedy = "(" + greedy + ")?";
  EXPECT_EQ(Describe(greedy, "", "a").substr(0, 9), "match 1:1");
  // Loops one after another are never active together.
  std::string seq;
  for (int k = 0; k < 12; ++k) seq += "(a){1}";
  EXPECT_EQ(Describe(seq, "", std::string(12, 'a')).substr(0, 10), "match 1:12");
}

TEST(RegKifObject, ResultsAndExecNext) {
  TRegKif re;
  re.SetExpression("a(b)?");
  EXPECT_EQ(re.MatchStart(0), -1);
  EXPECT_EQ(re.MatchText(0), "");
  ASSERT_TRUE(re.Exec("xabya"));
  EXPECT_EQ(re.MatchStart(0), 2);
  EXPECT_EQ(re.MatchLength(0), 2);
  EXPECT_EQ(re.MatchText(0), "ab");
  EXPECT_EQ(re.MatchText(1), "b");
  EXPECT_EQ(re.MatchText(15), "");
  EXPECT_EQ(re.MatchStart(-1), -1);
  EXPECT_EQ(re.MatchLength(15), -1);
  EXPECT_EQ(re.MatchStart(2), -1);
  ASSERT_TRUE(re.ExecNext());
  EXPECT_EQ(re.MatchStart(0), 5);
  EXPECT_EQ(re.MatchStart(1), -1);  // cleared for the new search
  EXPECT_FALSE(re.ExecNext());
  EXPECT_EQ(re.MatchStart(0), -1);
  try {
    re.ExecNext();
    ADD_FAILURE() << "ExecNext after a failed search";
  } catch (const ERegKif& e) {
    EXPECT_EQ(e.ErrorCode(), 1007);
    EXPECT_EQ(e.CompilerErrorPos(), -1);
  }
}

TEST(RegKifObject, ExecNextAfterEmptyMatchAndAnchors) {
  TRegKif re;
  re.SetExpression("x*");
  std::vector<int> starts;
  ASSERT_TRUE(re.Exec("axxb"));
  do {
    starts.push_back(re.MatchStart(0));
    starts.push_back(re.MatchLength(0));
  } while (re.ExecNext());
  EXPECT_EQ(starts, (std::vector<int>{1, 0, 2, 2, 4, 0, 5, 0}));

  re.SetExpression("^a");
  ASSERT_TRUE(re.Exec("aaa"));
  EXPECT_FALSE(re.ExecNext());  // "^" holds only at position 1
}

TEST(RegKifObject, ExecErrors) {
  auto code = [](auto&& f) {
    try {
      f();
    } catch (const ERegKif& e) {
      return e.ErrorCode();
    }
    return 0;
  };
  TRegKif re;
  EXPECT_EQ(code([&] { re.Exec("a"); }), 1003);
  EXPECT_EQ(code([&] { re.ExecNext(); }), 1007);
  re.SetExpression("");
  EXPECT_EQ(code([&] { re.Exec("a"); }), 1003);
  TRegKif fresh;
  fresh.SetExpression("a");
  EXPECT_EQ(code([&] { fresh.ExpandTemplate("$0"); }), 1005);
  EXPECT_EQ(code([&] { fresh.ExpandTemplate(""); }), 1005);
  re.SetExpression("a");
  EXPECT_EQ(code([&] { re.SetLinePairedSeparator("ab"); }), 0);
  EXPECT_EQ(code([&] { re.SetLinePairedSeparator(""); }), 0);
  for (const char* bad : {"a", "aa", "abc"}) {
    EXPECT_EQ(code([&] { re.SetLinePairedSeparator(bad); }), 128) << bad;
  }
  try {
    re.SetLinePairedSeparator("x");
  } catch (const ERegKif& e) {
    EXPECT_EQ(std::string(e.what()),
              "RegKif(comp): LinePairedSeparator must hold two different characters or none "
              "(pos 0)");
  }
  EXPECT_EQ(re.LinePairedSeparator(), "");
  // A compile error leaves the pattern uncompiled: the next search reports it again.
  re.SetExpression("a(");
  EXPECT_EQ(code([&] { re.Exec("a"); }), 103);
  EXPECT_EQ(code([&] { re.Exec("a"); }), 103);
  EXPECT_EQ(re.MatchStart(0), -1);
}

TEST(RegKifObject, RecompilesOnModifierChange) {
  TRegKif re;
  re.SetExpression("a.b");
  EXPECT_TRUE(re.Exec("A\nb") == false);
  re.SetModifier('I', true);
  EXPECT_TRUE(re.Modifier('i'));
  EXPECT_TRUE(re.Exec("A\nb"));
  re.SetModifier('s', false);
  EXPECT_FALSE(re.Exec("A\nb"));
  re.SetModifierStr("s-i");
  EXPECT_FALSE(re.Modifier('i'));
  EXPECT_TRUE(re.Modifier('s'));
  EXPECT_TRUE(re.Exec("a\nb"));
  EXPECT_FALSE(re.Exec("A\nb"));
  // Defaults.
  TRegKif d;
  EXPECT_FALSE(d.Modifier('i'));
  EXPECT_TRUE(d.Modifier('r'));
  EXPECT_TRUE(d.Modifier('s'));
  EXPECT_TRUE(d.Modifier('g'));
  EXPECT_FALSE(d.Modifier('m'));
  EXPECT_FALSE(d.Modifier('x'));
  EXPECT_EQ(d.BlankChars(), " \t\n\r\f");
  EXPECT_EQ(d.LineSeparatorChars(), "\r\n");
  EXPECT_EQ(d.LinePairedSeparator(), "\r\n");
  EXPECT_EQ(d.WordLetters(),
            "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_" +
                win1250::FromUtf8("\u00E1\u00E9\u00ED\u00F3\u00F6\u0151\u00FA\u00FC\u0171"
                                  "\u00C1\u00C9\u00CD\u00D3\u00D6\u0150\u00DA\u00DC\u0170"));
}

TEST(RegKifObject, CharacterSetProperties) {
  TRegKif re;
  re.SetWordLetters("ab");
  re.SetExpression("\\b\\w+\\b");
  ASSERT_TRUE(re.Exec("xab1"));
  EXPECT_EQ(re.MatchStart(0), 2);
  EXPECT_EQ(re.MatchLength(0), 2);

  re.SetExpression("\\s");
  re.SetBlankChars("_");
  ASSERT_TRUE(re.Exec("a b_"));
  EXPECT_EQ(re.MatchStart(0), 4);

  // Custom line breaks: ';' ends lines, "<>" is a paired break.
  re.SetLineSeparatorChars(";");
  re.SetLinePairedSeparator("<>");
  re.SetModifierStr("m-s");
  re.SetExpression("^b.");
  ASSERT_TRUE(re.Exec("a;bc"));
  EXPECT_EQ(re.MatchStart(0), 3);
  EXPECT_FALSE(re.Exec("a<>b<>"));  // "." refuses the head of "<>"
  EXPECT_TRUE(re.Exec("a<>b<x"));
  EXPECT_FALSE(re.Exec("a\nbc"));
  re.SetExpression("a$");
  EXPECT_TRUE(re.Exec("a<>b"));
  EXPECT_TRUE(re.Exec("xa;b"));
  EXPECT_FALSE(re.Exec("a<b"));
  re.SetExpression("b+.*");
  ASSERT_TRUE(re.Exec("bb<>"));
  EXPECT_EQ(re.MatchLength(0), 2);
  ASSERT_TRUE(re.Exec("bb<<>"));
  EXPECT_EQ(re.MatchLength(0), 3);
}

struct ReplaceCase {
  const char* pattern;
  const char* mods;
  const char* tmpl;
  std::string subject;
  std::string expected;
  bool expand = true;
};

TEST(RegKifReplace, RulesAndTemplates) {
  const std::vector<ReplaceCase> cases = {
      {"(^|\\W)k", "", "$1K", "kakk", "Kakk"},
      {"(^|\\W)k", "", "$1K", "a k", "a K"},
      {"(^|\\W)k", "", "$1K", "ők"_hu, "ők"_hu},
      {"(^|\\W)k", "", "$1K", "k k,k", "K K,K"},
      {"k($|\\W)", "", "K$1", "makk", "makK"},
      {"([aáuúoó])k"_hu, "", "$1K", "akkor", "aKkor"},
      {"cs", "", "C", "csacsi ccs", "CaCi cC"},
      {"ccs", "", "$$", "accsa", "a$$a"},
      {"cs", "", "$", "cs", "$"},
      {"a*", "", "X", "bc", "XbXcX"},
      {"a*", "", "X", "baac", "XbXXcX"},
      {"(a)(b)?", "", "[$2|${1}0|$15|$|\\$1]", "xay", "x[|a0||$|$1]y"},
      {"(a)", "", "$10", "a", ""},
      {"(a)", "", "${1", "a", "${1"},
      {"(a)", "", "${}-$&-${&}-$0-${0}", "a", "a-a-a-a-a"},
      {"(a)", "", "$x$", "a", "$x$"},
      {"(a)", "", "\\\\\\", "a", "\\\\"},
      {"(a)", "", "", "bab", "bb"},
      {"(a)", "", "$1", "bab", "b$1b", false},
      {"(a)", "", "\\$", "bab", "b\\$b", false},
      {"x", "", "y", std::string("x\0x", 3), std::string("y\0x", 3)},
      {"$", "", "!", "ab", "ab!"},
      {"^", "", "!", "ab", "!ab"},
      {"^", "m", ">", "a\r\nb\nc", ">a\r\n>b\n>c"},
      {"\\b", "", "|", "ab c", "|ab| |c|"},
      {"\\r\\n", "", " ", "a\r\nb", "a b"},
  };
  for (const ReplaceCase& c : cases) {
    TRegKif re;
    re.SetModifierStr(c.mods);
    re.SetExpression(c.pattern);
    EXPECT_EQ(re.ReplaceAll(c.subject, c.tmpl, c.expand), c.expected)
        << "pattern '" << c.pattern << "' template '" << c.tmpl << "' subject '" << c.subject
        << "'";
  }
}

TEST(RegKifReplace, ExpandTemplateUsesCurrentMatch) {
  TRegKif re;
  re.SetExpression("(\\d+)-(\\d+)");
  ASSERT_TRUE(re.Exec("x 12-345 y"));
  EXPECT_EQ(re.ExpandTemplate("$2:$1"), "345:12");
  EXPECT_EQ(re.ExpandTemplate(""), "");
  EXPECT_EQ(re.ExpandTemplate("$3"), "");
  ASSERT_FALSE(re.Exec("none"));
  EXPECT_EQ(re.ExpandTemplate("[$0]"), "[]");
}

TEST(RegKifReplace, ErrorsReachTheCaller) {
  TRegKif re;
  re.SetExpression("a{2,1}");
  try {
    re.ReplaceAll("aa", "b", true);
    ADD_FAILURE();
  } catch (const ERegKif& e) {
    EXPECT_EQ(e.ErrorCode(), 124);
  }
}

TEST(RegKifSplit, Pieces) {
  struct Case {
    const char* pattern;
    std::string subject;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"\\r\\n", "a\r\nb\r\n", {"a", "b", ""}},
      {"\\r\\n", "", {""}},
      {"\\r\\n", "abc", {"abc"}},
      {",", ",a,,b", {"", "a", "", "b"}},
      {"x*", "ab", {"", "a", "b", ""}},
      {" +", "a  b c", {"a", "b", "c"}},
  };
  for (const Case& c : cases) {
    TRegKif re;
    re.SetExpression(c.pattern);
    std::vector<std::string> pieces{"kept"};
    re.SplitBy(c.subject, pieces);
    std::vector<std::string> expected{"kept"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(pieces, expected) << c.pattern;
  }
}

TEST(RegKifRobustness, LongTextsDeepPatterns) {
  // The backtracking state lives on the heap, so long texts cannot exhaust
  // the call stack; loops over groups cost memory per iteration, so they get
  // the smaller text.
  const std::string big(10 * 1024 * 1024, 'a');
  const std::string mid(1024 * 1024, 'a');
  TRegKif re;
  for (const char* p : {"a*b", "a.*?$", "(a|b)*c", "\\ba+\\b", "[ab]{2,}?$", "x|a*$"}) {
    re.SetExpression(p);
    EXPECT_NO_THROW(re.Exec(big)) << p;
  }
  for (const char* p :
       {"(a)*", "(a|aa)+$", "(a{1,3})*?$", "(((a)))*", "^(a\\1?)*$", "(a)(\\1)*", "(a|b)*"}) {
    re.SetExpression(p);
    EXPECT_NO_THROW(re.Exec(mid)) << p;
  }
  re.SetExpression("(a|b)*");
  ASSERT_TRUE(re.Exec(mid));
  EXPECT_EQ(re.MatchLength(0), static_cast<int>(mid.size()));
  EXPECT_EQ(re.MatchStart(1), static_cast<int>(mid.size()));
  re.SetExpression("a+$");
  ASSERT_TRUE(re.Exec(big));
  EXPECT_EQ(re.MatchLength(0), static_cast<int>(big.size()));

  // Nested alternatives that overlap would take exponential time without the
  // failure memo.
  const std::string as(5000, 'a');
  re.SetExpression("(a|aa)*c");
  EXPECT_FALSE(re.Exec(as + "b"));
  re.SetExpression("(a|aa|a)*?(b|c)+$");
  EXPECT_FALSE(re.Exec(as + "bcx"));
  re.SetExpression("^((a|a)*(a|a)*)*b");  // 106: a group that can be empty
  EXPECT_THROW(re.Exec(as), ERegKif);
  // Quadratic even with the memo: a longer run meets the step budget.
  re.SetExpression("^(\\w+\\s?)*$");
  EXPECT_FALSE(re.Exec(std::string(1500, 'x') + "!"));
  re.SetExpression("(x+x+)+y");
  ASSERT_TRUE(re.Exec(std::string(3000, 'x') + "y"));
  EXPECT_EQ(re.MatchLength(0), 3001);

  std::string alts;
  for (int k = 0; k < 20000; ++k) alts += "x" + std::to_string(k) + "|";
  alts += "end";
  re.SetExpression(alts);
  ASSERT_TRUE(re.Exec("the end"));
  EXPECT_EQ(re.MatchStart(0), 5);

  std::string nest(14, '(');
  nest += "a";
  nest += std::string(14, ')');
  re.SetExpression(nest + "{2}");
  EXPECT_TRUE(re.Exec("aa"));
}

}  // namespace

namespace {

TEST(RegKifBudget, RunawaySearchesStopWithTheirOwnError) {
  struct Case {
    const char* pattern;
    std::string text;
  };
  const std::string xs(20000, 'x');
  const std::string as(20000, 'a');
  const Case runaway[] = {
      {"(x+x+)+y", xs},
      {"(a+)\\1*b", as},
      {"^(.*)(.*)(.*)\\3\\2\\1x$", std::string(2000, 'a')},
      {"((a{1,100}){1,100}){1,100}b", std::string(40, 'a')},
  };
  TRegKif re;
  for (const Case& c : runaway) {
    re.SetExpression(c.pattern);
    try {
      re.ReplaceAll(c.text, "-", true);
      ADD_FAILURE() << c.pattern << " finished";
    } catch (const ERegKif& e) {
      EXPECT_EQ(e.ErrorCode(), ERegKif::kStepLimit) << c.pattern;
      EXPECT_STREQ(e.what(), "RegKif(exec): Step limit exceeded");
    }
    EXPECT_EQ(re.MatchStart(0), -1);
  }
  // Rules of the kind the fonts use stay far below the budget on a long text.
  std::string proza;
  while (proza.size() < 4'000'000) proza += "a kakas kukorékol, 12 ökör és 5 ló\r\n"_hu;
  for (const char* p : {"(^|\\W)k", "k($|\\W)", "([aáuúoó])k"_hu, "\\d+((\\. |\\.|,| |)\\d+)*",
                        "\\bk", "\\Bk\\B"}) {
    re.SetExpression(p);
    EXPECT_NO_THROW(re.ReplaceAll(proza, "$0", true)) << p;
  }
}

TEST(RegKifBudget, EveryUnitOfWorkIsCharged) {
  // Work that used to run outside the budget: the bytes a lazy repetition
  // takes one by one, the bytes back-references compare, long chains of
  // single-byte tests. Each row's steps must reach the work the search does.
  const int n = 300;
  // The "y" a match needs is there, so no search hint skips the work.
  const std::string xs = std::string(n, 'x') + "zy";
  std::string lanc;
  for (int i = 0; i < 100; ++i) lanc += "\\w";
  struct Case {
    std::string pattern;
    const char* mods;
    int64_t legalabb;  // a lower bound of the work
  };
  const Case cases[] = {
      {"x+?y", "-i", int64_t{n} * (n - 1) / 2},
      {"(x+)\\1*y", "i", int64_t{n} * n / 4},
      {"(x+)\\1*y", "-i", int64_t{n} * n / 32},
      {lanc + "(Q|R)", "-i", int64_t{n - 100} * 25},
  };
  TRegKif re;
  for (const Case& c : cases) {
    re.SetExpression(c.pattern);
    re.SetModifierStr(c.mods);
    EXPECT_FALSE(re.Exec(xs)) << c.pattern;
    EXPECT_GE(re.StepsTaken(), c.legalabb) << c.pattern << " " << c.mods;
  }
}

TEST(RegKifBudget, OutputBudgetCountsOnlyWhileOpen) {
  TRegKif re;
  re.SetExpression(".");
  const std::string text(1000, 'a');
  {
    TRegKif::OutputBudget budget(2999);
    EXPECT_EQ(re.ReplaceAll(text, "xy", true).size(), 2000u);
    try {
      re.ReplaceAll(text, "xyz", true);
      ADD_FAILURE() << "no error";
    } catch (const ERegKif& e) {
      EXPECT_EQ(e.ErrorCode(), ERegKif::kOutputLimit);
    }
    // A single expansion that would pass the budget stops before it is built.
    re.SetExpression("a+");
    EXPECT_THROW(re.ReplaceAll(text, "$0$0$0", true), ERegKif);
    {
      TRegKif::OutputBudget inner(SIZE_MAX);
      EXPECT_EQ(re.ReplaceAll(text, "$0$0$0", true).size(), 3000u);
    }
    EXPECT_THROW(re.ReplaceAll(text, "$0$0$0", true), ERegKif);
  }
  EXPECT_EQ(re.ReplaceAll(text, "$0$0$0", true).size(), 3000u);
}

}  // namespace

// The fixed text a pattern matches, which the rounds apply without searching.
TEST(RegKifMatching, FixedTextPatterns) {
  using F = TRegKif::FixedText;
  const struct {
    const char* minta;
    const char* mods;
    bool fix;
    const char* szoveg;
    F::Boundary elotte, utana;
  } sorok[] = {
      {"ccs", "", true, "ccs", F::kNone, F::kNone},
      {"\\bk", "", true, "k", F::kWord, F::kNone},
      {"\\BK\\B", "", true, "K", F::kNotWord, F::kNotWord},
      {"[(]\\.\\x41", "", true, "(.A", F::kNone, F::kNone},
      {"\\\\b", "", true, "\\b", F::kNone, F::kNone},  // an escaped backslash, then "b"
      {"a b", "x", true, "ab", F::kNone, F::kNone},
      {"ab", "i", false, "", F::kNone, F::kNone},
      {"a\\bb", "", false, "", F::kNone, F::kNone},
      {"\\b\\b", "", false, "", F::kNone, F::kNone},
      {"(ab)", "", false, "", F::kNone, F::kNone},
      {"[ab]", "", false, "", F::kNone, F::kNone},
      {"a+", "", false, "", F::kNone, F::kNone},
      {"^a", "", false, "", F::kNone, F::kNone},
      {"a\\x00", "", false, "", F::kNone, F::kNone},
      {"(a", "", false, "", F::kNone, F::kNone},
      {"", "", false, "", F::kNone, F::kNone},
  };
  for (const auto& sor : sorok) {
    TRegKif k;
    k.SetExpression(sor.minta);
    k.SetModifierStr(sor.mods);
    const std::optional<F> f = k.Fixed();
    ASSERT_EQ(f.has_value(), sor.fix) << sor.minta;
    if (!f) continue;
    EXPECT_EQ(f->text, sor.szoveg) << sor.minta;
    EXPECT_EQ(f->before, sor.elotte) << sor.minta;
    EXPECT_EQ(f->after, sor.utana) << sor.minta;
  }
}
