// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordcommand.h"
#include "landscapefile.h"
#include "landscapepresets.h"
#include "run.h"
#include "safefile.h"
#include "snapshot.h"
#include "startstate.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
// One line on errors, in the user's language.
void say(std::FILE *errors, const QString &message)
{
    std::fprintf(errors, "vezo-vizoziv: %s\n", qPrintable(message));
}
}

int recordToFile(const RecorderSettings &settings, const RecordingFiles &files, std::FILE *errors,
                 const StopRequest *stop)
{
    RunState start;
    fillStartLandscape(start.landscape);
    std::copy(start.landscape, start.landscape + LandscapeSize, start.reference);
    start.name = presetInfo(Preset::Tent).name;
    Lesson lesson; // goes on with the run, so that a saved snapshot keeps it
    QString reason;
    if (!files.snapshot.isEmpty() && !readSnapshot(files.snapshot, start, lesson, reason)) {
        say(errors, QCoreApplication::translate("main", "cannot open snapshot '%1': %2")
                        .arg(QFile::decodeName(files.snapshot), reason));
        return 1;
    }
    if (!files.landscape.isEmpty()) {
        if (!loadLandscape(files.landscape, start.landscape, reason, stop)) {
            say(errors, QCoreApplication::translate("main", "cannot read landscape '%1': %2")
                            .arg(QFile::decodeName(files.landscape), reason));
            return 1;
        }
        start.name = QFileInfo(QFile::decodeName(files.landscape)).fileName().toStdString();
    }
    if (settings.generations > MostGenerations - start.generation) {
        say(errors, QCoreApplication::translate("main", "--generations %1 would take the run from generation %2 past %3, "
                                                        "the most a run may reach")
                        .arg(settings.generations)
                        .arg(start.generation)
                        .arg(MostGenerations));
        return 1;
    }
    // The snapshot's place is tried before the run, so that a long run does not end in a refusal.
    SafeFile snapshotFile(files.saveSnapshot, SafeFile::RegularFiles);
    if (!files.saveSnapshot.isEmpty() && !snapshotFile.open()) {
        say(errors, QCoreApplication::translate("main", "cannot write snapshot '%1': %2")
                        .arg(QFile::decodeName(files.saveSnapshot), snapshotFile.errorString()));
        return 1;
    }
    snapshotFile.cancel();
    SafeFile file(files.csv, SafeFile::RegularFilesAndStreams);
    if (!file.open()) {
        say(errors, QCoreApplication::translate("main", "cannot write '%1': %2").arg(file.displayName(), file.errorString()));
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
        say(errors, stream ? QCoreApplication::translate("main", "interrupted; '%1' holds whole rows up to there").arg(name)
                           : QCoreApplication::translate("main", "interrupted; '%1' is as it was").arg(name));
        return 1;
    }
    if (!recorded || !file.commit()) {
        say(errors, QCoreApplication::translate("main", "cannot write '%1': %2").arg(file.displayName(), file.errorString()));
        return 1;
    }
    if (files.saveSnapshot.isEmpty())
        return 0;
    RunState end = run.state();
    end.name = start.name;
    end.pace = start.pace;
    if (!writeSnapshot(files.saveSnapshot, end, reason, lesson)) {
        say(errors, QCoreApplication::translate("main", "cannot write snapshot '%1': %2")
                        .arg(QFile::decodeName(files.saveSnapshot), reason));
        return 1;
    }
    return 0;
}
