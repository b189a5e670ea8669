// SPDX-License-Identifier: GPL-3.0-or-later
// RegKifHU code generation: syntax tree -> flat program for the backtracking
// matcher.

#include "regex/syntax.h"

#include "platform/win1250.h"

namespace regkif {
namespace {

class CodeGen {
 public:
  CodeGen(const std::vector<Node>& nodes, Program& prog) : nodes_(nodes), prog_(prog) {}

  bool Run(int root) {
    Gen(root, 0);
    Emit({kMatch});
    return loop_limit_;
  }

 private:
  int AddSet(const ByteSet& set) {
    prog_.sets.push_back(set);
    return static_cast<int>(prog_.sets.size()) - 1;
  }
  int Pc() const { return static_cast<int>(prog_.code.size()); }
  int Emit(Inst inst) {
    prog_.code.push_back(inst);
    return Pc() - 1;
  }
  // Points `split` at the code right after it and at the end of the code so
  // far, trying the first before the second when `greedy`.
  void AimSplit(int split, bool greedy) {
    prog_.code[split].a = greedy ? split + 1 : Pc();
    prog_.code[split].b = greedy ? Pc() : split + 1;
  }
  int SetOf(int id);
  void Gen(int id, int loop_depth);
  void GenRepeat(const Node& node, int loop_depth);
  bool Unroll(const Node& node, int loop_depth);
  bool HasCountedRepeat(int id) const;

  const std::vector<Node>& nodes_;
  Program& prog_;
  bool loop_limit_ = false;
};

int CodeGen::SetOf(int id) {
  const Node& node = nodes_[id];
  if (node.kind == Node::kSet) return node.set;
  ByteSet set{};
  set[node.c] = 1;
  if (node.icase) set[win1250::FlipCase(node.c)] = 1;
  return AddSet(set);
}

void CodeGen::Gen(int id, int loop_depth) {
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

void CodeGen::GenRepeat(const Node& node, int loop_depth) {
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
    AimSplit(split, node.greedy);
    return;
  }
  if (node.max == kInfinite && node.min <= 1 && !Nullable(nodes_, body, true)) {
    // Plain loops: the body always consumes, so no iteration can be empty.
    if (node.min == 0) {
      const int split = Emit({kSplit});
      Gen(body, loop_depth);
      Emit({kJmp, 0, -1, split});
      AimSplit(split, node.greedy);
    } else {
      const int start = Pc();
      Gen(body, loop_depth);
      const int after = Pc() + 1;
      Emit(node.greedy ? Inst{kSplit, 0, -1, start, after} : Inst{kSplit, 0, -1, after, start});
    }
    return;
  }
  if (!Nullable(nodes_, body, true) && Unroll(node, loop_depth)) return;
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
bool CodeGen::HasCountedRepeat(int id) const {
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
bool CodeGen::Unroll(const Node& node, int loop_depth) {
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
    AimSplit(split, node.greedy);
    return true;
  }
  // Each optional copy either runs or leaves the whole repetition.
  std::vector<int> splits;
  for (int k = node.min; k < node.max; ++k) {
    splits.push_back(Emit({kSplit}));
    Gen(body, loop_depth);
  }
  for (int split : splits) {
    AimSplit(split, node.greedy);
  }
  return true;
}

}  // namespace

bool Generate(const std::vector<Node>& nodes, int root, Program& prog) {
  return CodeGen(nodes, prog).Run(root);
}

}  // namespace regkif
