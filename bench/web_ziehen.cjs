'use strict';
// The object dragged in the page: 120 pointer moves of a real (driver's)
// mouse holding the object's tip, across the default imaging scene with
// "Lichtstrahlen" on, from x = 0 through F to near the lens, in headless
// Chromium at 930 x 570 and 1920 x 1080. Each move waits for its picture,
// then a random part of a frame, as a hand meets the display at any phase.
//
//   node web_ziehen.cjs SEITE [MOVES]
//
// Timed in the page, on one clock: from the move's event time (when the
// browser took the input) to the end of the frame that showed its picture
// (a task posted from the redraw, which runs once that frame has been
// rendered); of that, the part from the page's handler on, which leaves
// out the browser's wait for the next frame (it hands a move to the page
// when a frame begins); and the core's redraw alone.

const path = require('node:path');
const { starten, weltAufSeite } = require(path.join(__dirname, '..', 'web', 'test', 'browser.cjs'));

const [seite, anzahlText] = process.argv.slice(2);
if (!seite) {
  console.error('web_ziehen.cjs SEITE [MOVES]');
  process.exit(2);
}
const ANZAHL = Number(anzahlText || 120);
const GROESSEN = [[930, 570], [1920, 1080]];
const MENUE = 18;

const perzentil = (werte, p) => {
  const s = [...werte].sort((a, b) => a - b);
  return s[Math.min(s.length - 1, Math.ceil(p * s.length) - 1)];
};

async function ziehen(page) {
  const welt = await weltAufSeite(page);

  await page.evaluate(() => {
    const m = (window.messung = { werte: [], ereignis: null });
    window.addEventListener('pointermove', (e) => {
      if (e.buttons & 1) m.ereignis = { zeit: e.timeStamp, an: performance.now() };
    }, true);
    const bewegen = Module._vandrel_zeiger_bewegen;
    Module._vandrel_zeiger_bewegen = (...args) => {
      const t = performance.now();
      bewegen(...args);
      m.neuzeichnen = performance.now() - t;
    };
    const bild = Seite.bild;
    Seite.bild = (...args) => {
      bild(...args);
      const e = m.ereignis;
      if (!e) return;
      m.ereignis = null;
      const kanal = new MessageChannel();
      kanal.port1.onmessage = () => {
        const t = performance.now();
        m.werte.push([t - e.zeit, t - e.an, m.neuzeichnen]);
      };
      kanal.port2.postMessage(0);
    };
  });
  await page.mouse.move(...welt(0, 10));
  await page.mouse.down();
  for (let i = 1; i <= ANZAHL; ++i) {
    // Along the axis to x = 40, just short of the lens, the height swaying.
    const x = (40 * i) / ANZAHL;
    const y = 10 + 3 * Math.sin(i / 8);
    const vorher = await page.evaluate(() => window.messung.werte.length);
    await page.mouse.move(...welt(x, y));
    await page.waitForFunction((n) => window.messung.werte.length > n, { polling: 'raf', timeout: 5000 }, vorher);
    await new Promise((ok) => setTimeout(ok, Math.random() * 16.7));
  }
  await page.mouse.up();
  const ende = await page.$eval('#txt_ort', (e) => e.value);
  if (Math.abs(Number(ende.replace(',', '.')) - 40) > 0.5) throw new Error(`the object ended at ${ende}`);
  return page.evaluate(() => window.messung.werte);
}

(async () => {
  const b = await starten('chromium');
  const zeilen = [];
  try {
    for (const [breite, hoehe] of GROESSEN) {
      const kontext = await b.createBrowserContext();
      const page = await kontext.newPage();
      await page.setViewport({ width: breite, height: hoehe + MENUE });
      await page.goto('file://' + path.resolve(seite, 'index.html') + '?abbildung&strahlen');
      await page.waitForSelector('html[data-bereit="1"]');
      const groesse = await page.$eval('#grafik', (g) => [g.width, g.height]);
      if (groesse[0] !== breite || groesse[1] !== hoehe) throw new Error(`canvas ${groesse} instead of ${breite}x${hoehe}`);
      const werte = await ziehen(page);
      if (werte.length !== ANZAHL) throw new Error(`${werte.length} pictures for ${ANZAHL} moves`);
      const spalten = [0, 1, 2].flatMap((k) => [0.5, 0.95].map((p) => perzentil(werte.map((w) => w[k]), p)));
      zeilen.push(`${breite}x${hoehe}`.padEnd(10) + spalten.map((v) => v.toFixed(1).padStart(8)).join(''));
      await kontext.close();
    }
  } finally {
    await b.close();
  }
  console.log(`Gegenstand ziehen, Abbildung mit Lichtstrahlen, ${ANZAHL} Bewegungen (ms vom Ereignis bis zum gezeichneten Bild)`);
  console.log(' '.repeat(10) + ['Ereignis bis Bild', 'ab dem Handler', 'Neuzeichnen'].map((t) => t.padStart(16)).join(''));
  console.log('Groesse'.padEnd(10) + ['Median', '95 %'].concat(['Median', '95 %'], ['Median', '95 %']).map((t) => t.padStart(8)).join(''));
  for (const z of zeilen) console.log(z);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
