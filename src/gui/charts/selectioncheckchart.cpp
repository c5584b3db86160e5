// SPDX-License-Identifier: GPL-3.0-or-later
#include "selectioncheckchart.h"
#include "countform.h"
#include "chartaxis.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Sizes at zoom 1.
const double PointRadius = 4.5;
const double PointPenWidth = 1.5;
const int MinimumSamples = 200; // fewer make a bin's mean too rough to judge
const int MostTicks = 6;
const double SmallestCopiesRange = 2; // the fewest copies an axis spans
const int ErrorBarSpreads = 2;
const QSize Characters(24, 10);
const QColor PointColour = Chart::Blue;
}

SelectionCheckChart::SelectionCheckChart(QWidget *parent)
    : GenerationPart(Characters, parent)
{
    setAccessibleName(tr("Selection check"));
    setToolTip(tr("Over many generations, members expected to get so many copies should on average be "
                  "drawn that often: the points then lie near the dashed line."));
    changed();
}

void SelectionCheckChart::addGeneration(const GenerationTrace &trace)
{
    check.add(trace);
    changed();
}

void SelectionCheckChart::clear()
{
    check.reset();
    changed();
}

// Its title stands above it, outside; the words on the first line say what it counted.
void SelectionCheckChart::paint(QPainter &painter)
{
    const QRectF whole = area();
    const Chart::Colours colours = this->colours();
    const QColor point = colours.line(PointColour);
    painter.setPen(colours.faint);
    const QString legend = tr("%Ln generation(s); bars ±%1 s.e.; hollow: under %2 members", nullptr,
                              static_cast<int>(std::min<long long>(check.generations(), INT_MAX)))
                               .arg(ErrorBarSpreads)
                               .arg(MinimumSamples);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF legendBox = painter.boundingRect(whole, flags, legend);
    painter.drawText(whole, flags, legend);
    const QRectF area = whole.adjusted(0, legendBox.height() + px(RowGap), 0, 0);
    double most = SmallestCopiesRange;
    for (int index = 0; index < SelectionCheck::Bins; ++index) {
        const SelectionCheck::Bin &bin = check.bin(index);
        if (bin.samples > 0)
            most = std::max({most, bin.meanExpected(), bin.meanObserved()});
    }
    most = std::ceil(most);

    // A square plot, the same round values on both axes.
    const QList<double> ticks = axisTicks(0, most, MostTicks);
    ChartAxis expected(ChartAxis::Bottom, 0, most, zoom(), colours);
    expected.setTicks(ticks);
    expected.setTitle(tr("expected copies"));
    ChartAxis drawn(ChartAxis::Left, 0, most, zoom(), colours);
    drawn.setTicks(ticks);
    drawn.setTitle(tr("drawn"));
    const QFontMetricsF metrics(painter.font());
    const double left = drawn.room(metrics);
    const double side = std::min(area.width() - left - px(Pad), area.height() - expected.room(metrics) - px(Pad));
    if (side <= 0)
        return;
    const QRectF plot(area.left() + left, area.top() + px(Pad) / 2, side, side);
    const auto at = [&](double copies, double draws) {
        return QPointF(expected.position(plot, copies), drawn.position(plot, draws));
    };
    expected.paint(painter, plot);
    drawn.paint(painter, plot);
    painter.setPen(QPen(colours.text, zoom()));
    painter.drawRect(plot);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.faint, zoom(), Qt::DashLine));
    painter.drawLine(at(0, 0), at(most, most));
    bool any = false;
    for (int index = 0; index < SelectionCheck::Bins; ++index) {
        const SelectionCheck::Bin &bin = check.bin(index);
        if (bin.samples == 0)
            continue;
        any = true;
        painter.setPen(QPen(point, zoom()));
        const double reach = ErrorBarSpreads * bin.spread();
        painter.drawLine(at(bin.meanExpected(), std::max(0.0, bin.meanObserved() - reach)),
                         at(bin.meanExpected(), std::min(most, bin.meanObserved() + reach)));
        painter.setPen(QPen(point, px(PointPenWidth)));
        painter.setBrush(bin.samples >= MinimumSamples ? point : colours.background);
        painter.drawEllipse(at(bin.meanExpected(), bin.meanObserved()), px(PointRadius), px(PointRadius));
    }
    painter.setBrush(Qt::NoBrush);
    if (!any) {
        painter.setPen(colours.faint);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, tr("Nothing counted yet."));
    }
}

QString SelectionCheckChart::description() const
{
    QStringList bins;
    for (int index = 0; index < SelectionCheck::Bins; ++index) {
        const SelectionCheck::Bin &bin = check.bin(index);
        if (bin.samples == 0)
            continue;
        bins << tr("expected %L1 to %L2: %L3 member(s), mean expected %L4, mean drawn %L5", nullptr, countForm(bin.samples))
                    .arg(bin.low)
                    .arg(bin.high)
                    .arg(bin.samples)
                    .arg(bin.meanExpected(), 0, 'f', 3)
                    .arg(bin.meanObserved(), 0, 'f', 3);
    }
    if (bins.isEmpty())
        return tr("Draws against expected copies: nothing counted yet.");
    return tr("Draws against expected copies over %L1 generation(s): ", nullptr, countForm(check.generations()))
               .arg(check.generations())
           + bins.join(QStringLiteral("; ")) + QLatin1Char('.');
}
