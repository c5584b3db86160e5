// SPDX-License-Identifier: GPL-3.0-or-later
#include "historychart.h"
#include "landscapechart.h"
#include "mainwindow.h"
#include "experimentwindow.h"
#include "genomes.h"
#include "generationview.h"
#include "landscapepanel.h"
#include "landscapepresets.h"
#include "landscapeundo.h"
#include "run.h"
#include "observatory.h"
#include "schemataview.h"
#include "parametercontrols.h"
#include "preferences.h"
#include "runcaption.h"
#include "schemachart.h"
#include "windowplacement.h"
#include "widgets.h"

#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QAction>
#include <QtTest>

#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_Observatory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void controlsDriveTheMainWindowAlike_data();
    void controlsDriveTheMainWindowAlike();
    void keysRunStopAndStep();
    void paceStartsWatchableAndIsRemembered();
    void parametersFollowBothWays_data();
    void parametersFollowBothWays();
    void mutationShare_data();
    void mutationShare();
    void filesRefuseWhatIsNoRegularFile_data();
    void filesRefuseWhatIsNoRegularFile();
    void failedWriteKeepsTheOldFile();
    void savedImageCarriesTheCaption();
    void loadsNameTheLandscapeAndClearTheError();
    void repeatedChangesMakeOneMark();
    void zoomStaysWithinBounds_data();
    void zoomStaysWithinBounds();
    void fitsSmallScreens_data();
    void fitsSmallScreens();
    void splitIsRemembered();
    void chartsKeepRoomToBeRead_data();
    void chartsKeepRoomToBeRead();
    void windowStaysOnItsScreen_data();
    void windowStaysOnItsScreen();
    void mainWindowFrameStartsAtTheTop();
    void everyControlIsNamedAndReachable();
    void chartDescriptionsFollowTheRun();
    void closingTheMainWindowEndsTheProgram();
    void generationTabsFollowTheSteps();
    void experimentRunIsWatchedExactly();
    void presetIsNamedAsThePreset();
    void menusHoldEveryActionWithItsKeys();
    void everyWindowWorksTranslated();
};

namespace {
QSpinBox *parameterBox(const Observatory &observatory, const QString &name)
{
    for (QSpinBox *box : observatory.findChildren<QSpinBox *>()) {
        if (box->accessibleName() == name)
            return box;
    }
    return nullptr;
}

// The main window's widgets that follow its run state, enabled or not.
QList<bool> runState(const QWidget &window)
{
    QList<bool> enabled;
    for (const char *text : {"Run", "Stop", "Load File:", "New Genes"})
        enabled << button(window, text)->isEnabled();
    return enabled;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

// The process's first generation re-seeds; spend it here so that the windows compared are alike.
void tst_Observatory::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    MainWindow window;
    button(window, "Step")->click();
}

void tst_Observatory::init()
{
    QSettings("vezo-vizoziv", "vezo-vizoziv").clear();
    QDir::setCurrent(QDir::tempPath());
}

void tst_Observatory::controlsDriveTheMainWindowAlike_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::newRow("step") << QStringList{"Step"};
    QTest::newRow("run") << QStringList{"Run"};
    QTest::newRow("run, step, stop") << QStringList{"Run", "Step", "Stop"};
    QTest::newRow("new genes, reload, shift") << QStringList{"New Genes", "Reload", "Left"};
}

