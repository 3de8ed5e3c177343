#pragma once
// The picture without a window: the main window's core and redraw, driven
// by a view that has no widgets, into a picture of the requested size,
// written as PNG.

#include "ui/befehlszeile.h"

#include <QSize>
#include <QString>

#include <string>

// How a picture of so many pixels is drawn: at a device pixel ratio k with
// the client area k times smaller, so that lines, points and text are k
// times as wide as on an ordinary screen. k is the largest whole number of
// times the design size fits into the picture in both directions, provided
// that it divides both sides (the client area must be whole pixels); else 1.
struct Bildmass {
    QSize logisch;
    int verhaeltnis = 1;
};
Bildmass bildmass(QSize pixel);

// Draws the command line's scene into befehl.bild. Needs the application
// object (fonts, palette). Empty when the picture was written; otherwise the
// reason, in the language in use, and nothing was written: a value that shows a message
// in the window, a scene the redraw fails on, a picture too small for the
// redraw to draw anything, a file that cannot be written.
// With werte, also the measured values of that picture, as --werte prints them.
QString bild_exportieren(const Befehlszeile& befehl, std::string* werte = nullptr);

// The measured values of the command line's scene, drawn at the design
// size without a picture file. Needs no application object and no display.
struct Werte {
    QString meldung;  // empty, or why there are none (as bild_exportieren says)
    std::string text;  // tab-separated, as the window's "Kopieren" gives them
};
Werte werte_ermitteln(const Befehlszeile& befehl);
