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

const imHaupt = (el) => !!el && ($('steuerung').contains(el) || el === $('grafik'));
const imInfo = (el) => !!el && !!$('info') && $('info').contains(el);
// In one of the panels beside the main window (info, measured values).
const inTafel = (el) => imInfo(el) || imMesswerte(el);

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
  let aussen;
  let fokus = null;
  let platz;
  if (d.art === 'textfeld') {
    // The box with the word of its heading, which shows only where the
    // controls flow in rows and the heading cannot stand over the boxes.
    fokus = platz = document.createElement('input');
    fokus.type = 'text';
    fokus.className = 'textfeld';
    fokus.value = d.text;
    fokus.spellcheck = false;
    fokus.autocomplete = 'off';
    // A touch keyboard with digits and a decimal separator, whose Enter
    // moves on as Tab does.
    fokus.inputMode = 'decimal';
    fokus.enterKeyHint = 'next';
    fokus.dataset.box = String(d.box);
    boxen[d.box] = fokus;
    zugang(fokus, d);
    aussen = document.createElement('div');
    aussen.className = 'feld';
    const wort = document.createElement('span');
    wort.className = 'kopfwort';
    wort.setAttribute('aria-hidden', 'true');
    aussen.append(wort, fokus);
    fokus.id = d.name;
  } else if (d.art === 'optionsfeld' || d.art === 'kontrollkaestchen') {
    aussen = platz = document.createElement('label');
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
    aussen.id = d.name;
  } else {
    aussen = platz = document.createElement('div');
    aussen.className = 'bezeichnung';
    aussen.textContent = d.text;
    zugang(aussen, d);
    aussen.id = d.name;
  }
  if (fokus) {
    fokus.tabIndex = d.tab + 1;
    fokus.dataset.tab = String(d.tab);
  }
  if (d.fett) platz.classList.add('fett');
  aussen.hidden = !d.sichtbar;
  platzieren(platz, d);
  elemente.set(d.name, { def: d, aussen, fokus, platz });
}

// The boxes under a heading: those within its width, left to right.
function spaltenVon(def) {
  const spalten = [];
  for (const e of elemente.values()) {
    const b = e.def;
    if (b.art === 'textfeld' && b.links >= def.links && b.links + b.breite <= def.links + def.breite) spalten.push(e);
  }
  return spalten.sort((a, b) => a.def.links - b.def.links);
}

// The controls into the page in reading order, which is the keyboard order:
// a heading with the boxes under it, the option pair, the check box, then
// the labels that take no focus. Placed by the design, the order does not
// show; flowing in rows (fluss), it is the order of the rows.
function ordnen() {
  const steuerung = $('steuerung');
  const teile = [];
  const vergeben = new Set();
  const ersterTab = (liste) => Math.min(...liste.map((e) => e.def.tab));
  for (const e of elemente.values()) {
    if (e.def.art !== 'bezeichnung' || e.def.text.split(/ {2,}/).length < 2) continue;
    const spalten = spaltenVon(e.def);
    if (spalten.length === 0) continue;
    const gruppe = document.createElement('div');
    gruppe.className = 'gruppe';
    gruppe.append(e.aussen, ...spalten.map((s) => s.aussen));
    [e, ...spalten].forEach((x) => vergeben.add(x));
    teile.push([ersterTab(spalten), gruppe]);
  }
  for (const e of elemente.values()) {
    if (vergeben.has(e)) continue;
    teile.push([e.fokus ? e.def.tab : 1000 + teile.length, e.aussen]);
  }
  teile.sort((a, b) => a[0] - b[0]);
  steuerung.append(...teile.map((t) => t[1]));
  cursorZugang();
  grafikEinreihen();
}

// The drawing takes the focus, for its arrow keys (ziehen.js): in the
// keyboard order right after the last entry box, before the control that
// follows that box.
function grafikEinreihen() {
  const letzte = Math.max(...[...elemente.values()].filter((e) => e.def.art === 'textfeld').map((e) => e.def.tab));
  const g = $('grafik');
  g.dataset.tab = String(letzte + 0.5);
  g.tabIndex = letzte + 2;
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
    const spalten = spaltenVon(def).map((e) => e.def);
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
        elemente.get(box.name).aussen.querySelector('.kopfwort').textContent = wort;
      }
      span.style.left = links + 'px';
      aussen.append(span);
    });
  }
}

