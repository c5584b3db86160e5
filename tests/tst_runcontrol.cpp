// SPDX-License-Identifier: GPL-3.0-or-later
#include "genomes.h"
#include "mainwindow.h"
#include "widgets.h"

#include <QLCDNumber>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

class tst_RunControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsInTheStoppedState();
    void runAndStopSwitchTheWidgets();
    void stepWhileStoppedComputesOneGeneration();
    void stepWhileRunningAddsAGeneration();
    void runStateStartsTheTimerForAnyCountButOne_data();
    void runStateStartsTheTimerForAnyCountButOne();
    void generationsNeverReset();
    void slidersChangeTheNextGeneration();
    void displayTurnsOverLikeAnOdometer_data();
    void displayTurnsOverLikeAnOdometer();
};

namespace {
QLCDNumber *generationDisplay(const MainWindow &window)
{
    for (QLCDNumber *lcd : window.findChildren<QLCDNumber *>()) {
        if (lcd->digitCount() == 8)
            return lcd;
    }
    return nullptr;
}

QTimer *runTimer(const MainWindow &window)
{
    return window.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
}

// The widgets that follow the run state, enabled or not.
QList<bool> runStateWidgets(const MainWindow &window)
{
    QList<bool> enabled;
    for (const char *caption : {"Run", "Load File:", "New Genes", "Stop"})
        enabled << button(window, caption)->isEnabled();
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text().startsWith("Parameter "))
            enabled << label->isEnabled();
    }
    for (QSpinBox *spinBox : window.findChildren<QSpinBox *>())
        enabled << spinBox->isEnabled();
    return enabled;
}

const QList<bool> stopped = {true, true, true, false, true, true, true, true, true, true, true, true};
const QList<bool> running = {false, false, false, true, false, false, false, false, false, false, false, false};

// Widgets that stay enabled in both states.
bool alwaysEnabledAreEnabled(const MainWindow &window)
{
    for (const char *caption : {"Step", "Reload", "Clear History", "shift Left", "shift Right", "shift Up",
                                "shift Down", "&Quit"}) {
        if (!button(window, caption)->isEnabled())
            return false;
    }
    for (const char *caption : {"Fitness Multiplier", "% Prob(Mutation)", "Mutation Bias"}) {
        if (!control(window, caption)->isEnabled())
            return false;
    }
    return true;
}
}

// The process's first "Run" or "Step" sends extra signals and re-seeds (tst_firstgeneration
// pins both); spend it here so that every test sees a later one.
void tst_RunControl::initTestCase()
{
    MainWindow window;
    button(window, "Step")->click();
}

void tst_RunControl::startsInTheStoppedState()
{
    MainWindow window;
    QCOMPARE(runStateWidgets(window), stopped);
    QVERIFY(alwaysEnabledAreEnabled(window));
    QVERIFY(!runTimer(window)->isActive());
    QCOMPARE(runTimer(window)->interval(), 0);
    QCOMPARE(generationDisplay(window)->intValue(), 0);
}

void tst_RunControl::runAndStopSwitchTheWidgets()
{
    MainWindow window;
    QSignalSpy runPreState(&window, &MainWindow::signal_RunPreState);
    QTest::mouseClick(button(window, "Run"), Qt::LeftButton);
    QCOMPARE(runStateWidgets(window), running);
    QVERIFY(alwaysEnabledAreEnabled(window));
    QVERIFY(runTimer(window)->isActive());
    QCOMPARE(runPreState.count(), 1);
    QCOMPARE(runPreState.at(0).at(0).toInt(), 10);

    QTRY_VERIFY(window.generationCount() >= 3);
    QTest::mouseClick(button(window, "Stop"), Qt::LeftButton);
    QCOMPARE(runStateWidgets(window), stopped);
    QVERIFY(!runTimer(window)->isActive());
}

