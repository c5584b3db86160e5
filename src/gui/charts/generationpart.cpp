// SPDX-License-Identifier: GPL-3.0-or-later
#include "generationpart.h"

#include <QPainter>

GenerationPart::GenerationPart(QSize characters, QWidget *parent)
    : ChartWidget(parent), characters(characters)
{
}

QSize GenerationPart::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(characters.width() * metrics.averageCharWidth(),
                 characters.height() * (metrics.height() + static_cast<int>(px(RowGap))));
}

QSize GenerationPart::sizeHint() const
{
    return minimumSizeHint();
}

QRectF GenerationPart::area() const
{
    return QRectF(rect()).adjusted(px(Pad), px(Pad) / 2, -px(Pad), -px(Pad) / 2);
}

QRectF GenerationPart::paintHeading(QPainter &painter, const QRectF &area, const QString &text) const
{
    const double height = painter.fontMetrics().height();
    painter.save();
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    paintTitle(painter, QRectF(area.left(), area.top(), area.width(), height), text);
    painter.restore();
    return area.adjusted(0, height + px(RowGap), 0, 0);
}
