// SPDX-License-Identifier: GPL-3.0-or-later
// Cross-checks the compiled matcher against a tiny, obviously correct
// reference: a continuation-passing backtracking matcher that walks the syntax
// tree of random small patterns directly.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/win1250.h"
#include "regex/program.h"
#include "regex/regkif.h"

namespace {

struct RNode {
  enum Kind { kLit, kAny, kClass, kGroup, kAlt, kCat, kRep, kBol, kEol, kWordB, kNotWordB, kRef };
  Kind kind = kCat;
  char c = 0;
  std::string members;  // kClass
  bool negate = false;
  int group = 0;  // kGroup, kRef
  int min = 0, max = 0;
  bool lazy = false;
  std::vector<RNode> kids;
};

struct Mods {
  bool i = false, s = true, g = true, m = false;
};

constexpr int kInf = 2147483646;
using Caps = std::array<std::pair<int, int>, TRegKif::kSlots>;

std::string Print(const RNode& n) {
  switch (n.kind) {
    case RNode::kLit:
      return std::string(1, n.c);
    case RNode::kAny:
      return ".";
    case RNode::kClass:
      return "[" + std::string(n.negate ? "^" : "") + n.members + "]";
    case RNode::kGroup:
      return "(" + Print(n.kids[0]) + ")";
    case RNode::kAlt: {
      std::string out;
      for (size_t k = 0; k < n.kids.size(); ++k) out += (k ? "|" : "") + Print(n.kids[k]);
      return out;
    }
    case RNode::kCat: {
      std::string out;
      for (const RNode& k : n.kids) out += Print(k);
      return out;
    }
    case RNode::kRep: {
      std::string q;
      if (n.min == 0 && n.max == kInf)
        q = "*";
      else if (n.min == 1 && n.max == kInf)
        q = "+";
      else if (n.min == 0 && n.max == 1)
        q = "?";
      else if (n.max == kInf)
        q = "{" + std::to_string(n.min) + ",}";
      else if (n.min == n.max)
        q = "{" + std::to_string(n.min) + "}";
      else
        q = "{" + std::to_string(n.min) + "," + std::to_string(n.max) + "}";
      return Print(n.kids[0]) + q + (n.lazy ? "?" : "");
    }
    case RNode::kBol:
      return "^";
    case RNode::kEol:
      return "$";
    case RNode::kWordB:
      return "\\b";
    case RNode::kNotWordB:
      return "\\B";
    case RNode::kRef:
      return "\\" + std::to_string(n.group);
  }
  return "";
}

bool Nullable(const RNode& n) {
  switch (n.kind) {
    case RNode::kLit:
    case RNode::kAny:
    case RNode::kClass:
    case RNode::kRef:
      return false;
    case RNode::kBol:
    case RNode::kEol:
    case RNode::kWordB:
    case RNode::kNotWordB:
      return true;
    case RNode::kGroup:
      return Nullable(n.kids[0]);
    case RNode::kRep:
      return n.min == 0 || Nullable(n.kids[0]);
    case RNode::kCat:
      for (const RNode& k : n.kids) {
        if (!Nullable(k)) return false;
      }
      return true;
    case RNode::kAlt:
      for (const RNode& k : n.kids) {
        if (Nullable(k)) return true;
      }
      return false;
  }
  return true;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}
  int Pick(int n) { return static_cast<int>(rng_() % n); }

  RNode Pattern() {
    groups_ = 0;
    return Alt(0);
  }
  std::string Subject() {
    static const char kChars[] = {'a', 'b', 'A', ' ', '\n', 'a', 'b', '\r'};
    std::string s;
    const int len = Pick(8);
    for (int k = 0; k < len; ++k) s += kChars[Pick(sizeof kChars)];
    return s;
  }

