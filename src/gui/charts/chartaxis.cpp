// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaxis.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {
const int LabelGap = 6; // between a label and the plot
const double FocusFrameWidth = 2.0;
const double LabelSpacing = 1.5; // label heights from one value label to the next, at least
}

QFont Chart::zoomedFont(QFont font, double zoom)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * zoom));
    return font;
}

QList<double> axisTicks(double low, double high, int most)
{
    QList<double> ticks;
    if (!(high > low) || most < 2)
        return ticks;
    const double rough = (high - low) / (most - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= rough)
            break;
    }
    for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step)
        ticks << (std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    return ticks;
}

void paintValueAxis(QPainter &painter, const QRectF &plot, double low, double high, int most)
{
    const double labelHeight = painter.fontMetrics().height();
    most = std::min(most, static_cast<int>(plot.height() / (labelHeight * LabelSpacing)) + 1);
    for (double tick : axisTicks(low, high, most)) {
        const double y = plot.bottom() - plot.height() * (tick - low) / (high - low);
        painter.setPen(Chart::Grid);
        painter.drawLine(QPointF(plot.left() + 1, y), QPointF(plot.right() - 1, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - labelHeight / 2, plot.left() - LabelGap, labelHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(tick, 'g', 10));
    }
}

double valueLabelsWidth(const QFontMetricsF &metrics, double low, double high)
{
    return std::max(metrics.horizontalAdvance(QString::number(low, 'g', 10)),
                    metrics.horizontalAdvance(QString::number(high, 'g', 10)))
           + 2 * LabelGap;
}

void paintFocusFrame(QPainter &painter, const QRect &area, double zoom)
{
    const double width = FocusFrameWidth * zoom;
    painter.save();
    painter.setPen(QPen(QPalette().color(QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    painter.restore();
}
