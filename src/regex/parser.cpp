// SPDX-License-Identifier: GPL-3.0-or-later
// RegKifHU parser: pattern text -> syntax tree, or the leftmost error.

#include <algorithm>

#include "platform/win1250.h"
#include "regex/regkif.h"
#include "regex/syntax.h"

namespace regkif {
namespace {

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The byte of a control-character escape (\t \n \r \f \a \e), or -1.
int ControlByte(char e) {
  switch (e) {
    case 't':
      return 0x09;
    case 'n':
      return 0x0A;
    case 'r':
      return 0x0D;
    case 'f':
      return 0x0C;
    case 'a':
      return 0x07;
    case 'e':
      return 0x1B;
    default:
      return -1;
  }
}

// One class member read by ReadClassItem: a byte or a whole set (\d, \s, \w).
struct ClassItem {
  bool is_set = false;
  uint8_t byte = 0;
  ByteSet set{};
};

// Parses left to right and stops at the first error it meets, as Perl does,
// so when a pattern holds several errors the leftmost one is reported.
class Parser {
 public:
  Parser(std::string_view pattern, unsigned mods, const Context& ctx)
      : p_(pattern), n_(pattern.size()), mods_(mods), ctx_(ctx) {
    for (char ch : ctx.blank_chars) blank_[static_cast<uint8_t>(ch)] = 1;
    for (char ch : ctx.word_letters) word_[static_cast<uint8_t>(ch)] = 1;
    for (char ch : ctx.line_separators) sep_[static_cast<uint8_t>(ch)] = 1;
    for (int ch = '0'; ch <= '9'; ++ch) digit_[ch] = 1;
  }

  Tree Run();

 private:
  [[noreturn]] void Fail(int code) { throw ERegKif(code, static_cast<int>(i_)); }
  int Add(Node node) {
    nodes_.push_back(std::move(node));
    return static_cast<int>(nodes_.size()) - 1;
  }
  int AddSet(const ByteSet& set) {
    sets_.push_back(set);
    return static_cast<int>(sets_.size()) - 1;
  }
  int SetNode(const ByteSet& set, bool nopair = false) {
    Node node;
    node.kind = Node::kSet;
    node.set = AddSet(set);
    node.nopair = nopair;
    return Add(std::move(node));
  }
  int CharNode(uint8_t c, bool icase) {
    Node node;
    node.kind = Node::kChar;
    node.c = c;
    node.icase = icase && win1250::FlipCase(c) != c;
    return Add(std::move(node));
  }
  int AssertNode(Op op) {
    Node node;
    node.kind = Node::kAssert;
    node.assert_op = op;
    return Add(std::move(node));
  }

  void SkipBlanks(unsigned mods);
  int ParseAlt(unsigned& mods);
  int ParseBranch(unsigned& mods);
  int ParseAtom(unsigned& mods);
  int ParseEscape(unsigned mods);
  int ParseClass(unsigned mods);
  ClassItem ReadClassItem();
  uint8_t ParseHex();
  bool BraceAt(size_t at, int& min, int& max, size_t& end);
  bool QuantifierAt(size_t at);

