// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTLEGEND_H
#define CHARTLEGEND_H

#include "chartstyle.h"

#include <QColor>
#include <QList>
#include <QString>

QT_BEGIN_NAMESPACE
class QFontMetricsF;
class QPainter;
class QPen;
class QRectF;
QT_END_NAMESPACE

// The names of what a chart shows, in a row: each after a square, a dot or a
// stretch of line in its colour, or the name itself in its colour, as text reads
// on the background. Entries stand two spaces apart.
class ChartLegend
{
public:
    enum Sign { Name, Square, Dot, Line };

    explicit ChartLegend(double zoom = 1.0, const Chart::Colours &colours = Chart::Colours());

    // edge, when given, outlines the sign in a colour of its own.
    void add(const QString &name, const QColor &colour, Sign sign = Name, const QColor &edge = QColor());
    // A stretch of line in the pen's colour, width and dashes, then the name.
    void addLine(const QString &name, const QPen &pen);
    double width(const QFontMetricsF &metrics) const;
    // Along line from its left, or ending at its right; returns where the row ends.
    double paint(QPainter &painter, const QRectF &line, Qt::Alignment alignment = Qt::AlignLeft) const;

private:
    struct Entry
    {
        QString name;
        QColor colour;
        Sign sign;
        QColor edge;
        Qt::PenStyle dashes;
    };

    double entryWidth(const Entry &entry, const QFontMetricsF &metrics) const;

    double zoom;
    Chart::Colours colours;
    QList<Entry> entries;
};

#endif
