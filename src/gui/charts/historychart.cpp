// SPDX-License-Identifier: GPL-3.0-or-later
#include "historychart.h"
#include "chartaxis.h"
#include "history.h"
#include "historymarkers.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
const int RightMargin = 48;   // room for the diversity labels, at least
const int TextGap = 6;
const int StripRowPadding = 2;
const double MostStripShare = 0.45; // of the height for the chart and the strip
const int PreferredPlotWidth = 768;
const int MinimumPlotWidth = 256;
const int MinimumHeight = 200;
const int PreferredHeight = 380;
const int MostTicks = 6;
const double Headroom = 0.05; // of the fitness range, above the best
const double LabelSpacing = 1.5; // label heights from one diversity label to the next, at least
const double MarkerTip = 4.0;   // the triangle atop a mark
const double MarkerReach = 5.0; // how near the pointer must be for a mark's tooltip
const QColor BestColour(20, 150, 60);
const QColor MeanColour(30, 90, 200);
const QColor WorstColour(200, 40, 40);
const QColor DiversityColour(150, 90, 190);
const QColor BitSetColour(30, 40, 120);
const QColor MarkerColours[] = {QColor(150, 90, 20), QColor(20, 130, 130), QColor(90, 90, 90), QColor(0, 0, 0)};

using Value = std::function<double(const HistoryBucket &)>;

// x of a generation across the area, first to last generation.
double generationX(const QRectF &area, const std::vector<HistoryBucket> &buckets, double generation)
{
    const double first = buckets.front().firstGeneration;
    const double last = buckets.back().lastGeneration;
    return last > first ? area.left() + area.width() * (generation - first) / (last - first) : area.center().x();
}

// x of a bucket's middle generation.
double bucketX(const QRectF &area, const std::vector<HistoryBucket> &buckets, const HistoryBucket &bucket)
{
    return generationX(area, buckets, (bucket.firstGeneration + bucket.lastGeneration) / 2.0);
}

QPolygonF series(const QRectF &area, const std::vector<HistoryBucket> &buckets, double low, double high,
                 const Value &value)
{
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(buckets.size()));
    for (const HistoryBucket &bucket : buckets)
        line << QPointF(bucketX(area, buckets, bucket), area.bottom() - area.height() * (value(bucket) - low) / (high - low));
    return line;
}

// The colour of a bit strip cell where the given share of members has the bit set.
QColor shareColour(double share)
{
    const auto mix = [share](int empty, int full) { return static_cast<int>(empty + (full - empty) * share); };
    return QColor(mix(Chart::Background.red(), BitSetColour.red()), mix(Chart::Background.green(), BitSetColour.green()),
                  mix(Chart::Background.blue(), BitSetColour.blue()));
}
}

HistoryChart::HistoryChart(const History *history, const HistoryMarkers *markers, QWidget *parent)
    : QWidget(parent), history(history), markers(markers)
{
    setAutoFillBackground(true);
    setPalette(QPalette(Chart::Background));
}

void HistoryChart::setZoom(double factor)
{
    zoom = factor;
    update();
}

QSize HistoryChart::minimumSizeHint() const
{
    return QSize(Chart::LeftMargin + RightMargin + MinimumPlotWidth, MinimumHeight);
}

QSize HistoryChart::sizeHint() const
{
    return QSize(Chart::LeftMargin + RightMargin + PreferredPlotWidth, PreferredHeight);
}

// From 0, or the lowest worst below it, to a little above the highest best.
HistoryChart::Range HistoryChart::fitnessRange(const std::vector<HistoryBucket> &buckets)
{
    Range range{0.0, 1.0};
    for (const HistoryBucket &bucket : buckets) {
        range.low = std::min(range.low, double(bucket.worst));
        range.high = std::max(range.high, double(bucket.best));
    }
    range.high = std::max(range.high, range.low + 1.0);
    range.high += (range.high - range.low) * Headroom;
    return range;
}

