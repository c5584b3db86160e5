// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment.h"
#include "experimentresultsview.h"
#include "experimentwindow.h"
#include "zoomsteps.h"
#include "heatmapchart.h"
#include "startstate.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QtTest>

class tst_ExperimentWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void runsAndExportsTheCommandLinesRows();
    void doubleClickChoosesTheRun();
    void linesNameTheFixedSettingsAndTheMultipliersNote();
    void keysChooseAndWatchAHeatMapCell_data();
    void keysChooseAndWatchAHeatMapCell();
    void cancelKeepsTheResultsShown();
    void badValuesAreRefused();
    void cancelReturnsAtOnceAndTheWindowStaysUsable();
    void closingWhileRunningIsSafe_data();
    void closingWhileRunningIsSafe();
    void everyCommandHasItsKeysWhereverTheFocusIs_data();
    void everyCommandHasItsKeysWhereverTheFocusIs();
    void zoomStepsTheChartsFontsAndIsRemembered();
    void shortcutsWorkFromAListOfValues();

private:
    QAction *command(const QKeySequence &key) const;
    template <typename Widget>
    Widget *named(const QString &name) const;
    void plan(const QString &first, int second, const QString &secondValues, int seeds, int generations);

    int tent[LandscapeSize];
    ExperimentWindow *window = nullptr;
};

template <typename Widget>
Widget *tst_ExperimentWindow::named(const QString &name) const
{
    for (Widget *candidate : window->findChildren<Widget *>()) {
        if (candidate->accessibleName() == name)
            return candidate;
    }
    return nullptr;
}

// Bias varied over first, and parameter second - 1 over secondValues (0: none).
// The windows' settings, not the user's.
void tst_ExperimentWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ExperimentWindow::plan(const QString &first, int second, const QString &secondValues, int seeds,
                                int generations)
{
    named<QLineEdit>("Values of the parameter to vary")->setText(first);
    named<QComboBox>("Second parameter to vary")->setCurrentIndex(second);
    named<QLineEdit>("Values of the second parameter")->setText(secondValues);
    named<QSpinBox>("Number of seeds")->setValue(seeds);
    named<QSpinBox>("Generations per run")->setValue(generations);
}

void tst_ExperimentWindow::init()
{
    fillStartLandscape(tent);
    Settings settings;
    settings.mutation = 60;
    window = new ExperimentWindow(tent, "tent", settings);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void tst_ExperimentWindow::cleanup()
{
    delete window;
    window = nullptr;
}

// The action in a menu that the key triggers.
QAction *tst_ExperimentWindow::command(const QKeySequence &key) const
{
    for (QAction *menu : window->menuBar()->actions()) {
        for (QAction *action : menu->menu()->actions()) {
            if (action->shortcuts().contains(key))
                return action;
        }
    }
    return nullptr;
}

void tst_ExperimentWindow::runsAndExportsTheCommandLinesRows()
{
    plan("0,10", 0, QString(), 10, 50);
    QSignalSpy finished(window, &ExperimentWindow::finished);
    QVERIFY(window->start());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(window->runCount(), 20);
    QCOMPARE(named<QTableView>("Runs")->model()->rowCount(), 20);

    ExperimentPlan expected;
    expected.base.mutation = 60;
    std::string error;
    parseVariation("bias=0,10", expected.variations.emplace_back(), error);
    expected.seeds = 10;
    expected.generations = 50;
    QByteArray rows(RunCsvHeader);
    Experiment(expected).run(1, [&](const RunResult &run) {
        char row[RunCsvRowMaxLength];
        rows.append(row, writeRunRow(row, expected, run) - row);
        return true;
    });
    QTemporaryDir folder;
    QString reason;
    QVERIFY2(window->exportCsv(folder.filePath("runs.csv"), reason), qPrintable(reason));
    QFile file(folder.filePath("runs.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), rows);
    QVERIFY(!window->exportCsv("/dev/null", reason));
}

// The multiplier scales every share alike: varying it, the window says what to expect.
void tst_ExperimentWindow::linesNameTheFixedSettingsAndTheMultipliersNote()
{
    named<QComboBox>("Parameter to vary")->setCurrentIndex(0);
    plan("1,99", 0, QString(), 4, 20);
    QSignalSpy finished(window, &ExperimentWindow::finished);
    QVERIFY(window->start());
    QTRY_COMPARE(finished.count(), 1);
    const QString shown = window->findChild<ExperimentResultsView *>()->caption();
    QVERIFY2(shown.startsWith("tent · Fitness multiplier varied · Mutation probability 60, Mutation bias 1 · "
                              "seeds 1 to 4 · 20 generations"), qPrintable(shown));
    QVERIFY(shown.contains("not who is drawn how often"));
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel *label) { return label->text() == shown; }));
}

