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
inline constexpr int twips_je_pixel = 15;
constexpr int pixel(int twips) { return (twips + twips_je_pixel / 2) / twips_je_pixel; }

enum class Art { Kontrollkaestchen, Textfeld, Optionsfeld, Bezeichnung };

struct Steuerelement {
    const char* name;  // as on the form, UTF-8 ("txt_höhe")
    Art art;
    const char* text;  // caption or start text
    int links, oben, breite, hoehe;
    int tab_index;
    bool sichtbar;     // at start
    bool fett;
    // For screen readers: what the control is (empty where a label's own,
    // changing text says it), and what it holds or does.
    const char* zugang_name;
    const char* zugang_beschreibung;
};

// In the order in which the form defines them.
inline constexpr int anzahl = 15;
extern const Steuerelement steuerelemente[anzahl];

// The entry box of a handler, and the other controls by name.
const Steuerelement& box(Box b);
const Steuerelement& element(const char* name);

// The option button selected at start: the focus mode.
inline constexpr const char* start_modus = "opt_fokus";

// The drawing, for screen readers. It takes the focus after the object's
// boxes and before the check box, and its arrow keys move the object, or
// the lens (GrafikKern::Pfeiltaste).
inline constexpr const char* grafik_name = "Zeichnung: Pfeiltasten verschieben den Gegenstand, Alt+Pfeiltasten die Linse";
inline constexpr const char* grafik_beschreibung =
    "Die Linse mit den Hauptebenen H und H', den Brennpunkten F und F' der dicken Linse (blau) und der "
    "d\u00fcnnen Linse (schwarz) und, je nach Modus, den Lichtstrahlen oder Gegenstand und Bild. Die Position "
    "des Mauszeigers in der Grafik steht im Feld Cursorposition.";

// The cursor readout for screen readers on the page, where a label needs a
// name of its own besides its text (the desktop's readout is named by it).
inline constexpr const char* cursor_name = "Cursorposition";

// The menu bar's name for screen readers, on the page, where the bar is a
// part of the page among others.
inline constexpr const char* menue_name = "Men\u00fcleiste";

// The measured values' scrolling area on the page, for screen readers: it
// takes the focus, and the arrow keys and Page Up / Page Down scroll it.
inline constexpr const char* messwerte_werte_name = "Werte";

// The menu: "&" marks the access key.
inline constexpr const char* mnu_Datei = "&Datei";
inline constexpr const char* mnu_copy = "&Kopieren";
// The browser page's only: puts its address, which holds the scene, on the clipboard.
inline constexpr const char* mnu_link = "&Link kopieren";
inline constexpr const char* mnu_Ende = "&Ende";
inline constexpr const char* mnu_messwerte = "&Messwerte";
// Its items are the examples' captions (form/beispiele.h).
inline constexpr const char* mnu_beispiele = "&Beispiele";
inline constexpr const char* mnu_info = "&Info";

}  // namespace entwurf
