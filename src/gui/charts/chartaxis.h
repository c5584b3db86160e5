// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTAXIS_H
#define CHARTAXIS_H

#include <QColor>
#include <QFont>
#include <QList>

QT_BEGIN_NAMESPACE
class QFontMetricsF;
class QPainter;
class QRect;
class QRectF;
QT_END_NAMESPACE

// What the observatory's charts have in common.
namespace Chart {
const QColor Background(250, 250, 247);
const QColor Grid(225, 225, 220);
constexpr int LeftMargin = 64; // room for the value labels

// The font at a zoom of 1.0 to 3.0, in points or in pixels as it was given.
QFont zoomedFont(QFont font, double zoom);
}

// Round tick values for an axis from low to high: steps of 1, 2 or 5 times a power of ten.
QList<double> axisTicks(double low, double high, int most);

// Grid lines across the plot at round values from low (its bottom) to high (its
// top), labelled in the margin on its left.
void paintValueAxis(QPainter &painter, const QRectF &plot, double low, double high, int most);

// How wide the margin on a plot's left must be for value labels from low to high.
double valueLabelsWidth(const QFontMetricsF &metrics, double low, double high);

// A chart's sign that it has the keyboard focus: a frame inside its edge.
void paintFocusFrame(QPainter &painter, const QRect &area, double zoom);

#endif