// The observatory's buttons give the signals and states of the main window's own.
void tst_Observatory::controlsDriveTheMainWindowAlike()
{
    QFETCH(QStringList, presses);
    const QMap<QString, QString> mainText{{"Left", "shift Left"}};
    MainWindow plain;
    MainWindow driven;
    Observatory observatory(&driven);
    QSignalSpy plainRuns(&plain, &MainWindow::signal_RunPreState);
    QSignalSpy drivenRuns(&driven, &MainWindow::signal_RunPreState);
    QSignalSpy plainGenomes(&plain, &MainWindow::signal_GenomeUpdate);
    QSignalSpy drivenGenomes(&driven, &MainWindow::signal_GenomeUpdate);
    QSignalSpy plainLandscapes(&plain, &MainWindow::signal_EnvironmentUpdate);
    QSignalSpy drivenLandscapes(&driven, &MainWindow::signal_EnvironmentUpdate);
    for (const QString &text : presses) {
        button(plain, mainText.value(text, text))->click();
        button(observatory, text)->click();
        QCOMPARE(runState(driven), runState(plain));
        QCOMPARE(button(observatory, "Run")->isEnabled(), button(plain, "Run")->isEnabled());
        QCOMPARE(button(observatory, "Stop")->isEnabled(), button(plain, "Stop")->isEnabled());
        QCOMPARE(button(observatory, "Open…")->isEnabled(), button(plain, "Load File:")->isEnabled());
        QCOMPARE(button(observatory, "New Genes")->isEnabled(), button(plain, "New Genes")->isEnabled());
    }
    QCOMPARE(drivenRuns, plainRuns);
    QCOMPARE(drivenGenomes.count(), plainGenomes.count());
    QCOMPARE(drivenLandscapes.count(), plainLandscapes.count());
    if (!presses.contains("Run"))
        QCOMPARE(driven.generationCount(), plain.generationCount());
    QVERIFY(std::equal(driven.environment(), driven.environment() + LandscapeSize, plain.environment()));
}

void tst_Observatory::keysRunStopAndStep()
{
    MainWindow window;
    Observatory observatory(&window);
    QTest::keyClick(&observatory, Qt::Key_Space);
    QVERIFY(!button(window, "Run")->isEnabled());
    QTest::keyClick(&observatory, Qt::Key_Space);
    QVERIFY(button(window, "Run")->isEnabled());
    QTest::keyPress(&observatory, Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(&observatory, &repeat); // held, it repeats: the run goes on
    QVERIFY(!button(window, "Run")->isEnabled());
    QTest::keyRelease(&observatory, Qt::Key_Space);
    button(window, "Stop")->click();
    const qint64 before = window.generationCount();
    QTest::keyClick(parameterBox(observatory, "Mutation bias"), Qt::Key_Period);
    QCOMPARE(window.generationCount(), before + 1);
}

void tst_Observatory::paceStartsWatchableAndIsRemembered()
{
    MainWindow window;
    const QTimer *timer = window.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    {
        // It paces the main window only while it is shown.
        Observatory observatory(&window);
        QCOMPARE(observatory.pace(), 20);
        QCOMPARE(timer->interval(), 0);
        observatory.show();
        QCOMPARE(timer->interval(), 50);
        observatory.hide();
        QCOMPARE(timer->interval(), 0);
        observatory.setPace(0);
    }
    Observatory later(&window);
    QCOMPARE(later.pace(), 0);
}

void tst_Observatory::parametersFollowBothWays_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offered");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("fromMain");
    QTest::newRow("fitness: 100 is kept as 99") << "Fitness Multiplier" << "Fitness multiplier" << 100 << 99 << 1;
    QTest::newRow("mutation") << "% Prob(Mutation)" << "Mutation probability" << 0 << 0 << 99;
    QTest::newRow("bias") << "Mutation Bias" << "Mutation bias" << 10 << 10 << 0;
}

void tst_Observatory::parametersFollowBothWays()
{
    QFETCH(QString, slider);
    QFETCH(QString, name);
    QFETCH(int, offered);
    QFETCH(int, stored);
    QFETCH(int, fromMain);
    MainWindow window;
    Observatory observatory(&window);
    QSpinBox *box = parameterBox(observatory, name);
    box->setValue(offered);
    QCOMPARE(control(window, slider)->value(), stored);
    QCOMPARE(box->value(), stored);
    control(window, slider)->setValue(fromMain);
    QCOMPARE(box->value(), fromMain);
}

void tst_Observatory::mutationShare_data()
{
    QTest::addColumn<int>("probability");
    QTest::addColumn<QString>("share");
    QTest::newRow("never") << 0 << "none";
    QTest::newRow("start") << 25 << "1.3 % of children";
    QTest::newRow("one in ten") << 90 << "10 % of children";
    QTest::newRow("every child") << 99 << "100 % of children";
}

void tst_Observatory::mutationShare()
{
    QFETCH(int, probability);
    QFETCH(QString, share);
    QCOMPARE(ParameterControls::mutationShare(probability), share);
}

