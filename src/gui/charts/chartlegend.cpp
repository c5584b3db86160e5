// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartlegend.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {
const double SignShare = 0.8; // of a line of text
const double LineShare = 2.0; // of a line of text: long enough for a dash pattern to show
}

ChartLegend::ChartLegend(double zoom, const Chart::Colours &colours)
    : zoom(zoom), colours(colours)
{
}

void ChartLegend::add(const QString &name, const QColor &colour, Sign sign, const QColor &edge)
{
    entries << Entry{name, colour, sign, edge.isValid() ? edge : colour, Qt::SolidLine};
}

void ChartLegend::addLine(const QString &name, const QPen &pen)
{
    entries << Entry{name, pen.color(), Line, QColor(), pen.style()};
}

double ChartLegend::entryWidth(const Entry &entry, const QFontMetricsF &metrics) const
{
    const double space = metrics.horizontalAdvance(QLatin1Char(' '));
    const double sign = entry.sign == Name   ? 0
                        : entry.sign == Line ? metrics.height() * LineShare + space
                                             : metrics.height() * SignShare + space;
    return sign + metrics.horizontalAdvance(entry.name);
}

double ChartLegend::width(const QFontMetricsF &metrics) const
{
    const double gap = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    double total = 0;
    for (const Entry &entry : entries)
        total += entryWidth(entry, metrics) + gap;
    return entries.isEmpty() ? 0 : total - gap;
}

double ChartLegend::paint(QPainter &painter, const QRectF &line, Qt::Alignment alignment) const
{
    const QFontMetricsF metrics(painter.font());
    const double space = metrics.horizontalAdvance(QLatin1Char(' '));
    double x = alignment & Qt::AlignRight ? line.right() - width(metrics) : line.left();
    painter.save();
    for (const Entry &entry : entries) {
        if (entry.sign == Line) {
            const double length = metrics.height() * LineShare;
            painter.setPen(QPen(entry.colour, std::max(zoom, 1.5 * zoom), entry.dashes, Qt::FlatCap));
            painter.drawLine(QPointF(x, line.center().y()), QPointF(x + length, line.center().y()));
            x += length + space;
        } else if (entry.sign != Name) {
            const double side = metrics.height() * SignShare;
            const QRectF sign(x, line.center().y() - side / 2, side, side);
            painter.setPen(QPen(entry.edge, zoom));
            painter.setBrush(entry.colour);
            if (entry.sign == Dot)
                painter.drawEllipse(sign);
            else
                painter.drawRect(sign);
            x = sign.right() + space;
        }
        const double nameWidth = metrics.horizontalAdvance(entry.name);
        painter.setPen(entry.sign == Name ? colours.label(entry.colour) : colours.text);
        painter.drawText(QRectF(x, line.top(), nameWidth, line.height()), Qt::AlignLeft | Qt::AlignVCenter, entry.name);
        x += nameWidth + 2 * space;
    }
    painter.restore();
    return x - 2 * space;
}
