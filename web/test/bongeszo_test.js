// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition in a real browser: its two outputs against rovas-cli, the
// enabling of the options, both copy buttons, the picture download, the
// settings kept over a reload, and the page working offline after one visit.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const k = require('./kornyezet');

// Sentences and settings (rovas.ini keys, set through the page's controls in
// this order; the font by name, any catalogued one).
const SOROK = [
  [{}, 'Szép napunk van, igazság és őzsuta. (x)\nMásodik sor: 1984.'],
  [{LBetukeszlet: 'Rovasjel bj', PSzamok: '1'}, 'Ezerkilencszáz 1984-ben, 2024. május 5-én [a] {b}'],
  [{LBetukeszlet: 'Osi betusor jb', LHModszer: '3', LHHatokor: '1', PHHosszutRovidit: '1'},
    'Almafa sok van. Barack is akad.\nLeányával levegő, felnézett.'],
  [{LBetukeszlet: 'Cserkesz', POsszerovas: '1', PKepjelek: '1', LaKHasznalatiMod: '3', PSzamokBJ: '0'},
    'Az év minden hónapja: kikeletnek makk akkorka 42.'],
  [{LBetukeszlet: 'Cserkesz', PKiterjesztettBetuk: '0', PMelyK: '0'}, 'xilofon, watt, quarc, dzsungel, yacht'],
  [{LBetukeszlet: 'VK 13 ceruza 2 T', LIrany: '1'}, 'Kiss Dzsenifer (Budapest)\n\nÚj sor 12'],
  [{LBetukeszlet: 'Rov Ludtoll', LHModszer: '5', PKivetelesSzavak: '0'}, 'hangzóugratásként felelevenítette'],
];

const FUGGO = ['PKiterjesztettBetuk', 'PMelyK', 'LaKHasznalatiMod', 'POsszerovas', 'PKepjelek', 'PSzamok',
  'PSzamokBJ', 'LHHatokor', 'PHIsmetlodoEgyesit', 'PHHosszutRovidit', 'PHKezdoEKihagy'];

// Settings -> the controls that are disabled (the others of FUGGO enabled).
const ENGEDELYEZES = [
  [{}, ['PKiterjesztettBetuk', 'PMelyK', 'LaKHasznalatiMod', 'POsszerovas', 'PKepjelek', 'PSzamokBJ',
    'LHHatokor', 'PHIsmetlodoEgyesit', 'PHHosszutRovidit', 'PHKezdoEKihagy']],
  [{LBetukeszlet: 'Cserkesz'}, ['LHHatokor', 'PHIsmetlodoEgyesit', 'PHHosszutRovidit', 'PHKezdoEKihagy']],
  [{LBetukeszlet: 'Cserkesz', PSzamok: '1', PMelyK: '0', LHModszer: '5'},
    ['LaKHasznalatiMod', 'PSzamokBJ', 'LHHatokor', 'PHHosszutRovidit', 'PHKezdoEKihagy']],
  [{LBetukeszlet: 'Rov Ludtoll', LHModszer: '3'}, ['PKiterjesztettBetuk']],
  [{LBetukeszlet: 'VK 13 ceruza 2 T', LHModszer: '1'},
    ['PMelyK', 'LaKHasznalatiMod', 'POsszerovas', 'PKepjelek', 'LHHatokor', 'PHKezdoEKihagy']],
];

async function szamlalo(page, nev) {
  return Number(await page.evaluate((n) => document.documentElement.dataset[n] || 0, nev));
}

// Waits until the page has shown a newer answer than `elotte` under `nev`.
async function ujValasz(page, nev, elotte) {
  await page.waitForFunction(([n, e]) => Number(document.documentElement.dataset[n] || 0) > e,
      [nev, elotte], {timeout: 10000});
}

// One control through the page, as a user would; waits for the core's answer.
async function allit(page, kulcs, ertek) {
  const v = page.locator(`[name="${kulcs}"]`);
  const n = await szamlalo(page, 'beallitasok');
  if (await v.getAttribute('type') === 'checkbox') {
    if (await v.isChecked() === (ertek === '1')) return;
    await v.setChecked(ertek === '1', {timeout: 2000});
  } else {
    if (await v.inputValue() === ertek) return;
    await v.selectOption(ertek, {timeout: 2000});
  }
  await ujValasz(page, 'beallitasok', n);
}

async function alaphelyzet(page) {
  const n = await szamlalo(page, 'beallitasok');
  await page.getByRole('button', {name: 'Alaphelyzet'}).click();
  await ujValasz(page, 'beallitasok', n);
}

async function beallit(page, beallitasok) {
  await alaphelyzet(page);
  for (const [kulcs, ertek] of Object.entries(beallitasok)) await allit(page, kulcs, ertek);
}