void tst_Observatory::filesRefuseWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << "fifo.png" << "is not a regular file";
    QTest::newRow("device") << "null.png" << "is not a regular file";
    QTest::newRow("folder") << "folder.png" << "is a folder";
}

// Neither opened nor replaced: a FIFO would block the window, a device would become a file.
void tst_Observatory::filesRefuseWhatIsNoRegularFile()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QVERIFY(mkfifo("fifo.png", 0600) == 0);
    QVERIFY(QFile::link("/dev/null", "null.png"));
    QVERIFY(QDir().mkdir("folder.png"));
    MainWindow window;
    Observatory observatory(&window);
    QString error;
    QVERIFY(!observatory.exportCsv(target, error));
    QCOMPARE(error, reason);
    error.clear();
    QVERIFY(!observatory.saveImage(target, error));
    QCOMPARE(error, reason);
    QVERIFY(!QFileInfo(target).isFile());
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 3);
}

// On a full file system: the reason, the old file as it was, no partial file beside it.
void tst_Observatory::failedWriteKeepsTheOldFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir folder;
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("cannot mount a tmpfs here");
    const auto unmount = qScopeGuard([&mountPoint] { umount(mountPoint.constData()); });
    const QString old = folder.filePath("run.csv");
    const QByteArray oldContents("generation,best\n0,1\n");
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oldContents) == oldContents.size());
    file.close();
    // Full but for a page.
    QFile filler(folder.filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) > 0) {
    }
    filler.close();
    QVERIFY(filler.resize(filler.size() - 4096));

    MainWindow window;
    Observatory observatory(&window);
    for (int step = 0; step < 300; ++step)
        button(window, "Step")->click();
    QString error;
    QVERIFY(!observatory.exportCsv(old, error));
    QCOMPARE(error, QString::fromLocal8Bit(strerror(ENOSPC)));
    QVERIFY(!observatory.saveImage(folder.filePath("picture.png"), error));
    QCOMPARE(contents(old), oldContents);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"filler", "run.csv"}));
}

void tst_Observatory::savedImageCarriesTheCaption()
{
    QTemporaryDir folder;
    MainWindow window;
    Observatory observatory(&window);
    observatory.resize(1200, 700);
    QString error;
    QVERIFY2(observatory.saveImage(folder.filePath("picture"), error), qPrintable(error));
    const QImage image(folder.filePath("picture.png"), "PNG");
    const int charts = observatory.findChild<LandscapeChart *>()->height() + observatory.findChild<HistoryChart *>()->height();
    QVERIFY(image.height() > charts);
    // The caption's dark text above the charts.
    const QImage caption = image.copy(0, 0, image.width(), image.height() - charts).convertToFormat(QImage::Format_Grayscale8);
    int dark = 0;
    for (int y = 0; y < caption.height(); ++y) {
        for (int x = 0; x < caption.width(); ++x)
            dark += caption.pixelColor(x, y).value() < 100;
    }
    QVERIFY(dark > 100);
}

void tst_Observatory::loadsNameTheLandscapeAndClearTheError()
{
    QDir::setCurrent(QFINDTESTDATA("../landscapes"));
    MainWindow window;
    Observatory observatory(&window);
    QStatusBar *status = observatory.findChild<QStatusBar *>();
    QVERIFY(!observatory.loadLandscape("missing"));
    QVERIFY(status->currentMessage().contains("missing"));
    QCOMPARE(observatory.landscapeName(), "tent");
    QVERIFY(observatory.loadLandscape("twodissimilarpeaks"));
    QCOMPARE(status->currentMessage(), QString());
    QCOMPARE(observatory.landscapeName(), "twodissimilarpeaks");
    // Loading the same values again after a failure clears the error too.
    QVERIFY(!observatory.loadLandscape("missing"));
    QVERIFY(observatory.loadLandscape("twodissimilarpeaks"));
    QCOMPARE(status->currentMessage(), QString());
    button(observatory, "Left")->click();
    QCOMPARE(observatory.landscapeName(), "edited");
    button(window, "Reload")->click();
    QCOMPARE(observatory.landscapeName(), "start-up tent");
    const QList<QAction *> actions = observatory.findChildren<QAction *>();
    QVERIFY(std::any_of(actions.begin(), actions.end(),
                        [](QAction *action) { return action->text() == "Re&load: back to start-up tent"; }));
    button(observatory, "Run")->click();
    QVERIFY(!observatory.loadLandscape("twodissimilarpeaks"));
    QCOMPARE(window.loadCount(), 4);
    button(observatory, "Stop")->click();
}

