'use strict';
// The measured-values panel: the desktop's measured-values window in the
// page. Its numbers come from the core as the very text that the desktop's
// "Kopieren" and --werte give (groups apart by an empty line, a title, a
// line of headings, tab-separated cells), and its chart as pixels drawn by
// the core; this script only lays them out.

// The panel's control that last had the focus.
let messwerteFokus = null;

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

  // The values scroll inside the panel; its buttons stay in view.
  const rollen = document.createElement('div');
  rollen.className = 'rollen';
  rollen.append(inhalt);
  tafel.append(leiste, rollen, knoepfe);
  verschiebbar(tafel, leiste);
  tafel.addEventListener('mousedown', (e) => {
    if (e.target.closest('button')) return;
    e.preventDefault();
    if (!imMesswerte(document.activeElement) && messwerteFokus && messwerteFokus.isConnected) {
      messwerteFokus.focus({ preventScroll: true });
    }
  });
  document.body.append(tafel);
  // Over the drawing, right of the info panel's place, within the page.
  const seite = document.documentElement;
  const oben = Math.round(fliesst()
    ? $('bereich').getBoundingClientRect().top
    : $('bereich').getBoundingClientRect().top + Math.max(...[...elemente.values()].map((e) => e.def.oben + e.def.hoehe)) + 4);
  tafel.style.left = seite.clientWidth + 'px';  // moved in by einpassen once filled
  tafel.style.top = oben + 'px';
  tafel.style.maxHeight = `calc(100% - ${oben}px)`;
  return tafel;
}

function messwerteReihe() {
  const tafel = $('messwerte');
  return tafel ? [...tafel.querySelectorAll('.knoepfe button')] : [];
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
}

const istZahl = (zelle) => /^-?\d+[,.]\d+$/.test(zelle);

// Grown by new values, the panel moves left as far as it must to stay in
// the page, at the right edge where it first opens.
function einpassen(tafel) {
  const seite = document.documentElement;
  const links = Math.max(0, Math.min(tafel.offsetLeft, seite.clientWidth - tafel.offsetWidth - 8));
  tafel.style.left = links + 'px';
}

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
  einpassen($('messwerte'));
}

// The values' text on the clipboard; the core hears whether it arrived.
function textAblage(text) {
  textInAblage(text, (ok) => Module._vandrel_ablage_fertig(ok ? 1 : 0));
}
