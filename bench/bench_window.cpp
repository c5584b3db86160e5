// Generations and paints per second of the real window while it runs, offscreen,
// with the view repainting after every generation. Usage: bench_window [seconds]
#include "landscapearea.h"
#include "mainwindow.h"
#include "paintcounter.h"
#include "widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? atof(argv[1]) : 5.0;

    MainWindow window;
    window.setGeometry(50, 0, 800, 600);
    window.show();
    QApplication::processEvents();
    PaintCounter counter;
    window.findChild<LandscapeArea *>()->installEventFilter(&counter);

    QPushButton *stop = button(window, "Stop");

    QElapsedTimer clock;
    clock.start();
    button(window, "Run")->click();
    QTimer::singleShot(int(seconds * 1000), stop, [&] {
        stop->click();
        const double elapsed = clock.nsecsElapsed() / 1e9;
        printf("%.1f s: %lld generations (%.0f per second), %ld paints (%.0f per second)\n", elapsed,
               static_cast<long long>(window.generationCount()), window.generationCount() / elapsed, counter.paints,
               counter.paints / elapsed);
        app.quit();
    });
    return app.exec();
}