// A row of the table, and a cell of the heat map for its first run.
void tst_ExperimentWindow::doubleClickChoosesTheRun()
{
    plan("0,10", 2, "5,90", 3, 20);
    QSignalSpy finished(window, &ExperimentWindow::finished);
    QVERIFY(window->start());
    QTRY_COMPARE(finished.count(), 1);
    QSignalSpy chosen(window, &ExperimentWindow::runChosen);

    QTableView *table = named<QTableView>("Runs");
    const QModelIndex fifth = table->model()->index(4, 0);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(fifth).center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(fifth).center());
    HeatMapChart *heatMap = named<HeatMapChart>("Hit rate heat map");
    QTest::mouseDClick(heatMap, Qt::LeftButton, {}, heatMap->cellCentre(2).toPoint());
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(0).at(0).value<QList<int>>(), QList<int>(tent, tent + LandscapeSize));
    QCOMPARE(chosen.at(0).at(1).toString(), QString("tent"));
    const QList<int> expected = {2, 0, 90, 1, 10, 5}; // seed, bias, mutation of each
    for (int signal = 0; signal < 2; ++signal) {
        const Settings settings = chosen.at(signal).at(2).value<Settings>();
        QCOMPARE(chosen.at(signal).at(3).toUInt(), unsigned(expected.at(3 * signal)));
        QCOMPARE(settings.bias, expected.at(3 * signal + 1));
        QCOMPARE(settings.mutation, expected.at(3 * signal + 2));
        QCOMPARE(settings.fitness, Parameters::Fitness.start);
    }
}

void tst_ExperimentWindow::keysChooseAndWatchAHeatMapCell_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("combination");
    QTest::newRow("Enter on the first cell") << QList<int>{Qt::Key_Enter} << 0;
    QTest::newRow("right, Return") << QList<int>{Qt::Key_Right, Qt::Key_Return} << 1;
    QTest::newRow("down, right") << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Enter} << 3;
    QTest::newRow("the edges hold") << QList<int>{Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter} << 2;
}

// Enter on the chosen cell watches what a double-click on it does.
void tst_ExperimentWindow::keysChooseAndWatchAHeatMapCell()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, combination);
    plan("0,10", 2, "5,90", 3, 20);
    QSignalSpy finished(window, &ExperimentWindow::finished);
    QVERIFY(window->start());
    QTRY_COMPARE(finished.count(), 1);
    QSignalSpy chosen(window, &ExperimentWindow::runChosen);
    HeatMapChart *heatMap = named<HeatMapChart>("Hit rate heat map");
    heatMap->setFocus();
    for (int key : keys)
        QTest::keyClick(heatMap, Qt::Key(key));
    QCOMPARE(heatMap->chosenCombination(), combination);
    QCOMPARE(chosen.count(), 1);
    QTest::mouseDClick(heatMap, Qt::LeftButton, {}, heatMap->cellCentre(combination).toPoint());
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(0).at(3), chosen.at(1).at(3));
    QCOMPARE(chosen.at(0).at(2).value<Settings>().bias, chosen.at(1).at(2).value<Settings>().bias);
    QCOMPARE(chosen.at(0).at(2).value<Settings>().mutation, chosen.at(1).at(2).value<Settings>().mutation);
}

void tst_ExperimentWindow::cancelKeepsTheResultsShown()
{
    plan("1", 0, QString(), 4, 10);
    QSignalSpy finished(window, &ExperimentWindow::finished);
    QVERIFY(window->start());
    QTRY_COMPARE(finished.count(), 1);
    plan("0,10", 0, QString(), 100000, 1000000);
    QVERIFY(window->start());
    QVERIFY(window->isRunning());
    QVERIFY(!window->start());
    window->cancel();
    QVERIFY(!window->isRunning());
    QCOMPARE(window->runCount(), 4);
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
}

void tst_ExperimentWindow::badValuesAreRefused()
{
    plan("0,,10", 0, QString(), 3, 10);
    QVERIFY(!window->start());
    plan("0,10", 3, "1,2", 3, 10);   // bias twice
    QVERIFY(!window->start());
    QVERIFY(!window->isRunning());
    QCOMPARE(window->runCount(), 0);
    QVERIFY(window->minimumSizeHint().width() < 1100 && window->minimumSizeHint().height() < 600);
}

// Runs of a million generations each are under way; what ends them finishes on its own.
void tst_ExperimentWindow::cancelReturnsAtOnceAndTheWindowStaysUsable()
{
    plan("0,10", 0, QString(), 1000, 1000000);
    QVERIFY(window->start());
    QTest::qWait(50);
    QElapsedTimer clock;
    clock.start();
    window->cancel();
    QVERIFY2(clock.elapsed() < 50, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!window->isRunning());

    plan("1", 0, QString(), 3, 10);
    QSignalSpy finished(window, &ExperimentWindow::finished);
    QVERIFY(window->start());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(window->runCount(), 3);
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
}

