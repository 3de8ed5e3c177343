#include "ui/frm_grafik.h"

#include "lens/module1.h"
#include "render/szene.h"
#include "ui/fenster.h"
#include "ui/symbol.h"
#include "ui/zahltext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr int client_breite = 13950;
constexpr int client_hoehe = 8550;
constexpr int box_breite = 500;

void platzieren(QWidget* w, int links, int oben, int breite, int hoehe)
{
    w->setGeometry(twips_zu_pixel(links), twips_zu_pixel(oben), twips_zu_pixel(breite), twips_zu_pixel(hoehe));
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

// Labels, option buttons and the check box are opaque in the window colour,
// so the drawing never shows through them.
void hintergrund_wie_fenster(QWidget* w, const QColor& farbe)
{
    // Buttons fill with their Button role, labels with Window.
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

bool verlaesst_box(Qt::FocusReason grund)
{
    // The focus moving to another control. Not the window losing activation
    // (message box, info window), a popup or the menu bar: those come back.
    switch (grund) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

// A redraw error where nobody can handle it: ends silently, the picture keeps
// what was drawn, the program goes on.
template <class F>
void ohne_meldung(F schritte)
{
    try {
        schritte();
    } catch (const Laufzeitfehler&) {
    }
}

class EngerAbstand : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metrik, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metrik == PM_CheckBoxLabelSpacing) {
            return 3;
        }
        return QProxyStyle::pixelMetric(metrik, option, widget);
    }
};

}  // namespace

QString caption_eingabe()
{
    return QStringLiteral("Linse:") + blanks(8) + QStringLiteral("Ort") + blanks(12) + QStringLiteral("r 1") +
           blanks(12) + QStringLiteral("r 2") + blanks(11) + QStringLiteral("n") + blanks(11) +
           QStringLiteral("max x") + blanks(6) + QStringLiteral("Dicke +");
}

QString caption_objekt()
{
    return QStringLiteral("Objekt:") + blanks(5) + QStringLiteral("Ort") + blanks(11) + QStringLiteral("H\u00f6he");
}

// ---------------------------------------------------------------- Spaltenkopf

Spaltenkopf::Spaltenkopf(const QString& caption, QList<int> spalten, int boxbreite, QWidget* eltern)
    : QLabel(caption, eltern), spalten_(std::move(spalten)), boxbreite_(boxbreite)
{
}

QStringList Spaltenkopf::woerter() const
{
    static const QRegularExpression trenner(QStringLiteral(" {2,}"));
    return text().split(trenner, Qt::SkipEmptyParts);
}

QRect Spaltenkopf::wortrahmen(int i) const
{
    const QStringList w = woerter();
    const QFontMetrics fm(font());
    const int breite = fm.horizontalAdvance(w.value(i));
    int links = 0;
    if (i > 0 && i - 1 < spalten_.size()) {
        links = spalten_[i - 1] + (boxbreite_ - breite) / 2;
        links = std::max(0, std::min(links, width() - breite));
    }
    return QRect(links, 0, breite, height());
}

