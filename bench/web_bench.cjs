'use strict';
// The browser edition's redraw against the desktop's: the worst accepted
// case (max x 800, both radii 10000, "Lichtstrahlen" on) in each mode, timed
// in headless Chromium at 930 x 570 and 3840 x 2160, and the native figure
// of the same case from bench_vandrel in the same run.
//
//   node web_bench.cjs SEITE BENCH_VANDREL [REDRAWS]
//
// The browser figure is the whole redraw as a resize starts it: the scene
// drawn into the raster, its pixels turned into the canvas's order and put
// on the canvas; the last part is also shown on its own.

const { execFileSync } = require('node:child_process');
const path = require('node:path');
const { starten } = require(path.join(__dirname, '..', 'web', 'test', 'browser.cjs'));

const [seite, benchVandrel, anzahlText] = process.argv.slice(2);
if (!seite || !benchVandrel) {
  console.error('web_bench.cjs SEITE BENCH_VANDREL [REDRAWS]');
  process.exit(2);
}
const ANZAHL = Number(anzahlText || 20);
const GROESSEN = [[930, 570], [3840, 2160]];
const MODI = ['Fokus', 'Abbildung'];
const MENUE = 18;

function nativ() {
  const filter = `BM_Neuzeichnen_Nmax800_(${MODI.join('|')})/(${GROESSEN.map((g) => g.join('/')).join('|')})/10000$`;
  // The median of five runs, as the browser's figure is a median: the
  // machine is shared, and single runs stray.
  const json = execFileSync(benchVandrel, [`--benchmark_filter=${filter}`, '--benchmark_format=json',
    '--benchmark_min_time=0.2', '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=true'],
  { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] });
  const werte = {};
  for (const b of JSON.parse(json).benchmarks) {
    if (b.aggregate_name !== 'median') continue;
    const m = /Nmax800_(\w+)\/(\d+)\/(\d+)\/10000/.exec(b.name);
    const faktor = { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 }[b.time_unit];
    if (m) werte[`${m[1]} ${m[2]}x${m[3]}`] = b.real_time * faktor;
  }
  return werte;
}

async function browser() {
  const b = await starten('chromium');
  const werte = {};
  try {
    for (const [breite, hoehe] of GROESSEN) {
      const kontext = await b.createBrowserContext();
      const page = await kontext.newPage();
      await page.setViewport({ width: breite, height: hoehe + MENUE });
      await page.goto('file://' + path.resolve(seite, 'index.html'));
      await page.waitForSelector('html[data-bereit="1"]');
      // The worst case entered as a user enters it.
      for (const [id, text] of [['txt_R1_a', '10000'], ['txt_R1_b', '10000'], ['txt_Nmax', '800']]) {
        await page.click(`#${id}`);
        await page.$eval(`#${id}`, (e) => e.select());
        await page.keyboard.type(text);
      }
      await page.click('#chk_licht');
      // Refused, a value would leave a lighter case to time.
      const eingetragen = await page.$$eval('#txt_R1_a, #txt_R1_b, #txt_Nmax', (l) => l.map((e) => e.value));
      if (eingetragen.join() !== '10000,10000,800') throw new Error(`the worst case was not taken: ${eingetragen}`);
      for (const modus of MODI) {
        await page.click(modus === 'Fokus' ? '#opt_fokus' : '#opt_abbildung');
        const groesse = await page.$eval('#grafik', (g) => [g.width, g.height]);
        if (groesse[0] !== breite || groesse[1] !== hoehe) throw new Error(`canvas ${groesse} instead of ${breite}x${hoehe}`);
        werte[`${modus} ${breite}x${hoehe}`] = await page.evaluate((n) => {
          const bild = Seite.bild;
          let blit = 0;
          Seite.bild = (...a) => {
            const t = performance.now();
            bild(...a);
            blit += performance.now() - t;
          };
          for (let i = 0; i < 3; ++i) Module._vandrel_neu_zeichnen();
          blit = 0;
          const zeiten = [];
          for (let i = 0; i < n; ++i) {
            const t = performance.now();
            Module._vandrel_neu_zeichnen();
            zeiten.push(performance.now() - t);
          }
          Seite.bild = bild;
          zeiten.sort((x, y) => x - y);
          return { median: zeiten[Math.floor(n / 2)], min: zeiten[0], blit: blit / n };
        }, ANZAHL);
      }
      await kontext.close();
    }
  } finally {
    await b.close();
  }
  return werte;
}

(async () => {
  const n = nativ();
  const w = await browser();
  console.log('Neuzeichnen, max x 800, Radien 10000, Lichtstrahlen (ms je Bild, Median; im Browser auch der kleinste Wert)');
  console.log('Fall                      nativ    Browser   kleinster  davon aufs Canvas  Verhaeltnis');
  let schlechtestes = 0;
  for (const fall of Object.keys(w)) {
    const v = n[fall] ? w[fall].median / n[fall] : NaN;
    schlechtestes = Math.max(schlechtestes, v);
    console.log(`${fall.padEnd(22)} ${(n[fall] ?? NaN).toFixed(2).padStart(8)} ${w[fall].median.toFixed(2).padStart(10)}` +
      ` ${w[fall].min.toFixed(2).padStart(11)} ${w[fall].blit.toFixed(2).padStart(18)} ${v.toFixed(2).padStart(12)}`);
  }
  const gross = Math.max(...MODI.map((m) => w[`${m} 3840x2160`].median));
  console.log(`schlechtestes Verhaeltnis ${schlechtestes.toFixed(2)} (Ziel hoechstens 3); 3840x2160 im Browser ` +
    `${gross.toFixed(2)} ms (Ziel unter 16)`);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