 private:
  RNode Alt(int depth) {
    const int n = depth < 2 && Pick(3) == 0 ? 2 + Pick(2) : 1;
    if (n == 1) return Cat(depth);
    RNode alt;
    alt.kind = RNode::kAlt;
    for (int k = 0; k < n; ++k) alt.kids.push_back(Cat(depth));
    return alt;
  }
  RNode Cat(int depth) {
    RNode cat;
    cat.kind = RNode::kCat;
    const int n = Pick(4);
    for (int k = 0; k < n; ++k) cat.kids.push_back(Piece(depth));
    return cat;
  }
  RNode Piece(int depth) {
    RNode atom = Atom(depth);
    const bool assertion = atom.kind == RNode::kBol || atom.kind == RNode::kEol ||
                           atom.kind == RNode::kWordB || atom.kind == RNode::kNotWordB;
    if (Pick(3) != 0 || (assertion && Pick(3) != 0)) return atom;
    RNode rep;
    rep.kind = RNode::kRep;
    rep.lazy = Pick(3) == 0;
    if (Nullable(atom)) {
      rep.min = 0;
      rep.max = 1;
    } else {
      switch (Pick(7)) {
        // Counts above 16 keep the loop-counter form in play.
        case 5:
          rep.min = Pick(2);
          rep.max = 17 + Pick(3);
          break;
        case 0:
          rep.min = 0;
          rep.max = kInf;
          break;
        case 1:
          rep.min = 1;
          rep.max = kInf;
          break;
        case 2:
          rep.min = 0;
          rep.max = 1;
          break;
        case 3:
          rep.min = rep.max = Pick(3);
          break;
        case 4:
          rep.min = Pick(3);
          rep.max = kInf;
          break;
        default:
          rep.min = Pick(3);
          rep.max = rep.min + Pick(3);
          break;
      }
    }
    rep.kids.push_back(std::move(atom));
    return rep;
  }
  RNode Atom(int depth) {
    RNode n;
    const int r = Pick(20);
    if (r < 7) {
      n.kind = RNode::kLit;
      n.c = "abA"[Pick(3)];
    } else if (r < 8) {
      n.kind = RNode::kAny;
    } else if (r < 10) {
      n.kind = RNode::kClass;
      n.members = Pick(2) ? "ab" : "a";
      n.negate = Pick(2);
    } else if (r < 15 && depth < 3 && groups_ < 9) {
      n.kind = RNode::kGroup;
      n.group = ++groups_;
      n.kids.push_back(Alt(depth + 1));
    } else if (r < 17) {
      n.kind = static_cast<RNode::Kind>(RNode::kBol + Pick(4));
    } else if (r < 18) {
      n.kind = RNode::kRef;
      n.group = 1 + Pick(3);
    } else {
      n.kind = RNode::kLit;
      n.c = 'b';
    }
    return n;
  }

  std::mt19937 rng_;
  int groups_ = 0;
};

// The reference: a direct reading of the matching rules.
class Reference {
 public:
  Reference(const std::string& text, Mods mods) : t_(text), mods_(mods) {}
  using Cont = std::function<bool(int, const Caps&)>;

  bool Search(const RNode& root, int from, Caps& out) {
    for (int s = from; s <= static_cast<int>(t_.size()); ++s) {
      Caps caps;
      caps.fill({-1, -1});
      bool found = Match(root, s, caps, [&](int end, const Caps& c) {
        out = c;
        out[0] = {s, end};
        return true;
      });
      if (found) return true;
    }
    return false;
  }

 private:
  int N() const { return static_cast<int>(t_.size()); }
  bool Word(int p) const {
    if (p < 0 || p >= N()) return false;
    const char c = t_[p];
    return c == 'a' || c == 'b' || c == 'A';
  }
  bool LitAt(char c, int p) const {
    if (p >= N()) return false;
    const auto t = static_cast<unsigned char>(t_[p]);
    return t == static_cast<unsigned char>(c) ||
           (mods_.i && t == win1250::FlipCase(static_cast<unsigned char>(c)));
  }
  bool Sep(int p) const { return p >= 0 && p < N() && (t_[p] == '\n' || t_[p] == '\r'); }
  bool Pair(int p) const { return p >= 0 && p + 1 < N() && t_[p] == '\r' && t_[p + 1] == '\n'; }

  bool Match(const RNode& n, int p, const Caps& caps, const Cont& k) {
    switch (n.kind) {
      case RNode::kLit:
        return LitAt(n.c, p) && k(p + 1, caps);
      case RNode::kAny:
        return p < N() && (mods_.s || (!Sep(p) && !Pair(p))) && k(p + 1, caps);
      case RNode::kClass: {
        if (p >= N()) return false;
        bool in = false;
        for (char m : n.members) in |= LitAt(m, p);
        return in != n.negate && k(p + 1, caps);
      }
      case RNode::kBol: {
        bool ok = p == 0;
        if (mods_.m && !ok) ok = Pair(p - 2) || (Sep(p - 1) && !Pair(p - 1));
        return ok && k(p, caps);
      }
      case RNode::kEol: {
        bool ok = p == N();
        if (mods_.m && !ok) ok = Pair(p) || (Sep(p) && !Pair(p - 1));
        return ok && k(p, caps);
      }
      case RNode::kWordB:
      case RNode::kNotWordB:
        return ((Word(p - 1) != Word(p)) == (n.kind == RNode::kWordB)) && k(p, caps);
      case RNode::kRef: {
        const auto [s, e] = caps[n.group];
        if (e < 0) return false;
        for (int j = 0; j < e - s; ++j) {
          if (!LitAt(t_[s + j], p + j)) return false;
        }
        return k(p + e - s, caps);
      }
      case RNode::kGroup:
        return Match(n.kids[0], p, caps, [&](int q, const Caps& c) {
          Caps next = c;
          next[n.group] = {p, q};
          return k(q, next);
        });
      case RNode::kCat:
        return Seq(n, 0, p, caps, k);
      case RNode::kAlt:
        for (const RNode& alt : n.kids) {
          if (Match(alt, p, caps, k)) return true;
        }
        return false;
      case RNode::kRep:
        return Rep(n, 0, -1, p, caps, k);
    }
    return false;
  }

