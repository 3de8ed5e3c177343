#include "fehler.h"

#include <cfenv>
#include <cmath>

namespace {

const char* text(Fehlerart art)
{
    switch (art) {
    case Fehlerart::Ungueltig: return "Gleitkommafehler: ungültige Operation";
    case Fehlerart::DivisionDurchNull: return "Gleitkommafehler: Division durch Null";
    case Fehlerart::Ueberlauf: return "Gleitkommafehler: Überlauf";
    case Fehlerart::GanzzahlUeberlauf: return "Überlauf";
    case Fehlerart::Wurzel: return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case Fehlerart::Zeichnen: return "Zeichenfehler";
    }
    return "Laufzeitfehler";
}

}  // namespace

Laufzeitfehler::Laufzeitfehler(Fehlerart art) : std::runtime_error(text(art)), art_(art) {}

void fp_status_loeschen() noexcept
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void gleitkommafehler(double wert)
{
    const int status = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (std::isnan(wert) || (status & FE_INVALID)) {
        throw Laufzeitfehler(Fehlerart::Ungueltig);
    }
    if (status & FE_OVERFLOW) {
        throw Laufzeitfehler(Fehlerart::Ueberlauf);
    }
    if (status & FE_DIVBYZERO) {
        throw Laufzeitfehler(Fehlerart::DivisionDurchNull);
    }
    // An infinity carried in from an earlier, unchecked value.
    throw Laufzeitfehler(Fehlerart::Ueberlauf);
}

double Sqr(double x)
{
    if (x < 0 || std::isnan(x)) {
        throw Laufzeitfehler(Fehlerart::Wurzel);
    }
    return pruefe(std::sqrt(x));
}

Integer Integer::aus(long long w)
{
    if (w < -32768 || w > 32767) {
        throw Laufzeitfehler(Fehlerart::GanzzahlUeberlauf);
    }
    return Integer(static_cast<std::int16_t>(w));
}
