#include "fehler.h"

#include "sprache.h"

#include <cfenv>
#include <cmath>

namespace {

#if defined(FE_INVALID) && defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
constexpr int fe_ungueltig = FE_INVALID, fe_durch_null = FE_DIVBYZERO, fe_ueberlauf = FE_OVERFLOW;
#else
// WebAssembly keeps no floating-point status flags: there the value alone
// tells the kind of fault.
constexpr int fe_ungueltig = 0, fe_durch_null = 0, fe_ueberlauf = 0;
#endif

const char* text(Fehlerart art)
{
    switch (art) {
    case Fehlerart::Ungueltig: return N_("Gleitkommafehler: ungültige Operation");
    case Fehlerart::DivisionDurchNull: return N_("Gleitkommafehler: Division durch Null");
    case Fehlerart::Ueberlauf: return N_("Gleitkommafehler: Überlauf");
    case Fehlerart::GanzzahlUeberlauf: return N_("Überlauf");
    case Fehlerart::Wurzel: return N_("Ungültiger Prozeduraufruf oder ungültiges Argument");
    case Fehlerart::Zeichnen: return N_("Zeichenfehler");
    }
    return N_("Laufzeitfehler");
}

}  // namespace

Laufzeitfehler::Laufzeitfehler(Fehlerart art) : std::runtime_error(uebersetzt(text(art))), art_(art) {}

void fp_status_loeschen() noexcept
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void gleitkommafehler(double wert)
{
    const int status = fe_ungueltig | fe_durch_null | fe_ueberlauf
                           ? std::fetestexcept(fe_ungueltig | fe_durch_null | fe_ueberlauf)
                           : 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (std::isnan(wert) || (status & fe_ungueltig)) {
        throw Laufzeitfehler(Fehlerart::Ungueltig);
    }
    if (status & fe_ueberlauf) {
        throw Laufzeitfehler(Fehlerart::Ueberlauf);
    }
    if (status & fe_durch_null) {
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
