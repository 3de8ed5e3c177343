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
    const imHauptfenster = !inTafel(document.activeElement);
    // Escape closes a panel as its OK does.
    if (e.key === 'Escape' && !imHauptfenster) {
      e.preventDefault();
      if (imMesswerte(document.activeElement)) {
        messwerteSchliessen();
      } else {
        infoEntladen();
        hauptZeigen();
      }
      return;
    }
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
    // The touch keyboard's Enter ("next") moves on as Tab does; with a
    // physical keyboard Enter in a box does nothing, as on the desktop.
    if (e.key === 'Enter' && beruehrung() && document.activeElement.dataset.box !== undefined) {
      e.preventDefault();
      weiterschalten(false);
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
    if (!e.target.closest('input, .schalter')) {
      e.preventDefault();
      hauptAktivieren();
    }
  });
  // The readout follows a mouse, a pen or a finger dragged over the drawing
  // (which therefore neither scrolls nor zooms the page). A finger on the
  // drawing also ends the entry in the box, as closing the keyboard does.
  const grafik = $('grafik');
  const zeigen = (e) => {
    if (!beendet) Module._vandrel_maus(e.offsetX, e.offsetY);
  };
  grafik.addEventListener('pointermove', zeigen);
  grafik.addEventListener('pointerdown', (e) => {
    zeigen(e);
    const aktiv = document.activeElement;
    if (e.pointerType === 'touch' && aktiv && aktiv.dataset.box !== undefined) aktiv.blur();
  });
  // A keyboard closed on a touch screen leaves the box focused on some
  // systems: the page grows back by the keyboard's height, and the entry ends.
  if (window.visualViewport) {
    let hoehe = visualViewport.height;
    visualViewport.addEventListener('resize', () => {
      const aktiv = document.activeElement;
      if (beruehrung() && visualViewport.height > hoehe + 120 && aktiv && aktiv.dataset.box !== undefined) aktiv.blur();
      hoehe = visualViewport.height;
    });
  }

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