  bool Seq(const RNode& n, size_t idx, int p, const Caps& caps, const Cont& k) {
    if (idx == n.kids.size()) return k(p, caps);
    return Match(n.kids[idx], p, caps,
                 [&](int q, const Caps& c) { return Seq(n, idx + 1, q, c, k); });
  }

  // `last` is where the previous iteration started; an empty iteration ends the loop.
  bool Rep(const RNode& n, int count, int last, int p, const Caps& caps, const Cont& k) {
    if (count > 0 && last == p) return k(p, caps);
    // A back-reference is repeated at most as often as bytes are left.
    if (count == 0 && n.kids[0].kind == RNode::kRef && N() - p < n.min) return false;
    auto iterate = [&] {
      return Match(n.kids[0], p, caps,
                   [&](int q, const Caps& c) { return Rep(n, count + 1, p, q, c, k); });
    };
    if (count < n.min) return iterate();
    if (count >= n.max) return k(p, caps);
    const bool greedy = !n.lazy && mods_.g;
    if (greedy) return iterate() || k(p, caps);
    return k(p, caps) || iterate();
  }

  const std::string& t_;
  Mods mods_;
};

std::string Slots(const Caps& caps) {
  std::string out;
  for (const auto& [s, e] : caps) out += std::to_string(s) + ":" + std::to_string(e) + " ";
  return out;
}

void CompareRandomPatterns(unsigned seed, int rounds) {
  Generator gen(seed);
  const std::vector<std::pair<const char*, Mods>> mod_sets = {
      {"", Mods{}},
      {"i", Mods{true, true, true, false}},
      {"-g", Mods{false, true, false, false}},
      {"m-s", Mods{false, false, true, true}},
  };
  int compared = 0, matched = 0;
  for (int round = 0; round < rounds; ++round) {
    const RNode root = gen.Pattern();
    const std::string pattern = Print(root);
    if (pattern.empty()) continue;
    for (const auto& [letters, mods] : mod_sets) {
      TRegKif re;
      re.SetModifierStr(letters);
      re.SetExpression(pattern);
      for (int sub = 0; sub < 4; ++sub) {
        const std::string text = gen.Subject();
        Reference ref(text, mods);
        // Walk every match the way ExecNext does, comparing all slots.
        Caps want;
        bool want_found = ref.Search(root, 0, want);
        bool got_found = re.Exec(text);
        for (int step = 0; step < 12; ++step) {
          ASSERT_EQ(got_found, want_found)
              << "pattern '" << pattern << "' mods '" << letters << "' text '" << text << "'";
          ++compared;
          if (!got_found) break;
          ++matched;
          Caps got;
          for (int g = 0; g < TRegKif::kSlots; ++g) {
            const int s = re.MatchStart(g);
            got[g] = s < 0 ? std::pair{-1, -1} : std::pair{s - 1, s - 1 + re.MatchLength(g)};
          }
          ASSERT_EQ(Slots(got), Slots(want))
              << "pattern '" << pattern << "' mods '" << letters << "' text '" << text << "'";
          const int from = want[0].second + (want[0].first == want[0].second ? 1 : 0);
          want_found = from <= static_cast<int>(text.size()) && ref.Search(root, from, want);
          got_found = re.ExecNext();
        }
      }
    }
  }
  EXPECT_GT(matched, compared / 4);
}

TEST(RegKifReference, RandomPatternsAgree) { CompareRandomPatterns(20261208, 6000); }

TEST(RegKifReference, RandomPatternsAgreeWithFailureMemo) {
  regkif::ForceMemoForTesting(true);
  CompareRandomPatterns(1848, 4000);
  regkif::ForceMemoForTesting(false);
}

}  // namespace
