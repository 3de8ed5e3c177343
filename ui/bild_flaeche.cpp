#include "ui/bild_flaeche.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

void BildFlaeche::schrift_setzen(const QFont& schrift)
{
    schrift_ = schrift;
    schrift_gesetzt_ = true;
}

QImage BildFlaeche::ansicht() const
{
    if (pixel() == nullptr) {
        return QImage();
    }
    // Not the const constructor: painting text into it must write through to
    // the pixels, not into a copy.
    QImage bild(reinterpret_cast<uchar*>(const_cast<std::uint32_t*>(pixel())), breite(), hoehe(),
                static_cast<qsizetype>(breite()) * 4, QImage::Format_RGB32);
    bild.setDevicePixelRatio(massstab());
    return bild;
}

const QImage& BildFlaeche::Image() const
{
    // Made anew whenever the pixels moved, so that it never shows freed memory.
    const uchar* bits = ansicht_.isNull() ? nullptr : ansicht_.constBits();
    if (bits != reinterpret_cast<const uchar*>(pixel()) || ansicht_.width() != breite() ||
        ansicht_.height() != hoehe() || ansicht_.devicePixelRatio() != massstab()) {
        ansicht_ = ansicht();
    }
    return ansicht_;
}

QImage BildFlaeche::kopie() const
{
    return ansicht().copy();
}

QFont BildFlaeche::druckschrift() const
{
    QFont schrift = schrift_gesetzt_ ? schrift_ : QGuiApplication::font();
    // Exact colours, as for lines: no blended glyph edges.
    schrift.setStyleStrategy(QFont::NoAntialias);
    return schrift;
}

double BildFlaeche::text_breite(const std::string& text) const
{
    return QFontMetricsF(druckschrift()).horizontalAdvance(QString::fromStdString(text));
}

double BildFlaeche::text_grundlinie() const
{
    return QFontMetricsF(druckschrift()).ascent();
}

void BildFlaeche::text_zeichnen(const std::string& text, double x, double y, std::uint32_t rgb)
{
    // A view of its own for each text: one that somebody else shares would
    // detach on painting and the text would miss the pixels.
    QImage bild = ansicht();
    const QFont schrift = druckschrift();
    QPainter p(&bild);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(schrift);
    p.setPen(QColor::fromRgb(rgb));
    const QFontMetricsF metrik(schrift, &bild);
    p.drawText(QPointF(x, y + metrik.ascent()), QString::fromStdString(text));
}