async function kimenetek(page, szoveg) {
  await page.getByLabel('Latin szöveg').fill(szoveg);
  await page.waitForFunction(() => window.tollnokKesz(), null, {timeout: 10000});
  return {
    panel: await page.getByRole('textbox', {name: 'Rovás szöveg'}).textContent(),
    unicode: await page.getByRole('textbox', {name: 'Unicode rovás'}).textContent(),
  };
}

async function vagolap(page) {
  return page.evaluate(async () => {
    const [elem] = await navigator.clipboard.read();
    const resz = async (t) => elem.types.includes(t) ? (await elem.getType(t)).text() : null;
    return {szoveg: await resz('text/plain'), html: await resz('text/html')};
  });
}

// The page's controls by role and accessible name.
const NEVEK = [
  ['textbox', ['Latin szöveg', 'Rovás szöveg', 'Unicode rovás']],
  ['combobox', ['Betűkészlet', 'Szövegirány', 'aK jel használati módja', 'Módszer', 'Hatókör']],
  ['checkbox', ['Kivételes szavak kezelése', 'Kiterjesztett betűk használata', 'aK jel használata',
    'Összerovás', 'Képjelek', 'Számok átrovása', 'Számok balról jobbra',
    'Ismétlődő mássalhangzók egyesítése', 'Hosszú magánhangzók rövidítése', "Kezdő 'e' sorozat kihagyható"]],
  ['button', ['Másolás', 'Másolás Unicode rovásírással', 'Kép letöltése']],
];

const esetek = {
  async 'every control is found by its caption, and the font list holds the catalogue'(page) {
    for (const [szerep, nevek] of NEVEK) {
      for (const nev of nevek) {
        assert.equal(await page.getByRole(szerep, {name: nev, exact: true}).count(), 1, `${szerep} "${nev}"`);
      }
    }
    const betukeszletek = await page.getByLabel('Betűkészlet').locator('option').allTextContents();
    const katalogus = require('node:child_process').execFileSync(k.CLI, ['betukeszletek'])
        .toString('latin1').split('\n').filter(Boolean);
    assert.deepEqual(betukeszletek.slice(0, 8), ['Osi betusor jb', 'Osi betu n elojellel jb',
      'Rovas n elojellel jb', 'Rovasjel jb', 'Osi betusor bj', 'Osi betu n elojellel bj',
      'Rovas n elojellel bj', 'Rovasjel bj']);
    assert.deepEqual([...betukeszletek].sort(), [...katalogus].sort());
  },

  async 'both outputs equal rovas-cli for every row'(page) {
    for (const [beallitasok, szoveg] of SOROK) {
      await beallit(page, beallitasok);
      const ki = await kimenetek(page, szoveg);
      const sor = JSON.stringify(beallitasok);
      assert.equal(ki.panel, k.cliAtrovas(szoveg, beallitasok, '--mirror'), `Rovás szöveg, ${sor}`);
      assert.equal(ki.unicode, k.cliAtrovas(szoveg, beallitasok, '--unicode'), `Unicode rovás, ${sor}`);
    }
  },

  async 'options are enabled as the settings window enables them'(page) {
    for (const [beallitasok, tiltott] of ENGEDELYEZES) {
      await beallit(page, beallitasok);
      const kapott = [];
      for (const nev of FUGGO) {
        if (await page.locator(`[name="${nev}"]`).isDisabled()) kapott.push(nev);
      }
      assert.deepEqual(kapott, tiltott, JSON.stringify(beallitasok));
    }
  },

  async 'the copy buttons put the codes and the Unicode text on the clipboard'(page) {
    await beallit(page, {});
    const szoveg = 'Árvíztűrő tükörfúrógép';
    const ki = await kimenetek(page, szoveg);
    await page.getByRole('button', {name: 'Másolás', exact: true}).click();
    await page.waitForFunction(() => /másolva/.test(document.querySelector('#allapot').textContent));
    let v = await vagolap(page);
    assert.equal(v.szoveg, ki.panel);
    assert.match(v.html, /<p align="right" style="font-size: 16pt;"><font face="Rovasjel jb">/);
    assert.ok(v.html.includes(ki.panel.replace(/\r\n$/, '')), v.html);

    await page.evaluate(() => document.querySelector('#allapot').textContent = '');
    await page.getByRole('button', {name: 'Másolás Unicode rovásírással'}).click();
    await page.waitForFunction(() => /másolva/.test(document.querySelector('#allapot').textContent));
    v = await vagolap(page);
    assert.equal(v.szoveg, k.cliAtrovas(szoveg, {}, '--unicode'));
    assert.match(v.html, /lang="hu-Hung"/);
  },

  async 'the picture downloads as a PNG of the chosen size with the text drawn'(page) {
    await beallit(page, {});
    await kimenetek(page, 'Egyszer volt, hol nem volt');
    const szelesseg = page.getByLabel('Szélesség');
    await szelesseg.fill('520');
    await szelesseg.dispatchEvent('change');
    await page.waitForFunction(() => localStorage.getItem('tollnok.kep')?.includes('"520"'));
    // Antialiased runes have shades between the two colours; without it, none.
    for (const elsimitas of [true, false]) {
      await page.getByLabel('Élsimítás').setChecked(elsimitas);
      await page.waitForFunction((e) => localStorage.getItem('tollnok.kep')?.includes(`"Elsimitas":"${e}"`),
          elsimitas ? '1' : '0');
      const [letoltes] = await Promise.all([
        page.waitForEvent('download'),
        page.getByRole('button', {name: 'Kép letöltése'}).click(),
      ]);
      assert.equal(letoltes.suggestedFilename(), 'rovas.png');
      const png = fs.readFileSync(await letoltes.path());
      assert.equal(png.subarray(0, 8).toString('hex'), '89504e470d0a1a0a');
      assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [520, 300]);
      const {sotet, arnyalatok} = await page.evaluate(async (b64) => {
        const kep = await createImageBitmap(await (await fetch('data:image/png;base64,' + b64)).blob());
        const c = new OffscreenCanvas(kep.width, kep.height).getContext('2d');
        c.drawImage(kep, 0, 0);
        const d = c.getImageData(0, 0, kep.width, kep.height).data.filter((x, i) => i % 4 === 0);
        return {sotet: d.filter((x) => x < 128).length, arnyalatok: new Set(d).size};
      }, png.toString('base64'));
      assert.ok(sotet > 50, `${sotet} dark pixels`);
      assert.equal(arnyalatok > 2, elsimitas, `${arnyalatok} shades, antialiasing ${elsimitas}`);
    }
  },
};

