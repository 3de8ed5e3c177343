#include "form/grafik_kern.h"

#include "form/beschreibung.h"
#include "form/entwurf.h"
#include "form/messwerte.h"
#include "form/zahltext.h"
#include "lens/module1.h"
#include "lens/sprache.h"
#include "render/szene.h"

#include <cmath>
#include <optional>

namespace {

// The messages, shown in the language in use.
constexpr const char* unfug = N_("Unfug !");
constexpr const char* kopiert = N_("Grafik in Zwischenablage");
constexpr const char* nicht_kopiert = N_("Grafik konnte nicht in die Zwischenablage gelegt werden");
constexpr const char* werte_kopiert = N_("Messwerte in Zwischenablage");
constexpr const char* werte_nicht_kopiert = N_("Messwerte konnten nicht in die Zwischenablage gelegt werden");
constexpr const char* link_in_ablage = N_("Link in Zwischenablage");
constexpr const char* link_nicht_in_ablage = N_("Link konnte nicht in die Zwischenablage gelegt werden");

// A redraw error where nobody can handle it: ends silently, the picture keeps
// what was drawn, the program goes on.
template <class F>
void ohne_meldung(F schritte)
{
    try {
        schritte();
    } catch (const Laufzeitfehler&) {
    }
}

}  // namespace

std::optional<double> eingabewert(Box box, std::string_view text)
{
    return box == Box::R1_a || box == Box::R1_b ? text_zu_radius(text) : text_zu_zahl(text);
}

GrafikKern::GrafikKern(Ansicht& ansicht) : ansicht_(ansicht) {}

void GrafikKern::Form_Load()
{
    startwerte_setzen();
}

void GrafikKern::neu_beginnen()
{
    for (int i = 0; i < box_anzahl; ++i) {
        const Box box = static_cast<Box>(i);
        ansicht_.Text_setzen(box, entwurf::starttext(box));
    }
    startwerte_setzen();
    // Form_Load leaves the object where it was (a window opened again
    // keeps it); the program starts with it at 0, as its box says.
    Module1.obj_ort = 0;
}

void GrafikKern::Form_Resize()
{
    ++neuzeichnungen_;
    // Whatever was drawn before an error is shown as well, and the values
    // say that the redraw failed.
    try {
        ::Form_Resize(ansicht_);
    } catch (...) {
        nach_dem_zeichnen();
        throw;
    }
    nach_dem_zeichnen();
}

void GrafikKern::nach_dem_zeichnen()
{
    ansicht_.Refresh();
    // The description after every redraw, a failed one included: that one
    // cleared the picture and drew only part of it (or kept a picture of
    // values that are no longer the boxes'), and a screen reader must not
    // go on describing the scene before. It says that the scene cannot be
    // drawn whole, as the measured values say that they are missing. While
    // a drag runs it waits for the drag's end, to be heard once.
    if (zug_.griff == Griff::keiner) {
        ansicht_.Grafik_Beschreibung(grafik_beschreibung());
    }
    if (messwerte_offen_) {
        ansicht_.Messwerte_zeigen(messbericht());
    }
}

void GrafikKern::neu_zeichnen()
{
    ohne_meldung([this] { Form_Resize(); });
}

void GrafikKern::Form_MouseMove(float X, float Y)
{
    if (!std::isfinite(X) || !std::isfinite(Y)) {
        return;  // no scale yet
    }
    ansicht_.lbl_cursor_position_Caption(cursor_text(X, Y));
}

// ------------------------------------------------------------ parameter entry

// Steps 2 to 5 of every entry: any failure in them, a text that is no number
// included, shows the message; once it is closed the box's failure path runs.
template <class Schritte, class Fehlerpfad>
void GrafikKern::eingabe(Box box, Schritte schritte, Fehlerpfad fehlerpfad)
{
    bool fehler = false;
    try {
        const std::optional<double> x = eingabewert(box, ansicht_.Text(box));
        if (x) {
            schritte(*x);
        } else {
            fehler = true;
        }
    } catch (...) {
        fehler = true;
    }
    if (fehler) {
        ansicht_.MsgBox(uebersetzt(unfug), fehlerpfad);
    }
}

void GrafikKern::txt_X1_0_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        Box::X1_0,
        [&](double x) {
            // The glass's leftmost point (the vertex, or the rim of a
            // concave left surface) stays right of x = 2.
            const double grenze = pruefe(m.X1_0 - m.x_glas_links + 2);
            if (x <= 1000 && x > grenze) {
                m.X1_0 = x;
            } else {
                // The lens moves so that its leftmost point stands at x = 2.
                ansicht_.Text_setzen(Box::X1_0, zahl_zu_text(grenze));
                m.X1_0 = grenze;
            }
            linse_berechnen();
            Form_Resize();
        },
        [this] {
            ansicht_.Text_setzen(Box::X1_0, "25");
            Module1.X1_0 = 25;
            ohne_meldung([this] {
                linse_berechnen();
                Form_Resize();
            });
        });
}

// Both surfaces take the same radii: convex (> 0) or concave (< 0), above
// half the lens height and at most 10000 either way, or plane (0), which
// the box then shows as "∞".
void GrafikKern::radius_eingabe(Box box, double& radius)
{
    eingabe(
        box,
        [&](double x) {
            const double betrag = std::abs(x);
            if (x == 0 || (betrag <= 10000 && betrag > Module1.D1 / 2.0)) {
                radius = x == 0 ? 0.0 : x;  // no -0
                if (x == 0) {
                    ansicht_.Text_setzen(box, radius_zu_text(0));
                }
                linse_berechnen();
                Form_Resize();
            } else {
                ansicht_.Text_setzen(box, radius_zu_text(radius));
            }
        },
        [this, box] { ansicht_.Text_setzen(box, "50"); });
}

