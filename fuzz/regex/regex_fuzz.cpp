// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the pattern dialect over (pattern, modifiers, subject, template):
// nothing may crash, and results must stay inside the text and consistent.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "regex/regkif.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const uint8_t mods = in.ConsumeIntegral<uint8_t>();
  const uint8_t props = in.ConsumeIntegral<uint8_t>();
  const std::string pattern = in.ConsumeRandomLengthString(96);
  const std::string tmpl = in.ConsumeRandomLengthString(24);
  // Backtracking is exponential on some patterns (matching with
  // back-references is NP-hard). The failure memo keeps most patterns
  // polynomial, but not those with back-references or loop counters (braces):
  // these get short subjects to stay within the time limit.
  bool unbounded = pattern.find('{') != std::string::npos;
  for (size_t k = 0; k + 1 < pattern.size(); ++k) {
    unbounded |= pattern[k] == '\\' && pattern[k + 1] >= '1' && pattern[k + 1] <= '9';
  }
  const std::string subject = in.ConsumeRandomLengthString(unbounded ? 16 : 64);

  TRegKif re;
  const char letters[] = "irsgmx";
  for (int k = 0; k < 6; ++k) re.SetModifier(letters[k], mods & (1 << k));
  if (props & 1) re.SetWordLetters("ab");
  if (props & 2) re.SetBlankChars("");
  if (props & 4) re.SetLineSeparatorChars(";");
  try {
    if (props & 8) re.SetLinePairedSeparator(props & 16 ? "" : "<>");
    if (props & 32) re.SetLinePairedSeparator(tmpl.substr(0, 2));
  } catch (const ERegKif& e) {
    Check(e.ErrorCode() == 128);
  }
  re.SetExpression(pattern);

  size_t len = subject.find('\0');
  if (len == std::string::npos) len = subject.size();
  try {
    int matches = 0;
    size_t matched_bytes = 0;
    if (re.Exec(subject)) {
      do {
        const int s = re.MatchStart(0);
        Check(s >= 1 && s + re.MatchLength(0) <= static_cast<int>(len) + 1);
        for (int g = 1; g < TRegKif::kSlots; ++g) {
          const int gs = re.MatchStart(g);
          Check(gs == -1 || (gs >= 1 && gs + re.MatchLength(g) <= static_cast<int>(len) + 1));
          Check((gs == -1) == re.MatchText(g).empty() || re.MatchLength(g) == 0);
        }
        matched_bytes += re.MatchLength(0);
        re.ExpandTemplate(tmpl);
        ++matches;
      } while (re.ExecNext());
    }
    // Replacing every match by itself gives the text back; removing them
    // removes exactly the matched bytes.
    Check(re.ReplaceAll(subject, "$0", true) == subject);
    Check(re.ReplaceAll(subject, "", false).size() == subject.size() - matched_bytes);
    std::vector<std::string> pieces;
    re.SplitBy(subject, pieces);
    Check(pieces.size() == static_cast<size_t>(matches) + 1);
    re.ReplaceAll(subject, tmpl, true);
  } catch (const ERegKif& e) {
    Check(e.ErrorCode() > 0);
  }
  return 0;
}