// The keyboard order of the main window by TabIndex, hidden controls
// skipped; the option pair is one stop, at its selected button; the
// drawing where grafikEinreihen put it.
function hauptReihe() {
  const reihe = [];
  for (const { def, aussen, fokus } of elemente.values()) {
    if (!fokus || aussen.hidden) continue;
    if (fokus.type === 'radio' && !fokus.checked) continue;
    reihe.push([def.tab, fokus]);
  }
  const g = $('grafik');
  if (g.dataset.tab !== undefined && !g.closest('[hidden]')) reihe.push([Number(g.dataset.tab), g]);
  reihe.sort((a, b) => a[0] - b[0]);
  return reihe.map((r) => r[1]);
}

function infoReihe() {
  const info = $('info');
  return vandrelInfo.tab.map((name) => info.querySelector(`[data-name="${name}"]`)).filter((el) => el);
}

function weiterschalten(rueckwaerts) {
  const aktiv = document.activeElement;
  const reihe = imInfo(aktiv) ? infoReihe() : imMesswerte(aktiv) ? messwerteReihe() : hauptReihe();
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
  // A box entered by Tab or Shift+Tab has its whole text selected, so that
  // typing replaces it, as on the desktop; a click places the caret.
  if (ziel.type === 'text') ziel.select();
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
    // On a touch screen a box also loses the focus to nothing, when the
    // keyboard is closed or the drawing tapped: that ends its entry too.
    // (Another program taking the focus leaves the box the page's active
    // element, to get it back.)
    if (beruehrung() && e.target.dataset.box !== undefined && !e.relatedTarget && document.activeElement !== e.target) {
      fokusVerlassen(e.target);
      if (hauptFokus === e.target) hauptFokus = null;
      return;
    }
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
    } else if (imMesswerte(neu)) {
      messwerteFokus = neu;
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


// ------------------------------------------------------------ layout

// The client area as designed, from the core; below its width the controls
// flow in rows above the drawing, as they do on a touch screen, where each
// needs room for a finger.
let entwurfBreite = 0;
const grobAbfrage = matchMedia('(pointer: coarse)');
const beruehrung = () => grobAbfrage.matches;

function entwurfSetzen(breite) {
  entwurfBreite = breite;
}

// The readout's text is its value; for a screen reader it has a name too,
// and it is a status that does not speak up at every move of the pointer.
let cursorName = '';
function cursorBenennen(name) {
  cursorName = name;
}
function cursorZugang() {
  const el = elemente.get('lbl_cursor_position');
  if (!el || !cursorName) return;
  el.aussen.setAttribute('role', 'status');
  el.aussen.setAttribute('aria-live', 'off');
  el.aussen.setAttribute('aria-label', cursorName);
}

// In the projector view the controls flow above the drawing too: twice as
// large they would cover the top of the picture.
let steuerAnordnen = () => {};
function anordnungBeobachten() {
  const schmal = matchMedia(`(max-width: ${entwurfBreite - 0.5}px)`);
  steuerAnordnen = () => {
    const wurzel = document.documentElement;
    wurzel.classList.toggle('fluss', schmal.matches || grobAbfrage.matches || wurzel.classList.contains('projektor'));
    wurzel.classList.toggle('beruehrung', grobAbfrage.matches);
  };
  schmal.addEventListener('change', steuerAnordnen);
  grobAbfrage.addEventListener('change', steuerAnordnen);
  steuerAnordnen();
}

// How far right the controls placed by the design reach: a label by its
// caption, which may end well inside its box; the drawing beside a panel
// keeps at least this width.
function steuerBreite() {
  const masse = document.createElement('canvas').getContext('2d');
  let rechts = 0;
  for (const { def, platz } of elemente.values()) {
    let breite = def.breite;
    if (def.art === 'bezeichnung') {
      masse.font = getComputedStyle(platz).font;
      breite = Math.min(breite, Math.ceil(masse.measureText(def.text).width) + 4);
    }
    rechts = Math.max(rechts, def.links + breite);
  }
  return rechts + 8;
}

// Whether the controls flow in rows (a narrow page or a touch screen)
// rather than standing where the design puts them.
function fliesst() {
  return document.documentElement.classList.contains('fluss');
}
