// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "experiment.h"
#include "recordcommand.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// What the command line asks for, decided from the raw arguments before any
// application object exists, so that a run without a window never needs a display
// and every mistake gets one line, display or not. File names keep their bytes.
class CommandLine
{
    // The messages' context, shared with main.cpp's.
    Q_DECLARE_TR_FUNCTIONS(main)

public:
    enum Mode { Window, Headless, Experiment, Help, Version };

    // False with a one-line message in error.
    bool parse(int argc, char **argv, QString &error);
    static QString helpText();

    Mode mode = Window;
    bool observe = false;
    QByteArray openSnapshot;        // a snapshot to open in the window
    RecorderSettings recorder;
    RecordingFiles files;           // with --experiment, the landscape and the rows
    ExperimentPlan plan;            // its landscape still to be read
    int threads = 0;                // 0: one per core
    QByteArray summary;

private:
    bool setValue(const char *name, const QByteArray &value, QString &error);
};

#endif
