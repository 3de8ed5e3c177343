// The ray march and the refraction at the two lens surfaces, and the
// parallel beam of the focus mode.

#include "szene_hilfe.h"

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
            m.im_glas = False;
            m.hinter_linse = True;
            m.gebrochen_2 = False;
            m.totalreflexion = False;
            brechung();
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

TEST_F(Tracer, AuseinandergezogeneKugelnBrechenImSelbenSchritt)
{
    m.M1 = 80;
    m.R1_a = 30;  // left sphere from x = 50
    m.M2 = 30;
    m.R1_b = 10;  // right sphere ends at x = 40
    Mitschnitt s;
    strahl_verfolgen(s, 0, 3, 0, false);
    for (const Punkt& p : s.punkte) {
        ASSERT_EQ(p.farbe, farbe::rot);
        ASSERT_EQ(p.gebrochen_1, p.gebrochen_2) << "x = " << p.x;
    }
    const Punkt* gebrochen = erster(s.punkte, [](const Punkt& p) { return p.gebrochen_1 == True; });
    ASSERT_NE(gebrochen, nullptr);
    EXPECT_NEAR(gebrochen->x, 50.20, 1e-6);
    // The left surface alone would give about -0.00167; the exit through the
    // right sphere, whose normal there tilts the other way, bends it further down.
    EXPECT_NEAR(gebrochen->dy, -0.006328, 5e-6);
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
// interpolated between the two drawn points whose heights change sign. The
// tracer notes the same crossing as it marches.
double achsenschnitt(double y0)
{
    Mitschnitt s;
    const Strahlverlauf v = strahl_verfolgen(s, 0, y0, 0, false);
    for (size_t i = 1; i < s.punkte.size(); ++i) {
        const Punkt& a = s.punkte[i - 1];
        const Punkt& b = s.punkte[i];
        if (a.ys > 0 && b.ys <= 0) {
            const double x = a.x + (b.x - a.x) * a.ys / (a.ys - b.ys);
            EXPECT_NEAR(v.x_achse, x, 1e-9);
            return x;
        }
    }
    ADD_FAILURE() << "no crossing from height " << y0;
    return NAN;
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
