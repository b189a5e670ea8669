// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// RegKifHU: the pattern dialect every rewrite rule is written in.
//
// A Perl-like backtracking dialect over Windows-1250 bytes whose word letters
// include the Hungarian accented letters. Positions reported to callers are
// 1-based byte positions. The subject text ends at its length or at its first
// NUL byte. Patterns compile lazily at the first search that needs them, and
// again whenever the modifiers differ from those they were compiled with.
//
// Every error is thrown as ERegKif; nothing here catches its own errors.

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ERegKif : public std::runtime_error {
 public:
  // Error numbers: compile errors below 1000, search errors from 1000. The
  // numbers are part of the interface (rovas-cli prints them); their texts
  // are TRegKif::ErrorMsg.
  enum Code : int {
    kNoError = 0,
    kTooManyGroups = 102,     // a 15th capturing group
    kUnmatchedOpen = 103,     // a group not closed at the end
    kUnmatchedClose = 104,    // ")" without "("
    kJunkAtEnd = 105,         // internal check
    kEmptyOperand = 106,      // "*", "+" or braces on what can match empty
    kNestedQuantifier = 107,  // a quantifier right after a quantifier
    kBadHexDigit = 108,       // \x with a non-hex digit
    kInvalidRange = 109,      // [z-a]
    kTrailingBackslashInClass = 110,
    kNoHexCode = 111,         // \x with too few digits or an open brace
    kHexTooBig = 112,         // \x{...} above FF
    kUnmatchedBracket = 113,  // "[" not closed
    kInternalParser = 114,    // internal check
    kQuantifierFollowsNothing = 115,
    kTrailingBackslash = 116,
    kInternalAtomParser = 119,  // internal check
    kBraceCountTooBig = 122,    // more than 8 digits
    kBraceMinAboveMax = 124,
    kUnclosedComment = 125,  // "(?#" without ")"
    kUnrecognisedModifier = 127,
    kBadPairedSeparator = 128,  // LinePairedSeparator not two different characters
    kRepeatMisplaced = 1000,    // 1000-1002, 1004, 1015: corrupted program checks
    kMatcherMemory = 1001,
    kMatcherPointers = 1002,
    kNoExpression = 1003,  // a search without a pattern
    kCorruptedProgram = 1004,
    kNoInput = 1005,  // a template expansion before any text
    kExecNextWithoutMatch = 1007,
    kLoopStackExceeded = 1014,  // more than 10 counted loops active
    kLoopWithoutEntry = 1015,
    kStepLimit = 1016,    // one text's searches took more steps than its budget
    kOutputLimit = 1017,  // a replace-all outgrew the output budget
  };

  // `pos` >= 0 appends " (pos N)" to the message (compile errors only).
  ERegKif(int code, int pos = -1);
  int ErrorCode() const { return code_; }
  int CompilerErrorPos() const { return pos_; }

 private:
  int code_;
  int pos_;
};

class TRegKif {
 public:
  static constexpr int kSlots = 15;  // group 0 (the whole match) and groups 1..14

  TRegKif();
  ~TRegKif();
  TRegKif(const TRegKif&) = delete;
  TRegKif& operator=(const TRegKif&) = delete;

  // Assigning a different pattern (or any pattern while uncompiled) discards
  // the compiled program; compilation waits for the next search.
  void SetExpression(std::string_view pattern);
  const std::string& Expression() const { return expression_; }

  // Modifier letters i r s g m x, either case. Defaults: i off, r on, s on,
  // g on, m off, x off. A change takes effect at the next search.
  bool Modifier(char letter) const;
  void SetModifier(char letter, bool on);
  // "im-s": letters before '-' switched on, after it off. Unknown letters are ignored.
  void SetModifierStr(std::string_view mods);

  // Character sets; a change discards the compiled program.
  const std::string& BlankChars() const { return blank_chars_; }
  void SetBlankChars(std::string_view chars);
  const std::string& WordLetters() const { return word_letters_; }
  void SetWordLetters(std::string_view chars);
  const std::string& LineSeparatorChars() const { return line_separators_; }
  void SetLineSeparatorChars(std::string_view chars);
  // Exactly two different characters (head, tail) or empty; else error 128.
  const std::string& LinePairedSeparator() const { return line_paired_; }
  void SetLinePairedSeparator(std::string_view pair);

