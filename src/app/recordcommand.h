// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDCOMMAND_H
#define RECORDCOMMAND_H

#include "recorder.h"

#include <QByteArray>

#include "stoprequest.h"

#include <cstdio>

// The recorder with its files: the landscape it reads, where the rows go, and
// the snapshots it goes on from and leaves.
struct RecordingFiles
{
    QByteArray landscape;           // empty: the start-up tent
    QByteArray csv;                 // empty: standard output
    QByteArray snapshot;            // a run to go on from instead of a start
    QByteArray saveSnapshot;        // where the run is kept at its end
};

// The command --headless: checks the files, then runs; a problem gets one line on
// errors and the exit status 1. Going on from a snapshot, the run's landscape,
// parameters and generator are the snapshot's and its rows are numbered on from
// the snapshot's generation. Once a stop is requested the run stops: a regular
// file is left as it was, a stream holds whole rows.
int recordToFile(const RecorderSettings &settings, const RecordingFiles &files, std::FILE *errors,
                 const StopRequest *stop = nullptr);

#endif
