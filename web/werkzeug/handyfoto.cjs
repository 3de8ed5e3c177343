'use strict';
// The page on a phone for the README: Debian's Chromium at 390 x 844 CSS
// pixels with a touch screen, a scene from the address (the imaging mode
// with its rays unless one is given), as a pupil sees it.
//
//   node handyfoto.cjs SEITE AUS.png [SZENE]     SZENE as in the address: r1=-40&r2=-40&abbildung

const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');
const { starten } = require(path.join(__dirname, '..', 'test', 'browser.cjs'));

const [seite, aus, szene = 'objekt-ort=10&abbildung&strahlen'] = process.argv.slice(2);
if (!seite || !aus) {
  console.error('handyfoto.cjs SEITE AUS.png [SZENE]');
  process.exit(2);
}

(async () => {
  // Served, as a phone would get it; a free port of its own.
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
