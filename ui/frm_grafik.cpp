#include "ui/frm_grafik.h"

#include "form/beispiele.h"
#include "form/entwurf.h"
#include "form/zahltext.h"
#include "ui/fenster.h"
#include "ui/frm_messwerte.h"
#include "ui/symbol.h"
#include "ui/uebersetzt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

void platzieren(QWidget* w, const entwurf::Steuerelement& e, int k = 1)
{
    using entwurf::pixel;
    w->setGeometry(pixel(e.links) * k, pixel(e.oben) * k, pixel(e.breite) * k, pixel(e.hoehe) * k);
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

// ----------------------------------------------------------------- frm_grafik

std::function<void(const QString&)> frm_grafik::meldung_ersatz;

void frm_grafik::meldung_zeigen(const QString& text)
{
    if (meldung_ersatz) {
        meldung_ersatz(text);
        return;
    }
    // No title of its own: the application's name stands there.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vandrel"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Some styles put an icon on the OK button; the box has none at all.
    for (QAbstractButton* knopf : box.buttons()) {
        knopf->setIcon(QIcon());
    }
    box.exec();
}

frm_grafik::frm_grafik() : kern_(*this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frm_grafik"));
    setWindowTitle(uebersetzt_q(entwurf::titel));
    setWindowIcon(fenster_symbol());
    setFont(formular_schrift());

    bereich_ = new Zeichenbereich(*this, this);
    bereich_->setObjectName(QStringLiteral("Zeichenbereich"));
    const QColor fenster = palette().color(QPalette::Base);
    hintergrund_wie_fenster(bereich_, fenster);
    setCentralWidget(bereich_);
    bild_.systemfarben_setzen(palette());
    bild_.schrift_setzen(font());

    QWidget* c = bereich_;
    const auto textfeld = [c](const char* name) {
        const entwurf::Steuerelement& e = entwurf::element(name);
        auto* box = new QLineEdit(QString::fromStdString(entwurf::starttext(e)), c);
        box->setObjectName(QString::fromUtf8(e.name));
        box->setCursorPosition(0);
        platzieren(box, e);
        return box;
    };
    const auto schalter = [c, fenster](auto* knopf, const char* name) {
        const entwurf::Steuerelement& e = entwurf::element(name);
        knopf->setText(uebersetzt_q(e.text));
        knopf->setObjectName(QString::fromUtf8(e.name));
        platzieren(knopf, e);
        hintergrund_wie_fenster(knopf, fenster);
        return knopf;
    };
    // A heading over the boxes: each word after the first is centred over its box.
    const auto kopf = [c, fenster](const char* name, std::initializer_list<QLineEdit*> boxen) {
        const entwurf::Steuerelement& e = entwurf::element(name);
        QList<int> spalten;
        for (QLineEdit* box : boxen) {
            spalten.append(box->x() - entwurf::pixel(e.links));
        }
        auto* l = new Spaltenkopf(uebersetzt_q(e.text), spalten, boxen.begin()[0]->width(), c);
        l->setObjectName(QString::fromUtf8(e.name));
        platzieren(l, e);
        hintergrund_wie_fenster(l, fenster);
        return l;
    };

    // In the order the form defines them.
    chk_licht = schalter(new QCheckBox(c), "chk_licht");
    // The caption just fits the design width with a narrower gap after the box.
    auto* enger = new EngerAbstand;
    enger->setParent(chk_licht);
    chk_licht->setStyle(enger);
    txt_hoehe = textfeld("txt_h\u00f6he");
    txt_ort = textfeld("txt_ort");
    opt_abbildung = schalter(new QRadioButton(c), "opt_abbildung");
    opt_fokus = schalter(new QRadioButton(c), "opt_fokus");
    c->findChild<QRadioButton*>(QString::fromUtf8(entwurf::start_modus))->setChecked(true);
    txt_d1_plus = textfeld("txt_d1_plus");
    txt_Nmax = textfeld("txt_Nmax");
    txt_n1 = textfeld("txt_n1");
    txt_R1_b = textfeld("txt_R1_b");
    txt_R1_a = textfeld("txt_R1_a");
    txt_X1_0 = textfeld("txt_X1_0");

    const entwurf::Steuerelement& virtuell = entwurf::element("lbl_virtuell");
    lbl_virtuell = new QLabel(uebersetzt_q(virtuell.text), c);
    lbl_virtuell->setObjectName(QString::fromUtf8(virtuell.name));
    platzieren(lbl_virtuell, virtuell);
    hintergrund_wie_fenster(lbl_virtuell, fenster);
    QFont fett = lbl_virtuell->font();
    fett.setBold(virtuell.fett);
    lbl_virtuell->setFont(fett);

    lbl_objekt = kopf("lbl_objekt", {txt_ort, txt_hoehe});
    Lbl_eingabe = kopf("Lbl_eingabe", {txt_X1_0, txt_R1_a, txt_R1_b, txt_n1, txt_Nmax, txt_d1_plus});

    const entwurf::Steuerelement& cursor = entwurf::element("lbl_cursor_position");
    lbl_cursor_position = new QLabel(c);
    lbl_cursor_position->setObjectName(QString::fromUtf8(cursor.name));
    platzieren(lbl_cursor_position, cursor);
    hintergrund_wie_fenster(lbl_cursor_position, fenster);

    // At start the focus mode: no object inputs, no notice.
    for (QWidget* w : c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const entwurf::Steuerelement& e = entwurf::element(w->objectName().toUtf8().constData());
        w->setVisible(e.sichtbar);
        if (*e.zugang_name != '\0') {
            w->setAccessibleName(uebersetzt_q(e.zugang_name));
        }
        w->setAccessibleDescription(uebersetzt_q(e.zugang_beschreibung));
    }
    bereich_->setAccessibleName(uebersetzt_q(entwurf::grafik_name));
    bereich_->setAccessibleDescription(uebersetzt_q(entwurf::grafik_beschreibung));

    // Tab order by TabIndex; labels take no focus.
    QList<std::pair<int, QWidget*>> reihe;
    for (QWidget* w : c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const entwurf::Steuerelement& e = entwurf::element(w->objectName().toUtf8().constData());
        if (e.art != entwurf::Art::Bezeichnung) {
            reihe.append({e.tab_index, w});
        }
    }
    std::sort(reihe.begin(), reihe.end());
    // The drawing, whose arrow keys move the object or the lens, comes after
    // the last box and before the check box.
    const auto hoehe =
        std::find_if(reihe.begin(), reihe.end(), [this](const auto& r) { return r.second == txt_hoehe; });
    reihe.insert(hoehe + 1, {hoehe->first, bereich_});
    for (qsizetype i = 0; i < reihe.size(); ++i) {
        setTabOrder(reihe[i].second, reihe[(i + 1) % reihe.size()].second);
    }

    // In the order of Box.
    QLineEdit* const boxen[box_anzahl] = {txt_X1_0, txt_R1_a, txt_R1_b, txt_n1, txt_Nmax, txt_d1_plus, txt_ort, txt_hoehe};
    for (int i = 0; i < box_anzahl; ++i) {
        boxen_[i] = boxen[i];
        boxen[i]->installEventFilter(this);
    }
    connect(opt_abbildung, &QRadioButton::toggled, this, [this](bool an) {
        if (an) {
            kern_.opt_abbildung_Click();
        }
    });
    connect(opt_fokus, &QRadioButton::toggled, this, [this](bool an) {
        if (an) {
            kern_.opt_fokus_Click();
        }
    });
    connect(chk_licht, &QCheckBox::toggled, this, [this] { kern_.chk_licht_Click(); });

    mnu_Datei = menuBar()->addMenu(uebersetzt_q(entwurf::mnu_Datei));
    mnu_Datei->setObjectName(QStringLiteral("mnu_Datei"));
    mnu_copy = mnu_Datei->addAction(uebersetzt_q(entwurf::mnu_copy));
    mnu_copy->setObjectName(QStringLiteral("mnu_copy"));
    mnu_Ende = mnu_Datei->addAction(uebersetzt_q(entwurf::mnu_Ende));
    mnu_Ende->setObjectName(QStringLiteral("mnu_Ende"));
    mnu_messwerte = menuBar()->addAction(uebersetzt_q(entwurf::mnu_messwerte));
    mnu_messwerte->setObjectName(QStringLiteral("mnu_messwerte"));
    mnu_beispiele = menuBar()->addMenu(uebersetzt_q(entwurf::mnu_beispiele));
    mnu_beispiele->setObjectName(QStringLiteral("mnu_beispiele"));
    for (int i = 0; i < beispiel_anzahl; ++i) {
        QAction* punkt = mnu_beispiele->addAction(uebersetzt_q(beispiele[i].titel));
        punkt->setObjectName(QStringLiteral("mnu_beispiel_%1").arg(i + 1));
        connect(punkt, &QAction::triggered, this, [this, i] { beispiel_waehlen(i); });
    }
    mnu_ansicht = menuBar()->addMenu(uebersetzt_q(entwurf::mnu_ansicht));
    mnu_ansicht->setObjectName(QStringLiteral("mnu_ansicht"));
    mnu_projektor = mnu_ansicht->addAction(uebersetzt_q(entwurf::mnu_projektor));
    mnu_projektor->setObjectName(QStringLiteral("mnu_projektor"));
    mnu_projektor->setCheckable(true);
    connect(mnu_projektor, &QAction::toggled, this, [this](bool an) { projektor_setzen(an); });
    mnu_info = menuBar()->addAction(uebersetzt_q(entwurf::mnu_info));
    mnu_info->setObjectName(QStringLiteral("mnu_info"));
    connect(mnu_copy, &QAction::triggered, this, [this] { kern_.mnu_copy_Click(); });
    connect(mnu_Ende, &QAction::triggered, this, [this] { kern_.mnu_Ende_Click(); });
    connect(mnu_messwerte, &QAction::triggered, this, [this] { kern_.mnu_messwerte_Click(); });
    connect(mnu_info, &QAction::triggered, this, [this] { kern_.mnu_info_Click(); });

    resize(entwurf::pixel(entwurf::client_breite), entwurf::pixel(entwurf::client_hoehe) + menuBar()->sizeHint().height());
    // Qt keeps a backing store of the whole window, four bytes a device pixel,
    // which a larger window than the largest picture would only fill with an
    // enlarged copy of it: at the window system's 32767 a side, gigabytes.
    const int groesste = static_cast<int>(Rasterbild::groesste_kante / devicePixelRatioF());
    setMaximumSize(groesste, groesste);
    txt_X1_0->setFocus(Qt::OtherFocusReason);

    kern_.Form_Load();
}

frm_grafik::~frm_grafik()
{
    geschlossen_ = true;
    for (QLineEdit* box : boxen_) {
        box->removeEventFilter(this);
    }
    // The drawing goes while the core it hands the pointer to is still
    // there: hiding the window later would ask it to end a drag.
    delete bereich_;
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
    bild_.fenster_setzen(rahmen.width() * double(entwurf::twips_je_pixel),
                         rahmen.height() * double(entwurf::twips_je_pixel), fensterzustand());
}

void frm_grafik::flaeche_anpassen()
{
    bild_.groesse_setzen(bereich_->size(), bereich_->devicePixelRatioF(), vergroesserung_);
    fenster_melden();
}

void frm_grafik::projektor_setzen(bool an)
{
    const int k = an ? entwurf::projektor_massstab : 1;
    mnu_projektor->setChecked(an);
    if (k == vergroesserung_) {
        return;
    }
    vergroesserung_ = k;
    // The window's font reaches the controls and the menu bar; the notice
    // keeps its own, bold. The picture's text grows with the picture.
    QFont schrift = formular_schrift();
    schrift.setPointSizeF(schrift.pointSizeF() * k);
    setFont(schrift);
    QFont fett = schrift;
    fett.setBold(entwurf::element("lbl_virtuell").fett);
    lbl_virtuell->setFont(fett);
    for (QWidget* w : bereich_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        platzieren(w, entwurf::element(w->objectName().toUtf8().constData()), k);
    }
    lbl_objekt->massstab_setzen(k);
    Lbl_eingabe->massstab_setzen(k);
    bild_.darstellung.projektor = an;
    // The window grows to the design k times as large, as far as the screen
    // holds it, and goes back to the design size; a maximized one keeps its size.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        QSize groesse(entwurf::pixel(entwurf::client_breite) * k,
                      entwurf::pixel(entwurf::client_hoehe) * k + menuBar()->sizeHint().height());
        if (an && screen() != nullptr) {
            const QSize rand = frameGeometry().size() - size();
            groesse = groesse.boundedTo(screen()->availableGeometry().size() - rand).expandedTo(size());
        }
        resize(groesse);
    }
    flaeche_anpassen();
    kern_.neu_zeichnen();
}

