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
    // Enter in a box takes its value and moves on as Tab does, from a
    // physical keyboard as from a touch keyboard's "next"; from the last
    // box it goes where Tab goes.
    if (e.key === 'Enter' && !e.ctrlKey && !e.altKey && !e.metaKey && !e.isComposing &&
      document.activeElement.dataset.box !== undefined) {
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
  // The labels take no focus, nor does the drawing from a press beside
  // what it can drag (ziehen.js): a click there leaves the focus where it is.
  bereich.addEventListener('mousedown', (e) => {
    if (!e.target.closest('input, .schalter')) {
      e.preventDefault();
      hauptAktivieren();
    }
  });
  // The pointer and the keys on the drawing: ziehen.js.
  ziehenBeobachten();
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

