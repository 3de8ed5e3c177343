'use strict';
// The page of the browser edition. It builds the window that the core
// describes, hands the page's events to the core (the vandrel_* exports of
// vandrel_web.cpp) and carries out what the core asks for through Seite.
// What a box accepts, what it is reset to and every message come from the
// core; this script only shows them.

const Seite = (() => {
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

  // ------------------------------------------------------------ menu

  const menue = { punkte: [], oben: -1, offen: false, unten: -1 };

  function menueBauen(datei, kopieren, ende, info) {
    const leiste = $('menue');
    const punkt = (caption, id, aktion, unterpunkte) => {
      const el = document.createElement('div');
      el.className = 'menuepunkt';
      el.id = id;
      el.setAttribute('role', 'menuitem');
      const taste = zugriff(caption, el);
      return { el, taste, aktion, unterpunkte };
    };
    const unter = [punkt(kopieren, 'mnu_copy', 3), punkt(ende, 'mnu_Ende', 4)];
    const klapp = document.createElement('div');
    klapp.className = 'aufklapp';
    klapp.id = 'mnu_Datei_menue';
    klapp.setAttribute('role', 'menu');
    klapp.hidden = true;
    for (const u of unter) klapp.append(u.el);
    const oben = [punkt(datei, 'mnu_Datei', null, unter), punkt(info, 'mnu_info', 5, null)];
    oben[0].el.setAttribute('aria-haspopup', 'menu');
    oben[0].klapp = klapp;
    for (const o of oben) leiste.append(o.el);
    leiste.append(klapp);
    menue.punkte = oben;

    leiste.addEventListener('mousedown', (e) => {
      e.preventDefault();
      hauptAktivieren();
      const o = oben.findIndex((p) => p.el.contains(e.target));
      if (o >= 0 && oben[o].unterpunkte) {
        if (menue.offen && menue.oben === o) menueSchliessen();
        else menueOeffnen(o, -1);
      }
    });
    leiste.addEventListener('click', (e) => {
      const o = oben.find((p) => p.el.contains(e.target));
      if (o && o.aktion !== null) {
        menueSchliessen();
        ausfuehren(o.aktion);
        return;
      }
      const u = unter.find((p) => p.el.contains(e.target));
      if (u) {
        menueSchliessen();
        ausfuehren(u.aktion);
      }
    });
    // Only a pointer that moves picks an item: a menu opening under a
    // resting pointer (by keyboard) keeps the item the keys chose, even when
    // the browser reports the pointer as having entered it.
    let zeiger = null;
    let bewegt = false;
    document.addEventListener('mousemove', (e) => {
      const hier = e.clientX + ',' + e.clientY;
      bewegt = hier !== zeiger;
      zeiger = hier;
    }, true);
    leiste.addEventListener('mousemove', (e) => {
      if (!bewegt) return;
      const o = oben.findIndex((p) => p.el.contains(e.target));
      // Once the bar is active, the pointer moves it from item to item.
      if (o >= 0 && menue.oben >= 0 && menue.oben !== o) {
        if (oben[o].unterpunkte) menueOeffnen(o, -1);
        else {
          menueSchliessen();
          markieren(o, -1);
        }
      }
      const u = unter.findIndex((p) => p.el.contains(e.target));
      if (u >= 0) markieren(menue.oben, u);
    });
    document.addEventListener('mousedown', (e) => {
      if (menue.oben >= 0 && !leiste.contains(e.target)) menueSchliessen();
    }, true);
  }

  function markieren(o, u) {
    menue.oben = o;
    menue.unten = u;
    menue.punkte.forEach((p, i) => {
      p.el.classList.toggle('markiert', i === o);
      if (p.unterpunkte) p.unterpunkte.forEach((q, j) => q.el.classList.toggle('markiert', i === o && j === u));
    });
  }

  function menueOeffnen(o, u) {
    menue.offen = !!menue.punkte[o].unterpunkte;
    for (const p of menue.punkte) if (p.klapp) p.klapp.hidden = true;
    const p = menue.punkte[o];
    if (p.klapp) {
      p.klapp.style.left = p.el.offsetLeft + 'px';
      p.klapp.hidden = false;
      p.el.setAttribute('aria-expanded', 'true');
    }
    markieren(o, u);
  }

  function menueSchliessen() {
    for (const p of menue.punkte) {
      if (p.klapp) p.klapp.hidden = true;
      p.el.removeAttribute('aria-expanded');
    }
    menue.offen = false;
    markieren(-1, -1);
  }

  // Keys while the menu bar is active; true when the key was the menu's.
  function menueTaste(e) {
    const p = menue.punkte[menue.oben];
    const unter = menue.offen ? p.unterpunkte : null;
    const n = menue.punkte.length;
    const taste = e.key.length === 1 ? e.key.toLowerCase() : '';
    switch (e.key) {
      case 'Escape':
        menueSchliessen();
        return true;
      case 'ArrowLeft':
      case 'ArrowRight': {
        const o = (menue.oben + (e.key === 'ArrowRight' ? 1 : n - 1)) % n;
        if (menue.offen && menue.punkte[o].unterpunkte) menueOeffnen(o, 0);
        else {
          menueSchliessen();
          markieren(o, -1);
        }
        return true;
      }
      case 'ArrowDown':
      case 'ArrowUp':
        if (unter) {
          const m = unter.length;
          markieren(menue.oben, (menue.unten + (e.key === 'ArrowDown' ? 1 : m - 1) + (menue.unten < 0 && e.key === 'ArrowUp' ? 1 : 0)) % m);
        } else if (p.unterpunkte) menueOeffnen(menue.oben, 0);
        return true;
      case 'Enter':
      case ' ':
        if (unter && menue.unten >= 0) {
          const a = unter[menue.unten].aktion;
          menueSchliessen();
          ausfuehren(a);
        } else if (p.unterpunkte) menueOeffnen(menue.oben, 0);
        else {
          menueSchliessen();
          ausfuehren(p.aktion);
        }
        return true;
      default:
        break;
    }
    if (taste) {
      const liste = unter || menue.punkte;
      const treffer = liste.findIndex((q) => q.taste === taste);
      if (treffer >= 0) {
        if (unter) {
          menueSchliessen();
          ausfuehren(unter[treffer].aktion);
        } else zugriffstaste(treffer);
      }
      return true;
    }
    return e.key !== 'Tab' && e.key !== 'Alt';
  }

  function zugriffstaste(o) {
    const p = menue.punkte[o];
    if (p.unterpunkte) menueOeffnen(o, 0);
    else {
      menueSchliessen();
      ausfuehren(p.aktion);
    }
  }

  function ausfuehren(aktion) {
    if (!beendet) Module._vandrel_klick(aktion);
  }

  // ------------------------------------------------------------ message box

  let meldungOffen = false;
  let meldungAnstehend = false;
  let vorMeldung = null;

  function meldung(text) {
    $('meldung_text').textContent = text;
    meldungAnstehend = true;
    // Opened once the focus change that led here has finished.
    setTimeout(() => {
      meldungAnstehend = false;
      const dialog = $('meldung');
      if (meldungOffen || beendet) return;
      if (!vorMeldung) vorMeldung = document.activeElement;
      meldungOffen = true;
      menueSchliessen();
      dialog.showModal();
      $('meldung_ok').focus();
    }, 0);
  }

  // Closed at once, not when the dialog's close event comes a task later:
  // the next key must already reach the page again.
  function meldungSchliessen() {
    const dialog = $('meldung');
    if (!meldungOffen) return;
    meldungOffen = false;
    dialog.close();
    const zurueck = vorMeldung;
    Module._vandrel_meldung_zu();
    if (!meldungAnstehend && !meldungOffen) {
      vorMeldung = null;
      if (zurueck && zurueck.isConnected && !beendet) zurueck.focus();
      const klick = klickNachholen;
      klickNachholen = null;
      if (klick && klick.isConnected && !beendet) klick.click();
    }
  }

  function meldungBeobachten() {
    $('meldung_ok').addEventListener('click', meldungSchliessen);
    // Escape closes it like OK, as the desktop's box does.
    $('meldung').addEventListener('cancel', (e) => {
      e.preventDefault();
      meldungSchliessen();
    });
  }

  // While a message box is open or about to open, nothing else takes input,
  // and its button keeps the focus: a click on its backdrop or its frame
  // (both reach the dialog itself) changes nothing.
  function sperren(e) {
    const dialog = $('meldung');
    if ((meldungOffen || meldungAnstehend) && (e.target === dialog || !dialog.contains(e.target))) {
      e.preventDefault();
      e.stopImmediatePropagation();
      return true;
    }
    return false;
  }

  // ------------------------------------------------------------ info panel

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
    for (const e of d.elemente) {
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
        img.alt = '';
        el.append(img);
      } else {
        el = document.createElement('div');
        el.className = 'infotext';
        el.textContent = e.text;
        if (!e.umbruch) el.classList.add('einzeilig');
      }
      if (e.zugangName) el.setAttribute('aria-label', e.zugangName);
      if (e.zugangBeschreibung) el.setAttribute('aria-description', e.zugangBeschreibung);
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
    info.append(leiste, rollen);
    verschiebbar(info, leiste);
    // A click on the panel activates it: its control gets the focus back; a
    // text or the frame takes none.
    info.addEventListener('mousedown', (e) => {
      if (e.target.closest('button, .bildfeld')) return;
      e.preventDefault();
      if (!imInfo(document.activeElement) && infoFokus && infoFokus.isConnected) infoFokus.focus({ preventScroll: true });
    });
    document.body.append(info);
    // Over the drawing, clear of the strip of controls.
    const seite = document.documentElement;
    const strip = $('bereich').getBoundingClientRect().top + Math.max(...[...elemente.values()].map((e) => e.def.oben + e.def.hoehe));
    info.style.left = Math.max(0, Math.min(470, seite.clientWidth - info.offsetWidth)) + 'px';
    const oben = Math.round(strip + 4);
    info.style.top = oben + 'px';
    info.style.maxHeight = `calc(100vh - ${oben}px)`;
    return info;
  }

  function verschiebbar(fenster, griff) {
    griff.addEventListener('pointerdown', (e) => {
      if (e.target.closest('button')) return;
      e.preventDefault();
      const dx = e.clientX - fenster.offsetLeft;
      const dy = e.clientY - fenster.offsetTop;
      griff.setPointerCapture(e.pointerId);
      const ziehen = (m) => {
        fenster.style.left = Math.max(0, m.clientX - dx) + 'px';
        fenster.style.top = Math.max(0, m.clientY - dy) + 'px';
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
    if (info) info.remove();
    infoFokus = null;
  }

  // The main window to the front and active, without a redraw.
  function hauptZeigen() {
    if (hauptFokus && hauptFokus.isConnected && !hauptFokus.closest('[hidden]')) hauptFokus.focus();
  }

  // ------------------------------------------------------------ drawing

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
    const daten = new ImageData(new Uint8ClampedArray(heap8.buffer, pixel, breite * hoehe * 4), breite, hoehe);
    leinwand.getContext('2d').putImageData(daten, 0, 0);
  }

  // The client area follows the page, as the desktop's follows its window.
  function groesseMelden() {
    if (beendet) return;
    const bereich = $('bereich');
    const b = bereich.clientWidth;
    const h = bereich.clientHeight;
    const leinwand = $('grafik');
    leinwand.style.width = b + 'px';
    leinwand.style.height = h + 'px';
    const seite = document.documentElement;
    Module._vandrel_groesse(b, h, window.devicePixelRatio || 1, seite.clientWidth, seite.clientHeight,
      document.visibilityState === 'hidden' ? 1 : 0);
  }

  function groesseBeobachten() {
    new ResizeObserver(() => groesseMelden()).observe($('bereich'));
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

  // ------------------------------------------------------------ end

  let beendet = false;

  function ende() {
    beendet = true;
    infoEntladen();
    const dialog = $('meldung');
    meldungOffen = false;
    meldungAnstehend = false;
    if (dialog.open) dialog.close();
    $('fenster').hidden = true;
    $('ende').hidden = false;
    $('neustart').focus();
  }

  // ------------------------------------------------------------ keys and mouse

  function eingabenBeobachten() {
    for (const art of ['keydown', 'keypress', 'keyup', 'mousedown', 'mouseup', 'click', 'dblclick', 'pointerdown',
      'wheel', 'input', 'beforeinput', 'paste', 'cut']) {
      window.addEventListener(art, sperren, { capture: true, passive: false });
    }

    document.addEventListener('keydown', (e) => {
      if (beendet || e.defaultPrevented) return;
      if (meldungOffen) {
        // The box's one button keeps the focus.
        if (e.key === 'Tab') e.preventDefault();
        return;
      }
      const imHauptfenster = !imInfo(document.activeElement);
      if (menue.oben >= 0 && imHauptfenster) {
        if (menueTaste(e)) {
          e.preventDefault();
          e.stopPropagation();
        }
        if (e.key !== 'Tab') return;
        menueSchliessen();
      }
      if (e.key === 'Tab' && !e.ctrlKey && !e.altKey && !e.metaKey) {
        e.preventDefault();
        weiterschalten(e.shiftKey);
        return;
      }
      if (e.altKey && !e.ctrlKey && !e.metaKey && imHauptfenster && e.key.length === 1) {
        const o = menue.punkte.findIndex((p) => p.taste === e.key.toLowerCase());
        if (o >= 0) {
          e.preventDefault();
          zugriffstaste(o);
        }
      }
    }, false);

    const bereich = $('bereich');
    // The drawing and the labels take no focus: a click there leaves it where it is.
    bereich.addEventListener('mousedown', (e) => {
      const ziel = e.target;
      if (ziel === bereich || ziel === $('grafik') || ziel.closest('.bezeichnung')) {
        e.preventDefault();
        hauptAktivieren();
      }
    });
    $('grafik').addEventListener('mousemove', (e) => {
      if (!beendet) Module._vandrel_maus(e.offsetX, e.offsetY);
    });

    for (const { def, fokus } of elemente.values()) {
      if (!fokus || fokus.type === 'text') continue;
      fokus.addEventListener('change', () => {
        if (def.name === 'opt_abbildung' && fokus.checked) ausfuehren(0);
        else if (def.name === 'opt_fokus' && fokus.checked) ausfuehren(1);
        else if (def.name === 'chk_licht') ausfuehren(2);
      });
    }
    $('neustart').addEventListener('click', () => location.reload());
  }

  // ------------------------------------------------------------ start

  async function starten() {
    await Promise.all([document.fonts.load('11px "Vandrel Sans"'), document.fonts.load('bold 11px "Vandrel Sans"')]);
    schriftPx = parseFloat(getComputedStyle($('bereich')).fontSize) || schriftPx;
    Module._vandrel_start();
    kopfzeilenSetzen();
    fokusBeobachten();
    meldungBeobachten();
    eingabenBeobachten();
    const erstes = hauptReihe()[0];
    if (erstes) erstes.focus();
    groesseBeobachten();
    groesseMelden();
    document.documentElement.dataset.bereit = '1';
  }

  return {
    starten,
    // Called by the core.
    titel(t) {
      document.title = t;
    },
    menue: menueBauen,
    grafikZugang(name, beschreibung) {
      const g = $('grafik');
      g.setAttribute('aria-label', name);
      g.setAttribute('aria-description', beschreibung);
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
    waehlen(name) {
      elemente.get(name).fokus.checked = true;
    },
    meldung,
    ablage,
    infoZeigen,
    ende,
    bild,
    textZeichnen,
  };
})();

var Module = {
  onRuntimeInitialized() {
    Seite.starten();
  },
};
