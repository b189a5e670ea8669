// SPDX-License-Identifier: GPL-3.0-or-later
// The page's worker: it holds the core (WebAssembly) and answers the page's
// requests one at a time, so a long transliteration never blocks typing.
// Every message is {id, fajta, ...}; the answer is {id, eredmeny} or {id, hiba}.
'use strict';

importScripts('tollnok.js');

// The bundled exception-word list: loaded with the page when the site has one.
const SZO_XML = 'szo.xml';

let mag = null;
const kesz = Tollnok().then(async (modul) => {
  mag = new modul.TWebMag();
  let szavak = false;
  try {
    const valasz = await fetch(SZO_XML);
    if (valasz.ok) {
      mag.SzoLista(await valasz.text());
      szavak = true;
    }
  } catch (e) {
    // No list: exception words stay empty, as on a desktop without szo.xml.
  }
  return {
    betukeszletek: modul.TWebMag.Betukeszletek(),
    valasztasok: modul.Valasztasok(),
    szavak,
  };
});

const kezelok = {
  indulas: () => kesz,
  beallitas: (k) => mag.Beallitas(k.ertekek),
  kepBeallitas: (k) => mag.KepBeallitas(k.ertekek),
  atrovas: (k) => mag.Atrovas(k.szoveg),
  masolas: (k) => mag.Masolas(k.panel),
  unicodeMasolas: (k) => mag.UnicodeMasolas(k.panel),
  kepElrendezes: (k) => mag.KepElrendezes(k.panel, k.meretek),
  meres: (k) => {
    // The core's speed on a text of the given size, for the benchmark.
    const t0 = performance.now();
    const e = mag.Atrovas(k.szoveg);
    return {ms: performance.now() - t0, hossz: (e.panel || '').length};
  },
};

let sor = Promise.resolve();
self.onmessage = (uzenet) => {
  const k = uzenet.data;
  sor = sor.then(async () => {
    await kesz;
    try {
      self.postMessage({id: k.id, eredmeny: await kezelok[k.fajta](k)});
    } catch (e) {
      self.postMessage({id: k.id, hiba: String(e && e.message || e)});
    }
  });
};
