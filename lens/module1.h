#pragma once
// The scene: every variable the program shares, in one instance.

#include "fehler.h"

struct Module1_t {
    // x range and frame
    Integer Nmax;
    Integer x_max, x_min, y_max, y_min;
    Integer x_span, y_span;

    // ray tracer state
    double xs = 0, ys = 0, dx = 0, dy = 0;
    Flag im_glas = False, hinter_linse = False;
    Flag gebrochen_1 = False, gebrochen_2 = False, totalreflexion = False;

    // object
    double obj_ort = 0, obj_h = 0;

    // lens inputs and what linse_berechnen derives from them
    Integer D1;
    double X1_0 = 0, n1 = 0;
    double R1_a = 0, M1_0 = 0, M1 = 0, s1 = 0;
    double R1_b = 0, M2_0 = 0, M2 = 0, s2 = 0;
    double f_duenn = 0, xF2_duenn = 0, xF1_duenn = 0;
    double xF2 = 0, xF1 = 0, xH2 = 0, xH1 = 0;
    double h2 = 0, h1 = 0, S2 = 0, S1 = 0;
    double d1_plus = 0;  // starts as the number 0, every use reads it as a Double
    double d1 = 0;
};

extern Module1_t Module1;

// Recomputes the lens geometry and its cardinal points from the inputs.
// Each result is stored before it is checked, so a fault leaves the earlier
// outputs new and the later ones old.
void linse_berechnen();

// Focal length of the thick lens; not stored, evaluated where it is needed.
double f_dick();

// The start-up values of the inputs, then one lens calculation.
void startwerte_setzen();
