// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTCHART_H
#define EXPERIMENTCHART_H

#include "experimentresults.h"

#include <QWidget>

// What the experiment's charts share: the results they show, in the observatory's
// style, and a text for screen readers that says what the picture shows.
class ExperimentChart : public QWidget
{
    Q_OBJECT

public:
    explicit ExperimentChart(QWidget *parent = nullptr);

    // Null until an experiment has finished.
    void setResults(const SharedResults &results);
    // Margins and sizes grow with the zoom, 1.0 to 3.0; the text grows with the font.
    void setZoom(double factor);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    // The title, and a hint where there is nothing to show yet; returns whether
    // there are results to paint.
    bool paintFrame(QPainter &painter, const QString &title) const;
    // The plot's area inside the margins, bottomMargin as at a zoom of 1.0.
    QRectF plotArea(int bottomMargin) const;
    // Shares from 0 to 1 as 0 to 100 %, with room above 100 % for a point or a line there.
    static void paintPercentAxis(QPainter &painter, const QRectF &plot);
    static double percentY(const QRectF &plot, double share);
    virtual QString describe() const = 0;

    // Both within the results, null without them.
    const ExperimentPlan *plan = nullptr;
    const ExperimentSummary *summary = nullptr;
    double zoom = 1.0;

private:
    SharedResults results;
};

#endif
