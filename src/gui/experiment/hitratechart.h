// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HITRATECHART_H
#define HITRATECHART_H

#include "experimentchart.h"

// The share of runs that hit the target for each value of the varied parameter,
// with its 95 % interval as an error bar.
class HitRateChart : public ExperimentChart
{
    Q_OBJECT

public:
    explicit HitRateChart(QWidget *parent = nullptr);

protected:
    void paint(QPainter &painter) override;
    QString describeResults() const override;
};

#endif
