// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HISTORYCHART_H
#define HISTORYCHART_H

#include "chartwidget.h"

#include <QPen>

#include <optional>
#include <vector>

class History;
struct HistoryMarker;
class HistoryMarkers;
struct HistoryBucket;
class ChartAxis;
class ChartLegend;

// The run so far: best, mean and worst fitness and the diversity over the
// generations, and beneath them for each bit the share of members that have it
// set. Thin marks across both show where something happened to the run; their
// tooltips say what. While drift alone moves the members, a dash-dot-dot line
// in the text colour shows the diversity that theory expects from where it began.
class HistoryChart : public ChartWidget
{
    Q_OBJECT

public:
    explicit HistoryChart(const History *history, const HistoryMarkers *markers = nullptr, QWidget *parent = nullptr);

    // Where drift alone began: the generation and its diversity.
    struct DriftStart
    {
        long long generation;
        double diversity;
    };
    // None: no theory line.
    void setDriftStart(const std::optional<DriftStart> &start);
    const std::optional<DriftStart> &driftStart() const { return drift; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // The mark the keys have chosen, told in the chart's words; -1 for none.
    int chosenMark() const;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paint(QPainter &painter) override;
    QString description() const override;

private:
    struct Areas
    {
        QRectF chart;
        QRectF strip;
        QRectF legend; // beside the title, or under it where both do not fit in one line
    };
    struct Range
    {
        double low;
        double high;
    };

    static Range fitnessRange(const std::vector<HistoryBucket> &buckets);
    Areas areas(const Range &range) const;
    double markerX(const QRectF &area, const std::vector<HistoryBucket> &buckets, long long generation) const;
    struct LegendEntry
    {
        QString name;
        QPen pen;
    };
    QList<LegendEntry> legendEntries(bool shortened) const;
    QList<ChartLegend> legendRows(double width, const QFontMetricsF &metrics) const;
    void paintFitness(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets,
                      const Range &range);
    void paintDrift(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets,
                    const ChartAxis &axis);
    void paintBits(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets);
    void paintMarkers(QPainter &painter, const Areas &areas, const std::vector<HistoryBucket> &buckets);
    QString markersNear(const QPoint &point) const;
    QString markText(const HistoryMarker &marker) const;

    const History *history;
    const HistoryMarkers *markers;
    std::optional<DriftStart> drift;
    int chosen = -1;
};

#endif
