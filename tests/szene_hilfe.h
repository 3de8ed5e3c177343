#pragma once
// Stand-ins for the redraw tests: a form around a recording surface, and a
// surface that also notes the tracer state at every point it is given.

#include "lens/module1.h"
#include "lens/sprache.h"
#include "render/aufzeichnung.h"
#include "render/formular.h"
#include "render/szene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

class TestFormular : public Formular {
public:
    Aufzeichnung bild;
    Flag fokus = True;
    Flag abbildung = False;
    int licht = 0;
    bool virtuell = true;          // start shown, so hiding is observable
    std::vector<bool> virtuell_gesetzt;
    std::vector<size_t> virtuell_bei;  // number of calls recorded at each change

    Zeichenflaeche& flaeche() override { return bild; }
    Flag opt_fokus_Value() const override { return fokus; }
    Flag opt_abbildung_Value() const override { return abbildung; }
    int chk_licht_Value() const override { return licht; }
    void lbl_virtuell_Visible(bool sichtbar) override
    {
        virtuell = sichtbar;
        virtuell_gesetzt.push_back(sichtbar);
        virtuell_bei.push_back(dynamic_cast<Aufzeichnung&>(flaeche()).aufrufe.size());
    }

    std::vector<Aufruf> alle(Aufruf::Art art) const
    {
        std::vector<Aufruf> r;
        std::copy_if(bild.aufrufe.begin(), bild.aufrufe.end(), std::back_inserter(r),
                     [art](const Aufruf& a) { return a.art == art; });
        return r;
    }
    std::vector<Aufruf> linien(Farbe farbe) const
    {
        std::vector<Aufruf> r;
        for (const Aufruf& a : bild.aufrufe) {
            if (a.art == Aufruf::Line && a.farbe == farbe) {
                r.push_back(a);
            }
        }
        return r;
    }
};

// The tracer state at one drawn point: ys and dy after the advance.
struct Punkt {
    double x, y;
    Farbe farbe;
    double xs, ys, dy;
    Flag im_glas, hinter_linse, gebrochen_1, gebrochen_2;
};

class Mitschnitt : public Aufzeichnung {
public:
    std::vector<Punkt> punkte;
    void PSet(double x, double y, Farbe farbe) override
    {
        const Module1_t& m = Module1;
        punkte.push_back({x, y, farbe, m.xs, m.ys, m.dy, m.im_glas, m.hinter_linse, m.gebrochen_1, m.gebrochen_2});
        Aufzeichnung::PSet(x, y, farbe);
    }
};

// The points of the traced rays, without the start points of the lens outline.
inline std::vector<Punkt> ohne_umriss(const std::vector<Punkt>& punkte)
{
    std::vector<Punkt> r;
    std::copy_if(punkte.begin(), punkte.end(), std::back_inserter(r),
                 [](const Punkt& p) { return p.farbe != farbe::gelb; });
    return r;
}

// The rays of a recording, split where x starts again from the left.
inline std::vector<std::vector<Punkt>> strahlen(const std::vector<Punkt>& punkte)
{
    std::vector<std::vector<Punkt>> r;
    for (const Punkt& p : punkte) {
        if (r.empty() || p.x < r.back().back().x) {
            r.emplace_back();
        }
        r.back().push_back(p);
    }
    return r;
}

// Index of the last call of the lens outline and of the first point of a ray
// (the size of the recording when there is none).
inline size_t letzter_umrissaufruf(const std::vector<Aufruf>& a)
{
    size_t letzter = a.size();
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].farbe == farbe::gelb) {
            letzter = i;
        }
    }
    return letzter;
}
inline size_t erster_strahlpunkt(const std::vector<Aufruf>& a)
{
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].art == Aufruf::PSet && (a[i].farbe == farbe::rot || a[i].farbe == farbe::dunkelrot)) {
            return i;
        }
    }
    return a.size();
}

class Szene : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module1 = Module1_t{};
        startwerte_setzen();
    }
    // A test that speaks another language leaves German behind for the next.
    ~Szene() override { sprache::waehlen("de"); }
    Module1_t& m = Module1;
};
