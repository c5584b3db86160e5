// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTSTYLE_H
#define CHARTSTYLE_H

#include "zoomsteps.h"

#include <QColor>
#include <QFont>
#include <QString>

QT_BEGIN_NAMESPACE
class QPalette;
QT_END_NAMESPACE

// The colours, sizes and number formats every chart shares.
namespace Chart {
// The least contrast against the background: text, and lines and marks.
constexpr double TextContrast = 4.5;
constexpr double LineContrast = 3.0;

// The series hues, from the palette of Okabe and Ito, which stays distinct for
// the common colour-vision deficiencies; each chart says what they mean in its
// legend, and lines are told apart by their dashes too. They are drawn as
// lineColour() or textColour() makes them against the chart's background.
const QColor Blue(0, 114, 178);
const QColor Orange(230, 159, 0);
const QColor Red(213, 94, 0); // vermilion
const QColor Green(0, 158, 115);
const QColor Purple(204, 121, 167);
const QColor SkyBlue(86, 180, 233);
const QColor Navy(30, 40, 120);
const QColor Ochre(150, 90, 20);
const QColor Teal(20, 130, 130);
// Series the user adds, in this order.
constexpr int DistinctCount = 8;
const QColor Distinct[DistinctCount] = {Blue, Red, Green, Purple, Orange, SkyBlue, QColor(100, 100, 100), QColor(240, 228, 66)};
// Dashes that tell lines of one chart apart, in this order.
constexpr int DashCount = 5;
const Qt::PenStyle Dashes[DashCount] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};

// What a chart paints on, taken from its widget's palette so that a dark or a
// high-contrast theme reads as well as the light one.
struct Colours
{
    QColor background = Qt::white;
    QColor text = Qt::black;
    QColor faint = QColor(90, 90, 90); // secondary text, lines and the landscape
    QColor grid = QColor(225, 225, 220);
    QColor error = QColor(170, 20, 20);

    // On the palette's base, or on its window for text beside the charts.
    static Colours of(const QPalette &palette, bool onWindow = false);
    // A series' hue, lighter or darker where it needs to be for a line or for text.
    QColor line(const QColor &hue) const;
    QColor label(const QColor &hue) const;
    // From the background at 0 to full at 1, for a share of 0 to 1.
    QColor ramp(const QColor &full, double share) const;
};

// The contrast ratio of two colours, 1 to 21, as WCAG defines it.
double contrast(const QColor &one, const QColor &other);
// The colour, darker or lighter as the background asks, until it has ratio against it.
QColor readable(const QColor &colour, const QColor &background, double ratio);

constexpr int LeftMargin = 64; // room for the value labels, at least
constexpr double SmallestZoom = ZoomSteps::factor(ZoomSteps::Smallest);
constexpr double LargestZoom = ZoomSteps::factor(ZoomSteps::Largest);

// The font at a zoom of 1.0 to 3.0, in points or in pixels as it was given.
QFont zoomedFont(QFont font, double zoom);

// A share of 0 to 1 as a percentage with so many significant digits, whole from
// 100 %: percent(0.0526, 2) is "5.3 %", percent(0, 3) is "0 %".
QString percent(double share, int digits);

// A value on an axis: whole numbers without a decimal point.
QString number(double value);
}

#endif
