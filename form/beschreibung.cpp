#include "form/beschreibung.h"

#include "form/zahltext.h"
#include "lens/flaeche.h"
#include "render/messung.h"

#include <cmath>

std::string grafik_beschreibung()
{
    const Messung_t& g = Messung;
    if (g.stand == Messung_t::Stand::nicht_gezeichnet) {
        return "Keine Grafik: die Zeichenfl\u00e4che ist zu klein.";
    }
    if (g.stand == Messung_t::Stand::abgebrochen) {
        return "Die Szene l\u00e4sst sich mit diesen Werten nicht ganz zeichnen.";
    }
    const Module1_t& m = g.szene;
    std::string text = g.abbildung ? "Abbildung." : "Fokus.";
    text += std::string(" Linse ") + linsenform(m.R1_a, m.R1_b) + ".";
    if (std::isfinite(m.xF1) && std::isfinite(m.xF2)) {
        text += " Brennpunkte der dicken Linse: F bei x = " + zahl_eine_stelle(m.xF1) + ", F' bei x = " +
                zahl_eine_stelle(m.xF2) + ".";
    } else {
        text += " Die Linse ist afokal: sie hat keine Brennpunkte.";
    }
    if (g.abbildung) {
        text += " Gegenstand bei x = " + zahl_eine_stelle(m.obj_ort) + ", H\u00f6he " + zahl_eine_stelle(m.obj_h) + ".";
        if (!std::isfinite(g.bild_ort)) {
            text += " Das Bild liegt im Unendlichen: der Gegenstand steht im Brennpunkt F.";
        } else {
            text += (g.virtuell ? " Virtuelles Bild bei x = " : " Bild bei x = ") + zahl_eine_stelle(g.bild_ort);
            // The image stands where the lens equation puts it, which may be
            // past either end of the drawing.
            if (g.bild_ort > double(m.Nmax) || g.bild_ort < 0) {
                text += ", au\u00dferhalb der Grafik";
            }
            text += ".";
        }
    }
    const std::size_t n = g.strahlen.size();
    if (n == 0) {
        text += " Keine Lichtstrahlen gezeichnet.";
    } else {
        text += " " + std::to_string(n) + (n == 1 ? " Lichtstrahl" : " Lichtstrahlen") + " gezeichnet.";
    }
    return text;
}