void Spaltenkopf::paintEvent(QPaintEvent* ereignis)
{
    const QStringList w = woerter();
    if (w.size() != spalten_.size() + 1) {
        QLabel::paintEvent(ereignis);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    for (int i = 0; i < w.size(); ++i) {
        p.drawText(wortrahmen(i), Qt::AlignLeft | Qt::AlignVCenter, w[i]);
    }
}

// ------------------------------------------------------------- Zeichenbereich

Zeichenbereich::Zeichenbereich(frm_grafik& form, QWidget* eltern) : QWidget(eltern), form_(form)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize Zeichenbereich::sizeHint() const
{
    return QSize(twips_zu_pixel(client_breite), twips_zu_pixel(client_hoehe));
}

void Zeichenbereich::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage& bild = form_.bild().Image();
    if (bild.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    p.drawImage(QRectF(rect()), bild);
}

void Zeichenbereich::resizeEvent(QResizeEvent*)
{
    form_.flaeche_anpassen();
    form_.neu_zeichnen();
}

void Zeichenbereich::mouseMoveEvent(QMouseEvent* ereignis)
{
    // Moves over a control bubble up to here; the form reports only its own.
    const QPointF pos = ereignis->position();
    if (childAt(pos.toPoint()) == nullptr) {
        form_.Form_MouseMove(pos);
    }
}

// ----------------------------------------------------------------- frm_grafik

std::function<void(const QString&)> frm_grafik::meldung_ersatz;

void frm_grafik::MsgBox(const QString& text)
{
    if (meldung_ersatz) {
        meldung_ersatz(text);
        return;
    }
    // No title of its own: the application's name stands there.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vandrel"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

frm_grafik::frm_grafik()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frm_grafik"));
    setWindowTitle(QStringLiteral("Geometrische Optik: Lichtbrechung durch sph\u00e4rische Vandrel"));
    setWindowIcon(fenster_symbol());
    // The form's font: the platform's default face at the classic 8.25 points,
    // so that the captions fit the design sizes of their controls.
    QFont schrift = font();
    schrift.setPointSizeF(8.25);
    setFont(schrift);

    bereich_ = new Zeichenbereich(*this, this);
    bereich_->setObjectName(QStringLiteral("Zeichenbereich"));
    const QColor fenster = palette().color(QPalette::Base);
    hintergrund_wie_fenster(bereich_, fenster);
    setCentralWidget(bereich_);
    bild_.systemfarben_setzen(fenster, palette().color(QPalette::ButtonText));
    bild_.schrift_setzen(font());

    QWidget* c = bereich_;
    // In the order the form defines them.
    chk_licht = new QCheckBox(QStringLiteral("Lichtstrahlen"), c);
    chk_licht->setObjectName(QStringLiteral("chk_licht"));
    platzieren(chk_licht, 120, 45, 1335, 255);
    hintergrund_wie_fenster(chk_licht, fenster);
    // The caption just fits the design width with a narrower gap after the box.
    auto* enger = new EngerAbstand;
    enger->setParent(chk_licht);
    chk_licht->setStyle(enger);

    auto textbox = [c](const char* name, const char* text, int links) {
        auto* box = new QLineEdit(QString::fromUtf8(text), c);
        box->setObjectName(QString::fromUtf8(name));
        platzieren(box, links, 300, box_breite, 300);
        return box;
    };
    txt_hoehe = textbox("txt_h\u00f6he", "10", 9600);
    txt_ort = textbox("txt_ort", "0", 8880);

    opt_abbildung = new QRadioButton(QStringLiteral("Abbildung"), c);
    opt_abbildung->setObjectName(QStringLiteral("opt_abbildung"));
    platzieren(opt_abbildung, 6840, 360, 1200, 375);
    hintergrund_wie_fenster(opt_abbildung, fenster);
    opt_fokus = new QRadioButton(QStringLiteral("Fokus"), c);
    opt_fokus->setObjectName(QStringLiteral("opt_fokus"));
    platzieren(opt_fokus, 6840, 0, 1200, 375);
    hintergrund_wie_fenster(opt_fokus, fenster);
    opt_fokus->setChecked(true);

    txt_d1_plus = textbox("txt_d1_plus", "0", 5880);
    txt_Nmax = textbox("txt_Nmax", "150", 5160);
    txt_n1 = textbox("txt_n1", "1,5", 4440);
    txt_R1_b = textbox("txt_R1_b", "35", 3720);
    txt_R1_a = textbox("txt_R1_a", "30", 3000);
    txt_X1_0 = textbox("txt_X1_0", "50", 2280);

    lbl_virtuell = new QLabel(QStringLiteral("virtuelles Bild !"), c);
    lbl_virtuell->setObjectName(QStringLiteral("lbl_virtuell"));
    platzieren(lbl_virtuell, 10560, 300, 2295, 255);
    hintergrund_wie_fenster(lbl_virtuell, fenster);
    QFont fett = lbl_virtuell->font();
    fett.setBold(true);
    lbl_virtuell->setFont(fett);

    const auto relativ = [](int box_links, int label_links) {
        return twips_zu_pixel(box_links) - twips_zu_pixel(label_links);
    };
    lbl_objekt = new Spaltenkopf(caption_objekt(), {relativ(8880, 8160), relativ(9600, 8160)},
                                 twips_zu_pixel(box_breite), c);
    lbl_objekt->setObjectName(QStringLiteral("lbl_objekt"));
    platzieren(lbl_objekt, 8160, 45, 1935, 255);
    hintergrund_wie_fenster(lbl_objekt, fenster);

    QList<int> lens_spalten;
    for (int links : {2280, 3000, 3720, 4440, 5160, 5880}) {
        lens_spalten.append(relativ(links, 1560));
    }
    Lbl_eingabe = new Spaltenkopf(caption_eingabe(), lens_spalten, twips_zu_pixel(box_breite), c);
    Lbl_eingabe->setObjectName(QStringLiteral("Lbl_eingabe"));
    platzieren(Lbl_eingabe, 1560, 45, 4935, 255);
    hintergrund_wie_fenster(Lbl_eingabe, fenster);

    lbl_cursor_position = new QLabel(c);
    lbl_cursor_position->setObjectName(QStringLiteral("lbl_cursor_position"));
    platzieren(lbl_cursor_position, 120, 330, 2055, 255);
    hintergrund_wie_fenster(lbl_cursor_position, fenster);

    // At start the focus mode: no object inputs, no notice.
    txt_ort->setVisible(false);
    txt_hoehe->setVisible(false);
    lbl_objekt->setVisible(false);
    lbl_virtuell->setVisible(false);

    setTabOrder(txt_X1_0, txt_R1_a);
    setTabOrder(txt_R1_a, txt_R1_b);
    setTabOrder(txt_R1_b, txt_n1);
    setTabOrder(txt_n1, txt_Nmax);
    setTabOrder(txt_Nmax, txt_d1_plus);
    setTabOrder(txt_d1_plus, opt_fokus);
    setTabOrder(opt_fokus, opt_abbildung);
    setTabOrder(opt_abbildung, txt_ort);
    setTabOrder(txt_ort, txt_hoehe);
    setTabOrder(txt_hoehe, chk_licht);
    setTabOrder(chk_licht, txt_X1_0);

    for (QLineEdit* box : {txt_X1_0, txt_R1_a, txt_R1_b, txt_n1, txt_Nmax, txt_d1_plus, txt_ort, txt_hoehe}) {
        box->installEventFilter(this);
    }
    connect(opt_abbildung, &QRadioButton::toggled, this, [this](bool an) {
        if (an) {
            opt_abbildung_Click();
        }
    });
    connect(opt_fokus, &QRadioButton::toggled, this, [this](bool an) {
        if (an) {
            opt_fokus_Click();
        }
    });
    connect(chk_licht, &QCheckBox::toggled, this, [this] { chk_licht_Click(); });

    mnu_Datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnu_Datei->setObjectName(QStringLiteral("mnu_Datei"));
    mnu_copy = mnu_Datei->addAction(QStringLiteral("&Kopieren"));
    mnu_copy->setObjectName(QStringLiteral("mnu_copy"));
    mnu_Ende = mnu_Datei->addAction(QStringLiteral("Ende"));
    mnu_Ende->setObjectName(QStringLiteral("mnu_Ende"));
    mnu_info = menuBar()->addAction(QStringLiteral("&Info"));
    mnu_info->setObjectName(QStringLiteral("mnu_info"));
    connect(mnu_copy, &QAction::triggered, this, [this] { mnu_copy_Click(); });
    connect(mnu_Ende, &QAction::triggered, this, [this] { mnu_Ende_Click(); });
    connect(mnu_info, &QAction::triggered, this, [this] { mnu_info_Click(); });

    resize(twips_zu_pixel(client_breite), twips_zu_pixel(client_hoehe) + menuBar()->sizeHint().height());
    // Qt keeps a backing store of the whole window, four bytes a device pixel,
    // which a larger window than the largest picture would only fill with an
    // enlarged copy of it: at the window system's 32767 a side, gigabytes.
    const int groesste = static_cast<int>(Rasterbild::groesste_kante / devicePixelRatioF());
    setMaximumSize(groesste, groesste);
    txt_X1_0->setFocus(Qt::OtherFocusReason);

    Form_Load();
}

frm_grafik::~frm_grafik()
{
    geschlossen_ = true;
    for (QLineEdit* box : {txt_X1_0, txt_R1_a, txt_R1_b, txt_n1, txt_Nmax, txt_d1_plus, txt_ort, txt_hoehe}) {
        box->removeEventFilter(this);
    }
}

void frm_grafik::Form_Load()
{
    startwerte_setzen();
}

Flag frm_grafik::opt_fokus_Value() const
{
    return opt_fokus->isChecked() ? True : False;
}

Flag frm_grafik::opt_abbildung_Value() const
{
    return opt_abbildung->isChecked() ? True : False;
}

int frm_grafik::chk_licht_Value() const
{
    switch (chk_licht->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    }
    return 0;
}

void frm_grafik::lbl_virtuell_Visible(bool sichtbar)
{
    lbl_virtuell->setVisible(sichtbar);
}

int frm_grafik::fensterzustand() const
{
    const Qt::WindowStates z = windowState();
    if (z & Qt::WindowMinimized) {
        return 1;
    }
    if (z & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return 2;
    }
    return 0;
}

void frm_grafik::fenster_melden()
{
    const QRect rahmen = frameGeometry();
    bild_.fenster_setzen(rahmen.width() * 15.0, rahmen.height() * 15.0, fensterzustand());
}

void frm_grafik::flaeche_anpassen()
{
    bild_.groesse_setzen(bereich_->size(), bereich_->devicePixelRatioF());
    fenster_melden();
}

void frm_grafik::Form_Resize()
{
    ++neuzeichnungen_;
    // Whatever was drawn before an error is shown as well.
    struct Zeigen {
        QWidget* w;
        ~Zeigen() { w->update(); }
    } zeigen{bereich_};
    ::Form_Resize(*this);
}

void frm_grafik::neu_zeichnen()
{
    ohne_meldung([this] { Form_Resize(); });
}

void frm_grafik::changeEvent(QEvent* ereignis)
{
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() == QEvent::WindowStateChange) {
        fenster_melden();
        neu_zeichnen();
    }
}

