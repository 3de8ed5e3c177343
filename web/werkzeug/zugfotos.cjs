'use strict';
// The object dragged by a finger on a phone, for the README: Debian's
// Chromium at 390 x 844 CSS pixels with a touch screen, a scene from the
// address, the object's tip held and carried along the axis; at each named
// place, while the finger still holds it, a picture of the object's boxes
// and the drawing.
//
//   node zugfotos.cjs SEITE SZENE X:AUS.png [X:AUS.png ...]
//       SZENE as in the address; X the object's place in world units

const path = require('node:path');
const { starten, dienen, weltAufSeite, seiteOeffnen } = require(path.join(__dirname, '..', 'test', 'browser.cjs'));

const [seite, szene, ...halte] = process.argv.slice(2);
if (!seite || !szene || halte.length === 0) {
  console.error('zugfotos.cjs SEITE SZENE X:AUS.png [X:AUS.png ...]');
  process.exit(2);
}

(async () => {
  const server = await dienen(seite);
  const browser = await starten('chromium');
  try {
    const page = await seiteOeffnen(browser, server, szene);
    const welt = await weltAufSeite(page, 'touch');
    const [ort, hoehe] = await page.evaluate(() => ['txt_ort', 'txt_h\u00f6he']
      .map((id) => Number(document.getElementById(id).value.replace(',', '.'))));
    // From the object's boxes to the drawing's lower edge.
    const ausschnitt = await page.evaluate(() => {
      const oben = document.getElementById('txt_ort').parentElement.getBoundingClientRect().top;
      const g = document.getElementById('grafik').getBoundingClientRect();
      return { x: 0, y: Math.floor(oben) - 4, width: innerWidth, height: Math.ceil(g.bottom - oben) + 4 };
    });
    // The finger carried in small steps, each one drawn; a finger's place
    // is a whole pixel, so the box reads the place it lands on.
    let x = ort;
    await page.touchscreen.touchStart(...welt(x, hoehe));
    for (const halt of halte) {
      const [ziel, aus] = halt.split(/:(.*)/s);
      while (Math.abs(Number(ziel) - x) > 1e-9) {
        x += Math.sign(Number(ziel) - x) * Math.min(2, Math.abs(Number(ziel) - x));
        await page.touchscreen.touchMove(...welt(x, hoehe));
        await page.evaluate(() => new Promise((ok) => requestAnimationFrame(() => ok())));
      }
      await page.screenshot({ path: aus, clip: ausschnitt });
      console.log(aus);
    }
    await page.touchscreen.touchEnd();
  } finally {
    await browser.close();
    server.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
