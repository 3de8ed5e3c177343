#pragma once
// The small chart of the measured-values window: where the rays of the
// parallel beam cross the axis, against their start height, with F' as a
// vertical line. Rays far from the axis crossing it earlier is the lens's
// spherical aberration. Drawn with the drawing operations, so that it comes
// out the same on every front end's raster.

#include "zeichenflaeche.h"

#include <vector>

struct Kennlinie {
    struct Punkt {
        double x_achse, y0;
    };
    std::vector<Punkt> punkte;
    double xF2 = 0;
};

// The chart's size in logical pixels, the same on every front end.
inline constexpr int kennlinie_breite = 360;
inline constexpr int kennlinie_hoehe = 200;

// Clears the surface and draws the chart over its whole area.
void kennlinie_zeichnen(Zeichenflaeche& f, const Kennlinie& k);
