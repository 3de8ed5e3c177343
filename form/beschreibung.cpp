#include "form/beschreibung.h"

#include "form/zahltext.h"
#include "lens/flaeche.h"
#include "lens/sprache.h"
#include "render/messung.h"

#include <cmath>

// Each sentence is one text of the catalogue, so that a translation can put
// its words in its own order; the sentences follow each other with a blank.
std::string grafik_beschreibung()
{
    const Messung_t& g = Messung;
    if (g.stand == Messung_t::Stand::nicht_gezeichnet) {
        return uebersetzt("Keine Grafik: die Zeichenfl\u00e4che ist zu klein.");
    }
    if (g.stand == Messung_t::Stand::abgebrochen) {
        return uebersetzt("Die Szene l\u00e4sst sich mit diesen Werten nicht ganz zeichnen.");
    }
    const Module1_t& m = g.szene;
    std::string text = g.abbildung ? uebersetzt("Abbildung.") : uebersetzt("Fokus.");
    text += " " + uebersetzt("Linse %1.", {linsenform(m.R1_a, m.R1_b)});
    if (std::isfinite(m.xF1) && std::isfinite(m.xF2)) {
        text += " " + uebersetzt("Brennpunkte der dicken Linse: F bei x = %1, F' bei x = %2.",
                                 {zahl_eine_stelle(m.xF1), zahl_eine_stelle(m.xF2)});
    } else {
        text += " ";
        text += uebersetzt("Die Linse ist afokal: sie hat keine Brennpunkte.");
    }
    if (g.abbildung) {
        text += " " + uebersetzt("Gegenstand bei x = %1, H\u00f6he %2.",
                                 {zahl_eine_stelle(m.obj_ort), zahl_eine_stelle(m.obj_h)});
        if (!std::isfinite(g.bild_ort)) {
            text += " ";
            text += uebersetzt("Das Bild liegt im Unendlichen: der Gegenstand steht im Brennpunkt F.");
        } else {
            // The image stands where the lens equation puts it, which may be
            // past either end of the drawing.
            const bool ausserhalb = g.bild_ort > double(m.Nmax) || g.bild_ort < 0;
            const std::string x = zahl_eine_stelle(g.bild_ort);
            text += " ";
            if (g.virtuell) {
                text += ausserhalb ? uebersetzt("Virtuelles Bild bei x = %1, au\u00dferhalb der Grafik.", {x})
                                   : uebersetzt("Virtuelles Bild bei x = %1.", {x});
            } else {
                text += ausserhalb ? uebersetzt("Bild bei x = %1, au\u00dferhalb der Grafik.", {x})
                                   : uebersetzt("Bild bei x = %1.", {x});
            }
        }
    }
    const std::size_t n = g.strahlen.size();
    text += " ";
    if (n == 0) {
        text += uebersetzt("Keine Lichtstrahlen gezeichnet.");
    } else if (n == 1) {
        text += uebersetzt("1 Lichtstrahl gezeichnet.");
    } else {
        text += uebersetzt("%1 Lichtstrahlen gezeichnet.", {std::to_string(n)});
    }
    return text;
}
