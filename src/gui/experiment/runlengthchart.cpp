// SPDX-License-Identifier: GPL-3.0-or-later
#include "runlengthchart.h"
#include "chartaxis.h"
#include "experiment.h"
#include "parametercaption.h"

#include <QLocale>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace {
const int BottomMargin = 40;  // generation labels and the axis title
const int MostTicks = 6;
const double LabelSpacing = 1.5; // label widths from one generation label to the next, at least
const int LegendPadding = 6;
const int LegendSwatch = 32; // long enough to show the dashes
const int LineWidth = 2;
}

// Its own colour and dashes: eight colours and five dashes make forty lines apart.
QPen RunLengthChart::pen(int combination) const
{
    return QPen(colours().line(Chart::Distinct[combination % Chart::DistinctCount]), LineWidth * zoom(),
                Chart::Dashes[combination % Chart::DashCount], Qt::FlatCap);
}

RunLengthChart::RunLengthChart(QWidget *parent)
    : ExperimentChart(parent)
{
    setAccessibleName(tr("Run-length chart"));
}

void RunLengthChart::paint(QPainter &painter)
{
    if (!paintFrame(painter, tr("Runs that have hit by each generation, %")))
        return;
    QRectF plot = plotArea(BottomMargin);
    plot.setRight(plot.right() - legendWidth(painter.fontMetrics()));
    const Chart::Colours colours = this->colours();
    painter.setPen(colours.text);
    painter.drawRect(plot);
    paintPercentAxis(painter, plot);

    const double last = double(std::max(plan->generations, 1LL));
    const auto x = [&](double generation) { return plot.left() + plot.width() * generation / last; };
    const double lineHeight = painter.fontMetrics().height();
    painter.setPen(colours.text);
    const double labelWidth = painter.fontMetrics().horizontalAdvance(QLocale().toString(last, 'g', 12)) * LabelSpacing;
    const int most = std::clamp(static_cast<int>(plot.width() / labelWidth) + 1, 2, MostTicks);
    for (double tick : axisTicks(0, last, most)) {
        painter.drawText(QRectF(x(tick) - plot.width() / 2, plot.bottom() + 2, plot.width(), lineHeight),
                         Qt::AlignCenter, QLocale().toString(tick, 'g', 12));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + lineHeight + 4, plot.width(), lineHeight), Qt::AlignCenter,
                     tr("generation"));

    painter.setRenderHint(QPainter::Antialiasing);
    const std::vector<CombinationSummary> &combinations = summary->combinations();
    for (std::size_t index = 0; index < combinations.size(); ++index) {
        const CombinationSummary &combination = combinations[index];
        if (combination.runs == 0)
            continue;
        const auto y = [&](long long hits) { return percentY(plot, double(hits) / double(combination.runs)); };
        QPolygonF steps;
        long long hits = 0;
        steps << QPointF(x(0), y(0));
        for (const auto &[generation, count] : combination.runLengths.counts()) {
            steps << QPointF(x(double(generation)), y(hits));
            hits += count;
            steps << QPointF(x(double(generation)), y(hits));
        }
        steps << QPointF(x(last), y(hits));
        painter.setPen(pen(int(index)));
        painter.drawPolyline(steps);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintLegend(painter, plot);
}

QSize RunLengthChart::minimumSizeHint() const
{
    QSize size = ExperimentChart::minimumSizeHint();
    if (summary)
        size.rwidth() += legendWidth(fontMetrics());
    return size;
}

int RunLengthChart::legendWidth(const QFontMetrics &metrics) const
{
    int widest = 0;
    for (const CombinationSummary &combination : summary->combinations())
        widest = std::max(widest, metrics.horizontalAdvance(combinationCaption(plan->variations, combination.settings)));
    return widest + static_cast<int>((LegendSwatch + 3 * LegendPadding) * zoom());
}

// Beside the plot, on its right.
void RunLengthChart::paintLegend(QPainter &painter, const QRectF &plot) const
{
    QStringList names;
    for (const CombinationSummary &combination : summary->combinations())
        names << combinationCaption(plan->variations, combination.settings);
    const double rowHeight = painter.fontMetrics().height();
    const double padding = LegendPadding * zoom();
    const double swatch = LegendSwatch * zoom();
    const QRectF box(plot.right() + padding, plot.top(), width() - plot.right() - padding, rowHeight * names.size());
    for (int index = 0; index < names.size(); ++index) {
        const double y = box.top() + rowHeight * (index + 0.5);
        painter.setPen(pen(index));
        painter.drawLine(QPointF(box.left() + padding, y), QPointF(box.left() + padding + swatch, y));
        painter.setPen(colours().text);
        painter.drawText(QRectF(box.left() + 2 * padding + swatch, y - rowHeight / 2, box.width(), rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, names.at(index));
    }
}

QString RunLengthChart::describeResults() const
{
    QStringList lines;
    for (const CombinationSummary &combination : summary->combinations()) {
        if (combination.hits() == 0) {
            lines << tr("%1: no run hit").arg(combinationCaption(plan->variations, combination.settings));
            continue;
        }
        lines << tr("%1: half of the runs that hit did so by generation %2, all by %3")
                     .arg(combinationCaption(plan->variations, combination.settings))
                     .arg(QLocale().toString(combination.hitPercentile(50)))
                     .arg(QLocale().toString(combination.hitPercentile(100)));
    }
    return lines.join('\n');
}
