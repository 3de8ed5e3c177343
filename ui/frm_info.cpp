#include "ui/frm_info.h"

#include "form/entwurf.h"
#include "ui/fenster.h"
#include "ui/formeln.h"
#include "ui/uebersetzt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QPixmap>
#include <QPushButton>

#include <cmath>

namespace {

// The one info window, or nullptr while none is open.
frm_info* s_info = nullptr;

// Design positions are in twips, as many to a pixel as on the main window; the whole
// page is drawn larger by massstab when the form font needs more room.
QRect twips(QRect lage, double massstab)
{
    const auto px = [massstab](int t) { return static_cast<int>(std::lround(t * massstab / entwurf::twips_je_pixel)); };
    return {px(lage.x()), px(lage.y()), px(lage.width()), px(lage.height())};
}

QLabel* beschriftung(QWidget* fenster, const QString& text, bool fett = false)
{
    auto* l = new QLabel(fenster);
    l->setTextFormat(Qt::PlainText);  // keeps the runs of blanks as they are
    l->setText(text);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// Whether the caption fits its box at this size of the page; a box that
// reaches past the window's right edge only has the part inside the window.
bool passt(const QLabel* l, QRect lage, int fensterbreite)
{
    const QFontMetrics fm(l->font());
    const int breite = std::min(lage.width(), fensterbreite - lage.x());
    const int flags = Qt::AlignLeft | Qt::AlignTop | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect noetig = fm.boundingRect(QRect(0, 0, breite, 100000), flags, l->text());
    return noetig.width() <= breite && noetig.height() <= lage.height();
}

const QRect fenster_twips(0, 0, 6885, 8970);

}  // namespace

Bildfeld::Bildfeld(QWidget* parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::TabFocus);
}

namespace {

// The page's texts as designed, in German; the window shows them in the
// language in use.
const char* const werkstatt = N_("Lehrmittel-Werkstatt Vandrel  02.2007");

const char* const legende_de = N_(
    "r1 Krümmungsradius links,\n"
    "r2 Krümmungsradius rechts,\n"
    "d Dicke der Linse auf opt. Achse,\n"
    "n Brechzahl Glas");

// The radii carry the sign of the lensmaker's formula; beside the legend,
// where the page has room.
const char* const vorzeichen_de = N_(
    "r > 0: konvex, r < 0: konkav,\n"
    "r = ∞: eben\n"
    "(Eingabe 0, ∞ oder unendlich)");

const char* const literatur_2_de = N_(
    "[2]  Autorengruppe: Grundkurs Physik, Teil Optik, Lernmittelverlag, Halle 1995");

const char* const literatur_3_de = N_(
    "[3]  Redaktionskollektiv: Handbuch Physik und Technik, Lernmittelverlag, Dresden 1994");

// The blanks place the credit at the right of the line.
QString versionszeile_mit(const QString& credit)
{
    return QStringLiteral("Vandrel.exe    -   Ver 1.0") + QString(42, u' ') + credit;
}

}  // namespace

const QString frm_info::versionszeile = versionszeile_mit(QString::fromUtf8(werkstatt));
const QString frm_info::legende = QString::fromUtf8(legende_de);
const QString frm_info::vorzeichen = QString::fromUtf8(vorzeichen_de);
const QString frm_info::literatur_2 = QString::fromUtf8(literatur_2_de);
const QString frm_info::literatur_3 = QString::fromUtf8(literatur_3_de);