  // Copies `text`, clears the slots and searches from position 1.
  bool Exec(std::string_view text);
  // Searches on from the end of the current match (one further after an empty
  // match). Error 1007 when there is no current match.
  bool ExecNext();

  // Exec and the ExecNext calls after it share one step budget that grows
  // with the text: kStepBase plus kStepsPerByte for each byte. Every unit of
  // work is charged (program.h, Matcher::Search), so the budget bounds the
  // time: a search over 1 MB ends within about half a second, whatever the
  // pattern. Catastrophic backtracking (such as "(x+x+)+y" on a long run of
  // x) runs out of it and throws ERegKif(kStepLimit) instead of running for
  // hours. The rules of the font catalogue take about one step per byte.
  static constexpr int64_t kStepBase = 4'000'000;
  static constexpr int64_t kStepsPerByte = 100;
  // The steps the searches of the current text have taken so far.
  int64_t StepsTaken() const { return steps_budget_ - steps_left_; }

  // While one is alive on a thread, a ReplaceAll on that thread whose result
  // would pass `max_bytes` throws ERegKif(kOutputLimit). The engine opens one
  // per transliteration so that rules which multiply the text fail early
  // instead of exhausting memory. Budgets nest; the innermost one counts.
  class OutputBudget {
   public:
    explicit OutputBudget(size_t max_bytes);
    ~OutputBudget();
    OutputBudget(const OutputBudget&) = delete;
    OutputBudget& operator=(const OutputBudget&) = delete;
    // The innermost open budget; SIZE_MAX when none is open.
    static size_t Limit();
    // Throws ERegKif(kOutputLimit) when `bytes` is over Limit().
    static void Check(size_t bytes);

   private:
    size_t previous_;
  };

  // Slot n of the current match; -1 / empty when n is outside 0..14, no text
  // is set or the slot is unset.
  int MatchStart(int n) const;
  int MatchLength(int n) const;
  std::string MatchText(int n) const;

  // "$n", "${n}", "$&", "${}" give group texts; "\c" gives c.
  std::string ExpandTemplate(std::string_view tmpl);
  // Every non-overlapping match replaced by the template (expanded when
  // `expand`), text between matches copied unchanged.
  std::string ReplaceAll(std::string_view text, std::string_view tmpl, bool expand);
  // Appends the pieces between matches, then the rest (possibly empty).
  void SplitBy(std::string_view text, std::vector<std::string>& pieces);

  // Whether every match lies inside one line and depends on that line alone,
  // so that searching each line of a text (with or without its CR LF) finds
  // what searching the whole text finds there: the pattern cannot match the
  // empty string, consume CR or LF, or assert the start or end of the text or
  // of a line. False for an invalid or empty pattern.
  bool LineLocal() const;

  // What the pattern matches when it is one fixed string: its bytes, matched
  // case-sensitively, with a "\b" or "\B" at either end ("\bk", "[(]",
  // "\.\B"). nullopt for every other pattern, an invalid one included, and
  // for text with a NUL (which no search reaches).
  struct FixedText {
    enum Boundary : uint8_t { kNone, kWord, kNotWord };  // no assertion, \b, \B
    std::string text;
    Boundary before = kNone;
    Boundary after = kNone;
  };
  std::optional<FixedText> Fixed() const;

  // The message of an error number ("No errors" for 0, "Unknown error" for
  // numbers without a text).
  static std::string ErrorMsg(int code);

 private:
  struct Program;
  struct Template;

  void Compile();
  void EnsureCompiled();
  void ClearSlots();
  // Makes `text` the searched text (slots cleared, step budget renewed).
  void SetText(std::string_view text);
  bool SearchFrom(size_t pos);
  // Runs `each_match` for every match of `text`, searching the caller's text in
  // place; the slots are unset afterwards, so no copy of it is needed.
  template <class F>
  void ForEachMatch(std::string_view text, F each_match);

  std::string expression_;
  unsigned modifiers_;
  std::string blank_chars_;
  std::string word_letters_;
  std::string line_separators_;
  std::string line_paired_;
  std::unique_ptr<Program> program_;
  std::string input_;      // Exec's own copy of its text
  std::string_view text_;  // the text searched: input_, or a replace-all's argument
  int input_len_ = 0;      // up to the first NUL
  bool has_input_ = false;
  int64_t steps_left_ = 0;    // of the current text's step budget
  int64_t steps_budget_ = 0;  // the current text's whole budget
  int start_[kSlots];
  int end_[kSlots];
};
