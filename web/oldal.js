// SPDX-License-Identifier: GPL-3.0-or-later
// The page: wires the controls to the worker that runs the core. Every rule
// (transliteration, enabling, clipboard texts, picture layout) is the core's;
// this file only shows what the worker answers.
'use strict';

const munkas = new Worker('munkas.js');
const varakozok = new Map();
let kovetkezoId = 1;

// One request to the worker; resolves with its answer.
function kerdes(fajta, adatok = {}) {
  const id = kovetkezoId++;
  return new Promise((ok, hiba) => {
    varakozok.set(id, {ok, hiba});
    munkas.postMessage({id, fajta, ...adatok});
  });
}
munkas.onmessage = (e) => {
  const v = varakozok.get(e.data.id);
  varakozok.delete(e.data.id);
  if ('hiba' in e.data) v.hiba(new Error(e.data.hiba));
  else v.ok(e.data.eredmeny);
};

const $ = (s) => document.querySelector(s);
const latin = $('#latin');
const rovas = $('#rovas');
const unicode = $('#unicode');
const urlap = $('#beallitasok');
const allapotSor = $('#allapot');

const TAROLT_BEALLITASOK = 'tollnok.beallitasok';
const TAROLT_KEP = 'tollnok.kep';
const TAROLT_SZOVEG = 'tollnok.szoveg';
const KEP_KULCSOK = ['Szelesseg', 'Magassag', 'Betumeret', 'Igazitas', 'FelsoMargo', 'BalMargo',
  'JobbMargo', 'Sorkoz', 'Betuszin', 'Hatterszin', 'Felkover', 'Dolt', 'Elsimitas'];

let beallitasok = null;  // the worker's last answer: controls, enabling, font in use
let beallitasValaszok = 0;  // settings answers shown so far
let kepBeallitasok = null;

function tarolt(kulcs) {
  try {
    return JSON.parse(localStorage.getItem(kulcs)) || {};
  } catch (e) {
    return {};
  }
}

function uzenet(szoveg) {
  allapotSor.textContent = szoveg;
}

// Controls of the settings form by rovas.ini key.
function vezerlo(kulcs) {
  return urlap.elements.namedItem(kulcs);
}

function feltolt(lista, elemek, ertekkel) {
  lista.replaceChildren(...elemek.map((szoveg, i) => new Option(szoveg, ertekkel ? szoveg : i)));
}

// The form's settings as rovas.ini keys and texts.
function urlapErtekek(kulcsok) {
  const e = {};
  for (const k of kulcsok) {
    const v = vezerlo(k);
    if (!v) continue;
    if (v.type === 'checkbox') e[k] = v.checked ? '1' : '0';
    else if (v.type === 'color') {
      const rgb = parseInt(v.value.slice(1), 16);
      e[k] = String((rgb & 0xff) << 16 | (rgb & 0xff00) | (rgb >> 16 & 0xff));
    } else e[k] = String(v.value);
  }
  return e;
}

const BEALLITAS_KULCSOK = ['LBetukeszlet', 'LIrany', 'LMeret', 'PKivetelesSzavak',
  'PKiterjesztettBetuk', 'PMelyK', 'LaKHasznalatiMod', 'POsszerovas', 'PKepjelek', 'PSzamok',
  'PSzamokBJ', 'LHModszer', 'LHHatokor', 'PHIsmetlodoEgyesit', 'PHHosszutRovidit',
  'PHKezdoEKihagy'];

function beallitasMutatasa(a) {
  beallitasok = a;
  document.documentElement.dataset.beallitasok = String(++beallitasValaszok);
  for (const k of BEALLITAS_KULCSOK) {
    const v = vezerlo(k);
    const ertek = a.vezerlok[k];
    if (v.type === 'checkbox') v.checked = Boolean(ertek);
    else v.value = String(ertek);
    if (k in a.engedelyezes) v.disabled = !a.engedelyezes[k];
  }
  rovas.style.fontFamily = betuCsalad(a.betukeszlet);
  rovas.style.fontSize = a.meret + 'pt';
  $('#unicode-masolas').disabled = a.unicodeAkadaly !== '';
  localStorage.setItem(TAROLT_BEALLITASOK, JSON.stringify(urlapErtekek(BEALLITAS_KULCSOK)));
}

function kepMutatasa(k) {
  kepBeallitasok = k;
  for (const kulcs of KEP_KULCSOK) {
    const v = vezerlo(kulcs);
    if (v.type === 'checkbox') v.checked = Boolean(k[kulcs]);
    else if (v.type === 'color') v.value = '#' + k[kulcs].toString(16).padStart(6, '0');
    else v.value = String(k[kulcs]);
  }
  localStorage.setItem(TAROLT_KEP, JSON.stringify(urlapErtekek(KEP_KULCSOK)));
}

