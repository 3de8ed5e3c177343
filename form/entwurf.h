#pragma once
// The main window as designed: its title, client size, menu and every
// control with its caption or start text, place and size in twips, tab
// index and visibility at start. Each front end builds its window from this
// one table.
//
// Its texts are German, marked with N_: a front end shows each through
// uebersetzt(), in the language in use, and a box's start text through
// starttext(), with the language's decimal separator.

#include "ansicht.h"
#include "lens/sprache.h"

#include <string>

namespace entwurf {

inline constexpr const char* titel = N_("Geometrische Optik: Lichtbrechung durch sph\u00e4rische Vandrel");
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
// A control's start text or caption in the language in use; a number as the
// language writes it: "1,5" in German, "1.5" in English.
std::string starttext(const Steuerelement& e);
std::string starttext(Box b);

// The option button selected at start: the focus mode.
inline constexpr const char* start_modus = "opt_fokus";

// The drawing, for screen readers. It takes the focus after the object's
// boxes and before the check box, and its arrow keys move the object, or
// the lens (GrafikKern::Pfeiltaste).
inline constexpr const char* grafik_name =
    N_("Zeichnung: Pfeiltasten verschieben den Gegenstand, Alt+Pfeiltasten die Linse");
inline constexpr const char* grafik_beschreibung =
    N_("Die Linse mit den Hauptebenen H und H', den Brennpunkten F und F' der dicken Linse (blau) und der "
       "d\u00fcnnen Linse (schwarz) und, je nach Modus, den Lichtstrahlen oder Gegenstand und Bild. Die Position "
       "des Mauszeigers in der Grafik steht im Feld Cursorposition.");

// The cursor readout for screen readers on the page, where a label needs a
// name of its own besides its text (the desktop's readout is named by it).
inline constexpr const char* cursor_name = N_("Cursorposition");

// The menu bar's name for screen readers, on the page, where the bar is a
// part of the page among others.
inline constexpr const char* menue_name = N_("Men\u00fcleiste");

// The measured values' scrolling area on the page, for screen readers: it
// takes the focus, and the arrow keys and Page Up / Page Down scroll it.
inline constexpr const char* messwerte_werte_name = N_("Werte");

// The menu: "&" marks the access key.
inline constexpr const char* mnu_Datei = N_("&Datei");
inline constexpr const char* mnu_copy = N_("&Kopieren");
// The browser page's only: puts its address, which holds the scene, on the clipboard.
inline constexpr const char* mnu_link = N_("&Link kopieren");
inline constexpr const char* mnu_Ende = N_("&Ende");
inline constexpr const char* mnu_messwerte = N_("&Messwerte");
// Its items are the examples' captions (form/beispiele.h).
inline constexpr const char* mnu_beispiele = N_("&Beispiele");
// Its one item is checked while the window is shown for a projector.
inline constexpr const char* mnu_ansicht = N_("&Ansicht");
inline constexpr const char* mnu_projektor = N_("&Projektor");
inline constexpr const char* mnu_info = N_("&Info");

// The projector view enlarges the controls, their text and the picture by
// this factor: the picture is drawn as the picture export draws its larger
// sizes, at this many times the screen's pixels per logical pixel on a
// client area as many times smaller, so that lines, points and text grow
// and nothing else changes.
inline constexpr int projektor_massstab = 2;

}  // namespace entwurf
