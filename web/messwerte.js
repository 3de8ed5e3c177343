'use strict';
// The measured-values panel: the desktop's measured-values window in the
// page. Its numbers come from the core as the very text that the desktop's
// "Kopieren" and --werte give (groups apart by an empty line, a title, a
// line of headings, tab-separated cells), and its chart as pixels drawn by
// the core; this script only lays them out.

// The panel's control that last had the focus.
let messwerteFokus = null;
// The values' scrolling area's name for screen readers, from the core.
let messwerteWerteName = '';

const imMesswerte = (el) => !!el && !!$('messwerte') && $('messwerte').contains(el);

function messwerteBauen() {
  const tafel = document.createElement('section');
  tafel.id = 'messwerte';
  tafel.className = 'fenster';
  tafel.setAttribute('role', 'dialog');
  const titel = uebersetzt('Vandrel - Messwerte');
  tafel.setAttribute('aria-label', titel);
  const leiste = document.createElement('div');
  leiste.className = 'titelleiste';
  const t = document.createElement('span');
  t.textContent = titel;
  const zu = $('schliessen_vorlage').content.firstElementChild.cloneNode(true);
  zu.addEventListener('mousedown', (e) => e.preventDefault());
  zu.addEventListener('click', messwerteSchliessen);
  leiste.append(t, zu);

  const inhalt = document.createElement('div');
  inhalt.className = 'inhalt';
  const tabellen = document.createElement('div');
  tabellen.id = 'messwerte_tabellen';
  const kennlinie = document.createElement('canvas');
  kennlinie.id = 'messwerte_kennlinie';
  kennlinie.hidden = true;
  kennlinie.setAttribute('role', 'img');
  kennlinie.setAttribute('aria-label', uebersetzt('Achsenschnitte über der Starthöhe'));
  inhalt.append(tabellen, kennlinie);

  const knoepfe = document.createElement('div');
  knoepfe.className = 'knoepfe';
  const kopieren = document.createElement('button');
  kopieren.type = 'button';
  kopieren.dataset.name = 'cmd_kopieren';
  zugriff(uebersetzt('&Kopieren'), kopieren);
  kopieren.addEventListener('click', () => ausfuehren(7));
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.dataset.name = 'cmd_ok';
  ok.textContent = uebersetzt('OK');
  ok.addEventListener('click', messwerteSchliessen);
  knoepfe.append(kopieren, ok);

  // The values scroll inside the panel; its buttons stay in view. The
  // keyboard reaches them too: in the tab order, scrolled by the arrow keys
  // and Page Up / Page Down.
  const rollen = document.createElement('div');
  rollen.className = 'rollen';
  rollen.tabIndex = 0;
  rollen.dataset.name = 'werte';
  rollen.setAttribute('role', 'region');
  rollen.setAttribute('aria-label', messwerteWerteName);
  rollen.append(inhalt);
  rollen.addEventListener('keydown', werteRollen);
  tafel.append(leiste, rollen, knoepfe);
  verschiebbar(tafel, leiste, () => tafel.dataset.lage === 'ueber');
  blattZiehbar(tafel, leiste);
  tafel.addEventListener('mousedown', (e) => {
    if (e.target.closest('button')) return;
    e.preventDefault();
    if (e.target.closest('.rollen')) rollen.focus({ preventScroll: true });
    else if (!imMesswerte(document.activeElement) && messwerteFokus && messwerteFokus.isConnected) {
      messwerteFokus.focus({ preventScroll: true });
    }
  });
  // Beside the page until anordnen places it, once its values are in.
  tafel.style.left = document.documentElement.clientWidth + 'px';
  tafel.style.top = '0px';
  document.body.append(tafel);
  return tafel;
}

function messwerteReihe() {
  const tafel = $('messwerte');
  return tafel ? [tafel.querySelector('.rollen'), ...tafel.querySelectorAll('.knoepfe button')] : [];
}

// The values area's keys: a line, a page, the ends; done here, not left to
// the browser, so that every engine moves by the same steps at once.
function werteRollen(e) {
  const el = e.currentTarget;
  const zeile = 3 * parseFloat(getComputedStyle(el).fontSize);
  const seite = Math.max(zeile, el.clientHeight - zeile);
  const schritt = { ArrowDown: zeile, ArrowUp: -zeile, PageDown: seite, PageUp: -seite,
    End: el.scrollHeight, Home: -el.scrollHeight }[e.key];
  if (schritt === undefined || e.altKey || e.ctrlKey || e.metaKey) return;
  e.preventDefault();
  el.scrollTop += schritt;
}

// Created on first use, brought to the front and activated after that.
function messwerteZeigen() {
  let tafel = $('messwerte');
  if (!tafel) {
    tafel = messwerteBauen();
    messwerteFokus = tafel.querySelector('[data-name="cmd_ok"]');
  }
  if (messwerteFokus && messwerteFokus.isConnected) messwerteFokus.focus({ preventScroll: true });
}

