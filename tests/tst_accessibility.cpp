// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartwidget.h"
#include "experimentwindow.h"
#include "history.h"
#include "landscapechart.h"
#include "mainwindow.h"
#include "observatory.h"
#include "run.h"
#include "schemataview.h"
#include "startstate.h"
#include "widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QSlider>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolTip>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tabVisitsEveryControlAndComesRound_data();
    void tabVisitsEveryControlAndComesRound();
    void aClickFocusesAnyField_data();
    void aClickFocusesAnyField();
    void wordsAreSentOnlyWhenTheyChangeWhileShown();
    void aFailedLoadIsToldWhereTheFocusIs_data();
    void aFailedLoadIsToldWhereTheFocusIs();
    void aKeyHeldOnAButtonActsOnItOnly_data();
    void aKeyHeldOnAButtonActsOnItOnly();

private:
    void windows_data();
    QWidget *showWindow(const QString &window, int tab);

    std::unique_ptr<MainWindow> main;
    std::unique_ptr<Observatory> observatory;
};

namespace {
QString describe(QWidget *widget)
{
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(),
                                    QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name));
}

// What a screen reader finds focusable in the tree below node without a name.
QStringList unnamed(QAccessibleInterface *node)
{
    QStringList found;
    for (int child = 0; child < node->childCount(); ++child) {
        QAccessibleInterface *below = node->child(child);
        if (below->state().focusable && below->text(QAccessible::Name).isEmpty())
            found << below->object()->metaObject()->className();
        found << unnamed(below);
    }
    return found;
}

// Every widget of the window that Tab should stop at.
QSet<QWidget *> tabStops(QWidget *window)
{
    QSet<QWidget *> stops;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled() && !widget->focusProxy())
            stops << widget;
    }
    return stops;
}
}

void tst_Accessibility::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_Accessibility::init()
{
    QSettings("vezo-vizoziv", "vezo-vizoziv").clear();
}

void tst_Accessibility::cleanup()
{
    observatory.reset();
    main.reset();
}

// The window of a row: the main window, the observatory on a tab, or the experiment window.
QWidget *tst_Accessibility::showWindow(const QString &window, int tab)
{
    main = std::make_unique<MainWindow>();
    observatory = std::make_unique<Observatory>(main.get());
    QWidget *shown = main.get();
    if (window == "observatory") {
        observatory->lowerTabs()->setCurrentIndex(tab);
        shown = observatory.get();
    } else if (window == "experiment") {
        shown = observatory->openExperiment();
    }
    shown->show();
    return QTest::qWaitForWindowActive(shown) ? shown : nullptr;
}

void tst_Accessibility::tabVisitsEveryControlAndComesRound_data()
{
    windows_data();
}

void tst_Accessibility::windows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab");
    QTest::newRow("main window") << "main" << 0;
    QTest::newRow("observatory, over the generations") << "observatory" << 0;
    QTest::newRow("observatory, generation") << "observatory" << 1;
    QTest::newRow("observatory, schemata") << "observatory" << 2;
    QTest::newRow("experiment") << "experiment" << 0;
}

// Real Tab presses from the first control: every control and chart once, and
// back to the first, each described; nothing a screen reader can focus goes without a name.
void tst_Accessibility::tabVisitsEveryControlAndComesRound()
{
    QFETCH(QString, window);
    QFETCH(int, tab);
    QWidget *shown = showWindow(window, tab);
    QVERIFY(shown);
    QWidget *first = window == "main" ? button(*main, "Run") : shown->nextInFocusChain();
    while (!tabStops(shown).contains(first))
        first = first->nextInFocusChain();
    first->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), first);

    const QSet<QWidget *> stops = tabStops(shown);
    QList<QWidget *> visited{first};
    while (visited.size() <= stops.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
        visited << QApplication::focusWidget();
    }
    QStringList order;
    for (QWidget *widget : visited)
        order << describe(widget);
    QVERIFY2(QApplication::focusWidget() == first, qPrintable("no way back: " + order.join(", ")));
    QCOMPARE(visited.size(), stops.size());
    QCOMPARE(QSet<QWidget *>(visited.begin(), visited.end()), stops);
    for (QWidget *widget : visited) {
        QWidget *owner = widget->parentWidget()->focusProxy() == widget ? widget->parentWidget() : widget; // a spin box
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(owner);
        if (const QTabBar *bar = qobject_cast<QTabBar *>(widget)) // a reader is on the current tab
            reader = reader->child(bar->currentIndex());
        QVERIFY2(!reader->text(QAccessible::Description).isEmpty(), qPrintable(describe(owner)));
        if (qobject_cast<ChartWidget *>(widget))
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->role(), QAccessible::Chart);
    }
    QCOMPARE(unnamed(QAccessible::queryAccessibleInterface(shown)), QStringList());
}

void tst_Accessibility::aClickFocusesAnyField_data()
{
    windows_data();
}

