// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHARTSTYLE_H
#define CHARTSTYLE_H

#include "zoomsteps.h"

#include <QColor>
#include <QFont>
#include <QString>

// The colours, sizes and number formats every chart shares.
namespace Chart {
const QColor Background(250, 250, 247);
const QColor Grid(225, 225, 220);
const QColor Faint(90, 90, 90); // secondary text, lines and the landscape
const QColor Error(170, 20, 20);

// The series colours; each chart says what they mean in its legend.
const QColor Blue(30, 90, 200);
const QColor Orange(230, 110, 20);
const QColor Red(200, 40, 40);
const QColor Green(20, 150, 60);
const QColor Purple(150, 90, 190);
const QColor Navy(30, 40, 120);
const QColor Ochre(150, 90, 20);
const QColor Teal(20, 130, 130);
// Series the user adds, told apart also by those who see few colours.
constexpr int DistinctCount = 8;
const QColor Distinct[DistinctCount] = {
    QColor(0, 114, 178), QColor(213, 94, 0),  QColor(0, 158, 115), QColor(204, 121, 167),
    QColor(86, 180, 233), QColor(230, 159, 0), QColor(40, 40, 40),  QColor(150, 150, 60),
};

constexpr int LeftMargin = 64; // room for the value labels, at least
constexpr double SmallestZoom = ZoomSteps::factor(ZoomSteps::Smallest);
constexpr double LargestZoom = ZoomSteps::factor(ZoomSteps::Largest);

// The font at a zoom of 1.0 to 3.0, in points or in pixels as it was given.
QFont zoomedFont(QFont font, double zoom);

// From the background at 0 to full at 1, for a share of 0 to 1.
QColor ramp(const QColor &full, double share);

// A share of 0 to 1 as a percentage with so many significant digits, whole from
// 100 %: percent(0.0526, 2) is "5.3 %", percent(0, 3) is "0 %".
QString percent(double share, int digits);

// A value on an axis: whole numbers without a decimal point.
QString number(double value);
}

#endif
