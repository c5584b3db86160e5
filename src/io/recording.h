// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDING_H
#define RECORDING_H

#include "recorder.h"

#include <QByteArray>

#include <atomic>
#include <cstdio>

// The recorder with its files: the landscape it reads and where the rows go.
struct RecordingFiles
{
    QByteArray landscape;           // empty: the start-up tent
    QByteArray csv;                 // empty: standard output
};

// Checks the files, then runs; a problem gets one line on errors and the result 1.
// When interrupted becomes non-zero the run stops: a regular file is left as it
// was, a stream holds whole rows.
int recordToFile(const RecorderSettings &settings, const RecordingFiles &files, std::FILE *errors,
                 const std::atomic<int> *interrupted = nullptr);

#endif
