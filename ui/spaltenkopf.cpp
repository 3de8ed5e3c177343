#include "ui/spaltenkopf.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

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
        links = spalten_[i - 1] * massstab_ + (boxbreite_ * massstab_ - breite) / 2;
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
