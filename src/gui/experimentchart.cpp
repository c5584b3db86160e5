// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentchart.h"
#include "chartaxis.h"

#include <QPainter>

namespace {
const int TopMargin = 28;
const int RightMargin = 16;
const QSize MinimumSize(300, 220);
const QSize PreferredSize(480, 320);
}

ExperimentChart::ExperimentChart(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setPalette(QPalette(Chart::Background));
}

void ExperimentChart::setResults(const ExperimentPlan *plan, const ExperimentSummary *summary)
{
    this->plan = plan;
    this->summary = summary;
    setAccessibleDescription(summary ? describe() : tr("No results yet."));
    update();
}

QSize ExperimentChart::minimumSizeHint() const
{
    return MinimumSize;
}

QSize ExperimentChart::sizeHint() const
{
    return PreferredSize;
}

bool ExperimentChart::paintFrame(QPainter &painter, const QString &title) const
{
    painter.setPen(Qt::black);
    painter.drawText(QRectF(Chart::LeftMargin, 0, width() - Chart::LeftMargin - RightMargin, TopMargin),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    if (plan && summary)
        return true;
    painter.setPen(Qt::darkGray);
    painter.drawText(rect(), Qt::AlignCenter, tr("Start an experiment to see its results here."));
    return false;
}

QRectF ExperimentChart::plotArea(int bottomMargin) const
{
    return QRectF(Chart::LeftMargin, TopMargin, width() - Chart::LeftMargin - RightMargin,
                  height() - TopMargin - bottomMargin);
}
