#pragma once
// What the redraw reads from the main window's controls and the one control
// it changes. The window implements it; tests use a plain stand-in.

#include "lens/fehler.h"

class Zeichenflaeche;

class Formular {
public:
    virtual ~Formular() = default;
    virtual Zeichenflaeche& flaeche() = 0;
    virtual Flag opt_fokus_Value() const = 0;
    virtual Flag opt_abbildung_Value() const = 0;
    virtual int chk_licht_Value() const = 0;  // 0 unchecked, 1 checked, 2 grayed
    virtual void lbl_virtuell_Visible(bool sichtbar) = 0;
};
