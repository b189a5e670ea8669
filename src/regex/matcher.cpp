// SPDX-License-Identifier: GPL-3.0-or-later
// RegKifHU matcher: a backtracking machine over the compiled program. Choice
// points and undo records share one explicit stack, so a failed attempt leaves
// the capture slots and loop registers exactly as it found them.

#include <algorithm>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__) && !defined(ROVAS_NO_SIMD)
#include <emmintrin.h>
#endif

#include "platform/win1250.h"
#include "regex/program.h"
#include "regex/regkif.h"

namespace regkif {
namespace {

bool force_memo = false;

enum FrameKind : int32_t {
  kBranch,     // resume at pc, pos
  kUndoSlot,   // slot x had start pc, end pos
  kUndoOpen,   // open mark of group x was pos
  kUndoReg,    // register x was pos
  kRepGreedy,  // single-byte repetition at pc from pos, now x times: try one fewer
  kRepLazy,    // single-byte repetition at pc from pos, now x times: try one more
  kLoopIter,   // counted loop at pc: try another iteration from pos
};

inline bool BolM(const Program& p, const uint8_t* t, int n, int pos) {
  if (pos == 0) return true;
  const uint8_t prev = t[pos - 1];
  if (pos >= 2 && t[pos - 2] == p.pair_head && prev == p.pair_tail) return true;
  if (!p.separator[prev]) return false;
  return !(prev == p.pair_head && pos < n && t[pos] == p.pair_tail);
}

inline bool EolM(const Program& p, const uint8_t* t, int n, int pos) {
  if (pos == n) return true;
  const uint8_t cur = t[pos];
  if (cur == p.pair_head && pos + 1 < n && t[pos + 1] == p.pair_tail) return true;
  if (!p.separator[cur]) return false;
  return !(cur == p.pair_tail && pos > 0 && t[pos - 1] == p.pair_head);
}

// The first `b` in [p, end), or null. The bytes searched for are often only a
// few positions ahead (a letter of the text), where a call of memchr costs
// more than the search: the first 32 bytes are looked at here.
inline const uint8_t* Bajt(const uint8_t* p, const uint8_t* end, uint8_t b) {
#if defined(__SSE2__) && !defined(ROVAS_NO_SIMD)
  const __m128i v = _mm_set1_epi8(static_cast<char>(b));
  for (int i = 0; i < 2 && end - p >= 16; ++i, p += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int m = _mm_movemask_epi8(_mm_cmpeq_epi8(x, v));
    if (m) return p + __builtin_ctz(static_cast<unsigned>(m));
  }
#endif
  return static_cast<const uint8_t*>(std::memchr(p, b, static_cast<size_t>(end - p)));
}

}  // namespace

void ForceMemoForTesting(bool on) { force_memo = on; }

void Matcher::OutOfSteps() { throw ERegKif(ERegKif::kStepLimit); }

bool Matcher::Search(const Program& prog, const uint8_t* text, int len, int from, int* starts,
                     int* ends, int64_t& budget) {
  budget_ = &budget;
  const bool found = Scan(prog, text, len, from, starts, ends);
  // A long search may have grown the stack and the memo a lot; the next
  // searches of a rule are usually small, so the memory goes back.
  constexpr size_t kKeep = size_t{1} << 16;
  if (stack_.capacity() > kKeep) std::vector<Frame>().swap(stack_);
  if (visited_.capacity() > kKeep) std::vector<uint64_t>().swap(visited_);
  return found;
}

bool Matcher::Scan(const Program& prog, const uint8_t* text, int len, int from, int* starts,
                   int* ends) {
  prog_ = &prog;
  text_ = text;
  len_ = len;
  starts_ = starts;
  ends_ = ends;
  regs_.assign(prog.registers, -1);
  if (from > len) return false;
  memo_on_ = false;
  memo_from_ = from;
  steps_ = 0;
  const int64_t bits = static_cast<int64_t>(prog.memo_points) * (len - from + 1);
  // The memo costs clearing `bits`; it is switched on once the steps taken
  // outweigh that.
  memo_threshold_ =
      prog.memo_ok && bits <= (int64_t{1} << 31) ? std::max<int64_t>(10000, bits / 16) : INT64_MAX;
  if (prog.anchored) return from == 0 && Run(0);

  const uint8_t* t = text;
  int req_at = -1;      // where the required literal was last found
  int window_end = -1;  // last start that reaches the anchor byte found
  for (int s = from; s <= len; ++s) {
    if (!prog.prefix.empty()) {
      const size_t plen = prog.prefix.size();
      if (static_cast<size_t>(len - s) < plen) return false;
      const int rare = prog.prefix_rare;
      const uint8_t rare_byte = static_cast<uint8_t>(prog.prefix[rare]);
      for (;;) {
        const int from_at = s + rare;
        const int last = len - static_cast<int>(plen) + rare;  // last place the byte may be
        if (from_at > last) return false;
        const uint8_t* hit = Bajt(t + from_at, t + last + 1, rare_byte);
        if (!hit) return false;
        const int cand = static_cast<int>(hit - t) - rare;
        if (std::memcmp(t + cand, prog.prefix.data(), plen) == 0) {
          s = cand;
          break;
        }
        s = cand + 1;
      }
      if (prog.prefix_only) {
        starts[0] = s;
        ends[0] = s + static_cast<int>(plen);
        return true;
      }
    } else if (prog.anchor_byte >= 0) {
      // Find the anchor byte first; only starts within reach of it can match.
      for (;;) {
        if (s > window_end) {
          const int at = s + prog.anchor_lo;
          if (at >= len) return false;
          const uint8_t* hit = Bajt(t + at, t + len, static_cast<uint8_t>(prog.anchor_byte));
          if (!hit) return false;
          const int q = static_cast<int>(hit - t);
          window_end = q - prog.anchor_lo;
          if (q - prog.anchor_hi > s) s = q - prog.anchor_hi;
        }
        if (!prog.has_first || prog.first[t[s]]) break;
        ++s;
      }
    } else if (prog.has_first) {
      while (s < len && !prog.first[t[s]]) ++s;
      if (s >= len) return false;  // a match needs at least one byte
    }
    if (!prog.required.empty() && req_at < s) {
      const void* hit = memmem(t + s, len - s, prog.required.data(), prog.required.size());
      if (!hit) return false;
      req_at = static_cast<int>(static_cast<const uint8_t*>(hit) - t);
    }
    if (Run(s)) return true;
  }
  return false;
}

bool Matcher::Seen(int row, int pos) {
  const int64_t width = len_ - memo_from_ + 1;
  if (!memo_on_) {
    visited_.assign(static_cast<size_t>((prog_->memo_points * width + 63) / 64), 0);
    memo_on_ = true;
  }
  const int64_t bit = row * width + (pos - memo_from_);
  uint64_t& word = visited_[bit >> 6];
  const uint64_t mask = uint64_t{1} << (bit & 63);
  if (word & mask) return true;
  word |= mask;
  return false;
}

bool Matcher::Run(int start) {
  const Program& prog = *prog_;
  const Inst* code = prog.code.data();
  const uint8_t* t = text_;
  const int n = len_;
  const uint8_t* pool = reinterpret_cast<const uint8_t*>(prog.pool.data());
  int* starts = starts_;
  int* ends = ends_;
  stack_.clear();
  Step();
  int pc = 0;
  int pos = start;
  // Instructions run since the last charge: a long chain of single-byte tests
  // costs steps even where it holds no choice point.
  int64_t ops = 0;

  for (;;) {
    ++ops;
    const Inst& in = code[pc];
    switch (in.op) {
      case kChar:
        if (pos < n && t[pos] == in.a) {
          ++pos;
          ++pc;
          continue;
        }
        break;
      case kString:
        Charge(in.b >> 3);
        if (n - pos >= in.b && std::memcmp(t + pos, pool + in.a, in.b) == 0) {
          pos += in.b;
          ++pc;
          continue;
        }
        break;
      case kStringI: {
        Charge(in.b >> 3);
        if (n - pos < in.b) break;
        const uint8_t* lit = pool + in.a;
        const uint8_t* alt = lit + in.b;
        int k = 0;
        while (k < in.b && (t[pos + k] == lit[k] || t[pos + k] == alt[k])) ++k;
        if (k < in.b) break;
        pos += in.b;
        ++pc;
        continue;
      }
      case kSet:
        if (pos < n && prog.sets[in.a][t[pos]]) {
          ++pos;
          ++pc;
          continue;
        }
        break;
      case kSetNoPair:
        if (pos < n && prog.sets[in.a][t[pos]] &&
            !(t[pos] == prog.pair_head && pos + 1 < n && t[pos + 1] == prog.pair_tail)) {
          ++pos;
          ++pc;
          continue;
        }
        break;
      case kBol:
        if (pos == 0) {
          ++pc;
          continue;
        }
        break;
      case kEol:
        if (pos == n) {
          ++pc;
          continue;
        }
        break;
      case kBolM:
        if (BolM(prog, t, n, pos)) {
          ++pc;
          continue;
        }
        break;
      case kEolM:
        if (EolM(prog, t, n, pos)) {
          ++pc;
          continue;
        }
        break;
      case kWordB:
      case kNotWordB: {
        const bool before = pos > 0 && prog.word[t[pos - 1]];
        const bool after = pos < n && prog.word[t[pos]];
        if ((before != after) == (in.op == kWordB)) {
          ++pc;
          continue;
        }
        break;
      }
      case kBackRef:
      case kBackRefI: {
        const int g = in.a;
        if (ends[g] < 0) break;  // nothing captured yet: fails
        const int l = ends[g] - starts[g];
        if (n - pos < l) break;
        const uint8_t* s = t + starts[g];
        if (in.op == kBackRef) {
          Charge(1 + (l >> 3));
          if (std::memcmp(t + pos, s, l) != 0) break;
        } else {
          Charge(1 + l);
          int k = 0;
          while (k < l && (t[pos + k] == s[k] || t[pos + k] == win1250::FlipCase(s[k]))) ++k;
          if (k < l) break;
        }
        pos += l;
        ++pc;
        continue;
      }
      case kOpen:
        stack_.push_back({kUndoOpen, 0, open_[in.a], in.a});
        open_[in.a] = pos;
        ++pc;
        continue;
      case kClose:
        // Like Perl, a group's slot changes only when the group closes, so a
        // back-reference inside the still-open group sees the previous capture,
        // and a loop iteration that skips the group keeps its earlier capture.
        stack_.push_back({kUndoSlot, starts[in.a], ends[in.a], in.a});
        starts[in.a] = open_[in.a];
        ends[in.a] = pos;
        ++pc;
        continue;
      case kSplit:
        Step();
        if ((memo_on_ || ++steps_ > memo_threshold_) && Seen(in.memo, pos)) break;
        stack_.push_back({kBranch, in.b, pos, 0});
        pc = in.a;
        continue;
      case kJmp:
        pc = in.a;
        continue;
      case kRepSingle: {
        Step();
        if ((memo_on_ || ++steps_ > memo_threshold_) && Seen(in.memo, pos)) break;
        const uint8_t* set = prog.sets[in.a].data();
        const int limit = n - pos < in.max ? n - pos : in.max;
        if (in.flags & kGreedy) {
          int c = 0;
          if (in.flags & kNoPair) {
            while (c < limit && set[t[pos + c]] &&
                   !(t[pos + c] == prog.pair_head && pos + c + 1 < n &&
                     t[pos + c + 1] == prog.pair_tail)) {
              ++c;
            }
          } else {
            while (c < limit && set[t[pos + c]]) ++c;
          }
          Charge(c >> 2);
          if (c < in.min) break;
          if (c > in.min) stack_.push_back({kRepGreedy, pc, pos, c});
          pos += c;
          ++pc;
          continue;
        }
        if (in.min > limit) break;
        Charge(in.min >> 2);
        int c = 0;
        bool ok = true;
        for (; c < in.min; ++c) {
          const uint8_t b = t[pos + c];
          if (!set[b] || ((in.flags & kNoPair) && b == prog.pair_head && pos + c + 1 < n &&
                          t[pos + c + 1] == prog.pair_tail)) {
            ok = false;
            break;
          }
        }
        if (!ok) break;
        if (c < limit) stack_.push_back({kRepLazy, pc, pos, c});
        pos += c;
        ++pc;
        continue;
      }
      case kLoopInit:
        if (n - pos < in.b) break;
        stack_.push_back({kUndoReg, 0, regs_[in.a], in.a});
        stack_.push_back({kUndoReg, 0, regs_[in.a + 1], in.a + 1});
        regs_[in.a] = 0;
        regs_[in.a + 1] = -1;
        ++pc;
        continue;
      case kLoop: {
        Step();
        const int r = in.a;
        int c = regs_[r];
        const bool empty_iteration = c > 0 && regs_[r + 1] == pos;
        if (c < in.min && empty_iteration) {
          // An empty iteration below the minimum (only a back-reference to an
          // empty capture does that) would repeat unchanged: count the rest as done.
          stack_.push_back({kUndoReg, 0, c, r});
          regs_[r] = c = in.min;
        }
        if (c >= in.min) {
          if (c >= in.max || empty_iteration) {
            pc = in.b;
            continue;
          }
          if (!(in.flags & kGreedy)) {
            stack_.push_back({kLoopIter, pc, pos, 0});
            pc = in.b;
            continue;
          }
          stack_.push_back({kBranch, in.b, pos, 0});
        }
        stack_.push_back({kUndoReg, 0, c, r});
        stack_.push_back({kUndoReg, 0, regs_[r + 1], r + 1});
        regs_[r] = c + 1;
        regs_[r + 1] = pos;
        ++pc;
        continue;
      }
      case kLoopLimit:
        throw ERegKif(ERegKif::kLoopStackExceeded);
      case kMatch:
        Charge(ops >> 2);
        starts[0] = start;
        ends[0] = pos;
        return true;
    }

    // Backtrack to the latest choice point, undoing changes on the way.
    Charge(1 + (ops >> 2));
    ops = 0;
    for (;;) {
      if (stack_.empty()) return false;
      Frame& f = stack_.back();
      switch (f.kind) {
        case kUndoSlot:
          starts[f.x] = f.pc;
          ends[f.x] = f.pos;
          stack_.pop_back();
          continue;
        case kUndoOpen:
          open_[f.x] = f.pos;
          stack_.pop_back();
          continue;
        case kUndoReg:
          regs_[f.x] = f.pos;
          stack_.pop_back();
          continue;
        case kBranch:
          pc = f.pc;
          pos = f.pos;
          stack_.pop_back();
          break;
        case kRepGreedy: {
          const Inst& rep = code[f.pc];
          int c = f.x - 1;
          if (rep.next >= 0) {
            // Counts whose next byte cannot match the following literal are skipped.
            const int from = c;
            while (c >= rep.min && t[f.pos + c] != rep.next) --c;
            Charge((from - c) >> 2);
          }
          if (c < rep.min) {
            stack_.pop_back();
            continue;
          }
          pc = f.pc + 1;
          pos = f.pos + c;
          if (c == rep.min) {
            stack_.pop_back();
          } else {
            f.x = c;
          }
          break;
        }
        case kRepLazy: {
          const Inst& rep = code[f.pc];
          const uint8_t* set = prog.sets[rep.a].data();
          const int limit = n - f.pos < rep.max ? n - f.pos : rep.max;
          int c = f.x;
          bool found = false;
          const int from = c;
          while (c < limit) {
            const int at = f.pos + c;
            const uint8_t b = t[at];
            if (!set[b] || ((rep.flags & kNoPair) && b == prog.pair_head && at + 1 < n &&
                            t[at + 1] == prog.pair_tail)) {
              break;
            }
            ++c;
            if (rep.next < 0 || (f.pos + c < n && t[f.pos + c] == rep.next)) {
              found = true;
              break;
            }
          }
          // Each byte a lazy repetition takes costs a step, as the choice
          // point per byte it stands for would.
          Charge(c - from);
          if (!found) {
            stack_.pop_back();
            continue;
          }
          pc = f.pc + 1;
          pos = f.pos + c;
          if (c >= limit) {
            stack_.pop_back();
          } else {
            f.x = c;
          }
          break;
        }
        case kLoopIter: {
          pc = f.pc;
          pos = f.pos;
          stack_.pop_back();
          const Inst& loop = code[pc];
          const int r = loop.a;
          stack_.push_back({kUndoReg, 0, regs_[r], r});
          stack_.push_back({kUndoReg, 0, regs_[r + 1], r + 1});
          ++regs_[r];
          regs_[r + 1] = pos;
          ++pc;
          break;
        }
        default:
          throw ERegKif(ERegKif::kCorruptedProgram);
      }
      break;
    }
  }
}

}  // namespace regkif