async function main() {
  const szerver = await k.kiszolgalo();
  const b = await k.bongeszo();
  let hibak = 0;
  const kontextusok = [];
  try {
    for (const [nev, eset] of Object.entries(esetek)) {
      const c = await k.kornyezet(b, szerver.cim, {permissions: ['clipboard-read', 'clipboard-write']});
      kontextusok.push(c);
      const page = await c.newPage();
      page.on('dialog', (d) => d.accept());
      await page.goto(szerver.cim);
      await page.waitForFunction(() => document.documentElement.dataset.elsoKimenet);
      try {
        await eset(page);
        console.log(`ok   ${nev}`);
      } catch (e) {
        ++hibak;
        console.log(`FAIL ${nev}\n${e.stack}`);
      }
      await c.close();
    }

    // Settings kept over a reload, and the page served by its worker offline.
    const nev = 'settings survive a reload and the page works offline after one visit';
    try {
      const c = await k.kornyezet(b, szerver.cim);
      kontextusok.push(c);
      const page = await c.newPage();
      page.on('dialog', (d) => d.accept());
      await page.goto(szerver.cim);
      await page.waitForFunction(() => document.documentElement.dataset.elsoKimenet);
      await page.evaluate(() => navigator.serviceWorker.ready);
      const beallitasok = {LBetukeszlet: 'Rovasjel bj', PSzamok: '1'};
      await beallit(page, beallitasok);
      await szerver.leallit();
      await page.reload();
      await page.waitForFunction(() => document.documentElement.dataset.elsoKimenet, null, {timeout: 15000});
      assert.equal(await page.getByLabel('Betűkészlet').inputValue(), 'Rovasjel bj');
      const szoveg = 'Hálózat nélkül 2025-ben';
      const ki = await kimenetek(page, szoveg);
      assert.equal(ki.panel, k.cliAtrovas(szoveg, beallitasok, '--mirror'));
      const betuk = await page.evaluate(async () => {
        await document.fonts.ready;
        return [...document.fonts].filter((f) => f.status === 'loaded').map((f) => f.family);
      });
      assert.ok(betuk.some((f) => f.includes('Rovasjel bj')), `fonts loaded offline: ${betuk}`);
      console.log(`ok   ${nev}`);
    } catch (e) {
      ++hibak;
      console.log(`FAIL ${nev}\n${e.stack}`);
    }

    const kifele = kontextusok.flatMap((c) => c.kifele);
    if (kifele.length) {
      ++hibak;
      console.log(`FAIL the page reached outside its own files:\n${kifele.join('\n')}`);
    } else {
      console.log('ok   no request left the site');
    }
  } finally {
    await b.close();
    await szerver.leallit();
  }
  console.log(hibak ? `${hibak} failed` : 'all passed');
  process.exit(hibak ? 1 : 0);
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
