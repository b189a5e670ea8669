// SPDX-License-Identifier: GPL-3.0-or-later
// RegKifHU compiler: pattern text -> syntax tree (parser.cpp) -> flat program
// (codegen.cpp) + search hints (hints.cpp).

#include "regex/syntax.h"

namespace regkif {

Program Compile(std::string_view pattern, unsigned modifiers, const Context& ctx) {
  Tree tree = Parse(pattern, modifiers, ctx);
  Program prog;
  prog.modifiers = modifiers;
  // The tree's set numbers stay valid; code generation appends its own sets.
  prog.sets = std::move(tree.sets);
  const bool loop_limit = Generate(tree.nodes, tree.root, prog);

  for (char ch : ctx.word_letters) prog.word[static_cast<uint8_t>(ch)] = 1;
  for (char ch : ctx.line_separators) prog.separator[static_cast<uint8_t>(ch)] = 1;
  if (ctx.line_paired.size() == 2) {
    prog.pair_head = static_cast<uint8_t>(ctx.line_paired[0]);
    prog.pair_tail = static_cast<uint8_t>(ctx.line_paired[1]);
  }

  AddSearchHints(tree.nodes, tree.root, loop_limit, prog);
  return prog;
}

}  // namespace regkif
