// SPDX-License-Identifier: GPL-3.0-or-later
#include "historychart.h"
#include "chartaxis.h"
#include "chartlegend.h"
#include "history.h"
#include "historymarkers.h"

#include <QHelpEvent>
#include <QLocale>
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
const QColor BestColour = Chart::Green;
const QColor MeanColour = Chart::Blue;
const QColor WorstColour = Chart::Red;
const QColor DiversityColour = Chart::Purple;
const QColor BitSetColour = Chart::Navy;
const QColor MarkerColours[] = {Chart::Ochre, Chart::Teal, Chart::Faint, QColor(Qt::black)};

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

ChartAxis fitnessAxis(double low, double high, double zoom)
{
    ChartAxis axis(ChartAxis::Left, low, high, zoom);
    axis.setMostTicks(MostTicks);
    return axis;
}
}

HistoryChart::HistoryChart(const History *history, const HistoryMarkers *markers, QWidget *parent)
    : ChartWidget(parent), history(history), markers(markers)
{
    setTitle(tr("Fitness over the generations"));
}

QString HistoryChart::description() const
{
    if (history->isEmpty())
        return QString();
    const GenerationRecord &latest = history->latest();
    return tr("Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %6 marks.")
        .arg(latest.generation)
        .arg(latest.best)
        .arg(latest.mean(), 0, 'f', 1)
        .arg(latest.worst)
        .arg(latest.diversity(), 0, 'f', 2)
        .arg(markers ? markers->count() : 0);
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
    const double left = std::max({double(Chart::LeftMargin), fitnessAxis(range.low, range.high, zoom()).room(metrics),
                                  metrics.horizontalAdvance(tr("bit %1").arg(GenomeLength - 1)) + 2 * px(TextGap)});
    const double right = std::max(double(RightMargin), metrics.horizontalAdvance(QString::number(GenomeLength)) * 2);
    const double top = metrics.height() + px(TextGap);
    const double gap = metrics.height() + px(TextGap);
    const double usable = height() - top - gap - px(TextGap);
    const double stripHeight = std::min(GenomeLength * (metrics.height() + px(StripRowPadding)), usable * MostStripShare);
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

void HistoryChart::paint(QPainter &painter)
{
    const std::vector<HistoryBucket> buckets = history->overview();
    const Range range = fitnessRange(buckets);
    const Areas current = areas(range);
    const QRectF &chart = current.chart;

    const double legendWidth = paintLegend(painter, chart);
    paintTitle(painter, QRectF(chart.left(), 0, chart.width() - legendWidth, chart.top()));
    painter.setPen(QPen(Qt::black, zoom()));
    painter.drawRect(chart);
    painter.drawRect(current.strip);
    if (buckets.empty())
        return;
    paintFitness(painter, chart, buckets, range);
    paintBits(painter, current.strip, buckets);
    paintMarkers(painter, current, buckets);

    const QString first = QLocale().toString(buckets.front().firstGeneration);
    const QString last = QLocale().toString(buckets.back().lastGeneration);
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
    fitnessAxis(low, high, zoom()).paint(painter, area);
    // 0, 3, 6 and 9 where there is room, else 0 and 9.
    const double maxDiversity = GenomeLength * (1 + Headroom);
    const bool roomy = area.height() >= 4 * LabelSpacing * painter.fontMetrics().height();
    ChartAxis diversity(ChartAxis::Right, 0, maxDiversity, zoom());
    diversity.setTicks(roomy ? QList<double>{0, 3, 6, 9} : QList<double>{0, double(GenomeLength)});
    diversity.setGrid(false);
    diversity.setLabelColour(DiversityColour);
    diversity.paint(painter, area);

    // At 100 %, one-pixel pens take the rasterizer's fast path.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(WorstColour, zoom()));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return double(b.worst); }));
    painter.setPen(QPen(MeanColour, zoom()));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return b.mean(); }));
    painter.setPen(QPen(BestColour, zoom()));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return double(b.best); }));
    painter.setPen(QPen(DiversityColour, zoom(), Qt::DashLine));
    painter.drawPolyline(series(area, buckets, 0, maxDiversity, [](const HistoryBucket &b) { return b.diversity(); }));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The names of the lines in their colours, right-aligned above the chart, shorter
// or left out where the chart is too narrow; returns their width.
double HistoryChart::paintLegend(QPainter &painter, const QRectF &chart)
{
    const QFontMetricsF metrics(painter.font());
    for (const QString &diversity : {tr("diversity (right axis)"), tr("diversity")}) {
        ChartLegend legend(zoom());
        legend.add(tr("best"), BestColour);
        legend.add(tr("mean"), MeanColour);
        legend.add(tr("worst"), WorstColour);
        legend.add(diversity, DiversityColour);
        const double width = legend.width(metrics);
        if (width > chart.width())
            continue;
        legend.paint(painter, QRectF(chart.left(), 0, chart.width(), chart.top()), Qt::AlignRight);
        return width + metrics.horizontalAdvance(QStringLiteral("  "));
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
            painter.drawText(QRectF(0, middle - textHeight / 2, area.left() - px(TextGap), textHeight),
                             Qt::AlignRight | Qt::AlignVCenter, tr("bit %1").arg(bit));
        }
        double left = area.left();
        for (std::size_t index = 0; index < buckets.size(); ++index) {
            const double right = index + 1 < buckets.size()
                                     ? (bucketX(area, buckets, buckets[index]) + bucketX(area, buckets, buckets[index + 1])) / 2
                                     : area.right();
            painter.fillRect(QRectF(left, y, std::max(right - left, 1.0), rowHeight),
                             Chart::ramp(BitSetColour, buckets[index].bitShare(bit)));
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
    const double tip = px(MarkerTip);
    for (int index = 0; index < markers->count(); ++index) {
        const HistoryMarker &marker = markers->at(index);
        const double x = markerX(areas.chart, buckets, marker.generation);
        if (x < 0)
            continue;
        QColor colour = MarkerColours[marker.kind];
        painter.setPen(QPen(colour, zoom()));
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
    if (point.y() < current.chart.top() - px(MarkerTip) || point.y() > current.strip.bottom())
        return QString();
    QStringList lines;
    for (int index = 0; index < markers->count(); ++index) {
        const HistoryMarker &marker = markers->at(index);
        const double x = markerX(current.chart, buckets, marker.generation);
        if (x >= 0 && std::abs(x - point.x()) <= px(MarkerReach))
            lines << tr("Generation %1: %2").arg(QLocale().toString(marker.generation)).arg(marker.text());
    }
    return lines.join('\n');
}