// A held shift button, a dragged parameter: one mark each, saying what happened.
void tst_Observatory::repeatedChangesMakeOneMark()
{
    MainWindow window;
    Observatory observatory(&window);
    observatory.show();
    QVERIFY(QTest::qWaitForWindowExposed(&observatory));
    QSignalSpy shifts(&window, &MainWindow::signal_EnvironmentUpdate);
    QTest::mousePress(button(observatory, "Right"), Qt::LeftButton);
    QTRY_VERIFY(shifts.count() >= 3);
    QTest::mouseRelease(button(observatory, "Right"), Qt::LeftButton);
    QCOMPARE(observatory.markers().count(), 1);
    QCOMPARE(observatory.markers().at(0).text(), QString("Landscape shifted right (%1 times)").arg(shifts.count()));

    for (int value : {30, 40, 35})
        parameterBox(observatory, "Mutation probability")->setValue(value);
    button(observatory, "New Genes")->click();
    QCOMPARE(observatory.markers().count(), 3);
    QCOMPARE(observatory.markers().at(1).text(), "Mutation probability 25 → 35");
    QCOMPARE(observatory.markers().at(2).text(), "New genes drawn");
    observatory.restart(7);
    QCOMPARE(observatory.markers().count(), 1);
    QCOMPARE(observatory.markers().at(0).text(), "Restarted with seed 7");
    button(observatory, "Step")->click();
    control(window, "Mutation Bias")->setValue(4);
    button(window, "New Genes")->click();
    QCOMPARE(observatory.markers().count(), 3);
    QCOMPARE(observatory.markers().at(1).text(), "Mutation bias 1 → 4");
    QCOMPARE(observatory.markers().at(2).generation, 1);
    // An undo says so, whatever it looks like.
    QTest::qWait(HistoryMarkers::MergeMilliseconds);
    button(observatory, "Up")->click();
    observatory.landscapePanel()->undo()->undoAction()->trigger();
    QCOMPARE(observatory.markers().at(observatory.markers().count() - 1).text(), "Undone: back to edited");
}

void tst_Observatory::zoomStaysWithinBounds_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("steps"); // zoom in (> 0) or out (< 0) so many times
    QTest::addColumn<int>("zoom");
    QTest::newRow("below the least") << 50 << 0 << 100;
    QTest::newRow("beyond the most") << 400 << 0 << 300;
    QTest::newRow("one step in") << 100 << 1 << 125;
    QTest::newRow("in at the most") << 300 << 1 << 300;
    QTest::newRow("out at the least") << 100 << -1 << 100;
    QTest::newRow("from between steps") << 130 << -1 << 125;
    QTest::newRow("all the way in") << 100 << 10 << 300;
}

void tst_Observatory::zoomStaysWithinBounds()
{
    QFETCH(int, start);
    QFETCH(int, steps);
    QFETCH(int, zoom);
    MainWindow window;
    Observatory observatory(&window);
    const double pointSize = observatory.font().pointSizeF();
    observatory.setZoom(start);
    for (int step = 0; step < std::abs(steps); ++step)
        steps > 0 ? observatory.zoomIn() : observatory.zoomOut();
    QCOMPARE(observatory.zoom(), zoom);
    QCOMPARE(observatory.findChild<HistoryChart *>()->font().pointSizeF(), pointSize * zoom / 100);
    QCOMPARE(Observatory(&window).zoom(), zoom);
}

void tst_Observatory::fitsSmallScreens_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("screen"); // less a title bar
    QTest::newRow("100 %") << 100 << QSize(1280, 680);
    QTest::newRow("100 %, 1366") << 100 << QSize(1366, 728);
    QTest::newRow("300 %") << 300 << QSize(1280, 690);
}

