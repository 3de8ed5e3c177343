#include "form/messwerte.h"

#include "form/zahltext.h"

#include "lens/flaeche.h"
#include "lens/sprache.h"
#include "render/messung.h"

#include <utility>

namespace {

using Zeile = std::vector<Messzelle>;

// The headings of a group of values, in the language in use.
std::vector<std::string> kopf_werte()
{
    return {uebersetzt("Größe"), uebersetzt("Zeichen"), uebersetzt("Wert")};
}

Messzelle zahl(double w)
{
    return {zahl_zwei_stellen(w), w};
}

Messzelle text(std::string t)
{
    return {std::move(t)};
}

// A value that can be infinite (the image of an object at F).
Messzelle zahl_oder_unendlich(double w)
{
    return std::isfinite(w) ? zahl(w) : text(uebersetzt("unendlich"));
}

// A value that an afocal lens or a plane surface does not have (NaN), or
// has at infinity.
Messzelle zahl_oder_keine(double w)
{
    if (std::isnan(w)) {
        return text("\u2013");
    }
    return std::isfinite(w) ? zahl(w) : text(w > 0 ? "\u221e" : "\u2212\u221e");
}

// A radius, "∞" for a plane surface.
Messzelle radius(double r)
{
    return r == 0 ? text("\u221e") : zahl(r);
}

// Rows are moved into their group, never copied: the window follows every
// redraw, and the values must cost the redraw next to nothing.
template <class... Zellen>
Zeile zeile(Zellen&&... zellen)
{
    Zeile z;
    z.reserve(sizeof...(zellen));
    (z.push_back(std::forward<Zellen>(zellen)), ...);
    return z;
}

template <class... Zeilen>
std::vector<Zeile> zeilen(Zeilen&&... z)
{
    std::vector<Zeile> v;
    v.reserve(sizeof...(z));
    (v.push_back(std::forward<Zeilen>(z)), ...);
    return v;
}

// A row: its name (marked with N_, shown in the language in use), its sign
// (a letter as in the drawing, the same in every language) and its value.
Zeile wert(const char* name, const char* zeichen, Messzelle w)
{
    return zeile(text(uebersetzt(name)), text(zeichen), std::move(w));
}

Zeile wert(const char* name, const char* zeichen, double w)
{
    return wert(name, zeichen, zahl(w));
}

Messgruppe linse(const Module1_t& m)
{
    return {uebersetzt("Linse"),
            kopf_werte(),
            zeilen(wert(N_("Form"), "", text(linsenform(m.R1_a, m.R1_b))),
                   wert(N_("Krümmungsradius links"), "r1", radius(m.R1_a)),
                   wert(N_("Krümmungsradius rechts"), "r2", radius(m.R1_b)), wert(N_("Brechzahl"), "n", m.n1),
                   wert(N_("Mittendicke"), "d", m.d1), wert(N_("Randdicke"), "d_R", m.d_rand),
                   wert(N_("Scheitel links"), "x_S1", m.S1), wert(N_("Scheitel rechts"), "x_S2", m.S2),
                   wert(N_("Mittelpunkt der linken Kugelfläche"), "x_M1", zahl_oder_keine(m.M1)),
                   wert(N_("Mittelpunkt der rechten Kugelfläche"), "x_M2", zahl_oder_keine(m.M2)))};
}

Messgruppe dicke_linse(const Module1_t& m)
{
    // F' stands one focal length behind H'; an afocal lens has neither.
    const bool afokal = std::isnan(m.xH2);
    const double f = afokal ? INFINITY : m.xF2 - m.xH2;
    const char* wirkung =
        afokal ? N_("afokal (parallel bleibt parallel)") : f < 0 ? N_("zerstreuend") : N_("sammelnd");
    return {uebersetzt("Dicke Linse"),
            kopf_werte(),
            zeilen(wert(N_("Brennweite"), "f_dick", zahl_oder_keine(f)),
                   wert(N_("Wirkung"), "", text(uebersetzt(wirkung))),
                   wert(N_("Hauptebene H"), "x_H", zahl_oder_keine(m.xH1)),
                   wert(N_("Hauptebene H'"), "x_H'", zahl_oder_keine(m.xH2)),
                   wert(N_("Brennpunkt F"), "x_F", zahl_oder_keine(m.xF1)),
                   wert(N_("Brennpunkt F'"), "x_F'", zahl_oder_keine(m.xF2)),
                   wert(N_("Scheitel links bis H"), "SH", zahl_oder_keine(m.h1)),
                   wert(N_("H' bis Scheitel rechts"), "S'H'", zahl_oder_keine(m.h2)),
                   wert(N_("Vordere Schnittweite (F bis S1)"), "s_F", zahl_oder_keine(m.S1 - m.xF1)),
                   wert(N_("Hintere Schnittweite (S2 bis F')"), "s'_F'", zahl_oder_keine(m.xF2 - m.S2)))};
}

Messgruppe duenne_linse(const Module1_t& m)
{
    return {uebersetzt("Dünne Linse"),
            kopf_werte(),
            zeilen(wert(N_("Brennweite"), "f", zahl_oder_keine(m.f_duenn)),
                   wert(N_("Brennpunkt F"), "x_F", zahl_oder_keine(m.xF1_duenn)),
                   wert(N_("Brennpunkt F'"), "x_F'", zahl_oder_keine(m.xF2_duenn)))};
}

// Real when the rays leaving the lens meet behind it, virtual otherwise;
// upright or inverted by the sign of the magnification, so that the words
// never contradict beta. In the language in use.
const char* bildart(const Messung_t& s)
{
    if (!std::isfinite(s.bild_ort)) {
        return uebersetzt("im Unendlichen");
    }
    if (s.virtuell) {
        return s.beta < 0 ? uebersetzt("virtuell, umgekehrt") : uebersetzt("virtuell, aufrecht");
    }
    return s.beta < 0 ? uebersetzt("reell, umgekehrt") : uebersetzt("reell, aufrecht");
}

Messgruppe abbildung(const Messung_t& s)
{
    return {uebersetzt("Abbildung"),
            kopf_werte(),
            zeilen(wert(N_("Gegenstandsweite (von H)"), "g", zahl_oder_keine(s.g)),
                   wert(N_("Bildweite (von H')"), "b",
                        std::isfinite(s.bild_ort) ? zahl_oder_keine(s.b) : text(uebersetzt("unendlich"))),
                   wert(N_("Ort des Bildes"), "x_B", zahl_oder_unendlich(s.bild_ort)),
                   wert(N_("Höhe des Bildes"), "y_B", zahl_oder_unendlich(s.bild_h)),
                   wert(N_("Abbildungsmaßstab"), "β", zahl_oder_unendlich(s.beta)),
                   wert(N_("Bild"), "", text(bildart(s))))};
}

// A ray that ends before it can be measured: where, and why.
Messzelle ende(const Strahlverlauf& v)
{
    return std::isfinite(v.x_totalreflexion)
               ? text(uebersetzt("Totalreflexion bei x = %1", {zahl_zwei_stellen(v.x_totalreflexion)}))
               : text(uebersetzt("Linsenrand bei x = %1", {zahl_zwei_stellen(v.x_linsenrand)}));
}

Messgruppe fokusstrahlen(const Messung_t& s)
{
    Messgruppe g{uebersetzt("Strahlen"),
                 {uebersetzt("Starthöhe y0"), uebersetzt("Achsenschnitt x"), "x − x_F'"},
                 {}};
    for (const Strahlverlauf& v : s.strahlen) {
        if (std::isfinite(v.x_totalreflexion) || std::isfinite(v.x_linsenrand)) {
            g.zeilen.push_back(zeile(zahl(v.y0), ende(v), text("")));
        } else if (std::isfinite(v.x_achse)) {
            g.zeilen.push_back(zeile(zahl(v.y0), zahl(v.x_achse), zahl(v.x_achse - s.szene.xF2)));
        } else {
            const std::string bis = zahl_zwei_stellen(double(s.szene.Nmax));
            g.zeilen.push_back(
                zeile(zahl(v.y0), text(uebersetzt("kein Achsenschnitt bis x = %1", {bis})), text("")));
        }
    }
    return g;
}

Messgruppe faecherstrahlen(const Messung_t& s)
{
    Messgruppe g{uebersetzt("Strahlen"),
                 {uebersetzt("Startanstieg dy/dx"), uebersetzt("Höhe in der Bildebene"),
                  uebersetzt("Abstand zur Bildspitze")},
                 {}};
    for (const Strahlverlauf& v : s.strahlen) {
        // The tracer's rise is per step of x, dx.
        Zeile z = zeile(zahl(v.dy0 / s.szene.dx));
        z.reserve(3);
        if (std::isfinite(v.x_totalreflexion) || std::isfinite(v.x_linsenrand)) {
            z.push_back(ende(v));
            z.push_back(text(""));
        } else if (!std::isfinite(s.bild_ort)) {
            z.push_back(text(uebersetzt("Bild im Unendlichen")));
            z.push_back(text(""));
        } else if (s.virtuell) {
            z.push_back(text(uebersetzt("kein reelles Bild")));
            z.push_back(text(""));
        } else if (!std::isfinite(v.y_ebene)) {
            z.push_back(text(uebersetzt("Bildebene (x = %1) nicht erreicht", {zahl_zwei_stellen(s.bild_ort)})));
            z.push_back(text(""));
        } else {
            z.push_back(zahl(v.y_ebene));
            z.push_back(zahl(v.y_ebene - s.bild_h));
        }
        g.zeilen.push_back(std::move(z));
    }
    return g;
}

}  // namespace

