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

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ERegKif : public std::runtime_error {
 public:
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

  // The message of an error number ("No errors" for 0, "Unknown error" for
  // numbers without a text).
  static std::string ErrorMsg(int code);

 private:
  struct Program;
  struct Template;

  void Compile();
  void EnsureCompiled();
  void ClearSlots();
  bool SearchFrom(size_t pos);

  std::string expression_;
  unsigned modifiers_;
  std::string blank_chars_;
  std::string word_letters_;
  std::string line_separators_;
  std::string line_paired_;
  std::unique_ptr<Program> program_;
  std::string input_;
  int input_len_ = 0;  // up to the first NUL
  bool has_input_ = false;
  int start_[kSlots];
  int end_[kSlots];
};
