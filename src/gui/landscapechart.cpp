// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapechart.h"
#include "chartaxis.h"
#include "common.h"
#include "history.h"
#include "sizes.h"

#include "landscapestroke.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace {
using Chart::LeftMargin;
const int RightMargin = 16;
const int TopMargin = 24;
const int AxisGap = 22;        // genome labels between the plot and the trail
const int BottomMargin = 8;
const double TrailShare = 0.3; // of the height below the top margin
const int MostValueTicks = 8;
const int GenomeTickStep = 64;
const double MarkerRadius = 7.0;
const QColor LandscapeColour(90, 90, 90);
const QColor MarkerColour(230, 110, 20);
const QColor TrailColour(30, 110, 200);
}

LandscapeChart::LandscapeChart(const int *landscape, const Genome *community, const History *history,
                               QWidget *parent)
    : QWidget(parent), landscape(landscape), community(community), history(history)
{
    setAutoFillBackground(true);
    setPalette(QPalette(Chart::Background));
}

QSize LandscapeChart::minimumSizeHint() const
{
    return QSize(LeftMargin + RightMargin + LandscapeSize / 2, 300);
}

QSize LandscapeChart::sizeHint() const
{
    return QSize(LeftMargin + RightMargin + 3 * LandscapeSize / 2, 440);
}

double LandscapeChart::Scale::x(int genome) const
{
    return plot.left() + plot.width() * (genome + 0.5) / LandscapeSize;
}

double LandscapeChart::Scale::y(double value) const
{
    return plot.bottom() - plot.height() * (value - low) / (high - low);
}

int LandscapeChart::Scale::genomeAt(double x) const
{
    return std::clamp(static_cast<int>(std::floor((x - plot.left()) * LandscapeSize / plot.width())), 0, LastGenome);
}

double LandscapeChart::Scale::valueAt(double y) const
{
    return low + (plot.bottom() - y) * (high - low) / plot.height();
}

// Still while a stroke is drawn; while editing, up to at least the top of the main window's view.
LandscapeChart::Scale LandscapeChart::scale() const
{
    if (stroking)
        return frozen;
    Scale scale;
    const double usable = height() - TopMargin - AxisGap - BottomMargin;
    const double trailHeight = usable * TrailShare;
    scale.plot = QRectF(LeftMargin, TopMargin, width() - LeftMargin - RightMargin, usable - trailHeight);
    scale.trail = QRectF(scale.plot.left(), scale.plot.bottom() + AxisGap, scale.plot.width(), trailHeight);
    // From 0, or the lowest value below it, to the highest value.
    const auto [lowest, highest] = std::minmax_element(landscape, landscape + LandscapeSize);
    scale.low = std::min(0.0, double(*lowest));
    scale.high = std::max(scale.low + 1.0, double(*highest));
    if (editing)
        scale.high = std::max(scale.high, double(PlotHeight));
    const double headroom = (scale.high - scale.low) * 0.05;
    scale.high += headroom;
    if (scale.low < 0)
        scale.low -= headroom;
    return scale;
}

void LandscapeChart::paintEvent(QPaintEvent * /* event */)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Scale current = scale();
    paintLandscape(painter, current);
    paintMembers(painter, current);
    paintTrail(painter, current);
}

void LandscapeChart::paintLandscape(QPainter &painter, const Scale &scale)
{
    paintValueAxis(painter, scale.plot, scale.low, scale.high, MostValueTicks);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(scale.plot.left(), 0, scale.plot.width(), TopMargin),
                     Qt::AlignLeft | Qt::AlignVCenter, tr("Fitness landscape and members"));
    for (int genome = 0; genome <= LandscapeSize; genome += GenomeTickStep) {
        const int shown = std::min(genome, LastGenome);
        const double x = scale.x(shown);
        painter.drawLine(QPointF(x, scale.plot.bottom()), QPointF(x, scale.plot.bottom() + 4));
        painter.drawText(QRectF(x - 30, scale.plot.bottom() + 4, 60, AxisGap - 4), Qt::AlignCenter,
                         QString::number(shown));
    }
    painter.drawRect(scale.plot);

    // One-pixel pens take the rasterizer's fast path.
    QPointF line[LandscapeSize];
    for (int genome = 0; genome < LandscapeSize; ++genome)
        line[genome] = QPointF(scale.x(genome), scale.y(landscape[genome]));
    painter.setPen(QPen(LandscapeColour, 1));
    painter.drawPolyline(line, LandscapeSize);
}

