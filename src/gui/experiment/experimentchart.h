// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTCHART_H
#define EXPERIMENTCHART_H

#include "chartwidget.h"
#include "experimentresults.h"

// What the experiment's charts share besides the chart base: the results they
// show, the title with a hint while there are none, and the percent axis.
class ExperimentChart : public ChartWidget
{
    Q_OBJECT

public:
    explicit ExperimentChart(QWidget *parent = nullptr);

    // Null until an experiment has finished.
    void setResults(const SharedResults &results);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    // The title, and a hint where there is nothing to show yet; returns whether
    // there are results to paint.
    bool paintFrame(QPainter &painter, const QString &title) const;
    // The plot's area inside the margins, bottomMargin as at a zoom of 1.0.
    QRectF plotArea(int bottomMargin) const;
    // Shares from 0 to 1 as 0 to 100 %, with room above 100 % for a point or a line there.
    void paintPercentAxis(QPainter &painter, const QRectF &plot) const;
    static double percentY(const QRectF &plot, double share);
    QString description() const override;
    // What the results show, in words.
    virtual QString describeResults() const = 0;

    // Both within the results, null without them.
    const ExperimentPlan *plan = nullptr;
    const ExperimentSummary *summary = nullptr;

private:
    SharedResults results;
};

#endif
