#pragma once
// The command line. It is read before any application object exists, so
// that --help, --version and a wrong option answer without a display.

#include "form/ansicht.h"
#include "form/entwurf.h"
#include "form/szenenoptionen.h"

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
    // (uebernahme_reihenfolge, form/szenenoptionen.h), whatever their order
    // on the command line.
    std::vector<Szenenwert> werte;
    bool abbildung = false;
    bool strahlen = false;
    QString bild;  // empty: no picture file, the window opens
    QSize groesse = bild_standardgroesse;
    bool werte_ausgeben = false;  // --werte: print the measured values, open no window
};

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

// Takes the scene over as a user would (the core's szene_uebernehmen, also
// the page's): the mode and the rays as the command line says, then each
// value typed into its box and the box left. weiter is asked after each
// value; false stops there.
void szene_uebernehmen(const Befehlszeile& befehl, Ansicht& ansicht, GrafikKern& kern,
                       const Szenenschalter& schalter,
                       const std::function<bool(const Szenenwert&)>& weiter = {});
