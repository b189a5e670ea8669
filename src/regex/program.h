// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to RegKifHU: the compiled form of a pattern and the matcher that
// runs it. The compiler (compiler.cpp: parser.cpp, codegen.cpp, hints.cpp)
// turns a pattern into a flat program for a backtracking machine; the matcher
// (matcher.cpp) runs it with an explicit stack, so neither long texts nor deep
// patterns can exhaust the call stack.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace regkif {

// Modifier bits, in the order of the letters "irsgmx".
enum : unsigned {
  kModI = 1,
  kModR = 2,
  kModS = 4,
  kModG = 8,
  kModM = 16,
  kModX = 32,
};

// The bit of a modifier letter (either case); 0 for any other character.
constexpr unsigned ModifierBit(char letter) {
  constexpr std::string_view kLetters = "irsgmxIRSGMX";
  const size_t at = kLetters.find(letter);
  return at == std::string_view::npos ? 0 : 1u << (at % 6);
}

// The open-ended repetition limit.
constexpr int kInfinite = 2147483646;
constexpr int kMaxGroups = 14;
constexpr int kSlots = kMaxGroups + 1;
// Counted loops on groups that may be active at once.
constexpr int kLoopStackSize = 10;

using ByteSet = std::array<uint8_t, 256>;  // 1 = member

enum Op : uint8_t {
  kChar,       // a: byte
  kString,     // a: pool offset, b: length
  kStringI,    // a: pool offset (literal, then its case partners), b: length
  kSet,        // a: set index
  kSetNoPair,  // a: set index; also refuses a paired separator's head before its tail
  kBol,        // start of the text
  kEol,        // end of the text
  kBolM,       // start of a line
  kEolM,       // end of a line
  kWordB,      // \b
  kNotWordB,   // \B
  kBackRef,    // a: group
  kBackRefI,   // a: group, case-insensitive
  kOpen,       // a: group
  kClose,      // a: group
  kSplit,      // go to a, on failure b
  kJmp,        // go to a
  kRepSingle,  // a: set index; min, max; flags; next: byte that must follow or -1
  kLoopInit,   // a: first of two registers (counter, start of the last iteration); b: bytes needed
  kLoop,       // a: registers, b: exit; min, max; flags
  kLoopLimit,  // entering this loop overflows the loop stack
  kMatch,
};

enum : uint8_t {
  kGreedy = 1,
  kNoPair = 2,  // kRepSingle operand is "." without s and a paired head outside the separators
};

struct Inst {
  Op op;
  uint8_t flags = 0;
  int16_t next = -1;
  int32_t a = 0;
  int32_t b = 0;
  int32_t min = 0;
  int32_t max = 0;
  int32_t memo = -1;  // kSplit, kRepSingle: row in the failure memo
};

// What the character-set properties of a TRegKif were when it compiled.
struct Context {
  std::string_view blank_chars;
  std::string_view word_letters;
  std::string_view line_separators;
  std::string_view line_paired;  // empty or two different bytes
};

struct Program {
  unsigned modifiers = 0;  // the object's modifiers at compile time
  std::vector<Inst> code;
  std::vector<ByteSet> sets;
  std::string pool;
  int registers = 0;
  // Without back-references and loop counters, what follows a choice point
  // depends only on (instruction, position), so a second visit of the same
  // pair must fail like the first: the matcher may remember visits.
  bool memo_ok = false;
  int memo_points = 0;

  // Matching context.
  ByteSet word{};
  ByteSet separator{};
  int pair_head = -1;
  int pair_tail = -1;

  // Search hints; they only skip start positions that cannot match.
  bool anchored = false;     // every match starts at position 0
  std::string prefix;        // every match starts with these bytes
  bool prefix_only = false;  // and the pattern is that literal alone
  int prefix_rare = 0;       // index of the prefix byte least common in Hungarian text
  bool has_first = false;    // every match starts with a byte of `first`
  ByteSet first{};
  std::string required;  // every match contains these bytes
  int anchor_byte = -1;  // every match holds this byte at an offset from
  int anchor_lo = 0;     // its start between anchor_lo and anchor_hi
  int anchor_hi = 0;
};

// Compiles `pattern`; throws ERegKif on a syntax error.
Program Compile(std::string_view pattern, unsigned modifiers, const Context& ctx);

// Tests switch the failure memo on from the first step to check that it never
// changes a result.
void ForceMemoForTesting(bool on);

// Runs a program over one text; owns the backtracking stack between searches.
class Matcher {
 public:
  // Searches `text` (ending at `len`) from byte `from`; on success fills the
  // 0-based slot arrays (-1 = unset). Every unit of work costs steps of
  // `budget`: one for each attempt at a start position, choice point and
  // backtrack, one for every 4 instructions run before a backtrack, one for
  // each byte a lazy repetition takes or a case-blind
  // back-reference compares, one for every 4 bytes a greedy repetition counts
  // or skips and every 8 bytes a literal or exact back-reference compares
  // with memcmp. When it runs out the search throws ERegKif(kStepLimit).
  // Throws ERegKif(kLoopStackExceeded) on loop-stack overflow.
  bool Search(const Program& prog, const uint8_t* text, int len, int from, int* starts, int* ends,
              int64_t& budget);

 private:
  struct Frame {
    int32_t kind;
    int32_t pc;
    int32_t pos;
    int32_t x;
  };
  bool Scan(const Program& prog, const uint8_t* text, int len, int from, int* starts, int* ends);
  bool Run(int start);
  void Step() {
    if (--*budget_ < 0) OutOfSteps();
  }
  void Charge(int64_t steps) {
    if ((*budget_ -= steps) < 0) OutOfSteps();
  }
  [[noreturn]] static void OutOfSteps();
  // Marks (row, pos) visited; true when it was already.
  bool Seen(int row, int pos);

  const Program* prog_ = nullptr;
  const uint8_t* text_ = nullptr;
  int len_ = 0;
  int* starts_ = nullptr;
  int* ends_ = nullptr;
  int open_[kSlots] = {};
  std::vector<int> regs_;
  std::vector<Frame> stack_;
  // Failure memo, switched on only for searches that take many steps, so
  // patterns such as "(a|aa)*b" stay polynomial.
  std::vector<uint64_t> visited_;
  bool memo_on_ = false;
  int memo_from_ = 0;
  int64_t steps_ = 0;
  int64_t memo_threshold_ = 0;
  int64_t* budget_ = nullptr;
};

}  // namespace regkif
