// The ray march and the refraction at the two lens surfaces, and the
// parallel beam of the focus mode.

#include "szene_hilfe.h"

#include "exakter_strahl.h"
#include "lens/flaeche.h"

#include <random>

#include <cmath>

namespace {

using Tracer = Szene;

const Punkt* erster(const std::vector<Punkt>& p, bool (*bedingung)(const Punkt&), size_t ab = 0)
{
    for (size_t i = ab; i < p.size(); ++i) {
        if (bedingung(p[i])) {
            return &p[i];
        }
    }
    return nullptr;
}

TEST_F(Tracer, FlacherStrahlWirdZweimalZurAchseGebrochen)
{
    Mitschnitt s;
    strahl_verfolgen(s, 0, 3, 0, false);
    ASSERT_FALSE(s.punkte.empty());
    EXPECT_EQ(s.DrawWidth, 1);

    // Straight and red up to the lens.
    EXPECT_EQ(s.punkte[0].x, 0);
    EXPECT_EQ(s.punkte[0].y, 3);
    EXPECT_EQ(s.punkte[0].farbe, farbe::rot);

    const Punkt* ein = erster(s.punkte, [](const Punkt& p) { return p.farbe == farbe::dunkelrot; });
    ASSERT_NE(ein, nullptr);
    EXPECT_NEAR(ein->x, 42.55, 1e-6);
    EXPECT_NEAR(ein->dy, -0.0016754, 5e-8);
    EXPECT_TRUE(ein->gebrochen_1);
    EXPECT_FALSE(ein->gebrochen_2);
    EXPECT_EQ((ein - 1)->y, 3);  // parallel until the entry

    const Punkt* aus = erster(s.punkte, [](const Punkt& p) { return p.hinter_linse == True; });
    ASSERT_NE(aus, nullptr);
    EXPECT_EQ(aus->farbe, farbe::rot);
    EXPECT_EQ((aus - 1)->farbe, farbe::dunkelrot);
    EXPECT_NEAR(aus->x, 56.20, 1e-6);
    EXPECT_NEAR(aus->ys - aus->dy, 2.5426, 5e-5);  // the point the exit test saw
    EXPECT_NEAR(aus->dy, -0.0043590, 5e-8);
    EXPECT_TRUE(aus->gebrochen_2);

    // Behind the lens the ray is straight to Nmax.
    EXPECT_EQ(m.dy, aus->dy);
    EXPECT_NEAR(s.punkte.back().x, 150, 1e-6);
    EXPECT_EQ(s.punkte.size(), 3001u);
    EXPECT_EQ(m.totalreflexion, False);
    EXPECT_EQ(m.dx, 0.05);
}

TEST_F(Tracer, SteilerStrahlEndetInTotalreflexion)
{
    Mitschnitt s;
    strahl_verfolgen(s, 0, 18, 0, false);
    const Punkt* ein = erster(s.punkte, [](const Punkt& p) { return p.farbe == farbe::dunkelrot; });
    ASSERT_NE(ein, nullptr);
    EXPECT_NEAR(ein->x, 48.40, 1e-6);
    EXPECT_NEAR(ein->dy, -0.0118293, 5e-8);

    EXPECT_EQ(m.totalreflexion, True);
    EXPECT_EQ(m.hinter_linse, True);
    EXPECT_EQ(m.gebrochen_2, True);
    EXPECT_NEAR(m.ys, 17.1956, 5e-5);
    // The march went on to Nmax without drawing.
    EXPECT_GT(m.xs, 150);
    EXPECT_NEAR(s.punkte.back().x, 51.75, 1e-6);
    EXPECT_EQ(s.punkte.back().farbe, farbe::dunkelrot);
    for (const Punkt& p : s.punkte) {
        ASSERT_EQ(p.hinter_linse, False);
    }
}

TEST_F(Tracer, BetragEinsAmAustrittIstTotalreflexion)
{
    // The exit state on the axis: the normal is the axis, so s = sin(theta) * n1.
    m.M2 = 20;
    for (double dy : {0.05, -0.05}) {
        m.xs = 50;
        m.ys = 0;
        m.dx = 0.05;
        m.dy = dy;
        const double sinus = std::sin(std::atan(m.dy / m.dx) + std::atan(m.ys / (m.M2 - m.xs)));
        // The index that makes the product exactly one.
        double n = 1 / std::abs(sinus);
        while (std::abs(sinus * n) < 1) {
            n = std::nextafter(n, 2.0);
        }
        while (std::abs(std::nextafter(n, 0.0) * sinus) >= 1) {
            n = std::nextafter(n, 0.0);
        }
        ASSERT_EQ(std::abs(sinus * n), 1.0);

        for (double index : {n, std::nextafter(n, 0.0)}) {
            SCOPED_TRACE(testing::Message() << "dy " << dy << ", n1 " << index);
            m.n1 = index;
            m.dy = dy;
            m.gebrochen_2 = False;
            m.totalreflexion = False;
            brechung(rechte_flaeche(m), false);
            EXPECT_EQ(m.gebrochen_2, True);
            EXPECT_EQ(m.totalreflexion, index == n ? True : False);
        }
    }
}

TEST_F(Tracer, PunktAufDerKugelZaehltLinksAussenUndRechtsInnen)
{
    m.Nmax = 51;
    m.M1 = 40;
    m.R1_a = 30;  // left sphere from x = 10
    m.M2 = 20;
    m.R1_b = 30;  // right sphere up to x = 50

    Mitschnitt links;
    strahl_verfolgen(links, 10, 0, 0, false);
    ASSERT_GE(links.punkte.size(), 2u);
    EXPECT_EQ(links.punkte[0].farbe, farbe::rot);
    EXPECT_EQ(links.punkte[1].farbe, farbe::dunkelrot);

    Mitschnitt rechts;
    strahl_verfolgen(rechts, 50, 0, 0, false);
    ASSERT_GE(rechts.punkte.size(), 2u);
    EXPECT_EQ(rechts.punkte[0].farbe, farbe::dunkelrot);
    EXPECT_TRUE(rechts.punkte[0].gebrochen_1);
    EXPECT_EQ(rechts.punkte[1].farbe, farbe::rot);
    EXPECT_TRUE(rechts.punkte[1].gebrochen_2);
    // On the axis the normal is the axis: no bend.
    EXPECT_EQ(m.dy, 0);
}

TEST_F(Tracer, StrahlNebenDerLinseBleibtGeradeUndUnsichtbarAusserhalbDesBandes)
{
    Mitschnitt hoch;
    strahl_verfolgen(hoch, 0, 30, 0, false);  // |y| >= R1_a: never enters
    EXPECT_TRUE(hoch.punkte.empty());
    EXPECT_EQ(m.gebrochen_1, False);

    Mitschnitt schraeg;
    strahl_verfolgen(schraeg, 0, -25, 0.02, false);  // rises into the band and out again above
    ASSERT_FALSE(schraeg.punkte.empty());
    for (const Punkt& p : schraeg.punkte) {
        ASSERT_LT(std::abs(p.y), 20);
        if (p.farbe == farbe::rot) {
            ASSERT_FALSE(p.gebrochen_1 && !p.hinter_linse);
        }
    }
    EXPECT_GT(schraeg.punkte.front().x, 12);

    // Exactly on the frame edge, before the lens: not drawn; just inside: drawn.
    m.Nmax = 40;
    Mitschnitt am_rand;
    strahl_verfolgen(am_rand, 0, 20, 0, true);
    EXPECT_EQ(m.ys, 20);
    EXPECT_TRUE(am_rand.punkte.empty());
    Mitschnitt innen;
    strahl_verfolgen(innen, 0, std::nextafter(20.0, 0.0), 0, true);
    EXPECT_EQ(innen.punkte.size(), 2 * 801u);
}

TEST_F(Tracer, StartHinterNmaxZeichnetNichts)
{
    Mitschnitt s;
    strahl_verfolgen(s, 150.01, 3, 0, true);
    EXPECT_TRUE(s.punkte.empty());
    EXPECT_EQ(m.xs, 150.01);
    EXPECT_EQ(m.ys, 3);
}

// Where the traced ray from height y0, parallel to the axis, crosses it:
// interpolated between the two drawn points whose heights change sign, each
// at the x its height belongs to, one step right of where it is drawn. The
// tracer notes the same crossing as it marches.
double achsenschnitt(double y0)
{
    Mitschnitt s;
    const Strahlverlauf v = strahl_verfolgen(s, 0, y0, 0, false);
    for (size_t i = 1; i < s.punkte.size(); ++i) {
        const Punkt& a = s.punkte[i - 1];
        const Punkt& b = s.punkte[i];
        if (a.ys > 0 && b.ys <= 0) {
            const double x = a.x + Module1.dx + (b.x - a.x) * a.ys / (a.ys - b.ys);
            EXPECT_NEAR(v.x_achse, x, 1e-9);
            return x;
        }
    }
    ADD_FAILURE() << "no crossing from height " << y0;
    return NAN;
}

// The height of the ray traced from height y0, parallel to the axis, at the
// plane x = ebene: interpolated on the first pair of drawn points whose
// heights, each at the x it belongs to, lie on either side of the plane. The
// tracer notes the same height as it marches, from the same two heights.
double hoehe_in_der_ebene(double y0, double ebene)
{
    Mitschnitt s;
    const Strahlverlauf v = strahl_verfolgen(s, 0, y0, 0, false, ebene);
    const double dx = Module1.dx;
    for (size_t i = 1; i < s.punkte.size(); ++i) {
        const Punkt& a = s.punkte[i - 1];
        const Punkt& b = s.punkte[i];
        if (a.x + dx <= ebene && ebene <= b.x + dx) {
            const double y = a.ys + (b.ys - a.ys) * (ebene - (a.x + dx)) / dx;
            EXPECT_EQ(v.y_ebene, y) << "Ebene bei x = " << ebene << ", Unterschied " << v.y_ebene - y;
            return y;
        }
    }
    ADD_FAILURE() << "no drawn points around x = " << ebene;
    return NAN;
}

TEST_F(Tracer, HoeheInDerEbeneZwischenDenGezeichnetenPunkten)
{
    // Between two samples, where an exact trace has the ray.
    const exakt::Strahl e = exakt::verfolgen(exakt::linse(50, 30, 35, 1.5, 0), 0, 3, 0);
    EXPECT_NEAR(hoehe_in_der_ebene(3, 120.02), e.y_bei(120.02), 0.01);
    // Exactly on a sample x two marched segments reach the plane, the first
    // with its right end and the next with its left. The height is the
    // first one's, as on any other plane; taken again from the next, it
    // differs in the last bits. The samples are the march's own sums.
    double x = 0;
    for (int i = 0; i < 2020; ++i) {
        x += 0.05;
        if (i >= 2000) {
            hoehe_in_der_ebene(9, x);
        }
    }
}

TEST_F(Tracer, BuendelSchneidetDieAchseHinterDerLinse)
{
    const double erwartet[5] = {85.3, 84.3, 82.5, 79.5, 74.5};
    for (int k = 0; k < 5; ++k) {
        const double x = achsenschnitt(3.0 * (k + 1));
        EXPECT_NEAR(x, erwartet[k], 0.1) << "Hoehe " << 3 * (k + 1);
    }
}

TEST_F(Tracer, BrennpunkteStehenWoAchsennaheStrahlenSchneiden)
{
    // The blue F' is where rays near the axis meet; F is F' of the lens
    // turned round (radii swapped), mirrored about the lens centre.
    struct Fall {
        double r1, r2, n, dicke;
    } faelle[] = {{30, 35, 1.5, 0}, {30, 35, 1.5, 10}, {20.5, 20.5, 1.5, 0}, {60, 25, 1.7, 6}};
    for (const Fall& f : faelle) {
        m.R1_a = f.r1;
        m.R1_b = f.r2;
        m.n1 = f.n;
        m.d1_plus = f.dicke;
        linse_berechnen();
        const double xF2 = m.xF2, xF1 = m.xF1;
        EXPECT_NEAR(achsenschnitt(0.5), xF2, 0.1) << f.r1 << " " << f.r2 << " " << f.n << " " << f.dicke;

        m.R1_a = f.r2;
        m.R1_b = f.r1;
        linse_berechnen();
        EXPECT_NEAR(2 * m.X1_0 - achsenschnitt(0.5), xF1, 0.1) << f.r1 << " " << f.r2 << " " << f.n << " " << f.dicke;
    }
}

TEST_F(Tracer, DickeLinseBrichtAuchBeimAustritt)
{
    // r 1 = r 2 = 25 and Dicke + 31 put the left surface outside the right
    // sphere. Measured where the glass is, the rays still leave it bent.
    m.R1_a = m.R1_b = 25;
    m.d1_plus = 31;
    linse_berechnen();
    const exakt::Linse L = exakt::linse(m.X1_0, 25, 25, 1.5, 31);
    EXPECT_NEAR(exakt::verfolgen(L, 0, 3, 0).x_achse(), 87.47, 0.005);
    EXPECT_NEAR(exakt::verfolgen(L, 0, 18, 0).x_achse(), 81.84, 0.005);
    EXPECT_NEAR(achsenschnitt(3), 87.47, 0.1);
    EXPECT_NEAR(achsenschnitt(18), 81.84, 0.1);
    EXPECT_NEAR(m.xF2, 87.62, 0.005);
}

TEST_F(Tracer, StrahlUnterDemRandBleibtGerade)
{
    // A lens of radius 100 at x = 150 and an object of height 19 at 0: the
    // fan's ray with slope -0.2929 passes below the rim and meets no glass.
    m.R1_a = m.R1_b = 100;
    m.X1_0 = 150;
    m.Nmax = 800;
    linse_berechnen();
    const double steigung = -0.2928626, ebene = 459.656;
    const exakt::Strahl e = exakt::verfolgen(exakt::linse(150, 100, 100, 1.5, 0), 0, 19, steigung);
    ASSERT_FALSE(e.durch);
    ASSERT_NEAR(e.y_bei(ebene), -115.616, 5e-4);

    Mitschnitt s;
    const Strahlverlauf v = strahl_verfolgen(s, 0, 19, steigung * 0.05, false, ebene);
    EXPECT_EQ(m.gebrochen_1, False);
    EXPECT_NEAR(v.y_ebene, e.y_bei(ebene), 1e-6);
    for (const Punkt& p : s.punkte) {
        ASSERT_EQ(p.farbe, farbe::rot);
    }
}

TEST_F(Tracer, ZufaelligeLinsenWieDieExakteSpur)
{
    // Lenses over the whole accepted range, convex, concave, plane, thick
    // and dense, with the beam's heights: each ray passes, is totally
    // reflected or meets the edge where an exact trace says, and reaches a
    // plane 30 behind the lens where the exact ray does, within
    // 0.05 + 0.1 / cos of its angle at the exit (the march takes the normal
    // up to a step past the surface, which weighs more the steeper the ray
    // leaves). Left out are rays that graze the rim or the critical angle
    // closer than a step can tell, or that would enter a hollow right
    // surface again.
    std::mt19937 zufall(19);
    std::uniform_real_distribution<double> eins(0, 1);
    const auto radius = [&] { return exakt::zufallsradius(zufall); };
    int verglichen = 0, beendet = 0;
    for (int k = 0; k < 300; ++k) {
        m.R1_a = radius();
        m.R1_b = radius();
        m.n1 = eins(zufall) < 0.8 ? 1.01 + 2 * eins(zufall) : 1 + 19 * eins(zufall);
        m.d1_plus = 40 * eins(zufall);
        m.Nmax = 400;
        linse_berechnen();
        const exakt::Linse L = exakt::linse(m.X1_0, m.R1_a, m.R1_b, m.n1, m.d1_plus);
        ASSERT_NEAR(L.S1, m.S1, 1e-9);
        ASSERT_NEAR(L.S2, m.S2, 1e-9);
        const double ebene = m.x_glas_rechts + 30;
        for (double y0 = 3; y0 <= 18; y0 += 3) {
            const exakt::Strahl e = exakt::verfolgen(L, 0, y0, 0);
            if (std::abs(e.y_an[0]) > 19.9 || std::abs(e.y_an[1]) > 19.9 || std::abs(e.sinus_aus - 1) < 0.02 ||
                e.wieder_ins_glas) {
                continue;
            }
            Aufzeichnung a;
            const Strahlverlauf v = strahl_verfolgen(a, 0, y0, 0, false, ebene);
            SCOPED_TRACE(testing::Message() << "r1 " << m.R1_a << ", r2 " << m.R1_b << ", n " << m.n1 << ", Dicke "
                                            << m.d1_plus << ", y0 " << y0);
            ASSERT_EQ(std::isfinite(v.x_totalreflexion), e.total);
            ASSERT_EQ(std::isfinite(v.x_linsenrand), e.am_rand);
            if (!e.durch) {
                ++beendet;
                continue;
            }
            if (std::abs(e.uy / e.ux) < 1) {
                EXPECT_NEAR(v.y_ebene, e.y_bei(ebene), 0.05 + 0.1 / std::sqrt(1 - e.sinus_aus * e.sinus_aus));
                ++verglichen;
            }
        }
    }
    EXPECT_GT(verglichen, 1000);
    EXPECT_GT(beendet, 100);
}

TEST_F(Tracer, TotalreflexionBekommtEinKreuzAmRandEndetDerStrahl)
{
    // The default lens's outer ray ends by total reflection at 51.80: a
    // small cross in the ray's colour there, solid whatever the line style.
    m.x_span = 150;
    m.y_span = 40;
    Mitschnitt s;
    s.DrawStyle = gepunktet;
    const Strahlverlauf v = strahl_verfolgen(s, 0, 18, 0, true);
    ASSERT_NEAR(v.x_totalreflexion, 51.80, 1e-9);
    std::vector<Aufruf> kreuz;
    for (const Aufruf& a : s.aufrufe) {
        if (a.art == Aufruf::Line) {
            kreuz.push_back(a);
        }
    }
    ASSERT_EQ(kreuz.size(), 4u);  // and its mirror image
    for (const Aufruf& l : kreuz) {
        EXPECT_EQ(l.farbe, farbe::dunkelrot);
        EXPECT_EQ(l.stil, durchgezogen);
        EXPECT_NEAR((l.x1 + l.x2) / 2, 51.80, 1e-9);
        EXPECT_NEAR(std::abs(l.y1 + l.y2) / 2, v.y_ende, 1e-9);
    }
    EXPECT_EQ(s.DrawStyle, gepunktet);

    // A ray that reaches the rim inside the glass ends there, drawn up to it.
    m.R1_a = m.R1_b = 0;
    m.d1_plus = 20;
    linse_berechnen();  // a plate from 40 to 60
    Mitschnitt rand;
    const Strahlverlauf r = strahl_verfolgen(rand, 0, 0, 0.02, false);
    EXPECT_TRUE(std::isfinite(r.x_linsenrand));
    EXPECT_GT(r.x_linsenrand, 40);
    EXPECT_LT(r.x_linsenrand, 60);
    EXPECT_EQ(rand.punkte.back().farbe, farbe::dunkelrot);
    EXPECT_GT(std::abs(rand.punkte.back().ys), 20);
    EXPECT_NEAR(rand.punkte.back().x, r.x_linsenrand - 0.05, 1e-9);
}

TEST_F(Tracer, FokusBuendelIstSpiegelsymmetrisch)
{
    Mitschnitt s;
    struct MitMitschnitt : TestFormular {
        Mitschnitt* s;
        Zeichenflaeche& flaeche() override { return *s; }
    } f;
    f.licht = 1;
    f.s = &s;
    Form_Resize(f);

    const auto rays = strahlen(ohne_umriss(s.punkte));
    ASSERT_EQ(rays.size(), 6u);
    for (size_t r = 0; r < rays.size(); ++r) {
        const auto& p = rays[r];
        ASSERT_EQ(p.size() % 2, 0u);
        EXPECT_EQ(p[0].x, 0);
        EXPECT_EQ(p[0].y, 3.0 * (r + 1));
        for (size_t i = 0; i < p.size(); i += 2) {
            ASSERT_EQ(p[i].x, p[i + 1].x);
            ASSERT_EQ(p[i].y, -p[i + 1].y);
            ASSERT_EQ(p[i].farbe, p[i + 1].farbe);
        }
    }
    // The rays lie over the lens outline: it is drawn completely before them.
    EXPECT_LT(letzter_umrissaufruf(s.aufrufe), erster_strahlpunkt(s.aufrufe));
    // The outermost pair ends in the lens by total reflection.
    EXPECT_NEAR(rays.back().back().x, 51.75, 1e-6);
    EXPECT_EQ(rays.back().back().farbe, farbe::dunkelrot);
}

TEST_F(Tracer, FokusOhneLichtstrahlenZeichnetKeinBuendel)
{
    for (int licht : {0, 2}) {
        TestFormular form;
        form.licht = licht;
        Form_Resize(form);
        size_t strahlpunkte = 0;
        for (const Aufruf& a : form.bild.aufrufe) {
            strahlpunkte += a.art == Aufruf::PSet && a.farbe != farbe::gelb;
        }
        EXPECT_EQ(strahlpunkte, 0u) << "chk_licht " << licht;
    }
    TestFormular keiner;  // neither option button set
    keiner.fokus = False;
    keiner.licht = 1;
    Form_Resize(keiner);
    EXPECT_EQ(keiner.alle(Aufruf::PSet).size(), 2u);
}

}  // namespace
