#include "form/szenenoptionen.h"

#include "form/entwurf.h"
#include "form/grafik_kern.h"
#include "form/zahltext.h"
#include "lens/sprache.h"
#include "render/messung.h"

#include <optional>

const Szenenoption szenenoptionen[szenenoption_anzahl] = {
    {"ort", Box::X1_0, N_("Linse: Ort, x der Linsenmitte")},
    {"r1", Box::R1_a, N_("r 1, Kr\u00fcmmungsradius links")},
    {"r2", Box::R1_b, N_("r 2, Kr\u00fcmmungsradius rechts")},
    {"n", Box::n1, N_("n, Brechzahl")},
    {"max-x", Box::Nmax, N_("max x, rechtes Ende des Bereichs")},
    {"dicke", Box::d1_plus, N_("Dicke +, zus\u00e4tzliche Dicke")},
    {"objekt-ort", Box::ort, N_("Objekt: Ort, x des Gegenstands")},
    {"objekt-hoehe", Box::hoehe, N_("Objekt: H\u00f6he, H\u00f6he des Gegenstands")},
};

const Szenenoption& szenenoption(Box box)
{
    for (const Szenenoption& o : szenenoptionen) {
        if (o.box == box) {
            return o;
        }
    }
    return szenenoptionen[0];
}

namespace {

int hexwert(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A stray '%' that starts no escape stays as it is, as browsers read it.
std::string entschluesseln(std::string_view s)
{
    std::string aus;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '+') {
            aus += ' ';
        } else if (s[i] == '%' && i + 2 < s.size() && hexwert(s[i + 1]) >= 0 && hexwert(s[i + 2]) >= 0) {
            aus += static_cast<char>(hexwert(s[i + 1]) * 16 + hexwert(s[i + 2]));
            i += 2;
        } else {
            aus += s[i];
        }
    }
    return aus;
}

std::string verschluesseln(std::string_view s)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string aus;
    for (char c : s) {
        const bool frei = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
                          c == '.' || c == '_' || c == '~' || c == ',';
        if (frei) {
            aus += c;
        } else {
            const auto b = static_cast<unsigned char>(c);
            aus += '%';
            aus += hex[b >> 4];
            aus += hex[b & 15];
        }
    }
    return aus;
}

}  // namespace

Szenenangabe szene_aus_adresse(std::string_view abfrage)
{
    if (!abfrage.empty() && abfrage.front() == '?') {
        abfrage.remove_prefix(1);
    }
    std::optional<std::string> texte[box_anzahl];
    Szenenangabe szene;
    while (!abfrage.empty()) {
        const std::size_t ende = abfrage.find('&');
        const std::string_view paar = abfrage.substr(0, ende);
        abfrage = ende == std::string_view::npos ? std::string_view() : abfrage.substr(ende + 1);
        const std::size_t gleich = paar.find('=');
        const std::string name = entschluesseln(paar.substr(0, gleich));
        const std::string text = gleich == std::string_view::npos ? std::string() : entschluesseln(paar.substr(gleich + 1));
        if (name == option_abbildung) {
            szene.abbildung = true;
        } else if (name == option_strahlen) {
            szene.strahlen = true;
        } else if (name == option_projektor) {
            szene.projektor = true;
        } else if (name == option_sprache) {
            szene.sprache = text;
        }
        for (const Szenenoption& o : szenenoptionen) {
            if (name == o.name) {
                texte[static_cast<int>(o.box)] = text;
            }
        }
    }
    for (Box box : uebernahme_reihenfolge) {
        if (const std::optional<std::string>& t = texte[static_cast<int>(box)]) {
            szene.werte.push_back({box, *t, szenenoption(box).name});
        }
    }
    return szene;
}

namespace {

// The input of the scene that a box sets.
double eingabe_in(const Module1_t& m, Box box)
{
    switch (box) {
    case Box::X1_0: return m.X1_0;
    case Box::R1_a: return m.R1_a;
    case Box::R1_b: return m.R1_b;
    case Box::n1: return m.n1;
    case Box::Nmax: return m.Nmax;
    case Box::d1_plus: return m.d1_plus;
    case Box::ort: return m.obj_ort;
    case Box::hoehe: return m.obj_h;
    }
    return 0;
}

}  // namespace

std::string szene_als_adresse(const Ansicht& ansicht, bool projektor, std::string_view sprache)
{
    std::string abfrage;
    const auto anhaengen = [&abfrage](const std::string& teil) {
        abfrage += abfrage.empty() ? "" : "&";
        abfrage += teil;
    };
    // Before the first lens calculation the picture shows the start scene.
    const Module1_t& m = Messung.szene;
    for (const Szenenoption& o : szenenoptionen) {
        const double wert = eingabe_in(m, o.box);
        if (m.D1 == Integer(0) || wert == eingabewert(o.box, entwurf::box(o.box).text)) {
            continue;
        }
        const bool radius = o.box == Box::R1_a || o.box == Box::R1_b;
        const std::string text = radius && wert == 0 ? "unendlich" : zahl_zu_text(wert);
        anhaengen(std::string(o.name) + "=" + verschluesseln(text));
    }
    if (ansicht.opt_abbildung_Value() == True) {
        anhaengen(option_abbildung);
    }
    if (ansicht.chk_licht_Value() == 1) {
        anhaengen(option_strahlen);
    }
    if (projektor) {
        anhaengen(option_projektor);
    }
    if (!sprache.empty()) {
        anhaengen(std::string(option_sprache) + "=" + verschluesseln(sprache));
    }
    return abfrage;
}

void szene_uebernehmen(const Szenenangabe& szene, Ansicht& ansicht, GrafikKern& kern,
                       const Szenenschalter& schalter, const std::function<bool(std::size_t)>& weiter)
{
    // A click on the selected button changes nothing, and neither does this.
    if (szene.abbildung && ansicht.opt_abbildung_Value() != True) {
        schalter.abbildung_waehlen();
    } else if (!szene.abbildung && ansicht.opt_fokus_Value() != True) {
        schalter.fokus_waehlen();
    }
    const int licht = ansicht.chk_licht_Value();
    if (szene.strahlen && licht != 1) {
        schalter.strahlen_einschalten();
    } else if (!szene.strahlen && licht != 0) {
        schalter.strahlen_ausschalten();
    }
    for (std::size_t i = 0; i < szene.werte.size(); ++i) {
        const Szenenangabe::Wert& w = szene.werte[i];
        ansicht.Text_setzen(w.box, w.text);
        kern.LostFocus(w.box);
        if (weiter && !weiter(i)) {
            return;
        }
    }
}