void frm_grafik::closeEvent(QCloseEvent* ereignis)
{
    QMainWindow::closeEvent(ereignis);
    if (ereignis->isAccepted()) {
        geschlossen_ = true;
    }
}

bool frm_grafik::focusNextPrevChild(bool vorwaerts)
{
    const bool ergebnis = QMainWindow::focusNextPrevChild(vorwaerts);
    // The option pair is one tab stop, and tabbing into it lands on the
    // selected button, not on whichever comes first.
    QWidget* ziel = QApplication::focusWidget();
    if (ziel == opt_fokus && opt_abbildung->isChecked()) {
        opt_abbildung->setFocus(vorwaerts ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    } else if (ziel == opt_abbildung && opt_fokus->isChecked()) {
        opt_fokus->setFocus(vorwaerts ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return ergebnis;
}

bool frm_grafik::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FocusOut && !geschlossen_) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (verlaesst_box(grund)) {
            if (objekt == txt_X1_0) txt_X1_0_LostFocus();
            else if (objekt == txt_R1_a) txt_R1_a_LostFocus();
            else if (objekt == txt_R1_b) txt_R1_b_LostFocus();
            else if (objekt == txt_n1) txt_n1_LostFocus();
            else if (objekt == txt_Nmax) txt_Nmax_LostFocus();
            else if (objekt == txt_d1_plus) txt_d1_plus_LostFocus();
            else if (objekt == txt_ort) txt_ort_LostFocus();
            else if (objekt == txt_hoehe) txt_hoehe_LostFocus();
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

// ------------------------------------------------------------ parameter entry

// Steps 2 to 5 of every entry: any failure in them, a text that is no number
// included, leads to the message and then to the box's failure path.
template <class Schritte, class Fehlerpfad>
void frm_grafik::eingabe(QLineEdit* box, Schritte schritte, Fehlerpfad fehlerpfad)
{
    bool fehler = false;
    try {
        const std::optional<double> x = text_zu_zahl(box->text());
        if (x) {
            schritte(*x);
        } else {
            fehler = true;
        }
    } catch (...) {
        fehler = true;
    }
    if (fehler) {
        MsgBox(QStringLiteral("Unfug !"));
        fehlerpfad();
    }
}

void frm_grafik::txt_X1_0_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        txt_X1_0,
        [&](double x) {
            const double grenze = pruefe(m.X1_0 - m.S1 + 2);
            if (x <= 1000 && x > grenze) {
                m.X1_0 = x;
                linse_berechnen();
                Form_Resize();
            } else {
                // The lens moves so that its left vertex stands at x = 2.
                const double mitte = grenze;
                txt_X1_0->setText(zahl_zu_text(mitte));
                m.X1_0 = mitte;
                linse_berechnen();
                Form_Resize();
            }
        },
        [&] {
            txt_X1_0->setText(QStringLiteral("25"));
            m.X1_0 = 25;
            ohne_meldung([this] {
                linse_berechnen();
                Form_Resize();
            });
        });
}

// Both surfaces take the same radii: above half the lens height, at most 10000.
void frm_grafik::radius_eingabe(QLineEdit* box, double& radius)
{
    Module1_t& m = Module1;
    eingabe(
        box,
        [&](double x) {
            if (x <= 10000 && x > m.D1 / 2.0) {
                radius = x;
                linse_berechnen();
                Form_Resize();
            } else {
                box->setText(zahl_zu_text(radius));
            }
        },
        [&] { box->setText(QStringLiteral("50")); });
}

void frm_grafik::txt_R1_a_LostFocus() { radius_eingabe(txt_R1_a, Module1.R1_a); }

void frm_grafik::txt_R1_b_LostFocus() { radius_eingabe(txt_R1_b, Module1.R1_b); }

void frm_grafik::txt_n1_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        txt_n1,
        [&](double x) {
            if (x <= 20 && x >= 1) {
                m.n1 = x;
                linse_berechnen();
                Form_Resize();
            } else {
                txt_n1->setText(zahl_zu_text(m.n1));
            }
        },
        [&] { txt_n1->setText(zahl_zu_text(m.n1)); });
}

