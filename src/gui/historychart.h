// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HISTORYCHART_H
#define HISTORYCHART_H

#include <QWidget>

class History;
struct HistoryBucket;

// The run so far: best, mean and worst fitness and the diversity over the
// generations, and beneath them for each bit the share of members that have it set.
class HistoryChart : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryChart(const History *history, QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintFitness(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets);
    void paintBits(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets);

    const History *history;
};

#endif
