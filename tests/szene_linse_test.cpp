// The second section of the redraw: letters of the cardinal points, the lens
// outline, focal marks and principal planes.

#include "szene_hilfe.h"

#include <algorithm>
#include <cmath>

namespace {

using Linsenbild = Szene;

struct Bogen {
    size_t start;  // index of the PSet that begins it
    size_t linien; // Line calls that follow
};

// The two yellow polylines: each a PSet followed by its Lines.
std::vector<Bogen> boegen(const std::vector<Aufruf>& a)
{
    std::vector<Bogen> r;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].art == Aufruf::PSet && a[i].farbe == farbe::gelb) {
            Bogen b{i, 0};
            while (i + 1 < a.size() && a[i + 1].art == Aufruf::Line && a[i + 1].farbe == farbe::gelb) {
                ++i;
                ++b.linien;
            }
            r.push_back(b);
        }
    }
    return r;
}

TEST_F(Linsenbild, BuchstabenStehenUeberDenKardinalpunkten)
{
    TestFormular form;
    form.fokus = False;
    Form_Resize(form);
    const auto drucke = form.alle(Aufruf::Print);
    ASSERT_EQ(drucke.size(), 18u);
    struct Erwartet {
        const char* text;
        double x, y;
        Farbe farbe;
    } erwartet[] = {
        {"H", 46.9718, 22, farbe::blau},
        {"H'", 50.8976, 22, farbe::blau},
        {"F'", 85.6882, 22, farbe::blau},
        {"F", 12.1812, 22, farbe::blau},
        {"F'", 82.3077, 23.5, farbe::schaltflaechentext},
        {"F", 17.6923, 23.5, farbe::schaltflaechentext},
    };
    for (int k = 0; k < 6; ++k) {
        const Aufruf& d = drucke[12 + k];
        EXPECT_EQ(d.text, erwartet[k].text);
        EXPECT_NEAR(d.x1, erwartet[k].x, 5e-5);
        EXPECT_EQ(d.y1, erwartet[k].y);
        EXPECT_EQ(d.farbe, erwartet[k].farbe);
    }
    // The frame of the next redraw is drawn in button-text colour again.
    EXPECT_EQ(form.bild.ForeColor, farbe::schaltflaechentext);
}

TEST_F(Linsenbild, BoegenTreffenSichAmScharfenRand)
{
    TestFormular form;
    form.fokus = False;
    Form_Resize(form);
    const auto& a = form.bild.aufrufe;
    const auto b = boegen(a);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].linien, 1460u);
    EXPECT_EQ(b[1].linien, 1217u);

    for (const Bogen& bg : b) {
        const Aufruf& anfang = a[bg.start];
        const Aufruf& erste = a[bg.start + 1];
        const Aufruf& letzte = a[bg.start + bg.linien];
        EXPECT_NEAR(anfang.x1, 50, 1e-9);
        EXPECT_NEAR(anfang.y1, -20, 1e-9);
        EXPECT_EQ(anfang.breite, 1);
        // The first segment has length zero and starts at the lower rim.
        EXPECT_EQ(erste.x1, anfang.x1);
        EXPECT_EQ(erste.y1, anfang.y1);
        EXPECT_NEAR(erste.x2, erste.x1, 1e-9);
        EXPECT_NEAR(erste.y2, erste.y1, 1e-9);
        // The accumulated angle may stop up to 0.001 rad short of the upper rim.
        EXPECT_NEAR(letzte.x2, 50, 0.04);
        EXPECT_NEAR(letzte.y2, 20, 0.04);
        EXPECT_LE(letzte.y2, 20);
        // Each Line continues where the last one ended.
        for (size_t i = bg.start + 2; i <= bg.start + bg.linien; ++i) {
            ASSERT_EQ(a[i].x1, a[i - 1].x2);
            ASSERT_EQ(a[i].y1, a[i - 1].y2);
        }
    }
    // Through the vertices: the leftmost and rightmost points of the outline.
    double links = 1e9, rechts = -1e9;
    for (size_t i = b[0].start + 1; i <= b[0].start + b[0].linien; ++i) {
        links = std::min(links, a[i].x2);
    }
    for (size_t i = b[1].start + 1; i <= b[1].start + b[1].linien; ++i) {
        rechts = std::max(rechts, a[i].x2);
    }
    EXPECT_NEAR(links, 42.3607, 1e-4);
    EXPECT_NEAR(rechts, 56.2772, 1e-4);
    // sin of the half-aperture angle of the right surface, left behind in xs
    EXPECT_DOUBLE_EQ(m.xs, 20.0 / 35);
}