void frm_grafik::changeEvent(QEvent* ereignis)
{
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() == QEvent::WindowStateChange) {
        fenster_melden();
        kern_.neu_zeichnen();
    }
}

void frm_grafik::resizeEvent(QResizeEvent* ereignis)
{
    QMainWindow::resizeEvent(ereignis);
    // A window manager keeps the window within its maximum size; without one
    // the window system may still make it larger, and Qt's backing store
    // would grow with it. The window goes back to its largest size at once.
    const QSize groesste = maximumSize();
    if (width() > groesste.width() || height() > groesste.height()) {
        resize(size().boundedTo(groesste));
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
    // Enter in a box takes its value and moves on, as Tab does.
    if (ereignis->type() == QEvent::KeyPress && !geschlossen_) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool eingabe = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
        if (eingabe && (taste->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            std::find(std::begin(boxen_), std::end(boxen_), objekt) != std::end(boxen_)) {
            focusNextPrevChild(true);
            return true;
        }
    }
    if (ereignis->type() == QEvent::FocusOut && !geschlossen_) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        for (int i = 0; i < box_anzahl; ++i) {
            if (objekt == boxen_[i] && verlaesst_box(grund)) {
                box_verlassen(static_cast<Box>(i), grund);
                break;
            }
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void frm_grafik::box_verlassen(Box b, Qt::FocusReason grund)
{
    // A click on a button ends the entry inside the mouse press. If the entry
    // shows a message there, the button never sees its release and would stay
    // pressed; once the message is closed the click is finished instead.
    QPointer<QAbstractButton> geklickt =
        grund == Qt::MouseFocusReason ? qobject_cast<QAbstractButton*>(QApplication::focusWidget()) : nullptr;
    const int vorher = meldungen_;
    kern_.LostFocus(b);
    if (geklickt && meldungen_ != vorher) {
        // After the press that is still being delivered.
        QTimer::singleShot(0, this, [geklickt] {
            if (geklickt) {
                geklickt->setDown(false);
                geklickt->click();
            }
        });
    }
}

Szenenschalter frm_grafik::schalter()
{
    return {[this] { opt_abbildung->setChecked(true); }, [this] { opt_fokus->setChecked(true); },
            [this] { chk_licht->setChecked(true); }, [this] { chk_licht->setChecked(false); }};
}

std::function<bool()> frm_grafik::solange_offen()
{
    QPointer<frm_grafik> selbst(this);
    return [selbst] { return selbst && !selbst->geschlossen(); };
}

void frm_grafik::befehlszeile_uebernehmen(const Befehlszeile& befehl)
{
    szene_uebernehmen(befehl, *this, kern_, schalter(), [offen = solange_offen()](const Szenenwert&) { return offen(); });
}

void frm_grafik::beispiel_waehlen(int nummer)
{
    if (nummer >= 0 && nummer < beispiel_anzahl) {
        ::beispiel_waehlen(beispiele[nummer], *this, kern_, schalter(),
                           [offen = solange_offen()](std::size_t) { return offen(); });
    }
}

QLineEdit* frm_grafik::box(Box b) const
{
    const int i = static_cast<int>(b);
    return i >= 0 && i < box_anzahl ? boxen_[i] : nullptr;
}

std::string frm_grafik::Text(Box b) const
{
    return box(b)->text().toStdString();
}

void frm_grafik::Text_setzen(Box b, const std::string& text)
{
    QLineEdit* feld = box(b);
    feld->setText(QString::fromStdString(text));
    feld->setCursorPosition(0);  // a long number shows its beginning
}

void frm_grafik::txt_ort_Visible(bool sichtbar)
{
    txt_ort->setVisible(sichtbar);
}

void frm_grafik::txt_hoehe_Visible(bool sichtbar)
{
    txt_hoehe->setVisible(sichtbar);
}

void frm_grafik::lbl_objekt_Visible(bool sichtbar)
{
    lbl_objekt->setVisible(sichtbar);
}

void frm_grafik::lbl_cursor_position_Caption(const std::string& text)
{
    lbl_cursor_position->setText(QString::fromStdString(text));
}

void frm_grafik::MsgBox(const std::string& text, std::function<void()> danach)
{
    ++meldungen_;
    meldung_zeigen(QString::fromStdString(text));
    if (danach) {
        danach();
    }
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

void frm_grafik::Clipboard_Bild(std::function<void(bool)> fertig)
{
    fertig(bild_in_zwischenablage(bild_.kopie()));
}

void frm_grafik::frm_info_Show()
{
    ::frm_info_Show();
}

void frm_grafik::frm_messwerte_Show()
{
    if (!messwerte_) {
        messwerte_ = new frm_messwerte(
            this, [this] { kern_.cmd_messwerte_kopieren_Click(); }, [this] { kern_.frm_messwerte_Unload(); });
    }
    messwerte_->show();
    messwerte_->raise();
    messwerte_->activateWindow();
}

frm_messwerte* frm_grafik::messwerte() const
{
    return messwerte_.data();
}

void frm_grafik::Messwerte_zeigen(const Messbericht& bericht)
{
    if (messwerte_) {
        messwerte_->zeigen(bericht);
    }
}

bool text_in_zwischenablage(const QString& text)
{
    QClipboard* ablage = QGuiApplication::clipboard();
    if (ablage == nullptr) {
        return false;
    }
    ablage->clear();
    ablage->setText(text);
    // Another program may hold the clipboard; only what arrived counts.
    return ablage->text() == text;
}

void frm_grafik::Clipboard_Text(const std::string& text, std::function<void(bool)> fertig)
{
    fertig(text_in_zwischenablage(QString::fromStdString(text)));
}

void frm_grafik::End()
{
    ::End();
}

void frm_grafik::Refresh()
{
    bereich_->update();
}

void frm_grafik::Grafik_Beschreibung(const std::string& text)
{
    // What the drawing shows now, then what it is at all, as the page says it.
    bereich_->setAccessibleDescription(QString::fromStdString(text) + QLatin1Char(' ') +
                                       uebersetzt_q(entwurf::grafik_beschreibung));
}

void frm_grafik::Zeigerform_setzen(Zeigerform form)
{
    switch (form) {
    case Zeigerform::pfeil: bereich_->unsetCursor(); return;
    case Zeigerform::offen: bereich_->setCursor(Qt::OpenHandCursor); return;
    case Zeigerform::greifend: bereich_->setCursor(Qt::ClosedHandCursor); return;
    }
}
