'use strict';
// Keys and pointer: what reaches the main window, the menu and the panels.

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

