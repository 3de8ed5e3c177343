#include "ui/frm_info.h"

#include "ui/fenster.h"
#include "ui/formeln.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPixmap>
#include <QPushButton>

namespace {

// The one info window, or nullptr while none is open.
frm_info* s_info = nullptr;

// Design positions are in twips, 15 to a pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QLabel* beschriftung(QWidget* fenster, const QString& text, QRect lage, bool fett = false)
{
    auto* l = new QLabel(fenster);
    l->setTextFormat(Qt::PlainText);  // keeps the runs of blanks as they are
    l->setText(text);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(lage);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

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

const QString frm_info::versionszeile = QStringLiteral("Vandrel.exe    -   Ver 1.0")
                                        + QString(42, u' ')
                                        + QStringLiteral("Lehrmittel-Werkstatt Vandrel  02.2007");

const QString frm_info::legende = QStringLiteral(
    "r1 Krümmungsradius links (positiv) ,\n"
    "r2  Krümmungsradius rechts (positiv),\n"
    "d Dicke der Linse auf opt. Achse,\n"
    "n Brechzahl Glas");

const QString frm_info::literatur_2 = QStringLiteral(
    "[2]  Autorengruppe: Grundkurs Physik, Teil Optik, Lernmittelverlag, Halle 1995");

const QString frm_info::literatur_3 = QStringLiteral(
    "[3]  Redaktionskollektiv: Handbuch Physik und Technik, Lernmittelverlag, Dresden 1994");

frm_info::frm_info() : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vandrel - Info"));
    // Fixed frame with a close button only: the page has one fixed layout.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(6885 / 15, 8970 / 15);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    // The page is laid out in pixels for a narrow 8-point face; the platform's
    // sans face, condensed, at the matching pixel size keeps every caption
    // within its box.
    QFont schrift = QApplication::font();
    schrift.setPixelSize(10);
    schrift.setStretch(QFont::Condensed);
    setFont(schrift);

    Label3 = beschriftung(this, versionszeile, twips(120, 120, 6615, 255), true);
    Label3->setWordWrap(false);  // one line: the blanks place the credit at the right
    Label1 = beschriftung(this, QStringLiteral("Geometrische Optik: Lichtbrechung durch sphärische Vandrel"),
                          twips(120, 480, 7455, 255));
    Label2 = beschriftung(this,
                          QStringLiteral("Die numerische Berechnung der Lichtbrechnung erfolgt durch lokale "
                                         "Anwendung des Brechungsgesetzes nach Snellius."),
                          twips(120, 960, 5295, 495));
    Label9 = beschriftung(this, QStringLiteral("Für die Berechnungen wurde verwendet:"),
                          twips(120, 1680, 5295, 255));

    Picture2 = new Bildfeld(this);
    Picture2->setGeometry(twips(2400, 2160, 3900, 855));
    Picture2->setPixmap(QPixmap::fromImage(formeln::f_duenn()));
    Label7 = beschriftung(this, QStringLiteral("Brennweite dünne Linse nach Vandrelmacherformel: ²"),
                          twips(120, 2280, 2175, 495));
    Label12 = beschriftung(this, QStringLiteral("( F  in Grafik schwarz )"), twips(120, 2760, 1815, 255));

    Picture1 = new Bildfeld(this);
    Picture1->setGeometry(twips(2400, 3240, 3900, 855));
    Picture1->setPixmap(QPixmap::fromImage(formeln::f_dick()));
    Label4 = beschriftung(this, QStringLiteral("Brennweite dicke Linse: ³"), twips(120, 3360, 1815, 255));
    Label13 = beschriftung(this, QStringLiteral("( F  in Grafik blau )"), twips(120, 3600, 1815, 255));

    Picture3 = new Bildfeld(this);
    Picture3->setGeometry(twips(2400, 4320, 3900, 855));
    Picture3->setPixmap(QPixmap::fromImage(formeln::sh_links()));
    Label5 = beschriftung(this, QStringLiteral("Abstand Hauptebene links zu Scheitel links: ³"),
                          twips(120, 4440, 1695, 375));

    Picture4 = new Bildfeld(this);
    Picture4->setGeometry(twips(2400, 5400, 3900, 855));
    Picture4->setPixmap(QPixmap::fromImage(formeln::sh_rechts()));
    Label6 = beschriftung(this, QStringLiteral("Abstand Hauptebene rechts zu Scheitel rechts: ³"),
                          twips(120, 5520, 1935, 375));

    Label8 = beschriftung(this, legende, twips(2400, 6360, 3855, 855));
    Label10 = beschriftung(this, literatur_2, twips(120, 7440, 6855, 255));
    Label11 = beschriftung(this, literatur_3, twips(120, 7800, 6735, 255));

    cmd_ok = new QPushButton(QStringLiteral("OK"), this);
    cmd_ok->setGeometry(twips(5160, 8280, 1215, 495));
    {
        QFont f = cmd_ok->font();
        f.setBold(true);
        cmd_ok->setFont(f);
    }
    // A plain window gives a button no Enter key of its own; the space bar works anyway.
    cmd_ok->setAutoDefault(true);
    cmd_ok->setDefault(true);
    connect(cmd_ok, &QPushButton::clicked, this, &frm_info::cmd_ok_Click);

    setTabOrder(cmd_ok, Picture1);
    setTabOrder(Picture1, Picture2);
    setTabOrder(Picture2, Picture3);
    setTabOrder(Picture3, Picture4);
    cmd_ok->setFocus();
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
