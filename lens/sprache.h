#pragma once
// The language of everything a user reads. German is the program's own
// language and the default: its texts stand in the code as they are shown.
// Every other language is a catalogue compiled from po/<code>.po, which maps
// each German text to its translation; a text without one shows in German.
//
// Texts in tables are marked with N_ so that the catalogue's tools find
// them, and translated where they are shown. A sentence with a value in it
// is one text with placeholders %1 … %9, never glued together from pieces.

#include <initializer_list>
#include <string>
#include <string_view>

#define N_(text) text

namespace sprache {

namespace katalog {
struct Eintrag {
    const char* deutsch;
    const char* uebersetzung;
};
struct Sprache {
    const char* code;  // "de", "en"
    const char* name;  // in itself: "Deutsch", "English"
    char dezimalzeichen;
    const Eintrag* eintraege;  // sorted by the German text
    int anzahl_eintraege;
};
// German first, then one per catalogue.
extern const Sprache sprachen[];
extern const int anzahl;
}  // namespace katalog

// Chooses the language by its code ("de", "en", also "en_GB.UTF-8" or
// "en-US": the part before '_', '-' or '.' counts). False, and the language
// unchanged, where there is no such catalogue.
bool waehlen(std::string_view code);

// The language in use.
const katalog::Sprache& aktuell();

// The language for a list of preferences, best first, separated by ':' or
// ',' (as in $LANGUAGE or the browser's languages): the first one there is a
// catalogue for, German where none is.
const char* bevorzugt(std::string_view liste);

// The desktop's choice from the locale variables, as gettext reads them: the
// locale is the first of LC_ALL, LC_MESSAGES and LANG that is set; in the C
// or POSIX locale, or with none, the program speaks German. Otherwise
// LANGUAGE's list, if set, decides, and else the locale's language. Null
// stands for an unset variable.
const char* aus_umgebung(const char* language, const char* lc_all, const char* lc_messages, const char* lang);

// The decimal separator of the language in use: ',' in German, '.' in English.
char dezimalzeichen();

}  // namespace sprache

// The text in the language in use.
const char* uebersetzt(const char* deutsch);

// The same, with %1 … %9 replaced by the values, in order.
std::string uebersetzt(const char* deutsch, std::initializer_list<std::string_view> werte);
