// SPDX-License-Identifier: GPL-3.0-or-later
// RegKifHU facade: the TRegKif object, its lazy compilation, match results,
// templates, replace-all and split.

#include "regex/regkif.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

#include "platform/win1250.h"
#include "regex/program.h"
#include "regex/syntax.h"

struct TRegKif::Program {
  regkif::Program code;
  regkif::Matcher matcher;
};

namespace {

using namespace win1250::literals;

constexpr unsigned kDefaultModifiers = regkif::kModR | regkif::kModS | regkif::kModG;

std::string Message(int code, int pos) {
  std::string msg = TRegKif::ErrorMsg(code);
  if (code < 1000 && pos >= 0) msg += " (pos " + std::to_string(pos) + ")";
  return msg;
}

}  // namespace

ERegKif::ERegKif(int code, int pos)
    : std::runtime_error(Message(code, pos)), code_(code), pos_(pos) {}

std::string TRegKif::ErrorMsg(int code) {
  switch (code) {
    case ERegKif::kNoError:
      return "No errors";
    case ERegKif::kTooManyGroups:
      return "RegKif(comp): Too many () groups";
    case ERegKif::kUnmatchedOpen:
      return "RegKif(comp): Unmatched ()";
    case ERegKif::kUnmatchedClose:
      return "RegKif(comp): Unmatched ()";
    case ERegKif::kJunkAtEnd:
      return "RegKif(comp): Junk at end of pattern";
    case ERegKif::kEmptyOperand:
      return "RegKif(comp): Operand of * or + could be empty";
    case ERegKif::kNestedQuantifier:
      return "RegKif(comp): Nested quantifier";
    case ERegKif::kBadHexDigit:
      return "RegKif(comp): Bad hex digit";
    case ERegKif::kInvalidRange:
      return "RegKif(comp): Invalid [] range";
    case ERegKif::kTrailingBackslashInClass:
      return "RegKif(comp): Trailing \\ in []";
    case ERegKif::kNoHexCode:
      return "RegKif(comp): No hex code after \\x";
    case ERegKif::kHexTooBig:
      return "RegKif(comp): Hex code after \\x is too big";
    case ERegKif::kUnmatchedBracket:
      return "RegKif(comp): Unmatched []";
    case ERegKif::kInternalParser:
      return "RegKif(comp): Internal parser error";
    case ERegKif::kQuantifierFollowsNothing:
      return "RegKif(comp): Quantifier follows nothing";
    case ERegKif::kTrailingBackslash:
      return "RegKif(comp): Trailing \\";
    case ERegKif::kInternalAtomParser:
      return "RegKif(comp): Internal atom parser error";
    case ERegKif::kBraceCountTooBig:
      return "RegKif(comp): Brace count too big";
    case ERegKif::kBraceMinAboveMax:
      return "RegKif(comp): Brace minimum greater than maximum";
    case ERegKif::kUnclosedComment:
      return "RegKif(comp): Unclosed (?#comment)";
    case ERegKif::kUnrecognisedModifier:
      return "RegKif(comp): Unrecognised modifier";
    case ERegKif::kBadPairedSeparator:
      return "RegKif(comp): LinePairedSeparator must hold two different characters or none";
    case ERegKif::kRepeatMisplaced:
      return "RegKif(exec): Repeat called inappropriately";
    case ERegKif::kMatcherMemory:
      return "RegKif(exec): Matcher memory corruption";
    case ERegKif::kMatcherPointers:
      return "RegKif(exec): Matcher corrupted pointers";
    case ERegKif::kNoExpression:
      return "RegKif(exec): Expression not assigned";
    case ERegKif::kCorruptedProgram:
      return "RegKif(exec): Corrupted program";
    case ERegKif::kNoInput:
      return "RegKif(exec): No input text set";
    case ERegKif::kExecNextWithoutMatch:
      return "RegKif(exec): ExecNext without a current match";
    case ERegKif::kLoopStackExceeded:
      return "RegKif(exec): Loop stack exceeded";
    case ERegKif::kLoopWithoutEntry:
      return "RegKif(exec): Loop without loop entry";
    case ERegKif::kStepLimit:
      return "RegKif(exec): Step limit exceeded";
    case ERegKif::kOutputLimit:
      return "RegKif(exec): Output limit exceeded";
    default:
      return "Unknown error";
  }
}

