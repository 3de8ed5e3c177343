'use strict';
// The page for the README: Debian's Chromium at the given size in CSS
// pixels (a phone's 390 x 844 unless one is given), with a touch screen
// where it is narrower than 600, a scene from the address (the imaging mode
// with its rays unless one is given; "projektor" in it for the projector
// view). With "messwerte" the measured values are open: on a phone a sheet
// over the lower half, on a laptop beside the drawing. Without, on a touch
// screen a finger has touched the drawing, so that the readout shows a place.
//
//   node seitenfoto.cjs SEITE AUS.png [SZENE [BREITExHOEHE [messwerte]]]

const path = require('node:path');
const { starten, dienen, seiteOeffnen } = require(path.join(__dirname, '..', 'test', 'browser.cjs'));

const [seite, aus, szene = 'objekt-ort=10&abbildung&strahlen', groesse = '390x844', art = ''] = process.argv.slice(2);
const [breite, hoehe] = groesse.split('x').map(Number);
if (!seite || !aus || !(breite > 0 && hoehe > 0) || !['', 'messwerte'].includes(art)) {
  console.error('seitenfoto.cjs SEITE AUS.png [SZENE [BREITExHOEHE [messwerte]]]');
  process.exit(2);
}

(async () => {
  const server = await dienen(seite);
  const browser = await starten('chromium');
  try {
    const touch = breite < 600;
    const page = await seiteOeffnen(browser, server, szene, { breite, hoehe, touch });
    if (art === 'messwerte') {
      await page.click('#mnu_messwerte');
      await page.waitForSelector('#messwerte[data-lage]');
      await page.evaluate(() => new Promise((ok) => requestAnimationFrame(() => requestAnimationFrame(() => ok()))));
    } else if (touch) {
      const g = await page.$eval('#grafik', (e) => e.getBoundingClientRect().toJSON());
      await page.touchscreen.tap(g.x + g.width * 0.62, g.y + g.height * 0.55);
    }
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
