// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapechart.h"
#include "chartaxis.h"
#include "common.h"
#include "history.h"
#include "landscapename.h"
#include "landscapestroke.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {
using Chart::LeftMargin;
const int RightMargin = 16;
const int TextGap = 8;         // under the title and the trail's caption
const int TickLength = 4;
const int RoomyRows = 8;       // lines of text the plot and the trail need for the titles to show
const int MinimumHeight = 200;
const int PreferredHeight = 440;
const double TrailShare = 0.3; // of the height below the top margin
const double TrailMarkWidth = 3.0;
const double Headroom = 0.05;  // of the value range, at least, above and below
const int MostValueTicks = 8;
const int GenomeTickStep = 64;
const double MarkerRadius = 7.0;
const double MarkerPenWidth = 1.5;
const QColor LandscapeColour = Chart::Faint;
const QColor MarkerColour = Chart::Orange;
const QColor TrailColour(30, 110, 200);

ChartAxis valueAxis(double low, double high, double zoom)
{
    ChartAxis axis(ChartAxis::Left, low, high, zoom);
    axis.setMostTicks(MostValueTicks);
    return axis;
}
}

LandscapeChart::LandscapeChart(const int *landscape, const Genome *community, const History *history,
                               QWidget *parent)
    : ChartWidget(parent), landscape(landscape), community(community), history(history)
{
    setTitle(tr("Fitness landscape and members"));
}

void LandscapeChart::setLandscapeName(const QString &name)
{
    landscapeName = LandscapeName::shown(name);
    changed();
}

QString LandscapeChart::description() const
{
    const int *highest = std::max_element(landscape, landscape + LandscapeSize);
    std::map<int, int> members;
    for (int membr = 0; membr < CommunitySize; ++membr)
        ++members[genomeAsInteger(GenomeLength, const_cast<int *>(community[membr]))];
    QStringList standing;
    for (const auto &[genome, count] : members)
        standing << tr("%1 on genome %2 (fitness %3)").arg(count).arg(genome).arg(landscape[genome]);
    return tr("Landscape %1, values %2 to %3, highest first at genome %4. Members: %5.")
        .arg(landscapeName)
        .arg(*std::min_element(landscape, landscape + LandscapeSize))
        .arg(*highest)
        .arg(highest - landscape)
        .arg(standing.join(tr("; ")));
}

QSize LandscapeChart::minimumSizeHint() const
{
    return QSize(LeftMargin + RightMargin + LandscapeSize / 2, MinimumHeight);
}

