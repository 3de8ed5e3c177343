#pragma once
// Numbers in the entry boxes and the cursor readout. The program is German:
// the decimal separator is the comma, and a typed '.' means the same (a point
// is never a thousands separator here), so "1.5" and "1,5" are both 1,5.
// Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

// The text as a finite Double, or nothing when it is no number: empty text,
// letters, more than one separator, "nan", "inf", an overflowing exponent.
// Blanks around the number are ignored; any length is read.
std::optional<double> text_zu_zahl(std::string_view text);

// 15 significant digits, trailing zeros dropped, decimal comma
// ("9,63932022500211", "1,5", "30"); reads back as the same value.
std::string zahl_zu_text(double wert);

// One decimal, rounded half away from zero, decimal comma ("12,3", "-4,0").
std::string zahl_eine_stelle(double wert);

// Two decimals, rounded half away from zero, decimal comma, and "-" only
// for a value that does not round to zero ("85,69", "-0,37", "0,00").
std::string zahl_zwei_stellen(double wert);

// The cursor readout: "x = 12,3     y = -4,0".
std::string cursor_text(double x, double y);