TRegKif::TRegKif()
    : modifiers_(kDefaultModifiers),
      blank_chars_(" \t\n\r\f"),
      word_letters_(
          "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_"
          "áéíóöőúüűÁÉÍÓÖŐÚÜŰ"_hu),
      line_separators_("\r\n"),
      line_paired_("\r\n") {
  ClearSlots();
}

TRegKif::~TRegKif() = default;

void TRegKif::ClearSlots() {
  for (int k = 0; k < kSlots; ++k) start_[k] = end_[k] = -1;
}

void TRegKif::SetExpression(std::string_view pattern) {
  if (pattern != expression_ || !program_) {
    expression_.assign(pattern);
    program_.reset();
  }
}

bool TRegKif::Modifier(char letter) const { return modifiers_ & regkif::ModifierBit(letter); }

void TRegKif::SetModifier(char letter, bool on) {
  const unsigned bit = regkif::ModifierBit(letter);
  modifiers_ = on ? (modifiers_ | bit) : (modifiers_ & ~bit);
}

void TRegKif::SetModifierStr(std::string_view mods) {
  bool on = true;
  for (char c : mods) {
    if (c == '-') {
      on = false;
    } else {
      SetModifier(c, on);
    }
  }
}

void TRegKif::SetBlankChars(std::string_view chars) {
  blank_chars_.assign(chars);
  program_.reset();
}

void TRegKif::SetWordLetters(std::string_view chars) {
  word_letters_.assign(chars);
  program_.reset();
}

void TRegKif::SetLineSeparatorChars(std::string_view chars) {
  line_separators_.assign(chars);
  program_.reset();
}

void TRegKif::SetLinePairedSeparator(std::string_view pair) {
  const bool ok = pair.empty() || (pair.size() == 2 && pair[0] != pair[1]);
  if (!ok) throw ERegKif(ERegKif::kBadPairedSeparator, 0);
  if (pair != line_paired_) {
    line_paired_.assign(pair);
    program_.reset();
  }
}

void TRegKif::Compile() {
  if (expression_.empty()) throw ERegKif(ERegKif::kNoExpression);
  program_.reset();
  const regkif::Context ctx{blank_chars_, word_letters_, line_separators_, line_paired_};
  auto prog = std::make_unique<Program>();
  prog->code = regkif::Compile(expression_, modifiers_, ctx);
  program_ = std::move(prog);
}

void TRegKif::EnsureCompiled() {
  if (!program_ || program_->code.modifiers != modifiers_) Compile();
}

bool TRegKif::SearchFrom(size_t pos) {
  ClearSlots();
  EnsureCompiled();
  if (!has_input_) throw ERegKif(ERegKif::kNoInput);
  const int len = input_len_;
  if (pos > static_cast<size_t>(len)) return false;
  try {
    return program_->matcher.Search(program_->code, reinterpret_cast<const uint8_t*>(text_.data()),
                                    len, static_cast<int>(pos), start_, end_, steps_left_);
  } catch (...) {
    ClearSlots();
    throw;
  }
}

void TRegKif::SetText(std::string_view text) {
  text_ = text;
  has_input_ = true;
  // The text ends at its first NUL byte.
  const size_t nul = text_.find('\0');
  const size_t len = nul == std::string_view::npos ? text_.size() : nul;
  input_len_ = len > static_cast<size_t>(INT_MAX - 2) ? INT_MAX - 2 : static_cast<int>(len);
  steps_budget_ = steps_left_ = kStepBase + kStepsPerByte * (int64_t{input_len_} + 1);
  ClearSlots();
}

bool TRegKif::Exec(std::string_view text) {
  input_.assign(text);
  SetText(input_);
  return SearchFrom(0);
}

