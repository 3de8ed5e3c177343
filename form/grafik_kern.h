#pragma once
// The main window's behaviour without widgets: the eight entry handlers with
// their range tests, resets and failure paths, the mode switches, the check
// box, the cursor readout and the menu commands. A front end forwards its
// events here and shows what the core sets through its Ansicht.

#include "ansicht.h"

#include <optional>
#include <string_view>

// A box's text as its value: a number, and for the radii also a plane
// surface ("∞", "unendlich", "inf" or 0, read as 0). Nothing when the
// text is no value.
std::optional<double> eingabewert(Box box, std::string_view text);

class GrafikKern {
public:
    explicit GrafikKern(Ansicht& ansicht);

    // Start-up values of every input and the first lens calculation.
    void Form_Load();
    // Every box back to its start text and every input to its start value,
    // the object's position included, as the program starts with them; the
    // mode, the check box and the picture stay as they are.
    void neu_beginnen();
    // The one redraw. A run-time error passes to the caller; the picture
    // keeps what was drawn up to the failing step.
    void Form_Resize();
    // A redraw with no entry handler above it (resize, minimize, mode
    // switch, check box): an error ends it silently.
    void neu_zeichnen();
    // The pointer in world coordinates of the current scale.
    void Form_MouseMove(float X, float Y);

    void txt_X1_0_LostFocus();
    void txt_R1_a_LostFocus();
    void txt_R1_b_LostFocus();
    void txt_n1_LostFocus();
    void txt_Nmax_LostFocus();
    void txt_d1_plus_LostFocus();
    void txt_ort_LostFocus();
    void txt_hoehe_LostFocus();
    // The handler of the given box.
    void LostFocus(Box box);

    void opt_abbildung_Click();
    void opt_fokus_Click();
    void chk_licht_Click();
    void mnu_copy_Click();
    void mnu_Ende_Click();
    void mnu_info_Click();
    // The measured-values window: opened from the menu, it follows every
    // redraw until it is closed.
    void mnu_messwerte_Click();
    void frm_messwerte_Unload();
    // Its "Kopieren": the values as tab-separated text.
    void cmd_messwerte_kopieren_Click();
    bool messwerte_offen() const { return messwerte_offen_; }
    // The page's "Link kopieren" has put (or failed to put) the address on
    // the clipboard: says which, as the copy of the drawing does.
    void link_kopiert(bool angekommen);

    // How many redraws have started; lets one see whether a handler redrew.
    int neuzeichnungen() const { return neuzeichnungen_; }

private:
    template <class Schritte, class Fehlerpfad>
    void eingabe(Box box, Schritte schritte, Fehlerpfad fehlerpfad);
    void radius_eingabe(Box box, double& radius);

    void nach_dem_zeichnen();

    Ansicht& ansicht_;
    int neuzeichnungen_ = 0;
    bool messwerte_offen_ = false;
};
