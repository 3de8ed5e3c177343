#pragma once
// The one redraw of the main window and the ray tracer it uses.

#include "formular.h"
#include "messung.h"
#include "zeichenflaeche.h"

// Recalculates the lens and draws the whole scene onto the form's surface:
// frame, lens, cardinal points and, by mode, the beam or the imaging
// construction with its rays. A run-time error ends it at the failing step
// (Laufzeitfehler); what was drawn until then stays.
void Form_Resize(Formular& form);

// Sets the world scale of the surface from the frame extents in Module1.
void skalieren(Zeichenflaeche& flaeche);

// Marches one ray from (x0, y0) with rise dy0 per step of 0.05 up to Nmax,
// refracting it where it enters and leaves the glass, and draws it (with its
// mirror image about the axis when gespiegelt). A ray outside the aperture
// passes unbent; one that meets the lens's edge or is totally reflected
// ends there, the latter with a small cross. The tracer state lives in
// Module1. Returns what happened on the way: the first axis crossing, a
// total reflection or the edge, the height at x = ebene (when given) and
// the last point.
Strahlverlauf strahl_verfolgen(Zeichenflaeche& flaeche, double x0, double y0, double dy0, bool gespiegelt,
                               double ebene = kein_wert);

struct Flaeche;
// Refracts Module1.dy at the surface, at the tracer's current point: into
// the glass (hinein) or out of it. Sets gebrochen_1 or gebrochen_2 by the
// surface, and totalreflexion where the ray cannot leave.
void brechung(const Flaeche& flaeche, bool hinein);