template <class F>
void TRegKif::ForEachMatch(std::string_view text, F each_match) {
  struct Restore {
    TRegKif& re;
    ~Restore() { re.SetText(re.input_); }
  } restore{*this};
  SetText(text);
  if (!SearchFrom(0)) return;
  do {
    each_match();
  } while (ExecNext());
}

bool TRegKif::ExecNext() {
  if (!has_input_ || start_[0] < 0) throw ERegKif(ERegKif::kExecNextWithoutMatch);
  const int from = end_[0] + (end_[0] == start_[0] ? 1 : 0);
  return SearchFrom(static_cast<size_t>(from));
}

int TRegKif::MatchStart(int n) const {
  if (n < 0 || n >= kSlots || !has_input_ || start_[n] < 0) return -1;
  return start_[n] + 1;
}

int TRegKif::MatchLength(int n) const {
  if (n < 0 || n >= kSlots || !has_input_ || start_[n] < 0) return -1;
  return end_[n] - start_[n];
}

std::string TRegKif::MatchText(int n) const {
  if (n < 0 || n >= kSlots || !has_input_ || start_[n] < 0) return {};
  return std::string(text_.substr(start_[n], end_[n] - start_[n]));
}

// A template split into literal text and group references, parsed once per
// replace-all.
struct TRegKif::Template {
  struct Piece {
    std::string literal;
    int group;  // -1: literal; >= kSlots: a group that never exists
  };
  std::vector<Piece> pieces;

  explicit Template(std::string_view t) {
    std::string lit;
    auto group = [&](int g) {
      if (!lit.empty()) pieces.push_back({std::move(lit), -1});
      lit.clear();
      pieces.push_back({{}, g});
    };
    for (size_t i = 0; i < t.size();) {
      const char c = t[i];
      if (c == '\\') {
        // "\c" is c itself; a final "\" stands for itself.
        if (i + 1 < t.size()) {
          lit += t[i + 1];
          i += 2;
        } else {
          lit += c;
          ++i;
        }
        continue;
      }
      if (c != '$') {
        lit += c;
        ++i;
        continue;
      }
      size_t k = i + 1;
      const bool brace = k < t.size() && t[k] == '{';
      if (brace) ++k;
      int g = -1;
      if (k < t.size() && t[k] == '&') {
        g = 0;
        ++k;
      } else if (k < t.size() && t[k] >= '0' && t[k] <= '9') {
        g = 0;
        while (k < t.size() && t[k] >= '0' && t[k] <= '9') {
          if (g < kSlots) g = g * 10 + (t[k] - '0');
          ++k;
        }
      } else if (brace && k < t.size() && t[k] == '}') {
        g = 0;  // "${}" is the whole match
      }
      if (g >= 0 && brace) {
        if (k < t.size() && t[k] == '}') {
          ++k;
        } else {
          g = -1;
        }
      }
      if (g < 0) {
        lit += '$';  // not a reference: the "$" stands for itself
        ++i;
        continue;
      }
      group(g);
      i = k;
    }
    if (!lit.empty()) pieces.push_back({std::move(lit), -1});
  }

  // Throws ERegKif(kOutputLimit) before `out` would pass `limit`.
  void Expand(const TRegKif& re, std::string& out, size_t limit = SIZE_MAX) const {
    for (const Piece& p : pieces) {
      if (p.group < 0) {
        out += p.literal;
      } else if (p.group < kSlots && re.start_[p.group] >= 0) {
        const size_t n = static_cast<size_t>(re.end_[p.group] - re.start_[p.group]);
        if (n > limit - std::min(limit, out.size())) throw ERegKif(ERegKif::kOutputLimit);
        out.append(re.text_.substr(re.start_[p.group], n));
      }
    }
  }
};

std::string TRegKif::ExpandTemplate(std::string_view tmpl) {
  EnsureCompiled();
  if (!has_input_) throw ERegKif(ERegKif::kNoInput);
  std::string out;
  if (tmpl.empty()) return out;
  Template(tmpl).Expand(*this, out);
  return out;
}

