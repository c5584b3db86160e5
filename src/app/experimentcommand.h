// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTCOMMAND_H
#define EXPERIMENTCOMMAND_H

#include "experiment.h"
#include "stoprequest.h"

#include <QByteArray>

// Runs a checked plan on threads workers (0: one per core). The per-run rows go to
// csv (empty: standard output) in run order as they come, the summary to summary
// once all is done (empty: none). Both may be regular files or streams. The first
// write that fails stops everything with one line on standard error. While it runs,
// a terminal on standard error shows one updating line of progress. Returns the
// exit status.
// Once a stop is requested the experiment stops: a regular file is left as it was,
// a stream holds whole rows.
int runExperimentCommand(const ExperimentPlan &plan, int threads, const QByteArray &csv, const QByteArray &summary,
                         const StopRequest *stop = nullptr);

#endif
