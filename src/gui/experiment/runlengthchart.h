// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNLENGTHCHART_H
#define RUNLENGTHCHART_H

#include "experimentchart.h"

// For each combination, the share of its runs that had hit the target by each
// generation: a rising step curve, one colour and dash per combination.
class RunLengthChart : public ExperimentChart
{
    Q_OBJECT

public:
    explicit RunLengthChart(QWidget *parent = nullptr);

    // Room for the legend beside the smallest plot.
    QSize minimumSizeHint() const override;

protected:
    void paint(QPainter &painter) override;
    QString describeResults() const override;

private:
    QPen pen(int combination) const;
    int legendWidth(const QFontMetrics &metrics) const;
    void paintLegend(QPainter &painter, const QRectF &plot) const;
};

#endif
