#pragma once
// The four formula bitmaps of the info window, typeset at run time in two
// colours (white paper, near-black ink) so that they look like the output of
// a formula editor.

#include <QImage>
#include <QString>

namespace formeln {

inline constexpr QRgb papier = 0xFFFFFFFF;
inline constexpr QRgb tinte = 0xFF040404;
inline constexpr int hoehe = 47;

// One equation: its name on the left, then "=", then a fraction.
// The three parts use a small markup: letters are set italic, digits and
// brackets upright, primes (′) leaning with the letters, "·", "−", "+" and "="
// as operators with space around them; "_" followed by letters or digits sets
// them as a subscript (a single letter italic, a word such as "dick" upright).
// Blanks are ignored (operators bring their own spacing).
struct Formel {
    QString name;
    QString zaehler;
    QString nenner;
};

// Typesets the equation into a white image of the given width and the common
// height, in the largest font size (up to a comfortable one) that fits.
QImage setzen(const Formel& formel, int breite);

// Focal length of the thin lens (Picture2, 133 px wide).
QImage f_duenn();
// Focal length of the thick lens (Picture1, 249 px wide).
QImage f_dick();
// Left vertex to the first principal plane (Picture3, 185 px wide).
QImage sh_links();
// Second principal plane to the right vertex (Picture4, 193 px wide).
QImage sh_rechts();

}  // namespace formeln
