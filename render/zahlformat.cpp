#include "zahlformat.h"

#include "lens/sprache.h"

#include <charconv>
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

namespace {

// Fixed decimals, rounded half away from zero, the language's decimal
// separator. A value that
// rounds to zero keeps its minus sign only where the readout wants it.
std::string festkomma(double wert, int stellen, bool minus_bei_null)
{
    if (!std::isfinite(wert)) {
        return {};
    }
    const double teiler = stellen == 1 ? 10.0 : 100.0;
    const double teile = std::round(std::fabs(wert) * teiler);
    const double ganz = std::floor(teile / teiler);
    const int rest = static_cast<int>(teile - ganz * teiler);
    const bool minus = wert < 0 && (minus_bei_null || teile > 0);
    std::string text = minus ? "-" : "";
    if (ganz < 1e18) {
        // The measured values format some fifty numbers after every redraw:
        // whole numbers the fast way, printf only for the huge.
        char ziffern[24];
        const auto ende = std::to_chars(ziffern, ziffern + sizeof ziffern, static_cast<long long>(ganz)).ptr;
        text.append(ziffern, ende);
    } else {
        char puffer[400];  // the largest Double has 309 digits
        std::snprintf(puffer, sizeof puffer, "%.0f", ganz);
        text += puffer;
    }
    text += sprache::dezimalzeichen();
    if (stellen == 2) {
        text += static_cast<char>('0' + rest / 10);
    }
    text += static_cast<char>('0' + rest % 10);
    return text;
}

}  // namespace

std::string zahl_eine_stelle(double wert)
{
    return festkomma(wert, 1, true);
}

std::string zahl_zwei_stellen(double wert)
{
    return festkomma(wert, 2, false);
}

