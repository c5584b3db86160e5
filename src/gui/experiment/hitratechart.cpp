// SPDX-License-Identifier: GPL-3.0-or-later
#include "hitratechart.h"
#include "countform.h"
#include "chartaxis.h"
#include "experiment.h"
#include "parametercaption.h"

#include <QPainter>

namespace {
const int BottomMargin = 56;   // value labels, the hits, the parameter
const double Percent = 100.0;
const double PointRadius = 4.5;
const double CapHalfWidth = 6.0;
const double LineWidth = 1.5;
const QColor RateColour = Chart::Blue;
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
    const QRectF plot = plotArea(BottomMargin);
    painter.drawRect(plot);
    paintPercentAxis(painter, plot);

    const std::vector<CombinationSummary> &combinations = summary->combinations();
    const Variation *variation = plan->variations.size() == 1 ? &plan->variations.front() : nullptr;
    const double lineHeight = painter.fontMetrics().height();
    const double slot = plot.width() / double(combinations.size());
    const auto y = [&plot](double rate) { return percentY(plot, rate); };
    for (std::size_t index = 0; index < combinations.size(); ++index) {
        const CombinationSummary &combination = combinations[index];
        const double x = plot.left() + slot * (double(index) + 0.5);
        const QRectF label(x - slot / 2, plot.bottom() + 2, slot, lineHeight);
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignCenter,
                         variation ? QString::number(combination.settings.value(*variation->parameter))
                                   : combinationCaption(plan->variations, combination.settings));
        painter.setPen(Chart::Faint);
        painter.drawText(label.translated(0, lineHeight), Qt::AlignCenter,
                         tr("%1 of %2").arg(combination.hits()).arg(combination.runs));
        if (combination.runs == 0)
            continue;
        const RateInterval interval = combination.interval();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(RateColour, LineWidth * zoom()));
        painter.drawLine(QPointF(x, y(interval.low)), QPointF(x, y(interval.high)));
        for (double end : {interval.low, interval.high})
            painter.drawLine(QPointF(x - CapHalfWidth * zoom(), y(end)), QPointF(x + CapHalfWidth * zoom(), y(end)));
        painter.setBrush(RateColour);
        painter.drawEllipse(QPointF(x, y(combination.hitRate())), PointRadius * zoom(), PointRadius * zoom());
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left(), plot.bottom() + 2 * lineHeight + 4, plot.width(), lineHeight), Qt::AlignCenter,
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
