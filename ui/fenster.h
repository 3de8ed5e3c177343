#pragma once
// The program's windows: exactly one main window and at most one info window,
// reached by every handler through these functions.

class QFont;
class frm_grafik;
class frm_info;

// The font of both forms: the platform's default face at 8.25 points, regular.
QFont formular_schrift();

// The open main window, or nullptr after the user closed it through its frame.
frm_grafik* frm_grafik_Instanz();
// Brings the open main window to the front and activates it without redrawing;
// when it was closed, creates it anew as at start-up (Form_Load, design texts, first picture).
void frm_grafik_Show();

// The open info window, or nullptr.
frm_info* frm_info_Instanz();
// Creates the info window on first use (not modal, no owner) or brings it to the front.
void frm_info_Show();
// Destroys the info window and its controls.
void frm_info_Unload();

// Ends the program at once, closing both windows.
void End();

// Called once the event loop has ended: when the program owns the clipboard,
// its picture is offered as one ready bitmap, so that a clipboard manager
// taking it over at exit copies bytes instead of having every image format
// encoded while the windows are already gone.
void zwischenablage_uebergeben();
