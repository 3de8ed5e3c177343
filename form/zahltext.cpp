#include "form/zahltext.h"

#include "lens/sprache.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <version>

namespace {

// A plain decimal number ("-12.5e3") as a Double: result_out_of_range when it
// overflows to infinity or underflows to zero. Where the library has no
// floating-point from_chars (the browser build's), strtod does the same: the
// browser's C library has no locale but "C".
std::from_chars_result dezimal_lesen(const char* anfang, const char* ende, double& wert)
{
#if __cpp_lib_to_chars >= 201611L
    return std::from_chars(anfang, ende, wert);
#else
    const std::string kopie(anfang, ende);
    char* rest = nullptr;
    errno = 0;
    const double v = std::strtod(kopie.c_str(), &rest);
    const char* gelesen = anfang + (rest - kopie.c_str());
    if (errno == ERANGE && (std::isinf(v) || v == 0)) {
        return {gelesen, std::errc::result_out_of_range};
    }
    wert = v;
    return {gelesen, std::errc()};
#endif
}

// 15 significant digits as printf's %.15g writes them in the "C" locale.
std::string fuenfzehn_stellen(double wert)
{
    char puffer[64];
#if __cpp_lib_to_chars >= 201611L
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 15);
    return std::string(puffer, ergebnis.ptr);
#else
    const int n = std::snprintf(puffer, sizeof puffer, "%.15g", wert);
    return std::string(puffer, n > 0 ? static_cast<std::size_t>(n) : 0);
#endif
}

bool ziffer(char c)
{
    return c >= '0' && c <= '9';
}

// The length in bytes of a blank at the start of s (ASCII white space and
// the Unicode space separators, in UTF-8), or 0.
std::size_t blank_am_anfang(std::string_view s)
{
    if (s.empty()) {
        return 0;
    }
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    if (c == ' ' || (c >= '\t' && c <= '\r')) {
        return 1;
    }
    if (s.size() >= 2 && c == 0xC2 && (b(1) == 0x85 || b(1) == 0xA0)) {
        return 2;  // U+0085, U+00A0
    }
    if (s.size() >= 3) {
        const unsigned v = (c << 16) | (b(1) << 8) | b(2);
        if (v == 0xE19A80 || (v >= 0xE28080 && v <= 0xE2808A) || v == 0xE280A8 || v == 0xE280A9 ||
            v == 0xE280AF || v == 0xE2819F || v == 0xE38080) {
            return 3;  // U+1680, U+2000..U+200A, U+2028, U+2029, U+202F, U+205F, U+3000
        }
    }
    return 0;
}

std::size_t blank_am_ende(std::string_view s)
{
    for (std::size_t n = 1; n <= 3 && n <= s.size(); ++n) {
        const std::string_view rest = s.substr(s.size() - n);
        if (blank_am_anfang(rest) == n) {
            return n;
        }
    }
    return 0;
}

std::string_view ohne_blanks(std::string_view s)
{
    while (const std::size_t n = blank_am_anfang(s)) {
        s.remove_prefix(n);
    }
    while (const std::size_t n = blank_am_ende(s)) {
        s.remove_suffix(n);
    }
    return s;
}

}  // namespace

std::optional<double> text_zu_zahl(std::string_view roh)
{
    const std::string_view text = ohne_blanks(roh);
    if (text.empty()) {
        return std::nullopt;
    }

    // Checked by hand rather than with a locale: digits are ASCII only, one
    // optional sign, at most one separator, an optional exponent. Any other
    // byte, the first byte of a non-ASCII character included, ends the number.
    std::string zeichen;
    zeichen.reserve(text.size());
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') {
            zeichen += '-';
        }
        ++i;
    }
    std::size_t ziffern = 0;
    long ganze_ziffern = 0;  // significant digits before the separator
    bool trenner = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (ziffer(c)) {
            if (!trenner && (ganze_ziffern > 0 || c != '0')) {
                ++ganze_ziffern;
            }
            ++ziffern;
            zeichen += c;
        } else if ((c == ',' || c == '.') && !trenner) {
            trenner = true;
            zeichen += '.';
        } else {
            break;
        }
    }
    if (ziffern == 0) {
        return std::nullopt;
    }
    long exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E') {
            return std::nullopt;
        }
        zeichen += 'e';
        ++i;
        bool negativ = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativ = text[i] == '-';
            zeichen += text[i];
            ++i;
        }
        int exp_ziffern = 0;
        for (; i < text.size() && ziffer(text[i]); ++i) {
            zeichen += text[i];
            // Past this the exponent outweighs any number of digits a box can hold.
            if (exponent < 100000000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++exp_ziffern;
        }
        if (exp_ziffern == 0 || i < text.size()) {
            return std::nullopt;
        }
        if (negativ) {
            exponent = -exponent;
        }
    }

    double wert = 0;
    const char* anfang = zeichen.data();
    const char* ende = anfang + zeichen.size();
    const auto [rest, fehler] = dezimal_lesen(anfang, ende, wert);
    if (rest != ende) {
        return std::nullopt;
    }
    if (fehler == std::errc::result_out_of_range) {
        // Too large is no number; too small is simply zero.
        if (ganze_ziffern + exponent > 0) {
            return std::nullopt;
        }
        return zeichen[0] == '-' ? -0.0 : 0.0;
    }
    if (fehler != std::errc() || !std::isfinite(wert)) {
        return std::nullopt;
    }
    return wert;
}

std::optional<double> text_zu_radius(std::string_view roh)
{
    std::string_view text = ohne_blanks(roh);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    std::string klein(text);
    for (char& c : klein) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    // The word in either language, whichever is shown: the boxes' help names it.
    if (klein == "\u221e" || klein == "unendlich" || klein == "infinity" || klein == "inf") {
        return 0.0;
    }
    return text_zu_zahl(roh);
}

std::string radius_zu_text(double r)
{
    return r == 0 ? "\u221e" : zahl_zu_text(r);
}

std::string zahl_zu_text(double wert)
{
    if (wert == 0) {
        return "0";  // also for -0
    }
    std::string text = fuenfzehn_stellen(wert);
    for (char& c : text) {
        if (c == '.') {
            c = sprache::dezimalzeichen();
        } else if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::string cursor_text(double x, double y)
{
    return uebersetzt("x = %1     y = %2", {zahl_eine_stelle(x), zahl_eine_stelle(y)});
}
