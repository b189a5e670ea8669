// SPDX-License-Identifier: GPL-3.0-or-later
// ReplaceAll throughput of the rule patterns over about 1 MB of Hungarian
// Windows-1250 text, side by side with PCRE2 (JIT and interpreter) and
// std::regex doing the same replacements with equivalent patterns.

#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "platform/win1250.h"
#include "regex/regkif.h"

namespace {

std::string W(const char* utf8) { return win1250::FromUtf8(utf8); }

// Hungarian words (with a few Polish names for "ł"), numbers in the shapes the
// number rule looks for, punctuation and CR LF line breaks.
const std::string& Text() {
  static const std::string text = [] {
    const std::vector<std::string> words = {
        W("akkor"),     W("kacsa"),     W("csak"),    W("meccs"),    W("kék"),       W("ők"),
        W("könyv"),     W("család"),    W("szép"),    W("magyar"),   W("rovásírás"), W("betű"),
        W("ábécé"),     W("kicsi"),     W("nagy"),    W("hosszú"),   W("ünnep"),     W("őszi"),
        W("erdő"),      W("kút"),       W("virág"),   W("gyerek"),   W("ház"),       W("tükör"),
        W("fák"),       W("kő"),        W("tanulók"), W("hegyek"),   W("Kárpát"),    W("királyok"),
        W("csónak"),    W("lecsó"),     W("paprika"), W("kalács"),   W("makk"),      W("Łódź"),
        W("Wałbrzych"), W("és"),        W("a"),       W("az"),       W("egy"),       W("hogy"),
        W("nem"),       W("volt"),      W("van"),     W("kell"),     W("lesz"),      W("mert"),
        W("amikor"),    W("Budapest"),  W("Szeged"),  W("Debrecen"), W("ünnepség"),  W("öröm"),
        W("újság"),     W("csütörtök"), W("kedd"),    W("péntek"),   W("vasárnap"),  W("hónap"),
    };
    const std::vector<std::string> numbers = {"1",     "12",      "1848", "1.234", "3,14",
                                              "2 500", "10. 000", "1.5",  "007",   "42"};
    std::mt19937 rng(1848);
    std::string out;
    int in_line = 0;
    while (out.size() < 1024 * 1024) {
      const unsigned r = rng() % 100;
      if (r < 4) {
        out += numbers[rng() % numbers.size()];
      } else {
        out += words[rng() % words.size()];
      }
      const unsigned p = rng() % 100;
      if (p < 8) out += ',';
      if (p >= 8 && p < 13) out += '.';
      if (++in_line > 12 && p > 90) {
        out += "\r\n";
        in_line = 0;
      } else {
        out += ' ';
      }
    }
    return out;
  }();
  return text;
}

struct Rule {
  const char* name;
  std::string pattern;  // RegKifHU
  std::string pcre;     // PCRE2, same matches
  std::string ecma;     // std::regex, equivalent work
  std::string tmpl;     // RegKifHU / PCRE2 template
};

const std::vector<Rule>& Rules() {
  static const std::vector<Rule> rules = [] {
    const std::string word = W("0-9a-zA-Z_áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
    const std::string notw = "[^" + word + "]";
    const std::string l = W("ł");
    return std::vector<Rule>{
        {"cs", "cs", "cs", "cs", "C"},
        {"ccs", "ccs", "ccs", "ccs", "CC"},
        {"(^|\\W)k", "(^|\\W)k", "(^|" + notw + ")k", "(^|" + notw + ")k", "$1K"},
        {"k($|\\W)", "k($|\\W)", "k(\\z|" + notw + ")", "k($|" + notw + ")", "K$1"},
        {"\\Bl\\B", "\\B" + l + "\\B", "(?<=^|" + notw + ")" + l + "(?=\\z|" + notw + ")",
         // No look-behind in ECMAScript: the preceding byte is consumed and put back.
         "(^|" + notw + ")" + l + "(?=$|" + notw + ")", "L"},
        {"([aauuoo][^...]{3})k", W("([aáuúoó][^eéiíüűöőEÉIÍÜŰÖŐÜŰ ]{3})k"),
         W("([aáuúoó][^eéiíüűöőEÉIÍÜŰÖŐÜŰ ]{3})k"), W("([aáuúoó][^eéiíüűöőEÉIÍÜŰÖŐÜŰ ]{3})k"),
         "$1K"},
        {"\\d+((\\. |\\.|,| |)\\d+)*", "\\d+((\\. |\\.|,| |)\\d+)*", "\\d+((\\. |\\.|,| |)\\d+)*",
         "\\d+((\\. |\\.|,| |)\\d+)*", "#"},
    };
  }();
  return rules;
}

std::string PcreReplace(pcre2_code* re, pcre2_match_data* md, const std::string& text,
                        const std::string& tmpl, bool jit) {
  std::string out(text.size() * 2 + 64, '\0');
  PCRE2_SIZE len = out.size();
  const uint32_t opts = PCRE2_SUBSTITUTE_GLOBAL | (jit ? 0 : PCRE2_NO_JIT);
  const int rc = pcre2_substitute(re, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0,
                                  opts, md, nullptr, reinterpret_cast<PCRE2_SPTR>(tmpl.data()),
                                  tmpl.size(), reinterpret_cast<PCRE2_UCHAR*>(out.data()), &len);
  if (rc < 0) {
    std::fprintf(stderr, "pcre2_substitute failed: %d\n", rc);
    std::abort();
  }
  out.resize(len);
  return out;
}

pcre2_code* PcreCompile(const std::string& pattern) {
  int err = 0;
  PCRE2_SIZE off = 0;
  pcre2_code* re = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), 0,
                                 &err, &off, nullptr);
  if (!re) {
    std::fprintf(stderr, "pcre2_compile failed at %zu: %d\n", static_cast<size_t>(off), err);
    std::abort();
  }
  return re;
}

