'use strict';
// The modal message box ("Unfug !" and the copy's answer): while it is open
// or about to open, nothing else takes input.

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

