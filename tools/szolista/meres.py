#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks an exception-word list with the real engine (rovas-cli atrov).

    tools/szolista/meres.py ROVAS_CLI LIST WORDS

WORDS holds one word a line with "|" at each false pair (rovas_szogen --meres
writes them). Every word goes through `rovas-cli atrov --unicode` twice: with
LIST, and with a list that splits exactly that word's false pairs (one
whole-word entry per word), which is the right answer. Words with a false pair
count as right when the two agree; words with only true pairs when LIST leaves
them as a run without any list does.
"""
import os
import subprocess
import sys
import tempfile


def atrov(cli, szo_xml, words):
    out = subprocess.run([cli, "atrov", "--unicode", "--utf8", "--szo", szo_xml],
                         input="\n".join(words) + "\n", capture_output=True, text=True,
                         check=True).stdout
    return out.split("\n")[:len(words)]


def main():
    cli, lista, szavak = sys.argv[1:4]
    marked = [l.strip() for l in open(szavak, encoding="utf-8") if l.strip()]
    words = [m.replace("|", "") for m in marked]
    with tempfile.TemporaryDirectory() as tmp:
        right_xml = os.path.join(tmp, "right.xml")
        with open(right_xml, "w", encoding="utf-8") as f:
            for m, w in zip(marked, words):
                if "|" in m:
                    f.write('<szo mit="\\b%s\\b" mire="%s"/>\n' % (w, m))
        want = atrov(cli, right_xml, words)
    got = atrov(cli, lista, words)
    false_n = false_ok = true_n = true_changed = 0
    wrong = []
    for m, g, w in zip(marked, got, want):
        if "|" in m:
            false_n += 1
            false_ok += g == w
        else:
            true_n += 1
            true_changed += g != w
        if g != w and len(wrong) < 15:
            wrong.append(m)
    print("words with a false pair: %d, right: %d (%.2f %%)" %
          (false_n, false_ok, 100.0 * false_ok / max(1, false_n)))
    print("words with only true pairs: %d, changed: %d (%.3f %%)" %
          (true_n, true_changed, 100.0 * true_changed / max(1, true_n)))
    print("some wrong ones:", " ".join(wrong))


if __name__ == "__main__":
    main()
