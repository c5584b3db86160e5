// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorder.h"
#include "explain.h"
#include "generationrecord.h"
#include "run.h"

#include <cstring>

namespace {
const long long GenerationsBetweenChecks = 1 << 12;
}

bool record(Run &run, const RecorderSettings &settings, RowSink &sink, const StopRequest *stop)
{
    const long long last = run.generation() + settings.generations;
    RowBuffer output(sink);
    const auto recordRow = [&run](char *out) { return writeCsvRow(out, run.record()); };
    const bool started = settings.explain
                             ? output.write(ExplainHeader, std::strlen(ExplainHeader))
                             : output.write(CsvHeader, std::strlen(CsvHeader)) && output.add(CsvRowMaxLength, recordRow);
    if (!started)
        return false;
    GenerationTrace trace;
    while (run.generation() < last) {
        run.step(settings.explain ? &trace : nullptr);
        const bool written =
            settings.explain
                ? output.add(ExplainRowsMaxLength, [&](char *out) { return writeExplainRows(out, run.generation(), trace); })
                : run.generation() % settings.every != 0 || output.add(CsvRowMaxLength, recordRow);
        if (!written)
            return false;
        if (run.generation() % GenerationsBetweenChecks == 0 && stopRequested(stop))
            return false;
    }
    return output.flush();
}