void tst_Observatory::fitsSmallScreens()
{
    QFETCH(int, zoom);
    QFETCH(QSize, screen);
    MainWindow window;
    Observatory observatory(&window);
    observatory.setZoom(zoom);
    observatory.resize(screen);
    observatory.show();
    QVERIFY(QTest::qWaitForWindowExposed(&observatory));
    QVERIFY2(observatory.minimumSizeHint().boundedTo(screen) == observatory.minimumSizeHint(),
             qPrintable(QString("%1x%2").arg(observatory.minimumSizeHint().width()).arg(observatory.minimumSizeHint().height())));
    QCOMPARE(observatory.size(), screen);
    // At 100 % each tab below reads whole, without scrolling.
    QTabWidget *tabs = observatory.findChild<QTabWidget *>();
    for (int tab = 0; zoom == 100 && tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        if (const QScrollArea *scroller = qobject_cast<QScrollArea *>(tabs->currentWidget())) {
            QTRY_COMPARE(scroller->widget()->size(), scroller->viewport()->size());
            QVERIFY2(scroller->widget()->minimumSizeHint().boundedTo(scroller->viewport()->size())
                         == scroller->widget()->minimumSizeHint(),
                     qPrintable(tabs->tabText(tab)));
        }
    }
    observatory.close();
    QVERIFY(!observatory.isVisible());
    QVERIFY(!observatory.testAttribute(Qt::WA_QuitOnClose));
}

void tst_Observatory::chartsKeepRoomToBeRead_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("100 %") << 100;
    QTest::newRow("200 %") << 200;
    QTest::newRow("300 %") << 300;
}

// On 1280x720 at every zoom each chart has room for its title, three labels a
// line and a half apart and the labels under its plot, or its pane scrolls.
void tst_Observatory::chartsKeepRoomToBeRead()
{
    QFETCH(int, zoom);
    MainWindow window;
    Observatory observatory(&window);
    observatory.setZoom(zoom);
    observatory.resize(1280, 690);
    observatory.show();
    QVERIFY(QTest::qWaitForWindowExposed(&observatory));
    const QList<QPair<ChartWidget *, int>> charts = {{observatory.findChild<LandscapeChart *>(), 0},
                                                     {observatory.findChild<HistoryChart *>(), 0},
                                                     {observatory.findChild<SchemaChart *>(), 2}};
    for (const auto &[chart, tab] : charts) {
        observatory.lowerTabs()->setCurrentIndex(tab);
        const char *name = chart->metaObject()->className();
        QVERIFY2(chart->minimumSizeHint().height() >= 7 * chart->fontMetrics().height(), name);
        QTRY_VERIFY2(chart->height() >= chart->minimumSizeHint().height(), name);
        QVERIFY2(chart->width() >= chart->minimumSizeHint().width(), name);
    }
}

void tst_Observatory::windowStaysOnItsScreen_data()
{
    QTest::addColumn<QPoint>("rememberedAt");
    QTest::addColumn<int>("zoom");
    QTest::newRow("zoomed in") << QPoint() << 300;
    QTest::newRow("left beyond the screen") << QPoint(5000, 4000) << 100;
    QTest::newRow("left above it, zoomed") << QPoint(-3000, -2000) << 200;
}

