// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaxis.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {
const double LabelGap = 6;      // between a label and the plot, and beyond it
const double LabelSpacing = 1.5; // label sizes from one label to the next, at least
}

ChartAxis::ChartAxis(Side side, double low, double high, double zoom, const Chart::Colours &colours)
    : side(side), low(low), high(high), zoom(zoom), colours(colours), labelColour(colours.text)
{
}

void ChartAxis::setMostTicks(int ticks)
{
    most = ticks;
}

void ChartAxis::setTicks(const QList<double> &ticks)
{
    values = ticks;
}

void ChartAxis::setGrid(bool lines)
{
    grid = lines;
}

void ChartAxis::setTickLength(double length)
{
    tickLength = length;
}

void ChartAxis::setLabelColour(const QColor &colour)
{
    labelColour = colour;
}

void ChartAxis::setTitle(const QString &text)
{
    title = text;
}

void ChartAxis::setPadding(double length)
{
    padding = length;
}

void ChartAxis::setWhole(bool wholeNumbers)
{
    whole = wholeNumbers;
}

double ChartAxis::position(const QRectF &plot, double value) const
{
    if (!(high > low))
        return side == Bottom ? plot.center().x() : plot.center().y();
    const double share = (value - low) / (high - low);
    const QRectF inside = plot.adjusted(padding * zoom, padding * zoom, -padding * zoom, -padding * zoom);
    return side == Bottom ? inside.left() + inside.width() * share : inside.bottom() - inside.height() * share;
}

double ChartAxis::room(const QFontMetricsF &metrics) const
{
    const double titleRoom = title.isEmpty() ? 0 : metrics.height();
    if (side == Bottom)
        return tickLength * zoom + metrics.height() + titleRoom;
    double widest = 0;
    for (double value : values.isEmpty() ? axisTicks(low, high, most, whole) : values)
        widest = std::max(widest, metrics.horizontalAdvance(Chart::number(value)));
    return tickLength * zoom + widest + 2 * LabelGap * zoom + titleRoom;
}

// Fewer round values where their labels would touch: along the sides a label's
// height apart, along the bottom the widest label's width.
QList<double> ChartAxis::ticks(const QRectF &plot, const QFontMetricsF &metrics) const
{
    if (!values.isEmpty())
        return values;
    if (side != Bottom)
        return axisTicks(low, high, std::min(most, static_cast<int>(plot.height() / (metrics.height() * LabelSpacing)) + 1),
                         whole);
    const double widest = std::max(metrics.horizontalAdvance(Chart::number(low)), metrics.horizontalAdvance(Chart::number(high)));
    return axisTicks(low, high, std::clamp(static_cast<int>(plot.width() / (widest * LabelSpacing)) + 1, 2, std::max(most, 2)),
                     whole);
}

void ChartAxis::paint(QPainter &painter, const QRectF &plot) const
{
    const QFontMetricsF metrics(painter.font());
    const double labelHeight = metrics.height();
    const double tick = tickLength * zoom;
    const double gap = LabelGap * zoom;
    double labelsEnd = 0; // how far from the plot the widest label reaches
    for (double value : ticks(plot, metrics)) {
        const double at = position(plot, value);
        const QString label = Chart::number(value);
        if (grid) {
            painter.setPen(QPen(colours.grid, zoom));
            if (side == Bottom)
                painter.drawLine(QPointF(at, plot.top() + 1), QPointF(at, plot.bottom() - 1));
            else
                painter.drawLine(QPointF(plot.left() + 1, at), QPointF(plot.right() - 1, at));
        }
        painter.setPen(QPen(colours.text, zoom));
        if (tick > 0 && side == Bottom)
            painter.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() + tick));
        else if (tick > 0)
            painter.drawLine(QPointF(side == Left ? plot.left() - tick : plot.right(), at),
                             QPointF(side == Left ? plot.left() : plot.right() + tick, at));
        painter.setPen(labelColour);
        const double width = metrics.horizontalAdvance(label);
        labelsEnd = std::max(labelsEnd, tick + gap + width);
        if (side == Bottom) {
            // Under its tick, but not beyond the plot's ends, where the side's labels stand.
            const double left = std::clamp(at - width / 2, plot.left(), std::max(plot.left(), plot.right() - width));
            painter.drawText(QRectF(left, plot.bottom() + tick, width, labelHeight), Qt::AlignCenter, label);
        } else if (side == Left) {
            painter.drawText(QRectF(0, at - labelHeight / 2, plot.left() - tick - gap, labelHeight),
                             Qt::AlignRight | Qt::AlignVCenter, label);
        } else {
            painter.drawText(QRectF(plot.right() + tick + gap, at - labelHeight / 2, width, labelHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, label);
        }
    }
    paintTitle(painter, plot, labelsEnd);
}

// Below the labels, or left of them turned to read upwards.
void ChartAxis::paintTitle(QPainter &painter, const QRectF &plot, double labelsEnd) const
{
    if (title.isEmpty())
        return;
    const double lineHeight = QFontMetricsF(painter.font()).height();
    painter.setPen(colours.text);
    if (side == Bottom) {
        painter.drawText(QRectF(plot.left(), plot.bottom() + tickLength * zoom + lineHeight, plot.width(), lineHeight),
                         Qt::AlignCenter, title);
        return;
    }
    painter.save();
    painter.translate(plot.left() - labelsEnd - LabelGap * zoom - lineHeight, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), lineHeight), Qt::AlignCenter, title);
    painter.restore();
}

QList<double> axisTicks(double low, double high, int most, bool whole)
{
    QList<double> ticks;
    if (!(high > low) || most < 2)
        return ticks;
    // The finest step of the factors given times a power of ten that gives at most
    // so many ticks between low and high.
    const auto count = [&](double step) { return std::floor(high / step + 1e-9) - std::ceil(low / step - 1e-9) + 1; };
    const double start = std::pow(10.0, std::floor(std::log10((high - low) / (most - 1))) - 1);
    const auto finest = [&](std::initializer_list<double> factors) {
        for (double magnitude = start;; magnitude *= 10) {
            for (double factor : factors) {
                if (count(factor * magnitude) <= most)
                    return factor * magnitude;
            }
        }
    };
    double step = finest({1.0, 2.0, 5.0});
    // Where round steps leave fewer than three labels, half-round ones (150, 250) may give three.
    if (count(step) < 3 && most >= 3) {
        const double half = finest({1.5, 2.5});
        if (count(half) >= 3)
            step = half;
    }
    if (whole)
        step = std::max(step, 1.0);
    for (double tick = std::ceil(low / step - 1e-9) * step; tick <= high + step * 1e-9; tick += step)
        ticks << (std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    return ticks;
}

void paintValueAxis(QPainter &painter, const QRectF &plot, double low, double high, int most,
                    const Chart::Colours &colours)
{
    ChartAxis axis(ChartAxis::Left, low, high, 1.0, colours);
    axis.setMostTicks(most);
    axis.paint(painter, plot);
}
