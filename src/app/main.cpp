// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "experimentcommand.h"
#include "framepacer.h"
#include "landscapefile.h"
#include "languages.h"
#include "mainwindow.h"
#include "observatory.h"
#include "recordcommand.h"
#include "windowplacement.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <csignal>
#include <functional>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
StopRequest interruption;

void interrupt(int signal)
{
    interruption.request(signal);
}

void say(const QString &message)
{
    std::fprintf(stderr, "vezo-vizoziv: %s\n", qPrintable(message));
}

int refuse(const QString &error)
{
    say(error);
    return 1;
}

// A closed standard descriptor would be taken by the next file opened, and output
// meant for it would land there: each closed one is opened on /dev/null. Returns
// whether standard output was closed.
bool openClosedStandardDescriptors()
{
    bool outputClosed = false;
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1)
            continue;
        outputClosed |= descriptor == STDOUT_FILENO;
        const int opened = open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != descriptor) {
            dup2(opened, descriptor);
            close(opened);
        }
    }
    return outputClosed;
}

// Interrupted, a run stops at a whole row; the signal then ends the process as it
// would have. A signal ignored from the start, as under nohup, stays ignored.
int catchingInterrupts(const std::function<int()> &work)
{
    struct sigaction catching = {};
    catching.sa_handler = interrupt;
    sigemptyset(&catching.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction before;
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(signal, &catching, nullptr);
    }
    const int status = work();
    if (interruption.requested()) {
        std::signal(interruption.reason(), SIG_DFL);
        std::raise(interruption.reason());
    }
    return status;
}

int experiment(CommandLine &commandLine)
{
    return catchingInterrupts([&] {
        QString reason;
        ExperimentPlan &plan = commandLine.plan;
        if (!commandLine.files.landscape.isEmpty()
            && !loadLandscape(commandLine.files.landscape, plan.landscape, reason, &interruption))
            return refuse(QCoreApplication::translate("main", "cannot read landscape '%1': %2")
                              .arg(QFile::decodeName(commandLine.files.landscape), reason));
        if (plan.target && *plan.target > highestValue(plan.landscape))
            say(QCoreApplication::translate("main", "warning: --target %1 is above the landscape's highest value %2; "
                                                       "no run can hit it")
                       .arg(*plan.target)
                       .arg(highestValue(plan.landscape)));
        return runExperimentCommand(plan, commandLine.threads, commandLine.files.csv, commandLine.summary, &interruption);
    });
}

// What needs no window: the command line's mistakes, --help, --version, the
// recorder and experiments. -1 when the window is asked for.
int withoutWindow(int argc, char **argv, CommandLine &commandLine, bool outputClosed)
{
    QString error;
    if (!commandLine.parse(argc, argv, error))
        return refuse(error);
    const bool writesToOutput = commandLine.mode == CommandLine::Help || commandLine.mode == CommandLine::Version
                                || (commandLine.mode == CommandLine::Headless && commandLine.files.csv.isEmpty())
                                || (commandLine.mode == CommandLine::Experiment && commandLine.files.csv.isEmpty());
    if (outputClosed && writesToOutput)
        return refuse(QCoreApplication::translate("main", "standard output is closed"));

    switch (commandLine.mode) {
    case CommandLine::Help:
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    case CommandLine::Version:
        std::printf("vezo-vizoziv %s\n", VEZO_VERSION);
        return 0;
    case CommandLine::Headless:
        return catchingInterrupts([&] { return recordToFile(commandLine.recorder, commandLine.files, stderr, &interruption); });
    case CommandLine::Experiment:
        return experiment(commandLine);
    case CommandLine::Window:
        break;
    }
    return -1;
}
}

int main(int argc, char **argv)
{
    const bool outputClosed = openClosedStandardDescriptors();
    QCoreApplication::setApplicationName("vezo-vizoziv");
    QCoreApplication::setApplicationVersion(VEZO_VERSION);
    CommandLine commandLine;
    {
        // Under an application that needs no display, so that the messages, --help
        // and the runs without a window are in the user's language too; Qt's
        // options are left for the window's application.
        int noArguments = 1;
        QCoreApplication core(noArguments, argv);
        const Languages languages;
        const int status = withoutWindow(argc, argv, commandLine, outputClosed);
        if (status >= 0)
            return status;
    }

    QApplication application(argc, argv);
    const Languages languages;
    QGuiApplication::setDesktopFileName("vezo-vizoziv");
    QApplication::setWindowIcon(QIcon(":/vezo-vizoziv.png"));
    MainWindow window;
    window.setGeometry(50, 0, 800, 600);
    // The title bar at the screen's top, not above it.
    (new WindowPlacement(&window))->placeFrame(QPoint(50, 0));
    new FramePacer(&window);
    // Closing the main window ends the program; the observatory only hides.
    Observatory observatory(&window);
    observatory.setAttribute(Qt::WA_QuitOnClose, false);
    window.show();
    // A lesson's panel is there before the observatory is placed.
    QString snapshotError;
    const bool opened = commandLine.openSnapshot.isEmpty() || observatory.openSnapshot(commandLine.openSnapshot, snapshotError);
    window.focusRun();
    if (commandLine.observe || !commandLine.openSnapshot.isEmpty())
        observatory.showBeside();
    if (!opened) {
        const QString message = QCoreApplication::translate("main", "cannot open snapshot '%1': %2")
                                    .arg(QFile::decodeName(commandLine.openSnapshot), snapshotError);
        say(message);
        QTimer::singleShot(0, &observatory, [&observatory, message] {
            QMessageBox::warning(&observatory, observatory.windowTitle(), message);
        });
    }
    return application.exec();
}
