#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the bundled rovás typefaces from Noto Sans Old Hungarian and Noto Sans.

The fonts are 8-bit rovás fonts: each Windows-1250 byte of a transliterated text
(the cmap key is that byte's Unicode code point) draws a rune.  The "jb" cuts
draw runes as written right to left, the "bj" cuts mirror them for left-to-right
writing.  Usage: make_rovas_fonts.py OUTPUT_DIR [NOTO_DIR]
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

VERSION = "2.400"
# Fixed timestamp (2015-03-10, seconds since 1904) keeps the output byte-identical.
TIMESTAMP = 3508963200

# (family, file name, left to right, has capitals).  The "n elojellel" cuts
# write capitals with the capital runes and put their letters and punctuation
# at the codes of their own catalogue entry (ELOJELLEL below).
FAMILIES = [
    ("Rovasjel jb", "Rovasjel-jb", False, False),
    ("Rovasjel bj", "Rovasjel-bj", True, False),
    ("Osi betusor jb", "Osibetusor-jb", False, False),
    ("Osi betusor bj", "Osibetusor-bj", True, False),
    ("Rovas n elojellel jb", "Rovasnelojellel-jb", False, True),
    ("Rovas n elojellel bj", "Rovasnelojellel-bj", True, True),
    ("Osi betu n elojellel jb", "Osibetunelojellel-jb", False, True),
    ("Osi betu n elojellel bj", "Osibetunelojellel-bj", True, True),
]

# The letter <-> rune table shared with the Unicode converter.
TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "fonts",
                     "rovasjelek.txt")


