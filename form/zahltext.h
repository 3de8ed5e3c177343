#pragma once
// Numbers in the entry boxes and the cursor readout. They are written with
// the language's decimal separator (the comma in German, the point in
// English), and read with either: a point is never a thousands separator
// here, nor a comma, so "1.5" and "1,5" are both 1,5 in every language.
// Texts are UTF-8.

#include "render/zahlformat.h"

#include <optional>
#include <string>
#include <string_view>

// The text as a finite Double, or nothing when it is no number: empty text,
// letters, more than one separator, "nan", "inf", an overflowing exponent.
// Blanks around the number are ignored; any length is read.
std::optional<double> text_zu_zahl(std::string_view text);

// A radius as typed: a number, where 0 is a plane surface, or the plane
// surface written as "∞", "unendlich", "infinity" or "inf" (any case,
// blanks around, a sign allowed), read as 0. Nothing when the text is
// neither.
std::optional<double> text_zu_radius(std::string_view text);

// A radius for its box: "∞" for a plane surface (0), otherwise as zahl_zu_text.
std::string radius_zu_text(double r);

// 15 significant digits, trailing zeros dropped, the language's separator
// ("9,63932022500211", "1,5", "30"); reads back as the same value.
std::string zahl_zu_text(double wert);

// The cursor readout: "x = 12,3     y = -4,0".
std::string cursor_text(double x, double y);