// OK, Escape or the frame: gone, the core stops sending values, and the
// main window's control has the focus again.
function messwerteSchliessen() {
  if (!$('messwerte')) return;
  messwerteEntladen();
  ausfuehren(8);
  hauptZeigen();
}

function messwerteEntladen() {
  const tafel = $('messwerte');
  if (tafel) tafel.remove();
  messwerteFokus = null;
  platzFreigeben();
}

const istZahl = (zelle) => /^-?\d+[,.]\d+$/.test(zelle);

// Where the panel stands (tafel.dataset.lage), chosen when it first shows
// its values and again when the page changes its size:
//   neben  beside the drawing, which gives up the panel's width, where the
//          controls still fit left of it (a laptop, a large screen);
//   blatt  where the controls flow in rows (a phone, a tablet), a sheet over
//          the lower part of the page, at most half its height, scrolling
//          inside; the page above it shrinks, the drawing directly above the
//          sheet. Its title bar drags it larger or smaller;
//   ueber  otherwise over the drawing below the controls, on the side
//          where the picture has less drawn.
// blattHoehe is the sheet's height, kept while the panel is open.
let blattHoehe = 0;

function platzFreigeben() {
  const wurzel = document.documentElement;
  wurzel.classList.remove('neben', 'blatt');
  wurzel.style.removeProperty('--tafel');
  blattHoehe = 0;
}

// The panel's own size with its values, unconstrained.
function natuerlicheGroesse(tafel) {
  const alt = tafel.getAttribute('style');
  tafel.style.cssText = 'left: 0; top: 0;';
  const groesse = [Math.ceil(tafel.offsetWidth), Math.ceil(tafel.offsetHeight)];
  tafel.setAttribute('style', alt || '');
  return groesse;
}

// How much of the picture's pixels differ from its background over the
// page rectangle r, as a share.
function tinte(r) {
  const g = $('grafik');
  const gr = g.getBoundingClientRect();
  if (g.width === 0 || gr.width === 0) return 0;
  const sx = g.width / gr.width;
  const sy = g.height / gr.height;
  const x0 = Math.max(0, Math.floor((r.left - gr.left) * sx));
  const y0 = Math.max(0, Math.floor((r.top - gr.top) * sy));
  const x1 = Math.min(g.width, Math.ceil((r.right - gr.left) * sx));
  const y1 = Math.min(g.height, Math.ceil((r.bottom - gr.top) * sy));
  if (x1 <= x0 || y1 <= y0) return 0;
  const d = g.getContext('2d').getImageData(x0, y0, x1 - x0, y1 - y0).data;
  let n = 0;
  for (let i = 0; i < d.length; i += 4) if (d[i] !== 255 || d[i + 1] !== 255 || d[i + 2] !== 255) n += 1;
  return n / (d.length / 4);
}

function anordnen(tafel, neu) {
  const wurzel = document.documentElement;
  const [breite, hoehe] = natuerlicheGroesse(tafel);
  const seiteB = wurzel.clientWidth;
  const seiteH = wurzel.clientHeight;
  const menueH = $('menue').offsetHeight;
  let lage = tafel.dataset.lage;
  if (neu || !lage) {
    // On a projector the controls flow above the drawing too, but the screen
    // is wide: the values stand beside the drawing there, in full height.
    const projektor = wurzel.classList.contains('projektor');
    lage = fliesst() && !projektor ? 'blatt' : seiteB - breite >= steuerBreite() ? 'neben' : fliesst() ? 'blatt' : 'ueber';
  }
  tafel.dataset.lage = lage;
  if (lage === 'neben') {
    // Only ever wider, so that the drawing does not jump with the values.
    const b = Math.max(breite, parseFloat(wurzel.style.getPropertyValue('--tafel')) || 0);
    wurzel.classList.remove('blatt');
    wurzel.classList.add('neben');
    wurzel.style.setProperty('--tafel', b + 'px');
    Object.assign(tafel.style, { left: seiteB - b + 'px', top: menueH + 'px', width: b + 'px', height: seiteH - menueH + 'px',
      maxHeight: '' });
  } else if (lage === 'blatt') {
    if (!blattHoehe) blattHoehe = Math.min(hoehe, Math.floor(seiteH / 2));
    blattSetzen(tafel, blattHoehe);
  } else {
    wurzel.classList.remove('neben', 'blatt');
    wurzel.style.removeProperty('--tafel');
    if (!neu) {
      // Grown by new values, it moves left as far as it must to stay in the page.
      tafel.style.left = Math.max(0, Math.min(tafel.offsetLeft, seiteB - tafel.offsetWidth - 8)) + 'px';
      return;
    }
    // Below the strip of controls, within the page; the side of the
    // drawing with less drawn on it, the right one when both are alike.
    const oben = Math.round($('bereich').getBoundingClientRect().top +
      Math.max(...[...elemente.values()].map((e) => e.def.oben + e.def.hoehe)) + 4);
    const b = Math.min(breite, seiteB);
    const h = Math.min(hoehe, seiteH - oben);
    const rechts = Math.max(0, seiteB - b - 8);
    const links = Math.min(8, rechts);
    const seitlich = (x) => tinte({ left: x, top: oben, right: x + b, bottom: oben + h });
    const x = seitlich(links) < seitlich(rechts) - 0.002 ? links : rechts;
    Object.assign(tafel.style, { left: x + 'px', top: oben + 'px', width: '', height: '', maxHeight: `calc(100% - ${oben}px)` });
  }
}