// The bundled faces stand in for a font this device lacks: the default
// face, in the reading direction of the chosen one.
function betuCsalad(nev) {
  const tartalek = / bj$/.test(nev) ? 'Rovasjel bj' : 'Rovasjel jb';
  return `"${nev.replace(/["\\]/g, '')}", "${tartalek}"`;
}

// An output box holds its text in blocks of lines that the browser lays out
// only when they are scrolled into view, so a text of a megabyte is shown at
// once; an edit replaces only the blocks whose text changed. The box's text
// content is the whole text.
const SOROK_BLOKKONKENT = 200;
function blokkokra(szoveg) {
  const blokkok = [];
  let eleje = 0;
  let sorok = 0;
  for (let i = szoveg.indexOf('\n'); i >= 0; i = szoveg.indexOf('\n', i + 1)) {
    if (++sorok === SOROK_BLOKKONKENT) {
      blokkok.push(szoveg.slice(eleje, i + 1));
      eleje = i + 1;
      sorok = 0;
    }
  }
  if (eleje < szoveg.length) blokkok.push(szoveg.slice(eleje));
  return blokkok;
}

function kiir(doboz, szoveg) {
  const blokkok = blokkokra(szoveg);
  if (doboz.firstChild && doboz.firstChild.nodeType !== Node.ELEMENT_NODE) doboz.replaceChildren();
  const regiek = doboz.children;
  for (let i = 0; i < blokkok.length; ++i) {
    if (i < regiek.length) {
      if (regiek[i].textContent !== blokkok[i]) regiek[i].textContent = blokkok[i];
      continue;
    }
    const b = document.createElement('div');
    b.className = 'blokk';
    b.textContent = blokkok[i];
    doboz.append(b);
  }
  while (regiek.length > blokkok.length) doboz.lastElementChild.remove();
}

// Live transliteration: one request at a time, the newest text next.
let fut = false;
let ujra = false;
let elsoKimenet = null;
let kimenetek = 0;  // outputs shown so far
let mutatott = {szoveg: null, beallitas: -1};  // what the shown output was made from
async function atrovas() {
  if (fut) {
    ujra = true;
    return;
  }
  fut = true;
  try {
    do {
      ujra = false;
      const keres = {szoveg: latin.value, beallitas: beallitasValaszok};
      const e = await kerdes('atrovas', {szoveg: keres.szoveg});
      if (ujra) continue;
      mutatott = keres;
      if (e.hiba !== undefined) {
        uzenet(e.hiba);
        continue;
      }
      kiir(rovas, e.panel);
      kiir(unicode, e.unicode ?? '');
      uzenet(e.unicode === null ? beallitasok.unicodeAkadaly : '');
      document.documentElement.dataset.kimenetek = String(++kimenetek);
      if (elsoKimenet === null) {
        elsoKimenet = performance.now();
        document.documentElement.dataset.elsoKimenet = String(Math.round(elsoKimenet));
      }
    } while (ujra);
  } finally {
    fut = false;
  }
}

// For tests: the outputs shown belong to the Latin text and settings now in the page.
window.tollnokKesz = () => !fut && mutatott.szoveg === latin.value &&
    mutatott.beallitas === beallitasValaszok;

async function beallitasValtozas() {
  beallitasMutatasa(await kerdes('beallitas', {ertekek: urlapErtekek(BEALLITAS_KULCSOK)}));
  await atrovas();
}

async function kepValtozas() {
  kepMutatasa(await kerdes('kepBeallitas', {ertekek: urlapErtekek(KEP_KULCSOK)}));
}

// A clipboard item whose parts the worker makes; the write starts at once,
// inside the click, as browsers ask.
function vagolapra(fajta) {
  const adatok = kerdes(fajta, {panel: rovas.textContent}).then((a) => {
    if (a.akadaly) throw new Error(a.akadaly);
    return a;
  });
  const resz = (mezo, tipus) => adatok.then((a) => new Blob([a[mezo]], {type: tipus}));
  navigator.clipboard
      .write([new ClipboardItem({
        'text/plain': resz('szoveg', 'text/plain'),
        'text/html': resz('toredek', 'text/html'),
      })])
      .then(() => uzenet('A vágólapra másolva.'), (e) => uzenet('Nem sikerült másolni: ' + e.message));
}

// Every byte's width and height in the picture's font, as the layout asks.
function jelMeretek(ctx) {
  const dekoder = new TextDecoder('windows-1250');
  const meretek = [];
  for (let b = 32; b < 256; ++b) {
    const m = ctx.measureText(dekoder.decode(new Uint8Array([b])));
    meretek[b] = [Math.round(m.width),
      Math.round(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent)];
  }
  return meretek;
}