// The chart above, the bit strip below: a row of text for each bit while there is
// room. Margins of a line of text for the title and the generation labels.
HistoryChart::Areas HistoryChart::areas(const Range &range) const
{
    const QFontMetricsF metrics(font());
    const double left = std::max({double(Chart::LeftMargin), valueLabelsWidth(metrics, range.low, range.high),
                                  metrics.horizontalAdvance(tr("bit %1").arg(GenomeLength - 1)) + 2 * TextGap * zoom});
    const double right = std::max(double(RightMargin), metrics.horizontalAdvance(QString::number(GenomeLength)) * 2);
    const double top = metrics.height() + TextGap * zoom;
    const double gap = metrics.height() + TextGap * zoom;
    const double usable = height() - top - gap - TextGap * zoom;
    const double stripHeight = std::min(GenomeLength * (metrics.height() + StripRowPadding * zoom), usable * MostStripShare);
    const QRectF chart(left, top, width() - left - right, usable - stripHeight);
    return {chart, QRectF(chart.left(), chart.bottom() + gap, chart.width(), stripHeight)};
}

bool HistoryChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    QHelpEvent *help = static_cast<QHelpEvent *>(event);
    const QString text = markersNear(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

void HistoryChart::paintEvent(QPaintEvent * /* event */)
{
    QPainter painter(this);
    const std::vector<HistoryBucket> buckets = history->overview();
    const Range range = fitnessRange(buckets);
    const Areas current = areas(range);
    const QRectF &chart = current.chart;

    const double legendWidth = paintLegend(painter, chart);
    painter.setPen(Qt::black);
    const QString title = painter.fontMetrics().elidedText(tr("Fitness over the generations"), Qt::ElideRight,
                                                           static_cast<int>(chart.width() - legendWidth));
    painter.drawText(QRectF(chart.left(), 0, chart.width(), chart.top()), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setPen(QPen(Qt::black, zoom));
    painter.drawRect(chart);
    painter.drawRect(current.strip);
    if (hasFocus())
        paintFocusFrame(painter, rect(), zoom);
    if (buckets.empty())
        return;
    paintFitness(painter, chart, buckets, range);
    paintBits(painter, current.strip, buckets);
    paintMarkers(painter, current, buckets);

    const QString first = QString::number(buckets.front().firstGeneration);
    const QString last = QString::number(buckets.back().lastGeneration);
    const QRectF labels(chart.left(), chart.bottom() + 2, chart.width(), current.strip.top() - chart.bottom() - 4);
    painter.setPen(Qt::black);
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignVCenter, tr("generation %1").arg(first));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, tr("generation %1").arg(last));
    const QString below = tr("below: the share of members with each bit set (darker: more)");
    const double room = chart.width() - painter.fontMetrics().horizontalAdvance(tr("generation %1").arg(last)) * 2.5;
    if (painter.fontMetrics().horizontalAdvance(below) < room)
        painter.drawText(labels, Qt::AlignCenter, below);
}

void HistoryChart::paintFitness(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets,
                                const Range &range)
{
    const double low = range.low;
    const double high = range.high;
    paintValueAxis(painter, area, low, high, MostTicks);
    const QFontMetrics metrics = painter.fontMetrics();
    const double maxDiversity = GenomeLength * (1 + Headroom);
    const int diversityStep = area.height() >= 4 * LabelSpacing * metrics.height() ? GenomeLength / 3 : GenomeLength;
    for (int tick = 0; tick <= GenomeLength; tick += diversityStep) {
        const double y = area.bottom() - area.height() * tick / maxDiversity;
        painter.setPen(DiversityColour);
        painter.drawText(QRectF(area.right() + TextGap * zoom, y - metrics.height() / 2.0, width() - area.right(),
                                metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(tick));
    }

    // At 100 %, one-pixel pens take the rasterizer's fast path.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(WorstColour, zoom));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return double(b.worst); }));
    painter.setPen(QPen(MeanColour, zoom));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return b.mean(); }));
    painter.setPen(QPen(BestColour, zoom));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return double(b.best); }));
    painter.setPen(QPen(DiversityColour, zoom, Qt::DashLine));
    painter.drawPolyline(series(area, buckets, 0, maxDiversity, [](const HistoryBucket &b) { return b.diversity(); }));
    painter.setRenderHint(QPainter::Antialiasing, false);

}