void tst_RunControl::stepWhileStoppedComputesOneGeneration()
{
    MainWindow window;
    QSignalSpy members(&window, &MainWindow::signal_MMRsUpdate);
    QTest::mouseClick(button(window, "Step"), Qt::LeftButton);
    QCOMPARE(window.generationCount(), 1);
    QCOMPARE(generationDisplay(window)->intValue(), 1);
    QCOMPARE(members.count(), 1);
    QCOMPARE(runStateWidgets(window), stopped);
    QVERIFY(!runTimer(window)->isActive());
}

void tst_RunControl::stepWhileRunningAddsAGeneration()
{
    MainWindow window;
    button(window, "Run")->click();
    QCOMPARE(window.generationCount(), 0);
    button(window, "Step")->click();
    QCOMPARE(window.generationCount(), 1);
    QVERIFY(runTimer(window)->isActive());
    QCOMPARE(runStateWidgets(window), running);
    QTRY_VERIFY(window.generationCount() > 1);
    button(window, "Stop")->click();
}

void tst_RunControl::runStateStartsTheTimerForAnyCountButOne_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("timer");
    QTest::addColumn<int>("generations");
    QTest::newRow("0") << 0 << true << 0;
    QTest::newRow("1") << 1 << false << 1;
    QTest::newRow("2") << 2 << true << 0;
    QTest::newRow("10") << 10 << true << 0;
}

void tst_RunControl::runStateStartsTheTimerForAnyCountButOne()
{
    QFETCH(int, steps);
    QFETCH(bool, timer);
    QFETCH(int, generations);
    MainWindow window;
    window.slot_RunState(steps);
    QCOMPARE(runTimer(window)->isActive(), timer);
    QCOMPARE(window.generationCount(), generations);
}

void tst_RunControl::generationsNeverReset()
{
    MainWindow window;
    button(window, "Run")->click();
    QTRY_VERIFY(window.generationCount() >= 20);
    button(window, "Stop")->click();
    const int atStop = window.generationCount();
    QTest::qWait(20);
    QCOMPARE(window.generationCount(), atStop);

    for (const char *caption : {"New Genes", "shift Up", "shift Left", "Reload", "Load File:"})
        button(window, caption)->click();
    QCOMPARE(window.generationCount(), atStop);
    QCOMPARE(generationDisplay(window)->intValue(), atStop);

    button(window, "Run")->click();
    QTRY_VERIFY(window.generationCount() > atStop + 5);
    button(window, "Stop")->click();
}

// Two windows from the same seed step once, one at probability 0, one at 99: the
// same crossover, and at 99 every child carries one flipped bit more.
void tst_RunControl::slidersChangeTheNextGeneration()
{
    QList<int> crossed;
    {
        MainWindow window;
        control(window, "% Prob(Mutation)")->setValue(0);
        button(window, "Step")->click();
        crossed = genomeValues(window.community());
    }
    MainWindow window;
    button(window, "Run")->click();
    control(window, "% Prob(Mutation)")->setValue(99);
    QCOMPARE(window.mutationProbability(), 99);
    button(window, "Step")->click();
    const QList<int> mutated = genomeValues(window.community());
    button(window, "Stop")->click();
    for (int m = 0; m < 10; ++m) {
        const int changed = crossed.at(m) ^ mutated.at(m);
        QVERIFY(changed != 0 && (changed & (changed - 1)) == 0);
    }
}

void tst_RunControl::displayTurnsOverLikeAnOdometer_data()
{
    QTest::addColumn<qint64>("generations");
    QTest::addColumn<int>("shown");
    QTest::newRow("last eight-digit count") << qint64(99999999) << 99999999;
    QTest::newRow("turns over") << qint64(100000000) << 0;
    QTest::newRow("past int") << (qint64(1) << 31) << 47483648;
    QTest::newRow("far past int") << (qint64(1) << 40) << 11627776;
}

void tst_RunControl::displayTurnsOverLikeAnOdometer()
{
    QFETCH(qint64, generations);
    QFETCH(int, shown);
    QCOMPARE(generationDisplayValue(generations), shown);
    MainWindow window;
    QVERIFY(!generationDisplay(window)->checkOverflow(shown));
}

QTEST_MAIN(tst_RunControl)
#include "tst_runcontrol.moc"
