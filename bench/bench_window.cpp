// SPDX-License-Identifier: GPL-3.0-or-later
// Generations and paints per second of the real window while it runs, for a few
// seconds. Offscreen unless QT_QPA_PLATFORM says otherwise (xcb under Xvfb, say).
// Usage: bench_window [seconds] [described|paced|observed|generation|schemata]
//   described:  the view repaints after every generation, as without a pacer
//   paced:      the window paints once per display frame (the program's default)
//   observed:   paced, with the observatory open beside it
//   generation: observed, with the observatory's "Generation" tab shown
//   schemata:   observed, with the "Schemata" tab shown, following two schemata
// In every mode "Run" goes as fast as possible, the observatory's fastest pace.
#include "framepacer.h"
#include "landscapearea.h"
#include "mainwindow.h"
#include "observatory.h"
#include "paintcounter.h"
#include "schemataview.h"
#include "widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the observatory's settings, not the user's
    const double seconds = argc > 1 ? atof(argv[1]) : 5.0;
    const char *mode = argc > 2 ? argv[2] : "described";
    const bool generation = strcmp(mode, "generation") == 0;
    const bool schemata = strcmp(mode, "schemata") == 0;
    const bool observed = generation || schemata || strcmp(mode, "observed") == 0;
    const bool paced = observed || strcmp(mode, "paced") == 0;

    MainWindow window;
    window.setGeometry(50, 0, 800, 600);
    if (paced)
        new FramePacer(&window);
    Observatory observatory(&window);
    observatory.setPace(0);
    window.show();
    if (observed)
        observatory.showBeside();
    if (generation || schemata)
        observatory.lowerTabs()->setCurrentIndex(generation ? 1 : 2);
    if (schemata) {
        observatory.findChild<SchemataView *>()->track("1********");
        observatory.findChild<SchemataView *>()->track("*******1*");
    }
    QApplication::processEvents();
    PaintCounter counter;
    window.findChild<LandscapeArea *>()->installEventFilter(&counter);
    PaintCounter observatoryCounter;
    for (QWidget *chart : observatory.findChildren<QWidget *>())
        chart->installEventFilter(&observatoryCounter);

    QPushButton *stop = button(window, "Stop");

    QElapsedTimer clock;
    clock.start();
    button(window, "Run")->click();
    QTimer::singleShot(int(seconds * 1000), stop, [&] {
        stop->click();
        const double elapsed = clock.nsecsElapsed() / 1e9;
        printf("%s, %.1f s: %lld generations (%.0f per second), %ld view paints (%.0f per second)",
               mode, elapsed, static_cast<long long>(window.generationCount()),
               window.generationCount() / elapsed, counter.paints, counter.paints / elapsed);
        if (observed)
            printf(", %ld observatory widget paints (%.0f per second)", observatoryCounter.paints,
                   observatoryCounter.paints / elapsed);
        rusage usage;
        getrusage(RUSAGE_SELF, &usage);
        printf(", peak memory %ld kB\n", usage.ru_maxrss);
        app.quit();
    });
    return app.exec();
}