// Zooming never takes the frame past the screen, nor does a place remembered on a larger one.
void tst_Observatory::windowStaysOnItsScreen()
{
    QFETCH(QPoint, rememberedAt);
    QFETCH(int, zoom);
    if (!rememberedAt.isNull()) {
        QWidget before;
        before.setGeometry(QRect(rememberedAt, QSize(700, 500)));
        Preferences::setObservatoryGeometry(before.saveGeometry());
    }
    MainWindow window;
    Observatory observatory(&window);
    observatory.showBeside();
    QVERIFY(QTest::qWaitForWindowExposed(&observatory));
    const QRect room = observatory.screen()->availableGeometry();
    const QRect frame = observatory.frameGeometry();
    QVERIFY2(room.contains(frame), qPrintable(QString("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    const QRect shown = observatory.geometry();
    for (int percent : {zoom, 100}) {
        observatory.setZoom(percent);
        QTRY_VERIFY2(room.contains(observatory.frameGeometry()),
                     qPrintable(QString("%1 %: %2x%3").arg(percent).arg(observatory.width()).arg(observatory.height())));
    }
    QCOMPARE(observatory.geometry(), shown); // back at 100 %, back where it was
}

// Its frame, title bar included, where its inside was put; the inside as large as before.
void tst_Observatory::mainWindowFrameStartsAtTheTop()
{
    MainWindow unplaced;
    MainWindow window;
    for (MainWindow *each : {&unplaced, &window})
        each->setGeometry(50, 0, 800, 600);
    (new WindowPlacement(&window))->placeFrame(QPoint(50, 0));
    for (MainWindow *each : {&unplaced, &window}) {
        each->show();
        QVERIFY(QTest::qWaitForWindowExposed(each));
    }
    QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(50, 0));
    QVERIFY(window.geometry().top() > 0);
    QCOMPARE(window.size(), unplaced.size());
}

// The line between the landscape and the tabs stays where it was dragged.
void tst_Observatory::splitIsRemembered()
{
    MainWindow window;
    int dragged = 0;
    for (int start = 0; start < 2; ++start) {
        Observatory observatory(&window);
        observatory.resize(1280, 680);
        observatory.show();
        QVERIFY(QTest::qWaitForWindowExposed(&observatory));
        QSplitter *split = observatory.findChild<QSplitter *>();
        if (start == 0) {
            const int before = split->sizes().constFirst();
            QWidget *handle = split->handle(1);
            const QPoint up = handle->rect().center() - QPoint(0, before / 4);
            QTest::mousePress(handle, Qt::LeftButton, {}, handle->rect().center());
            QTest::mouseMove(handle, up);
            QTest::mouseRelease(handle, Qt::LeftButton, {}, up);
            dragged = split->sizes().constFirst();
            QVERIFY2(dragged < before, qPrintable(QString("%1 %2").arg(dragged).arg(before)));
        }
        QCOMPARE(split->sizes().constFirst(), dragged);
    }
}

// Tab visits every control once, the controls before the charts, and each has a name.
void tst_Observatory::everyControlIsNamedAndReachable()
{
    MainWindow window;
    Observatory observatory(&window);
    observatory.show();
    QVERIFY(QTest::qWaitForWindowExposed(&observatory));
    QWidget *first = button(observatory, "Run");
    QList<QWidget *> order{first};
    for (QWidget *widget = first->nextInFocusChain(); widget != first; widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisible() && !widget->focusProxy())
            order << widget;
    }
    for (QWidget *widget : order)
        QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
    QCOMPARE(order.size(), 32);
    QCOMPARE(order.at(order.size() - 3), observatory.findChild<LandscapeChart *>());
    QCOMPARE(order.constLast(), observatory.findChild<HistoryChart *>());
}

void tst_Observatory::chartDescriptionsFollowTheRun()
{
    MainWindow window;
    Observatory observatory(&window);
    observatory.show();
    button(observatory, "Step")->click();
    button(observatory, "Step")->click();
    QTRY_VERIFY(observatory.findChild<HistoryChart *>()->accessibleDescription().startsWith("Generation 2: best"));
    QVERIFY(observatory.findChild<LandscapeChart *>()->accessibleDescription().startsWith("Landscape tent"));
}

// The observatory open or not, closing the main window closes the last window that counts.
void tst_Observatory::closingTheMainWindowEndsTheProgram()
{
    MainWindow window;
    Observatory observatory(&window);
    window.show();
    observatory.show();
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer guard; // ends the loop with a failure if closing does not
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

// Steps reach the Generation and Schemata tabs; new genes and restarts are no steps.
void tst_Observatory::generationTabsFollowTheSteps()
{
    MainWindow window;
    Observatory observatory(&window);
    delete new Observatory(&window); // a second one's end leaves the first one's tabs running
    SchemataView *schemata = observatory.findChild<SchemataView *>();
    QVERIFY(schemata->track("1********"));
    button(observatory, "Step")->click();
    button(observatory, "New Genes")->click();
    button(observatory, "Step")->click();
    QCOMPARE(observatory.findChild<GenerationView *>()->selectionCheck().generations(), 2);
    QCOMPARE(schemata->columnCount(0), 2);
    observatory.restart(5);
    QVERIFY(!observatory.findChild<GenerationView *>()->hasGeneration());
    QCOMPARE(observatory.findChild<GenerationView *>()->selectionCheck().generations(), 0);
    QCOMPARE(schemata->columnCount(0), 0);
}

// A run chosen in an experiment window restarts the main window as that run, generation by generation.
void tst_Observatory::experimentRunIsWatchedExactly()
{
    MainWindow window;
    Observatory observatory(&window);
    ExperimentWindow *experiment = observatory.openExperiment();
    QVERIFY(experiment->isVisible());
    int needle[LandscapeSize];
    fillPreset(Preset::Needle, needle);
    const Settings settings{7, 90, 0};
    emit experiment->runChosen(QList<int>(needle, needle + LandscapeSize), "needle", settings, 42);
    QCOMPARE(observatory.landscapeName(), "needle");
    QCOMPARE(window.generationCount(), 0);
    Run run(needle, settings, 42);
    for (int generation = 0; generation < 30; ++generation) {
        button(observatory, "Step")->click();
        run.step();
    }
    QCOMPARE(genomeValues(window.community()), QList<int>(run.genomes(), run.genomes() + CommunitySize));
}

// The tent chosen after a shift is the preset, though Reload would bring the same values.
void tst_Observatory::presetIsNamedAsThePreset()
{
    MainWindow window;
    Observatory observatory(&window);
    button(window, "shift Left")->click();
    observatory.landscapePanel()->applyPreset(Preset::Tent);
    QCOMPARE(observatory.landscapeName(), "tent");
    QCOMPARE(observatory.markers().at(observatory.markers().count() - 1).text(), "Landscape: tent");
}

// Five menus; a key of the window's works while a number field has the focus.
void tst_Observatory::menusHoldEveryActionWithItsKeys()
{
    MainWindow window;
    Observatory observatory(&window);
    QStringList titles;
    for (const QAction *menu : observatory.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"&File", "&Run", "&Landscape", "&View", "&Help"}));
    QList<QKeySequence> keys;
    for (const QAction *action : observatory.findChildren<QAction *>())
        keys << action->shortcuts();
    for (const QKeySequence &key : {QKeySequence(QKeySequence::Open), QKeySequence(QKeySequence::Save),
                                    QKeySequence(QKeySequence::Undo), QKeySequence(QKeySequence::ZoomIn),
                                    QKeySequence(QKeySequence::HelpContents), QKeySequence(Qt::Key_F11)})
        QVERIFY2(keys.contains(key), qPrintable(key.toString()));
    observatory.showBeside();
    QVERIFY(QTest::qWaitForWindowActive(&observatory));
    QSpinBox *walk = parameterBox(observatory, "Walk seed");
    QTest::mouseClick(walk, Qt::LeftButton);
    QVERIFY(walk->hasFocus()); // a click into a field takes the focus
    QSpinBox *bias = parameterBox(observatory, "Mutation bias");
    bias->setFocus();
    QTest::keyClick(bias, Qt::Key_E, Qt::ControlModifier);
    QTRY_VERIFY(observatory.findChild<ExperimentWindow *>() && observatory.findChild<ExperimentWindow *>()->isVisible());
}

