// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests and the benchmark share: the site served on a free
// local port, Debian's chromium driven by playwright-core, and rovas-cli.
'use strict';

const {spawn, execFileSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {chromium} = require('playwright-core');

const GYOKER = path.resolve(__dirname, '..', '..');
const SITE = process.env.ROVAS_WEB_SITE || path.join(GYOKER, 'build-web', 'site');
const CLI = process.env.ROVAS_CLI || path.join(GYOKER, 'build', 'bin', 'rovas-cli');
const CHROMIUM = process.env.ROVAS_CHROMIUM || '/usr/bin/chromium';
const KAPCSOLOK = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--no-first-run'];

// Serves SITE on 127.0.0.1; resolves with {cim, leallit}.
function kiszolgalo() {
  return new Promise((ok, hiba) => {
    const p = spawn('/usr/bin/python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1',
      '--directory', SITE, '0'], {stdio: ['ignore', 'pipe', 'ignore']});
    p.on('error', hiba);
    p.stdout.on('data', (d) => {
      const m = /port (\d+)/.exec(String(d));
      if (m) {
        ok({
          cim: `http://127.0.0.1:${m[1]}/`,
          leallit: () => new Promise((vege) => {
            if (p.exitCode !== null) return vege();
            p.on('exit', vege);
            p.kill();
          }),
        });
      }
    });
  });
}

function bongeszo() {
  return chromium.launch({executablePath: CHROMIUM, headless: true, args: KAPCSOLOK});
}

// A context that notes every request leaving the site (none may).
async function kornyezet(b, cim, beallitasok = {}) {
  // The page forbids eval; the test driver evaluates its waiting conditions.
  const c = await b.newContext({acceptDownloads: true, bypassCSP: true, ...beallitasok});
  c.kifele = [];
  c.on('request', (r) => {
    const u = r.url();
    if (!u.startsWith(cim) && !u.startsWith('blob:') && !u.startsWith('data:')) c.kifele.push(u);
  });
  return c;
}

// The exception-word list the page loads, for rovas-cli to use the same.
function szoXml() {
  const f = path.join(SITE, 'szo.xml');
  return fs.existsSync(f) ? ['--szo', f] : [];
}

// rovas-cli atrov on UTF-8 text with the page's settings (rovas.ini keys; the
// font by name), printing what `mod` asks (--mirror or --unicode). The text's
// lines end in CR LF, as the desktop's Latin pane gives them.
function cliAtrovas(szoveg, beallitasok, mod) {
  szoveg = szoveg.replace(/\r?\n/g, '\r\n');
  const args = ['atrov', '--utf8', mod, ...szoXml()];
  for (const [k, v] of Object.entries(beallitasok)) {
    if (k === 'LBetukeszlet') args.push('--font', v);
    else args.push('--set', `${k}=${v}`);
  }
  return execFileSync(CLI, args, {input: szoveg}).toString('utf8');
}

module.exports = {SITE, CLI, kiszolgalo, bongeszo, kornyezet, cliAtrovas, szoXml};
