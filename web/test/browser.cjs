'use strict';
// Debian's browsers through puppeteer-core, never one of the driver's own:
// Chromium over the DevTools protocol, Firefox ESR over WebDriver BiDi, each
// with a fresh profile of its own. Shared by the page's test, the bench and
// the picture tools, with a static server and the drawing's world on the page.

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const CHROMIUM = '/usr/bin/chromium';
const FIREFOX = '/usr/bin/firefox-esr';

// Firefox calls no other host at start: no updates, telemetry, remote
// settings, captive-portal or connectivity check, safe-browsing lists.
// Whatever the driver's own profile still points elsewhere goes to a
// closed port on this machine.
const NIRGENDS = 'http://127.0.0.1:9/';
const FIREFOX_EINSTELLUNGEN = {
  'app.update.enabled': false,
  'app.update.auto': false,
  'app.update.url': NIRGENDS,
  'app.normandy.enabled': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'datareporting.healthreport.uploadEnabled': false,
  'toolkit.telemetry.enabled': false,
  'toolkit.telemetry.unified': false,
  'toolkit.telemetry.server': NIRGENDS,
  'services.settings.server': NIRGENDS,
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
  'network.dns.disablePrefetch': true,
  'network.prefetch-next': false,
  'browser.safebrowsing.downloads.remote.enabled': false,
  'browser.safebrowsing.provider.google4.updateURL': NIRGENDS,
  'browser.safebrowsing.provider.mozilla.updateURL': NIRGENDS,
  'extensions.blocklist.enabled': false,
  'extensions.getAddons.discovery.api_url': NIRGENDS,
  'media.gmp-gmpopenh264.enabled': false,
  'browser.aboutHomeSnippets.updateUrl': NIRGENDS,
  'browser.region.network.url': NIRGENDS,
  'geo.provider.network.url': NIRGENDS,
  // A German user's browser: the page speaks the browser's language.
  'intl.accept_languages': 'de-DE,de',
  // The clipboard read back by the test, without a paste prompt.
  'dom.events.testing.asyncClipboard': true,
  // The limit on address changes that a user's Firefox has (200 in ten
  // seconds), which the driver's profile lifts.
  'dom.navigation.navigationRateLimit.count': 200,
  'dom.navigation.navigationRateLimit.timespan': 10,
};

// touch: Firefox emulates no touch screen over BiDi; its profile can make
// the primary pointer a coarse one (a finger) for the whole browser.
async function starten(engine, { touch = false } = {}) {
  if (engine === 'firefox') {
    const zeiger = touch ? { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } : {};
    return puppeteer.launch({
      browser: 'firefox',
      protocol: 'webDriverBiDi',
      executablePath: FIREFOX,
      headless: true,
      extraPrefsFirefox: { ...FIREFOX_EINSTELLUNGEN, ...zeiger },
    });
  }
  if (engine !== 'chromium') throw new Error(`unknown engine ${engine}`);
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    // The limit on address changes that a user's Chromium has, which the
    // driver lifts by default.
    ignoreDefaultArgs: ['--disable-ipc-flooding-protection'],
    // A German user's browser, as Firefox's profile says it.
    args: ['--lang=de-DE', '--accept-lang=de-DE,de', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-features=Translate,OptimizationHints,MediaRouter'],
  });
}

// The built page served as a phone would get it, on a free port of its own.
async function dienen(seite) {
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
  return server;
}

// A place of the world to page pixels over the drawing, from the readout at
// two places, each told by a pointer move of this type made up in the page.
async function weltAufSeite(page, zeigerart = 'mouse') {
  const lesen = (fx, fy) => page.evaluate((fx, fy, zeigerart) => {
    const g = document.getElementById('grafik');
    const r = g.getBoundingClientRect();
    const x = r.left + r.width * fx;
    const y = r.top + r.height * fy;
    g.dispatchEvent(new PointerEvent('pointermove', { clientX: x, clientY: y, pointerType: zeigerart, bubbles: true }));
    const m = /^x = (-?\d+,\d) {5}y = (-?\d+,\d)$/.exec(document.getElementById('lbl_cursor_position').textContent);
    return [x, y, Number(m[1].replace(',', '.')), Number(m[2].replace(',', '.'))];
  }, fx, fy, zeigerart);
  const a = await lesen(0.1, 0.3);
  const b = await lesen(0.9, 0.9);
  return (wx, wy) => [a[0] + (wx - a[2]) * (b[0] - a[0]) / (b[2] - a[2]), a[1] + (wy - a[3]) * (b[1] - a[1]) / (b[3] - a[3])];
}

// A new page with the scene of the address, once it is ready; as a phone
// shows it (390 x 844 CSS pixels, a touch screen) unless told otherwise.
async function seiteOeffnen(browser, server, szene, { breite = 390, hoehe = 844, touch = true } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: breite, height: hoehe, deviceScaleFactor: 1, hasTouch: touch, isMobile: touch });
  await page.goto(`http://127.0.0.1:${server.address().port}/?${szene}`);
  await page.waitForSelector('html[data-bereit="1"]');
  return page;
}

module.exports = { starten, dienen, weltAufSeite, seiteOeffnen };
