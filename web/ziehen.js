'use strict';
// The drawing taken by the hand: a mouse, a pen or a finger pressed on the
// object or the lens drags it, and the arrow keys on the focused drawing
// move it in steps. What can be taken, how far it goes and what follows
// (boxes, picture, measured values, readout, description) is the core's
// (GrafikKern's pointer and arrow keys); the page forwards the events in
// CSS pixels, holds the pointer while it drags, and shows the hand that the
// core asks for.

// The drag under way: the pointer that holds the grip, and whether it is a
// finger; null when nothing is held.
let zug = null;
// The dragging pointer's latest place not yet forwarded, and the frame
// asked for to forward it: one redraw a displayed frame, however many
// events the pointer sends.
let vorgemerkt = null;
let bildAnfrage = 0;
// Whether the last input was a key: the drawing shows its focus then, not
// after a press of the pointer.
let perTastatur = false;

// The pointer's look over the drawing (Zeigerform: arrow, open, closed hand).
const zeigerformen = ['default', 'grab', 'grabbing'];
function zeigerform(form) {
  $('grafik').style.cursor = zeigerformen[form] || 'default';
}

// The pointer's place in CSS pixels of the drawing; while it is held it
// may be far outside, where the core keeps the values in their ranges.
function punkt(e) {
  const r = $('grafik').getBoundingClientRect();
  return [e.clientX - r.left, e.clientY - r.top];
}

function weitergeben() {
  bildAnfrage = 0;
  const p = vorgemerkt;
  vorgemerkt = null;
  if (p && zug && !beendet) Module._vandrel_zeiger_bewegen(p[0], p[1], zug.finger ? 1 : 0);
}

function vormerken(x, y) {
  vorgemerkt = [x, y];
  if (!bildAnfrage) bildAnfrage = requestAnimationFrame(weitergeben);
}

// Released: the drag goes to the last place first and ends there.
// Cancelled: the scene is put back as it was before the press.
function zugBeenden(abbrechen) {
  if (!zug) return;
  if (bildAnfrage) cancelAnimationFrame(bildAnfrage);
  if (abbrechen) {
    bildAnfrage = 0;
    vorgemerkt = null;
  } else {
    weitergeben();
  }
  const id = zug.id;
  zug = null;
  const g = $('grafik');
  if (g.hasPointerCapture(id)) g.releasePointerCapture(id);
  if (beendet) return;
  if (abbrechen) Module._vandrel_zeiger_abbrechen();
  else Module._vandrel_zeiger_hoch();
}

function ziehenBeobachten() {
  const g = $('grafik');
  window.addEventListener('keydown', () => { perTastatur = true; }, true);
  window.addEventListener('pointerdown', () => { perTastatur = false; }, true);
  g.addEventListener('focus', () => g.classList.toggle('tastatur', perTastatur));

  g.addEventListener('pointerdown', (e) => {
    if (beendet) return;
    if (zug) {
      // A mouse pressed again while it still holds a grip was released
      // where the page never heard it: that drag ends there. A second
      // finger changes nothing.
      if (e.pointerId !== zug.id || e.pointerType !== 'mouse') return;
      zugBeenden(false);
    }
    const finger = e.pointerType === 'touch' ? 1 : 0;
    const [x, y] = punkt(e);
    if (e.button === 0 && e.isPrimary && Module._vandrel_greifbar(x, y, finger)) {
      // Pressed, the drawing takes the focus as a control does, so that a
      // box being typed in ends its entry first, as when left by Tab; where
      // that shows "Unfug !", nothing is taken. The grip is then looked for
      // in the picture that the entry may have changed.
      if (menue.oben >= 0) menueSchliessen();
      if (document.activeElement !== g) g.focus({ preventScroll: true });
      if (meldungOffen || meldungAnstehend || beendet) return;
      if (Module._vandrel_zeiger_runter(x, y, finger)) {
        zug = { id: e.pointerId, finger: !!finger };
        // Released outside the drawing, or outside the page, the drag ends there.
        try {
          g.setPointerCapture(e.pointerId);
        } catch (fehler) {
          // the pointer is already gone; its up or cancel ends the drag
        }
        return;
      }
    }
    // A press elsewhere: the readout, and a finger ends the entry in the
    // box, as closing the keyboard does.
    Module._vandrel_zeiger_bewegen(x, y, finger);
    const aktiv = document.activeElement;
    if (finger && aktiv && aktiv.dataset.box !== undefined) aktiv.blur();
  });

  // The readout follows a mouse, a pen or a finger dragged over the drawing
  // (which therefore neither scrolls nor zooms the page: touch-action).
  g.addEventListener('pointermove', (e) => {
    if (beendet) return;
    if (zug) {
      if (e.pointerId !== zug.id) return;
      if (e.pointerType === 'mouse' && e.buttons === 0) {
        zugBeenden(false);
        return;
      }
      vormerken(...punkt(e));
      return;
    }
    Module._vandrel_zeiger_bewegen(...punkt(e), e.pointerType === 'touch' ? 1 : 0);
  });
  g.addEventListener('pointerup', (e) => {
    if (zug && e.pointerId === zug.id) zugBeenden(false);
  });
  // Taken by the browser or the system (a call, a turned screen), or the
  // capture lost otherwise: the scene as it was.
  g.addEventListener('pointercancel', (e) => {
    if (zug && e.pointerId === zug.id) zugBeenden(true);
  });
  g.addEventListener('lostpointercapture', (e) => {
    if (zug && e.pointerId === zug.id) zugBeenden(true);
  });
  // A finger that holds a grip still is no long press: no menu, no
  // selection, no mouse events made up after it.
  g.addEventListener('touchstart', (e) => {
    if (zug && zug.finger) e.preventDefault();
  }, { passive: false });
  g.addEventListener('contextmenu', (e) => {
    if (zug) e.preventDefault();
  });
  // Escape in the middle of a drag, before a panel or the menu sees it.
  window.addEventListener('keydown', (e) => {
    if (zug && e.key === 'Escape') {
      e.preventDefault();
      e.stopImmediatePropagation();
      zugBeenden(true);
    }
  }, true);

  // The arrow keys on the focused drawing move the object or the lens
  // (Shift: finer steps, Alt: the lens); they never scroll the page, nor
  // does Alt+Left go back a page.
  const pfeile = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3 };
  g.addEventListener('keydown', (e) => {
    const pfeil = pfeile[e.key];
    if (pfeil === undefined || e.ctrlKey || e.metaKey || beendet) return;
    e.preventDefault();
    Module._vandrel_pfeiltaste(pfeil, e.shiftKey ? 1 : 0, e.altKey ? 1 : 0);
  });
}
