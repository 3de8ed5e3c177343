#include "ui/symbol.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

QImage symbol_bild(int kante)
{
    QImage bild(kante, kante, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);

    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, kante >= 32);
    // Everything is laid out on a 32-unit grid and scaled down for 16.
    p.scale(kante / 32.0, kante / 32.0);

    // Short black rays around the glass.
    const QPointF mitte(16, 12.5);
    QPen strahl(Qt::black, kante >= 32 ? 1.6 : 2.2);
    strahl.setCapStyle(Qt::FlatCap);
    p.setPen(strahl);
    for (int i = 0; i < 7; ++i) {
        const double winkel = (-180.0 + 30.0 * i) * M_PI / 180.0;
        const QPointF r(std::cos(winkel), std::sin(winkel));
        p.drawLine(mitte + r * 10.0, mitte + r * 12.5);
    }

    // The glass: a yellow bulb narrowing towards the base.
    QPainterPath glas;
    glas.addEllipse(mitte, 8, 8);
    QPainterPath hals;
    hals.moveTo(10.5, 17);
    hals.lineTo(21.5, 17);
    hals.lineTo(19.5, 23);
    hals.lineTo(12.5, 23);
    hals.closeSubpath();
    glas = glas.united(hals);
    QRadialGradient licht(QPointF(14, 10.5), 10);
    licht.setColorAt(0, QColor(255, 255, 200));
    licht.setColorAt(0.6, QColor(255, 240, 40));
    licht.setColorAt(1, QColor(240, 200, 0));
    p.setBrush(licht);
    p.setPen(QPen(QColor(150, 120, 0), 1));
    p.drawPath(glas);

    // The grey filament.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 110, 110), kante >= 32 ? 1.2 : 1.8));
    QPainterPath draht;
    draht.moveTo(13.5, 22);
    draht.lineTo(13.5, 15);
    draht.lineTo(14.5, 12);
    draht.lineTo(15.5, 14);
    draht.lineTo(16.5, 12);
    draht.lineTo(17.5, 14);
    draht.lineTo(18.5, 12);
    draht.lineTo(18.5, 22);
    p.drawPath(draht);

    // The silver screw base with its dark contact.
    QLinearGradient silber(12, 0, 20, 0);
    silber.setColorAt(0, QColor(150, 150, 150));
    silber.setColorAt(0.5, QColor(235, 235, 235));
    silber.setColorAt(1, QColor(140, 140, 140));
    p.setBrush(silber);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(QRectF(12.5, 23, 7, 6));
    p.drawLine(QPointF(12.5, 25), QPointF(19.5, 25));
    p.drawLine(QPointF(12.5, 27), QPointF(19.5, 27));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(14.5, 29, 3, 2));
    p.end();
    return bild;
}

QIcon fenster_symbol()
{
    QIcon symbol;
    symbol.addPixmap(QPixmap::fromImage(symbol_bild(32)));
    symbol.addPixmap(QPixmap::fromImage(symbol_bild(16)));
    return symbol;
}
