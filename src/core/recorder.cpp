// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorder.h"
#include "explain.h"
#include "generationrecord.h"
#include "run.h"

#include <cstring>

namespace {
const std::size_t OutputBufferBytes = 1 << 16;
const long long GenerationsBetweenChecks = 1 << 12;

// Collects rows and hands them on in large pieces.
class Output
{
public:
    explicit Output(RowSink &sink) : sink(sink), end(buffer) {}

    bool write(const char *text, std::size_t length)
    {
        if (end + length > buffer + sizeof buffer && !flush())
            return false;
        std::memcpy(end, text, length);
        end += length;
        return true;
    }
    bool write(const GenerationRecord &record)
    {
        if (!makeRoom(CsvRowMaxLength))
            return false;
        end = writeCsvRow(end, record);
        return true;
    }
    bool write(long long generation, const GenerationTrace &trace)
    {
        if (!makeRoom(ExplainRowsMaxLength))
            return false;
        end = writeExplainRows(end, generation, trace);
        return true;
    }
    bool flush()
    {
        const std::size_t length = static_cast<std::size_t>(end - buffer);
        end = buffer;
        return length == 0 || sink.write(buffer, length);
    }

private:
    bool makeRoom(std::size_t length) { return end + length <= buffer + sizeof buffer || flush(); }

    RowSink &sink;
    char buffer[OutputBufferBytes];
    char *end;
};
}

bool record(Run &run, const RecorderSettings &settings, RowSink &sink)
{
    const long long last = run.generation() + settings.generations;
    Output output(sink);
    const bool started = settings.explain
                             ? output.write(ExplainHeader, std::strlen(ExplainHeader))
                             : output.write(CsvHeader, std::strlen(CsvHeader)) && output.write(run.record());
    if (!started)
        return false;
    GenerationTrace trace;
    while (run.generation() < last) {
        run.step(settings.explain ? &trace : nullptr);
        const bool written = settings.explain ? output.write(run.generation(), trace)
                                              : run.generation() % settings.every != 0 || output.write(run.record());
        if (!written)
            return false;
        if (run.generation() % GenerationsBetweenChecks == 0 && sink.stopped())
            return false;
    }
    return output.flush();
}
