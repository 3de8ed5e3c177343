#include "form/beschreibung.h"

#include "form/zahltext.h"
#include "lens/module1.h"
#include "render/szene.h"

std::string grafik_beschreibung(const Formular& form)
{
    if (!gezeichnet.grafik) {
        return "Keine Grafik: die Zeichenfl\u00e4che ist zu klein.";
    }
    const Module1_t& m = Module1;
    const bool abbildung = form.opt_abbildung_Value() == True;
    std::string text = abbildung ? "Abbildung." : "Fokus.";
    text += " Brennpunkte der dicken Linse: F bei x = " + zahl_eine_stelle(m.xF1) + ", F' bei x = " +
            zahl_eine_stelle(m.xF2) + ".";
    if (abbildung) {
        text += " Gegenstand bei x = " + zahl_eine_stelle(m.obj_ort) + ", H\u00f6he " + zahl_eine_stelle(m.obj_h) + ".";
        if (gezeichnet.virtuell) {
            text += " Virtuelles Bild.";
        } else if (gezeichnet.bild) {
            text += " Bild bei x = " + zahl_eine_stelle(gezeichnet.bild_ort);
            // The image stands where the lens equation puts it, which may be
            // past either end of the drawing.
            if (gezeichnet.bild_ort > double(m.Nmax) || gezeichnet.bild_ort < 0) {
                text += ", au\u00dferhalb der Grafik";
            }
            text += ".";
        }
    }
    const int n = gezeichnet.strahlen;
    if (n == 0) {
        text += " Keine Lichtstrahlen gezeichnet.";
    } else {
        text += " " + std::to_string(n) + (n == 1 ? " Lichtstrahl" : " Lichtstrahlen") + " gezeichnet.";
    }
    return text;
}