def read_table(path):
    """(RUNE, NUMERAL, LETTER) from the shared table: sound -> small letter,
    value -> numeral, single Windows-1250 letter -> the sounds it is written with."""
    rune, numeral, letter = {}, {}, {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            kind, key, rest = fields[0], fields[1], fields[2:]
            if kind == "rune":
                rune[key] = int(rest[0], 16)
            elif kind == "numeral":
                numeral[int(key)] = int(rest[0], 16)
            elif kind == "letters" and len(key) == 1:
                letter[key] = " ".join(rest)
    return rune, numeral, letter


RUNE, NUMERAL, LETTER = read_table(TABLE)

# Codes with a fixed role in the catalogue of these fonts: the two-letter
# consonants, the k variants (K at a word's end, ł at its start) and the
# numerals 1, 5, 10, 50, 100, 500, 1000 at the digits 1-7.
FIXED_ROLE = {
    "C": ("rune", ["cs"]), "G": ("rune", ["gy"]), "L": ("rune", ["ly"]),
    "N": ("rune", ["ny"]), "S": ("rune", ["sz"]), "T": ("rune", ["ty"]),
    "Z": ("rune", ["zs"]), "K": ("rune", ["ak"]), "ł": ("rune", ["k"]),
    "1": ("numeral", [1]), "2": ("numeral", [5]), "3": ("numeral", [10]),
    "4": ("numeral", [50]), "5": ("numeral", [100]),
    # No Unicode sign for 500: written as five times one hundred, 5 then 100.
    "6": ("numeral", [5, 100]), "7": ("numeral", [1000]),
}


NUMERALS = {d: FIXED_ROLE[d] for d in "1234567"}

# The "n elojellel" fonts: the two-letter consonants at punctuation codes (a
# capital code each), k at a word's start as q and at its end as w (ek like
# the k between; ł too, as in the other fonts), and the punctuation those codes displace moved to X x Y # Ä
# ä Đ, as the catalogue's letter list writes them.
ELOJELLEL = dict(NUMERALS)
for small, cap, sound in (("'", "~", "cs"), ('"', "\u02c7", "gy"), ("+", "^", "ly"),
                          ("!", "\u02d8", "ny"), ("%", "\u00b0", "sz"), ("/", "\u02db", "ty"),
                          ("=", "`", "zs")):
    ELOJELLEL[small] = ("rune", [sound])
    ELOJELLEL[cap] = ("capital", [sound])
ELOJELLEL.update({
    "q": ("rune", ["k"]), "w": ("rune", ["k"]), "\u0142": ("rune", ["k"]),
    "Q": ("capital", ["k"]), "W": ("capital", ["k"]),
    "X": ("latin", ["!"]), "x": ("latin", ["?"]), "Y": ("latin", ['"']),
    "#": ("latin", ["%"]), "\u00c4": ("latin", ["/"]), "\u00e4": ("latin", ["+"]),
    "\u0110": ("latin", ["="]),
})


def cp1250_chars():
    """Every printable Windows-1250 character (0x20-0xFF, defined bytes)."""
    out = []
    for b in range(0x20, 0x100):
        if b == 0x7F:
            continue
        try:
            out.append(bytes([b]).decode("cp1250"))
        except UnicodeDecodeError:
            pass
    return out


def plan(ch, capitals=False):
    """What to draw for one character: ('rune'|'capital'|'numeral'|'latin', parts).
    Without separate capitals a capital draws the rune of its small letter."""
    fixed = ELOJELLEL if capitals else FIXED_ROLE
    if ch in fixed:
        return fixed[ch]
    low = ch.lower()
    if low in LETTER and len(low) == 1:
        return ("capital" if capitals and ch != low else "rune", LETTER[low].split())
    if ch == "\u00a0":
        return ("latin", [" "])
    return ("latin", [ch])


class Sources:
    def __init__(self, noto_dir):
        self.oh = TTFont(os.path.join(noto_dir, "NotoSansOldHungarian-Regular.ttf"))
        self.latin = TTFont(os.path.join(noto_dir, "NotoSans-Regular.ttf"))
        self.oh_glyphs = self.oh.getGlyphSet()
        self.latin_glyphs = self.latin.getGlyphSet()
        self.oh_cmap = self.oh.getBestCmap()
        self.latin_cmap = self.latin.getBestCmap()

    def rune_outline(self, cp, ltr):
        """(recording, advance) of one rune; ltr picks the left-to-right form."""
        name = self.oh_cmap[cp]
        if ltr and name + ".ltr" in self.oh_glyphs:
            name += ".ltr"
            ltr = False  # designed left-to-right form: no flipping needed
        glyph = self.oh_glyphs[name]
        rec = DecomposingRecordingPen(self.oh_glyphs)
        glyph.draw(rec)
        if ltr:
            rec = mirrored(rec, glyph.width)
        return rec, glyph.width

    def latin_outline(self, ch):
        glyph = self.latin_glyphs[self.latin_cmap[ord(ch)]]
        rec = DecomposingRecordingPen(self.latin_glyphs)
        glyph.draw(rec)
        return rec, glyph.width


def mirrored(rec, width):
    out = DecomposingRecordingPen({})
    # Flipping reverses the winding; reversing the contours restores it.
    rec.replay(TransformPen(ReverseContourPen(out), (-1, 0, 0, 1, width, 0)))
    return out


def build_glyph(src, kind, parts, ltr):
    """Returns (TTGlyph, advance) for a plan.  Multi-part runes are laid out in
    writing order: right to left for the jb cuts, left to right for bj."""
    pen = TTGlyphPen(None)
    if kind == "latin":
        rec, adv = src.latin_outline(parts[0])
        rec.replay(pen)
        return pen.glyph(), adv
    cps = []
    for p in parts:
        if kind == "numeral":
            cps.append(NUMERAL[p])
        elif kind == "capital":
            cps.append(RUNE[p] - 0x40)  # the capital letters lie 0x40 below the small ones
        else:
            cps.append(RUNE[p])
    pieces = [src.rune_outline(cp, ltr) for cp in cps]
    if not ltr:
        pieces.reverse()
    x = 0
    for rec, adv in pieces:
        rec.replay(TransformPen(pen, (1, 0, 0, 1, x, 0)))
        x += adv
    return pen.glyph(), x


def build_font(src, family, psname, ltr, capitals, path):
    glyphs = {".notdef": notdef_glyph()}
    advances = {".notdef": 500}
    cmap = {}
    names_by_plan = {}
    for ch in cp1250_chars():
        kind, parts = plan(ch, capitals)
        key = (kind, tuple(parts))
        if key not in names_by_plan:
            gname = "g%02X" % ch.encode("cp1250")[0]
            glyph, adv = build_glyph(src, kind, parts, ltr)
            glyphs[gname] = glyph
            advances[gname] = adv
            names_by_plan[key] = gname
        cmap[ord(ch)] = names_by_plan[key]

    order = [".notdef"] + sorted(n for n in glyphs if n != ".notdef")
    fb = FontBuilder(1000, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    for n in order:
        g = glyf[n]
        metrics[n] = (advances[n], g.xMin if g.numberOfContours else 0)
    fb.setupHorizontalMetrics(metrics)
    ascent, descent = 1069, -293  # Noto Sans: room for the punctuation too
    fb.setupHorizontalHeader(ascent=ascent, descent=descent)
    copyright_ = (
        "Copyright 2018-2020 Google LLC. All Rights Reserved. (Noto Sans Old Hungarian); "
        "Copyright 2015 Google LLC. All Rights Reserved. (Noto Sans); "
        "rearranged as an 8-bit rovás font by the Tollnok developers."
    )
    fb.setupNameTable(
        {
            "copyright": copyright_,
            "familyName": family,
            "styleName": "Regular",
            "uniqueFontIdentifier": "%s;Tollnok;%s" % (VERSION, psname),
            "fullName": family,
            "version": "Version " + VERSION,
            "psName": psname,
            "description": "Runes at Windows-1250 code points for Hungarian rovás "
            "writing (%s). Derived from Noto Sans Old Hungarian and Noto Sans."
            % ("left to right" if ltr else "right to left"),
            "licenseDescription": "This Font Software is licensed under the SIL Open Font "
            "License, Version 1.1. This license is available with a FAQ at: "
            "https://openfontlicense.org",
            "licenseInfoURL": "https://openfontlicense.org",
        },
        mac=False,
    )
    fb.setupOS2(
        sTypoAscender=ascent,
        sTypoDescender=descent,
        sTypoLineGap=0,
        usWinAscent=ascent,
        usWinDescent=-descent,
        usWeightClass=400,
        achVendID="TOLL",
        fsType=0,
        ulUnicodeRange1=(1 << 0) | (1 << 1) | (1 << 2) | (1 << 31),
        ulCodePageRange1=(1 << 0) | (1 << 1),
        sxHeight=536,
        sCapHeight=714,
    )
    fb.setupPost(keepGlyphNames=False)
    fb.setupHead(created=TIMESTAMP, modified=TIMESTAMP, fontRevision=float(VERSION))
    fb.font["head"].created = TIMESTAMP
    fb.font["head"].modified = TIMESTAMP
    fb.save(path)


def notdef_glyph():
    pen = TTGlyphPen(None)
    for (x0, y0, x1, y1), clockwise in (((50, 0, 450, 700), True), ((100, 50, 400, 650), False)):
        pts = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not clockwise:
            pts.reverse()
        pen.moveTo(pts[0])
        for p in pts[1:]:
            pen.lineTo(p)
        pen.closePath()
    return pen.glyph()


def file_name(psname):
    return psname + ".ttf"


def main():
    out_dir = sys.argv[1]
    noto_dir = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/fonts/truetype/noto"
    os.makedirs(out_dir, exist_ok=True)
    src = Sources(noto_dir)
    for family, psname, ltr, capitals in FAMILIES:
        build_font(src, family, psname, ltr, capitals, os.path.join(out_dir, file_name(psname)))


if __name__ == "__main__":
    main()
