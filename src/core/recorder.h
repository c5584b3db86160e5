// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDER_H
#define RECORDER_H

#include "parameters.h"
#include "rowbuffer.h"
#include "stoprequest.h"

#include <cstddef>
#include <cstdio>

class Run;

// A run without a window: the run object from the window's start, its members
// written as CSV rows.
struct RecorderSettings
{
    long long generations = 0;      // how many to run
    long long every = 1;            // a row for the first generation and every such generation
    bool explain = false;           // instead, a row per child of generations 1 and on
    Settings parameters;
    unsigned seed = StartSeed;
};

// Runs settings.generations more generations of run and writes the header, a row
// for the generation it starts from and one for every generation that is a
// multiple of every; with explain, the explanation's header and a row per child
// instead. Stops at the first write that fails or, at a whole row, soon after a
// stop is requested; returns whether everything was written.
bool record(Run &run, const RecorderSettings &settings, RowSink &sink, const StopRequest *stop = nullptr);

#endif
