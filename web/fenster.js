'use strict';
// The page of the browser edition, one concern a file, each a plain script
// (a page opened from disk may load no modules): they share the page's
// global scope and run in the order index.html names them. The page builds
// the window that the core describes, hands the page's events to the core
// (the vandrel_* exports of vandrel_web.cpp) and carries out what the core
// asks for through Seite (start.js). What a box accepts, what it is reset to
// and every message come from the core; the scripts only show them.
//
// This file: the main window, its controls, the keyboard order and the focus.

const $ = (id) => document.getElementById(id);
const elemente = new Map(); // name -> {def, aussen, fokus}
const boxen = []; // input element of each entry box, in the core's order

// The control of the main window that has, or last had, the focus: the one
// that gets it back when the main window is activated again.
let hauptFokus = null;
// The info panel's control that last had the focus.
let infoFokus = null;

const imHaupt = (el) => !!el && $('bereich').contains(el) && el !== $('grafik');
const imInfo = (el) => !!el && !!$('info') && $('info').contains(el);

// ------------------------------------------------------------ the window

function platzieren(el, d) {
  el.style.left = d.links + 'px';
  el.style.top = d.oben + 'px';
  el.style.width = d.breite + 'px';
  el.style.height = d.hoehe + 'px';
}

function zugang(el, d) {
  if (d.zugangName) el.setAttribute('aria-label', d.zugangName);
  if (d.zugangBeschreibung) el.setAttribute('aria-description', d.zugangBeschreibung);
}

// "&Datei": the text and its access key, the letter underlined.
function zugriff(caption, el) {
  const i = caption.indexOf('&');
  el.textContent = '';
  if (i < 0 || i + 1 >= caption.length) {
    el.textContent = caption;
    return '';
  }
  el.append(caption.slice(0, i));
  const u = document.createElement('u');
  u.textContent = caption[i + 1];
  el.append(u, caption.slice(i + 2));
  return caption[i + 1].toLowerCase();
}

function element(d) {
  const bereich = $('bereich');
  let aussen;
  let fokus = null;
  if (d.art === 'textfeld') {
    aussen = fokus = document.createElement('input');
    aussen.type = 'text';
    aussen.className = 'textfeld';
    aussen.value = d.text;
    aussen.spellcheck = false;
    aussen.autocomplete = 'off';
    aussen.dataset.box = String(d.box);
    boxen[d.box] = aussen;
    zugang(aussen, d);
  } else if (d.art === 'optionsfeld' || d.art === 'kontrollkaestchen') {
    aussen = document.createElement('label');
    aussen.className = 'schalter';
    fokus = document.createElement('input');
    fokus.type = d.art === 'optionsfeld' ? 'radio' : 'checkbox';
    if (d.art === 'optionsfeld') fokus.name = 'modus';
    const text = document.createElement('span');
    text.textContent = d.text;
    aussen.append(fokus, text);
    // A press on the caption focuses the button at once, as on the
    // desktop, so that the box left by it ends its entry there and then.
    aussen.addEventListener('mousedown', (e) => {
      if (e.button === 0 && e.target !== fokus) {
        e.preventDefault();
        fokus.focus();
      }
    });
    zugang(fokus, d);
  } else {
    aussen = document.createElement('div');
    aussen.className = 'bezeichnung';
    aussen.textContent = d.text;
    zugang(aussen, d);
  }
  aussen.id = d.name;
  if (fokus) {
    fokus.tabIndex = d.tab + 1;
    fokus.dataset.tab = String(d.tab);
  }
  if (d.fett) aussen.classList.add('fett');
  aussen.hidden = !d.sichtbar;
  platzieren(aussen, d);
  bereich.append(aussen);
  elemente.set(d.name, { def: d, aussen, fokus });
}

