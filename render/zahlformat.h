#pragma once
// Number patterns of the drawing.

#include <string>

// Pattern "0": the nearest whole number (halves away from zero), no decimal
// separator, a minus sign only where the rounded value is negative.
std::string format_0(double wert);

// The decimal separator is the language's: the comma in German, the point in
// English (lens/sprache.h).

// One decimal, rounded half away from zero ("12,3", "-4,0").
std::string zahl_eine_stelle(double wert);

// Two decimals, rounded half away from zero, and "-" only
// for a value that does not round to zero ("85,69", "-0,37", "0,00").
std::string zahl_zwei_stellen(double wert);
