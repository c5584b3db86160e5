// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAM_H
#define PROGRAM_H

#include <QProcess>

// Starts the built program with no display in its environment, plus the given variables.
inline QProcess *startProgram(const QStringList &arguments, const QStringList &variables = {})
{
    QProcess *process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    for (const QString &variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process->setProcessEnvironment(environment);
    process->start(VEZO_PROGRAM, arguments);
    return process;
}

// Runs it to its end.
inline QProcess *program(const QStringList &arguments, const QStringList &variables = {})
{
    QProcess *process = startProgram(arguments, variables);
    process->waitForFinished();
    return process;
}

// Runs a shell command in which "$0" is the program: for bytes that are not text and
// for descriptors set up by the shell.
inline QProcess *shell(const QString &command)
{
    QProcess *process = new QProcess;
    process->start("/bin/sh", {"-c", command, VEZO_PROGRAM});
    process->waitForFinished();
    return process;
}

#endif