  std::string_view p_;
  size_t n_;
  size_t i_ = 0;
  unsigned mods_;
  const Context& ctx_;
  int groups_ = 0;
  ByteSet blank_{}, word_{}, sep_{}, digit_{};
  std::vector<Node> nodes_;
  std::vector<ByteSet> sets_;
};

void Parser::SkipBlanks(unsigned mods) {
  if (!(mods & kModX)) return;
  while (i_ < n_) {
    const char c = p_[i_];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i_;
    } else if (c == '#') {
      while (i_ < n_ && p_[i_] != '\n' && p_[i_] != '\r') ++i_;
    } else {
      break;
    }
  }
}

int Parser::ParseAlt(unsigned& mods) {
  std::vector<int> branches;
  branches.push_back(ParseBranch(mods));
  while (i_ < n_ && p_[i_] == '|') {
    ++i_;
    // A modifier switch also holds for the later alternatives of its group.
    branches.push_back(ParseBranch(mods));
  }
  if (branches.size() == 1) return branches[0];
  Node node;
  node.kind = Node::kAlt;
  node.kids = std::move(branches);
  return Add(std::move(node));
}

// A brace quantifier at `at` ('{'): digits, then '}' or ',' [digits] '}'.
bool Parser::BraceAt(size_t at, int& min, int& max, size_t& end) {
  size_t k = at + 1;
  const size_t d1 = k;
  while (k < n_ && IsDigit(p_[k])) ++k;
  const size_t len1 = k - d1;
  if (len1 == 0 || k >= n_) return false;
  size_t len2 = 0, d2 = 0;
  bool open_ended = false, has_max = false;
  if (p_[k] == ',') {
    ++k;
    d2 = k;
    while (k < n_ && IsDigit(p_[k])) ++k;
    len2 = k - d2;
    if (k >= n_ || p_[k] != '}') return false;
    open_ended = len2 == 0;
    has_max = len2 > 0;
  } else if (p_[k] != '}') {
    return false;
  }
  end = k + 1;
  if (len1 > 8 || len2 > 8) {
    i_ = end;
    Fail(ERegKif::kBraceCountTooBig);
  }
  auto number = [&](size_t from, size_t len) {
    int v = 0;
    for (size_t j = 0; j < len; ++j) v = v * 10 + (p_[from + j] - '0');
    return v;
  };
  min = number(d1, len1);
  max = open_ended ? kInfinite : has_max ? number(d2, len2) : min;
  if (min > max) {
    i_ = end;
    Fail(ERegKif::kBraceMinAboveMax);
  }
  return true;
}

bool Parser::QuantifierAt(size_t at) {
  if (at >= n_) return false;
  const char c = p_[at];
  if (c == '*' || c == '+' || c == '?') return true;
  if (c != '{') return false;
  // Only the shape counts here; bad counts are reported by BraceAt.
  size_t k = at + 1;
  const size_t d1 = k;
  while (k < n_ && IsDigit(p_[k])) ++k;
  if (k == d1 || k >= n_) return false;
  if (p_[k] == '}') return true;
  if (p_[k] != ',') return false;
  ++k;
  while (k < n_ && IsDigit(p_[k])) ++k;
  return k < n_ && p_[k] == '}';
}

int Parser::ParseBranch(unsigned& mods) {
  std::vector<int> pieces;
  for (;;) {
    SkipBlanks(mods);
    if (i_ >= n_ || p_[i_] == '|' || p_[i_] == ')') break;
    const char c = p_[i_];
    if (c == '*' || c == '+' || c == '?') {
      ++i_;
      Fail(ERegKif::kQuantifierFollowsNothing);
    }
    int atom = ParseAtom(mods);
    // Like Perl under x, blanks and comments may stand between an atom and
    // its quantifier, and between a quantifier and its lazy '?'.
    SkipBlanks(mods);
    if (QuantifierAt(i_)) {
      int min = 0, max = 0;
      bool brace = false;
      const char q = p_[i_];
      if (q == '{') {
        size_t end = 0;
        BraceAt(i_, min, max, end);
        i_ = end;
        brace = true;
      } else {
        ++i_;
        min = q == '+' ? 1 : 0;
        max = q == '?' ? 1 : kInfinite;
      }
      if (q != '?' && Nullable(nodes_, atom, false)) Fail(ERegKif::kEmptyOperand);
      SkipBlanks(mods);
      bool lazy = false;
      if (i_ < n_ && p_[i_] == '?') {
        ++i_;
        lazy = true;
      }
      SkipBlanks(mods);
      if (QuantifierAt(i_)) {
        ++i_;
        Fail(ERegKif::kNestedQuantifier);
      }
      Node rep;
      rep.kind = Node::kRepeat;
      rep.min = min;
      rep.max = max;
      rep.greedy = !lazy && (mods & kModG);
      rep.brace = brace;
      rep.kids.push_back(atom);
      atom = Add(std::move(rep));
    }
    pieces.push_back(atom);
  }
  if (pieces.size() == 1) return pieces[0];
  Node node;
  node.kind = pieces.empty() ? Node::kEmpty : Node::kConcat;
  node.kids = std::move(pieces);
  return Add(std::move(node));
}

int Parser::ParseAtom(unsigned& mods) {
  const char c = p_[i_++];
  switch (c) {
    case '(': {
      if (i_ < n_ && p_[i_] == '?') {
        ++i_;
        if (i_ < n_ && p_[i_] == '#') {
          const size_t close = p_.find(')', i_);
          if (close == std::string_view::npos) {
            i_ = n_;
            Fail(ERegKif::kUnclosedComment);
          }
          i_ = close + 1;
          return Add(Node{});
        }
        unsigned next = mods;
        bool on = true;
        for (;;) {
          if (i_ >= n_) Fail(ERegKif::kUnrecognisedModifier);
          const char m = p_[i_++];
          if (m == ')') break;
          if (m == '-') {
            on = false;
            continue;
          }
          const unsigned bit = ModifierBit(m);
          if (!bit) Fail(ERegKif::kUnrecognisedModifier);
          next = on ? (next | bit) : (next & ~bit);
        }
        mods = next;
        return Add(Node{});
      }
      if (++groups_ > kMaxGroups) Fail(ERegKif::kTooManyGroups);
      Node group;
      group.kind = Node::kGroup;
      group.group = groups_;
      // Switches inside the group end at its closing parenthesis.
      unsigned inner = mods;
      group.kids.push_back(ParseAlt(inner));
      if (i_ >= n_) Fail(ERegKif::kUnmatchedOpen);
      ++i_;  // ')'
      return Add(std::move(group));
    }
    case '^':
      return AssertNode(mods & kModM ? kBolM : kBol);
    case '$':
      return AssertNode(mods & kModM ? kEolM : kEol);
    case '.': {
      ByteSet set;
      set.fill(1);
      bool nopair = false;
      if (!(mods & kModS)) {
        for (int b = 0; b < 256; ++b) {
          if (sep_[b]) set[b] = 0;
        }
        nopair = ctx_.line_paired.size() == 2 && set[static_cast<uint8_t>(ctx_.line_paired[0])];
      }
      return SetNode(set, nopair);
    }
    case '[':
      return ParseClass(mods);
    case '\\':
      return ParseEscape(mods);
    default:
      return CharNode(static_cast<uint8_t>(c), mods & kModI);
  }
}

uint8_t Parser::ParseHex() {
  if (i_ >= n_) Fail(ERegKif::kNoHexCode);
  if (p_[i_] == '{') {
    ++i_;
    const size_t close = p_.find('}', i_);
    if (close == std::string_view::npos) {
      i_ = n_;
      Fail(ERegKif::kNoHexCode);
    }
    unsigned value = 0;
    bool big = false;
    for (size_t j = i_; j < close; ++j) {
      if (!IsHex(p_[j])) {
        i_ = j + 1;
        Fail(ERegKif::kBadHexDigit);
      }
      value = value * 16 + HexValue(p_[j]);
      if (value > 0xFF) {
        big = true;
        value = 0x100;  // keeps the sum from overflowing
      }
    }
    i_ = close + 1;
    if (big) Fail(ERegKif::kHexTooBig);
    // "\x{}" holds no digits; like Perl, it is byte 0.
    return static_cast<uint8_t>(value);
  }
  const char h1 = p_[i_++];
  if (!IsHex(h1)) Fail(ERegKif::kBadHexDigit);
  if (i_ >= n_) Fail(ERegKif::kNoHexCode);
  const char h2 = p_[i_++];
  if (!IsHex(h2)) Fail(ERegKif::kBadHexDigit);
  return static_cast<uint8_t>(HexValue(h1) * 16 + HexValue(h2));
}

int Parser::ParseEscape(unsigned mods) {
  if (i_ >= n_) Fail(ERegKif::kTrailingBackslash);
  const char e = p_[i_++];
  if (const int control = ControlByte(e); control >= 0) return CharNode(control, false);
  auto inverse = [](const ByteSet& set) {
    ByteSet out;
    for (int b = 0; b < 256; ++b) out[b] = !set[b];
    return out;
  };
  switch (e) {
    case 'd':
      return SetNode(digit_);
    case 'D':
      return SetNode(inverse(digit_));
    case 'w':
      return SetNode(word_);
    case 'W':
      return SetNode(inverse(word_));
    case 's':
      return SetNode(blank_);
    case 'S':
      return SetNode(inverse(blank_));
    case 'b':
      return AssertNode(kWordB);
    case 'B':
      return AssertNode(kNotWordB);
    case 'A':
      return AssertNode(kBol);
    case 'Z':
      return AssertNode(kEol);
    case 'x':
      return CharNode(ParseHex(), mods & kModI);
    default:
      if (e >= '1' && e <= '9') {
        Node node;
        node.kind = Node::kBackRef;
        node.group = e - '0';
        node.icase = mods & kModI;
        return Add(std::move(node));
      }
      return CharNode(static_cast<uint8_t>(e), mods & kModI);
  }
}

ClassItem Parser::ReadClassItem() {
  ClassItem item;
  const char c = p_[i_++];
  if (c != '\\') {
    item.byte = static_cast<uint8_t>(c);
    return item;
  }
  if (i_ >= n_) Fail(ERegKif::kTrailingBackslashInClass);
  const char e = p_[i_++];
  if (const int control = ControlByte(e); control >= 0) {
    item.byte = static_cast<uint8_t>(control);
    return item;
  }
  switch (e) {
    case 'd':
      item.is_set = true;
      item.set = digit_;
      break;
    case 's':
      item.is_set = true;
      item.set = blank_;
      break;
    case 'w':
      item.is_set = true;
      item.set = word_;
      break;
    case 'x':
      item.byte = ParseHex();
      break;
    default:
      item.byte = static_cast<uint8_t>(e);
      break;  // '[\W]' holds the letter W
  }
  return item;
}

int Parser::ParseClass(unsigned mods) {
  bool negate = false;
  if (i_ < n_ && p_[i_] == '^') {
    negate = true;
    ++i_;
  }
  ByteSet set{};
  bool first = true;
  for (;;) {
    if (i_ >= n_) Fail(ERegKif::kUnmatchedBracket);
    if (p_[i_] == ']' && !first) {
      ++i_;
      break;
    }
    first = false;
    const ClassItem item = ReadClassItem();
    if (item.is_set) {
      // A '-' after \d, \s, \w is a literal; the next round reads it.
      for (int b = 0; b < 256; ++b) set[b] |= item.set[b];
      continue;
    }
    const uint8_t lo = item.byte;
    const bool dash = i_ + 1 < n_ && p_[i_] == '-' && p_[i_ + 1] != ']';
    if (!dash) {
      set[lo] = 1;
      continue;
    }
    if (p_[i_ + 1] == '\\' && i_ + 2 < n_ &&
        std::string_view("dDsSwW").find(p_[i_ + 2]) != std::string_view::npos) {
      set[lo] = 1;
      set['-'] = 1;
      ++i_;
      continue;
    }
    ++i_;  // '-'
    const ClassItem end = ReadClassItem();
    const uint8_t hi = end.byte;
    const bool widen = mods & kModR;
    if (hi < lo) {
      if (!(widen && lo == 0xE0 && hi == 0xDF)) Fail(ERegKif::kInvalidRange);
      for (int b = 0xC0; b <= 0xFF; ++b) set[b] = 1;
      set[0xA8] = set[0xB8] = 1;
    } else {
      for (int b = lo; b <= hi; ++b) set[b] = 1;
      if (widen && lo == 0xE0 && hi == 0xFF) set[0xB8] = 1;
      if (widen && lo == 0xC0 && hi == 0xDF) set[0xA8] = 1;
    }
    // The member after a range: a '-' there is a literal, read next round.
  }
  if (mods & kModI) {
    ByteSet flipped = set;
    for (int b = 0; b < 256; ++b) {
      if (set[b]) flipped[win1250::FlipCase(static_cast<uint8_t>(b))] = 1;
    }
    set = flipped;
  }
  if (negate) {
    for (auto& b : set) b = !b;
  }
  return SetNode(set);
}

Tree Parser::Run() {
  unsigned mods = mods_;
  const int root = ParseAlt(mods);
  if (i_ < n_) {
    ++i_;  // a ')' with no group open
    Fail(ERegKif::kUnmatchedClose);
  }
  return {std::move(nodes_), std::move(sets_), root};
}

}  // namespace

Tree Parse(std::string_view pattern, unsigned modifiers, const Context& ctx) {
  return Parser(pattern, modifiers, ctx).Run();
}

bool Nullable(const std::vector<Node>& nodes, int id, bool backref_empty) {
  const Node& node = nodes[id];
  switch (node.kind) {
    case Node::kEmpty:
    case Node::kAssert:
      return true;
    case Node::kChar:
    case Node::kSet:
      return false;
    case Node::kBackRef:
      return backref_empty;
    case Node::kGroup:
      return Nullable(nodes, node.kids[0], backref_empty);
    case Node::kRepeat:
      return node.min == 0 || Nullable(nodes, node.kids[0], backref_empty);
    case Node::kConcat:
      return std::all_of(node.kids.begin(), node.kids.end(),
                         [&](int k) { return Nullable(nodes, k, backref_empty); });
    case Node::kAlt:
      return std::any_of(node.kids.begin(), node.kids.end(),
                         [&](int k) { return Nullable(nodes, k, backref_empty); });
  }
  return true;
}

}  // namespace regkif
