// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentchart.h"
#include "chartaxis.h"

#include <QPainter>

namespace {
const int TopMargin = 28;
const int RightMargin = 16;
const QSize MinimumSize(300, 220);
const QSize PreferredSize(480, 320);
const double Percent = 100.0;
const double TopShare = 1.04;   // the plot's top, above 100 %
const int MostTicks = 7;  // 0 to 100 in steps of 20
}

ExperimentChart::ExperimentChart(QWidget *parent)
    : ChartWidget(parent)
{
    changed();
}

void ExperimentChart::setResults(const SharedResults &results)
{
    this->results = results;
    plan = results ? &results->plan : nullptr;
    summary = results ? &results->summary : nullptr;
    updateGeometry();
    changed();
}

QString ExperimentChart::description() const
{
    return summary ? describeResults() : tr("No results yet.");
}

QSize ExperimentChart::minimumSizeHint() const
{
    return MinimumSize * zoom();
}

QSize ExperimentChart::sizeHint() const
{
    return PreferredSize * zoom();
}

bool ExperimentChart::paintFrame(QPainter &painter, const QString &title) const
{
    const Chart::Colours colours = this->colours();
    painter.setPen(colours.text);
    const QRectF titleArea(Chart::LeftMargin * zoom(), 0, width() - (Chart::LeftMargin + RightMargin) * zoom(),
                           TopMargin * zoom());
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(title, Qt::ElideRight, int(titleArea.width())));
    if (plan && summary)
        return true;
    painter.setPen(colours.faint);
    painter.drawText(rect(), Qt::AlignCenter, tr("Start an experiment to see its results here."));
    return false;
}

QRectF ExperimentChart::plotArea(int bottomMargin) const
{
    return QRectF(Chart::LeftMargin * zoom(), TopMargin * zoom(), width() - (Chart::LeftMargin + RightMargin) * zoom(),
                  height() - (TopMargin + bottomMargin) * zoom());
}

void ExperimentChart::paintPercentAxis(QPainter &painter, const QRectF &plot) const
{
    paintValueAxis(painter, plot, 0, TopShare * Percent, MostTicks, colours());
}

double ExperimentChart::percentY(const QRectF &plot, double share)
{
    return plot.bottom() - plot.height() * share / TopShare;
}
