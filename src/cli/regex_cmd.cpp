// SPDX-License-Identifier: GPL-3.0-or-later
// rovas-cli regex: one TAB-separated pattern request a line on stdin, one
// answer a line on stdout. A request line longer than kMaxLine bytes is read
// to its end and answered "bad input", so one request never holds more than
// a few times that in memory.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/escape.h"
#include "regex/regkif.h"

namespace cli {
namespace {

constexpr size_t kMaxLine = 4 << 20;

enum class LineRead { kEnd, kOk, kTooLong };

// One line without its LF; a line over kMaxLine is skipped to its end.
LineRead ReadLine(std::streambuf& in, std::string& line) {
  line.clear();
  bool any = false;
  bool tooLong = false;
  for (int c; (c = in.sbumpc()) != std::char_traits<char>::eof();) {
    any = true;
    if (c == '\n') break;
    if (line.size() < kMaxLine)
      line.push_back(static_cast<char>(c));
    else
      tooLong = true;
  }
  if (!any) return LineRead::kEnd;
  return tooLong ? LineRead::kTooLong : LineRead::kOk;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t from = 0;
  for (;;) {
    const size_t tab = line.find('\t', from);
    if (tab == std::string_view::npos) {
      fields.push_back(line.substr(from));
      return fields;
    }
    fields.push_back(line.substr(from, tab - from));
    from = tab + 1;
  }
}

bool ValidModifiers(std::string_view mods) {
  bool dash = false;
  for (char c : mods) {
    if (c == '-' && !dash) {
      dash = true;
      continue;
    }
    if (std::string_view("irsgmxIRSGMX").find(c) == std::string_view::npos) return false;
  }
  return true;
}

std::string Slot(const TRegKif& re, int n) {
  return std::to_string(re.MatchStart(n)) + ":" + std::to_string(re.MatchLength(n));
}

// Answers one request line (without its line end).
std::string RegexLine(std::string_view line) {
  const std::vector<std::string_view> raw = SplitTabs(line);
  const std::string_view cmd = raw[0];
  size_t want = 0;
  if (cmd == "match" || cmd == "all" || cmd == "split") want = 4;
  if (cmd == "replace" || cmd == "replacelit") want = 5;
  if (want == 0 || raw.size() != want) return "bad input";
  std::vector<std::string> f;
  for (size_t k = 1; k < raw.size(); ++k) {
    // Control bytes travel %-escaped; a raw one means a malformed line.
    for (char c : raw[k]) {
      if (static_cast<unsigned char>(c) < 0x20) return "bad input";
    }
    std::optional<std::string> v = Unescape(raw[k]);
    if (!v) return "bad input";
    f.push_back(std::move(*v));
  }
  if (!ValidModifiers(f[0])) return "bad input";

  TRegKif re;
  re.SetModifierStr(f[0]);
  re.SetExpression(f[1]);
  try {
    if (cmd == "match") {
      if (!re.Exec(f[2])) return "nomatch";
      int last = 0;
      for (int n = 1; n < TRegKif::kSlots; ++n) {
        if (re.MatchStart(n) > 0) last = n;
      }
      std::string out = "match";
      for (int n = 0; n <= last; ++n) out += " " + Slot(re, n);
      return out;
    }
    if (cmd == "all") {
      std::string out = "matches";
      if (re.Exec(f[2])) {
        do {
          out += " " + Slot(re, 0);
        } while (re.ExecNext());
      }
      return out;
    }
    if (cmd == "split") {
      std::vector<std::string> pieces;
      re.SplitBy(f[2], pieces);
      std::string out = "pieces";
      for (size_t k = 0; k < pieces.size(); ++k) {
        out += k == 0 ? " " : "\t";
        out += Escape(pieces[k]);
      }
      return out;
    }
    return "result " + Escape(re.ReplaceAll(f[3], f[2], cmd == "replace"));
  } catch (const ERegKif& e) {
    return "error " + std::to_string(e.ErrorCode());
  }
}

}  // namespace

int Regex(int, char**) {
  std::ios::sync_with_stdio(false);
  std::string line;
  for (LineRead r; (r = ReadLine(*std::cin.rdbuf(), line)) != LineRead::kEnd;) {
    std::cout << (r == LineRead::kOk ? RegexLine(line) : "bad input") << '\n';
  }
  std::cout.flush();
  return 0;
}

}  // namespace cli
