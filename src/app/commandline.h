// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "recording.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

QT_BEGIN_NAMESPACE
class QCoreApplication;
QT_END_NAMESPACE

// The program's options: the window by default, the observatory with it, or a run
// without any display that writes CSV.
class CommandLine
{
public:
    CommandLine();

    // Whether the arguments ask for a window; false for help, version, the recorder,
    // arguments it will refuse, and arguments that cannot be parsed where no display is set.
    bool wantsWindow(const QStringList &arguments);
    // Qt's handling: help and version print and exit, an unknown option prints Qt's
    // message and exits with 1, and so does a stray argument.
    void process(const QCoreApplication &application);

    bool observe() const;
    bool headless() const;
    // The recorder's settings; false with a one-line message when a value is bad
    // or a recorder option comes without --headless.
    bool recorderSettings(RecorderSettings &settings, RecordingFiles &files, QString &error) const;

private:
    bool number(const QCommandLineOption &option, long long low, long long high, long long &value,
                QString &error) const;

    QCommandLineParser parser;
    QCommandLineOption observeOption;
    QCommandLineOption headlessOption;
    QCommandLineOption generationsOption;
    QCommandLineOption everyOption;
    QCommandLineOption landscapeOption;
    QCommandLineOption fitnessOption;
    QCommandLineOption mutationOption;
    QCommandLineOption biasOption;
    QCommandLineOption seedOption;
    QCommandLineOption csvOption;
};

#endif
