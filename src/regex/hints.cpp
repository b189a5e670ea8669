// SPDX-License-Identifier: GPL-3.0-or-later
// RegKifHU search hints: what a compiled program lets the matcher skip
// (anchoring, literal prefix, first-byte set, required literal, an anchor
// byte), the follow-byte hints and whether the failure memo may be used.

#include <algorithm>

#include "platform/win1250.h"
#include "regex/syntax.h"

namespace regkif {

using namespace win1250::literals;
namespace {

class Hints {
 public:
  Hints(const std::vector<Node>& nodes, bool loop_limit, Program& prog)
      : nodes_(nodes), loop_limit_(loop_limit), prog_(prog) {}

  void Run(int root);

 private:
  bool First(int id, ByteSet& set, bool& unknown) const;
  bool Prefix(int id, std::string& out) const;
  void Required(int id, std::string& run, std::string& best) const;
  void Width(int id, int64_t& lo, int64_t& hi) const;
  bool AnchorByte(int id, int64_t& lo, int64_t& hi, int& byte) const;

  const std::vector<Node>& nodes_;
  const bool loop_limit_;
  Program& prog_;
};

// Adds the bytes a match of the node can start with; returns whether it can
// match without consuming a byte. `unknown` is set where that cannot be told.
bool Hints::First(int id, ByteSet& set, bool& unknown) const {
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
bool Hints::Prefix(int id, std::string& out) const {
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
void Hints::Required(int id, std::string& run, std::string& best) const {
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
void Hints::Width(int id, int64_t& lo, int64_t& hi) const {
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
bool Hints::AnchorByte(int id, int64_t& lo, int64_t& hi, int& byte) const {
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

void Hints::Run(int root) {
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

  // Hints would skip start positions where the loop-stack error must be raised.
  if (loop_limit_) return;
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
    // Bytes of Hungarian text, most common first.
    static constexpr std::string_view kCommon =
        " eatlnskiormzéá"
        "gdyhbvj,.öő"
        "fuó"
        "pcíüú"
        "A\r\nEű"
        "SKM"_hu;
    auto commonness = [](uint8_t b) {
      const size_t at = kCommon.find(static_cast<char>(b));
      return at == std::string_view::npos ? 0 : static_cast<int>(kCommon.size() - at);
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
}

}  // namespace

void AddSearchHints(const std::vector<Node>& nodes, int root, bool loop_limit, Program& prog) {
  Hints(nodes, loop_limit, prog).Run(root);
}

}  // namespace regkif
