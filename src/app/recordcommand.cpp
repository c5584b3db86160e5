// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordcommand.h"
#include "landscapefile.h"
#include "landscapepresets.h"
#include "run.h"
#include "safefile.h"
#include "snapshot.h"
#include "startstate.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

int recordToFile(const RecorderSettings &settings, const RecordingFiles &files, std::FILE *errors,
                 const StopRequest *stop)
{
    RunState start;
    fillStartLandscape(start.landscape);
    std::copy(start.landscape, start.landscape + LandscapeSize, start.reference);
    start.name = presetInfo(Preset::Tent).name;
    QString reason;
    if (!files.snapshot.isEmpty() && !readSnapshot(files.snapshot, start, reason)) {
        std::fprintf(errors, "vezo-vizoziv: cannot open snapshot '%s': %s\n", files.snapshot.constData(), qPrintable(reason));
        return 1;
    }
    if (!files.landscape.isEmpty()) {
        if (!loadLandscape(files.landscape, start.landscape, reason, stop)) {
            std::fprintf(errors, "vezo-vizoziv: cannot read landscape '%s': %s\n", files.landscape.constData(),
                         qPrintable(reason));
            return 1;
        }
        start.name = QFileInfo(QFile::decodeName(files.landscape)).fileName().toStdString();
    }
    if (settings.generations > MostGenerations - start.generation) {
        std::fprintf(errors, "vezo-vizoziv: --generations %lld would take the run from generation %lld past %lld, "
                             "the most a run may reach\n",
                     settings.generations, start.generation, MostGenerations);
        return 1;
    }
    // The snapshot's place is tried before the run, so that a long run does not end in a refusal.
    SafeFile snapshotFile(files.saveSnapshot, SafeFile::RegularFiles);
    if (!files.saveSnapshot.isEmpty() && !snapshotFile.open()) {
        std::fprintf(errors, "vezo-vizoziv: cannot write snapshot '%s': %s\n", files.saveSnapshot.constData(),
                     qPrintable(snapshotFile.errorString()));
        return 1;
    }
    snapshotFile.cancel();
    SafeFile file(files.csv, SafeFile::RegularFilesAndStreams);
    if (!file.open()) {
        std::fprintf(errors, "vezo-vizoziv: cannot write '%s': %s\n", qPrintable(file.displayName()),
                     qPrintable(file.errorString()));
        return 1;
    }
    SafeFileSink sink(file);
    Run run = files.snapshot.isEmpty() ? Run(start.landscape, settings.parameters, settings.seed) : Run(start);
    run.setDiagnostics(errors);
    const bool recorded = record(run, settings, sink, stop);
    if (stopRequested(stop)) {
        const QString name = file.displayName();
        const bool stream = file.isStream();
        file.cancel();
        std::fprintf(errors, "vezo-vizoziv: interrupted; %s\n",
                     qPrintable(stream ? QString("'%1' holds whole rows up to there").arg(name)
                                       : QString("'%1' is as it was").arg(name)));
        return 1;
    }
    if (!recorded || !file.commit()) {
        std::fprintf(errors, "vezo-vizoziv: cannot write '%s': %s\n", qPrintable(file.displayName()),
                     qPrintable(file.errorString()));
        return 1;
    }
    if (files.saveSnapshot.isEmpty())
        return 0;
    RunState end = run.state();
    end.name = start.name;
    end.pace = start.pace;
    if (!writeSnapshot(files.saveSnapshot, end, reason)) {
        std::fprintf(errors, "vezo-vizoziv: cannot write snapshot '%s': %s\n", files.saveSnapshot.constData(),
                     qPrintable(reason));
        return 1;
    }
    return 0;
}
