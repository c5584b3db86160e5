// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaxis.h"
#include "genomes.h"
#include "history.h"
#include "landscapechart.h"
#include "landscapepanel.h"
#include "landscapewatch.h"
#include "landscapepresets.h"
#include "landscapestroke.h"
#include "landscapeundo.h"
#include "mainwindow.h"
#include "safefile.h"
#include "snapshot.h"
#include "widgets.h"

#include <QAction>
#include <QComboBox>
#include <QUndoStack>
#include <QtTest>

class tst_LandscapeEdit : public QObject
{
    Q_OBJECT

private slots:
    void presetsAreInRangeAndDiffer();
    void lineFillsEveryIndexBetweenSamples_data();
    void lineFillsEveryIndexBetweenSamples();
    void fastStrokeFillsEveryColumnAsOneStep();
    void axisHoldsStillWhileDrawing();
    void shiftDrawsAStraightLineFromThePress();
    void undoAndRedoRestoreEveryChange();
    void heldShiftButtonIsOneStep();
    void unchangedLandscapeMakesNoStep();
    void keysChooseAGenomeAndChangeItsValue_data();
    void keysChooseAGenomeAndChangeItsValue();
    void namesShowWithoutControlCharacters();

private:
    QTemporaryDir folder;
};

namespace {
using Landscape = QList<int>;

Landscape landscapeOf(const MainWindow &window)
{
    return Landscape(window.environment(), window.environment() + LandscapeSize);
}

// A window with its landscape chart in edit mode and the panel on both.
struct Editor
{
    MainWindow window;
    History history;
    LandscapeChart chart{window.environment(), window.community(), &history};
    LandscapeWatch watch{&window, nullptr};
    LandscapePanel panel{&window, &chart, &watch, nullptr};

    Editor()
    {
        chart.resize(700, 500);
        chart.show();
        chart.setEditing(true);
        static_cast<void>(QTest::qWaitForWindowExposed(&chart));
    }
    int plotTop() const { return 25; }
    int plotLeft() const { return Chart::LeftMargin + 1; }
    int plotRight() const { return chart.width() - 20; }
    QUndoStack *steps() const { return panel.undo()->stack(); }
};

// The indexes whose values differ, as one range [first, last]; -1s when there are none.
QPair<int, int> changedRange(const Landscape &before, const Landscape &after)
{
    int first = -1;
    int last = -1;
    for (int index = 0; index < LandscapeSize; ++index) {
        if (before[index] != after[index]) {
            first = first < 0 ? index : first;
            last = index;
        }
    }
    return {first, last};
}
}

void tst_LandscapeEdit::keysChooseAGenomeAndChangeItsValue_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QList<int>>("keys"); // Qt::Key, with Shift where negative
    QTest::addColumn<int>("genome");
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("steps");
    QTest::newRow("exploring changes nothing") << false << QList<int>{Qt::Key_End, Qt::Key_Up} << LastGenome << 0 << 0;
    QTest::newRow("right, up twice") << true << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up} << 1 << 2 << 2;
    QTest::newRow("shift leaps") << true << QList<int>{Qt::Key_Home, -Qt::Key_Right, -Qt::Key_Up} << 16 << 10 << 1;
    QTest::newRow("not below 0") << true << QList<int>{Qt::Key_Left, -Qt::Key_Down, -Qt::Key_Down} << 0 << 0 << 0;
}

