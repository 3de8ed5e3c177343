#pragma once
// Numbers in the entry boxes and the cursor readout. The program is German:
// the decimal separator is the comma, and a typed '.' means the same (a point
// is never a thousands separator here), so "1.5" and "1,5" are both 1,5.

#include <QString>

#include <optional>

// The text as a finite Double, or nothing when it is no number: empty text,
// letters, more than one separator, "nan", "inf", an overflowing exponent,
// or a text longer than any number a user types.
std::optional<double> text_zu_zahl(const QString& text);

// 15 significant digits, trailing zeros dropped, decimal comma
// ("9,63932022500211", "1,5", "30"); reads back as the same value.
QString zahl_zu_text(double wert);

// One decimal, rounded half away from zero, decimal comma ("12,3", "-4,0").
QString zahl_eine_stelle(double wert);

// The cursor readout: "x = 12,3     y = -4,0".
QString cursor_text(double x, double y);
