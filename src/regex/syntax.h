// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to RegKifHU: the syntax tree the parser (parser.cpp) builds from a
// pattern, which code generation (codegen.cpp) and the search hints
// (hints.cpp) read. Nodes refer to each other by index into one vector.

#include <cstdint>
#include <string_view>
#include <vector>

#include "regex/program.h"

namespace regkif {

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

struct Tree {
  std::vector<Node> nodes;
  std::vector<ByteSet> sets;  // the byte sets kSet nodes refer to
  int root = -1;
};

// Parses `pattern` under `modifiers`; throws ERegKif with the error number
// and position of the leftmost error.
Tree Parse(std::string_view pattern, unsigned modifiers, const Context& ctx);

// Can the node match the empty string? The quantifier rules count a
// back-reference as non-empty; at run time it may repeat an empty capture,
// which `backref_empty` takes into account.
bool Nullable(const std::vector<Node>& nodes, int id, bool backref_empty);

// Appends the code for the tree below `root`, ending in kMatch, to `prog`,
// whose sets must start as the tree's. Returns whether a counted loop can
// overflow the loop stack (the program then holds a kLoopLimit).
bool Generate(const std::vector<Node>& nodes, int root, Program& prog);

// Fills the failure-memo rows and the search hints of a generated program.
// `loop_limit` (from Generate) leaves the start-position hints out.
void AddSearchHints(const std::vector<Node>& nodes, int root, bool loop_limit, Program& prog);

}  // namespace regkif
