#pragma once
// The command line. It is read before any application object exists, so
// that --help, --version and a wrong option answer without a display.

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// The entry box that a scene option fills, in tab order of the window.
enum class Feld { X1_0, R1_a, R1_b, n1, Nmax, d1_plus, ort, hoehe };

struct Szenenwert {
    Feld feld;
    QString text;  // as written, taken over like text typed into the box
};

inline constexpr QSize bild_standardgroesse{930, 570};
inline constexpr int bild_kleinste_kante = 100;
inline constexpr int bild_groesste_kante = 8000;

struct Befehlszeile {
    // At most one value per box, in the order in which they are taken over
    // (uebernahme_reihenfolge), whatever their order on the command line.
    std::vector<Szenenwert> werte;
    bool abbildung = false;
    bool strahlen = false;
    QString bild;  // empty: no picture file, the window opens
    QSize groesse = bild_standardgroesse;
    // The scene and picture options given, as written ("--ort"), in
    // command-line order.
    QStringList angegeben;
};

// The lens position's lower bound depends on the lens's shape and the
// object's upper bound on the whole lens, so these come first; otherwise the
// boxes' tab order.
inline constexpr Feld uebernahme_reihenfolge[] = {Feld::R1_a, Feld::R1_b, Feld::n1,  Feld::Nmax,
                                                  Feld::d1_plus, Feld::X1_0, Feld::ort, Feld::hoehe};

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

// argumente[0] is the program's name. Qt's own window-system options
// (-platform, -style, -display, …) pass unchecked: the application object
// reads them later.
Auswertung befehlszeile_auswerten(const QStringList& argumente);

// "vandrel 1.0", the copyright and the license.
QString versionstext();
QString hilfetext();
