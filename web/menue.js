'use strict';
// The menu bar and its drop-down menus, by pointer and by keyboard.

const menue = { punkte: [], oben: -1, offen: false, unten: -1 };

// The captions come from the core; "&" marks each access key.
function menueBauen(datei, kopieren, link, ende, messwerte, beispiele, beispielTitel, ansicht, projektor, info) {
  const leiste = $('menue');
  const punkt = (caption, id, aktion, unterpunkte) => {
    const el = document.createElement('div');
    el.className = 'menuepunkt';
    el.id = id;
    el.setAttribute('role', 'menuitem');
    // The highlighted item has the focus, so that a screen reader says it;
    // the keys stay the menu's (menueTaste).
    el.tabIndex = -1;
    const taste = zugriff(caption, el);
    return { el, taste, aktion, unterpunkte };
  };
  // A top item that opens the items under it.
  const aufklapp = (caption, id, unterpunkte) => {
    const o = punkt(caption, id, null, unterpunkte);
    o.el.setAttribute('aria-haspopup', 'menu');
    o.el.setAttribute('aria-expanded', 'false');
    o.klapp = document.createElement('div');
    o.klapp.className = 'aufklapp';
    o.klapp.id = id + '_menue';
    o.klapp.setAttribute('role', 'menu');
    o.klapp.hidden = true;
    for (const u of unterpunkte) o.klapp.append(u.el);
    return o;
  };
  const oben = [
    aufklapp(datei, 'mnu_Datei', [punkt(kopieren, 'mnu_copy', 3), punkt(link, 'mnu_link', 9),
      punkt(ende, 'mnu_Ende', 4)]),
    punkt(messwerte, 'mnu_messwerte', 6, null),
    aufklapp(beispiele, 'mnu_beispiele', beispielTitel.map((t, i) =>
      punkt(t, 'mnu_beispiel_' + (i + 1), () => Module._vandrel_beispiel(i)))),
    aufklapp(ansicht, 'mnu_ansicht', [punkt(projektor, 'mnu_projektor', 10)]),
    punkt(info, 'mnu_info', 5, null),
    // The languages by their own names, the one in use checked.
    aufklapp(uebersetzt('&Sprache'), 'mnu_sprache', sprachen.map(([code, name]) => {
      const p = punkt('&' + name, 'mnu_sprache_' + code, () => spracheWechseln(code));
      p.el.setAttribute('role', 'menuitemradio');
      p.el.setAttribute('aria-checked', String(code === spracheAktuell));
      p.el.lang = code;
      return p;
    })),
  ];
  // "Projektor" is checked while the projector view is on.
  const schalter = oben[3].unterpunkte[0].el;
  schalter.setAttribute('role', 'menuitemcheckbox');
  schalter.setAttribute('aria-checked', 'false');
  for (const o of oben) leiste.append(o.el);
  for (const o of oben) if (o.klapp) leiste.append(o.klapp);
  const unter = oben.flatMap((o) => o.unterpunkte || []);
  menue.punkte = oben;

  leiste.addEventListener('mousedown', (e) => {
    e.preventDefault();
    if (!leiste.contains(document.activeElement)) hauptAktivieren();
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
    const u = menue.offen ? menue.punkte[menue.oben].unterpunkte.findIndex((p) => p.el.contains(e.target)) : -1;
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
  if (o < 0) return;
  const p = menue.punkte[o];
  const el = u >= 0 && p.unterpunkte ? p.unterpunkte[u].el : p.el;
  if (document.activeElement !== el) el.focus({ preventScroll: true });
}

function menueOeffnen(o, u) {
  menue.offen = !!menue.punkte[o].unterpunkte;
  for (const p of menue.punkte) {
    if (!p.klapp) continue;
    p.klapp.hidden = true;
    p.el.setAttribute('aria-expanded', 'false');
  }
  const p = menue.punkte[o];
  if (p.klapp) {
    p.klapp.hidden = false;
    // Under its item, also where the bar has taken a second row.
    p.klapp.style.marginTop = p.el.offsetTop + 'px';
    // Under its item, as far left as it must to stay on a narrow page.
    const rechts = $('menue').clientWidth - p.klapp.offsetWidth;
    p.klapp.style.left = Math.max(0, Math.min(p.el.offsetLeft, rechts)) + 'px';
    // Under an item of the bar's second row, where a narrow page has one.
    p.klapp.style.top = p.el.offsetTop > 0 ? p.el.offsetTop + p.el.offsetHeight - 1 + 'px' : '';
    p.el.setAttribute('aria-expanded', 'true');
  }
  markieren(o, u);
}

// The focus goes back to where it was before the menu took it.
function menueSchliessen() {
  for (const p of menue.punkte) {
    if (p.klapp) p.klapp.hidden = true;
    if (p.unterpunkte) p.el.setAttribute('aria-expanded', 'false');
  }
  menue.offen = false;
  markieren(-1, -1);
  if ($('menue').contains(document.activeElement)) {
    if (hauptFokus && hauptFokus.isConnected && !hauptFokus.closest('[hidden]')) hauptFokus.focus({ preventScroll: true });
    else document.activeElement.blur();
  }
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

// A number is the core's click (vandrel_klick), a function its own call.
function ausfuehren(aktion) {
  if (beendet) return;
  if (typeof aktion === 'function') aktion();
  else Module._vandrel_klick(aktion);
}

