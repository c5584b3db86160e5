#include "genomes.h"
#include "lcdrange.h"
#include "mainwindow.h"

#include <QtTest>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUpLandscapeIsTheTent();
    void startUpGenomesComeFromTheSeed();
    void startUpParametersComeFromTheControls();
    void settersClamp_data();
    void settersClamp();
    void setterSignalsOnlyOnChange();
    void newGenesContinueTheSequence();
};

namespace {
using Setter = void (MainWindow::*)(int);
using Getter = int (MainWindow::*)() const;
}
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Getter)

void tst_MainWindow::startUpLandscapeIsTheTent()
{
    MainWindow window;
    const int *landscape = window.environment();
    QCOMPARE(landscape[0], 0);
    QCOMPARE(landscape[255], 127);
    QCOMPARE(landscape[256], 128);
    QCOMPARE(landscape[257], 128);
    QCOMPARE(landscape[258], 127);
    QCOMPARE(landscape[511], 1);
    QCOMPARE(std::accumulate(landscape, landscape + 512, 0), 32768);
    QVERIFY(std::equal(landscape, landscape + 512, window.referenceEnvironment()));
}

void tst_MainWindow::startUpGenomesComeFromTheSeed()
{
    const QList<int> expected = {42, 2, 22, 76, 220, 471, 54, 394, 240, 222};
    MainWindow first;
    QCOMPARE(genomeValues(first.community()), expected);
    const int member0[9] = {0, 1, 0, 1, 0, 1, 0, 0, 0};
    QVERIFY(std::equal(member0, member0 + 9, first.community()[0]));

    rand();
    MainWindow second;
    QCOMPARE(genomeValues(second.community()), expected);
}

void tst_MainWindow::startUpParametersComeFromTheControls()
{
    MainWindow window;
    QCOMPARE(window.fitnessMultiplier(), 20);
    QCOMPARE(window.mutationProbability(), 25);
    QCOMPARE(window.mutationBias(), 1);
    QCOMPARE(window.generationCount(), 0);
}

void tst_MainWindow::settersClamp_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<Getter>("getter");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("stored");

    const Setter fitness = &MainWindow::setFitness;
    const Setter muteProb = &MainWindow::setMuteProb;
    const Setter muteBias = &MainWindow::setMuteBias;
    const Getter currentFitness = &MainWindow::fitnessMultiplier;
    const Getter currentProb = &MainWindow::mutationProbability;
    const Getter currentBias = &MainWindow::mutationBias;
    QTest::newRow("fitness 0 -> 1") << fitness << currentFitness << 0 << 1;
    QTest::newRow("fitness 1 -> 1") << fitness << currentFitness << 1 << 1;
    QTest::newRow("fitness 57 kept") << fitness << currentFitness << 57 << 57;
    QTest::newRow("fitness 100 -> 99") << fitness << currentFitness << 100 << 99;
    QTest::newRow("fitness 150 -> 99") << fitness << currentFitness << 150 << 99;
    QTest::newRow("prob -5 -> 0") << muteProb << currentProb << -5 << 0;
    QTest::newRow("prob 99 kept") << muteProb << currentProb << 99 << 99;
    QTest::newRow("prob 100 -> 99") << muteProb << currentProb << 100 << 99;
    QTest::newRow("bias -1 -> 0") << muteBias << currentBias << -1 << 0;
    QTest::newRow("bias 11 -> 10") << muteBias << currentBias << 11 << 10;
}

void tst_MainWindow::settersClamp()
{
    QFETCH(Setter, setter);
    QFETCH(Getter, getter);
    QFETCH(int, argument);
    QFETCH(int, stored);

    MainWindow window;
    (window.*setter)(argument);
    QCOMPARE((window.*getter)(), stored);
}

void tst_MainWindow::setterSignalsOnlyOnChange()
{
    MainWindow window;
    QSignalSpy fitness(&window, &MainWindow::FitnessChanged);
    QSignalSpy amplitude(&window, &MainWindow::AmplitudeChanged);

    window.setFitness(20);
    QCOMPARE(fitness.count(), 0);
    window.setFitness(150);
    window.setFitness(150);
    window.setFitness(99);
    QCOMPARE(fitness.count(), 1);
    QCOMPARE(fitness.at(0).at(0).toInt(), 99);

    window.setAmplitude(0);
    window.setAmplitude(-7);
    QCOMPARE(amplitude.count(), 1);
    QCOMPARE(amplitude.at(0).at(0).toInt(), 1);

    // The control at 100 stays there when the stored 99 does not change.
    LCDRange *fitnessBOX = window.findChildren<LCDRange *>().at(0);
    fitnessBOX->setValue(100);
    QCOMPARE(fitnessBOX->value(), 100);
    QCOMPARE(window.fitnessMultiplier(), 99);
    QCOMPARE(fitness.count(), 1);
}

void tst_MainWindow::newGenesContinueTheSequence()
{
    MainWindow window;
    QSignalSpy genomeUpdate(&window, &MainWindow::signal_GenomeUpdate);
    window.slot_NewGenes();
    QCOMPARE(genomeValues(window.community()),
             QList<int>({130, 247, 58, 367, 43, 391, 427, 291, 365, 121}));
    QCOMPARE(genomeUpdate.count(), 1);
    QCOMPARE(window.generationCount(), 0);
    QVERIFY(std::equal(window.environment(), window.environment() + 512, window.referenceEnvironment()));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
