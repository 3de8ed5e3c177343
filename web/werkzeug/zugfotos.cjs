'use strict';
// The object dragged by a finger on a phone, for the README: Debian's
// Chromium at 390 x 844 CSS pixels with a touch screen, a scene from the
// address, the object's tip held and carried along the axis; at each named
// place, while the finger still holds it, a picture of the object's boxes
// and the drawing.
//
//   node zugfotos.cjs SEITE SZENE X:AUS.png [X:AUS.png ...]
//       SZENE as in the address; X the object's place in world units

const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');
const { starten } = require(path.join(__dirname, '..', 'test', 'browser.cjs'));

const [seite, szene, ...halte] = process.argv.slice(2);
if (!seite || !szene || halte.length === 0) {
  console.error('zugfotos.cjs SEITE SZENE X:AUS.png [X:AUS.png ...]');
  process.exit(2);
}

(async () => {
  const server = http.createServer((req, res) => {
    const name = new URL(req.url, 'http://x').pathname.replace(/\/$/, '/index.html');
    const datei = path.join(seite, path.normalize(name));
    if (!datei.startsWith(seite) || !fs.existsSync(datei)) {
      res.writeHead(404).end();
      return;
    }
    const typ = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.png': 'image/png' };
    res.writeHead(200, { 'Content-Type': typ[path.extname(datei)] || 'application/octet-stream' });
    fs.createReadStream(datei).pipe(res);
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  const browser = await starten('chromium');
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 1, hasTouch: true, isMobile: true });
    await page.goto(`http://127.0.0.1:${server.address().port}/?${szene}`);
    await page.waitForSelector('html[data-bereit="1"]');
    // World to page pixels, from the readout at two places.
    const lesen = (fx, fy) => page.evaluate((fx, fy) => {
      const g = document.getElementById('grafik');
      const r = g.getBoundingClientRect();
      const x = r.left + r.width * fx;
      const y = r.top + r.height * fy;
      g.dispatchEvent(new PointerEvent('pointermove', { clientX: x, clientY: y, pointerType: 'touch', bubbles: true }));
      const m = /^x = (-?\d+,\d) {5}y = (-?\d+,\d)$/.exec(document.getElementById('lbl_cursor_position').textContent);
      return [x, y, Number(m[1].replace(',', '.')), Number(m[2].replace(',', '.'))];
    }, fx, fy);
    const a = await lesen(0.1, 0.3);
    const b = await lesen(0.9, 0.9);
    const welt = (wx, wy) => [a[0] + (wx - a[2]) * (b[0] - a[0]) / (b[2] - a[2]),
      a[1] + (wy - a[3]) * (b[1] - a[1]) / (b[3] - a[3])];
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
