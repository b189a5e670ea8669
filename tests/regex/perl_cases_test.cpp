// SPDX-License-Identifier: GPL-3.0-or-later
// Classic Perl-style regex cases, adapted to this dialect: "$" and "\Z" hold
// only at the very end, "." matches line breaks by default, "(?:", look-arounds
// and \z do not exist. Each row gives the subject and either "n" (no match),
// "c" (compile error) or a template expanded against the match.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "regex/regkif.h"

namespace {

struct PerlCase {
  const char* pattern;
  const char* subject;
  const char* expect;  // "n", "c", or "y" followed by a template and its result
  const char* tmpl = "$&";
  const char* result = "";
};

const std::vector<PerlCase> kCases = {
    {"abc", "abc", "y", "$&", "abc"},
    {"abc", "xbc", "n"},
    {"abc", "axc", "n"},
    {"abc", "xabcy", "y", "$&", "abc"},
    {"abc", "ababc", "y", "$&", "abc"},
    {"ab*c", "abc", "y", "$&", "abc"},
    {"ab*bc", "abbbbc", "y", "$&", "abbbbc"},
    {".{1}", "abbbbc", "y", "$&", "a"},
    {".{3,4}", "abbbbc", "y", "$&", "abbb"},
    {"ab{0,}bc", "abbbbc", "y", "$&", "abbbbc"},
    {"ab+bc", "abbc", "y", "$&", "abbc"},
    {"ab+bc", "abc", "n"},
    {"ab+bc", "abq", "n"},
    {"ab{1,}bc", "abq", "n"},
    {"ab{1,3}bc", "abbbbc", "y", "$&", "abbbbc"},
    {"ab{3,4}bc", "abbbbc", "y", "$&", "abbbbc"},
    {"ab{4,5}bc", "abbbbc", "n"},
    {"ab?bc", "abbc", "y", "$&", "abbc"},
    {"ab?bc", "abc", "y", "$&", "abc"},
    {"ab{0,1}bc", "abc", "y", "$&", "abc"},
    {"ab?c", "abc", "y", "$&", "abc"},
    {"^abc$", "abc", "y", "$&", "abc"},
    {"^abc$", "abcc", "n"},
    {"^abc", "abcc", "y", "$&", "abc"},
    {"abc$", "aabc", "y", "$&", "abc"},
    {"abc$", "abc\n", "n"},  // "$" holds only at the very end
    {"^", "abc", "y", "$&", ""},
    {"$", "abc", "y", "$&", ""},
    {"a.c", "abc", "y", "$&", "abc"},
    {"a.c", "axc", "y", "$&", "axc"},
    {"a.c", "a\nc", "y", "$&", "a\nc"},  // s is on by default
    {"a.*c", "axyzc", "y", "$&", "axyzc"},
    {"a.*c", "axyzd", "n"},
    {"a[bc]d", "abc", "n"},
    {"a[bc]d", "abd", "y", "$&", "abd"},
    {"a[b-d]e", "abd", "n"},
    {"a[b-d]e", "ace", "y", "$&", "ace"},
    {"a[b-d]", "aac", "y", "$&", "ac"},
    {"a[-b]", "a-", "y", "$&", "a-"},
    {"a[b-]", "a-", "y", "$&", "a-"},
    {"a]", "a]", "y", "$&", "a]"},
    {"a[]]b", "a]b", "y", "$&", "a]b"},
    {"a[^bc]d", "aed", "y", "$&", "aed"},
    {"a[^bc]d", "abd", "n"},
    {"a[^-b]c", "adc", "y", "$&", "adc"},
    {"a[^-b]c", "a-c", "n"},
    {"a[^]b]c", "a]c", "n"},
    {"a[^]b]c", "adc", "y", "$&", "adc"},
    {"\\ba\\b", "a-", "y", "-", "-"},
    {"\\ba\\b", "-a", "y", "-", "-"},
    {"\\ba\\b", "-a-", "y", "-", "-"},
    {"\\by\\b", "xy", "n"},
    {"\\By\\b", "xy", "y", "-", "-"},
    {"\\by\\B", "yz", "y", "-", "-"},
    {"\\By\\B", "xyz", "y", "-", "-"},
    {"\\w", "a", "y", "-", "-"},
    {"\\w", "-", "n"},
    {"\\W", "-", "y", "-", "-"},
    {"a\\sb", "a b", "y", "-", "-"},
    {"a\\Sb", "a-b", "y", "-", "-"},
    {"\\d", "1", "y", "-", "-"},
    {"[\\d]", "-", "n"},
    {"[^\\d]", "-", "y", "-", "-"},
    {"ab|cd", "abc", "y", "$&", "ab"},
    {"ab|cd", "abcd", "y", "$&", "ab"},
    {"()ef", "def", "y", "$&-$1", "ef-"},
    {"*a", "-", "c"},
    {"(*)b", "-", "c"},
    {"$b", "b", "n"},
    {"a\\", "-", "c"},
    {"a\\(b", "a(b", "y", "$&-$1", "a(b-"},
    {"a\\(*b", "ab", "y", "$&", "ab"},
    {"a\\(*b", "a((b", "y", "$&", "a((b"},
    {"a\\\\b", "a\\b", "y", "$&", "a\\b"},
    {"abc)", "-", "c"},
    {"(abc", "-", "c"},
    {"((a))", "abc", "y", "$&-$1-$2", "a-a-a"},
    {"(a)b(c)", "abc", "y", "$&-$1-$2", "abc-a-c"},
    {"a+b+c", "aabbabc", "y", "$&", "abc"},
    {"a{1,}b{1,}c", "aabbabc", "y", "$&", "abc"},
    {"a**", "-", "c"},
    {"a.+?c", "abcabc", "y", "$&", "abc"},
    {"(a+|b)*", "ab", "y", "$&-$1", "ab-b"},
    {"(a+|b){0,}", "ab", "y", "$&-$1", "ab-b"},
    {"(a+|b)+", "ab", "y", "$&-$1", "ab-b"},
    {"(a+|b){1,}", "ab", "y", "$&-$1", "ab-b"},
    {"(a+|b)?", "ab", "y", "$&-$1", "a-a"},
    {"(a+|b){0,1}", "ab", "y", "$&-$1", "a-a"},
    {")(", "-", "c"},
    {"[^ab]*", "cde", "y", "$&", "cde"},
    {"abc", "", "n"},
    {"a*", "", "y", "$&", ""},
    {"([abc])*d", "abbbcd", "y", "$&-$1", "abbbcd-c"},
    {"([abc])*bcd", "abcd", "y", "$&-$1", "abcd-a"},
    {"a|b|c|d|e", "e", "y", "$&", "e"},
    {"(a|b|c|d|e)f", "ef", "y", "$&-$1", "ef-e"},
    {"abcd*efg", "abcdefg", "y", "$&", "abcdefg"},
    {"ab*", "xabyabbbz", "y", "$&", "ab"},
    {"ab*", "xayabbbz", "y", "$&", "a"},
    {"(ab|cd)e", "abcde", "y", "$&-$1", "cde-cd"},
    {"[abhgefdc]ij", "hij", "y", "$&", "hij"},
    {"^(ab|cd)e", "abcde", "n"},
    {"(abc|)ef", "abcdef", "y", "$&-$1", "ef-"},
    {"(a|b)c*d", "abcd", "y", "$&-$1", "bcd-b"},
    {"(ab|ab*)bc", "abc", "y", "$&-$1", "abc-a"},
    {"a([bc]*)c*", "abc", "y", "$&-$1", "abc-bc"},
    {"a([bc]*)(c*d)", "abcd", "y", "$&-$1-$2", "abcd-bc-d"},
    {"a([bc]+)(c*d)", "abcd", "y", "$&-$1-$2", "abcd-bc-d"},
    {"a([bc]*)(c+d)", "abcd", "y", "$&-$1-$2", "abcd-b-cd"},
    {"a[bcd]*dcdcde", "adcdcde", "y", "$&", "adcdcde"},
    {"a[bcd]+dcdcde", "adcdcde", "n"},
    {"(ab|a)b*c", "abc", "y", "$&-$1", "abc-ab"},
    {"((a)(b)c)(d)", "abcd", "y", "$1-$2-$3-$4", "abc-a-b-d"},
    {"[a-zA-Z_][a-zA-Z0-9_]*", "alpha", "y", "$&", "alpha"},
    {"^a(bc+|b[eh])g|.h$", "abh", "y", "$&-$1", "bh-"},
    {"(bc+d$|ef*g.|h?i(j|k))", "effgz", "y", "$&-$1-$2", "effgz-effgz-"},
    {"(bc+d$|ef*g.|h?i(j|k))", "ij", "y", "$&-$1-$2", "ij-ij-j"},
    {"(bc+d$|ef*g.|h?i(j|k))", "effg", "n"},
    {"(bc+d$|ef*g.|h?i(j|k))", "bcdd", "n"},
    {"(bc+d$|ef*g.|h?i(j|k))", "reffgz", "y", "$&-$1-$2", "effgz-effgz-"},
    {"((((((((((a))))))))))", "a", "y", "$10", "a"},
    {"((((((((((a))))))))))\\1", "aa", "y", "$&", "aa"},
    {"(((((((((a)))))))))", "a", "y", "$&", "a"},
    {"multiple words of text", "uh-uh", "n"},
    {"multiple words", "multiple words, yeah", "y", "$&", "multiple words"},
    {"(.*)c(.*)", "abcde", "y", "$&-$1-$2", "abcde-ab-de"},
    {"\\((.*), (.*)\\)", "(a, b)", "y", "($2, $1)", "(b, a)"},
    {"[k]", "ab", "n"},
    {"abcd", "abcd", "y", "$&-\\$&-\\\\$&", "abcd-$&-\\abcd"},
    {"a(bc)d", "abcd", "y", "$1-\\$1-\\\\$1", "bc-$1-\\bc"},
    {"a[-]?c", "ac", "y", "$&", "ac"},
    {"(abc)\\1", "abcabc", "y", "$1", "abc"},
    {"([a-c]*)\\1", "abcabc", "y", "$1", "abc"},
    {"(a)|\\1", "a", "y", "-$1-", "-a-"},
    {"(a)|\\1", "x", "n"},
    {"(([a-c])b*?\\2)*", "ababbbcbc", "y", "$&-$1-$2", "ababb-bb-b"},
    {"(([a-c])b*?\\2){3}", "ababbbcbc", "y", "$&-$1-$2", "ababbbcbc-cbc-c"},
    {"((\\3|b)\\2(a)x)+", "aaxabxbaxbbx", "n"},
    {"((\\3|b)\\2(a)x)+", "aaaxabaxbaaxbbax", "y", "$&-$1-$2-$3", "bbax-bbax-b-a"},
    {"((\\3|b)\\2(a)){2,}", "bbaababbabaaaaabbaaaabba", "y", "$&-$1-$2-$3", "bbaaaabba-bba-b-a"},
    {"(a)|(b)", "b", "y", "-$1-$2-", "--b-"},
    {"^(a\\1?){4}$", "aaaaaaaaa", "n"},
    {"^(a\\1?){4}$", "aaaaaaaaaa", "y", "$1", "aaaa"},
    {"^(a\\1?){4}$", "aaaaaaaaaaa", "n"},
    {"^(a(?#xxx){3}|b)c", "aaac", "c"},  // a comment is an atom of its own
    {"^(a{3}|b)c", "aaac", "y", "$1", "aaa"},
    {"^(a\\1?)(a\\1?)(a\\2?)(a\\3?)$", "aaaaaa", "y", "$1,$2,$3,$4", "a,aa,a,aa"},
    {"^(?:b|a)*", "-", "c"},
    {"(a|ab)(c|bcd)(d*)", "abcd", "y", "$1-$2-$3", "a-bcd-"},
    {"(ab|a)(bcd|c)(d*)", "abcd", "y", "$1-$2-$3", "ab-c-d"},
    {"^(a(b)?)+$", "aba", "y", "-$1-$2-", "-a-b-"},
    {"^(aa(bb)?)+$", "aabbaa", "y", "-$1-$2-", "-aa-bb-"},
    {"^.+?(\\d+)$", "abc123", "y", "$1", "123"},
    {"^.+(\\d+)$", "abc123", "y", "$1", "3"},
    {"^(b+?|a){1,2}?c", "bbc", "y", "$&-$1", "bbc-b"},
    {"^(b+?|a){1,2}?c", "bbbc", "y", "$&-$1", "bbbc-bb"},
    {"^(b+?|a){1,2}?c", "bac", "y", "$&-$1", "bac-a"},
    {"^(b+?|a){1,2}?c", "bbbbac", "y", "$&-$1", "bbbbac-a"},
    {"(\\w+:)+", "one:", "y", "$1", "one:"},
    {"([\\w:]+::)?(\\w+)$", "abcd", "y", "$1-$2", "-abcd"},
    {"([\\w:]+::)?(\\w+)$", "xy:z:::abcd", "y", "$1-$2", "xy:z:::-abcd"},
    {"^[^bcd]*(c+)", "aexycd", "y", "$1", "c"},
    {"(a*)*", "-", "c"},
    {"(a*)+", "-", "c"},
    {"(a|)*", "-", "c"},
    {"(a*|b)*", "-", "c"},
    {"(a+|b)*c", "aabc", "y", "$&-$1", "aabc-b"},
    {"(?i)abc", "ABC", "y", "$&", "ABC"},
    {"(?i)a[b-d]e", "ACE", "y", "$&", "ACE"},
    {"(?i)a[^bc]d", "ABD", "n"},
    {"(?i)(abc)\\1", "ABCabc", "y", "$1", "ABC"},
    {"a(?i)b", "aB", "y", "$&", "aB"},
    {"a(?i)b", "AB", "n"},
    {"(a(?i)b)c", "aBc", "y", "$1", "aB"},
    {"(a(?i)b)c", "aBC", "n"},
    {"(?i-g)a+", "AAA", "y", "$&", "A"},
    {"(?m)^b", "a\nb\n", "y", "$&", "b"},
    {"(?m)^a$", "\na\n", "y", "$&", "a"},
    {"(?-s).", "\n", "n"},
    {"(?x)a b c", "abc", "y", "$&", "abc"},
    {"(?x)a b c # c", "abc", "y", "$&", "abc"},
    {"(?x)a\\ b", "a b", "y", "$&", "a b"},
    {"(?x)[ ]", " ", "y", "-", "-"},
    {"a(?x)b c(?-x)d e", "abcd e", "y", "$&", "abcd e"},
    {"\\x41\\x{42}", "AB", "y", "$&", "AB"},
    {"[\\x41-\\x43]+", "ABCD", "y", "$&", "ABC"},
    {"a(?=b)", "ab", "c"},
    {"a(?!b)", "ac", "c"},
    {"(?<=a)b", "ab", "c"},
    {"a\\Z", "a\n", "n"},
    {"a\\Z", "ba", "y", "$&", "a"},
    {"\\Aa", "ba", "n"},
    {"a{1,2}{3}", "-", "c"},
    {"a{,}", "a{,}", "y", "$&", "a{,}"},
    {"a{2", "a{2", "y", "$&", "a{2"},
    {"x{2,3}?y", "xxxy", "y", "$&", "xxxy"},
    {"x{2,3}?", "xxx", "y", "$&", "xx"},
};

TEST(RegKifPerlCases, Table) {
  for (const PerlCase& c : kCases) {
    TRegKif re;
    re.SetExpression(c.pattern);
    const std::string expect = c.expect;
    try {
      const bool found = re.Exec(c.subject);
      if (expect == "c") {
        ADD_FAILURE() << "no compile error for '" << c.pattern << "'";
      } else if (expect == "n") {
        EXPECT_FALSE(found) << c.pattern << " on '" << c.subject << "'";
      } else {
        ASSERT_TRUE(found) << c.pattern << " on '" << c.subject << "'";
        EXPECT_EQ(re.ExpandTemplate(c.tmpl), c.result) << c.pattern << " on '" << c.subject << "'";
      }
    } catch (const ERegKif& e) {
      EXPECT_EQ(expect, "c") << c.pattern << ": " << e.what();
      EXPECT_LT(e.ErrorCode(), 1000) << c.pattern;
    }
  }
}

}  // namespace
