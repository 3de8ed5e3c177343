'use strict';
// The info panel: the desktop's info window as seite_export wrote it
// (info.js), a window in the page beside the main window.

function infoBauen() {
  const d = vandrelInfo;
  const info = document.createElement('section');
  info.id = 'info';
  info.className = 'fenster';
  info.setAttribute('role', 'dialog');
  info.setAttribute('aria-label', d.titel);
  const leiste = document.createElement('div');
  leiste.className = 'titelleiste';
  const t = document.createElement('span');
  t.textContent = d.titel;
  const zu = $('schliessen_vorlage').content.firstElementChild.cloneNode(true);
  zu.addEventListener('mousedown', (e) => e.preventDefault());
  // Closed through its frame: gone as after OK. The page has no other
  // window to go to, so the main window's control gets the focus back.
  zu.addEventListener('click', () => {
    infoEntladen();
    hauptZeigen();
  });
  leiste.append(t, zu);
  const inhalt = document.createElement('div');
  inhalt.className = 'inhalt';
  inhalt.style.width = d.breite + 'px';
  inhalt.style.height = d.hoehe + 'px';
  inhalt.style.fontSize = d.schrift.px + 'px';
  // In reading order, row by row, each row left to right (a formula beside
  // its caption), which is also the order of the single column below.
  const zeilen = [];
  for (const e of [...d.elemente].sort((a, b) => a.y - b.y)) {
    const z = zeilen[zeilen.length - 1];
    if (z && e.y < z.unten) {
      z.teile.push(e);
      z.unten = Math.max(z.unten, e.y + e.h);
    } else {
      zeilen.push({ teile: [e], unten: e.y + e.h });
    }
  }
  const lesefolge = zeilen.flatMap((z) => z.teile.sort((a, b) => a.x - b.x || a.y - b.y));
  for (const e of lesefolge) {
    let el;
    if (e.art === 'knopf') {
      el = document.createElement('button');
      el.textContent = e.text;
      el.dataset.name = 'cmd_ok';
      el.addEventListener('click', () => {
        infoEntladen();
        hauptZeigen();
      });
    } else if (e.art === 'bild') {
      el = document.createElement('div');
      el.className = 'bildfeld';
      el.tabIndex = 0;
      el.dataset.name = e.name;
      el.style.borderWidth = e.rahmen + 'px';
      const img = document.createElement('img');
      img.src = e.datei;
      // The picture reads its formula; the field around it says which one.
      img.alt = e.zugangBeschreibung || '';
      el.setAttribute('role', 'group');
      el.append(img);
    } else {
      el = document.createElement('div');
      el.className = 'infotext';
      el.textContent = e.text;
      if (!e.umbruch) el.classList.add('einzeilig');
    }
    if (e.zugangName) el.setAttribute('aria-label', e.zugangName);
    if (e.zugangBeschreibung && e.art !== 'bild') el.setAttribute('aria-description', e.zugangBeschreibung);
    el.style.left = e.x + 'px';
    el.style.top = e.y + 'px';
    el.style.width = e.w + 'px';
    el.style.height = e.h + 'px';
    el.style.fontSize = e.schrift.px + 'px';
    if (e.schrift.fett) el.classList.add('fett');
    inhalt.append(el);
  }
  // A page lower than the panel scrolls its content, the OK button included.
  const rollen = document.createElement('div');
  rollen.className = 'rollen';
  rollen.append(inhalt);
  const fuss = document.createElement('div');
  fuss.className = 'fuss';
  info.append(leiste, rollen, fuss);
  verschiebbar(info, leiste);
  // A click on the panel activates it: its control gets the focus back; a
  // text or the frame takes none.
  info.addEventListener('mousedown', (e) => {
    if (e.target.closest('button, .bildfeld')) return;
    e.preventDefault();
    if (!imInfo(document.activeElement) && infoFokus && infoFokus.isConnected) infoFokus.focus({ preventScroll: true });
  });
  document.body.append(info);
  // Over the drawing, clear of the strip of controls; where they flow in
  // rows, right under the menu bar, and never wider or taller than the
  // page: its content scrolls inside it, its title bar with the close
  // button stays in view.
  const seite = document.documentElement;
  const strip = fliesst()
    ? $('bereich').getBoundingClientRect().top
    : $('bereich').getBoundingClientRect().top + Math.max(...[...elemente.values()].map((e) => e.def.oben + e.def.hoehe)) + 4;
  const oben = Math.round(strip);
  info.style.top = oben + 'px';
  info.style.maxHeight = `calc(100% - ${oben}px)`;
  // A page narrower than the panel's layout gets its parts in one column,
  // at the text's own size (scaled down, 11-pixel text would be unreadable).
  // OK stands at the foot of the panel, always in view, wherever the page
  // is narrower or lower than the layout.
  // In the projector view the panel's parts are larger (seite.css).
  const k = parseFloat(getComputedStyle(rollen).zoom) || 1;
  const schmal = matchMedia(`(max-width: ${d.breite * k + 1.5}px)`);
  const niedrig = matchMedia(`(max-height: ${oben + leiste.getBoundingClientRect().height + d.hoehe * k + 1.5}px)`);
  const ok = inhalt.querySelector('[data-name="cmd_ok"]');
  const spalte = () => {
    info.classList.toggle('einspaltig', schmal.matches);
    const unten = schmal.matches || niedrig.matches;
    info.classList.toggle('okunten', unten);
    const hatteFokus = document.activeElement === ok;
    (unten ? fuss : inhalt).append(ok);
    if (hatteFokus) ok.focus({ preventScroll: true });
  };
  schmal.addEventListener('change', spalte);
  niedrig.addEventListener('change', spalte);
  info.spalteLoesen = () => {
    schmal.removeEventListener('change', spalte);
    niedrig.removeEventListener('change', spalte);
  };
  spalte();
  info.style.left = Math.max(0, Math.min(470, seite.clientWidth - info.offsetWidth)) + 'px';
  return info;
}

