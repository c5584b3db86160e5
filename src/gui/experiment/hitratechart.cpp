// SPDX-License-Identifier: GPL-3.0-or-later
#include "hitratechart.h"
#include "countform.h"
#include "chartaxis.h"
#include "experiment.h"
#include "parametercaption.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const int LabelGap = 2;
const double Percent = 100.0;
const double PointRadius = 4.5;
const double CapHalfWidth = 6.0;
const double LineWidth = 1.5;
const QColor RateColour = Chart::Blue;

const int MostLabelRows = 4;

// How labels of so wide slots stand clear of each other: in one row; else taking
// turns in up to four rows; else, in those rows, only every so many.
struct Stagger
{
    int rows;
    int every;
};

Stagger stagger(const QStringList &labels, double slot, const QFontMetricsF &metrics)
{
    double widest = 0;
    for (const QString &label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label + QLatin1Char(' ')));
    const int rows = std::clamp(static_cast<int>(std::ceil(widest / slot)), 1, MostLabelRows);
    return {rows, std::max(1, static_cast<int>(std::ceil(widest / (rows * slot))))};
}

// Each under its slot, within the chart's width.
void paintLabels(QPainter &painter, const QStringList &labels, const Stagger &stagger, const QRectF &plot,
                 double top, double slot, double chartWidth)
{
    const QFontMetricsF metrics(painter.font());
    for (int index = 0; index < labels.size(); index += stagger.every) {
        const double width = metrics.horizontalAdvance(labels[index]);
        const double left = std::clamp(plot.left() + slot * (index + 0.5) - width / 2, 0.0, std::max(0.0, chartWidth - width));
        const int row = (index / stagger.every) % stagger.rows;
        painter.drawText(QRectF(left, top + row * metrics.height(), width, metrics.height()), Qt::AlignCenter, labels[index]);
    }
}
}

HitRateChart::HitRateChart(QWidget *parent)
    : ExperimentChart(parent)
{
    setAccessibleName(tr("Hit rate chart"));
}

void HitRateChart::paint(QPainter &painter)
{
    if (!paintFrame(painter, tr("Hit rate, % (bars: 95 % interval)")))
        return;
    // Under the plot the values, the hits of the runs and the parameter, each in as
    // many rows as its labels need to stand clear of each other.
    const Chart::Colours colours = this->colours();
    const std::vector<CombinationSummary> &combinations = summary->combinations();
    const Variation *variation = plan->variations.size() == 1 ? &plan->variations.front() : nullptr;
    QStringList values;
    QStringList hits;
    QStringList shortHits;
    for (const CombinationSummary &combination : combinations) {
        values << (variation ? QString::number(combination.settings.value(*variation->parameter))
                             : combinationCaption(plan->variations, combination.settings));
        hits << tr("%1 of %2").arg(combination.hits()).arg(combination.runs);
        shortHits << tr("%1/%2").arg(combination.hits()).arg(combination.runs);
    }
    const QFontMetricsF metrics(painter.font());
    const double lineHeight = metrics.height();
    QRectF plot = plotArea(0);
    const double slot = plot.width() / double(combinations.size());
    const Stagger valueRows = stagger(values, slot, metrics);
    Stagger hitRows = stagger(hits, slot, metrics);
    if (hitRows.rows > 1) {
        hits = shortHits;
        hitRows = stagger(hits, slot, metrics);
    }
    plot.setBottom(plot.bottom() - (valueRows.rows + hitRows.rows + 1) * lineHeight - 2 * LabelGap * zoom());
    painter.setPen(colours.text);
    painter.drawRect(plot);
    paintPercentAxis(painter, plot);
    paintLabels(painter, values, valueRows, plot, plot.bottom() + LabelGap * zoom(), slot, width());
    painter.setPen(colours.faint);
    paintLabels(painter, hits, hitRows, plot, plot.bottom() + LabelGap * zoom() + valueRows.rows * lineHeight, slot, width());

    const auto y = [&plot](double rate) { return percentY(plot, rate); };
    const QColor rate = colours.line(RateColour);
    for (std::size_t index = 0; index < combinations.size(); ++index) {
        const CombinationSummary &combination = combinations[index];
        const double x = plot.left() + slot * (double(index) + 0.5);
        if (combination.runs == 0)
            continue;
        const RateInterval interval = combination.interval();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(rate, LineWidth * zoom()));
        painter.drawLine(QPointF(x, y(interval.low)), QPointF(x, y(interval.high)));
        for (double end : {interval.low, interval.high})
            painter.drawLine(QPointF(x - CapHalfWidth * zoom(), y(end)), QPointF(x + CapHalfWidth * zoom(), y(end)));
        painter.setBrush(rate);
        painter.drawEllipse(QPointF(x, y(combination.hitRate())), PointRadius * zoom(), PointRadius * zoom());
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(colours.text);
    painter.drawText(QRectF(plot.left(), plot.bottom() + (valueRows.rows + hitRows.rows) * lineHeight + 2 * LabelGap * zoom(),
                            plot.width(), lineHeight),
                     Qt::AlignCenter,
                     variation ? parameterCaption(*variation->parameter) : QString());
}

QString HitRateChart::describeResults() const
{
    QStringList lines;
    for (const CombinationSummary &combination : summary->combinations()) {
        if (combination.runs == 0)
            continue;
        const RateInterval interval = combination.interval();
        lines << tr("%1: %L2 of %L3 run(s) hit, %L4 % (95 % interval %L5 to %L6 %)", nullptr, countForm(combination.runs))
                     .arg(combinationCaption(plan->variations, combination.settings))
                     .arg(combination.hits())
                     .arg(combination.runs)
                     .arg(combination.hitRate() * Percent, 0, 'f', 1)
                     .arg(interval.low * Percent, 0, 'f', 1)
                     .arg(interval.high * Percent, 0, 'f', 1);
    }
    return lines.join('\n');
}