// The names of the lines in their colours, right-aligned above the chart, shorter
// or left out where the chart is too narrow; returns their width.
double HistoryChart::paintLegend(QPainter &painter, const QRectF &chart)
{
    const QFontMetricsF metrics(painter.font());
    const double space = metrics.horizontalAdvance(QStringLiteral("  "));
    for (const QString &diversity : {tr("diversity (right axis)"), tr("diversity")}) {
        const std::pair<QString, QColor> names[] = {
            {tr("best"), BestColour}, {tr("mean"), MeanColour}, {tr("worst"), WorstColour}, {diversity, DiversityColour}};
        double width = -space;
        for (const auto &[name, colour] : names)
            width += metrics.horizontalAdvance(name) + space;
        if (width > chart.width())
            continue;
        double x = chart.right() - width;
        for (const auto &[name, colour] : names) {
            painter.setPen(colour);
            painter.drawText(QRectF(x, 0, metrics.horizontalAdvance(name), chart.top()), Qt::AlignLeft | Qt::AlignVCenter,
                             name);
            x += metrics.horizontalAdvance(name) + space;
        }
        return width + space;
    }
    return 0;
}

// Bit 8 on top; the darker a cell, the more members have the bit set. Rows too
// thin for a label of their own share one with their neighbours.
void HistoryChart::paintBits(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets)
{
    const double rowHeight = area.height() / GenomeLength;
    const int labelEvery = std::max(1, static_cast<int>(std::ceil(painter.fontMetrics().height() / rowHeight)));
    for (int bit = 0; bit < GenomeLength; ++bit) {
        const double y = area.top() + (GenomeLength - 1 - bit) * rowHeight;
        if (bit % labelEvery == 0) {
            painter.setPen(Qt::black);
            const double middle = y + rowHeight / 2;
            const double textHeight = painter.fontMetrics().height();
            painter.drawText(QRectF(0, middle - textHeight / 2, area.left() - 6 * zoom, textHeight),
                             Qt::AlignRight | Qt::AlignVCenter, tr("bit %1").arg(bit));
        }
        double left = area.left();
        for (std::size_t index = 0; index < buckets.size(); ++index) {
            const double right = index + 1 < buckets.size()
                                     ? (bucketX(area, buckets, buckets[index]) + bucketX(area, buckets, buckets[index + 1])) / 2
                                     : area.right();
            painter.fillRect(QRectF(left, y, std::max(right - left, 1.0), rowHeight),
                             shareColour(buckets[index].bitShare(bit)));
            left = right;
        }
    }
}

double HistoryChart::markerX(const QRectF &area, const std::vector<HistoryBucket> &buckets, long long generation) const
{
    if (generation < buckets.front().firstGeneration || generation > buckets.back().lastGeneration)
        return -1;
    return generationX(area, buckets, double(generation));
}

void HistoryChart::paintMarkers(QPainter &painter, const Areas &areas, const std::vector<HistoryBucket> &buckets)
{
    if (!markers)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const double tip = MarkerTip * zoom;
    for (int index = 0; index < markers->count(); ++index) {
        const HistoryMarker &marker = markers->at(index);
        const double x = markerX(areas.chart, buckets, marker.generation);
        if (x < 0)
            continue;
        QColor colour = MarkerColours[marker.kind];
        painter.setPen(QPen(colour, zoom));
        painter.drawLine(QPointF(x, areas.chart.top()), QPointF(x, areas.strip.bottom()));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const QPointF triangle[] = {{x - tip, areas.chart.top() - tip}, {x + tip, areas.chart.top() - tip},
                                    {x, areas.chart.top()}};
        painter.drawPolygon(triangle, 3);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// Every mark within reach of the point, one line each.
QString HistoryChart::markersNear(const QPoint &point) const
{
    if (!markers || history->isEmpty())
        return QString();
    const std::vector<HistoryBucket> buckets = history->overview();
    const Areas current = areas(fitnessRange(buckets));
    if (point.y() < current.chart.top() - MarkerTip * zoom || point.y() > current.strip.bottom())
        return QString();
    QStringList lines;
    for (int index = 0; index < markers->count(); ++index) {
        const HistoryMarker &marker = markers->at(index);
        const double x = markerX(current.chart, buckets, marker.generation);
        if (x >= 0 && std::abs(x - point.x()) <= MarkerReach * zoom)
            lines << tr("Generation %1: %2").arg(marker.generation).arg(marker.text());
    }
    return lines.join('\n');
}
