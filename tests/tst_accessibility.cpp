// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentwindow.h"
#include "heatmapchart.h"
#include "landscapechart.h"
#include "mainwindow.h"
#include "observatory.h"
#include "startstate.h"
#include "widgets.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void tabVisitsEveryControlAndComesRound_data();
    void tabVisitsEveryControlAndComesRound();
    void aKeyHeldOnAButtonActsOnItOnly_data();
    void aKeyHeldOnAButtonActsOnItOnly();
};

namespace {
// The widget a screen reader names for w: a spin box for its line edit.
QWidget *named(QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget;
    for (QWidget *owner = widget->parentWidget(); owner; owner = owner->parentWidget()) {
        if (owner->focusProxy() == widget)
            return owner;
    }
    return widget;
}

QString describe(QWidget *widget)
{
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(),
                                    QAccessible::queryAccessibleInterface(named(widget))->text(QAccessible::Name));
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

void tst_Accessibility::tabVisitsEveryControlAndComesRound_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab");
    QTest::newRow("main window") << "main" << 0;
    QTest::newRow("observatory, over the generations") << "observatory" << 0;
    QTest::newRow("observatory, generation") << "observatory" << 1;
    QTest::newRow("observatory, schemata") << "observatory" << 2;
    QTest::newRow("experiment") << "experiment" << 0;
}

// Real Tab presses from the first control: every control and chart once, each
// with a name, and back to the first.
void tst_Accessibility::tabVisitsEveryControlAndComesRound()
{
    QFETCH(QString, window);
    QFETCH(int, tab);
    MainWindow main;
    Observatory observatory(&main);
    QWidget *shown = &main;
    if (window == "observatory") {
        observatory.lowerTabs()->setCurrentIndex(tab);
        shown = &observatory;
    } else if (window == "experiment") {
        shown = observatory.openExperiment();
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QWidget *first = window == "main" ? button(main, "Run") : shown->nextInFocusChain();
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
    for (QWidget *widget : visited)
        QVERIFY2(!QAccessible::queryAccessibleInterface(named(widget))->text(QAccessible::Name).isEmpty(),
                 qPrintable(describe(widget)));
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
    MainWindow main;
    Observatory observatory(&main);
    QWidget *window = observed ? static_cast<QWidget *>(&observatory) : &main;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QPushButton *held = button(*window, text);
    held->setFocus(Qt::TabFocusReason);
    QSignalSpy running(main.runEvents(), &RunEvents::runningChanged);
    QSignalSpy landscape(main.runEvents(), &RunEvents::landscapeChanged);
    const qint64 before = main.generationCount();
    for (bool repeated : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", repeated);
        QApplication::sendEvent(held, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(held, &release);
    QCOMPARE(running.count(), 0);
    QVERIFY(landscape.count() >= shifts);
    QCOMPARE(main.generationCount() - before, text == "Step" ? 1 : 0);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