// A heading whose caption places its words over the boxes below it by
// runs of blanks: no font matches blanks to the box spacing, so the first
// word stands at the left edge and each further one is centred over its box.
function kopfzeilenSetzen() {
  const masse = document.createElement('canvas').getContext('2d');
  for (const { def, aussen } of elemente.values()) {
    if (def.art !== 'bezeichnung') continue;
    const woerter = def.text.split(/ {2,}/).filter((w) => w.length > 0);
    if (woerter.length < 2) continue;
    const spalten = [];
    for (const e of elemente.values()) {
      const b = e.def;
      if (b.art === 'textfeld' && b.links >= def.links && b.links + b.breite <= def.links + def.breite) {
        spalten.push(b);
      }
    }
    spalten.sort((a, b) => a.links - b.links);
    if (spalten.length !== woerter.length - 1) continue;
    masse.font = getComputedStyle(aussen).font;
    aussen.textContent = '';
    aussen.dataset.caption = def.text;
    aussen.classList.add('kopf');
    woerter.forEach((wort, i) => {
      const span = document.createElement('span');
      span.textContent = wort;
      let links = 0;
      if (i > 0) {
        const breite = Math.ceil(masse.measureText(wort).width);
        const box = spalten[i - 1];
        links = box.links - def.links + Math.trunc((box.breite - breite) / 2);
        links = Math.max(0, Math.min(links, def.breite - breite));
      }
      span.style.left = links + 'px';
      aussen.append(span);
    });
  }
}

// The keyboard order of the main window by TabIndex, hidden controls
// skipped; the option pair is one stop, at its selected button.
function hauptReihe() {
  const reihe = [];
  for (const { def, aussen, fokus } of elemente.values()) {
    if (!fokus || aussen.hidden) continue;
    if (fokus.type === 'radio' && !fokus.checked) continue;
    reihe.push([def.tab, fokus]);
  }
  reihe.sort((a, b) => a[0] - b[0]);
  return reihe.map((r) => r[1]);
}

function infoReihe() {
  const info = $('info');
  return vandrelInfo.tab.map((name) => info.querySelector(`[data-name="${name}"]`)).filter((el) => el);
}

function weiterschalten(rueckwaerts) {
  const aktiv = document.activeElement;
  const reihe = imInfo(aktiv) ? infoReihe() : hauptReihe();
  if (reihe.length === 0) return;
  let i = reihe.indexOf(aktiv);
  if (i < 0 && aktiv && aktiv.dataset && aktiv.dataset.tab !== undefined) {
    // The unselected button of the pair: its place in the order.
    const tab = Number(aktiv.dataset.tab);
    i = reihe.findIndex((el) => Number(el.dataset.tab) > tab) - 1;
    if (i < -1) i = reihe.length - 1;
    if (rueckwaerts) i += 1;
  }
  const n = reihe.length;
  const ziel = i < 0 ? reihe[rueckwaerts ? n - 1 : 0] : reihe[(i + (rueckwaerts ? n - 1 : 1)) % n];
  ziel.focus();
}

// A box loses the focus when it goes to another control of the main
// window; not when another window (info panel, message box) or another
// program takes it: the main window keeps it then, and whatever control
// is chosen when the main window is activated again takes it from the box.
function fokusVerlassen(el) {
  if (el && el.dataset.box !== undefined && !beendet) {
    Module._vandrel_lost_focus(Number(el.dataset.box));
  }
}

// A press on an option button or the check box that ends an entry with a
// message: the dialog takes the release, so the click is finished after
// the message is closed, as the desktop does.
let gedrueckt = false;
let klickNachholen = null;

function fokusBeobachten() {
  window.addEventListener('mousedown', () => { gedrueckt = true; }, true);
  window.addEventListener('mouseup', () => { gedrueckt = false; }, true);
  document.addEventListener('focusout', (e) => {
    if (imHaupt(e.target) && imHaupt(e.relatedTarget)) {
      fokusVerlassen(e.target);
      const ziel = e.relatedTarget;
      if (gedrueckt && (meldungAnstehend || meldungOffen) && (ziel.type === 'radio' || ziel.type === 'checkbox')) {
        klickNachholen = ziel;
      }
    }
  }, true);
  document.addEventListener('focusin', (e) => {
    const neu = e.target;
    if (imHaupt(neu)) {
      if (!imHaupt(e.relatedTarget) && hauptFokus && hauptFokus !== neu) fokusVerlassen(hauptFokus);
      hauptFokus = neu;
    } else if (imInfo(neu)) {
      infoFokus = neu;
    }
  }, true);
}

// The main window activated by a click on the drawing, a label or the menu
// bar: its focus control gets the focus back; a click there takes none.
function hauptAktivieren() {
  if (!imHaupt(document.activeElement) && hauptFokus && hauptFokus.isConnected && !hauptFokus.closest('[hidden]')) {
    hauptFokus.focus();
  }
}

