#include "landscapearea.h"
#include "common.h"

#include <QPainter>

LandscapeArea::LandscapeArea(QWidget *parent)
    : QWidget(parent), ptr_to_environment(nullptr), ptr_to_community(nullptr)
{
    setPalette(QPalette(QColor(100, 100, 100, 255)));
    setAutoFillBackground(true);
    // The picture is drawn in fixed pixels: keep room for all of it.
    setMinimumSize(553, 446);
}

void LandscapeArea::LandscapeArea_setup(int *environment, int (*community)[9])
{
    ptr_to_environment = environment;
    ptr_to_community = community;
}

void LandscapeArea::slot_LandscapeUpdate()
{
    if (ptr_to_environment)
        update();
}

void LandscapeArea::slot_EnvironmentUpdate()
{
    if (ptr_to_environment)
        update();
}

void LandscapeArea::slot_MMRsUpdate()
{
    if (ptr_to_community)
        update();
}

void LandscapeArea::slot_ClearHistory()
{
    if (ptr_to_community)
        update();
}

void LandscapeArea::paintEvent(QPaintEvent * /* event */)
{
    QPainter painter(this);
    paintLandscape(painter);
    paintEnvironment(painter);
    paintMemberMarkers(painter);
}

// The frames. From here on painter row 0 is widget row 445 and the picture grows upwards.
void LandscapeArea::paintLandscape(QPainter &painter)
{
    painter.translate(0.0, 445.0);

    painter.setPen(Qt::darkBlue);
    painter.drawLine(10, 0, 552, 0);
    painter.drawLine(10, -435, 552, -435);
    painter.drawLine(10, 0, 10, -435);
    painter.drawLine(552, 0, 552, -435);

    painter.setPen(Qt::cyan);
    painter.drawLine(30, -25, 542, -25);
    painter.drawLine(30, -425, 542, -425);
    painter.drawLine(30, -25, 30, -425);
    painter.drawLine(542, -25, 542, -425);
}

// One grey point per landscape value: value v of index i at (30 + i, -25 - v).
void LandscapeArea::paintEnvironment(QPainter &painter)
{
    if (!ptr_to_environment)
        return;

    // Values reach the whole int range: place them in 64 bits, skip those outside the widget.
    const long long topRow = -445;
    const long long bottomRow = height() - 446;
    QPoint points[512];
    int count = 0;
    for (int i = 0; i < 512; ++i) {
        const long long y = -25LL - ptr_to_environment[i];
        if (y >= topRow && y <= bottomRow)
            points[count++] = QPoint(30 + i, static_cast<int>(y));
    }
    painter.setPen(Qt::gray);
    painter.drawPoints(points, count);
}

// Each member: a black dot on the genome's column in row -2, a green dash in its own row.
void LandscapeArea::paintMemberMarkers(QPainter &painter)
{
    if (!ptr_to_community)
        return;

    QPoint dots[10];
    QPoint dashes[30];
    for (int m = 0; m < 10; ++m) {
        const int x = 30 + genomeAsInteger(9, ptr_to_community[m]);
        const int y = -4 - 2 * m;
        dots[m] = QPoint(x, -2);
        dashes[3 * m] = QPoint(x - 1, y);
        dashes[3 * m + 1] = QPoint(x, y);
        dashes[3 * m + 2] = QPoint(x + 1, y);
    }
    painter.setPen(Qt::black);
    painter.drawPoints(dots, 10);
    painter.setPen(Qt::green);
    painter.drawPoints(dashes, 30);
}

QRect LandscapeArea::EnvironmentRect() const
{
    return QRect(30, -25, 512, -400);
}
