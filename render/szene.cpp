// The one redraw of the main window: frame, lens and cardinal points, and by
// mode the parallel beam or the imaging construction with its ray fan.

#include "szene.h"

#include "lens/flaeche.h"
#include "lens/module1.h"
#include "lens/sprache.h"
#include "zahlformat.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

Messung_t Messung;

namespace {

Module1_t& m = Module1;

// Where the frame's texts stand, in world units, for the surface's size:
// skalieren sets it, the drawing reads it.
struct Rahmenmass {
    double y_zahlen = 0;     // how far left of x_min the y axis's numbers begin
    double reihe_dick = 0;   // the tops of the two letter rows above y_max
    double reihe_duenn = 0;
    double hinweis = 0;      // the top of the notice line above y_max
};
Rahmenmass rahmenmass;

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
        f.CurrentX = pruefe(x_min - rahmenmass.y_zahlen);
        f.CurrentY = pruefe(v + pruefe(0.015 * y_span));
        f.Print(format_0(v));
    }
}

// One lens surface: a polyline over the angle from the lower rim to the
// upper one, bulging out or curving in as its radius says, or a straight
// line for a plane surface.
void flaeche_zeichnen(Zeichenflaeche& f, const Flaeche& flaeche, Farbe farbe)
{
    const double halbe_hoehe = double(m.D1) * 0.5;
    if (flaeche.eben()) {
        f.Line(flaeche.S, -halbe_hoehe, flaeche.S, halbe_hoehe, farbe);
        return;
    }
    // The arc about M: x = M -/+ r cos(phi) with the radius's sign, so that
    // a concave surface turns the other way.
    const double r = flaeche.r, M = flaeche.M, betrag = std::abs(r);
    const auto punkt = [&](double phi, double& x, double& y) {
        const double rx = pruefe(r * std::cos(phi));
        x = flaeche.links ? pruefe(M - rx) : pruefe(rx + M);
        y = pruefe(betrag * std::sin(phi));
    };
    // sin of the half-aperture angle, kept in xs as scratch
    m.xs = pruefe(halbe_hoehe / betrag);
    const double sigma = m.xs;
    const double q = pruefe(sigma / Sqr(pruefe(1 - pruefe(sigma * sigma))));
    const double winkel = pruefe(std::atan(q));

    double x, y;
    punkt(-winkel, x, y);
    f.PSet(x, y, farbe);

    const double grenze = winkel;
    const double schritt = 0.001;
    for (double phi = -winkel; phi <= grenze; phi = pruefe(phi + schritt)) {
        punkt(phi, x, y);
        f.Line(x, y, farbe);
    }
}

// The letters of one row, written in this order at their points. Where a
// letter would touch one written before it, it stands beside that one, a
// two blanks apart, on the side its own point lies; so H' never merges with H,
// nor F with H'. A cardinal point at infinity (an afocal lens, or a thin
// lens whose curvatures cancel) has no letter.
void buchstaben(Zeichenflaeche& f, double y, std::initializer_list<std::pair<double, const char*>> reihe)
{
    struct Gesetzt {
        double x, breite;
    };
    Gesetzt gesetzt[4];
    std::size_t n = 0;
    const double luecke = f.TextWidth("  ");
    for (const auto& [punkt, text] : reihe) {
        if (!std::isfinite(punkt) || n == std::size(gesetzt)) {
            continue;
        }
        const double breite = f.TextWidth(text);
        double x = punkt;
        // Each pass moves it past one letter it touches, always the way the
        // first one sent it, so that it cannot come back.
        int richtung = 0;
        for (std::size_t pass = 0; pass <= n; ++pass) {
            const Gesetzt* beruehrt = nullptr;
            for (std::size_t i = 0; i < n && beruehrt == nullptr; ++i) {
                if (x < gesetzt[i].x + gesetzt[i].breite + luecke && gesetzt[i].x < x + breite + luecke) {
                    beruehrt = &gesetzt[i];
                }
            }
            if (beruehrt == nullptr) {
                break;
            }
            if (richtung == 0) {
                richtung = punkt >= beruehrt->x ? 1 : -1;
            }
            x = richtung > 0 ? beruehrt->x + beruehrt->breite + luecke : beruehrt->x - breite - luecke;
        }
        text_an(f, x, y, text);
        gesetzt[n++] = {x, breite};
    }
}

