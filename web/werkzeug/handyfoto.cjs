'use strict';
// The page on a phone for the README: Debian's Chromium at 390 x 844 CSS
// pixels with a touch screen, a scene from the address (the imaging mode
// with its rays unless one is given), as a pupil sees it.
//
//   node handyfoto.cjs SEITE AUS.png [SZENE]     SZENE as in the address: r1=-40&r2=-40&abbildung

const path = require('node:path');
const { starten, dienen, handyseite } = require(path.join(__dirname, '..', 'test', 'browser.cjs'));

const [seite, aus, szene = 'objekt-ort=10&abbildung&strahlen'] = process.argv.slice(2);
if (!seite || !aus) {
  console.error('handyfoto.cjs SEITE AUS.png [SZENE]');
  process.exit(2);
}

(async () => {
  const server = await dienen(seite);
  const browser = await starten('chromium');
  try {
    const page = await handyseite(browser, server, szene);
    // The readout shows a place, as after a finger on the drawing.
    const g = await page.$eval('#grafik', (e) => e.getBoundingClientRect().toJSON());
    await page.touchscreen.tap(g.x + g.width * 0.62, g.y + g.height * 0.55);
    await page.screenshot({ path: aus });
  } finally {
    await browser.close();
    server.close();
  }
  console.log(aus);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
