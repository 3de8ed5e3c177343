#!/usr/bin/python3
"""Writes schrift.css: the desktop's face, DejaVu Sans regular and bold, cut
down to the characters the program shows and embedded as data, since a page
opened from disk may not load a font file beside it. Every character of the
catalogues' texts is in it too, so a translation never falls back to another
face.

    schrift.py FONT_FOLDER OUT.css [po/xx.po ...]
"""
import base64
import io
import logging
import sys

from fontTools import subset

# Latin-1, beta, the en dash, the quotes, the ellipsis, prime, minus,
# infinity (a plane surface's radius), the raised dot and the check mark
# of the language in use.
ZEICHEN = list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) + [0x03B2, 0x2013] + list(range(0x2018, 0x201F)) + [
    0x2026, 0x2032, 0x2212, 0x221E, 0x22C5, 0x2713]


def katalogzeichen(pfade):
    """The code points in the quoted strings of .po files (escapes as written: a
    backslash and a letter are both in ZEICHEN already)."""
    zeichen = set()
    for pfad in pfade:
        with open(pfad, encoding="utf-8") as f:
            for zeile in f:
                anfang, ende = zeile.find('"'), zeile.rfind('"')
                if 0 <= anfang < ende:
                    zeichen.update(ord(c) for c in zeile[anfang + 1:ende])
    return sorted(zeichen)


def woff2(pfad, zeichen):
    optionen = subset.Options()
    optionen.flavor = "woff2"
    optionen.layout_features = ["kern"]
    optionen.name_IDs = [1, 2]
    schrift = subset.load_font(pfad, optionen)
    schnitt = subset.Subsetter(optionen)
    schnitt.populate(unicodes=zeichen)
    schnitt.subset(schrift)
    puffer = io.BytesIO()
    subset.save_font(schrift, puffer, optionen)
    return base64.b64encode(puffer.getvalue()).decode("ascii")


def main():
    # Tables the subsetter does not know are dropped, as they should be.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    ordner, aus = sys.argv[1], sys.argv[2]
    zeichen = sorted(set(ZEICHEN) | set(katalogzeichen(sys.argv[3:])))
    teile = []
    for datei, gewicht in (("DejaVuSans.ttf", 400), ("DejaVuSans-Bold.ttf", 700)):
        teile.append(
            '@font-face {\n  font-family: "Vandrel Sans";\n  font-weight: %d;\n'
            '  src: url(data:font/woff2;base64,%s) format("woff2");\n}\n' % (gewicht, woff2(ordner + "/" + datei, zeichen)))
    with open(aus, "w", encoding="ascii") as f:
        f.write("".join(teile))


if __name__ == "__main__":
    main()
