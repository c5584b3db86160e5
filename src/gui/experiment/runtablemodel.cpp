// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtablemodel.h"
#include "experiment.h"

#include <QLocale>

#include <climits>

namespace {
enum Column { Seed, Fitness, Mutation, Bias, Hit, Best, Mean, Worst, Diversity, ColumnCount };
const int Decimals = 3;
}

RunTableModel::RunTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RunTableModel::setResults(const SharedResults &results)
{
    beginResetModel();
    this->results = results;
    plan = results ? &results->plan : nullptr;
    runs = results ? &results->runs : nullptr;
    endResetModel();
}

int RunTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !runs ? 0 : static_cast<int>(runs->size());
}

int RunTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RunTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::UserRole && role != Qt::TextAlignmentRole))
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    const RunResult &run = (*runs)[static_cast<std::size_t>(index.row())];
    const Settings settings = plan->settings(run.combination);
    const bool display = role == Qt::DisplayRole;
    switch (index.column()) {
    case Seed:
        return qulonglong(run.seed);
    case Fitness:
        return settings.fitness;
    case Mutation:
        return settings.mutation;
    case Bias:
        return settings.bias;
    case Hit:
        if (run.hit < 0)
            return display ? QVariant(tr("never")) : QVariant(LLONG_MAX);
        return run.hit;
    case Best:
        return run.last.best;
    case Mean:
        return display ? QVariant(QLocale().toString(run.last.mean(), 'f', Decimals)) : QVariant(run.last.mean());
    case Worst:
        return run.last.worst;
    case Diversity: {
        const double diversity = run.last.diversity();
        return display ? QVariant(QLocale().toString(diversity, 'f', Decimals)) : QVariant(diversity);
    }
    }
    return QVariant();
}

QVariant RunTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    const QString titles[ColumnCount] = {tr("Seed"), tr("Fitness"), tr("Mutation"), tr("Bias"), tr("Hit at"),
                                         tr("Best"), tr("Mean"), tr("Worst"), tr("Diversity")};
    return titles[section];
}
