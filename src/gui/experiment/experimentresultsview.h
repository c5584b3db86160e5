// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTRESULTSVIEW_H
#define EXPERIMENTRESULTSVIEW_H

#include "experimentresults.h"

#include <QSplitter>

QT_BEGIN_NAMESPACE
class QLabel;
class QModelIndex;
class QScrollArea;
class QSortFilterProxyModel;
class QTableView;
QT_END_NAMESPACE
class ExperimentChart;
class HeatMapChart;
class HitRateChart;
class RunLengthChart;
class RunTableModel;

// The results of an experiment: above, the hit rates and run lengths of one
// parameter varied, or the heat map of two; below, a table of the runs.
class ExperimentResultsView : public QSplitter
{
    Q_OBJECT

public:
    explicit ExperimentResultsView(QWidget *parent = nullptr);

    // Null before the first experiment has finished.
    void setResults(const SharedResults &results);
    // The charts' text, lines and margins at a zoom of 1.0 to 3.0; where they
    // no longer fit, they scroll.
    void setZoom(double factor);
    // The charts as they are shown, under the line that says what they show.
    QPixmap chartsPicture() const;
    // What the results shown came from: landscape, parameters varied and fixed,
    // seeds, generations and target; a note where the multiplier was varied.
    QString caption() const;

signals:
    // A run to watch, by its index in the run order.
    void runActivated(std::size_t index);

private:
    void chooseRun(const QModelIndex &index);
    void chooseCombination(int combination);
    QList<ExperimentChart *> charts() const;

    SharedResults results;
    QLabel *shownLabel;
    QScrollArea *chartArea;
    QWidget *chartPage; // the rate page or the heat map, whichever is shown
    QWidget *ratePage;
    HitRateChart *hitRateChart;
    RunLengthChart *runLengthChart;
    HeatMapChart *heatMapChart;
    RunTableModel *model;
    QSortFilterProxyModel *sorted;
    QTableView *table;
};

#endif