Messbericht messbericht()
{
    const Messung_t& s = Messung;
    Messbericht r;
    switch (s.stand) {
    case Messung_t::Stand::abgebrochen:
        r.hinweis = uebersetzt("Keine Messwerte: die Szene lässt sich mit diesen Werten nicht zeichnen.");
        return r;
    case Messung_t::Stand::nicht_gezeichnet:
        r.hinweis = uebersetzt("Keine Messwerte: das Fenster ist minimiert oder zu klein, es ist nichts gezeichnet.");
        return r;
    case Messung_t::Stand::gezeichnet:
        break;
    }
    r.gruppen.reserve(5);
    r.gruppen.push_back(linse(s.szene));
    r.gruppen.push_back(dicke_linse(s.szene));
    r.gruppen.push_back(duenne_linse(s.szene));
    if (s.abbildung) {
        r.gruppen.push_back(abbildung(s));
        if (s.licht) {
            r.gruppen.push_back(faecherstrahlen(s));
        }
    } else if (s.fokus && s.licht) {
        r.gruppen.push_back(fokusstrahlen(s));
        r.mit_kennlinie = true;
        r.kennlinie.xF2 = s.szene.xF2;
        for (const Strahlverlauf& v : s.strahlen) {
            if (std::isfinite(v.x_achse) && !std::isfinite(v.x_totalreflexion) && !std::isfinite(v.x_linsenrand)) {
                r.kennlinie.punkte.push_back({v.x_achse, v.y0});
            }
        }
    }
    return r;
}

std::string Messbericht::text() const
{
    if (!hinweis.empty()) {
        return hinweis + "\n";
    }
    std::string t;
    const auto zeile = [&t](const auto& zellen, auto zelltext) {
        for (size_t i = 0; i < zellen.size(); ++i) {
            if (i > 0) {
                t += '\t';
            }
            t += zelltext(zellen[i]);
        }
        t += '\n';
    };
    for (size_t i = 0; i < gruppen.size(); ++i) {
        if (i > 0) {
            t += '\n';
        }
        t += gruppen[i].titel + '\n';
        zeile(gruppen[i].kopf, [](const std::string& k) -> const std::string& { return k; });
        for (const auto& z : gruppen[i].zeilen) {
            zeile(z, [](const Messzelle& c) -> const std::string& { return c.text; });
        }
    }
    return t;
}