void LandscapeChart::paintMembers(QPainter &painter, const Scale &scale)
{
    std::map<int, int> members; // genome -> how many members stand on it
    for (int membr = 0; membr < CommunitySize; ++membr)
        ++members[genomeAsInteger(GenomeLength, const_cast<int *>(community[membr]))];
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (const auto &[genome, count] : members) {
        const QPointF centre(scale.x(genome), scale.y(landscape[genome]));
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(MarkerColour);
        painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
        if (count > 1) {
            painter.drawText(QRectF(centre.x() - 20, centre.y() - MarkerRadius - 18, 40, 16),
                             Qt::AlignCenter, QString("%1×").arg(count));
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setFont(QFont());
}

// The newest generation on top, older ones below it.
void LandscapeChart::paintTrail(QPainter &painter, const Scale &scale)
{
    painter.setPen(Qt::black);
    painter.drawRect(scale.trail);
    const int shown = std::min(history->fullCount(), TrailGenerations);
    if (shown == 0)
        return;
    const double rowHeight = scale.trail.height() / TrailGenerations;
    QList<QRectF> marks;
    marks.reserve(shown * CommunitySize);
    for (int age = 0; age < shown; ++age) {
        const GenerationRecord &record = history->full(history->fullCount() - 1 - age);
        const double y = scale.trail.top() + age * rowHeight;
        for (unsigned short genome : record.genomes)
            marks << QRectF(scale.x(genome) - 1.5, y, 3.0, std::max(rowHeight, 1.0));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(TrailColour);
    painter.drawRects(marks.constData(), static_cast<int>(marks.size()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    const QString title = tr("trail: the last %1 generations, newest on top").arg(TrailGenerations);
    QRectF label = painter.fontMetrics().boundingRect(title).toRectF();
    label.moveTopRight(scale.trail.topRight() + QPointF(-4, 2));
    painter.fillRect(label, Chart::Background);
    painter.drawText(label, Qt::AlignCenter, title);
}

void LandscapeChart::setEditing(bool on)
{
    if (stroking) {
        stroking = false;
        emit strokeFinished();
    }
    editing = on;
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
}

void LandscapeChart::mousePressEvent(QMouseEvent *event)
{
    if (!editing || stroking || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    frozen = scale();
    stroking = true;
    std::copy(landscape, landscape + LandscapeSize, before);
    std::copy(landscape, landscape + LandscapeSize, drawn);
    sample(event->position(), startGenome, startValue);
    lastGenome = startGenome;
    lastValue = startValue;
    emit strokeStarted();
    drawTo(event->position(), false);
}

void LandscapeChart::mouseMoveEvent(QMouseEvent *event)
{
    if (!stroking)
        return QWidget::mouseMoveEvent(event);
    drawTo(event->position(), event->modifiers() & Qt::ShiftModifier);
}

void LandscapeChart::mouseReleaseEvent(QMouseEvent *event)
{
    if (!stroking || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    drawTo(event->position(), event->modifiers() & Qt::ShiftModifier);
    stroking = false;
    emit strokeFinished();
    update();
}

// Whole values from 0 to the top of the frozen axis.
void LandscapeChart::sample(const QPointF &position, int &genome, int &value) const
{
    genome = frozen.genomeAt(position.x());
    value = static_cast<int>(std::lround(std::clamp(frozen.valueAt(position.y()), 0.0, std::floor(frozen.high))));
}

void LandscapeChart::drawTo(const QPointF &position, bool straight)
{
    int genome;
    int value;
    sample(position, genome, value);
    if (straight) {
        std::copy(before, before + LandscapeSize, drawn);
        drawLandscapeLine(drawn, startGenome, startValue, genome, value);
    } else {
        drawLandscapeLine(drawn, lastGenome, lastValue, genome, value);
    }
    lastGenome = genome;
    lastValue = value;
    emit strokeDrawn(drawn);
}
