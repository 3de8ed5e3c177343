#pragma once
// The menu "Beispiele": scenes that each show one lesson at the start frame,
// one click away. Each is a scene in the address form (form/szenenoptionen),
// taken over as the command line opens it.

#include "ansicht.h"
#include "szenenoptionen.h"

#include <cstddef>
#include <functional>

class GrafikKern;

struct Beispiel {
    const char* titel;  // the menu item, German, shown through uebersetzt(); "&" marks the access key
    const char* szene;  // "r1=-40&r2=-40&abbildung&strahlen"
};

// In the order of the menu.
inline constexpr int beispiel_anzahl = 8;
extern const Beispiel beispiele[beispiel_anzahl];

// Shows the example as a fresh window with its scene on the command line
// would, whatever the window showed before: the boxes and inputs back to
// their start (GrafikKern::neu_beginnen), then the scene taken over
// (szene_uebernehmen), which also selects its mode and sets the check box.
// weiter is asked after each value with its index in
// szene_aus_adresse(beispiel.szene).werte; false stops there.
void beispiel_waehlen(const Beispiel& beispiel, Ansicht& ansicht, GrafikKern& kern, const Szenenschalter& schalter,
                      const std::function<bool(std::size_t)>& weiter = {});