// The chosen genome is told in the chart's words; each press of Up or Down is a step to undo.
void tst_LandscapeEdit::keysChooseAGenomeAndChangeItsValue()
{
    QFETCH(bool, editing);
    QFETCH(QList<int>, keys);
    QFETCH(int, genome);
    QFETCH(int, change);
    QFETCH(int, steps);
    Editor editor;
    editor.chart.setEditing(editing);
    const Landscape before = landscapeOf(editor.window);
    for (int key : keys)
        QTest::keyClick(&editor.chart, Qt::Key(std::abs(key)), key < 0 ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(editor.chart.chosenGenome(), genome);
    Landscape expected = before;
    expected[genome] += change;
    QCOMPARE(landscapeOf(editor.window), expected);
    QCOMPARE(editor.steps()->count(), steps);
    QTRY_VERIFY(editor.chart.accessibleDescription().startsWith(
        QString("Chosen: genome %1 (bits %2), fitness %3").arg(genome).arg(genome, 9, 2, QChar('0')).arg(expected[genome])));
}

void tst_LandscapeEdit::presetsAreInRangeAndDiffer()
{
    QList<Landscape> made;
    for (int index = 0; index < PresetCount; ++index) {
        int values[LandscapeSize];
        fillPreset(static_cast<Preset>(index), values, 7);
        const Landscape landscape(values, values + LandscapeSize);
        QVERIFY2(*std::min_element(values, values + LandscapeSize) >= 0, presetInfo(static_cast<Preset>(index)).name);
        QVERIFY2(*std::max_element(values, values + LandscapeSize) <= PlotHeight, presetInfo(static_cast<Preset>(index)).name);
        QVERIFY(!made.contains(landscape));
        made << landscape;
    }
    int tent[LandscapeSize];
    fillTent(tent);
    QCOMPARE(made.first(), Landscape(tent, tent + LandscapeSize));
    int walk[LandscapeSize];
    fillPreset(Preset::RandomWalk, walk, 8);
    QVERIFY(Landscape(walk, walk + LandscapeSize) != made[static_cast<int>(Preset::RandomWalk)]);
}

void tst_LandscapeEdit::lineFillsEveryIndexBetweenSamples_data()
{
    QTest::addColumn<QList<int>>("samples"); // from index, value, to index, value
    QTest::addColumn<QList<int>>("expected"); // indexes 0 to 5 after drawing on zeros
    QTest::newRow("rising") << QList<int>{1, 10, 4, 40} << QList<int>{0, 10, 20, 30, 40, 0};
    QTest::newRow("backwards, rounded") << QList<int>{5, 0, 2, 10} << QList<int>{0, 0, 10, 7, 3, 0};
    QTest::newRow("one index") << QList<int>{3, 9, 3, 9} << QList<int>{0, 0, 0, 9, 0, 0};
    QTest::newRow("clamped below 0") << QList<int>{-3, 5, 1, 5} << QList<int>{5, 5, 0, 0, 0, 0};
}

void tst_LandscapeEdit::lineFillsEveryIndexBetweenSamples()
{
    QFETCH(QList<int>, samples);
    QFETCH(QList<int>, expected);
    int values[LandscapeSize] = {};
    drawLandscapeLine(values, samples[0], samples[1], samples[2], samples[3]);
    QCOMPARE(QList<int>(values, values + 6), expected);
}

// One move across the whole plot: every column between the two samples takes the value.
void tst_LandscapeEdit::fastStrokeFillsEveryColumnAsOneStep()
{
    Editor editor;
    const Landscape before = landscapeOf(editor.window);
    const int y = editor.chart.height() / 3;
    QTest::mousePress(&editor.chart, Qt::LeftButton, {}, QPoint(editor.plotLeft(), y));
    QTest::mouseMove(&editor.chart, QPoint(editor.plotRight(), y));
    QTest::mouseRelease(&editor.chart, Qt::LeftButton, {}, QPoint(editor.plotRight(), y));
    const Landscape after = landscapeOf(editor.window);
    const auto [first, last] = changedRange(before, after);
    QVERIFY2(first <= 1 && last >= LastGenome - 12, qPrintable(QString("%1 to %2").arg(first).arg(last)));
    QCOMPARE(std::count(after.begin(), after.end(), after[first]), last - first + 1);
    QVERIFY(after[first] > 128);
    QCOMPARE(editor.steps()->count(), 1);
    QCOMPARE(editor.watch.name(), QString("edited"));
    editor.steps()->undo();
    QCOMPARE(landscapeOf(editor.window), before);
}

// Along the top of the plot every value is the frozen axis's top, though each sample raises the highest value.
void tst_LandscapeEdit::axisHoldsStillWhileDrawing()
{
    Editor editor;
    const Landscape before = landscapeOf(editor.window);
    QTest::mousePress(&editor.chart, Qt::LeftButton, {}, QPoint(editor.plotLeft(), editor.plotTop()));
    for (int x = editor.plotLeft(); x <= editor.plotRight(); x += 40)
        QTest::mouseMove(&editor.chart, QPoint(x, editor.plotTop()));
    QTest::mouseRelease(&editor.chart, Qt::LeftButton, {}, QPoint(editor.plotRight(), editor.plotTop()));
    const Landscape after = landscapeOf(editor.window);
    const auto [first, last] = changedRange(before, after);
    QVERIFY(after[first] >= PlotHeight);
    QCOMPARE(std::count(after.begin(), after.end(), after[first]), last - first + 1);
}

// The wiggle before Shift is taken back; what stays is the line from the press.
void tst_LandscapeEdit::shiftDrawsAStraightLineFromThePress()
{
    Editor editor;
    const Landscape before = landscapeOf(editor.window);
    const int middle = (editor.plotLeft() + editor.plotRight()) / 2;
    const int low = editor.chart.height() / 2;
    QTest::mousePress(&editor.chart, Qt::LeftButton, {}, QPoint(editor.plotLeft(), low));
    QTest::mouseMove(&editor.chart, QPoint(editor.plotRight(), editor.plotTop()));
    QTest::mouseMove(&editor.chart, QPoint(middle, editor.plotTop()), Qt::ShiftModifier);
    QTest::mouseRelease(&editor.chart, Qt::LeftButton, Qt::ShiftModifier, QPoint(middle, editor.plotTop()));
    const Landscape after = landscapeOf(editor.window);
    const auto [first, last] = changedRange(before, after);
    QVERIFY(first <= 1);
    QVERIFY(std::abs(last - LandscapeSize / 2) < 4);
    QVERIFY(std::is_sorted(after.begin() + first, after.begin() + last + 1));
    QVERIFY(after[last] - after[first] > 100);
    QCOMPARE(editor.steps()->count(), 1);
}

// A stroke, a preset, "Load File:", a shift, Reload and an opened file: each is one
// step, undone and redone to the exact values and names.
void tst_LandscapeEdit::undoAndRedoRestoreEveryChange()
{
    Editor editor;
    MainWindow &window = editor.window;
    QList<Landscape> seen{landscapeOf(window)};
    QStringList names{editor.watch.name()};
    const auto changed = [&] {
        seen << landscapeOf(window);
        names << editor.watch.name();
    };
    QTest::mousePress(&editor.chart, Qt::LeftButton, {}, QPoint(editor.plotLeft(), 100));
    QTest::mouseMove(&editor.chart, QPoint(editor.plotRight(), 300));
    QTest::mouseRelease(&editor.chart, Qt::LeftButton, {}, QPoint(editor.plotRight(), 300));
    changed();
    editor.panel.applyPreset(Preset::Needle);
    changed();
    QString error;
    QByteArray ramp;
    for (int index = 0; index < LandscapeSize; ++index)
        ramp += QByteArray::number(index) + ' ';
    QVERIFY(writeWholeFile(QFile::encodeName(folder.filePath("ramp")), ramp, error));
    QVERIFY(QDir::setCurrent(folder.path()));
    window.findChild<QComboBox *>()->setEditText("ramp");
    button(window, "Load File:")->click();
    changed();
    button(window, "shift Up")->click();
    changed();
    button(window, "Reload")->click();
    changed();
    window.findChild<QComboBox *>()->setEditText(folder.filePath("ramp"));
    button(window, "Load File:")->click();
    changed();
    QCOMPARE(names, QStringList({"tent", "edited", "needle", "ramp", "edited", "start-up tent", "ramp"}));
    QCOMPARE(editor.steps()->count(), seen.size() - 1);
    QCOMPARE(editor.panel.undo()->undoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(editor.panel.undo()->redoAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    for (int step = seen.size() - 2; step >= 0; --step) {
        editor.panel.undo()->undoAction()->trigger();
        QCOMPARE(landscapeOf(window), seen[step]);
        QCOMPARE(editor.watch.name(), names[step]);
    }
    for (int step = 1; step < seen.size(); ++step) {
        editor.panel.undo()->redoAction()->trigger();
        QCOMPARE(landscapeOf(window), seen[step]);
        QCOMPARE(editor.watch.name(), names[step]);
    }
    QCOMPARE(editor.steps()->count(), seen.size() - 1);
}

void tst_LandscapeEdit::heldShiftButtonIsOneStep()
{
    Editor editor;
    const Landscape before = landscapeOf(editor.window);
    QPushButton *shiftLeft = button(editor.window, "shift Left");
    QSignalSpy shifts(&editor.window, &MainWindow::signal_EnvironmentUpdate);
    for (int hold = 0; hold < 2; ++hold) {
        QTest::mousePress(shiftLeft, Qt::LeftButton);
        QTest::qWait(shiftLeft->autoRepeatDelay() + 200);
        QTest::mouseRelease(shiftLeft, Qt::LeftButton);
        QTest::qWait(0);
    }
    QTest::mouseClick(shiftLeft, Qt::LeftButton);
    QVERIFY(shifts.count() > 5);
    QCOMPARE(editor.steps()->count(), 3);
    editor.steps()->undo();
    editor.steps()->undo();
    editor.steps()->undo();
    QCOMPARE(landscapeOf(editor.window), before);
}

// A failed load, a run's signals and a preset equal to the landscape change nothing.
void tst_LandscapeEdit::unchangedLandscapeMakesNoStep()
{
    Editor editor;
    QVERIFY(QDir::setCurrent(folder.path()));
    editor.window.findChild<QComboBox *>()->setEditText("no such file");
    button(editor.window, "Load File:")->click();
    QVERIFY(!editor.window.lastLoadError().isEmpty());
    button(editor.window, "Step")->click();
    editor.panel.applyPreset(Preset::Tent);
    QString error;
    QVERIFY(!editor.panel.openSnapshot(QFile::encodeName(folder.filePath("none.vezo")), error));
    QCOMPARE(editor.steps()->count(), 0);
    QVERIFY(!editor.panel.undo()->undoAction()->isEnabled());
    QCOMPARE(editor.watch.name(), QString("tent"));
}

// A snapshot's name shows without the characters that would garble or mirror the caption.
void tst_LandscapeEdit::namesShowWithoutControlCharacters()
{
    Editor editor;
    RunState state = editor.window.state();
    state.name = (QString("a\nb\tc") + QChar(0) + "d" + QChar(0x202E) + "RTL" + QChar(0x2066) + "x").toStdString();
    QString error;
    const QByteArray path = QFile::encodeName(folder.filePath("named.vezo"));
    QVERIFY2(writeSnapshot(path, state, error), qPrintable(error));
    QVERIFY2(editor.panel.openSnapshot(path, error), qPrintable(error));
    QCOMPARE(editor.watch.name(), QString("abcdRTLx"));
}

QTEST_MAIN(tst_LandscapeEdit)
#include "tst_landscapeedit.moc"
