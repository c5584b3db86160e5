// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real window offscreen for a long, bounded run: "Run", and while it runs
// random slider moves, shifts, reloads and steps; now and then "Stop", a load of one
// of the five landscapes or of a hostile file, "New Genes" and "Run" again. Ends by
// itself after the given number of generations and reports peak memory early and
// at the end. Built with the sanitizers, any report ends the run with an error.
// Usage: soak [generations] [landscapes folder]
#include "lcdrange.h"
#include "mainwindow.h"
#include "widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
long peakKilobytes()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The soak's own generator, apart from the program's rand() sequence.
unsigned next(unsigned &state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long target = argc > 1 ? atol(argv[1]) : 1000000;
    const QString landscapes = QDir(argc > 2 ? argv[2] : "landscapes").absolutePath();

    // Hostile files beside links to the five landscapes, all in one working folder.
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    mkfifo("fifo", 0600);
    QFile::link("/dev/zero", "zeros");
    QFile::link("/dev/urandom", "noise");
    {
        QFile huge("huge");
        huge.open(QIODevice::WriteOnly);
        huge.write(QByteArray(8 << 20, '9'));
        QFile extremes("extremes");
        extremes.open(QIODevice::WriteOnly);
        for (int i = 0; i < 512; ++i)
            extremes.write(i % 2 ? "2147483647 " : "-2147483648 ");
        QFile garbage("garbage");
        garbage.open(QIODevice::WriteOnly);
        garbage.write(QByteArray("\xff\x00 -+12 abc 99999999999999999999 \r\n\t", 34).repeated(1000));
        QFile sparse("sparse");
        sparse.open(QIODevice::WriteOnly);
        sparse.resize(1LL << 30);
    }
    const QStringList hostile = {"fifo", "zeros", "noise", "huge", "extremes", "garbage", "sparse", "", "..", "missing",
                                 folder.path() + "/extremes"};

    MainWindow window;
    window.setGeometry(50, 0, 800, 600);
    window.show();
    QComboBox *selector = window.findChild<QComboBox *>();
    QStringList shipped;
    for (int item = 0; item < selector->count(); ++item) {
        shipped << selector->itemText(item);
        QFile::link(landscapes + "/" + shipped.last(), shipped.last());
    }
    const QList<LCDRange *> sliders = window.findChildren<LCDRange *>();
    const QStringList edits = {"shift Left", "shift Right", "shift Up", "shift Down", "Reload", "Step", "Clear History"};

    unsigned state = 2026;
    long actions = 0;
    long earlyPeak = 0;
    QElapsedTimer clock;
    clock.start();

    QTimer actor;
    QObject::connect(&actor, &QTimer::timeout, [&] {
        if (earlyPeak == 0 && window.generationCount() >= target / 5)
            earlyPeak = peakKilobytes();
        if (window.generationCount() >= target) {
            button(window, "Stop")->click();
            app.quit();
            return;
        }
        ++actions;
        const unsigned choice = next(state) % 100;
        if (choice < 40) {
            LCDRange *slider = sliders.at(next(state) % sliders.count());
            slider->setValue(int(next(state) % 120) - 10);
        } else if (choice < 97) {
            button(window, edits.at(next(state) % edits.count()))->click();
        } else {
            button(window, "Stop")->click();
            const QStringList &names = next(state) % 2 ? shipped : hostile;
            selector->setEditText(names.at(next(state) % names.count()));
            button(window, "Load File:")->click();
            if (next(state) % 4 == 0)
                button(window, "New Genes")->click();
            button(window, "Run")->click();
        }
    });
    actor.start(1);
    button(window, "Run")->click();
    app.exec();

    const long endPeak = peakKilobytes();
    printf("generations %lld, actions %ld, %.0f s\n", static_cast<long long>(window.generationCount()), actions, clock.elapsed() / 1000.0);
    printf("peak memory: %ld kB after %ld generations, %ld kB at the end\n", earlyPeak, target / 5, endPeak);
    printf("sanitizer reports: none (any report ends the run before this line)\n");
    // Allow for allocator noise; growth with the run would be far beyond this.
    return endPeak - earlyPeak > 8 * 1024 ? 1 : 0;
}