void strich(Zeichenflaeche& f, double x, Farbe farbe)
{
    if (std::isfinite(x)) {
        f.Line(x, -1, x, 1, farbe);
    }
}

void hauptebene(Zeichenflaeche& f, double x)
{
    if (std::isfinite(x)) {
        f.Line(x, -20, x, 20, farbe::blau);
    }
}

// Letters of the cardinal points, the lens outline, focal marks and principal planes.
void linse_zeichnen(Zeichenflaeche& f)
{
    f.ForeColor = farbe::blau;
    buchstaben(f, pruefe(double(m.y_max) + rahmenmass.reihe_dick),
               {{m.xH1, "H"}, {m.xH2, "H'"}, {m.xF2, "F'"}, {m.xF1, "F"}});

    f.ForeColor = farbe::schaltflaechentext;
    buchstaben(f, pruefe(double(m.y_max) + rahmenmass.reihe_duenn), {{m.xF2_duenn, "F'"}, {m.xF1_duenn, "F"}});

    // On a projector the yellow stands on a dark line one pixel wider on
    // each side: yellow alone has a contrast of 1.07 against white.
    if (f.darstellung.projektor) {
        f.DrawWidth = 3;
        flaeche_zeichnen(f, linke_flaeche(m), farbe::dunkelgelb);
        flaeche_zeichnen(f, rechte_flaeche(m), farbe::dunkelgelb);
    }
    f.DrawWidth = 1;
    flaeche_zeichnen(f, linke_flaeche(m), farbe::gelb);
    flaeche_zeichnen(f, rechte_flaeche(m), farbe::gelb);

    f.DrawWidth = 2;
    strich(f, m.xF2_duenn, f.ForeColor);
    strich(f, m.xF1_duenn, f.ForeColor);
    strich(f, m.xF2, farbe::blau);
    strich(f, m.xF1, farbe::blau);

    f.DrawStyle = strich_punkt_punkt;
    f.DrawWidth = 1;
    hauptebene(f, m.xH2);
    f.DrawWidth = 1;
    hauptebene(f, m.xH1);
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
// reaches the axis at F (at the lens's middle for an afocal lens, which has none).
void strahlenfaecher(Formular& form, Zeichenflaeche& f)
{
    if (form.chk_licht_Value() != 1) {
        return;
    }
    // Each ray notes its height where it passes the real image's plane.
    const double ebene = Messung.virtuell || !std::isfinite(Messung.bild_ort) ? kein_wert : Messung.bild_ort;
    const double ziel = std::isfinite(m.xF1) ? m.xF1 : m.X1_0;
    const double abstand = pruefe(std::abs(pruefe(ziel - m.obj_ort)));
    const double hub = pruefe(m.obj_h * 0.05);
    double grenze = 0, schritt = 0;
    if (hub != 0) {
        // An object exactly at F divides by zero here, which ends the redraw
        // after the object and its construction.
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

// An image farther from the lens than this counts as at infinity: the
// object stands in the focal plane but for rounding, and the numbers of
// such an image would be noise.
constexpr double bild_im_unendlichen = 1e6;

// One line in the picture's top margin, ending at the frame's right end,
// below the notice of a virtual image: where an image lies that the frame
// does not show.
void bildhinweis(Zeichenflaeche& f, const std::string& text)
{
    f.ForeColor = farbe::schaltflaechentext;
    f.CurrentX = pruefe(double(m.x_max) - f.TextWidth(text));
    f.CurrentY = pruefe(double(m.y_max) + rahmenmass.hinweis);
    f.Print(text);
}

// The image arrow at bild_ort: solid in its plane for a real image; dashed
// and without a plane, which no ray reaches, for a virtual one.
void bild_zeichnen(Zeichenflaeche& f, double bild_ort, double bild_h, bool virtuell)
{
    f.DrawWidth = 1;
    if (!virtuell) {
        f.DrawStyle = strich_punkt_punkt;
        f.Line(bild_ort, -20, bild_ort, 20, farbe::dunkelgruen);
    }
    // A line of width 1 shows its pattern; a wider one is solid.
    f.DrawWidth = virtuell ? 1 : 2;
    f.DrawStyle = gestrichelt;
    f.Line(bild_ort, bild_h, bild_ort, 0, farbe::dunkelgruen);
    f.DrawWidth = virtuell ? 5 : 8;
    f.Line(bild_ort, bild_h, bild_ort, bild_h, farbe::dunkelgruen);
}

// The two construction rays through the principal planes: parallel to the
// axis up to H', then through F'; and through F up to H, then parallel to
// the axis. Where the image lies left of H', dashed back-extensions of both
// from H' lead to its tip.
void konstruktion_zeichnen(Zeichenflaeche& f, double obj_ort, double obj_h, double bild_ort, double bild_h)
{
    const double f_bild = pruefe(m.xF2 - m.xH2);
    f.DrawStyle = gepunktet;
    f.DrawWidth = 1;
    // Behind H' the parallel ray runs through F' to the frame's lower edge,
    // or for a diverging lens away from F' to its upper edge. A flat object
    // has no defined edge crossing: the legs that end there are left out.
    const bool rand_definiert = obj_h != 0;
    double x_rand = 0;
    if (rand_definiert) {
        x_rand = pruefe(m.xF2 + pruefe(pruefe(std::abs(f_bild) * 20) / obj_h));
    }
    const double y_rand = f_bild < 0 ? 20 : -20;
    f.Line(obj_ort, obj_h, m.xH2, obj_h, farbe::blau);
    if (rand_definiert) {
        f.Line(m.xH2, obj_h, x_rand, y_rand, farbe::blau);
    }
    const bool brennpunktstrahl = std::abs(bild_h) < 20;
    if (brennpunktstrahl) {
        f.Line(obj_ort, obj_h, m.xH1, bild_h, farbe::blau);
        if (rand_definiert) {
            f.Line(m.xH1, bild_h, x_rand, bild_h, farbe::blau);
        }
    }
    if (bild_ort < m.xH2) {
        f.DrawStyle = gestrichelt;
        f.Line(m.xH2, obj_h, bild_ort, bild_h, farbe::blau);
        if (brennpunktstrahl) {
            f.Line(m.xH2, bild_h, bild_ort, bild_h, farbe::blau);
        }
    }
}

// Object, its image (real, virtual, or at infinity), the construction rays, then the fan.
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

    // Real or virtual by where the image lies: behind the right vertex the
    // rays leaving the lens meet there; anywhere else, the glass included,
    // they only seem to come from it.
    const Bildlage bild = paraxiales_bild(obj_ort, obj_h);
    // An afocal lens has no principal planes to construct with.
    const bool afokal = !std::isfinite(m.xH1);
    Messung.g = afokal ? kein_wert : m.xH1 - obj_ort;
    if (std::abs(bild.ort - m.X1_0) <= bild_im_unendlichen && std::isfinite(bild.hoehe)) {
        const double bild_ort = pruefe(bild.ort), bild_h = pruefe(bild.hoehe);
        Messung.virtuell = !(bild_ort > m.S2);
        Messung.b = afokal ? kein_wert : bild_ort - m.xH2;
        Messung.bild_ort = bild_ort;
        Messung.bild_h = bild_h;
        Messung.beta = bild.beta;
        if (Messung.virtuell) {
            form.lbl_virtuell_Visible(true);
        }
        bild_zeichnen(f, bild_ort, bild_h, Messung.virtuell);
        if (!afokal) {
            konstruktion_zeichnen(f, obj_ort, obj_h, bild_ort, bild_h);
        }
        if (bild_ort < double(m.x_min) || bild_ort > double(m.x_max)) {
            bildhinweis(f, uebersetzt("Bild bei x = %1 (au\u00dferhalb)", {zahl_zwei_stellen(bild_ort)}));
        } else if (std::abs(bild_h) > 20) {
            bildhinweis(f, uebersetzt("Bildspitze bei y = %1 (au\u00dferhalb)", {zahl_zwei_stellen(bild_h)}));
        }
    } else {
        // The object stands in the focal plane: the rays leave parallel.
        Messung.b = Messung.bild_ort = Messung.bild_h = Messung.beta = INFINITY;
        bildhinweis(f, uebersetzt("Bild im Unendlichen"));
        if (!afokal) {
            konstruktion_zeichnen(f, obj_ort, obj_h, INFINITY, INFINITY);
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
    // The margins as designed, in world units.
    double links = pruefe(0.025 * x_span), rechts = links;
    double oben = pruefe(0.25 * y_span), unten = pruefe(0.05 * y_span);
    rahmenmass = {pruefe(0.023 * x_span), 2, 3.5, pruefe(0.15 * y_span)};
    flaeche.Scale(pruefe(x_min - links), pruefe(y_max + oben), pruefe(x_max + rechts), pruefe(y_min - unten));

    // The texts keep their logical pixels however small the picture is:
    // where the designed margins are too narrow for them, the margins grow
    // as far as the texts need, and the frame shrinks.
    const double px = flaeche.ScaleX(1), py = flaeche.ScaleY(1);
    if (!(px > 0) || !(py > 0)) {
        return;  // no pixels, no font
    }
    const double W = (x_span + 2 * links) / px, H = (y_span + oben + unten) / py;
    const auto breite = [&](double v) { return flaeche.TextWidth(format_0(v)) / px; };
    const double x_zahl = breite(x_max);  // the last number, which reaches past the right end
    double y_zahl = 0;
    for (int k = 0; k <= 5; ++k) {
        y_zahl = std::max(y_zahl, breite(y_min + k * y_span / 5));
    }
    const double grund = flaeche.TextBaseline() / py;
    const bool knapp = flaeche.darstellung.kopf_knapp;

    // All in logical pixels: the frame's width and height, and what stands
    // beside and above it. A fixed point, since the designed offsets are
    // parts of the frame; each step changes the margins by less than a
    // quarter of what it changed the frame.
    double rahmen_b = W * x_span / (x_span + 2 * links), rahmen_h = H * y_span / (y_span + oben + unten);
    double l = 0, r = 0, o = 0, u = 0, y_abstand = 0, dick = 0, duenn = 0, hinweis = 0;
    bool gewachsen = knapp;
    for (int schritt = 0; schritt < 30; ++schritt) {
        const double ey = rahmen_h / y_span;
        // The numbers of y end at the frame at the latest; those of x, under
        // the ticks, fit above the lower edge, the last one left of the right edge.
        y_abstand = std::max(0.023 * rahmen_b, y_zahl);
        l = std::max(0.025 * rahmen_b, y_abstand);
        r = std::max(0.025 * rahmen_b, x_zahl - 0.01 * rahmen_b + 1);
        u = std::max(0.05 * rahmen_h, 0.02 * rahmen_h + grund + 1);
        // Above the ticks the thick lens's letters, above them the thin
        // one's, above both the notice; the rows never cover each other.
        const double strich = 0.01 * rahmen_h;
        if (knapp) {
            dick = strich + 1 + grund;
            duenn = dick + grund + 1;
            hinweis = duenn + grund + 3;
            o = hinweis + 2;
        } else {
            dick = std::max(2 * ey, strich + grund);
            duenn = std::max(3.5 * ey, dick + grund);
            hinweis = std::max(0.15 * rahmen_h, duenn + grund + 2);
            o = std::max(0.25 * rahmen_h, hinweis + 1);
        }
        if (schritt == 0) {
            // As designed wherever that suffices: the picture does not move.
            gewachsen = gewachsen || y_abstand > 0.023 * rahmen_b || l > 0.025 * rahmen_b ||
                        r > 0.025 * rahmen_b || u > 0.05 * rahmen_h || dick > 2 * ey || duenn > 3.5 * ey ||
                        hinweis > 0.15 * rahmen_h || o > 0.25 * rahmen_h;
            if (!gewachsen) {
                return;
            }
        }
        rahmen_b = W - l - r;
        rahmen_h = H - o - u;
        if (!(rahmen_b > 1) || !(rahmen_h > 1)) {
            return;  // no room for a frame at all: as designed, cut where it must
        }
    }
    const double ex = rahmen_b / x_span, ey = rahmen_h / y_span;
    links = l / ex;
    rechts = r / ex;
    oben = o / ey;
    unten = u / ey;
    rahmenmass = {y_abstand / ex, dick / ey, duenn / ey, hinweis / ey};
    flaeche.Scale(pruefe(x_min - links), pruefe(y_max + oben), pruefe(x_max + rechts), pruefe(y_min - unten));
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
    Messung.szene = m;

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
    Messung.szene = m;  // with the tracer's state, its step among it
    Messung.stand = Messung_t::Stand::gezeichnet;
}
