#include "module1.h"

Module1_t Module1;

double f_dick()
{
    const Module1_t& m = Module1;
    // The thickness term is subtracted, with the very denominator of h1 and
    // h2: f = n r1 r2 / ((n - 1) (n (r1 + r2) - (n - 1) d)).
    return pruefe(m.n1 * m.R1_a * m.R1_b /
                  pruefe(((m.R1_b + m.R1_a) * m.n1 - (m.n1 - 1) * m.d1) * (m.n1 - 1)));
}

void linse_berechnen()
{
    Module1_t& m = Module1;
    const double D1 = m.D1;
    fp_status_loeschen();

    m.s1 = Sqr(m.R1_a * m.R1_a - D1 * D1 * 0.25);
    pruefe(m.s1);
    m.M1_0 = m.X1_0 + m.s1;
    pruefe(m.M1_0);
    m.s2 = Sqr(m.R1_b * m.R1_b - D1 * D1 * 0.25);
    pruefe(m.s2);
    m.M2_0 = m.X1_0 - m.s2;
    pruefe(m.M2_0);
    m.M1 = m.M1_0 - 0.5 * m.d1_plus;
    pruefe(m.M1);
    m.M2 = m.M2_0 + 0.5 * m.d1_plus;
    pruefe(m.M2);
    m.S2 = m.M2 + m.R1_b;
    pruefe(m.S2);
    m.S1 = m.M1 - m.R1_a;
    pruefe(m.S1);
    m.d1 = m.S2 - m.S1;
    pruefe(m.d1);
    m.h2 = m.d1 * m.R1_b / ((m.R1_b + m.R1_a) * m.n1 - (m.n1 - 1) * m.d1);
    pruefe(m.h2);
    m.h1 = m.d1 * m.R1_a / ((m.R1_a + m.R1_b) * m.n1 - (m.n1 - 1) * m.d1);
    pruefe(m.h1);
    m.xH2 = m.S2 - m.h2;
    pruefe(m.xH2);
    m.xH1 = m.h1 + m.S1;
    pruefe(m.xH1);
    m.f_duenn = (1 / (m.n1 - 1)) / (1 / m.R1_b + 1 / m.R1_a);
    pruefe(m.f_duenn);
    m.xF2_duenn = m.f_duenn + m.X1_0;
    pruefe(m.xF2_duenn);
    m.xF1_duenn = m.X1_0 - m.f_duenn;
    pruefe(m.xF1_duenn);
    // The focal points stand one focal length from their principal planes,
    // however thick the lens; negative for a diverging thick lens.
    const double f = f_dick();
    m.xF2 = m.xH2 + f;
    pruefe(m.xF2);
    m.xF1 = m.xH1 - f;
    pruefe(m.xF1);
}

void startwerte_setzen()
{
    Module1_t& m = Module1;
    m.Nmax = 150;
    m.D1 = 40;
    m.obj_h = 10;
    m.X1_0 = 50;
    m.d1_plus = 0;
    m.R1_a = 30;
    m.R1_b = 35;
    m.n1 = 1.5;
    linse_berechnen();
}
