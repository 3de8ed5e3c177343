#pragma once
// The main window: the drawing of the scene, the strip of controls above it
// and the menu. It is the form the redraw reads its mode switches from.

#include "render/formular.h"

#include "ui/bild_flaeche.h"

#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class frm_grafik;

// Positions and sizes of the form are kept in twips; 15 twips make a pixel.
constexpr int twips_zu_pixel(int twips) { return (twips + 7) / 15; }

// A heading whose caption places its words over the boxes below by runs of
// blanks. The caption stays the text; painting puts the first word at the
// left edge and centres each further word over its box, since no real font
// matches blanks to the box spacing.
class Spaltenkopf : public QLabel {
public:
    // spalten: left edge of each box relative to the label, one per word after the first.
    Spaltenkopf(const QString& caption, QList<int> spalten, int boxbreite, QWidget* eltern);
    QStringList woerter() const;
    // Where word i is painted, in the label's pixels.
    QRect wortrahmen(int i) const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QList<int> spalten_;
    int boxbreite_;
};

// The client area: shows the retained picture and reports resizes and mouse moves.
class Zeichenbereich : public QWidget {
public:
    Zeichenbereich(frm_grafik& form, QWidget* eltern);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    frm_grafik& form_;
};

// The heading captions, built from their runs of blanks.
QString caption_eingabe();  // 88 characters
QString caption_objekt();   // 30 characters

// Puts the picture on the clipboard; true only when it arrived there.
bool bild_in_zwischenablage(const QImage& bild);

class frm_grafik : public QMainWindow, public Formular {
    Q_OBJECT
public:
    frm_grafik();
    ~frm_grafik() override;

    // What the redraw reads and changes.
    Zeichenflaeche& flaeche() override { return bild_; }
    Flag opt_fokus_Value() const override;
    Flag opt_abbildung_Value() const override;
    int chk_licht_Value() const override;
    void lbl_virtuell_Visible(bool sichtbar) override;

    void Form_Load();
    void Form_Activate() {}
    // The one redraw; a run-time error passes to the caller, the window shows
    // what was drawn up to the failing step.
    void Form_Resize();
    // A redraw with no entry handler above it: an error ends it silently.
    void neu_zeichnen();
    void Form_MouseMove(QPointF logisch);

    void txt_X1_0_LostFocus();
    void txt_R1_a_LostFocus();
    void txt_R1_b_LostFocus();
    void txt_n1_LostFocus();
    void txt_Nmax_LostFocus();
    void txt_d1_plus_LostFocus();
    void txt_ort_LostFocus();
    void txt_hoehe_LostFocus();

    void opt_abbildung_Click();
    void opt_fokus_Click();
    void chk_licht_Click();
    void mnu_copy_Click();
    void mnu_Ende_Click();
    void mnu_info_Click();

    // Every message box of the program goes through here; tests replace it.
    static std::function<void(const QString&)> meldung_ersatz;
    static void MsgBox(const QString& text);

    BildFlaeche& bild() { return bild_; }
    Zeichenbereich* bereich() const { return bereich_; }
    // How many redraws have started; lets one see whether a handler redrew.
    int neuzeichnungen() const { return neuzeichnungen_; }
    // Closed through the frame (or by End) and waiting to be deleted.
    bool geschlossen() const { return geschlossen_; }
    // Hands the surface the client size and the outer window size.
    void flaeche_anpassen();

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
    QAction* mnu_info;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool focusNextPrevChild(bool vorwaerts) override;

private:
    template <class Schritte, class Fehlerpfad>
    void eingabe(QLineEdit* box, Schritte schritte, Fehlerpfad fehlerpfad);
    void radius_eingabe(QLineEdit* box, double& radius);
    void fenster_melden();
    int fensterzustand() const;

    BildFlaeche bild_;
    Zeichenbereich* bereich_;
    int neuzeichnungen_ = 0;
    bool geschlossen_ = false;
};