// darf(): whether the panel may be moved now (a panel fixed beside the
// drawing or as a sheet is not).
function verschiebbar(fenster, griff, darf = () => true) {
  griff.addEventListener('pointerdown', (e) => {
    if (e.target.closest('button') || !darf()) return;
    e.preventDefault();
    const dx = e.clientX - fenster.offsetLeft;
    const dy = e.clientY - fenster.offsetTop;
    griff.setPointerCapture(e.pointerId);
    // The title bar stays reachable: never dragged past the page's edges.
    const ziehen = (m) => {
      const seite = document.documentElement;
      fenster.style.left = Math.max(0, Math.min(m.clientX - dx, seite.clientWidth - 44)) + 'px';
      fenster.style.top = Math.max(0, Math.min(m.clientY - dy, seite.clientHeight - griff.offsetHeight)) + 'px';
    };
    const los = () => {
      griff.removeEventListener('pointermove', ziehen);
      griff.removeEventListener('pointerup', los);
    };
    griff.addEventListener('pointermove', ziehen);
    griff.addEventListener('pointerup', los);
  });
}

// Created on first use, brought to the front and activated after that.
function infoZeigen() {
  let info = $('info');
  if (!info) {
    info = infoBauen();
    infoFokus = info.querySelector('[data-name="cmd_ok"]');
  }
  if (infoFokus && infoFokus.isConnected) infoFokus.focus({ preventScroll: true });
}

function infoEntladen() {
  const info = $('info');
  if (info) {
    info.spalteLoesen();
    info.remove();
  }
  infoFokus = null;
}

// The main window to the front and active, without a redraw.
function hauptZeigen() {
  if (hauptFokus && hauptFokus.isConnected && !hauptFokus.closest('[hidden]')) hauptFokus.focus();
}

