// SPDX-License-Identifier: GPL-3.0-or-later
#include "historychart.h"
#include "chartaxis.h"
#include "history.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <functional>

namespace {
using Chart::LeftMargin;
const int RightMargin = 48;   // room for the diversity labels
const int TopMargin = 24;
const int StripGap = 26;      // generation labels between the chart and the bit strip
const int BottomMargin = 8;
const int StripRowPadding = 2;
const int PreferredPlotWidth = 768;
const int MostTicks = 6;
const double Headroom = 0.05; // of the fitness range, above the best
const QColor BestColour(20, 150, 60);
const QColor MeanColour(30, 90, 200);
const QColor WorstColour(200, 40, 40);
const QColor DiversityColour(150, 90, 190);
const QColor BitSetColour(30, 40, 120);

using Value = std::function<double(const HistoryBucket &)>;

// x of a bucket's middle generation across the area, first to last generation.
double bucketX(const QRectF &area, const std::vector<HistoryBucket> &buckets, const HistoryBucket &bucket)
{
    const double first = buckets.front().firstGeneration;
    const double last = buckets.back().lastGeneration;
    const double middle = (bucket.firstGeneration + bucket.lastGeneration) / 2.0;
    return last > first ? area.left() + area.width() * (middle - first) / (last - first) : area.center().x();
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

HistoryChart::HistoryChart(const History *history, QWidget *parent)
    : QWidget(parent), history(history)
{
    setAutoFillBackground(true);
    setPalette(QPalette(Chart::Background));
}

QSize HistoryChart::minimumSizeHint() const
{
    return QSize(LeftMargin + RightMargin + 256, 320);
}

QSize HistoryChart::sizeHint() const
{
    return QSize(LeftMargin + RightMargin + PreferredPlotWidth, 380);
}

void HistoryChart::paintEvent(QPaintEvent * /* event */)
{
    QPainter painter(this);
    const double stripHeight = GenomeLength * (painter.fontMetrics().height() + StripRowPadding);
    const double chartHeight = height() - TopMargin - StripGap - BottomMargin - stripHeight;
    const QRectF chart(LeftMargin, TopMargin, width() - LeftMargin - RightMargin, chartHeight);
    const QRectF strip(chart.left(), chart.bottom() + StripGap, chart.width(), stripHeight);
    const std::vector<HistoryBucket> buckets = history->overview();

    painter.drawText(QRectF(chart.left(), 0, chart.width(), TopMargin), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Fitness over the generations: best, mean, worst; diversity (right axis)"));
    painter.drawRect(chart);
    painter.drawRect(strip);
    if (buckets.empty())
        return;
    paintFitness(painter, chart, buckets);
    paintBits(painter, strip, buckets);

    const QString first = QString::number(buckets.front().firstGeneration);
    const QString last = QString::number(buckets.back().lastGeneration);
    const QRectF labels(chart.left(), chart.bottom() + 2, chart.width(), StripGap - 4);
    painter.setPen(Qt::black);
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignVCenter, tr("generation %1").arg(first));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, tr("generation %1").arg(last));
    painter.drawText(labels, Qt::AlignCenter, tr("below: the share of members with each bit set (darker: more)"));
}

void HistoryChart::paintFitness(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets)
{
    double low = buckets.front().worst;
    double high = buckets.front().best;
    for (const HistoryBucket &bucket : buckets) {
        low = std::min(low, double(bucket.worst));
        high = std::max(high, double(bucket.best));
    }
    low = std::min(low, 0.0);
    high = std::max(high, low + 1.0);
    high += (high - low) * Headroom;

    paintValueAxis(painter, area, low, high, MostTicks);
    const QFontMetrics metrics = painter.fontMetrics();
    const double maxDiversity = GenomeLength * (1 + Headroom);
    for (int tick = 0; tick <= GenomeLength; tick += 3) {
        const double y = area.bottom() - area.height() * tick / maxDiversity;
        painter.setPen(DiversityColour);
        painter.drawText(QRectF(area.right() + 6, y - metrics.height() / 2.0, RightMargin - 6, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(tick));
    }

    // One-pixel pens take the rasterizer's fast path.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(WorstColour, 1));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return double(b.worst); }));
    painter.setPen(QPen(MeanColour, 1));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return b.mean(); }));
    painter.setPen(QPen(BestColour, 1));
    painter.drawPolyline(series(area, buckets, low, high, [](const HistoryBucket &b) { return double(b.best); }));
    painter.setPen(QPen(DiversityColour, 1, Qt::DashLine));
    painter.drawPolyline(series(area, buckets, 0, maxDiversity, [](const HistoryBucket &b) { return b.diversity(); }));
    painter.setRenderHint(QPainter::Antialiasing, false);

    int x = static_cast<int>(area.right()) - 4;
    for (const auto &[name, colour] : {std::pair{tr("diversity"), DiversityColour}, {tr("worst"), WorstColour},
                                       {tr("mean"), MeanColour}, {tr("best"), BestColour}}) {
        const int width = metrics.horizontalAdvance(name);
        x -= width;
        painter.setPen(colour);
        painter.drawText(QPointF(x, area.top() - 6), name);
        x -= metrics.horizontalAdvance(QStringLiteral("  "));
    }
}

// Bit 8 on top; the darker a cell, the more members have the bit set.
void HistoryChart::paintBits(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets)
{
    const double rowHeight = area.height() / GenomeLength;
    for (int bit = 0; bit < GenomeLength; ++bit) {
        const double y = area.top() + (GenomeLength - 1 - bit) * rowHeight;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y, LeftMargin - 6, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                         tr("bit %1").arg(bit));
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
