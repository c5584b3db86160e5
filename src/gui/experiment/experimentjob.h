// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTJOB_H
#define EXPERIMENTJOB_H

#include "experimentresults.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>

class Experiment;

// An experiment under way on a thread of Qt's pool. Its progress and its results
// arrive as signals on the job's own thread. Cancelled, or deleted, the job says
// nothing more and returns at once; the experiment stops within a run on its own.
class ExperimentJob : public QObject
{
    Q_OBJECT

public:
    ExperimentJob(const ExperimentPlan &plan, const QString &landscapeName, QObject *parent = nullptr);
    ~ExperimentJob() override;

    void cancel();

signals:
    // Runs delivered of all, at most some 25 times a second.
    void progressed(long long done, long long total);
    // Every run done; not after a cancel.
    void finished(const SharedResults &results);

private:
    void end();

    std::shared_ptr<Experiment> experiment;
    QFutureWatcher<SharedResults> *watcher;
    long long total;
};

#endif
