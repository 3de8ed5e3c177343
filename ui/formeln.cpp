#include "ui/formeln.h"

#include "ui/uebersetzt.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <vector>

namespace formeln {
namespace {

enum class Art { Kursiv, Gerade, IndexKursiv, IndexGerade, Operator };

struct Stueck {
    Art art;
    QString text;
};

using Zeile = std::vector<Stueck>;

bool ist_operator(QChar c)
{
    return c == u'·' || c == u'−' || c == u'+' || c == u'=';
}

// Splits the markup into runs of one style each.
Zeile zerlegen(const QString& quelle)
{
    Zeile zeile;
    auto anhaengen = [&zeile](Art art, QChar c) {
        if (art != Art::Operator && !zeile.empty() && zeile.back().art == art) {
            zeile.back().text += c;
        } else {
            zeile.push_back({art, QString(c)});
        }
    };
    for (qsizetype i = 0; i < quelle.size(); ++i) {
        const QChar c = quelle[i];
        if (c == u' ') {
            continue;
        }
        if (c == u'_') {
            qsizetype ende = i + 1;
            while (ende < quelle.size() && quelle[ende].isLetterOrNumber()) {
                ++ende;
            }
            const QString index = quelle.mid(i + 1, ende - i - 1);
            // A single letter is a symbol and leans like one; a word such as
            // "dick" only describes, and is set upright as formula editors do.
            const bool wort = index.size() > 1;
            for (QChar z : index) {
                anhaengen(z.isLetter() && !wort ? Art::IndexKursiv : Art::IndexGerade, z);
            }
            i = ende - 1;
            continue;
        }
        if (c == u'′') {
            // The serif face's own prime is a speck at these sizes; its
            // apostrophe, leaning with the letters, reads as a prime.
            anhaengen(Art::Kursiv, u'\'');
        } else if (ist_operator(c)) {
            anhaengen(Art::Operator, c);
        } else if (c.isLetter()) {
            anhaengen(Art::Kursiv, c);
        } else {
            anhaengen(Art::Gerade, c);
        }
    }
    return zeile;
}

// The fonts of one size and the spacing that goes with it.
struct Satz {
    explicit Satz(int pixel)
    {
        auto schrift = [](int px, bool kursiv) {
            QFont f(QStringLiteral("DejaVu Serif"));
            f.setPixelSize(px);
            f.setItalic(kursiv);
            // Two colours only: no grey edge pixels from smoothing.
            f.setStyleStrategy(QFont::NoAntialias);
            f.setHintingPreference(QFont::PreferFullHinting);
            return f;
        };
        const int index_px = std::max(7, pixel * 7 / 10);
        kursiv = schrift(pixel, true);
        gerade = schrift(pixel, false);
        index_kursiv = schrift(index_px, true);
        index_gerade = schrift(index_px, false);
        abstand = std::max(2, pixel / 5);
        index_tiefe = std::max(2, pixel / 4);
    }

    const QFont& schrift(Art art) const
    {
        switch (art) {
        case Art::Kursiv: return kursiv;
        case Art::IndexKursiv: return index_kursiv;
        case Art::IndexGerade: return index_gerade;
        case Art::Gerade:
        case Art::Operator: break;
        }
        return gerade;
    }

    QFont kursiv, gerade, index_kursiv, index_gerade;
    int abstand;      // blank on either side of an operator
    int index_tiefe;  // how far a subscript's baseline sits below the line's
};

bool ist_index(Art art)
{
    return art == Art::IndexKursiv || art == Art::IndexGerade;
}

// Walks the pieces of a line, handing each one with its pen position
// relative to the line's origin; returns the advance of the whole line.
template <typename F>
int durchlaufen(const Zeile& zeile, const Satz& satz, F&& tun)
{
    int x = 0;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const Stueck& s = zeile[i];
        const QFontMetrics fm(satz.schrift(s.art));
        if (s.art == Art::Operator) {
            x += satz.abstand;
        }
        tun(s, x, ist_index(s.art) ? satz.index_tiefe : 0);
        x += fm.horizontalAdvance(s.text);
        if (s.art == Art::Operator) {
            x += satz.abstand;
        }
        // An italic letter leans over its advance; keep the next upright
        // piece clear of it.
        const bool schraeg = s.art == Art::Kursiv || s.art == Art::IndexKursiv;
        const bool naechstes_gerade = i + 1 < zeile.size() && zeile[i + 1].art != Art::Kursiv
                                      && zeile[i + 1].art != Art::IndexKursiv;
        if (schraeg && naechstes_gerade) {
            x += std::max(0, -fm.rightBearing(s.text.back()));
        }
    }
    return x;
}

struct Masse {
    int breite = 0;
    int oben = 0;   // ink above the baseline
    int unten = 0;  // ink below the baseline
};

Masse messen(const Zeile& zeile, const Satz& satz)
{
    Masse m;
    QRect tinte_gesamt;
    m.breite = durchlaufen(zeile, satz, [&](const Stueck& s, int x, int tiefe) {
        QRect r = QFontMetrics(satz.schrift(s.art)).tightBoundingRect(s.text);
        tinte_gesamt |= r.translated(x, tiefe);
    });
    m.oben = -tinte_gesamt.top();
    m.unten = tinte_gesamt.bottom() + 1;
    return m;
}

void zeichnen(QPainter& p, const Zeile& zeile, const Satz& satz, int x0, int grundlinie)
{
    durchlaufen(zeile, satz, [&](const Stueck& s, int x, int tiefe) {
        p.setFont(satz.schrift(s.art));
        p.drawText(x0 + x, grundlinie + tiefe, s.text);
    });
}

constexpr int rand = 2;       // white margin around the formula
constexpr int bruch_luft = 2; // white between the bar and numerator or denominator
constexpr int ueberstand = 2; // the bar reaches this far past the longer line

}  // namespace

