'use strict';
// The page on a classroom projector for the README: Debian's Chromium at
// 1920 x 1080 CSS pixels in the projector view, a scene from the address
// (the imaging mode with its rays unless one is given).
//
//   node projektorfoto.cjs SEITE AUS.png [SZENE]     SZENE as in the address: r1=-40&r2=-40&abbildung

const path = require('node:path');
const { starten, dienen } = require(path.join(__dirname, '..', 'test', 'browser.cjs'));

const [seite, aus, szene = 'objekt-ort=10&abbildung&strahlen'] = process.argv.slice(2);
if (!seite || !aus) {
  console.error('projektorfoto.cjs SEITE AUS.png [SZENE]');
  process.exit(2);
}

(async () => {
  const server = await dienen(seite);
  const browser = await starten('chromium');
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1920, height: 1080, deviceScaleFactor: 1 });
    await page.goto(`http://127.0.0.1:${server.address().port}/?${szene}&projektor`);
    await page.waitForSelector('html[data-bereit="1"]');
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
