// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTAXIS_H
#define CHARTAXIS_H

#include "chartstyle.h"

#include <QColor>
#include <QList>
#include <QString>

QT_BEGIN_NAMESPACE
class QFontMetricsF;
class QPainter;
class QRectF;
QT_END_NAMESPACE

// An axis along one side of a plot, from low to high: labels at round values (or
// at the values given) beside the plot, ticks pointing out of it, lines across it
// at the same values, and a title beyond the labels. Lengths are at zoom 1.
// The values may stand a padding inside the plot's frame, so that a line at the
// lowest or highest value stays clear of it.
class ChartAxis
{
public:
    enum Side { Left, Right, Bottom };

    ChartAxis(Side side, double low, double high, double zoom = 1.0, const Chart::Colours &colours = Chart::Colours());

    // Round values, at most so many, and fewer where the labels would crowd.
    void setMostTicks(int most);
    // Exactly these values, all labelled; none, round values again.
    void setTicks(const QList<double> &values);
    void setGrid(bool lines);
    void setTickLength(double length);
    void setLabelColour(const QColor &colour);
    void setTitle(const QString &title);
    void setPadding(double padding);
    // Labels only at whole numbers, as for generations.
    void setWhole(bool whole);

    // Where value lies across the plot: x for the bottom, y for the sides.
    double position(const QRectF &plot, double value) const;
    // The room the ticks, labels and title take beside the plot.
    double room(const QFontMetricsF &metrics) const;
    void paint(QPainter &painter, const QRectF &plot) const;

private:
    QList<double> ticks(const QRectF &plot, const QFontMetricsF &metrics) const;
    void paintTitle(QPainter &painter, const QRectF &plot, double labelsEnd) const;

    Side side;
    double low;
    double high;
    double zoom;
    Chart::Colours colours;
    int most = 6;
    QList<double> values;
    bool grid = true;
    double tickLength = 0;
    QColor labelColour;
    QString title;
    double padding = 0;
    bool whole = false;
};

// Round tick values for an axis from low to high: steps of 1, 2 or 5 times a
// power of ten; with whole, steps of 1 at least.
QList<double> axisTicks(double low, double high, int most, bool whole = false);

// A value axis on the plot's left with its grid, as ChartAxis paints it.
void paintValueAxis(QPainter &painter, const QRectF &plot, double low, double high, int most,
                    const Chart::Colours &colours = Chart::Colours());

#endif
