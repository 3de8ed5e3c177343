'use strict';
// The scene in the page's address, so that a link shares it and a reload
// keeps it: read once at start, written back after every change the picture
// shows, put on the clipboard by "Link kopieren". Which names, which order,
// which texts: all the core's (form/szenenoptionen), made from the values
// taken over, never from a box's text; the page hands the query over and
// takes it back.

const abfrage = () => location.search;

// The address the scene asks for, and whether it still waits to be written.
let adresseZiel = null;
let adresseWartet = 0;
// Browsers refuse more than about 200 address changes in ten seconds, and
// a long drag or a held arrow key asks for one a frame: a store of 40
// writes, one more each tenth of a second, keeps well below that. What
// waits is written as soon as the store allows, the latest scene only.
const ADRESSE_VORRAT = 40;
const ADRESSE_TAKT = 100;
let adresseVorrat = ADRESSE_VORRAT;
let adresseStand = performance.now();

function adresseSchreiben() {
  adresseWartet = 0;
  const ziel = adresseZiel;
  if (ziel === location.pathname + location.search + location.hash) return;
  // Replaced, not pushed: Back leaves the page rather than stepping
  // through every value typed. A browser that refuses to change the
  // address of a page opened from disk keeps the one it has.
  try {
    history.replaceState(history.state, '', ziel);
  } catch (e) {
    // the address stays as it was
  }
}

function adresse(neu) {
  adresseZiel = location.pathname + (neu ? '?' + neu : '') + location.hash;
  if (adresseWartet) return;
  const jetzt = performance.now();
  adresseVorrat = Math.min(ADRESSE_VORRAT, adresseVorrat + (jetzt - adresseStand) / ADRESSE_TAKT);
  adresseStand = jetzt;
  if (adresseVorrat >= 1) {
    adresseVorrat -= 1;
    adresseSchreiben();
  } else {
    adresseWartet = setTimeout(() => {
      adresseVorrat = 0;
      adresseStand = performance.now();
      adresseSchreiben();
    }, (1 - adresseVorrat) * ADRESSE_TAKT);
  }
}

// The link to the scene the picture shows, even while its address waits
// or where the browser kept the old one.
function linkKopieren() {
  const link = adresseZiel === null ? location.href : new URL(adresseZiel, location.href).href;
  textInAblage(link, (ok) => Module._vandrel_link_fertig(ok ? 1 : 0));
}