namespace {
// Changes every text, as a language whose words share none with English would.
class EveryTextTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *text, const char *, int) const override
    {
        return QString::fromUtf8(text).isEmpty() ? QString() : "«" + QString::fromUtf8(text) + "»";
    }
};
}

// No window finds another's widgets by their text: every one builds and runs translated.
void tst_Observatory::everyWindowWorksTranslated()
{
    QDir::setCurrent(QFINDTESTDATA("../landscapes"));
    EveryTextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto removal = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    MainWindow window;
    Observatory observatory(&window);
    // A preset's name is translated where it is shown and kept as it is for files.
    QVERIFY(observatory.findChild<RunCaption *>()->text().startsWith("«tent»"));
    QCOMPARE(observatory.landscapeName(), "tent");
    QVERIFY(observatory.openExperiment()->isVisible());
    window.slot_StepPreState();
    window.slot_RunPreState();
    QTRY_VERIFY(window.generationCount() > 3);
    window.slot_StopState();
    QVERIFY(observatory.loadLandscape("twodissimilarpeaks"));
    QCOMPARE(observatory.landscapeName(), "twodissimilarpeaks");
    QVERIFY(observatory.windowTitle().startsWith("«"));
}

QTEST_MAIN(tst_Observatory)
#include "tst_observatory.moc"
