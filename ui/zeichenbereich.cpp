#include "ui/zeichenbereich.h"

#include "form/entwurf.h"
#include "ui/frm_grafik.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QPen>

namespace {

// A finger on a touch screen covers more than a mouse pointer, so the core
// grabs within a wider reach. Qt hands a touch the drawing does not take
// as mouse events from the touch screen.
bool mit_finger(const QMouseEvent* ereignis)
{
    const QInputDevice* geraet = ereignis->device();
    return geraet != nullptr && geraet->type() == QInputDevice::DeviceType::TouchScreen;
}

}  // namespace

Zeichenbereich::Zeichenbereich(frm_grafik& form, QWidget* eltern) : QWidget(eltern), form_(form)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached with Tab only: a click on the drawing leaves the focus where
    // it is, so a box keeps its typed text until the user leaves it.
    setFocusPolicy(Qt::TabFocus);
    nachzug_.setSingleShot(true);
    nachzug_.setInterval(0);
    QObject::connect(&nachzug_, &QTimer::timeout, this, [this] { zug_nachholen(); });
}

QSize Zeichenbereich::sizeHint() const
{
    return QSize(entwurf::pixel(entwurf::client_breite), entwurf::pixel(entwurf::client_hoehe));
}

bool Zeichenbereich::zieht() const
{
    return form_.kern().gegriffen() != Griff::keiner;
}

void Zeichenbereich::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage& bild = form_.bild().Image();
    if (bild.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
    } else {
        p.drawImage(QRectF(rect()), bild);
    }
    // The keyboard's arrows act on the drawing now: a frame in the
    // selection colour along its edge says so, on the window only, never in
    // the picture that is copied. (A style's focus frame may tint all it
    // encloses, here the whole drawing.)
    if (hasFocus() && per_tastatur_) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void Zeichenbereich::focusInEvent(QFocusEvent* ereignis)
{
    // Taken by a press on a grip, the focus needs no frame: the hand shows
    // what moves.
    per_tastatur_ = ereignis->reason() != Qt::MouseFocusReason;
    QWidget::focusInEvent(ereignis);
}

void Zeichenbereich::resizeEvent(QResizeEvent*)
{
    form_.flaeche_anpassen();
    form_.kern().neu_zeichnen();
}

void Zeichenbereich::mousePressEvent(QMouseEvent* ereignis)
{
    const QPointF pos = ereignis->position();
    if (ereignis->button() == Qt::LeftButton && !zieht() && childAt(pos.toPoint()) == nullptr) {
        const bool finger = mit_finger(ereignis);
        QPointF welt = form_.bild().welt(pos);
        const int meldungen = form_.meldungen();
        if (!hasFocus() && form_.kern().griff_bei(welt.x(), welt.y(), finger) != Griff::keiner) {
            // As in the page: a press on a grip gives the drawing the focus,
            // so that a box being typed in takes its value first, as when a
            // click on another control ends its entry. Where that shows a
            // message the press ended in it, and nothing is taken; otherwise
            // the grip is looked for in the picture the value may have
            // changed (max x changes the scale).
            setFocus(Qt::MouseFocusReason);
            welt = form_.bild().welt(pos);
        }
        if (form_.meldungen() == meldungen && form_.kern().Zeiger_runter(welt.x(), welt.y(), finger)) {
            finger_ = finger;
            // The press holds the pointer: its moves and its release come
            // here wherever it goes, over a box or outside the window (the
            // window system's grab of a pressed button, which Qt hands on
            // to the widget that took the press), and the drag ends there.
            qApp->installEventFilter(this);
            ereignis->accept();
            return;
        }
    }
    // Elsewhere a press does what it always did.
    QWidget::mousePressEvent(ereignis);
}

void Zeichenbereich::mouseMoveEvent(QMouseEvent* ereignis)
{
    const QPointF pos = ereignis->position();
    if (zieht()) {
        if (!(ereignis->buttons() & Qt::LeftButton)) {
            // The release went to another window that took the pointer.
            zug_abbrechen();
            return;
        }
        offener_zug_ = pos;
        if (!nachzug_.isActive()) {
            nachzug_.start();
        }
        return;
    }
    // Moves over a control bubble up to here; the form reports only its own.
    if (childAt(pos.toPoint()) == nullptr) {
        const QPointF welt = form_.bild().welt(pos);
        form_.kern().Zeiger_bewegen(welt.x(), welt.y(), mit_finger(ereignis));
    }
}

void Zeichenbereich::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (!zieht() || ereignis->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(ereignis);
        return;
    }
    // Where the pointer was let go is the last place of the drag.
    const QPointF pos = ereignis->position();
    offener_zug_ = pos;
    zug_nachholen();
    zug_beenden();
    form_.kern().Zeiger_hoch();
    // The pointer's look for where it rests now.
    if (rect().contains(pos.toPoint()) && childAt(pos.toPoint()) == nullptr) {
        const QPointF welt = form_.bild().welt(pos);
        form_.kern().Zeiger_bewegen(welt.x(), welt.y(), finger_);
    }
    ereignis->accept();
}

void Zeichenbereich::keyPressEvent(QKeyEvent* ereignis)
{
    const Qt::KeyboardModifiers tasten = ereignis->modifiers() & ~Qt::KeypadModifier;
    std::optional<Pfeil> pfeil;
    switch (ereignis->key()) {
    case Qt::Key_Left: pfeil = Pfeil::links; break;
    case Qt::Key_Right: pfeil = Pfeil::rechts; break;
    case Qt::Key_Up: pfeil = Pfeil::hoch; break;
    case Qt::Key_Down: pfeil = Pfeil::runter; break;
    default: break;
    }
    if (pfeil && !(tasten & ~(Qt::ShiftModifier | Qt::AltModifier)) &&
        form_.kern().Pfeiltaste(*pfeil, tasten & Qt::ShiftModifier, tasten & Qt::AltModifier)) {
        ereignis->accept();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

bool Zeichenbereich::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // While a drag runs the keyboard does nothing but end it with Escape:
    // no shortcut, no menu and no Tab, which would end a box's entry, and
    // might show a message, in the middle of the drag.
    const bool taste = ereignis->type() == QEvent::KeyPress || ereignis->type() == QEvent::ShortcutOverride;
    if (taste && zieht()) {
        if (ereignis->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
            zug_abbrechen();
        }
        ereignis->accept();
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Zeichenbereich::changeEvent(QEvent* ereignis)
{
    QWidget::changeEvent(ereignis);
    // Another window came to the front in the middle of a drag.
    if (ereignis->type() == QEvent::ActivationChange && !isActiveWindow() && zieht()) {
        zug_abbrechen();
    }
}

void Zeichenbereich::hideEvent(QHideEvent* ereignis)
{
    QWidget::hideEvent(ereignis);
    if (zieht()) {
        zug_abbrechen();
    }
}

void Zeichenbereich::zug_nachholen()
{
    nachzug_.stop();
    if (!offener_zug_) {
        return;
    }
    const QPointF welt = form_.bild().welt(*offener_zug_);
    offener_zug_.reset();
    if (zieht()) {
        form_.kern().Zeiger_bewegen(welt.x(), welt.y(), finger_);
    }
}

void Zeichenbereich::zug_beenden()
{
    nachzug_.stop();
    offener_zug_.reset();
    qApp->removeEventFilter(this);
}

void Zeichenbereich::zug_abbrechen()
{
    zug_beenden();
    form_.kern().Zeiger_abbrechen();
}
