#pragma once
// The retained picture on the desktop: the raster's pixels seen as a QImage
// for painting the window and for the clipboard, and text drawn with Qt's fonts.

#include "render/rasterbild.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QPointF>
#include <QSize>

#include <algorithm>

class BildFlaeche : public Rasterbild {
public:
    using Rasterbild::groesse_setzen;
    using Rasterbild::systemfarben_setzen;
    using Rasterbild::welt;

    // With a vergroesserung k the picture is drawn as the export draws its
    // larger sizes: on a client area k times smaller at k times the pixel
    // ratio, so that its lines, points and text are k times as large.
    void groesse_setzen(QSize logisch, qreal pixelverhaeltnis = 1.0, int vergroesserung = 1)
    {
        vergroesserung_ = std::max(1, vergroesserung);
        Rasterbild::groesse_setzen(logisch.width() / vergroesserung_, logisch.height() / vergroesserung_,
                                   pixelverhaeltnis * vergroesserung_);
    }
    void systemfarben_setzen(const QColor& fensterhintergrund, const QColor& schaltflaechentext)
    {
        Rasterbild::systemfarben_setzen(fensterhintergrund.rgb(), schaltflaechentext.rgb());
    }
    // The window's background is the palette's Base, as behind text boxes.
    void systemfarben_setzen(const QPalette& palette)
    {
        systemfarben_setzen(palette.color(QPalette::Base), palette.color(QPalette::ButtonText));
    }
    // The font that Print uses; without one, the application's.
    void schrift_setzen(const QFont& schrift);

    // The pixels themselves, without a copy, for painting: what is drawn later
    // shows in it too, and it holds only until the next size change. Null
    // while the picture is empty.
    const QImage& Image() const;
    // A picture of its own, for whoever keeps it (the clipboard): sharing the
    // pixels would make the next redraw copy them first.
    QImage kopie() const;
    // A point in logical pixels of the client area, whatever the vergroesserung.
    QPointF welt(QPointF logisch) const
    {
        const Weltpunkt w = Rasterbild::welt(logisch.x() / vergroesserung_, logisch.y() / vergroesserung_);
        return QPointF(w.x, w.y);
    }

protected:
    void text_zeichnen(const std::string& text, double x, double y, std::uint32_t rgb) override;
    double text_breite(const std::string& text) const override;
    double text_grundlinie() const override;

private:
    // A QImage over the pixels, in logical pixels of the client area.
    QImage ansicht() const;
    // The font of Print, drawn without smoothing.
    QFont druckschrift() const;

    mutable QImage ansicht_;
    QFont schrift_;
    bool schrift_gesetzt_ = false;
    int vergroesserung_ = 1;
};
