// The one redraw of the main window: frame, lens and cardinal points, and by
// mode the parallel beam or the imaging construction with its ray fan.

#include "szene.h"

#include "lens/module1.h"
#include "zahlformat.h"

#include <cmath>

Messung_t Messung;

namespace {

Module1_t& m = Module1;

void text_an(Zeichenflaeche& f, double x, double y, const char* text)
{
    f.CurrentX = x;
    f.CurrentY = y;
    f.Print(text);
}

// Frame, tick marks, optical axis and the numbers, all in ForeColor.
void rahmen_zeichnen(Zeichenflaeche& f)
{
    const double x_min = m.x_min, x_max = m.x_max, y_min = m.y_min, y_max = m.y_max;
    const double x_span = m.x_span, y_span = m.y_span;

    f.DrawStyle = durchgezogen;
    f.DrawWidth = 1;

    f.Line(x_min, y_min, x_min, y_max);
    f.Line(x_min, y_max, x_max, y_max);
    f.Line(x_max, y_max, x_max, y_min);
    f.Line(x_max, y_min, x_min, y_min);

    // The products are Integer arithmetic and trap overflow; the division is Double.
    for (Integer i = 0; i.wert() <= 40; i = i + Integer(1)) {
        const double x = pruefe(x_min + pruefe(double(i * m.x_span) / 40));
        f.Line(x, y_min, x, pruefe(y_min - pruefe(0.01 * y_span)));
        f.Line(x, y_max, x, pruefe(y_max + pruefe(0.01 * y_span)));
    }
    for (Integer j = 0; j.wert() <= 20; j = j + Integer(1)) {
        const double y = pruefe(y_min + pruefe(double(j * m.y_span) / 20));
        f.Line(pruefe(x_min - pruefe(0.006 * x_span)), y, x_min, y);
        f.Line(pruefe(x_max + pruefe(0.006 * x_span)), y, x_max, y);
    }

    f.DrawWidth = 1;
    f.Line(x_max, 0, x_min, 0);

    for (Integer j = 0; j.wert() <= 5; j = j + Integer(1)) {
        const double v = pruefe(x_min + pruefe(double(j * m.x_span) / 5));
        f.CurrentX = pruefe(v - pruefe(0.01 * x_span));
        f.CurrentY = pruefe(y_min - pruefe(0.02 * y_span));
        f.Print(format_0(v));
    }
    for (Integer k = 0; k.wert() <= 5; k = k + Integer(1)) {
        const double v = pruefe(y_min + pruefe(double(k * m.y_span) / 5));
        f.CurrentX = pruefe(x_min - pruefe(0.023 * x_span));
        f.CurrentY = pruefe(v + pruefe(0.015 * y_span));
        f.Print(format_0(v));
    }
}

// One lens surface as a polyline over the angle; punkt maps an angle to the
// point on the circle.
template <typename Punkt>
void bogen(Zeichenflaeche& f, double radius, Punkt punkt)
{
    // sin of the half-aperture angle, kept in xs as scratch
    m.xs = pruefe(double(m.D1) * 0.5 / radius);
    const double sigma = m.xs;
    const double q = pruefe(sigma / Sqr(pruefe(1 - pruefe(sigma * sigma))));
    const double winkel = pruefe(std::atan(q));

    double x, y;
    punkt(-winkel, x, y);
    f.PSet(x, y, farbe::gelb);

    const double grenze = winkel;
    const double schritt = 0.001;
    for (double phi = -winkel; phi <= grenze; phi = pruefe(phi + schritt)) {
        punkt(phi, x, y);
        f.Line(x, y, farbe::gelb);
    }
}

// Letters of the cardinal points, the lens outline, focal marks and principal planes.
void linse_zeichnen(Zeichenflaeche& f)
{
    f.ForeColor = farbe::blau;
    const double oben = m.y_max + Integer(2);
    text_an(f, m.xH1, oben, "H");
    text_an(f, m.xH2, oben, "H'");
    text_an(f, m.xF2, oben, "F'");
    text_an(f, m.xF1, oben, "F");

    f.ForeColor = farbe::schaltflaechentext;
    const double oben_duenn = pruefe(double(m.y_max) + 3.5);
    text_an(f, m.xF2_duenn, oben_duenn, "F'");
    text_an(f, m.xF1_duenn, oben_duenn, "F");

    f.DrawWidth = 1;
    const double R1_a = m.R1_a, M1 = m.M1;
    bogen(f, R1_a, [&](double phi, double& x, double& y) {
        x = pruefe(M1 - pruefe(R1_a * std::cos(phi)));
        y = pruefe(R1_a * std::sin(phi));
    });
    const double R1_b = m.R1_b, M2 = m.M2;
    bogen(f, R1_b, [&](double phi, double& x, double& y) {
        x = pruefe(pruefe(R1_b * std::cos(phi)) + M2);
        y = pruefe(R1_b * std::sin(phi));
    });

    f.DrawWidth = 2;
    f.Line(m.xF2_duenn, -1, m.xF2_duenn, 1);
    f.Line(m.xF1_duenn, -1, m.xF1_duenn, 1);
    f.Line(m.xF2, -1, m.xF2, 1, farbe::blau);
    f.Line(m.xF1, -1, m.xF1, 1, farbe::blau);

    f.DrawStyle = strich_punkt_punkt;
    f.DrawWidth = 1;
    f.Line(m.xH2, -20, m.xH2, 20, farbe::blau);
    f.DrawWidth = 1;
    f.Line(m.xH1, -20, m.xH1, 20, farbe::blau);
    f.DrawStyle = durchgezogen;
}

// Six rays parallel to the axis, each drawn with its mirror image.
void fokus_strahlen(Formular& form, Zeichenflaeche& f)
{
    const bool fokus = form.opt_fokus_Value() == True;
    const bool licht = form.chk_licht_Value() == 1;
    Messung.fokus = fokus;
    Messung.licht = licht;
    if (!(fokus && licht)) {
        return;
    }
    const double grenze = 18, schritt = 3;
    for (double y0 = 3; y0 <= grenze; y0 = pruefe(y0 + schritt)) {
        Messung.strahlen.push_back(strahl_verfolgen(f, 0, y0, 0, true));
    }
}

// The fan of rays from the object tip, from parallel to 9/8 of the rise that
// reaches the axis at F.
void strahlenfaecher(Formular& form, Zeichenflaeche& f)
{
    if (form.chk_licht_Value() != 1) {
        return;
    }
    // Each ray notes its height where it passes the real image's plane.
    const double ebene = Messung.virtuell ? kein_wert : Messung.bild_ort;
    const double abstand = pruefe(std::abs(pruefe(m.xF1 - m.obj_ort)));
    const double hub = pruefe(m.obj_h * 0.05);
    double grenze = 0, schritt = 0;
    if (hub != 0) {
        // An object exactly at F divides by zero here, which ends the redraw
        // after the notice and the object.
        const double dyF = pruefe(hub / abstand);
        grenze = pruefe(pruefe(-9 * dyF) / 8);
        schritt = pruefe(-dyF / 8);
    }
    if (schritt == 0) {
        // A flat object (or a rise below the smallest Double) gives no fan:
        // the one ray along the axis, wherever the object stands.
        Messung.strahlen.push_back(strahl_verfolgen(f, m.obj_ort, m.obj_h, 0, false, ebene));
        return;
    }
    for (double dy0 = 0; dy0 >= grenze; dy0 = pruefe(dy0 + schritt)) {
        Messung.strahlen.push_back(strahl_verfolgen(f, m.obj_ort, m.obj_h, dy0, false, ebene));
    }
}

// The virtual image is not drawn, but its numbers are those of the same
// lens equation: b < 0 and an upright image. Computed without the fault
// test, which only drawing needs: an object exactly at F has its image at
// infinity, noted as such, and the redraw goes on as before.
void virtuelles_bild_messen(double f_bild, double obj_ort, double obj_h)
{
    Messung.virtuell = true;
    const double g = m.xH1 - obj_ort;
    Messung.g = g;
    if (f_bild - g == 0) {
        Messung.b = Messung.bild_ort = Messung.bild_h = Messung.beta = INFINITY;
        return;
    }
    Messung.b = f_bild * -g / (f_bild - g);
    Messung.bild_ort = m.xH2 + Messung.b;
    // -b/g, also where g is 0; upright for g < f or f < 0.
    Messung.beta = f_bild / (f_bild - g);
    Messung.bild_h = Messung.beta * obj_h;
}

// Object, image or the notice of a virtual image, the construction rays, then the fan.
void abbildung_zeichnen(Formular& form, Zeichenflaeche& f)
{
    if (form.opt_abbildung_Value() != True) {
        return;
    }
    Messung.abbildung = true;
    const double obj_ort = m.obj_ort, obj_h = m.obj_h;

    f.DrawWidth = 1;
    f.DrawStyle = strich_punkt_punkt;
    f.Line(obj_ort, -20, obj_ort, 20, farbe::dunkelgruen);
    f.DrawStyle = gestrichelt;
    f.DrawWidth = 2;
    f.Line(obj_ort, 0, obj_ort, obj_h, farbe::dunkelgruen);
    f.DrawWidth = 8;
    f.Line(obj_ort, obj_h, obj_ort, obj_h, farbe::dunkelgruen);

    // A diverging thick lens (F' left of H') never forms a real image; the
    // lens equation's real branch would draw an inverted one that no ray makes.
    const double f_bild = pruefe(m.xF2 - m.xH2);
    if (obj_ort >= m.xF1 || f_bild < 0) {
        form.lbl_virtuell_Visible(true);
        virtuelles_bild_messen(f_bild, obj_ort, obj_h);
    } else {
        const double g = pruefe(m.xH1 - obj_ort);
        const double b = pruefe(pruefe(f_bild * -g) / pruefe(f_bild - g));
        const double bild_ort = pruefe(m.xH2 + b);
        const double bild_h = -std::abs(pruefe(pruefe(pruefe(m.xH1 - m.xF1) * obj_h) /
                                                 pruefe(m.xF1 - obj_ort)));
        Messung.g = g;
        Messung.b = b;
        Messung.bild_ort = bild_ort;
        Messung.bild_h = bild_h;
        Messung.beta = -b / g;  // g > f > 0 here

        f.DrawWidth = 1;
        f.DrawStyle = strich_punkt_punkt;
        f.Line(bild_ort, -20, bild_ort, 20, farbe::dunkelgruen);
        f.DrawWidth = 2;
        f.DrawStyle = gestrichelt;
        f.Line(bild_ort, bild_h, bild_ort, 0, farbe::dunkelgruen);
        f.DrawWidth = 8;
        f.Line(bild_ort, bild_h, bild_ort, bild_h, farbe::dunkelgruen);

        f.DrawStyle = gepunktet;
        f.DrawWidth = 1;
        // A flat object has no defined edge crossing: the legs that end there are left out.
        const bool rand_definiert = obj_h != 0;
        double x_rand = 0;
        if (rand_definiert) {
            x_rand = pruefe(m.xF2 + pruefe(pruefe(f_bild * 20) / obj_h));
        }
        f.Line(obj_ort, obj_h, m.xH2, obj_h, farbe::blau);
        if (rand_definiert) {
            f.Line(m.xH2, obj_h, x_rand, -20, farbe::blau);
        }
        if (std::abs(bild_h) < 20) {
            f.Line(obj_ort, obj_h, m.xH1, bild_h, farbe::blau);
            if (rand_definiert) {
                f.Line(m.xH1, bild_h, x_rand, bild_h, farbe::blau);
            }
        }
    }

    strahlenfaecher(form, f);
}

}  // namespace

