#pragma once
// What the last redraw measured, beside what it drew: the imaging step's
// distances and each traced ray's events as the tracer marched it. The
// measured-values window shows these numbers; nothing there is computed a
// second way.

#include "lens/module1.h"

#include <cmath>
#include <vector>

inline constexpr double kein_wert = NAN;

// One traced ray. A field that stayed NaN did not happen.
struct Strahlverlauf {
    double x0 = 0, y0 = 0, dy0 = 0;  // start point and rise per step
    // The first axis crossing, interpolated between the two marched points
    // whose heights change sign, each at the x it belongs to.
    double x_achse = kein_wert;
    // Where total reflection ended the ray, and where the ray met the lens's
    // edge (its rim, beyond the aperture) and ended.
    double x_totalreflexion = kein_wert;
    double x_linsenrand = kein_wert;
    // The height at which the ray passed the plane x = ebene (the image
    // plane of the imaging mode), interpolated in the same way.
    double ebene = kein_wert;
    double y_ebene = kein_wert;
    // The last point the ray reached: where it ended, or one step past the
    // last x of the march.
    double x_ende = kein_wert, y_ende = kein_wert;
};

struct Messung_t {
    enum class Stand {
        abgebrochen,       // the redraw failed (or none has run yet)
        nicht_gezeichnet,  // minimized or too small: nothing drawn
        gezeichnet,        // the whole scene
    };
    Stand stand = Stand::abgebrochen;

    // The scene the picture shows: lens, cardinal points, range and object
    // as the last redraw whose lens calculation succeeded took them,
    // unchanged by a later entry that fails before it redraws; the
    // tracer's state as a finished redraw left it.
    Module1_t szene;

    bool fokus = false;      // the focus mode was drawn
    bool abbildung = false;  // the imaging mode was drawn
    bool licht = false;      // "Lichtstrahlen" was checked

    // Imaging: distances from H and H', image place and height. For a virtual
    // image (or a diverging lens) the numbers of that virtual image: b < 0,
    // upright. An object exactly at F has its image at infinity (b, bild_ort
    // and bild_h not finite).
    bool virtuell = false;
    double g = kein_wert, b = kein_wert, bild_ort = kein_wert, bild_h = kein_wert;
    double beta = kein_wert;  // magnification -b/g: negative for an inverted image

    std::vector<Strahlverlauf> strahlen;  // in the order drawn

    // The ray being traced: its record is kept here, in memory the drawing
    // calls might change, so that the march does not carry it in registers
    // to be saved around every point it draws.
    Strahlverlauf laufend;
};

// Written by every redraw, from its start.
extern Messung_t Messung;
