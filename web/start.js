'use strict';
// The start, the end, and Seite: what the core calls on the page.

let beendet = false;

function ende() {
  beendet = true;
  infoEntladen();
  messwerteEntladen();
  const dialog = $('meldung');
  meldungOffen = false;
  meldungAnstehend = false;
  if (dialog.open) dialog.close();
  $('fenster').hidden = true;
  $('ende').hidden = false;
  $('neustart').focus();
}

async function starten() {
  await Promise.all([document.fonts.load('11px "Vandrel Sans"'), document.fonts.load('bold 11px "Vandrel Sans"')]);
  schriftPx = parseFloat(getComputedStyle($('bereich')).fontSize) || schriftPx;
  spracheWaehlen();
  Module._vandrel_start();
  ordnen();
  anordnungBeobachten();
  kopfzeilenSetzen();
  fokusBeobachten();
  meldungBeobachten();
  eingabenBeobachten();
  const erstes = hauptReihe()[0];
  if (erstes) erstes.focus();
  groesseBeobachten();
  groesseMelden();
  // The first picture stands; the scene of the address is typed in over it.
  Module._vandrel_adresse_lesen();
  offlineVorbereiten();
  document.documentElement.dataset.bereit = '1';
}

// After one visit the page works without the network (dienst.js, made by
// the build with the page's files and their version). Opened from disk it
// needs none, and may have none.
function offlineVorbereiten() {
  if (location.protocol === 'file:' || !('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register('dienst.js').catch(() => {});
}

// What the core calls (the EM_JS functions of vandrel_web.cpp).
const Seite = {
  starten,
  titel(t) {
    document.title = t;
  },
  entwurf(breite, hoehe, cursorName, menueName, werteName) {
    entwurfSetzen(breite);
    cursorBenennen(cursorName);
    $('menue').setAttribute('aria-label', menueName);
    messwerteWerteName = werteName;
  },
  menue: menueBauen,
  sprachen: sprachenSetzen,
  // The drawing's name; its description is what it shows now (beschreibung),
  // then what it is at all.
  grafikZugang(name, beschreibung) {
    const g = $('grafik');
    g.setAttribute('aria-label', name);
    $('grafik_hilfe').textContent = beschreibung;
    g.setAttribute('aria-describedby', 'grafik_text grafik_hilfe');
  },
  beschreibung,
  zeigerform,
  abfrage,
  adresse,
  linkKopieren,
  // The projector view: the controls twice as large, flowing above the
  // drawing, whose picture the core draws twice as large.
  projektor(an) {
    document.documentElement.classList.toggle('projektor', an);
    $('mnu_projektor').setAttribute('aria-checked', String(an));
    steuerAnordnen();
    groesseMelden();
  },
  element,
  text: (box) => boxen[box].value,
  textSetzen(box, t) {
    const el = boxen[box];
    el.value = t;
    if (document.activeElement === el) el.setSelectionRange(0, 0);
    el.scrollLeft = 0;
  },
  sichtbar(name, an) {
    elemente.get(name).aussen.hidden = !an;
  },
  caption(name, t) {
    elemente.get(name).aussen.textContent = t;
  },
  gewaehlt: (name) => (elemente.get(name).fokus.checked ? 1 : 0),
  // Selects an option button, or checks or unchecks the check box; no
  // change event: the core runs the click itself.
  waehlen(name, an) {
    elemente.get(name).fokus.checked = an;
  },
  meldung,
  ablage,
  infoZeigen,
  messwerteZeigen,
  messwerte,
  textAblage,
  ende,
  bild,
  textZeichnen,
  textBreite,
  textGrundlinie,
};

var Module = {
  onRuntimeInitialized() {
    Seite.starten();
  },
};
