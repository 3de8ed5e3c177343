#pragma once
// The floating-point check of every stored Double step, with its common case
// inlined: the ray march runs it thousands of times per ray.

#include "lens/fehler.h"

#include <cmath>

inline double geprueft(double wert)
{
    if (std::isfinite(wert)) [[likely]] {
        return wert;
    }
    return pruefe(wert);  // throws the matching Laufzeitfehler
}
