// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorder.h"
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
        if (end + CsvRowMaxLength > buffer + sizeof buffer && !flush())
            return false;
        end = writeCsvRow(end, record);
        return true;
    }
    bool flush()
    {
        const std::size_t length = static_cast<std::size_t>(end - buffer);
        end = buffer;
        return length == 0 || sink.write(buffer, length);
    }

private:
    RowSink &sink;
    char buffer[OutputBufferBytes];
    char *end;
};
}

bool record(const int *landscape, const RecorderSettings &settings, RowSink &sink, std::FILE *diagnostics)
{
    Run run(landscape, settings.parameters, settings.seed);
    run.setDiagnostics(diagnostics);
    Output output(sink);
    if (!output.write(CsvHeader, std::strlen(CsvHeader)) || !output.write(run.record()))
        return false;
    while (run.generation() < settings.generations) {
        run.step();
        if (run.generation() % settings.every == 0 && !output.write(run.record()))
            return false;
        if (run.generation() % GenerationsBetweenChecks == 0 && sink.stopped())
            return false;
    }
    return output.flush();
}