QImage setzen(const Formel& formel, int breite)
{
    const Zeile links = [&] {
        Zeile z = zerlegen(formel.name);
        z.push_back({Art::Operator, QStringLiteral("=")});
        return z;
    }();
    const Zeile oben = zerlegen(formel.zaehler);
    const Zeile unten = zerlegen(formel.nenner);

    // Largest size up to a comfortable one that fits both ways; the lower
    // limit keeps even the longest formula legible.
    int pixel = 16;
    for (; pixel > 9; --pixel) {
        const Satz satz(pixel);
        const Masse l = messen(links, satz);
        const Masse z = messen(oben, satz);
        const Masse n = messen(unten, satz);
        const int gesamt_breite = l.breite + std::max(z.breite, n.breite) + 2 * ueberstand;
        const int gesamt_hoehe = z.oben + z.unten + n.oben + n.unten + 2 * bruch_luft + 1;
        if (gesamt_breite <= breite - 2 * rand && gesamt_hoehe <= hoehe - 2 * rand) {
            break;
        }
    }
    const Satz satz(pixel);
    const Masse l = messen(links, satz);
    const Masse z = messen(oben, satz);
    const Masse n = messen(unten, satz);
    const int bruch_breite = std::max(z.breite, n.breite) + 2 * ueberstand;

    // The bar sits where the ink of the whole fraction is centred vertically.
    const int bruch_hoehe = z.oben + z.unten + n.oben + n.unten + 2 * bruch_luft + 1;
    const int strich_y = (hoehe - bruch_hoehe) / 2 + z.oben + z.unten + bruch_luft;
    const int x_links = std::max(rand, (breite - l.breite - bruch_breite) / 2);
    const int x_bruch = x_links + l.breite;

    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(papier);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(QColor::fromRgb(tinte));

    // The name and "=" stand on the formula's axis: the middle of "=" at the bar.
    const int achse = QFontMetrics(satz.gerade).strikeOutPos();
    zeichnen(p, links, satz, x_links, strich_y + achse);
    zeichnen(p, oben, satz, x_bruch + (bruch_breite - z.breite) / 2, strich_y - bruch_luft - z.unten);
    zeichnen(p, unten, satz, x_bruch + (bruch_breite - n.breite) / 2, strich_y + 1 + bruch_luft + n.oben);
    p.fillRect(x_bruch, strich_y, bruch_breite, 1, QColor::fromRgb(tinte));
    return bild;
}

QImage f_duenn()
{
    return setzen({QStringLiteral("f"), QStringLiteral("r_1 · r_2"),
                   QStringLiteral("(n − 1) · (r_1 + r_2)")},
                  133);
}

QImage f_dick()
{
    // The subscript is a word and is read, so it is in the language in use.
    // Übersetzer: formula markup, "_" starts the subscript; keep it short.
    return setzen({uebersetzt_q("f_dick"), QStringLiteral("n · r_1 · r_2"),
                   QStringLiteral("(n − 1) · [n · (r_1 + r_2) − (n − 1) · d]")},
                  249);
}

QImage sh_links()
{
    return setzen({QStringLiteral("SH"), QStringLiteral("r_1 · d"),
                   QStringLiteral("n · (r_1 + r_2) − (n − 1) · d")},
                  185);
}

QImage sh_rechts()
{
    return setzen({QStringLiteral("S′H′"), QStringLiteral("r_2 · d"),
                   QStringLiteral("n · (r_1 + r_2) − (n − 1) · d")},
                  193);
}

}  // namespace formeln
