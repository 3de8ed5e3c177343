#pragma once
// The measured-values window's content: the numbers of the last redraw,
// grouped, named and formatted once, here, in the language in use, for
// every front end and the command line. A front end lays the groups out;
// the text is what "Kopieren" puts on the clipboard and what --werte prints.

#include "render/kennlinie.h"

#include <cmath>
#include <string>
#include <vector>

// One cell: its text as shown and, for a number, the number itself.
struct Messzelle {
    std::string text;
    double wert = NAN;
};

struct Messgruppe {
    std::string titel;
    std::vector<std::string> kopf;              // column headings
    std::vector<std::vector<Messzelle>> zeilen;  // as many cells as headings
};

struct Messbericht {
    // Not empty when the last redraw failed or drew nothing: this one line
    // stands instead of the values.
    std::string hinweis;
    std::vector<Messgruppe> gruppen;
    // The chart of the focus beam's crossings; only with rays in the focus mode.
    bool mit_kennlinie = false;
    Kennlinie kennlinie;

    // Tab-separated, with the decimal separator of the language shown, one
    // line per row, groups apart by an empty line: ready for a spreadsheet
    // in that language.
    std::string text() const;
};

// From the last redraw: the lens as it drew it and what it measured.
Messbericht messbericht();