void tst_ExperimentWindow::closingWhileRunningIsSafe_data()
{
    QTest::addColumn<bool>("deleted");
    QTest::newRow("closed") << false;
    QTest::newRow("deleted") << true;
}

// The sanitizers see whether the runs still under way touch the window.
void tst_ExperimentWindow::closingWhileRunningIsSafe()
{
    QFETCH(bool, deleted);
    plan("0,10", 2, "5,90", 1000, 1000000);
    QVERIFY(window->start());
    QTest::qWait(50);
    if (deleted) {
        delete window;
        window = nullptr;
    } else {
        QVERIFY(window->close());
        QVERIFY(!window->isRunning());
    }
    QTest::qWait(200);
}

void tst_ExperimentWindow::everyCommandHasItsKeysWhereverTheFocusIs_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("export CSV") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    QTest::newRow("save image") << QKeySequence(QKeySequence::Save);
    QTest::newRow("close") << QKeySequence(QKeySequence::Close);
    QTest::newRow("start") << QKeySequence(Qt::CTRL | Qt::Key_R);
    QTest::newRow("cancel") << QKeySequence(QKeySequence::Cancel);
    QTest::newRow("zoom in") << QKeySequence(QKeySequence::ZoomIn);
    QTest::newRow("zoom out") << QKeySequence(QKeySequence::ZoomOut);
    QTest::newRow("reset zoom") << QKeySequence(Qt::CTRL | Qt::Key_0);
    QTest::newRow("full screen") << QKeySequence(Qt::Key_F11);
    QTest::newRow("help") << QKeySequence(QKeySequence::HelpContents);
}

// Each menu command has a key, which no list of values or number field takes for itself.
void tst_ExperimentWindow::everyCommandHasItsKeysWhereverTheFocusIs()
{
    QFETCH(QKeySequence, key);
    QVERIFY(command(key));
    QCOMPARE(command(key)->shortcutContext(), Qt::WindowShortcut);
    int commands = 0;
    for (QAction *menu : window->menuBar()->actions()) {
        for (QAction *action : menu->menu()->actions())
            commands += action->isSeparator() ? 0 : 1;
    }
    QCOMPARE(commands, 10);
    const QKeyCombination combination = key[0];
    for (QWidget *field : {static_cast<QWidget *>(named<QLineEdit>("Values of the parameter to vary")),
                           static_cast<QWidget *>(named<QSpinBox>("Generations per run"))}) {
        QKeyEvent override(QEvent::ShortcutOverride, combination.key(), combination.keyboardModifiers());
        QApplication::sendEvent(field, &override);
        QVERIFY2(!override.isAccepted(), qPrintable(field->accessibleName()));
    }
}

void tst_ExperimentWindow::zoomStepsTheChartsFontsAndIsRemembered()
{
    window->setZoom(ZoomSteps::Smallest);
    QWidget *chart = named<QWidget>("Hit rate chart");
    const double normal = chart->font().pointSizeF();
    command(QKeySequence::ZoomIn)->trigger();
    QCOMPARE(window->zoom(), 125);
    QCOMPARE(chart->font().pointSizeF(), normal * 1.25);
    QCOMPARE(named<QWidget>("Hit rate heat map")->font(), chart->font());
    QCOMPARE(ExperimentWindow(tent, "tent", Settings()).zoom(), 125);
    command(QKeySequence::ZoomOut)->trigger();
    QCOMPARE(chart->font().pointSizeF(), normal);
    QVERIFY(!command(QKeySequence::ZoomOut)->isEnabled());
    for (int step = 0; step < 7; ++step)
        window->zoomIn();
    QCOMPARE(window->zoom(), ZoomSteps::Largest);
    QVERIFY(!command(QKeySequence::ZoomIn)->isEnabled());
    command(QKeySequence(Qt::CTRL | Qt::Key_0))->trigger();
    QCOMPARE(chart->font().pointSizeF(), normal);
}

// Keys pressed with the focus in a list of values reach the window's commands, not the text.
void tst_ExperimentWindow::shortcutsWorkFromAListOfValues()
{
    window->setZoom(ZoomSteps::Smallest);
    plan("0,10", 0, QString(), 2, 5);
    QLineEdit *values = named<QLineEdit>("Values of the parameter to vary");
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    values->setFocus();
    QTRY_VERIFY(values->hasFocus());
    QTest::keySequence(values, QKeySequence::ZoomIn);
    QCOMPARE(window->zoom(), 125);
    QSignalSpy finished(window, &ExperimentWindow::finished);
    QTest::keySequence(values, QKeySequence(Qt::CTRL | Qt::Key_R));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(window->runCount(), 4);
    QCOMPARE(values->text(), QString("0,10"));
    window->setZoom(ZoomSteps::Smallest);
}

QTEST_MAIN(tst_ExperimentWindow)
#include "tst_experimentwindow.moc"