// The sheet at height h, within the page below the menu bar, leaving the
// drawing a strip; the page above it ends where it begins, the drawing at
// its bottom.
function blattSetzen(tafel, h) {
  const wurzel = document.documentElement;
  const seiteH = wurzel.clientHeight;
  const groesste = Math.max(120, seiteH - $('menue').offsetHeight - 100);
  blattHoehe = Math.round(Math.max(Math.min(120, groesste), Math.min(h, groesste)));
  wurzel.classList.remove('neben');
  wurzel.classList.add('blatt');
  wurzel.style.setProperty('--tafel', blattHoehe + 'px');
  Object.assign(tafel.style, { left: '0px', top: seiteH - blattHoehe + 'px', width: '', height: blattHoehe + 'px',
    maxHeight: '' });
  const bereich = $('bereich');
  bereich.scrollTop = bereich.scrollHeight;
}

// The sheet's title bar, by finger or mouse: up makes it larger.
function blattZiehbar(tafel, griff) {
  griff.addEventListener('pointerdown', (e) => {
    if (tafel.dataset.lage !== 'blatt' || e.target.closest('button')) return;
    e.preventDefault();
    const start = e.clientY;
    const anfang = blattHoehe;
    griff.setPointerCapture(e.pointerId);
    const ziehen = (m) => blattSetzen(tafel, anfang + start - m.clientY);
    const los = () => {
      griff.removeEventListener('pointermove', ziehen);
      griff.removeEventListener('pointerup', los);
      griff.removeEventListener('pointercancel', los);
    };
    griff.addEventListener('pointermove', ziehen);
    griff.addEventListener('pointerup', los);
    griff.addEventListener('pointercancel', los);
  });
}

window.addEventListener('resize', () => {
  const tafel = $('messwerte');
  if (tafel && tafel.dataset.lage) anordnen(tafel, true);
});

// The core's text as tables, one a group; or its one line of notice.
function messwerte(text, hinweis, heap8, pixel, breite, hoehe, massstab) {
  const tabellen = $('messwerte_tabellen');
  if (!tabellen) return;
  const neu = [];
  if (hinweis) {
    const p = document.createElement('p');
    p.className = 'hinweis';
    p.textContent = text.replace(/\n$/, '');
    neu.push(p);
  } else {
    for (const block of text.replace(/\n$/, '').split('\n\n')) {
      const [titel, kopf, ...zeilen] = block.split('\n');
      const gruppe = document.createElement('section');
      gruppe.className = 'messgruppe';
      const h = document.createElement('h3');
      h.textContent = titel;
      const tabelle = document.createElement('table');
      const zeile = (zellen, art, ziel) => {
        const tr = document.createElement('tr');
        for (const z of zellen) {
          const td = document.createElement(art);
          td.textContent = z;
          if (art === 'td' && istZahl(z)) td.className = 'zahl';
          tr.append(td);
        }
        ziel.append(tr);
      };
      const thead = document.createElement('thead');
      zeile(kopf.split('\t'), 'th', thead);
      const tbody = document.createElement('tbody');
      for (const z of zeilen) zeile(z.split('\t'), 'td', tbody);
      tabelle.append(thead, tbody);
      gruppe.append(h, tabelle);
      neu.push(gruppe);
    }
  }
  tabellen.replaceChildren(...neu);

  const kennlinie = $('messwerte_kennlinie');
  kennlinie.hidden = !pixel;
  if (pixel) {
    kennlinie.width = breite;
    kennlinie.height = hoehe;
    kennlinie.style.width = breite / massstab + 'px';
    kennlinie.style.height = hoehe / massstab + 'px';
    const daten = new ImageData(new Uint8ClampedArray(heap8.buffer, pixel, breite * hoehe * 4).slice(), breite, hoehe);
    kennlinie.getContext('2d').putImageData(daten, 0, 0);
  }
  const tafel = $('messwerte');
  anordnen(tafel, !tafel.dataset.lage);
}

// The values' text on the clipboard; the core hears whether it arrived.
function textAblage(text) {
  textInAblage(text, (ok) => Module._vandrel_ablage_fertig(ok ? 1 : 0));
}
