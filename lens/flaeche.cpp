#include "flaeche.h"

#include "sprache.h"

Flaeche linke_flaeche(const Module1_t& m)
{
    return {m.S1, m.M1, m.R1_a, true};
}

Flaeche rechte_flaeche(const Module1_t& m)
{
    return {m.S2, m.M2, m.R1_b, false};
}

Glas::Glas(const Module1_t& m) : links(linke_flaeche(m)), rechts(rechte_flaeche(m)), rand(double(m.D1) * 0.5) {}

const char* linsenform(double r1, double r2)
{
    const auto art = [](double r) { return r > 0 ? 1 : r < 0 ? -1 : 0; };
    const int a = art(r1), b = art(r2);
    if (a == 0 && b == 0) {
        return uebersetzt("planparallel");
    }
    if (a * b < 0) {
        return uebersetzt("konvex-konkav (Meniskus)");
    }
    if (a + b == 2) {
        return uebersetzt("bikonvex");
    }
    if (a + b == -2) {
        return uebersetzt("bikonkav");
    }
    return a + b > 0 ? uebersetzt("plankonvex") : uebersetzt("plankonkav");
}
