// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentjob.h"

#include <QElapsedTimer>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// On a thread of the pool: every run into results of its own, which are handed
// over whole, or not at all once the experiment is cancelled.
void runExperiment(QPromise<SharedResults> &promise, const std::shared_ptr<Experiment> &experiment,
                   const ExperimentPlan &plan, const QString &landscapeName)
{
    QElapsedTimer clock;
    clock.start();
    auto results = std::make_shared<ExperimentResults>(plan, landscapeName);
    results->runs.reserve(static_cast<std::size_t>(experiment->size()));
    promise.setProgressRange(0, static_cast<int>(experiment->size()));
    const bool whole = experiment->run(defaultThreadCount(), [&](const RunResult &run) {
        results->runs.push_back(run);
        results->summary.add(run);
        promise.setProgressValue(static_cast<int>(results->runs.size()));
        return true;
    });
    if (!whole)
        return;
    results->milliseconds = clock.elapsed();
    promise.addResult(SharedResults(std::move(results)));
}
}

ExperimentJob::ExperimentJob(const ExperimentPlan &plan, const QString &landscapeName, QObject *parent)
    : QObject(parent),
      experiment(std::make_shared<Experiment>(plan)),
      watcher(new QFutureWatcher<SharedResults>(this)),
      total(experiment->size())
{
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this](int done) { emit progressed(done, total); });
    connect(watcher, &QFutureWatcherBase::finished, this, &ExperimentJob::end);
    // The experiment is shared with the pool's thread, which may outlive the job.
    watcher->setFuture(QtConcurrent::run(runExperiment, experiment, plan, landscapeName));
}

ExperimentJob::~ExperimentJob()
{
    cancel();
}

void ExperimentJob::cancel()
{
    watcher->disconnect(this);
    experiment->cancel();
}

void ExperimentJob::end()
{
    if (watcher->future().resultCount() > 0)
        emit finished(watcher->result());
}
