// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "framepacer.h"
#include "mainwindow.h"
#include "observatory.h"
#include "recording.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace {
int refuse(const QString &error)
{
    std::fprintf(stderr, "vezo-vizoziv: %s\n", qPrintable(error));
    return 1;
}
}

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName("vezo-vizoziv");
    QCoreApplication::setApplicationVersion(VEZO_VERSION);
    CommandLine commandLine;
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    RecorderSettings settings;
    RecordingFiles files;
    QString error;

    if (!commandLine.wantsWindow(arguments)) {
        QCoreApplication application(argc, argv);
        commandLine.process(application);
        if (!commandLine.recorderSettings(settings, files, error))
            return refuse(error);
        return recordToFile(settings, files, stderr);
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName("vezo-vizoziv");
    QApplication::setWindowIcon(QIcon(":/vezo-vizoziv.png"));
    commandLine.process(application);
    if (!commandLine.recorderSettings(settings, files, error))
        return refuse(error);
    MainWindow window;
    window.setGeometry(50, 0, 800, 600);
    new FramePacer(&window);
    Observatory observatory(&window);
    window.show();
    if (commandLine.observe())
        observatory.showBeside();
    return application.exec();
}