void skalieren(Zeichenflaeche& flaeche)
{
    m.x_span = m.x_max - m.x_min;
    m.y_span = m.y_max - m.y_min;
    const double x_min = m.x_min, x_max = m.x_max, y_min = m.y_min, y_max = m.y_max;
    const double x_span = m.x_span, y_span = m.y_span;
    const double x1 = pruefe(x_min - pruefe(0.025 * x_span));
    const double y1 = pruefe(y_max + pruefe(0.25 * y_span));
    const double x2 = pruefe(x_max + pruefe(0.025 * x_span));
    const double y2 = pruefe(y_min - pruefe(0.05 * y_span));
    flaeche.Scale(x1, y1, x2, y2);
}

void Form_Resize(Formular& form)
{
    Zeichenflaeche& f = form.flaeche();
    fp_status_loeschen();

    // Until the redraw has run through, its measurements count as failed.
    Messung.stand = Messung_t::Stand::abgebrochen;
    Messung.fokus = Messung.abbildung = Messung.licht = Messung.virtuell = false;
    Messung.g = Messung.b = Messung.bild_ort = Messung.bild_h = Messung.beta = kein_wert;
    Messung.strahlen.clear();

    linse_berechnen();  // a failure here leaves the previous picture untouched
    f.Cls();
    form.lbl_virtuell_Visible(false);

    m.x_max = m.Nmax;
    m.x_min = 0;
    m.y_max = 20;
    m.y_min = -20;

    Messung.stand = Messung_t::Stand::nicht_gezeichnet;
    if (f.WindowState() == 1) {
        return;
    }
    if (f.Width() < 1000) {
        return;
    }
    if (f.Height() < 1000) {
        return;
    }
    Messung.stand = Messung_t::Stand::abgebrochen;

    skalieren(f);
    rahmen_zeichnen(f);
    linse_zeichnen(f);
    fokus_strahlen(form, f);
    abbildung_zeichnen(form, f);
    Messung.szene = m;
    Messung.stand = Messung_t::Stand::gezeichnet;
}