QSize LandscapeChart::sizeHint() const
{
    return QSize(LeftMargin + RightMargin + 3 * LandscapeSize / 2, PreferredHeight);
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

// Margins of a line of text for the title, the genome labels and the trail's caption.
// The scale holds still while a stroke is drawn, and while editing it reaches at
// least the top of the main window's view.
LandscapeChart::Scale LandscapeChart::scale() const
{
    if (stroking)
        return frozen;
    Scale scale;
    // From 0, or the lowest value below it, to the highest value.
    const auto [lowest, highest] = std::minmax_element(landscape, landscape + LandscapeSize);
    scale.low = std::min(0.0, double(*lowest));
    scale.high = std::max(scale.low + 1.0, double(*highest));
    if (editing)
        scale.high = std::max(scale.high, double(PlotHeight));

    const QFontMetricsF metrics(font());
    const double left = std::max<double>(LeftMargin, valueAxis(scale.low, scale.high, zoom()).room(metrics));
    const double axisGap = px(TickLength) + metrics.height();
    // The title and the trail's caption give way where they would crowd out the plot.
    const double textRow = metrics.height() + px(TextGap);
    scale.titled = height() - axisGap - 2 * textRow >= RoomyRows * metrics.height();
    const double top = scale.titled ? textRow : px(TextGap);
    const double usable = height() - 2 * top - axisGap;
    const double trailHeight = usable * TrailShare;
    scale.plot = QRectF(left, top, width() - left - px(RightMargin), usable - trailHeight);
    scale.trail = QRectF(scale.plot.left(), scale.plot.bottom() + axisGap, scale.plot.width(), trailHeight);

    // Room above the highest value for a marker and its count label.
    const double span = scale.high - scale.low;
    const double labelRoom = px(MarkerRadius) + metrics.height();
    const double headroom = span * std::max(Headroom, labelRoom / std::max(scale.plot.height() - labelRoom, 1.0));
    scale.high += headroom;
    if (scale.low < 0)
        scale.low -= span * Headroom;
    return scale;
}

void LandscapeChart::paint(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const Scale current = scale();
    paintLandscape(painter, current);
    paintMembers(painter, current);
    paintTrail(painter, current);
}

void LandscapeChart::paintLandscape(QPainter &painter, const Scale &scale)
{
    valueAxis(scale.low, scale.high, zoom()).paint(painter, scale.plot);
    if (scale.titled)
        paintTitle(painter, QRectF(scale.plot.left(), 0, scale.plot.width(), scale.plot.top()));
    // Genome g takes the width from g - 0.5 to g + 0.5.
    ChartAxis genomes(ChartAxis::Bottom, -0.5, LastGenome + 0.5, zoom());
    QList<double> ticks;
    for (int genome = 0; genome <= LandscapeSize; genome += GenomeTickStep)
        ticks << std::min(genome, LastGenome);
    genomes.setTicks(ticks);
    genomes.setGrid(false);
    genomes.setTickLength(TickLength);
    genomes.paint(painter, scale.plot);
    painter.setPen(QPen(Qt::black, zoom()));
    painter.drawRect(scale.plot);

    // At 100 %, one-pixel pens take the rasterizer's fast path.
    QPointF line[LandscapeSize];
    for (int genome = 0; genome < LandscapeSize; ++genome)
        line[genome] = QPointF(scale.x(genome), scale.y(landscape[genome]));
    painter.setPen(QPen(LandscapeColour, zoom()));
    painter.drawPolyline(line, LandscapeSize);
}

void LandscapeChart::paintMembers(QPainter &painter, const Scale &scale)
{
    std::map<int, int> members; // genome -> how many members stand on it
    for (int membr = 0; membr < CommunitySize; ++membr)
        ++members[genomeAsInteger(GenomeLength, const_cast<int *>(community[membr]))];
    const QFont plain = painter.font();
    QFont font = plain;
    font.setBold(true);
    painter.setFont(font);
    const double radius = px(MarkerRadius);
    // Counts whose labels would touch share one, left to right: "3× 7×".
    struct Label
    {
        QStringList counts;
        double left;
        double right;
        double bottom;
        QRectF rect(const QFontMetricsF &metrics) const
        {
            const double width = metrics.horizontalAdvance(counts.join(' '));
            return QRectF((left + right - width) / 2, bottom - metrics.height(), width, metrics.height());
        }
    };
    const QFontMetricsF metrics(font);
    std::vector<Label> labels;
    for (const auto &[genome, count] : members) {
        const QPointF centre(scale.x(genome), scale.y(landscape[genome]));
        painter.setPen(QPen(Qt::black, px(MarkerPenWidth)));
        painter.setBrush(MarkerColour);
        painter.drawEllipse(centre, radius, radius);
        if (count < 2)
            continue;
        Label label{{QString("%1×").arg(count)}, centre.x(), centre.x(), centre.y() - radius};
        if (!labels.empty() && labels.back().rect(metrics).intersects(label.rect(metrics))) {
            Label &before = labels.back();
            before.counts << label.counts;
            before.right = label.right;
            before.bottom = std::min(before.bottom, label.bottom);
        } else {
            labels.push_back(label);
        }
    }
    for (const Label &label : labels)
        painter.drawText(label.rect(metrics), Qt::AlignCenter, label.counts.join(' '));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(plain);
}

// The newest generation on top, older ones below it.
void LandscapeChart::paintTrail(QPainter &painter, const Scale &scale)
{
    painter.setPen(QPen(Qt::black, zoom()));
    painter.drawRect(scale.trail);
    // Its caption under it, clear of the rows.
    if (scale.titled) {
        const QString title = tr("trail: the last %1 generations, newest on top").arg(TrailGenerations);
        painter.drawText(QRectF(scale.trail.left(), scale.trail.bottom(), scale.trail.width(), painter.fontMetrics().height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(title, Qt::ElideLeft, static_cast<int>(scale.trail.width())));
    }
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
            marks << QRectF(scale.x(genome) - px(TrailMarkWidth) / 2, y, px(TrailMarkWidth), std::max(rowHeight, 1.0));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(TrailColour);
    painter.drawRects(marks.constData(), static_cast<int>(marks.size()));
    painter.setBrush(Qt::NoBrush);
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
