// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HEATMAPCHART_H
#define HEATMAPCHART_H

#include "experimentchart.h"

// The hit rate of every combination of two varied parameters: the first one's
// values down, the second one's across, darker for more hits, the rate in the cell.
class HeatMapChart : public ExperimentChart
{
    Q_OBJECT

public:
    explicit HeatMapChart(QWidget *parent = nullptr);

    // The combination whose cell holds the point; -1 outside the cells.
    int combinationAt(const QPointF &point) const;
    // The middle of a combination's cell.
    QPointF cellCentre(int combination) const;
    // The cell the keys act on: the arrows move it, Enter watches its first run.
    int chosenCombination() const;

signals:
    void combinationActivated(int combination);

protected:
    void paint(QPainter &painter) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QString describeResults() const override;

private:
    QRectF grid() const;
    int rows() const;
    int columns() const;
    void choose(int combination);

    int chosen = 0;
};

#endif
