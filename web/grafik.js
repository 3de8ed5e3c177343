'use strict';
// The drawing: the core's raster on the canvas, its texts in the page's
// font, the client size reported to the core, and the copy to the clipboard.

const textmasken = new Map();
// The window's font, as the page's style sheet sets it for the client area.
let schriftPx = 11;

// The text in the page's font as a two-level mask: the desktop draws its
// text without smoothing, in exact colours, like its lines.
function textmaske(text, massstab) {
  const schluessel = massstab + '\u0000' + text;
  let m = textmasken.get(schluessel);
  if (m) return m;
  const leinwand = document.createElement('canvas');
  const ctx = leinwand.getContext('2d', { willReadFrequently: true });
  const schrift = `${schriftPx * massstab}px "Vandrel Sans"`;
  ctx.font = schrift;
  const mass = ctx.measureText(text);
  const oben = Math.ceil(mass.fontBoundingBoxAscent);
  const rand = Math.ceil(massstab * 2);
  const breite = Math.ceil(mass.width) + 2 * rand;
  const hoehe = Math.ceil(mass.fontBoundingBoxAscent + mass.fontBoundingBoxDescent) + 2 * rand;
  leinwand.width = breite;
  leinwand.height = hoehe;
  ctx.font = schrift;
  ctx.fillStyle = '#000';
  ctx.textBaseline = 'alphabetic';
  ctx.fillText(text, rand, rand + oben);
  const alpha = ctx.getImageData(0, 0, breite, hoehe).data;
  const punkte = [];
  for (let y = 0; y < hoehe; ++y) {
    for (let x = 0; x < breite; ++x) {
      if (alpha[(y * breite + x) * 4 + 3] >= 128) punkte.push(x - rand, y - rand);
    }
  }
  m = new Int32Array(punkte);
  textmasken.set(schluessel, m);
  return m;
}

// How wide textZeichnen draws the text, in CSS pixels.
const textbreiten = new Map();
function textBreite(text) {
  const schluessel = schriftPx + '\u0000' + text;
  let b = textbreiten.get(schluessel);
  if (b === undefined) {
    const ctx = document.createElement('canvas').getContext('2d');
    ctx.font = `${schriftPx}px "Vandrel Sans"`;
    b = ctx.measureText(text).width;
    textbreiten.set(schluessel, b);
  }
  return b;
}

// How far below its top textZeichnen puts a text's baseline, in CSS pixels.
function textGrundlinie() {
  const ctx = document.createElement('canvas').getContext('2d');
  ctx.font = `${schriftPx}px "Vandrel Sans"`;
  return Math.ceil(ctx.measureText('0').fontBoundingBoxAscent);
}

function textZeichnen(heap32, text, x, y, rgb, pixel, breite, hoehe, massstab) {
  const m = textmaske(text, massstab);
  const x0 = Math.round(x * massstab);
  const y0 = Math.round(y * massstab);
  const basis = pixel >> 2;
  for (let i = 0; i < m.length; i += 2) {
    const px = x0 + m[i];
    const py = y0 + m[i + 1];
    if (px >= 0 && px < breite && py >= 0 && py < hoehe) heap32[basis + py * breite + px] = rgb;
  }
}

// Shows the raster's pixels (R, G, B, A in memory) at their own size.
function bild(heap8, pixel, breite, hoehe) {
  const leinwand = $('grafik');
  if (leinwand.width !== breite) leinwand.width = breite;
  if (leinwand.height !== hoehe) leinwand.height = hoehe;
  if (breite === 0 || hoehe === 0) return;
  // Beyond the raster's limit (vandrel_web.cpp) the canvas enlarges the
  // picture: smoothly, as single pixels would come out one or two wide.
  const vergroessert = breite < leinwand.clientWidth * (window.devicePixelRatio || 1) - 1;
  leinwand.classList.toggle('vergroessert', vergroessert);
  const daten = new ImageData(new Uint8ClampedArray(heap8.buffer, pixel, breite * hoehe * 4), breite, hoehe);
  leinwand.getContext('2d').putImageData(daten, 0, 0);
}

// The drawing in words after each finished redraw (the core's), for
// screen readers: a polite live region, told only what changed.
function beschreibung(text) {
  const el = $('grafik_text');
  if (el.textContent !== text) el.textContent = text;
}

// The client area follows the page, as the desktop's follows its window.
function groesseMelden() {
  if (beendet) return;
  const zeichnung = $('zeichnung');
  const b = zeichnung.clientWidth;
  const h = zeichnung.clientHeight;
  const leinwand = $('grafik');
  leinwand.style.width = b + 'px';
  leinwand.style.height = h + 'px';
  const seite = document.documentElement;
  Module._vandrel_groesse(b, h, window.devicePixelRatio || 1, seite.clientWidth, seite.clientHeight,
    document.visibilityState === 'hidden' ? 1 : 0, fliesst() ? 1 : 0);
}

function groesseBeobachten() {
  new ResizeObserver(() => groesseMelden()).observe($('zeichnung'));
  document.addEventListener('visibilitychange', () => groesseMelden());
  // A move to a screen of another density, or the page zoomed.
  const dichte = () => {
    const abfrage = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
    abfrage.addEventListener('change', () => {
      groesseMelden();
      dichte();
    }, { once: true });
  };
  dichte();
}

// ------------------------------------------------------------ clipboard

// Text on the clipboard; fertig(true) once it is there, fertig(false) where
// the page may not write it. Always after the caller has returned.
function textInAblage(text, fertig) {
  if (!navigator.clipboard || !navigator.clipboard.writeText) {
    setTimeout(() => fertig(false), 0);
    return;
  }
  navigator.clipboard.writeText(text).then(() => fertig(true), () => fertig(false));
}

function ablage() {
  const fertig = (ok) => Module._vandrel_ablage_fertig(ok ? 1 : 0);
  const leinwand = $('grafik');
  if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem === 'undefined') {
    setTimeout(() => fertig(false), 0);
    return;
  }
  const png = new Promise((ok, fehler) => {
    leinwand.toBlob((blob) => (blob ? ok(blob) : fehler(new Error('kein Bild'))), 'image/png');
  });
  let item;
  try {
    item = new ClipboardItem({ 'image/png': png });
  } catch (e) {
    setTimeout(() => fertig(false), 0);
    return;
  }
  navigator.clipboard.write([item]).then(() => fertig(true), () => fertig(false));
}