frm_info::frm_info() : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(uebersetzt_q("Vandrel - Info"));
    // Fixed frame with a close button only: the page has one fixed layout.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFont(formular_schrift());

    Label3 = beschriftung(this, versionszeile_mit(uebersetzt_q(werkstatt)), true);
    Label3->setWordWrap(false);  // one line: the blanks place the credit at the right
    Label1 = beschriftung(this, uebersetzt_q("Geometrische Optik: Lichtbrechung durch sphärische Vandrel"));
    Label2 = beschriftung(this, uebersetzt_q("Die numerische Berechnung der Lichtbrechung erfolgt durch lokale "
                                             "Anwendung des Brechungsgesetzes nach Snellius."));
    Label9 = beschriftung(this, uebersetzt_q("Für die Berechnungen wurde verwendet:"));

    Picture2 = new Bildfeld(this);
    Picture2->setPixmap(QPixmap::fromImage(formeln::f_duenn()));
    Picture2->setAccessibleName(uebersetzt_q("Formel der dünnen Linse"));
    Picture2->setAccessibleDescription(uebersetzt_q("f = r1 mal r2 durch ((n minus 1) mal (r1 plus r2))"));
    Label7 = beschriftung(this, uebersetzt_q("Brennweite dünne Linse nach Linsenmacherformel: ²"));
    Label12 = beschriftung(this, uebersetzt_q("( F  in Grafik schwarz )"));

    Picture1 = new Bildfeld(this);
    Picture1->setPixmap(QPixmap::fromImage(formeln::f_dick()));
    Picture1->setAccessibleName(uebersetzt_q("Formel der dicken Linse"));
    Picture1->setAccessibleDescription(uebersetzt_q("f dick = n mal r1 mal r2 durch ((n minus 1) mal [n mal (r1 plus r2) minus (n minus 1) mal d])"));
    Label4 = beschriftung(this, uebersetzt_q("Brennweite dicke Linse: ³"));
    Label13 = beschriftung(this, uebersetzt_q("( F  in Grafik blau )"));

    Picture3 = new Bildfeld(this);
    Picture3->setPixmap(QPixmap::fromImage(formeln::sh_links()));
    Picture3->setAccessibleName(uebersetzt_q("Formel des Abstands SH"));
    Picture3->setAccessibleDescription(uebersetzt_q("SH = r1 mal d durch (n mal (r1 plus r2) minus (n minus 1) mal d)"));
    Label5 = beschriftung(this, uebersetzt_q("Abstand Hauptebene links zu Scheitel links: ³"));

    Picture4 = new Bildfeld(this);
    Picture4->setPixmap(QPixmap::fromImage(formeln::sh_rechts()));
    Picture4->setAccessibleName(uebersetzt_q("Formel des Abstands S'H'"));
    Picture4->setAccessibleDescription(uebersetzt_q("S'H' = r2 mal d durch (n mal (r1 plus r2) minus (n minus 1) mal d)"));
    Label6 = beschriftung(this, uebersetzt_q("Abstand Hauptebene rechts zu Scheitel rechts: ³"));

    Label8 = beschriftung(this, uebersetzt_q(legende_de));
    Label14 = beschriftung(this, uebersetzt_q(vorzeichen_de));
    Label10 = beschriftung(this, uebersetzt_q(literatur_2_de));
    Label11 = beschriftung(this, uebersetzt_q(literatur_3_de));

    cmd_ok = new QPushButton(QStringLiteral("OK"), this);
    {
        QFont f = cmd_ok->font();
        f.setBold(true);
        cmd_ok->setFont(f);
    }
    // A plain window gives a button no Enter key of its own; the space bar works anyway.
    cmd_ok->setAccessibleDescription(uebersetzt_q("Schließt das Info-Fenster"));
    cmd_ok->setAutoDefault(true);
    cmd_ok->setDefault(true);
    connect(cmd_ok, &QPushButton::clicked, this, &frm_info::cmd_ok_Click);

    entwurf_ = {
        {Label3, {120, 120, 6615, 255}},   {Label1, {120, 480, 7455, 255}},
        {Label2, {120, 960, 5295, 495}},   {Label9, {120, 1680, 5295, 255}},
        {Picture2, {2400, 2160, 3900, 855}}, {Label7, {120, 2280, 2175, 495}},
        {Label12, {120, 2760, 1815, 255}}, {Picture1, {2400, 3240, 3900, 855}},
        {Label4, {120, 3360, 1815, 255}},  {Label13, {120, 3600, 1815, 255}},
        {Picture3, {2400, 4320, 3900, 855}}, {Label5, {120, 4440, 1695, 375}},
        {Picture4, {2400, 5400, 3900, 855}}, {Label6, {120, 5520, 1935, 375}},
        {Label8, {2400, 6360, 3855, 855}}, {Label14, {120, 6360, 2175, 855}},
        {Label10, {120, 7440, 6855, 255}},
        {Label11, {120, 7800, 6735, 255}}, {cmd_ok, {5160, 8280, 1215, 495}},
    };
    anordnen();

    setTabOrder(cmd_ok, Picture1);
    setTabOrder(Picture1, Picture2);
    setTabOrder(Picture2, Picture3);
    setTabOrder(Picture3, Picture4);
    cmd_ok->setFocus();
}

QRect frm_info::entwurfslage(const QWidget* w) const
{
    for (const auto& [control, lage] : entwurf_) {
        if (control == w) {
            return lage;
        }
    }
    return {};
}

// The page is laid out for a narrow 8-point face. In the form font the
// captions may need more room: the whole page, window included, grows by
// the smallest factor at which every caption fits its box, so that the
// layout keeps its proportions and no text is cut off.
void frm_info::anordnen()
{
    const auto alles_passt = [this](double m) {
        const int fensterbreite = twips(fenster_twips, m).width();
        for (const auto& [control, lage] : entwurf_) {
            if (const auto* l = qobject_cast<const QLabel*>(control); l != nullptr && !qobject_cast<const Bildfeld*>(l)) {
                if (!passt(l, twips(lage, m), fensterbreite)) {
                    return false;
                }
            }
        }
        const QFontMetrics fm(cmd_ok->font());
        return fm.horizontalAdvance(cmd_ok->text()) < twips(entwurfslage(cmd_ok), m).width();
    };
    massstab_ = 1;
    while (massstab_ < 4 && !alles_passt(massstab_)) {
        massstab_ += 0.01;
    }
    for (const auto& [control, lage] : entwurf_) {
        control->setGeometry(twips(lage, massstab_));
    }
    setFixedSize(twips(fenster_twips, massstab_).size());
}

frm_info::~frm_info()
{
    if (s_info == this) {
        s_info = nullptr;
    }
}

void frm_info::cmd_ok_Click()
{
    frm_info_Unload();
    frm_grafik_Show();
}

void frm_info::closeEvent(QCloseEvent* e)
{
    // Closed through the frame: gone like after OK, but the main window is
    // not brought to the front.
    if (s_info == this) {
        s_info = nullptr;
    }
    e->accept();
}

frm_info* frm_info_Instanz()
{
    return s_info;
}

void frm_info_Show()
{
    if (s_info == nullptr) {
        s_info = new frm_info;
    }
    s_info->show();
    s_info->raise();
    s_info->activateWindow();
}

void frm_info_Unload()
{
    frm_info* fenster = s_info;
    if (fenster == nullptr) {
        return;
    }
    s_info = nullptr;
    // Hidden and deleted once control has left its own button handler.
    // Hiding rather than closing: the main window may be about to be
    // created anew, and the program must not end in between.
    fenster->hide();
    fenster->deleteLater();
}