// Anything that takes typing, keys or a pointer; a combo box only says it would,
// as a click opens its list.
void tst_Accessibility::aClickFocusesAnyField()
{
    QFETCH(QString, window);
    QFETCH(int, tab);
    QWidget *shown = showWindow(window, tab);
    QVERIFY(shown);
    int fields = 0;
    for (QWidget *field : shown->findChildren<QWidget *>()) {
        const bool typed = qobject_cast<QAbstractSpinBox *>(field)
                           || (qobject_cast<QAbstractItemView *>(field) && !qobject_cast<QHeaderView *>(field))
                           || qobject_cast<QTextEdit *>(field) || qobject_cast<ChartWidget *>(field)
                           || qobject_cast<QSlider *>(field);
        if (!field->isVisible() || !field->isEnabled() || !(typed || qobject_cast<QComboBox *>(field)))
            continue;
        ++fields;
        QVERIFY2(field->focusPolicy() & Qt::ClickFocus, qPrintable(describe(field)));
        if (!typed)
            continue;
        shown->setFocus();
        const auto area = qobject_cast<QAbstractScrollArea *>(field);
        QWidget *clicked = area ? area->viewport() : field;
        QTest::mouseClick(clicked, Qt::LeftButton, {}, clicked->rect().center());
        QVERIFY2(QApplication::focusWidget() == (field->focusProxy() ? field->focusProxy() : field), qPrintable(describe(field)));
    }
    QVERIFY(fields > 0);
}

// A chart's words follow only while it is shown; the bound's factors are not
// replaced by the same text, nor at all while hidden.
void tst_Accessibility::wordsAreSentOnlyWhenTheyChangeWhileShown()
{
    int landscape[LandscapeSize];
    fillStartLandscape(landscape);
    Genome members[CommunitySize] = {};
    History history;
    LandscapeChart chart(landscape, members, &history);
    chart.show();
    QTRY_VERIFY(chart.accessibleDescription().contains("tied at genomes 256, 257"));
    chart.hide();
    landscape[0] = 1000;
    chart.changed();
    QTest::qWait(300);
    QVERIFY(!chart.accessibleDescription().contains("1000"));
    chart.show();
    QVERIFY(chart.accessibleDescription().contains("to 1000, highest at genome 0."));

    SchemataView view;
    QSignalSpy replaced(view.findChild<QTextBrowser *>()->document(), &QTextDocument::contentsChanged);
    view.show();
    QTRY_VERIFY(replaced.count() > 0);
    replaced.clear();
    const Settings settings{20, 90, 1};
    Run run(landscape, settings, StartSeed);
    GenerationTrace trace;
    const auto step = [&] {
        run.step(&trace);
        view.addGeneration(run.generation(), trace, settings);
        QTest::qWait(300);
    };
    step();
    step();
    QCOMPARE(replaced.count(), 0); // nothing tracked: the same words
    view.hide();
    QVERIFY(view.track("1********"));
    step();
    QCOMPARE(replaced.count(), 0);
    view.show();
    QVERIFY(replaced.count() > 0);
}

void tst_Accessibility::aFailedLoadIsToldWhereTheFocusIs_data()
{
    QTest::addColumn<bool>("observatoryInFront");
    QTest::newRow("observatory in front") << true;
    QTest::newRow("main window in front") << false;
}

// On the observatory's status line, and beside the focused control of a window in front of it.
void tst_Accessibility::aFailedLoadIsToldWhereTheFocusIs()
{
    QFETCH(bool, observatoryInFront);
    QWidget *front = showWindow(observatoryInFront ? "observatory" : "main", 0);
    QVERIFY(front);
    if (!observatoryInFront)
        observatory->show();
    front->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(front));
    main->loadFile("no such landscape");
    QVERIFY(observatory->statusBar()->currentMessage().contains("no such landscape"));
    QCOMPARE(QToolTip::isVisible(), !observatoryInFront);
    if (!observatoryInFront)
        QVERIFY(QToolTip::text().contains("no such landscape"));
}

void tst_Accessibility::aKeyHeldOnAButtonActsOnItOnly_data()
{
    QTest::addColumn<bool>("observed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shifts"); // landscape changes, at least
    QTest::newRow("observatory, shift") << true << "Left" << 1;
    QTest::newRow("observatory, Step") << true << "Step" << 0;
    QTest::newRow("main window, shift") << false << "shift Left" << 1;
}

// Space pressed, repeated by the keyboard while held, and let go.
void tst_Accessibility::aKeyHeldOnAButtonActsOnItOnly()
{
    QFETCH(bool, observed);
    QFETCH(QString, text);
    QFETCH(int, shifts);
    QWidget *window = showWindow(observed ? "observatory" : "main", 0);
    QVERIFY(window);
    QPushButton *held = button(*window, text);
    held->setFocus(Qt::TabFocusReason);
    QSignalSpy running(main->runEvents(), &RunEvents::runningChanged);
    QSignalSpy landscape(main->runEvents(), &RunEvents::landscapeChanged);
    const qint64 before = main->generationCount();
    for (bool repeated : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", repeated);
        QApplication::sendEvent(held, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(held, &release);
    QCOMPARE(running.count(), 0);
    QVERIFY(landscape.count() >= shifts);
    QCOMPARE(main->generationCount() - before, text == "Step" ? 1 : 0);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
