// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTRESULTS_H
#define EXPERIMENTRESULTS_H

#include "countform.h"
#include "experiment.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

// What a finished experiment gave: its plan, every run in run order, the summary.
// Made whole on the thread that ran it, then only read, by as many views as show it.
struct ExperimentResults
{
    ExperimentResults(const ExperimentPlan &plan, const QString &landscapeName)
        : plan(plan), summary(plan), landscapeName(landscapeName)
    {
    }

    ExperimentPlan plan;
    ExperimentSummary summary;
    std::vector<RunResult> runs;
    QString landscapeName;
    qint64 milliseconds = 0;
};

using SharedResults = std::shared_ptr<const ExperimentResults>;

inline QString runsText(long long runs)
{
    return QCoreApplication::translate("ExperimentWindow", "%L1 run(s)", nullptr, countForm(runs)).arg(runs);
}

#endif
