// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAM_H
#define PROGRAM_H

#include <QProcess>

// Runs the built program to its end with no display in its environment.
inline QProcess *program(const QStringList &arguments)
{
    QProcess *process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    process->setProcessEnvironment(environment);
    process->start(VEZO_PROGRAM, arguments);
    process->waitForFinished();
    return process;
}

#endif
