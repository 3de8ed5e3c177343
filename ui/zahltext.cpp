#include "ui/zahltext.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// No number anyone types is longer; this also bounds the work on pasted text.
constexpr qsizetype laengste_zahl = 64;

bool ziffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

std::optional<double> text_zu_zahl(const QString& roh)
{
    const QString text = roh.trimmed();
    if (text.isEmpty() || text.size() > laengste_zahl) {
        return std::nullopt;
    }

    // Checked by hand rather than with a locale: digits are ASCII only, one
    // optional sign, at most one separator, an optional exponent.
    std::string zeichen;
    zeichen.reserve(static_cast<size_t>(text.size()));
    qsizetype i = 0;
    if (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')) {
        if (text[i] == QLatin1Char('-')) {
            zeichen += '-';
        }
        ++i;
    }
    int ziffern = 0;
    int ganze_ziffern = 0;  // significant digits before the separator
    bool trenner = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (ziffer(c)) {
            if (!trenner && (ganze_ziffern > 0 || c != QLatin1Char('0'))) {
                ++ganze_ziffern;
            }
            ++ziffern;
            zeichen += static_cast<char>(c.unicode());
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !trenner) {
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
        if (text[i] != QLatin1Char('e') && text[i] != QLatin1Char('E')) {
            return std::nullopt;
        }
        zeichen += 'e';
        ++i;
        bool negativ = false;
        if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negativ = text[i] == QLatin1Char('-');
            zeichen += static_cast<char>(text[i].unicode());
            ++i;
        }
        int exp_ziffern = 0;
        for (; i < text.size() && ziffer(text[i]); ++i) {
            zeichen += static_cast<char>(text[i].unicode());
            if (exponent < 100000) {
                exponent = exponent * 10 + (text[i].unicode() - '0');
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
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
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

QString zahl_zu_text(double wert)
{
    if (wert == 0) {
        return QStringLiteral("0");  // also for -0
    }
    char puffer[64];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 15);
    QString text = QString::fromLatin1(puffer, ergebnis.ptr - puffer);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

QString zahl_eine_stelle(double wert)
{
    if (!std::isfinite(wert)) {
        return QString();
    }
    const double zehntel = std::round(std::fabs(wert) * 10.0);
    const double ganz = std::floor(zehntel / 10.0);
    const int stelle = static_cast<int>(zehntel - ganz * 10.0);
    QString text = wert < 0 ? QStringLiteral("-") : QString();
    text += QString::number(ganz, 'f', 0);
    text += QLatin1Char(',');
    text += QChar(QLatin1Char('0' + stelle));
    return text;
}

QString cursor_text(double x, double y)
{
    return QStringLiteral("x = ") + zahl_eine_stelle(x) + QStringLiteral("     y = ") + zahl_eine_stelle(y);
}
