#pragma once
// The command line. It is read before any application object exists, so
// that --help, --version and a wrong option answer without a display.

#include "form/ansicht.h"
#include "form/entwurf.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class GrafikKern;

struct Szenenwert {
    Box box;         // the entry box the option fills
    QString text;    // as written, taken over like text typed into the box
    QString option;  // as the user wrote it ("--r1"), for messages
};

// The window's client area at design size.
inline constexpr QSize bild_standardgroesse{entwurf::pixel(entwurf::client_breite),
                                            entwurf::pixel(entwurf::client_hoehe)};

struct Befehlszeile {
    // At most one value per box, in the order in which they are taken over
    // (uebernahme_reihenfolge), whatever their order on the command line.
    std::vector<Szenenwert> werte;
    bool abbildung = false;
    bool strahlen = false;
    QString bild;  // empty: no picture file, the window opens
    QSize groesse = bild_standardgroesse;
    bool werte_ausgeben = false;  // --werte: print the measured values, open no window
};

// The lens position's lower bound depends on the lens's shape and the
// object's upper bound on the whole lens, so these come first; otherwise the
// boxes' tab order.
inline constexpr Box uebernahme_reihenfolge[] = {Box::R1_a,    Box::R1_b, Box::n1,  Box::Nmax,
                                                 Box::d1_plus, Box::X1_0, Box::ort, Box::hoehe};

struct Auswertung {
    enum class Aktion { Weiter, Hilfe, Version, Fehler };
    Aktion aktion = Aktion::Weiter;
    // The help or version text for standard output, or the error message
    // with the hint to --help for standard error; ends with a newline.
    QString text;
    // 0 for help and version, 2 for an error.
    int rueckgabe = 0;
    Befehlszeile befehl;
};

// argumente[0] is the program's name. A scene value that is no number at
// all is an error here already, before any window opens; every other value
// is left to the box's own entry rules. Qt's own window-system options
// (-platform, -style, -display, …) pass unchecked: the application object
// reads them later.
Auswertung befehlszeile_auswerten(const QStringList& argumente);

// "vandrel 1.0", the copyright and the license.
QString versionstext();
QString hilfetext();

// What selects the mode and checks the rays on a view, the way a click on
// the control does (so that the core's click handlers run).
struct Szenenschalter {
    std::function<void()> abbildung_waehlen;
    std::function<void()> strahlen_einschalten;
};

// Takes the scene over as a user would: first the mode and the rays, so
// that every value meets the scene it is meant for (the object's boxes are
// there only in the imaging mode, and a value whose redraw fails in it
// fails as typing it there would); then each value typed into its box and
// the box left (Tab), in take-over order. weiter is asked after each value;
// false stops there.
void szene_uebernehmen(const Befehlszeile& befehl, Ansicht& ansicht, GrafikKern& kern,
                       const Szenenschalter& schalter,
                       const std::function<bool(const Szenenwert&)>& weiter = {});