void GrafikKern::txt_R1_a_LostFocus() { radius_eingabe(Box::R1_a, Module1.R1_a); }

void GrafikKern::txt_R1_b_LostFocus() { radius_eingabe(Box::R1_b, Module1.R1_b); }

void GrafikKern::txt_n1_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        Box::n1,
        [&](double x) {
            if (x <= 20 && x >= 1) {
                m.n1 = x;
                linse_berechnen();
                Form_Resize();
            } else {
                ansicht_.Text_setzen(Box::n1, zahl_zu_text(m.n1));
            }
        },
        [this] { ansicht_.Text_setzen(Box::n1, zahl_zu_text(Module1.n1)); });
}

void GrafikKern::txt_Nmax_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        Box::Nmax,
        [&](double x) {
            if (x <= 800 && x >= 80) {
                // rint rounds halves to the even neighbour.
                m.Nmax = Integer::aus(static_cast<long long>(std::rint(x)));
                linse_berechnen();
                Form_Resize();
            } else {
                ansicht_.Text_setzen(Box::Nmax, "80");
            }
        },
        [this] { ansicht_.Text_setzen(Box::Nmax, "80"); });
}

void GrafikKern::txt_d1_plus_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        Box::d1_plus,
        [&](double x) {
            if (x <= 40 && x >= 0) {
                m.d1_plus = x;
                linse_berechnen();
                Form_Resize();
            } else {
                ansicht_.Text_setzen(Box::d1_plus, "0");
            }
        },
        [this] { ansicht_.Text_setzen(Box::d1_plus, "0"); });
}

void GrafikKern::txt_ort_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        Box::ort,
        [&](double x) {
            if (x >= 0 && x <= m.x_glas_links) {
                m.obj_ort = x;
            } else {
                ansicht_.Text_setzen(Box::ort, "0");
                m.obj_ort = 0;
            }
            Form_Resize();
        },
        [this] {
            ansicht_.Text_setzen(Box::ort, "0");
            Module1.obj_ort = 0;
            neu_zeichnen();
        });
}

void GrafikKern::txt_hoehe_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        Box::hoehe,
        [&](double x) {
            if (x <= 19 && x >= 0) {
                m.obj_h = x;
            } else {
                ansicht_.Text_setzen(Box::hoehe, "10");
                m.obj_h = 10;
            }
            Form_Resize();
        },
        [this] {
            ansicht_.Text_setzen(Box::hoehe, "10");
            Module1.obj_h = 10;
            neu_zeichnen();
        });
}

void GrafikKern::LostFocus(Box box)
{
    switch (box) {
    case Box::X1_0: txt_X1_0_LostFocus(); break;
    case Box::R1_a: txt_R1_a_LostFocus(); break;
    case Box::R1_b: txt_R1_b_LostFocus(); break;
    case Box::n1: txt_n1_LostFocus(); break;
    case Box::Nmax: txt_Nmax_LostFocus(); break;
    case Box::d1_plus: txt_d1_plus_LostFocus(); break;
    case Box::ort: txt_ort_LostFocus(); break;
    case Box::hoehe: txt_hoehe_LostFocus(); break;
    }
}

// ------------------------------------------------- mode switches and commands

void GrafikKern::opt_abbildung_Click()
{
    ansicht_.txt_ort_Visible(true);
    ansicht_.txt_hoehe_Visible(true);
    ansicht_.lbl_objekt_Visible(true);
    neu_zeichnen();
}

void GrafikKern::opt_fokus_Click()
{
    ansicht_.txt_ort_Visible(false);
    ansicht_.txt_hoehe_Visible(false);
    ansicht_.lbl_objekt_Visible(false);
    neu_zeichnen();
}

void GrafikKern::chk_licht_Click()
{
    neu_zeichnen();
}

void GrafikKern::mnu_copy_Click()
{
    // A failed copy never claims success.
    ansicht_.Clipboard_Bild([this](bool angekommen) {
        ansicht_.MsgBox(uebersetzt(angekommen ? kopiert : nicht_kopiert), {});
    });
}

void GrafikKern::mnu_Ende_Click()
{
    ansicht_.End();
}

void GrafikKern::mnu_info_Click()
{
    ansicht_.frm_info_Show();
}

void GrafikKern::mnu_messwerte_Click()
{
    ansicht_.frm_messwerte_Show();
    messwerte_offen_ = true;
    // The values of the picture on the screen, until the next redraw.
    ansicht_.Messwerte_zeigen(messbericht());
}

void GrafikKern::frm_messwerte_Unload()
{
    messwerte_offen_ = false;
}

void GrafikKern::cmd_messwerte_kopieren_Click()
{
    ansicht_.Clipboard_Text(messbericht().text(), [this](bool angekommen) {
        ansicht_.MsgBox(uebersetzt(angekommen ? werte_kopiert : werte_nicht_kopiert), {});
    });
}

void GrafikKern::link_kopiert(bool angekommen)
{
    ansicht_.MsgBox(uebersetzt(angekommen ? link_in_ablage : link_nicht_in_ablage), {});
}