void frm_grafik::txt_Nmax_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        txt_Nmax,
        [&](double x) {
            if (x <= 800 && x >= 80) {
                // rint rounds halves to the even neighbour.
                m.Nmax = Integer::aus(static_cast<long long>(std::rint(x)));
                linse_berechnen();
                Form_Resize();
            } else {
                txt_Nmax->setText(QStringLiteral("80"));
            }
        },
        [&] { txt_Nmax->setText(QStringLiteral("80")); });
}

void frm_grafik::txt_d1_plus_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        txt_d1_plus,
        [&](double x) {
            if (x <= 40 && x >= 0) {
                m.d1_plus = x;
                linse_berechnen();
                Form_Resize();
            } else {
                txt_d1_plus->setText(QStringLiteral("0"));
            }
        },
        [&] { txt_d1_plus->setText(QStringLiteral("0")); });
}

void frm_grafik::txt_ort_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        txt_ort,
        [&](double x) {
            if (x >= 0 && x <= m.S1) {
                m.obj_ort = x;
                Form_Resize();
            } else {
                txt_ort->setText(QStringLiteral("0"));
                m.obj_ort = 0;
                Form_Resize();
            }
        },
        [&] {
            txt_ort->setText(QStringLiteral("0"));
            m.obj_ort = 0;
            neu_zeichnen();
        });
}

