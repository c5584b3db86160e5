// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDER_H
#define RECORDER_H

#include "parameters.h"

#include <cstddef>
#include <cstdio>

// A run without a window: the run object from the window's start, its members
// written as CSV rows.
struct RecorderSettings
{
    long long generations = 0;
    long long every = 1;            // a row for generation 0 and every such generation
    bool explain = false;           // instead, a row per child of generations 1 and on
    Settings parameters;
    unsigned seed = StartSeed;
};

// Where the rows go.
class RowSink
{
public:
    virtual ~RowSink() = default;
    // False when the text could not be written, which ends the run.
    virtual bool write(const char *text, std::size_t length) = 0;
    // Asked now and then during the run: true ends it early.
    virtual bool stopped() const { return false; }
};

// Runs on landscape and writes the header, a row for generation 0 and one for every
// every-th generation, or with explain the explanation's header and rows. Stops at the first write that fails or when the sink says
// stop; returns whether everything was written. The zero-total line goes to diagnostics.
bool record(const int *landscape, const RecorderSettings &settings, RowSink &sink, std::FILE *diagnostics);

#endif
