// SPDX-License-Identifier: GPL-3.0-or-later
#include "genomes.h"
#include "mainwindow.h"
#include "widgets.h"

#include <QtTest>

#include <cstdlib>

// What happens once per process: the first "Run" or "Step" sends the three update
// signals, and the first generation re-seeds the generator. One test function, so
// that nothing else can have spent either before it.
class tst_FirstGeneration : public QObject
{
    Q_OBJECT

private slots:
    void firstStepSignalsThenComputesTheReferenceRun();
};

void tst_FirstGeneration::firstStepSignalsThenComputesTheReferenceRun()
{
    MainWindow window;
    QStringList order;
    connect(&window, &MainWindow::signal_LandscapeUpdate, [&] { order << "landscape"; });
    connect(&window, &MainWindow::signal_EnvironmentUpdate, [&] { order << "environment"; });
    connect(&window, &MainWindow::signal_MMRsUpdate, [&] { order << QString("members at %1").arg(window.generationCount()); });

    // Numbers drawn after start-up do not change the first generation: it starts from the seed.
    for (int draw = 0; draw < 7; ++draw)
        rand();
    button(window, "Step")->click();
    QCOMPARE(order, QStringList({"landscape", "environment", "members at 0", "members at 1"}));
    QCOMPARE(genomeValues(window.community()), QList<int>({222, 394, 220, 220, 204, 112, 220, 242, 242, 220}));

    order.clear();
    button(window, "Step")->click();
    QCOMPARE(order, QStringList({"members at 2"}));
    QCOMPARE(genomeValues(window.community()), QList<int>({204, 220, 242, 242, 244, 202, 220, 242, 220, 220}));

    MainWindow another;
    QSignalSpy landscape(&another, &MainWindow::signal_LandscapeUpdate);
    button(another, "Run")->click();
    button(another, "Step")->click();
    button(another, "Stop")->click();
    QCOMPARE(landscape.count(), 0);
}

QTEST_MAIN(tst_FirstGeneration)
#include "tst_firstgeneration.moc"
