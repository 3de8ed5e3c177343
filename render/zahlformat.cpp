#include "zahlformat.h"

#include <cmath>
#include <cstdio>

std::string format_0(double wert)
{
    double gerundet = std::round(wert);
    if (gerundet == 0) {
        gerundet = 0;  // no "-0" for small negative values
    }
    // 309 digits are the most a finite Double can have before the point.
    char puffer[320];
    std::snprintf(puffer, sizeof puffer, "%.0f", gerundet);
    return puffer;
}