void BM_RegKif(benchmark::State& state, const Rule* rule) {
  const std::string& text = Text();
  TRegKif re;
  re.SetExpression(rule->pattern);
  std::string out;
  for (auto _ : state) {
    out = re.ReplaceAll(text, rule->tmpl, true);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

void BM_Pcre2(benchmark::State& state, const Rule* rule, bool jit) {
  const std::string& text = Text();
  pcre2_code* re = PcreCompile(rule->pcre);
  if (jit) pcre2_jit_compile(re, PCRE2_JIT_COMPLETE);
  pcre2_match_data* md = pcre2_match_data_create_from_pattern(re, nullptr);
  // The same rule must give the same text in both engines.
  TRegKif ours;
  ours.SetExpression(rule->pattern);
  if (PcreReplace(re, md, text, rule->tmpl, jit) != ours.ReplaceAll(text, rule->tmpl, true)) {
    state.SkipWithError("PCRE2 and RegKifHU results differ");
  }
  std::string out;
  for (auto _ : state) {
    out = PcreReplace(re, md, text, rule->tmpl, jit);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
  pcre2_match_data_free(md);
  pcre2_code_free(re);
}

void BM_StdRegex(benchmark::State& state, const Rule* rule) {
  const std::string& text = Text();
  const std::regex re(rule->ecma);
  std::string out;
  for (auto _ : state) {
    out = std::regex_replace(text, re, rule->tmpl);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

// How long a runaway search over 1 MB takes to meet its step budget: the
// bound on what one hostile rule can cost.
void BM_Runaway(benchmark::State& state, const char* pattern, const char* mods, char fill) {
  const std::string text = std::string(1 << 20, fill) + "zy";
  TRegKif re;
  re.SetExpression(pattern);
  re.SetModifierStr(mods);
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(re.Exec(text));
    } catch (const ERegKif&) {
    }
  }
  state.counters["steps"] = static_cast<double>(re.StepsTaken());
}

const bool registered = [] {
  struct Runaway {
    const char* name;
    const char* pattern;
    const char* mods;
    char fill;
  };
  static constexpr Runaway kRunaways[] = {
      {"backref", "(x+)\\1*y", "-i", 'x'}, {"backref_i", "(x+)\\1*y", "i", 'x'},
      {"lazy", "x+?y", "-i", 'x'},         {"lazy_dot", "a.+?Q", "-i", 'a'},
      {"nested", "(x+x+)+y", "-i", 'x'},
  };
  for (const Runaway& r : kRunaways) {
    benchmark::RegisterBenchmark((std::string("Runaway1MB/") + r.name).c_str(), BM_Runaway,
                                 r.pattern, r.mods, r.fill)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  }
  for (const Rule& rule : Rules()) {
    const std::string name = rule.name;
    benchmark::RegisterBenchmark(("RegKif/" + name).c_str(), BM_RegKif, &rule)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Pcre2Jit/" + name).c_str(), BM_Pcre2, &rule, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Pcre2Interp/" + name).c_str(), BM_Pcre2, &rule, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("StdRegex/" + name).c_str(), BM_StdRegex, &rule)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
