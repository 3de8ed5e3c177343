'use strict';
// The page's language. The core chooses it (the address's "sprache=", else
// the browser's preferred languages) and holds the one catalogue; the page's
// own texts are German in the scripts, as the core's are in its code, and
// uebersetzt asks the core for them. The menu "Sprache" opens the page
// anew in another language, with the scene of the address.

// The languages there are catalogues for, [code, name in itself], and the one in use.
let sprachen = [];
let spracheAktuell = 'de';

// The text in the language in use, with %1 … %9 replaced by the values.
function uebersetzt(deutsch, ...werte) {
  const text = Module.ccall('vandrel_uebersetzt', 'string', ['string'], [deutsch]);
  return text.replace(/%([1-9])/g, (platz, i) => (i <= werte.length ? String(werte[i - 1]) : platz));
}

// Chosen before the window is built; the document, the info page and the
// page's fixed texts follow it.
function spracheWaehlen() {
  const browser = (navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ''])
    .join(',');
  const code = Module.ccall('vandrel_sprache', 'string', ['string'], [browser]);
  document.documentElement.lang = code;
  if (typeof vandrelInfos !== 'undefined' && vandrelInfos[code]) vandrelInfo = vandrelInfos[code];
  $('meldung_ok').textContent = uebersetzt('OK');
  $('schliessen_vorlage').content.firstElementChild.setAttribute('aria-label', uebersetzt('Schließen'));
  $('ende_text').textContent = uebersetzt('Vandrel ist beendet.');
  $('neustart').textContent = uebersetzt('Neu starten');
}

function sprachenSetzen(liste, aktuell) {
  sprachen = liste;
  spracheAktuell = aktuell;
}

// The page anew in that language, the scene on screen kept in its address.
function spracheWechseln(code) {
  if (code === spracheAktuell) return;
  const abfrage = Module.ccall('vandrel_sprache_adresse', 'string', ['string'], [code]);
  location.assign(location.pathname + '?' + abfrage + location.hash);
}
