#pragma once
// The catalogue's text (lens/sprache.h) as a QString. Its placeholders
// %1 … %9 are QString::arg's, so a sentence with values reads
// uebersetzt_q("nach %1 fehlt der Wert").arg(name).

#include "lens/sprache.h"

#include <QString>

inline QString uebersetzt_q(const char* deutsch)
{
    return QString::fromUtf8(uebersetzt(deutsch));
}
