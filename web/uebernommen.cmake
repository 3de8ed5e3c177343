# What the page takes over from the desktop as seite_export writes it: the
# icon at every size the page and an installed page need, the manifest, the
# formula pictures and the info page. One list for both builds.
set(SEITE_UEBERNOMMEN
  symbol_16.png symbol_32.png symbol_192.png symbol_512.png symbol_maskiert_512.png vandrel.webmanifest
  formel_1.png formel_2.png formel_3.png formel_4.png info.js)
