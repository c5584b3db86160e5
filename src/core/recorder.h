// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDER_H
#define RECORDER_H

#include "parameters.h"

#include <cstdio>
#include <string>

// A run without a window: the run object from the window's start-up state, its
// members written as CSV rows.
struct RecorderSettings
{
    long long generations = 0;
    long long every = 1;            // a row for generation 0 and every such generation
    std::string landscape;          // empty: the start-up tent
    Settings parameters;
    unsigned seed = StartSeed;
    std::string csv;                // empty: standard output
};

// Checks the files, then runs; a problem gets one line on errors before any
// generation. Returns the process's exit status.
int record(const RecorderSettings &settings, std::FILE *errors);

// Reads a landscape file over the first values of landscape. Only regular files
// are read; on failure returns false and says why in reason.
bool loadLandscape(const std::string &path, int *landscape, std::string &reason);

#endif
