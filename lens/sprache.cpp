#include "sprache.h"

#include <algorithm>
#include <cstring>

namespace sprache {

namespace {

const katalog::Sprache* gewaehlt = &katalog::sprachen[0];

std::string_view sprachteil(std::string_view code)
{
    return code.substr(0, std::min(code.find_first_of("_-.@"), code.size()));
}

const katalog::Sprache* suchen(std::string_view code)
{
    const std::string_view teil = sprachteil(code);
    if (teil.empty()) {
        return nullptr;
    }
    for (int i = 0; i < katalog::anzahl; ++i) {
        if (teil == katalog::sprachen[i].code) {
            return &katalog::sprachen[i];
        }
    }
    return nullptr;
}

bool gesetzt(const char* wert) { return wert != nullptr && *wert != '\0'; }

}  // namespace

bool waehlen(std::string_view code)
{
    const katalog::Sprache* s = suchen(code);
    if (s != nullptr) {
        gewaehlt = s;
    }
    return s != nullptr;
}

const katalog::Sprache& aktuell() { return *gewaehlt; }

const char* bevorzugt(std::string_view liste)
{
    while (!liste.empty()) {
        const std::size_t ende = std::min(liste.find_first_of(":,"), liste.size());
        std::string_view eintrag = liste.substr(0, ende);
        while (!eintrag.empty() && eintrag.front() == ' ') {
            eintrag.remove_prefix(1);
        }
        if (const katalog::Sprache* s = suchen(eintrag)) {
            return s->code;
        }
        liste.remove_prefix(std::min(ende + 1, liste.size()));
    }
    return katalog::sprachen[0].code;
}

const char* aus_umgebung(const char* language, const char* lc_all, const char* lc_messages, const char* lang)
{
    const char* ort = gesetzt(lc_all) ? lc_all : gesetzt(lc_messages) ? lc_messages : lang;
    if (!gesetzt(ort) || sprachteil(ort) == "C" || sprachteil(ort) == "POSIX") {
        return katalog::sprachen[0].code;
    }
    return bevorzugt(gesetzt(language) ? language : ort);
}

char dezimalzeichen() { return gewaehlt->dezimalzeichen; }

}  // namespace sprache

const char* uebersetzt(const char* deutsch)
{
    const auto& s = sprache::aktuell();
    const auto* ende = s.eintraege + s.anzahl_eintraege;
    const auto* e = std::lower_bound(s.eintraege, ende, deutsch, [](const auto& a, const char* b) {
        return std::strcmp(a.deutsch, b) < 0;
    });
    return e != ende && std::strcmp(e->deutsch, deutsch) == 0 ? e->uebersetzung : deutsch;
}

std::string uebersetzt(const char* deutsch, std::initializer_list<std::string_view> werte)
{
    const std::string_view text = uebersetzt(deutsch);
    std::string ergebnis;
    ergebnis.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < werte.size()) {
                ergebnis += werte.begin()[n];
                ++i;
                continue;
            }
        }
        ergebnis += c;
    }
    return ergebnis;
}
