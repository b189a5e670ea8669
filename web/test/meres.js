// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark of the web edition in chromium: page load to the first output,
// and the transliteration of 1 MB in the page's worker beside rovas-cli on
// the same text. Prints the figures; asserts nothing.
'use strict';

const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const k = require('./kornyezet');

// Paragraphs of five sentences, as a pasted text has them.
const BEKEZDES = 'Egyszer volt, hol nem volt, az Óperenciás-tengeren is túl, volt egy 1848 éves király. '
    .repeat(5).trimEnd() + '\n';
const SZOVEG = BEKEZDES.repeat(Math.ceil((1 << 20) / Buffer.byteLength(BEKEZDES))).slice(0, 1 << 20);
const KOROK = 5;

const median = (t) => [...t].sort((a, b) => a - b)[Math.floor(t.length / 2)];

async function main() {
  const szerver = await k.kiszolgalo();
  const b = await k.bongeszo();
  try {
    const betoltes = [];
    for (let i = 0; i < KOROK; ++i) {
      const c = await k.kornyezet(b, szerver.cim);
      const page = await c.newPage();
      await page.goto(szerver.cim);
      await page.waitForFunction(() => document.documentElement.dataset.elsoKimenet);
      betoltes.push(Number(await page.evaluate(() => document.documentElement.dataset.elsoKimenet)));
      await c.close();
    }

    const c = await k.kornyezet(b, szerver.cim);
    const page = await c.newPage();
    await page.goto(szerver.cim);
    await page.waitForFunction(() => document.documentElement.dataset.elsoKimenet);
    const web = [];
    for (let i = 0; i < KOROK; ++i) web.push((await page.evaluate((s) => window.tollnokMeres(s), SZOVEG)).ms);
    // The whole road a paste takes: the text area, the worker, both outputs
    // shown and painted.
    const beillesztes = await page.evaluate(async (s) => {
      const t0 = performance.now();
      const latin = document.querySelector('#latin');
      latin.value = s;
      latin.dispatchEvent(new Event('input'));
      while (!window.tollnokKesz()) await new Promise((ok) => setTimeout(ok, 5));
      await new Promise((ok) => requestAnimationFrame(() => setTimeout(ok)));
      return Math.round(performance.now() - t0);
    }, SZOVEG);
    await c.close();

    const fajl = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'tollnok-')), 'szoveg.txt');
    fs.writeFileSync(fajl, SZOVEG);
    const nativ = [];
    for (let i = 0; i < KOROK; ++i) {
      const t = process.hrtime.bigint();
      execFileSync(k.CLI, ['atrov', '--utf8', ...k.szoXml(), fajl], {maxBuffer: 1 << 26});
      nativ.push(Number(process.hrtime.bigint() - t) / 1e6);
    }
    fs.rmSync(path.dirname(fajl), {recursive: true});

    const ms = (t) => `${median(t).toFixed(1)} ms (median of ${t.length}; min ${Math.min(...t).toFixed(1)})`;
    const meret = `${SZOVEG.length} characters, ${Buffer.byteLength(SZOVEG)} bytes of UTF-8`;
    console.log(`text: ${meret}`);
    console.log(`page load to first output:           ${ms(betoltes)}`);
    console.log(`the text in the worker (core call):   ${ms(web)}`);
    console.log(`the text pasted, both outputs shown:  ${beillesztes} ms`);
    console.log(`the text by rovas-cli atrov --utf8:   ${ms(nativ)}`);
  } finally {
    await b.close();
    await szerver.leallit();
  }
}

main().catch((e) => {
  console.error(String(e.message).slice(0, 2000));
  process.exit(1);
});
