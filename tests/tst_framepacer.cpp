// SPDX-License-Identifier: GPL-3.0-or-later
#include "framepacer.h"
#include "landscapearea.h"
#include "mainwindow.h"
#include "widgets.h"

#include <QtTest>

class tst_FramePacer : public QObject
{
    Q_OBJECT

private slots:
    void lastStateReachesTheScreen();
};

namespace {
// Notes the generation that each paint of the view shows.
class PaintedGeneration : public QObject
{
public:
    explicit PaintedGeneration(const MainWindow &window) : window(window) {}
    qint64 generation = -1;
    long paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            generation = window.generationCount();
            ++paints;
        }
        return false;
    }

private:
    const MainWindow &window;
};
}

void tst_FramePacer::lastStateReachesTheScreen()
{
    MainWindow window;
    new FramePacer(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintedGeneration painted(window);
    window.findChild<LandscapeArea *>()->installEventFilter(&painted);

    button(window, "Run")->click();
    QTRY_VERIFY(window.generationCount() > 5000);
    button(window, "Stop")->click();
    QTRY_COMPARE(painted.generation, window.generationCount());
    QVERIFY(painted.paints < window.generationCount() / 10);

    button(window, "Step")->click();
    QTRY_COMPARE(painted.generation, window.generationCount());
}

QTEST_MAIN(tst_FramePacer)
#include "tst_framepacer.moc"
