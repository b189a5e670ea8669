// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a pattern's matches stay inside one line (TRegKif::LineLocal).

#include "regex/regkif.h"
#include "regex/syntax.h"

namespace regkif {
namespace {

bool LineByte(uint8_t c) { return c == '\r' || c == '\n'; }

// No part of the subtree below `id` consumes CR or LF or asserts the text's
// or a line's start or end.
bool StaysInLine(const Tree& tree, int id) {
  const Node& node = tree.nodes[id];
  switch (node.kind) {
    case Node::kChar:
      return !LineByte(node.c);
    case Node::kSet:
      return !tree.sets[node.set]['\r'] && !tree.sets[node.set]['\n'];
    case Node::kAssert:
      return node.assert_op == kWordB || node.assert_op == kNotWordB;
    default:
      for (int kid : node.kids)
        if (!StaysInLine(tree, kid)) return false;
      return true;
  }
}

}  // namespace
}  // namespace regkif

bool TRegKif::LineLocal() const {
  // \b and \B read CR and LF as they read the text's ends only when neither is a word letter.
  if (word_letters_.find_first_of("\r\n") != std::string::npos) return false;
  const regkif::Context ctx{blank_chars_, word_letters_, line_separators_, line_paired_};
  try {
    const regkif::Tree tree = regkif::Parse(expression_, modifiers_, ctx);
    return !regkif::Nullable(tree.nodes, tree.root, true) && regkif::StaysInLine(tree, tree.root);
  } catch (const ERegKif&) {
    return false;  // an invalid pattern proves nothing; searching with it throws
  }
}
