#pragma once
// What the window core needs of a window: the boxes' texts, the visibility
// of the object inputs, the readout, the message box, the clipboard and the
// other window. The Qt window and the browser page each implement it; the
// redraw's part (surface, option pair, check box, notice) comes from Formular.

#include "render/formular.h"

#include <functional>
#include <string>

struct Messbericht;

// The pointer's look over the drawing: an arrow, an open hand over
// something that can be grabbed, a closed hand while dragging it.
enum class Zeigerform { pfeil, offen, greifend };

// The eight entry boxes, in tab order.
enum class Box { X1_0, R1_a, R1_b, n1, Nmax, d1_plus, ort, hoehe };
inline constexpr int box_anzahl = 8;

class Ansicht : public Formular {
public:
    // Texts are UTF-8.
    virtual std::string Text(Box box) const = 0;
    // Sets a box's text; the box shows it from its first character.
    virtual void Text_setzen(Box box, const std::string& text) = 0;
    // txt_ort, txt_höhe and lbl_objekt, one at a time in this order.
    virtual void txt_ort_Visible(bool sichtbar) = 0;
    virtual void txt_hoehe_Visible(bool sichtbar) = 0;
    virtual void lbl_objekt_Visible(bool sichtbar) = 0;
    virtual void lbl_cursor_position_Caption(const std::string& text) = 0;

    // A modal box with the prompt, an OK button only, no icon, titled
    // "Vandrel". danach runs once the user has closed it: at once where the
    // box blocks (desktop), later where it cannot (browser).
    virtual void MsgBox(const std::string& text, std::function<void()> danach) = 0;
    // Clears the clipboard and puts the retained picture on it; fertig(true)
    // only when the picture arrived there.
    virtual void Clipboard_Bild(std::function<void(bool)> fertig) = 0;
    virtual void frm_info_Show() = 0;
    // The measured-values window: created on first use, not modal, brought
    // to the front when it is open. The front end reports its closing
    // (OK or frame) to GrafikKern::frm_messwerte_Unload.
    virtual void frm_messwerte_Show() = 0;
    // Shows these values in the open measured-values window.
    virtual void Messwerte_zeigen(const Messbericht& bericht) = 0;
    // Clears the clipboard and puts the text on it; fertig(true) only when
    // the text arrived there.
    virtual void Clipboard_Text(const std::string& text, std::function<void(bool)> fertig) = 0;
    // Ends the program at once.
    virtual void End() = 0;
    // The picture changed (also when a redraw stopped half-way): show it.
    virtual void Refresh() = 0;
    // What the last redraw shows, in words (grafik_beschreibung), also when
    // it failed or drew nothing, for a view that tells screen readers;
    // others ignore it.
    virtual void Grafik_Beschreibung(const std::string& text) { (void)text; }
    // The pointer's look over the drawing, as the core asks for it.
    virtual void Zeigerform_setzen(Zeigerform form) { (void)form; }
};
