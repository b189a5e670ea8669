// RegKifHU compiler: pattern text -> syntax tree -> flat program + search hints.

#include <algorithm>
#include <memory>

#include "platform/win1250.h"
#include "regex/program.h"
#include "regex/regkif.h"

namespace regkif {
namespace {

struct Node {
  enum Kind { kEmpty, kChar, kSet, kAssert, kBackRef, kGroup, kConcat, kAlt, kRepeat };
  Kind kind = kEmpty;
  uint8_t c = 0;         // kChar
  bool icase = false;    // kChar, kBackRef
  int set = -1;          // kSet
  bool nopair = false;   // kSet: "." without s, paired head outside the separators
  Op assert_op = kBol;   // kAssert
  int group = 0;         // kGroup, kBackRef
  int min = 0, max = 0;  // kRepeat
  bool greedy = true;    // kRepeat
  bool brace = false;    // kRepeat written with braces
  std::vector<int> kids;
};

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

unsigned ModifierBit(char c) {
  switch (c) {
    case 'i':
    case 'I':
      return kModI;
    case 'r':
    case 'R':
      return kModR;
    case 's':
    case 'S':
      return kModS;
    case 'g':
    case 'G':
      return kModG;
    case 'm':
    case 'M':
      return kModM;
    case 'x':
    case 'X':
      return kModX;
    default:
      return 0;
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
class Compiler {
 public:
  Compiler(std::string_view pattern, unsigned mods, const Context& ctx)
      : p_(pattern), n_(pattern.size()), mods_(mods), ctx_(ctx) {
    for (char ch : ctx.blank_chars) blank_[static_cast<uint8_t>(ch)] = 1;
    for (char ch : ctx.word_letters) word_[static_cast<uint8_t>(ch)] = 1;
    for (char ch : ctx.line_separators) sep_[static_cast<uint8_t>(ch)] = 1;
    for (int ch = '0'; ch <= '9'; ++ch) digit_[ch] = 1;
  }

  Program Run();

 private:
  [[noreturn]] void Fail(int code) { throw ERegKif(code, static_cast<int>(i_)); }
  int Add(Node node) {
    nodes_.push_back(std::move(node));
    return static_cast<int>(nodes_.size()) - 1;
  }
  int AddSet(const ByteSet& set) {
    prog_.sets.push_back(set);
    return static_cast<int>(prog_.sets.size()) - 1;
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

  // Parsing.
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

  // Analysis.
  bool Nullable(int id, bool backref_empty) const;
  bool First(int id, ByteSet& set, bool& unknown) const;
  bool Prefix(int id, std::string& out) const;
  void Required(int id, std::string& run, std::string& best) const;
  void Width(int id, int64_t& lo, int64_t& hi) const;
  bool AnchorByte(int id, int64_t& lo, int64_t& hi, int& byte) const;

  // Emission.
  int Pc() const { return static_cast<int>(prog_.code.size()); }
  int Emit(Inst inst) {
    prog_.code.push_back(inst);
    return Pc() - 1;
  }
  int SetOf(int id);
  void Gen(int id, int loop_depth);
  void GenRepeat(const Node& node, int loop_depth);
  bool Unroll(const Node& node, int loop_depth);
  bool HasCountedRepeat(int id) const;

  std::string_view p_;
  size_t n_;
  size_t i_ = 0;
  unsigned mods_;
  const Context& ctx_;
  int groups_ = 0;
  bool loop_limit_ = false;
  ByteSet blank_{}, word_{}, sep_{}, digit_{};
  std::vector<Node> nodes_;
  Program prog_;
};

void Compiler::SkipBlanks(unsigned mods) {
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

int Compiler::ParseAlt(unsigned& mods) {
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
bool Compiler::BraceAt(size_t at, int& min, int& max, size_t& end) {
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

bool Compiler::QuantifierAt(size_t at) {
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

int Compiler::ParseBranch(unsigned& mods) {
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
      if (q != '?' && Nullable(atom, false)) Fail(ERegKif::kEmptyOperand);
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

int Compiler::ParseAtom(unsigned& mods) {
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

uint8_t Compiler::ParseHex() {
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

int Compiler::ParseEscape(unsigned mods) {
  if (i_ >= n_) Fail(ERegKif::kTrailingBackslash);
  const char e = p_[i_++];
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
    case 't':
      return CharNode(0x09, false);
    case 'n':
      return CharNode(0x0A, false);
    case 'r':
      return CharNode(0x0D, false);
    case 'f':
      return CharNode(0x0C, false);
    case 'a':
      return CharNode(0x07, false);
    case 'e':
      return CharNode(0x1B, false);
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

ClassItem Compiler::ReadClassItem() {
  ClassItem item;
  const char c = p_[i_++];
  if (c != '\\') {
    item.byte = static_cast<uint8_t>(c);
    return item;
  }
  if (i_ >= n_) Fail(ERegKif::kTrailingBackslashInClass);
  const char e = p_[i_++];
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
    case 't':
      item.byte = 0x09;
      break;
    case 'n':
      item.byte = 0x0A;
      break;
    case 'r':
      item.byte = 0x0D;
      break;
    case 'f':
      item.byte = 0x0C;
      break;
    case 'a':
      item.byte = 0x07;
      break;
    case 'e':
      item.byte = 0x1B;
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

int Compiler::ParseClass(unsigned mods) {
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

// Can the node match the empty string? The quantifier rules count a
// back-reference as non-empty; at run time it may repeat an empty capture,
// which `backref_empty` takes into account.
bool Compiler::Nullable(int id, bool backref_empty) const {
  const Node& node = nodes_[id];
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
      return Nullable(node.kids[0], backref_empty);
    case Node::kRepeat:
      return node.min == 0 || Nullable(node.kids[0], backref_empty);
    case Node::kConcat:
      return std::all_of(node.kids.begin(), node.kids.end(),
                         [&](int k) { return Nullable(k, backref_empty); });
    case Node::kAlt:
      return std::any_of(node.kids.begin(), node.kids.end(),
                         [&](int k) { return Nullable(k, backref_empty); });
  }
  return true;
}

// Adds the bytes a match of the node can start with; returns whether it can
// match without consuming a byte. `unknown` is set where that cannot be told.
bool Compiler::First(int id, ByteSet& set, bool& unknown) const {
  const Node& node = nodes_[id];
  switch (node.kind) {
    case Node::kEmpty:
    case Node::kAssert:
      return true;
    case Node::kChar:
      set[node.c] = 1;
      if (node.icase) set[win1250::FlipCase(node.c)] = 1;
      return false;
    case Node::kSet:
      for (int b = 0; b < 256; ++b) set[b] |= prog_.sets[node.set][b];
      return false;
    case Node::kBackRef:
      unknown = true;
      return true;
    case Node::kGroup:
      return First(node.kids[0], set, unknown);
    case Node::kRepeat: {
      if (node.max == 0) return true;
      const bool nullable = First(node.kids[0], set, unknown);
      return nullable || node.min == 0;
    }
    case Node::kConcat:
      for (int k : node.kids) {
        if (!First(k, set, unknown)) return false;
      }
      return true;
    case Node::kAlt: {
      bool nullable = false;
      for (int k : node.kids) nullable |= First(k, set, unknown);
      return nullable;
    }
  }
  unknown = true;
  return true;
}

// Appends the case-sensitive literal every match of the node starts with;
// returns whether the whole node is that literal (so more may follow).
bool Compiler::Prefix(int id, std::string& out) const {
  const Node& node = nodes_[id];
  switch (node.kind) {
    case Node::kEmpty:
      return true;
    case Node::kAssert:
      return true;  // zero-width: the next byte is still the match's first
    case Node::kChar:
      if (node.icase) return false;
      out += static_cast<char>(node.c);
      return true;
    case Node::kGroup:
      return Prefix(node.kids[0], out);
    case Node::kConcat:
      for (int k : node.kids) {
        if (!Prefix(k, out)) return false;
      }
      return true;
    default:
      return false;
  }
}

// Collects runs of bytes that every match contains, keeping the longest.
void Compiler::Required(int id, std::string& run, std::string& best) const {
  const Node& node = nodes_[id];
  auto cut = [&] {
    if (run.size() > best.size()) best = run;
    run.clear();
  };
  switch (node.kind) {
    case Node::kEmpty:
      return;
    case Node::kChar:
      if (node.icase) {
        cut();
      } else {
        run += static_cast<char>(node.c);
      }
      return;
    case Node::kGroup:
      Required(node.kids[0], run, best);
      return;
    case Node::kConcat:
      for (int k : node.kids) Required(k, run, best);
      return;
    case Node::kRepeat:
      cut();
      if (node.min >= 1) {
        Required(node.kids[0], run, best);
        cut();
      }
      return;
    default:
      cut();
      return;
  }
}

// The shortest and longest text the node can match (`hi` capped at kWide).
constexpr int64_t kWide = int64_t{1} << 40;
void Compiler::Width(int id, int64_t& lo, int64_t& hi) const {
  const Node& node = nodes_[id];
  switch (node.kind) {
    case Node::kEmpty:
    case Node::kAssert:
      lo = hi = 0;
      return;
    case Node::kChar:
    case Node::kSet:
      lo = hi = 1;
      return;
    case Node::kBackRef:
      lo = 0;
      hi = kWide;
      return;
    case Node::kGroup:
      Width(node.kids[0], lo, hi);
      return;
    case Node::kConcat:
      lo = hi = 0;
      for (int k : node.kids) {
        int64_t l = 0, h = 0;
        Width(k, l, h);
        lo = std::min(lo + l, kWide);
        hi = std::min(hi + h, kWide);
      }
      return;
    case Node::kAlt:
      lo = kWide;
      hi = 0;
      for (int k : node.kids) {
        int64_t l = 0, h = 0;
        Width(k, l, h);
        lo = std::min(lo, l);
        hi = std::max(hi, h);
      }
      return;
    case Node::kRepeat: {
      int64_t l = 0, h = 0;
      Width(node.kids[0], l, h);
      lo = std::min(l * node.min, kWide);
      hi = node.max == kInfinite || h >= kWide ? kWide : std::min(h * node.max, kWide);
      return;
    }
  }
}

// Finds a literal byte every match holds within a bounded offset range from
// its start: the first one of the pattern's leading sequence.
bool Compiler::AnchorByte(int id, int64_t& lo, int64_t& hi, int& byte) const {
  const Node& node = nodes_[id];
  if (node.kind == Node::kChar && !node.icase) {
    byte = node.c;
    return false;
  }
  if (node.kind == Node::kGroup) return AnchorByte(node.kids[0], lo, hi, byte);
  if (node.kind == Node::kConcat) {
    for (int k : node.kids) {
      if (!AnchorByte(k, lo, hi, byte)) return false;
    }
    return true;
  }
  int64_t l = 0, h = 0;
  Width(id, l, h);
  lo += l;
  hi += h;
  return hi < kWide;
}

int Compiler::SetOf(int id) {
  const Node& node = nodes_[id];
  if (node.kind == Node::kSet) return node.set;
  ByteSet set{};
  set[node.c] = 1;
  if (node.icase) set[win1250::FlipCase(node.c)] = 1;
  return AddSet(set);
}

void Compiler::Gen(int id, int loop_depth) {
  const Node& node = nodes_[id];
  switch (node.kind) {
    case Node::kEmpty:
      return;
    case Node::kChar: {
      if (node.icase) {
        Emit({kSet, 0, -1, SetOf(id)});
      } else {
        Emit({kChar, 0, -1, node.c});
      }
      return;
    }
    case Node::kSet:
      Emit({node.nopair ? kSetNoPair : kSet, 0, -1, node.set});
      return;
    case Node::kAssert:
      Emit({node.assert_op});
      return;
    case Node::kBackRef:
      Emit({node.icase ? kBackRefI : kBackRef, 0, -1, node.group});
      return;
    case Node::kGroup:
      Emit({kOpen, 0, -1, node.group});
      Gen(node.kids[0], loop_depth);
      Emit({kClose, 0, -1, node.group});
      return;
    case Node::kConcat: {
      const auto& kids = node.kids;
      for (size_t k = 0; k < kids.size();) {
        // Runs of literal characters become one string test.
        size_t e = k;
        bool icase = false;
        while (e < kids.size() && nodes_[kids[e]].kind == Node::kChar) {
          icase |= nodes_[kids[e]].icase;
          ++e;
        }
        if (e - k >= 2) {
          const int offset = static_cast<int>(prog_.pool.size());
          for (size_t j = k; j < e; ++j) prog_.pool += static_cast<char>(nodes_[kids[j]].c);
          if (icase) {
            for (size_t j = k; j < e; ++j) {
              const Node& ch = nodes_[kids[j]];
              prog_.pool += static_cast<char>(ch.icase ? win1250::FlipCase(ch.c) : ch.c);
            }
          }
          Emit({icase ? kStringI : kString, 0, -1, offset, static_cast<int>(e - k)});
          k = e;
          continue;
        }
        Gen(kids[k], loop_depth);
        ++k;
      }
      return;
    }
    case Node::kAlt: {
      std::vector<int> jumps;
      for (size_t k = 0; k < node.kids.size(); ++k) {
        if (k + 1 < node.kids.size()) {
          const int split = Emit({kSplit});
          prog_.code[split].a = Pc();
          Gen(node.kids[k], loop_depth);
          jumps.push_back(Emit({kJmp}));
          prog_.code[split].b = Pc();
        } else {
          Gen(node.kids[k], loop_depth);
        }
      }
      for (int j : jumps) prog_.code[j].a = Pc();
      return;
    }
    case Node::kRepeat:
      GenRepeat(node, loop_depth);
      return;
  }
}

void Compiler::GenRepeat(const Node& node, int loop_depth) {
  const int body = node.kids[0];
  const Node& kid = nodes_[body];
  const uint8_t greedy = node.greedy ? kGreedy : 0;
  if (kid.kind == Node::kChar || kid.kind == Node::kSet) {
    Inst inst{kRepSingle, greedy, -1, SetOf(body)};
    if (kid.kind == Node::kSet && kid.nopair) inst.flags |= kNoPair;
    inst.min = node.min;
    inst.max = node.max;
    Emit(inst);
    return;
  }
  // Counted loops on groups (braces, or any lazy quantifier) take a place on
  // the loop stack while they run.
  if (kid.kind == Node::kGroup && (node.brace || !node.greedy)) {
    ++loop_depth;
    if (loop_depth > kLoopStackSize) {
      Emit({kLoopLimit});
      loop_limit_ = true;
    }
  }
  if (node.max == 0) return;
  if (node.min == 0 && node.max == 1) {
    const int split = Emit({kSplit});
    Gen(body, loop_depth);
    if (node.greedy) {
      prog_.code[split].a = split + 1;
      prog_.code[split].b = Pc();
    } else {
      prog_.code[split].a = Pc();
      prog_.code[split].b = split + 1;
    }
    return;
  }
  if (node.max == kInfinite && node.min <= 1 && !Nullable(body, true)) {
    // Plain loops: the body always consumes, so no iteration can be empty.
    if (node.min == 0) {
      const int split = Emit({kSplit});
      Gen(body, loop_depth);
      Emit({kJmp, 0, -1, split});
      if (node.greedy) {
        prog_.code[split].a = split + 1;
        prog_.code[split].b = Pc();
      } else {
        prog_.code[split].a = Pc();
        prog_.code[split].b = split + 1;
      }
    } else {
      const int start = Pc();
      Gen(body, loop_depth);
      const int after = Pc() + 1;
      Emit(node.greedy ? Inst{kSplit, 0, -1, start, after} : Inst{kSplit, 0, -1, after, start});
    }
    return;
  }
  if (!Nullable(body, true) && Unroll(node, loop_depth)) return;
  const int reg = prog_.registers;
  prog_.registers += 2;
  // A repeated back-reference never counts more repetitions than there are
  // bytes left, so one to an empty capture needs `min` bytes still unread.
  Emit({kLoopInit, 0, -1, reg, kid.kind == Node::kBackRef ? node.min : 0});
  Inst loop{kLoop, greedy, -1, reg};
  loop.min = node.min;
  loop.max = node.max;
  const int at = Emit(loop);
  Gen(body, loop_depth);
  Emit({kJmp, 0, -1, at});
  prog_.code[at].b = Pc();
}

// Whether a repetition below the node would take the counted-loop path.
bool Compiler::HasCountedRepeat(int id) const {
  const Node& node = nodes_[id];
  if (node.kind == Node::kRepeat) {
    const Node::Kind kid = nodes_[node.kids[0]].kind;
    const bool single = kid == Node::kChar || kid == Node::kSet;
    const bool plain = node.max == 1 || (node.max == kInfinite && node.min <= 1);
    if (!single && !plain) return true;
  }
  for (int k : node.kids) {
    if (HasCountedRepeat(k)) return true;
  }
  return false;
}

// Writes a small counted repetition out as copies of its body, so it needs no
// loop counter (and the failure memo stays usable). Gives up, emitting
// nothing, when the copies would make the program too long.
bool Compiler::Unroll(const Node& node, int loop_depth) {
  constexpr int kMaxCopies = 16;
  constexpr int kMaxCode = 4096;
  const int copies = node.max == kInfinite ? node.min + 1 : node.max;
  if (node.min > kMaxCopies || copies > kMaxCopies) return false;
  const int body = node.kids[0];
  // Nested counted repetitions stay loops: trying to write them out level by
  // level would make compiling exponential in the nesting depth.
  if (HasCountedRepeat(body)) return false;
  const int start = Pc();
  const int registers = prog_.registers;
  Gen(body, loop_depth);
  const int size = Pc() - start;
  if (registers != prog_.registers || static_cast<int64_t>(size) * copies > kMaxCode) {
    prog_.code.resize(start);
    prog_.registers = registers;
    return false;
  }
  prog_.code.resize(start);
  for (int k = 0; k < node.min; ++k) Gen(body, loop_depth);
  if (node.max == kInfinite) {
    const int split = Emit({kSplit});
    Gen(body, loop_depth);
    Emit({kJmp, 0, -1, split});
    prog_.code[split].a = node.greedy ? split + 1 : Pc();
    prog_.code[split].b = node.greedy ? Pc() : split + 1;
    return true;
  }
  // Each optional copy either runs or leaves the whole repetition.
  std::vector<int> splits;
  for (int k = node.min; k < node.max; ++k) {
    splits.push_back(Emit({kSplit}));
    Gen(body, loop_depth);
  }
  for (int split : splits) {
    prog_.code[split].a = node.greedy ? split + 1 : Pc();
    prog_.code[split].b = node.greedy ? Pc() : split + 1;
  }
  return true;
}

Program Compiler::Run() {
  prog_.modifiers = mods_;
  unsigned mods = mods_;
  const int root = ParseAlt(mods);
  if (i_ < n_) {
    ++i_;  // a ')' with no group open
    Fail(ERegKif::kUnmatchedClose);
  }
  Gen(root, 0);
  Emit({kMatch});

  bool backrefs = false;
  for (Inst& in : prog_.code) {
    if (in.op == kSplit || in.op == kRepSingle) in.memo = prog_.memo_points++;
    backrefs |= in.op == kBackRef || in.op == kBackRefI;
  }
  prog_.memo_ok = !backrefs && prog_.registers == 0;

  // Follow-byte hints let a greedy single-byte repetition skip give-backs.
  for (size_t pc = 0; pc + 1 < prog_.code.size(); ++pc) {
    Inst& in = prog_.code[pc];
    if (in.op != kRepSingle) continue;
    const Inst& nx = prog_.code[pc + 1];
    if (nx.op == kChar) in.next = static_cast<int16_t>(nx.a);
    if (nx.op == kString) in.next = static_cast<uint8_t>(prog_.pool[nx.a]);
  }

  for (char ch : ctx_.word_letters) prog_.word[static_cast<uint8_t>(ch)] = 1;
  for (char ch : ctx_.line_separators) prog_.separator[static_cast<uint8_t>(ch)] = 1;
  if (ctx_.line_paired.size() == 2) {
    prog_.pair_head = static_cast<uint8_t>(ctx_.line_paired[0]);
    prog_.pair_tail = static_cast<uint8_t>(ctx_.line_paired[1]);
  }

  // Hints would skip start positions where the loop-stack error must be raised.
  if (loop_limit_) return std::move(prog_);
  {
    // Anchored: every alternative starts with the start-of-text test.
    const Node* node = &nodes_[root];
    for (;;) {
      if (node->kind == Node::kGroup) {
        node = &nodes_[node->kids[0]];
      } else if (node->kind == Node::kConcat && !node->kids.empty()) {
        // Leading switches and comments are empty nodes.
        size_t k = 0;
        while (k + 1 < node->kids.size() && nodes_[node->kids[k]].kind == Node::kEmpty) ++k;
        node = &nodes_[node->kids[k]];
      } else {
        break;
      }
    }
    prog_.anchored = node->kind == Node::kAssert && node->assert_op == kBol;
  }
  Prefix(root, prog_.prefix);
  {
    // Searching for the prefix's rarest byte first gives memchr few false hits.
    static constexpr char kCommon[] =
        " eatlnskiormz\xE9\xE1"
        "gdyhbvj,.\xF6\xF5"
        "fu\xF3"
        "pc\xED\xFC\xFA"
        "A\r\nE\xFB"
        "SKM";
    auto commonness = [](uint8_t b) {
      const std::string_view common(kCommon, sizeof kCommon - 1);
      const size_t at = common.find(static_cast<char>(b));
      return at == std::string_view::npos ? 0 : static_cast<int>(common.size() - at);
    };
    for (size_t k = 1; k < prog_.prefix.size(); ++k) {
      if (commonness(prog_.prefix[k]) < commonness(prog_.prefix[prog_.prefix_rare])) {
        prog_.prefix_rare = static_cast<int>(k);
      }
    }
  }
  prog_.prefix_only = !prog_.prefix.empty() && prog_.code.size() == 2 &&
                      (prog_.code[0].op == kChar || prog_.code[0].op == kString);
  bool unknown = false;
  ByteSet first{};
  if (!First(root, first, unknown) && !unknown) {
    prog_.has_first = std::count(first.begin(), first.end(), 1) < 256;
    prog_.first = first;
  }
  std::string run, best;
  Required(root, run, best);
  if (run.size() > best.size()) best = run;
  if (best.size() > prog_.prefix.size()) prog_.required = best;
  if (prog_.prefix.empty()) {
    int64_t lo = 0, hi = 0;
    int byte = -1;
    AnchorByte(root, lo, hi, byte);
    if (byte >= 0 && hi < 4096) {
      prog_.anchor_byte = byte;
      prog_.anchor_lo = static_cast<int>(lo);
      prog_.anchor_hi = static_cast<int>(hi);
    }
  }
  return std::move(prog_);
}

}  // namespace

Program Compile(std::string_view pattern, unsigned modifiers, const Context& ctx) {
  return Compiler(pattern, modifiers, ctx).Run();
}

}  // namespace regkif
