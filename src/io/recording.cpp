// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording.h"
#include "landscapefile.h"
#include "safefile.h"
#include "startstate.h"

#include <QFile>

namespace {
class FileSink : public RowSink
{
public:
    explicit FileSink(SafeFile &file) : file(file) {}
    bool write(const char *text, std::size_t length) override
    {
        return file.write(text, static_cast<qint64>(length));
    }

private:
    SafeFile &file;
};
}

int recordToFile(const RecorderSettings &settings, const RecordingFiles &files, std::FILE *errors)
{
    int landscape[LandscapeSize];
    fillStartLandscape(landscape);
    QString reason;
    if (!files.landscape.isEmpty() && !loadLandscape(files.landscape, landscape, reason)) {
        std::fprintf(errors, "vezo-vizoziv: cannot read landscape '%s': %s\n", files.landscape.constData(),
                     qPrintable(reason));
        return 1;
    }
    SafeFile file(files.csv, SafeFile::RegularFilesAndStreams);
    if (!file.open()) {
        std::fprintf(errors, "vezo-vizoziv: cannot write '%s': %s\n", qPrintable(file.displayName()),
                     qPrintable(file.errorString()));
        return 1;
    }
    FileSink sink(file);
    if (!record(landscape, settings, sink, errors) || !file.commit()) {
        std::fprintf(errors, "vezo-vizoziv: cannot write '%s': %s\n", qPrintable(file.displayName()),
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
