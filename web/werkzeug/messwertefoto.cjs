'use strict';
// The page with its measured values open, for the README: Debian's Chromium
// at the given size in CSS pixels, a touch screen where it is narrower than
// 600 (a phone: the values a sheet over the lower half, the drawing above
// it), a mouse otherwise (a laptop: the values beside the drawing).
//
//   node messwertefoto.cjs SEITE AUS.png BREITExHOEHE [SZENE]     SZENE as in the address

const path = require('node:path');
const { starten, dienen } = require(path.join(__dirname, '..', 'test', 'browser.cjs'));

const [seite, aus, groesse, szene = 'objekt-ort=10&abbildung&strahlen'] = process.argv.slice(2);
const [breite, hoehe] = (groesse || '').split('x').map(Number);
if (!seite || !aus || !(breite > 0 && hoehe > 0)) {
  console.error('messwertefoto.cjs SEITE AUS.png BREITExHOEHE [SZENE]');
  process.exit(2);
}

(async () => {
  const server = await dienen(seite);
  const browser = await starten('chromium');
  try {
    const page = await browser.newPage();
    const touch = breite < 600;
    await page.setViewport({ width: breite, height: hoehe, deviceScaleFactor: 1, hasTouch: touch, isMobile: touch });
    await page.goto(`http://127.0.0.1:${server.address().port}/?${szene}`);
    await page.waitForSelector('html[data-bereit="1"]');
    await page.click('#mnu_messwerte');
    await page.waitForSelector('#messwerte[data-lage]');
    await page.evaluate(() => new Promise((ok) => requestAnimationFrame(() => requestAnimationFrame(() => ok()))));
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