TEST_F(Linsenbild, ZusatzdickeLaesstDenUmrissOffen)
{
    m.d1_plus = 10;
    TestFormular form;
    form.fokus = False;
    Form_Resize(form);
    const auto& a = form.bild.aufrufe;
    const auto b = boegen(a);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_NEAR(a[b[0].start].x1, 45, 1e-9);
    EXPECT_NEAR(a[b[0].start + b[0].linien].x2, 45, 0.04);
    EXPECT_NEAR(a[b[1].start].x1, 55, 1e-9);
    EXPECT_NEAR(a[b[1].start + b[1].linien].x2, 55, 0.04);
    // Nothing else is yellow: no line closes the outline.
    size_t gelb = 0;
    for (const Aufruf& x : a) {
        gelb += x.farbe == farbe::gelb;
    }
    EXPECT_EQ(gelb, 2 + b[0].linien + b[1].linien);
}

TEST_F(Linsenbild, ImProjektorHatDerUmrissEinenDunklenRand)
{
    // The relative luminance of an 0x00BBGGRR colour, by the sRGB curve.
    const auto leuchtdichte = [](Farbe f) {
        double l = 0;
        const double gewicht[3] = {0.2126, 0.7152, 0.0722};
        for (int k = 0; k < 3; ++k) {
            const double c = ((f >> (8 * k)) & 0xFF) / 255.0;
            l += gewicht[k] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return l;
    };
    for (const bool projektor : {false, true}) {
        TestFormular form;
        form.bild.darstellung.projektor = projektor;
        Form_Resize(form);
        // The two yellow arcs, and where they are on a projector, under each
        // a wider one of the same shape in another colour.
        const auto& a = form.bild.aufrufe;
        const auto b = boegen(a);
        ASSERT_EQ(b.size(), 2u);
        std::vector<Aufruf> rand;
        for (size_t i = 0; i < b[0].start; ++i) {
            if (a[i].farbe != farbe::schaltflaechentext && a[i].farbe != farbe::blau &&
                (a[i].art == Aufruf::Line || a[i].art == Aufruf::PSet)) {
                rand.push_back(a[i]);
            }
        }
        if (!projektor) {
            EXPECT_TRUE(rand.empty());
            continue;
        }
        ASSERT_EQ(rand.size(), b[0].linien + b[1].linien + 2);
        for (size_t i = 0; i < rand.size(); ++i) {
            const size_t k = i <= b[0].linien ? i : i - b[0].linien - 1;
            const Aufruf& gelb = a[b[i <= b[0].linien ? 0 : 1].start + k];
            EXPECT_EQ(rand[i].x2, gelb.x2);
            EXPECT_EQ(rand[i].y2, gelb.y2);
            EXPECT_GT(rand[i].breite, gelb.breite);
        }
        // Against the white picture at least 3:1, where yellow has 1.07:1.
        EXPECT_GE(1.05 / (leuchtdichte(rand[0].farbe) + 0.05), 3);
        EXPECT_LT(1.05 / (leuchtdichte(farbe::gelb) + 0.05), 1.1);
    }
}

TEST_F(Linsenbild, KonkaveFlaecheWoelbtSichNachInnenEbeneIstEineGerade)
{
    m.R1_a = 0;
    m.R1_b = -30;
    linse_berechnen();
    TestFormular form;
    form.fokus = False;
    Form_Resize(form);
    const auto& a = form.bild.aufrufe;
    // The plane surface: one straight yellow line from rim to rim.
    std::vector<Aufruf> gerade;
    for (const Aufruf& x : a) {
        if (x.art == Aufruf::Line && x.farbe == farbe::gelb && x.x1 == x.x2 && x.x1 == m.S1) {
            gerade.push_back(x);
        }
    }
    ASSERT_EQ(gerade.size(), 1u);
    EXPECT_EQ(gerade[0].y1, -20);
    EXPECT_EQ(gerade[0].y2, 20);
    // The concave arc: from rim to rim through its vertex, which lies left
    // of both rims; its points keep the radius from the centre on the right.
    const auto b = boegen(a);
    ASSERT_EQ(b.size(), 1u);
    double mitte = 1e9;
    for (size_t i = b[0].start + 1; i <= b[0].start + b[0].linien; ++i) {
        mitte = std::min(mitte, a[i].x2);
        ASSERT_NEAR(std::hypot(a[i].x2 - m.M2, a[i].y2), 30, 1e-9);
    }
    EXPECT_NEAR(a[b[0].start].x1, m.x_glas_rechts, 1e-9);
    EXPECT_NEAR(mitte, m.S2, 1e-4);
    EXPECT_LT(m.S2, m.x_glas_rechts);
}

TEST_F(Linsenbild, HUndHStrichStehenNebeneinander)
{
    // A bi-concave lens has H and H' a fraction of a letter apart: H' is
    // written two blanks' width beside H. One unit per character here.
    m.R1_a = m.R1_b = -40;
    linse_berechnen();
    ASSERT_LT(std::abs(m.xH2 - m.xH1), 1);
    TestFormular form;
    Form_Resize(form);
    const auto drucke = form.alle(Aufruf::Print);
    const auto text = [&](const char* t) {
        for (const Aufruf& d : drucke) {
            if (d.text == t && d.farbe == farbe::blau) {
                return d;
            }
        }
        ADD_FAILURE() << t;
        return Aufruf{};
    };
    EXPECT_EQ(text("H").x1, m.xH1);
    EXPECT_EQ(text("H'").x1, m.xH1 + 3);
    // Dense and thick, F stands close to H': no two letters of a row touch.
    m.R1_a = m.R1_b = 22;
    m.d1_plus = 40;
    m.n1 = 1.8;
    TestFormular dicht;
    Form_Resize(dicht);
    const auto reihe = dicht.alle(Aufruf::Print);
    for (size_t i = reihe.size() - 6; i < reihe.size(); ++i) {
        for (size_t j = i + 1; j < reihe.size(); ++j) {
            if (reihe[i].y1 == reihe[j].y1) {
                const bool getrennt = reihe[i].x1 + reihe[i].text.size() + 2 <= reihe[j].x1 ||
                                      reihe[j].x1 + reihe[j].text.size() + 2 <= reihe[i].x1;
                EXPECT_TRUE(getrennt) << reihe[i].text << " at " << reihe[i].x1 << ", " << reihe[j].text << " at "
                                      << reihe[j].x1;
            }
        }
    }
    m.d1_plus = 0;
    m.n1 = 1.5;
    // Far enough apart, each stands at its plane.
    m.R1_a = m.R1_b = 30;
    TestFormular bikonvex;
    Form_Resize(bikonvex);
    for (const Aufruf& d : bikonvex.alle(Aufruf::Print)) {
        if (d.text == "H'" && d.farbe == farbe::blau) {
            EXPECT_EQ(d.x1, m.xH2);
        }
    }
}

TEST_F(Linsenbild, BrennpunktmarkenUndHauptebenen)
{
    TestFormular form;
    form.fokus = False;
    Form_Resize(form);
    const auto& a = form.bild.aufrufe;
    const auto b = boegen(a);
    ASSERT_EQ(b.size(), 2u);
    const size_t i = b[1].start + b[1].linien + 1;
    ASSERT_EQ(a.size(), i + 6) << "after the planes the focus mode without rays draws nothing";

    const double marken[4] = {m.xF2_duenn, m.xF1_duenn, m.xF2, m.xF1};
    const Farbe farben[4] = {farbe::schaltflaechentext, farbe::schaltflaechentext, farbe::blau, farbe::blau};
    for (int k = 0; k < 4; ++k) {
        const Aufruf& l = a[i + k];
        EXPECT_EQ(l.art, Aufruf::Line);
        EXPECT_EQ(l.x1, marken[k]);
        EXPECT_EQ(l.x2, marken[k]);
        EXPECT_EQ(l.y1, -1);
        EXPECT_EQ(l.y2, 1);
        EXPECT_EQ(l.breite, 2);
        EXPECT_EQ(l.stil, 0);
        EXPECT_EQ(l.farbe, farben[k]);
    }
    const double ebenen[2] = {50.8976, 46.9718};
    for (int k = 0; k < 2; ++k) {
        const Aufruf& l = a[i + 4 + k];
        EXPECT_NEAR(l.x1, ebenen[k], 5e-5);
        EXPECT_EQ(l.x2, l.x1);
        EXPECT_EQ(l.y1, -20);
        EXPECT_EQ(l.y2, 20);
        EXPECT_EQ(l.stil, strich_punkt_punkt);
        EXPECT_EQ(l.breite, 1);
        EXPECT_EQ(l.farbe, farbe::blau);
    }
    EXPECT_EQ(form.bild.DrawStyle, durchgezogen);
}

TEST_F(Linsenbild, GleicheRadienLiegenSpiegelbildlich)
{
    m.R1_a = m.R1_b = 20.5;
    TestFormular form;
    form.fokus = False;
    Form_Resize(form);
    const auto& a = form.bild.aufrufe;
    const auto b = boegen(a);
    ASSERT_EQ(b.size(), 2u);
    ASSERT_EQ(b[0].linien, b[1].linien);
    for (size_t k = 0; k <= b[0].linien; k += 97) {
        const Aufruf& l = a[b[0].start + k];
        const Aufruf& r = a[b[1].start + k];
        EXPECT_NEAR(l.x1 - 50, 50 - r.x1, 1e-9);
        EXPECT_NEAR(l.y1, r.y1, 1e-12);
    }
    EXPECT_NEAR(m.xH1 - 50, 50 - m.xH2, 1e-9);
    EXPECT_NEAR(m.xF1 - 50, 50 - m.xF2, 1e-9);
}

}  // namespace
