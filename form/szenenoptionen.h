#pragma once
// A scene as options: one per entry box ("r1", "max-x", …), "abbildung" and
// "strahlen". The desktop reads them from its command line (--r1 40), the
// browser page from its address (?r1=40); both take them over here, typed
// into the boxes in one order, and the page writes its address back from
// the scene on screen.

#include "ansicht.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class GrafikKern;

struct Szenenoption {
    const char* name;  // without dashes: "objekt-hoehe"
    Box box;
    const char* beschreibung;  // for --help: German, shown through uebersetzt()
};

// In the order of the boxes on the window.
inline constexpr int szenenoption_anzahl = 8;
extern const Szenenoption szenenoptionen[szenenoption_anzahl];

// The lens position's lower bound depends on the lens's shape and the
// object's upper bound on the whole lens, so these come first; otherwise the
// boxes' tab order.
inline constexpr Box uebernahme_reihenfolge[] = {Box::R1_a,    Box::R1_b, Box::n1,  Box::Nmax,
                                                 Box::d1_plus, Box::X1_0, Box::ort, Box::hoehe};

inline constexpr const char* option_abbildung = "abbildung";
inline constexpr const char* option_strahlen = "strahlen";
// Not part of the scene but of how the page shows it: the projector view.
inline constexpr const char* option_projektor = "projektor";
// The page's language ("sprache=en"): no part of the scene, but kept with it
// in the address, so that a link opens in the language it was chosen in.
inline constexpr const char* option_sprache = "sprache";

// The option of a box.
const Szenenoption& szenenoption(Box box);

struct Szenenangabe {
    struct Wert {
        Box box;
        std::string text;    // as written, taken over like text typed into the box
        std::string option;  // its option's name, for messages
    };
    // At most one value per box, in take-over order.
    std::vector<Wert> werte;
    bool abbildung = false;
    bool strahlen = false;
    bool projektor = false;
    std::string sprache;  // as the address names it, empty without
};

// The query of an address ("r1=40&n=1,7&abbildung", with or without its
// "?"): percent escapes and '+' for a blank decoded; a name given twice
// counts with its last value; unknown names are left alone (an address
// collects others' parameters); a box's name without "=" is an empty text.
Szenenangabe szene_aus_adresse(std::string_view abfrage);

// The scene the picture shows as such a query, without "?": the values
// taken over that differ from the start values, in window order, written
// as a box writes a value back (a plane radius as "unendlich"), then
// "abbildung" and "strahlen" when chosen, "projektor" in the projector view,
// and last a language named (sprache) as "sprache=en"; empty for the start
// scene in the ordinary view and the browser's language. A box's text that
// was never taken over is no part of it. Only letters, digits and "-._~,"
// stand as they are, everything else is percent-escaped.
std::string szene_als_adresse(const Ansicht& ansicht, bool projektor = false, std::string_view sprache = {});

// What selects a mode and checks or unchecks the rays on a view, the way a
// click on the control does (so that the core's click handlers run). Each
// is called only when it changes the control.
struct Szenenschalter {
    std::function<void()> abbildung_waehlen;
    std::function<void()> fokus_waehlen;
    std::function<void()> strahlen_einschalten;
    std::function<void()> strahlen_ausschalten;
};

// Takes the scene over as a user would: first the mode (the focus mode
// unless the scene names "abbildung") and the rays on or off as the scene
// says, so that every value meets the scene it is meant for (the object's
// boxes are there only in the imaging mode, and a value whose redraw fails
// in it fails as typing it there would); then each value typed into its box
// and the box left (Tab), in take-over order. weiter is asked after each
// value with its index; false stops there.
void szene_uebernehmen(const Szenenangabe& szene, Ansicht& ansicht, GrafikKern& kern,
                       const Szenenschalter& schalter,
                       const std::function<bool(std::size_t)>& weiter = {});
