#pragma once
// Run-time errors of the program. Every routine ends at the failing step and
// the error travels up to the nearest caller that handles it (the parameter
// entry handlers, or the window's top level for redraws nobody else catches).

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

enum class Fehlerart {
    Ungueltig,          // floating point: invalid operation (NaN)
    DivisionDurchNull,  // floating point: division by zero
    Ueberlauf,          // floating point: overflow
    GanzzahlUeberlauf,  // 16-bit Integer left -32768..32767
    Wurzel,             // negative argument of a square root
    Zeichnen,           // a drawing call failed
};

class Laufzeitfehler : public std::runtime_error {
public:
    explicit Laufzeitfehler(Fehlerart art);
    Fehlerart art() const noexcept { return art_; }

private:
    Fehlerart art_;
};

// Throws the Laufzeitfehler for a non-finite step result. The floating-point
// status flags only refine which kind of fault it was; they are cleared.
[[noreturn]] void gleitkommafehler(double wert);

// Checks one Double step after its result has been stored: a NaN or an
// infinity is the fault. Inline, since the ray march runs it at every step.
inline double pruefe(double wert)
{
    if (std::isfinite(wert)) [[likely]] {
        return wert;
    }
    gleitkommafehler(wert);
}

// Square root that treats a negative argument as its own error.
double Sqr(double x);

// Drops stale floating-point status flags before a routine starts checking.
void fp_status_loeschen() noexcept;

// 16-bit signed Integer whose arithmetic traps overflow.
class Integer {
public:
    constexpr Integer() = default;
    constexpr Integer(std::int16_t w) : wert_(w) {}  // NOLINT: used like the built-in type
    static Integer aus(long long w);                 // throws when out of range

    constexpr std::int16_t wert() const noexcept { return wert_; }
    constexpr operator double() const noexcept { return wert_; }  // NOLINT: widening is always exact

    friend Integer operator+(Integer a, Integer b) { return aus(static_cast<long long>(a.wert_) + b.wert_); }
    friend Integer operator-(Integer a, Integer b) { return aus(static_cast<long long>(a.wert_) - b.wert_); }
    friend Integer operator*(Integer a, Integer b) { return aus(static_cast<long long>(a.wert_) * b.wert_); }
    friend constexpr bool operator==(Integer a, Integer b) { return a.wert_ == b.wert_; }

private:
    std::int16_t wert_ = 0;
};

// Booleans of 16 bits: True is -1, False is 0.
using Flag = std::int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;
