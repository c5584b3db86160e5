// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapearea.h"
#include "common.h"
#include "sizes.h"

#include <QPainter>

namespace {
// The picture's fixed geometry. Painter row 0 is the widget's baseline row and rows
// grow upwards as negative numbers.
const int BaselineRow = 445;
const int OuterLeft = 10;
const int OuterRight = 552;
const int OuterHeight = 435;
const int PlotLeft = 30;                     // column of genome 0
const int PlotRight = PlotLeft + LandscapeSize;
const int PlotBottom = 25;                   // height of landscape value 0 above the baseline
const int PlotTop = PlotBottom + PlotHeight;
const int MemberDotRow = 2;                  // every member's black dot
const int FirstDashRow = 4;                  // member m's green dash is 2m rows above it
const int DashSpacing = 2;
const QColor Background(100, 100, 100, 255);
}

LandscapeArea::LandscapeArea(QWidget *parent)
    : QWidget(parent), ptr_to_environment(nullptr), ptr_to_community(nullptr)
{
    setPalette(QPalette(Background));
    setAutoFillBackground(true);
    // The picture is drawn in fixed pixels: keep room for all of it.
    setMinimumSize(OuterRight + 1, BaselineRow + 1);
}

void LandscapeArea::LandscapeArea_setup(int *environment, int (*community)[9])
{
    ptr_to_environment = environment;
    ptr_to_community = community;
}

void LandscapeArea::slot_LandscapeUpdate()
{
    updateIfAttached(ptr_to_environment);
}

void LandscapeArea::slot_EnvironmentUpdate()
{
    updateIfAttached(ptr_to_environment);
}

void LandscapeArea::slot_MMRsUpdate()
{
    updateIfAttached(ptr_to_community);
}

void LandscapeArea::slot_ClearHistory()
{
    updateIfAttached(ptr_to_community);
}

void LandscapeArea::paintEvent(QPaintEvent * /* event */)
{
    QPainter painter(this);
    paintLandscape(painter);
    paintEnvironment(painter);
    paintMemberMarkers(painter);
}

void LandscapeArea::updateIfAttached(const void *data)
{
    if (data)
        update();
}

// The frames. From here on painter row 0 is the baseline and the picture grows upwards.
void LandscapeArea::paintLandscape(QPainter &painter)
{
    painter.translate(0.0, BaselineRow);

    painter.setPen(Qt::darkBlue);
    painter.drawLine(OuterLeft, 0, OuterRight, 0);
    painter.drawLine(OuterLeft, -OuterHeight, OuterRight, -OuterHeight);
    painter.drawLine(OuterLeft, 0, OuterLeft, -OuterHeight);
    painter.drawLine(OuterRight, 0, OuterRight, -OuterHeight);

    painter.setPen(Qt::cyan);
    painter.drawLine(PlotLeft, -PlotBottom, PlotRight, -PlotBottom);
    painter.drawLine(PlotLeft, -PlotTop, PlotRight, -PlotTop);
    painter.drawLine(PlotLeft, -PlotBottom, PlotLeft, -PlotTop);
    painter.drawLine(PlotRight, -PlotBottom, PlotRight, -PlotTop);
}

// One grey point per landscape value: value v of index i at (PlotLeft + i, -PlotBottom - v).
void LandscapeArea::paintEnvironment(QPainter &painter)
{
    if (!ptr_to_environment)
        return;

    // Values reach the whole int range: place them in 64 bits, skip those outside the widget.
    const long long topRow = -BaselineRow;
    const long long bottomRow = height() - 1 - BaselineRow;
    QPoint points[LandscapeSize];
    int count = 0;
    for (int i = 0; i < LandscapeSize; ++i) {
        const long long y = -static_cast<long long>(PlotBottom) - ptr_to_environment[i];
        if (y >= topRow && y <= bottomRow)
            points[count++] = QPoint(PlotLeft + i, static_cast<int>(y));
    }
    painter.setPen(Qt::gray);
    painter.drawPoints(points, count);
}

// Each member: a black dot on the genome's column, a green dash in its own row.
void LandscapeArea::paintMemberMarkers(QPainter &painter)
{
    if (!ptr_to_community)
        return;

    QPoint dots[CommunitySize];
    QPoint dashes[3 * CommunitySize];
    for (int m = 0; m < CommunitySize; ++m) {
        const int x = PlotLeft + genomeAsInteger(GenomeLength, ptr_to_community[m]);
        const int y = -FirstDashRow - DashSpacing * m;
        dots[m] = QPoint(x, -MemberDotRow);
        dashes[3 * m] = QPoint(x - 1, y);
        dashes[3 * m + 1] = QPoint(x, y);
        dashes[3 * m + 2] = QPoint(x + 1, y);
    }
    painter.setPen(Qt::black);
    painter.drawPoints(dots, CommunitySize);
    painter.setPen(Qt::green);
    painter.drawPoints(dashes, 3 * CommunitySize);
}

QRect LandscapeArea::EnvironmentRect() const
{
    return QRect(PlotLeft, -PlotBottom, LandscapeSize, -PlotHeight);
}
