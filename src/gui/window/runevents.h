// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNEVENTS_H
#define RUNEVENTS_H

#include "generationstep.h"
#include "parameters.h"

#include <QObject>
#include <QString>

// What happens to the main window's run, announced by the main window at the place
// that makes it happen, so that other windows are told rather than left to guess.
class RunEvents : public QObject
{
    Q_OBJECT

public:
    // What changed the landscape.
    enum LandscapeChange {
        ShiftedLeft, ShiftedRight, Raised, Lowered, Reloaded, Loaded, Preset, Stroke, Undone, Redone, Snapshot
    };
    Q_ENUM(LandscapeChange)
    // What replaced the genomes.
    enum GenomesChange { NewGenes, Restart, SnapshotGenomes };
    Q_ENUM(GenomesChange)

    explicit RunEvents(QObject *parent) : QObject(parent) {}

    bool isRunning() const { return running; }
    void setRunning(bool running);

signals:
    // A generation was stepped; trace holds what it drew.
    void generationStepped(const GenerationTrace &trace);
    void runningChanged(bool running);
    void parameterChanged(const Parameter *parameter, int value);
    // The landscape was set; name is the change's own (a file's, a preset's, a
    // snapshot's), empty where the change has none.
    void landscapeChanged(RunEvents::LandscapeChange change, const QString &name);
    // A repeating shift button went down and up: the shifts between belong together.
    void holdStarted();
    void holdEnded();
    void genomesReplaced(RunEvents::GenomesChange change);
    // "Load File:" failed and changed nothing; message names the file and why.
    void loadFailed(const QString &message);

private:
    bool running = false;
};

#endif