void frm_grafik::txt_hoehe_LostFocus()
{
    Module1_t& m = Module1;
    eingabe(
        txt_hoehe,
        [&](double x) {
            if (x <= 19 && x >= 0) {
                m.obj_h = x;
                Form_Resize();
            } else {
                txt_hoehe->setText(QStringLiteral("10"));
                m.obj_h = 10;
                Form_Resize();
            }
        },
        [&] {
            txt_hoehe->setText(QStringLiteral("10"));
            m.obj_h = 10;
            neu_zeichnen();
        });
}

// ------------------------------------------------- mode switches and commands

void frm_grafik::opt_abbildung_Click()
{
    txt_ort->setVisible(true);
    txt_hoehe->setVisible(true);
    lbl_objekt->setVisible(true);
    neu_zeichnen();
}

void frm_grafik::opt_fokus_Click()
{
    txt_ort->setVisible(false);
    txt_hoehe->setVisible(false);
    lbl_objekt->setVisible(false);
    neu_zeichnen();
}

void frm_grafik::chk_licht_Click()
{
    neu_zeichnen();
}

void frm_grafik::Form_MouseMove(QPointF logisch)
{
    // The platform hands single-precision positions in the user scale.
    const QPointF welt = bild_.welt(logisch);
    const float x = static_cast<float>(welt.x());
    const float y = static_cast<float>(welt.y());
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return;  // no scale yet
    }
    lbl_cursor_position->setText(cursor_text(x, y));
}

bool bild_in_zwischenablage(const QImage& bild)
{
    QClipboard* ablage = QGuiApplication::clipboard();
    if (ablage == nullptr || bild.isNull()) {
        return false;
    }
    ablage->clear();
    ablage->setImage(bild);
    // Another program may hold the clipboard; only what arrived counts.
    const QImage angekommen = ablage->image();
    return !angekommen.isNull() && angekommen.size() == bild.size();
}

void frm_grafik::mnu_copy_Click()
{
    if (bild_in_zwischenablage(bild_.kopie())) {
        MsgBox(QStringLiteral("Grafik in Zwischenablage"));
    } else {
        MsgBox(QStringLiteral("Grafik konnte nicht in die Zwischenablage gelegt werden"));
    }
}

void frm_grafik::mnu_Ende_Click()
{
    End();
}

void frm_grafik::mnu_info_Click()
{
    frm_info_Show();
}
