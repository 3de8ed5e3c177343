#pragma once
// The main window's behaviour without widgets: the eight entry handlers with
// their range tests, resets and failure paths, the mode switches, the check
// box, the cursor readout and the menu commands. A front end forwards its
// events here and shows what the core sets through its Ansicht.

#include "ansicht.h"

#include <optional>
#include <string>
#include <string_view>

// A box's text as its value: a number, and for the radii also a plane
// surface ("∞", "unendlich", "inf" or 0, read as 0). Nothing when the
// text is no value.
std::optional<double> eingabewert(Box box, std::string_view text);

// How near the pointer must come to what it grabs, in logical pixels: a
// mouse, and a finger, which covers more.
inline constexpr double greifweite_maus = 8;
inline constexpr double greifweite_finger = 22;

// What the pointer holds in the picture: the object's tip (place and
// height), its foot or stem (place), or the lens (its place).
enum class Griff { keiner, spitze, fuss, linse };

// Arrow keys on the drawing.
enum class Pfeil { links, rechts, hoch, runter };

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

    // The pointer over the drawing, in world coordinates of the current
    // picture; finger for a touch screen. A press on a grip takes hold of
    // it (true), and each move then sets the value it stands for, kept in
    // the boxes' ranges, with the boxes, the picture and the values
    // following; a position that cannot be drawn is skipped, without a
    // message. Without a grip, a move only sets the pointer's look and the
    // readout. Releasing ends the drag; cancelling (Escape, a lost grab)
    // puts the scene back as it was before the press.
    bool Zeiger_runter(double x, double y, bool finger);
    void Zeiger_bewegen(double x, double y, bool finger);
    void Zeiger_hoch();
    void Zeiger_abbrechen();
    Griff gegriffen() const { return zug_.griff; }
    // What lies under the pointer, for the grab and the pointer's look.
    Griff griff_bei(double x, double y, bool finger) const;
    // An arrow key on the focused drawing moves the object (left and right
    // its place, up and down its height) in the imaging mode, the lens in
    // the focus mode or with Alt (linse); one unit a step, 0.1 with Shift
    // (fein). False where the key moves nothing.
    bool Pfeiltaste(Pfeil pfeil, bool fein, bool linse);

    // How many redraws have started; lets one see whether a handler redrew.
    int neuzeichnungen() const { return neuzeichnungen_; }

private:
    // Object place, object height and lens place, as values and as the texts
    // of their boxes.
    struct Lage {
        double obj_ort, obj_h, X1_0;
        std::string ort, hoehe, linse;
    };
    Lage lage() const;
    void lage_setzen(const Lage& l);
    // Moves to these values, kept in the boxes' ranges, and redraws; a
    // position that cannot be drawn is skipped and the last one drawn again.
    void verschieben(double obj_ort, double obj_h, double X1_0);

    template <class Schritte, class Fehlerpfad>
    void eingabe(Box box, Schritte schritte, Fehlerpfad fehlerpfad);
    void radius_eingabe(Box box, double& radius);

    void nach_dem_zeichnen();

    Ansicht& ansicht_;
    int neuzeichnungen_ = 0;
    bool messwerte_offen_ = false;
    struct Zug {
        Griff griff = Griff::keiner;
        double dx = 0, dy = 0;  // from the grip to the pointer at the press
        Lage vorher{};
    } zug_;
};
