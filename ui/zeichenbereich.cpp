#include "ui/zeichenbereich.h"

#include "form/entwurf.h"
#include "ui/frm_grafik.h"

#include <QMouseEvent>
#include <QPainter>

Zeichenbereich::Zeichenbereich(frm_grafik& form, QWidget* eltern) : QWidget(eltern), form_(form)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize Zeichenbereich::sizeHint() const
{
    return QSize(entwurf::pixel(entwurf::client_breite), entwurf::pixel(entwurf::client_hoehe));
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
    form_.kern().neu_zeichnen();
}

void Zeichenbereich::mouseMoveEvent(QMouseEvent* ereignis)
{
    // Moves over a control bubble up to here; the form reports only its own.
    const QPointF pos = ereignis->position();
    if (childAt(pos.toPoint()) == nullptr) {
        // The platform hands single-precision positions in the user scale.
        const QPointF welt = form_.bild().welt(pos);
        form_.kern().Form_MouseMove(static_cast<float>(welt.x()), static_cast<float>(welt.y()));
    }
}
