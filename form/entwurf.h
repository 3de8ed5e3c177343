#pragma once
// The main window as designed: its title, client size, menu and every
// control with its caption or start text, place and size in twips, tab
// index and visibility at start. Each front end builds its window from this
// one table.

#include "ansicht.h"

namespace entwurf {

inline constexpr const char* titel = "Geometrische Optik: Lichtbrechung durch sph\u00e4rische Vandrel";
inline constexpr int client_breite = 13950;  // twips, 930 pixels
inline constexpr int client_hoehe = 8550;    // twips, 570 pixels

// Positions and sizes are kept in twips; 15 twips make a pixel.
constexpr int pixel(int twips) { return (twips + 7) / 15; }

enum class Art { Kontrollkaestchen, Textfeld, Optionsfeld, Bezeichnung };

struct Steuerelement {
    const char* name;  // as on the form, UTF-8 ("txt_höhe")
    Art art;
    const char* text;  // caption or start text
    int links, oben, breite, hoehe;
    int tab_index;
    bool sichtbar;     // at start
    bool fett;
};

// In the order in which the form defines them.
inline constexpr int anzahl = 15;
extern const Steuerelement steuerelemente[anzahl];

// The entry box of a handler, and the other controls by name.
const Steuerelement& box(Box b);
const Steuerelement& element(const char* name);

// The menu: "&" marks the access key.
inline constexpr const char* mnu_Datei = "&Datei";
inline constexpr const char* mnu_copy = "&Kopieren";
inline constexpr const char* mnu_Ende = "Ende";
inline constexpr const char* mnu_info = "&Info";

}  // namespace entwurf
