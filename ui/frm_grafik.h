#pragma once
// The main window: the drawing of the scene, the strip of controls above it
// and the menu. It is the form the redraw reads its mode switches from.

#include "form/ansicht.h"
#include "form/grafik_kern.h"

#include "ui/befehlszeile.h"
#include "ui/bild_flaeche.h"
#include "ui/spaltenkopf.h"
#include "ui/zeichenbereich.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class frm_messwerte;

// Puts the picture on the clipboard; true only when it arrived there.
bool bild_in_zwischenablage(const QImage& bild);
// The same for text.
bool text_in_zwischenablage(const QString& text);

class frm_grafik : public QMainWindow, public Ansicht {
    Q_OBJECT
public:
    frm_grafik();
    ~frm_grafik() override;

    // What the redraw and the core read and change.
    Zeichenflaeche& flaeche() override { return bild_; }
    Flag opt_fokus_Value() const override;
    Flag opt_abbildung_Value() const override;
    int chk_licht_Value() const override;
    void lbl_virtuell_Visible(bool sichtbar) override;
    std::string Text(Box box) const override;
    void Text_setzen(Box box, const std::string& text) override;
    void txt_ort_Visible(bool sichtbar) override;
    void txt_hoehe_Visible(bool sichtbar) override;
    void lbl_objekt_Visible(bool sichtbar) override;
    void lbl_cursor_position_Caption(const std::string& text) override;
    void MsgBox(const std::string& text, std::function<void()> danach) override;
    void Clipboard_Bild(std::function<void(bool)> fertig) override;
    void frm_info_Show() override;
    void frm_messwerte_Show() override;
    void Messwerte_zeigen(const Messbericht& bericht) override;
    void Clipboard_Text(const std::string& text, std::function<void(bool)> fertig) override;
    void End() override;
    void Refresh() override;
    void Grafik_Beschreibung(const std::string& text) override;
    void Zeigerform_setzen(Zeigerform form) override;

    // The handlers behind the controls.
    GrafikKern& kern() { return kern_; }
    // The scene of the command line, taken over through the controls as a
    // user would (szene_uebernehmen): a failing value shows its message.
    void befehlszeile_uebernehmen(const Befehlszeile& befehl);
    // The menu's example, shown as a fresh window with its scene would show it.
    void beispiel_waehlen(int nummer);

    // Every message box of the program goes through here; tests replace it.
    static std::function<void(const QString&)> meldung_ersatz;
    static void meldung_zeigen(const QString& text);

    BildFlaeche& bild() { return bild_; }
    Zeichenbereich* bereich() const { return bereich_; }
    // How many message boxes the window has shown.
    int meldungen() const { return meldungen_; }
    // Closed through the frame (or by End) and waiting to be deleted.
    bool geschlossen() const { return geschlossen_; }
    // Hands the surface the client size and the outer window size.
    void flaeche_anpassen();
    // The projector view on or off: the controls, their text and the
    // picture entwurf::projektor_massstab times as large, the window with them where it can grow.
    void projektor_setzen(bool an);
    // The box that belongs to an entry handler, or nullptr.
    QLineEdit* box(Box b) const;

    // The controls, named as on the form.
    QCheckBox* chk_licht;
    QLineEdit* txt_hoehe;  // objectName "txt_höhe"
    QLineEdit* txt_ort;
    QRadioButton* opt_abbildung;
    QRadioButton* opt_fokus;
    QLineEdit* txt_d1_plus;
    QLineEdit* txt_Nmax;
    QLineEdit* txt_n1;
    QLineEdit* txt_R1_b;
    QLineEdit* txt_R1_a;
    QLineEdit* txt_X1_0;
    QLabel* lbl_virtuell;
    Spaltenkopf* lbl_objekt;
    Spaltenkopf* Lbl_eingabe;
    QLabel* lbl_cursor_position;

    QMenu* mnu_Datei;
    QAction* mnu_copy;
    QAction* mnu_Ende;
    QAction* mnu_messwerte;
    QMenu* mnu_beispiele;  // one item per example, in their order
    QMenu* mnu_ansicht;
    QAction* mnu_projektor;  // checkable: the projector view
    QAction* mnu_info;
    // The open measured-values window, or nullptr.
    frm_messwerte* messwerte() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool focusNextPrevChild(bool vorwaerts) override;

private:
    void box_verlassen(Box b, Qt::FocusReason grund);
    // What selects the mode and checks the rays: the controls' own clicks.
    Szenenschalter schalter();
    // Asked after each value taken over: a message box runs the events,
    // so a take-over goes on only while the window is open.
    std::function<bool()> solange_offen();
    void fenster_melden();
    int fensterzustand() const;

    BildFlaeche bild_;
    GrafikKern kern_;
    QPointer<frm_messwerte> messwerte_;
    Zeichenbereich* bereich_;
    QLineEdit* boxen_[box_anzahl] = {};
    int meldungen_ = 0;
    bool geschlossen_ = false;
    int vergroesserung_ = 1;  // projektor_massstab in the projector view
};
