// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNTABLEMODEL_H
#define RUNTABLEMODEL_H

#include <QAbstractTableModel>

#include <vector>

struct ExperimentPlan;
struct RunResult;

// The runs of an experiment, one row each in run order: the seed, the parameters,
// where the run hit the target, and its last generation's fitness and diversity.
// Qt::UserRole gives each cell as a number to sort by; a run that never hit sorts last.
class RunTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RunTableModel(QObject *parent = nullptr);

    // Null until an experiment has finished; both stay alive while shown.
    void setRuns(const ExperimentPlan *plan, const std::vector<RunResult> *runs);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ExperimentPlan *plan = nullptr;
    const std::vector<RunResult> *runs = nullptr;
};

#endif
