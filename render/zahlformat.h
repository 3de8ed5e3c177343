#pragma once
// Number patterns of the drawing.

#include <string>

// Pattern "0": the nearest whole number (halves away from zero), no decimal
// separator, a minus sign only where the rounded value is negative.
std::string format_0(double wert);
