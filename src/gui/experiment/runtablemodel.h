// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNTABLEMODEL_H
#define RUNTABLEMODEL_H

#include "experimentresults.h"

#include <QAbstractTableModel>

// The runs of an experiment, one row each in run order: the seed, the parameters,
// where the run hit the target, and its last generation's fitness and diversity.
// Qt::UserRole gives each cell as a number to sort by; a run that never hit sorts last.
class RunTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RunTableModel(QObject *parent = nullptr);

    // Null until an experiment has finished.
    void setResults(const SharedResults &results);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    SharedResults results;
    // Both within the results, null without them.
    const ExperimentPlan *plan = nullptr;
    const std::vector<RunResult> *runs = nullptr;
};

#endif
