'use strict';
// Debian's browsers through puppeteer-core, never one of the driver's own:
// Chromium over the DevTools protocol, Firefox ESR over WebDriver BiDi, each
// with a fresh profile of its own. Shared by the page's test and the bench.

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
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--disable-features=Translate,OptimizationHints,MediaRouter'],
  });
}

module.exports = { starten };