function betuLeiras(k, nev) {
  return `${k.Dolt ? 'italic ' : ''}${k.Felkover ? 'bold ' : ''}${k.Betumeret}pt ${betuCsalad(nev)}`;
}

// The rovás text as a picture, laid out by the core and drawn here.
async function kepRajzolasa() {
  const k = kepBeallitasok;
  const betu = betuLeiras(k, beallitasok.betukeszlet);
  await document.fonts.load(betu, rovas.textContent || ' ');
  const vaszon = document.createElement('canvas');
  const meres = vaszon.getContext('2d');
  meres.font = betu;
  const e = await kerdes('kepElrendezes', {panel: rovas.textContent, meretek: jelMeretek(meres)});
  vaszon.width = e.szelesseg;
  vaszon.height = e.magassag;
  const ctx = vaszon.getContext('2d');
  ctx.fillStyle = '#' + k.Hatterszin.toString(16).padStart(6, '0');
  ctx.fillRect(0, 0, vaszon.width, vaszon.height);
  // Without antialiasing the text is drawn on a layer of its own whose
  // pixels are then made fully opaque or fully clear.
  const reteg = k.Elsimitas ? vaszon : new OffscreenCanvas(vaszon.width, vaszon.height);
  const rajz = reteg.getContext('2d');
  rajz.font = betu;
  rajz.fontKerning = 'none';
  rajz.direction = 'ltr';
  rajz.textBaseline = 'alphabetic';
  rajz.fillStyle = '#' + k.Betuszin.toString(16).padStart(6, '0');
  const emelkedes = rajz.measureText(' ').fontBoundingBoxAscent;
  for (const sz of e.szavak) rajz.fillText(sz.szoveg, sz.x, sz.y + emelkedes);
  if (!k.Elsimitas && vaszon.width > 0) {
    const kep = rajz.getImageData(0, 0, vaszon.width, vaszon.height);
    for (let i = 3; i < kep.data.length; i += 4) kep.data[i] = kep.data[i] >= 128 ? 255 : 0;
    rajz.putImageData(kep, 0, 0);
    ctx.drawImage(reteg, 0, 0);
  }
  return {vaszon, lelog: e.lelog};
}

async function kepLetoltese() {
  const {vaszon, lelog} = await kepRajzolasa();
  const blob = await new Promise((ok) => vaszon.toBlob(ok, 'image/png'));
  const a = document.createElement('a');
  a.href = URL.createObjectURL(blob);
  a.download = 'rovas.png';
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  uzenet(lelog ? 'A szöveg kilóg a képből.' : 'A kép letöltve.');
}

async function indulas() {
  const i = await kerdes('indulas');
  feltolt(vezerlo('LBetukeszlet'), i.betukeszletek, true);
  feltolt(vezerlo('LIrany'), i.valasztasok.LIrany);
  feltolt(vezerlo('LMeret'), i.valasztasok.LMeret, true);
  feltolt(vezerlo('LaKHasznalatiMod'), i.valasztasok.LaKHasznalatiMod);
  feltolt(vezerlo('LHModszer'), i.valasztasok.LHModszer);
  feltolt(vezerlo('LHHatokor'), i.valasztasok.LHHatokor);
  beallitasMutatasa(await kerdes('beallitas', {ertekek: tarolt(TAROLT_BEALLITASOK)}));
  kepMutatasa(await kerdes('kepBeallitas', {ertekek: tarolt(TAROLT_KEP)}));
  latin.value = localStorage.getItem(TAROLT_SZOVEG) ?? latin.value;

  urlap.addEventListener('change', (e) => {
    if (KEP_KULCSOK.includes(e.target.name)) kepValtozas();
    else beallitasValtozas();
  });
  $('#alaphelyzet').addEventListener('click', async () => {
    if (!confirm('Visszatérés az alapbeállításokra?')) return;
    localStorage.removeItem(TAROLT_BEALLITASOK);
    localStorage.removeItem(TAROLT_KEP);
    beallitasMutatasa(await kerdes('beallitas', {ertekek: {}}));
    kepMutatasa(await kerdes('kepBeallitas', {ertekek: {}}));
    await atrovas();
  });
  latin.addEventListener('input', () => {
    try {
      localStorage.setItem(TAROLT_SZOVEG, latin.value);
    } catch (e) {
      // A text too long to keep is still transliterated.
    }
    atrovas();
  });
  $('#masolas').addEventListener('click', () => vagolapra('masolas'));
  $('#unicode-masolas').addEventListener('click', () => vagolapra('unicodeMasolas'));
  $('#kep-letoltes').addEventListener('click', () => kepLetoltese().catch((e) => uzenet(e.message)));
  await atrovas();
}

// For the benchmark and the tests: the worker's own timing of one text.
window.tollnokMeres = (szoveg) => kerdes('meres', {szoveg});

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
indulas().catch((e) => uzenet('Hiba: ' + e.message));
