#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Assembles the web edition's site from the page's files and the built core.

Usage: epites.py SITE WASM_DIR FONT_DIR NOTO_FONT [SZO_XML]

Writes into SITE: the page files of web/, the core (tollnok.js, tollnok.wasm),
the bundled typefaces as WOFF2 with a stylesheet whose unicode-range lists the
characters each face draws (the Windows-1250 characters the engine writes),
the Unicode rovás face, the exception-word list when there is one, the icons,
and the service worker with the list of every file and a version hash.
"""

import hashlib
import json
import math
import os
import shutil
import struct
import sys
import zlib

from fontTools.ttLib import TTFont

OLDAL = ["index.html", "stilus.css", "oldal.js", "munkas.js", "manifest.webmanifest"]
# The bundled 8-bit faces: family name, file stem.
ARCOK = [
    ("Rovasjel jb", "Rovasjel-jb"),
    ("Rovasjel bj", "Rovasjel-bj"),
    ("Osi betusor jb", "Osibetusor-jb"),
    ("Osi betusor bj", "Osibetusor-bj"),
]
UNICODE_CSALAD = "Noto Sans Old Hungarian"


def unicode_tartomany(font):
    """The unicode-range descriptor for the code points a face maps."""
    pontok = sorted(font.getBestCmap())
    reszek, i = [], 0
    while i < len(pontok):
        j = i
        while j + 1 < len(pontok) and pontok[j + 1] == pontok[j] + 1:
            j += 1
        reszek.append(f"U+{pontok[i]:X}" if i == j else f"U+{pontok[i]:X}-{pontok[j]:X}")
        i = j + 1
    return ", ".join(reszek)


def woff2(forras, cel):
    font = TTFont(forras)
    font.flavor = "woff2"
    font.save(cel)
    return font


def png(meret, utvonal):
    """The icon: a rovás 'T' and 'K' carved in light strokes on a dark tile."""
    hatter, jel = (122, 46, 28), (251, 247, 239)
    # Strokes in unit coordinates (x0, y0, x1, y1).
    vonalak = [(0.38, 0.2, 0.38, 0.8), (0.38, 0.5, 0.2, 0.3), (0.62, 0.2, 0.62, 0.8),
               (0.62, 0.35, 0.8, 0.2), (0.62, 0.35, 0.8, 0.5)]
    vastag = 0.055
    sorok = []
    for y in range(meret):
        sor = bytearray([0])
        for x in range(meret):
            px, py = (x + 0.5) / meret, (y + 0.5) / meret
            d = min(szakasz_tav(px, py, v) for v in vonalak)
            a = max(0.0, min(1.0, (vastag - d) * meret + 0.5))
            sor += bytes(round(h + (j - h) * a) for h, j in zip(hatter, jel))
        sorok.append(bytes(sor))
    nyers = zlib.compress(b"".join(sorok), 9)

    def darab(tipus, adat):
        return (struct.pack(">I", len(adat)) + tipus + adat +
                struct.pack(">I", zlib.crc32(tipus + adat) & 0xFFFFFFFF))

    with open(utvonal, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + darab(b"IHDR", struct.pack(">IIBBBBB", meret, meret, 8, 2, 0, 0, 0)) +
                darab(b"IDAT", nyers) + darab(b"IEND", b""))


def szakasz_tav(px, py, v):
    x0, y0, x1, y1 = v
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def main():
    site, wasm, betuk, noto = sys.argv[1:5]
    szo_xml = sys.argv[5] if len(sys.argv) > 5 else ""
    forras = os.path.dirname(os.path.abspath(__file__))
    if os.path.isdir(site):
        shutil.rmtree(site)
    os.makedirs(os.path.join(site, "betuk"))

    for f in OLDAL:
        shutil.copy(os.path.join(forras, f), site)
    for f in ("tollnok.js", "tollnok.wasm"):
        shutil.copy(os.path.join(wasm, f), site)
    if szo_xml and os.path.isfile(szo_xml):
        shutil.copy(szo_xml, os.path.join(site, "szo.xml"))

    css = ["/* The bundled faces: each draws the Windows-1250 characters of its codes. */"]
    for csalad, fajl in ARCOK:
        font = woff2(os.path.join(betuk, fajl + ".ttf"), os.path.join(site, "betuk", fajl + ".woff2"))
        css.append(f'@font-face {{ font-family: "{csalad}"; src: url("betuk/{fajl}.woff2") '
                   f'format("woff2"); unicode-range: {unicode_tartomany(font)}; font-display: block; }}')
    font = woff2(noto, os.path.join(site, "betuk", "NotoSansOldHungarian.woff2"))
    css.append(f'@font-face {{ font-family: "{UNICODE_CSALAD}"; '
               'src: url("betuk/NotoSansOldHungarian.woff2") format("woff2"); '
               f'unicode-range: {unicode_tartomany(font)}; font-display: swap; }}')
    shutil.copy(os.path.join(betuk, "OFL.txt"), os.path.join(site, "betuk", "OFL.txt"))
    with open(os.path.join(site, "betuk.css"), "w", encoding="utf-8") as f:
        f.write("\n".join(css) + "\n")

    png(192, os.path.join(site, "ikon-192.png"))
    png(512, os.path.join(site, "ikon-512.png"))

    fajlok = ["./"]
    hash_ = hashlib.sha256()
    for gyoker, _, nevek in sorted(os.walk(site)):
        for nev in sorted(nevek):
            ut = os.path.join(gyoker, nev)
            rel = os.path.relpath(ut, site).replace(os.sep, "/")
            fajlok.append(rel)
            with open(ut, "rb") as f:
                hash_.update(rel.encode() + b"\0" + f.read())
    with open(os.path.join(forras, "sw.js"), encoding="utf-8") as f:
        sw = f.read()
    sw = sw.replace("/* FAJLOK */", ", ".join(json.dumps(f) for f in fajlok))
    sw = sw.replace("/* VALTOZAT */", hash_.hexdigest()[:16])
    with open(os.path.join(site, "sw.js"), "w", encoding="utf-8") as f:
        f.write(sw)


if __name__ == "__main__":
    main()