std::string TRegKif::ReplaceAll(std::string_view text, std::string_view tmpl, bool expand) {
  std::string out;
  out.reserve(text.size());
  size_t copy = 0;
  const Template parsed(expand ? tmpl : std::string_view());
  const size_t limit = OutputBudget::Limit();
  ForEachMatch(text, [&] {
    out.append(text.substr(copy, start_[0] - copy));
    if (expand) {
      parsed.Expand(*this, out, limit);
    } else {
      out += tmpl;
    }
    copy = end_[0];
    if (out.size() > limit) throw ERegKif(ERegKif::kOutputLimit);
  });
  // Bytes after a NUL are not searched but still belong to the text.
  out.append(text.substr(copy));
  OutputBudget::Check(out.size());
  return out;
}

namespace {
thread_local size_t output_limit = SIZE_MAX;
}  // namespace

TRegKif::OutputBudget::OutputBudget(size_t max_bytes) : previous_(output_limit) {
  output_limit = max_bytes;
}

TRegKif::OutputBudget::~OutputBudget() { output_limit = previous_; }

size_t TRegKif::OutputBudget::Limit() { return output_limit; }

void TRegKif::OutputBudget::Check(size_t bytes) {
  if (bytes > output_limit) throw ERegKif(ERegKif::kOutputLimit);
}

void TRegKif::SplitBy(std::string_view text, std::vector<std::string>& pieces) {
  size_t from = 0;
  ForEachMatch(text, [&] {
    pieces.emplace_back(text.substr(from, start_[0] - from));
    from = end_[0];
  });
  pieces.emplace_back(text.substr(from));
}

std::optional<TRegKif::FixedText> TRegKif::Fixed() const {
  FixedText f;
  // Most rules are plain words: no byte of theirs means anything else.
  if (!(modifiers_ & (regkif::kModI | regkif::kModX)) && !expression_.empty() &&
      expression_.find_first_of(std::string_view("\\^$.[](){}|?+*\0", 15)) == std::string::npos) {
    f.text = expression_;
    return f;
  }
  const regkif::Context ctx{blank_chars_, word_letters_, line_separators_, line_paired_};
  regkif::Tree tree;
  try {
    tree = regkif::Parse(expression_, modifiers_, ctx);
  } catch (const ERegKif&) {
    return std::nullopt;
  }
  // The pattern as a sequence of single bytes and word-boundary assertions.
  std::vector<int> sor;  // a byte, or -1 for \b and -2 for \B
  bool egyszeru = true;
  auto bejar = [&](auto&& self, int id) -> void {
    const regkif::Node& n = tree.nodes[id];
    switch (n.kind) {
      case regkif::Node::kEmpty:
        return;
      case regkif::Node::kConcat:
        for (int kid : n.kids) self(self, kid);
        return;
      case regkif::Node::kChar:
        if (n.icase) egyszeru = false;
        sor.push_back(n.c);
        return;
      case regkif::Node::kSet: {
        const regkif::ByteSet& set = tree.sets[n.set];
        int egy = -1, db = 0;
        for (int b = 0; b < 256; ++b) {
          if (set[b]) {
            egy = b;
            ++db;
          }
        }
        if (db != 1 || n.nopair) egyszeru = false;
        sor.push_back(egy);
        return;
      }
      case regkif::Node::kAssert:
        if (n.assert_op == regkif::kWordB)
          sor.push_back(-1);
        else if (n.assert_op == regkif::kNotWordB)
          sor.push_back(-2);
        else
          egyszeru = false;
        return;
      default:
        egyszeru = false;
        return;
    }
  };
  bejar(bejar, tree.root);
  if (!egyszeru) return std::nullopt;
  auto hatar = [](int x) { return x == -1 ? FixedText::kWord : FixedText::kNotWord; };
  size_t tol = 0, ig = sor.size();
  if (tol < ig && sor[tol] < 0) f.before = hatar(sor[tol++]);
  if (tol < ig && sor[ig - 1] < 0) f.after = hatar(sor[--ig]);
  if (tol == ig) return std::nullopt;
  for (size_t i = tol; i < ig; ++i) {
    if (sor[i] <= 0) return std::nullopt;  // an inner assertion, or NUL
    f.text += static_cast<char>(sor[i]);
  }
  return f;
}
