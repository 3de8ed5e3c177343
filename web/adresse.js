'use strict';
// The scene in the page's address, so that a link shares it and a reload
// keeps it: read once at start, written back after every accepted change,
// put on the clipboard by "Link kopieren". Which names, which order, which
// texts: all the core's (form/szenenoptionen); the page hands the query over
// and takes it back.

const abfrage = () => location.search;

// Replaced, not pushed: Back leaves the page rather than stepping through
// every value typed. A browser that refuses to change the address of a page
// opened from disk keeps the one it has.
function adresse(neu) {
  const ziel = location.pathname + (neu ? '?' + neu : '') + location.hash;
  if (ziel === location.pathname + location.search + location.hash) return;
  try {
    history.replaceState(history.state, '', ziel);
  } catch (e) {
    // the address stays as it was
  }
}

function linkKopieren() {
  textInAblage(location.href, (ok) => Module._vandrel_link_fertig(ok ? 1 : 0));
}
