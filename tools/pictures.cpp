// SPDX-License-Identifier: GPL-3.0-or-later
// Sets the windows up for one picture of the guide and saves it: the same clicks,
// seeds and steps every time. Run by tools/make-pictures.sh under Xvfb with a
// window manager, in the folder of the shipped landscapes:
//     vezo-pictures NAME FILE.png
// A new picture is a scene below and a line in the script.
#include "experimentwindow.h"
#include "framepacer.h"
#include "historychart.h"
#include "landscapechart.h"
#include "landscapepanel.h"
#include "languages.h"
#include "lcdrange.h"
#include "lessonmodel.h"
#include "mainwindow.h"
#include "observatory.h"
#include "schemataview.h"
#include "widgets.h"
#include "windowplacement.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <cstdio>
#include <functional>
#include <map>

namespace {
struct Windows
{
    MainWindow window;
    Observatory observatory{&window};

    Windows()
    {
        window.setGeometry(50, 0, 800, 600);
        (new WindowPlacement(&window))->placeFrame(QPoint(50, 0));
        new FramePacer(&window);
        observatory.setAttribute(Qt::WA_QuitOnClose, false);
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }

    void load(const QString &name)
    {
        window.loadFile(name);
    }
    void step(int generations)
    {
        for (int count = 0; count < generations; ++count)
            button(window, "Step")->click();
    }
    void observe()
    {
        observatory.showBeside();
        static_cast<void>(QTest::qWaitForWindowExposed(&observatory));
        observatory.activateWindow();
    }
    void showTab(int index) { observatory.findChild<QTabWidget *>()->setCurrentIndex(index); }

    // Twodissimilarpeaks: the members find the higher peak, the landscape is shifted
    // right under them in one hold of the button, and the mutation probability goes to 60.
    void shiftedRun()
    {
        load("twodissimilarpeaks");
        step(128);
        QPushButton *right = button(window, "shift Right");
        right->setDown(true);
        for (int count = 0; count < 112; ++count)
            window.slot_RShift();
        right->setDown(false);
        emit right->released();
        QTest::qWait(50);
        step(72);
        control(window, "% Prob(Mutation)")->setValue(60);
        step(272);
    }
};

// The whole screen, window frames included.
bool saveScreen(const QString &path)
{
    QTest::qWait(600);
    return QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

bool saveWindow(QWidget &widget, const QString &path)
{
    QTest::qWait(600);
    return widget.grab().save(path);
}

// Hovers the fitness chart from the left until a mark's tooltip shows.
void showMarkTooltip(HistoryChart *chart, const QString &containing)
{
    for (int x = 0; x < chart->width(); ++x) {
        const QPoint at(x, chart->height() / 3);
        QHelpEvent help(QEvent::ToolTip, at, chart->mapToGlobal(at));
        QApplication::sendEvent(chart, &help);
        if (QToolTip::isVisible() && QToolTip::text().contains(containing))
            return;
    }
}

// The needle of the guide's bias study: twodissimilarpeaks at 10 beyond 255 but for 378 to 390.
QString makeNeedle(const QTemporaryDir &folder)
{
    QFile source("twodissimilarpeaks");
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> values = source.readAll().simplified().split(' ');
    QByteArray text;
    for (int index = 0; index < values.size(); ++index)
        text += (index < 256 || (index >= 378 && index <= 390) ? values[index] : QByteArray("10")) + '\n';
    QFile needle(folder.filePath("needle"));
    if (!needle.open(QIODevice::WriteOnly) || needle.write(text) != text.size())
        return {};
    return needle.fileName();
}

template <typename Widget>
Widget *named(QWidget *window, const QString &name)
{
    for (Widget *candidate : window->findChildren<Widget *>()) {
        if (candidate->accessibleName() == name)
            return candidate;
    }
    return nullptr;
}

// A drag on the landscape chart from one point to another, both as fractions of its size.
void drag(LandscapeChart *chart, QPointF from, QPointF to)
{
    const auto at = [chart](QPointF point) {
        return QPoint(static_cast<int>(point.x() * chart->width()), static_cast<int>(point.y() * chart->height()));
    };
    QTest::mousePress(chart, Qt::LeftButton, {}, at(from));
    QTest::mouseMove(chart, at(to), Qt::ShiftModifier);
    QTest::mouseRelease(chart, Qt::LeftButton, Qt::ShiftModifier, at(to));
}

const std::map<QString, std::function<bool(const QString &)>> Scenes = {
    {"window", [](const QString &path) {
         Windows windows;
         return saveWindow(windows.window, path);
     }},
    {"running", [](const QString &path) {
         Windows windows;
         windows.load("twodissimilarpeaks");
         windows.step(200);
         return saveWindow(windows.window, path);
     }},
    {"observatory", [](const QString &path) {
         Windows windows;
         windows.observe();
         windows.shiftedRun();
         QTest::qWait(300);
         showMarkTooltip(windows.observatory.findChild<HistoryChart *>(), "shifted right");
         return saveScreen(path);
     }},
    {"observatory-zoomed", [](const QString &path) {
         Windows windows;
         windows.observe();
         windows.shiftedRun();
         windows.observatory.setZoom(150);
         return saveScreen(path);
     }},
    {"observatory-200", [](const QString &path) {
         Windows windows;
         windows.observe();
         windows.shiftedRun();
         windows.observatory.setZoom(200);
         return saveScreen(path);
     }},
    {"generation", [](const QString &path) {
         Windows windows;
         windows.observe();
         windows.shiftedRun();
         windows.showTab(1);
         return saveScreen(path);
     }},
    {"schemata", [](const QString &path) {
         Windows windows;
         windows.observe();
         SchemataView *schemata = windows.observatory.findChild<SchemataView *>();
         schemata->track("1********");
         schemata->track("11*******");
         windows.shiftedRun();
         windows.showTab(2);
         return saveScreen(path);
     }},
    {"editor", [](const QString &path) {
         Windows windows;
         windows.observe();
         windows.observatory.landscapePanel()->applyPreset(Preset::TwoPeaks);
         button(windows.observatory, "Edit landscape")->click();
         LandscapeChart *chart = windows.observatory.findChild<LandscapeChart *>();
         drag(chart, {0.52, 0.8}, {0.6, 0.35});
         drag(chart, {0.6, 0.35}, {0.68, 0.8});
         windows.step(150);
         return saveScreen(path);
     }},
    {"lesson", [](const QString &path) {
         Windows windows;
         QString error;
         if (!windows.observatory.openSnapshot(QFile::encodeName(QDir::current().filePath("../lessons/drift.vezo")), error))
             return false;
         windows.observe();
         LessonModel *lesson = windows.observatory.lessons();
         lesson->setPage(1);
         lesson->choose(2);
         if (!lesson->runStep(error))
             return false;
         return QTest::qWaitFor([lesson] { return !lesson->isMeasuring(); }, 30000) && saveScreen(path);
     }},
    // Under LANG=de_DE.UTF-8: the windows as a German class sees them.
    {"window-de", [](const QString &path) {
         Windows windows;
         windows.observe();
         // Beside the main window, not over it.
         const int left = windows.window.frameGeometry().right() + 10;
         windows.observatory.setGeometry(left, 0, QGuiApplication::primaryScreen()->availableGeometry().right() - left, 1000);
         windows.load("twodissimilarpeaks");
         for (int count = 0; count < 200; ++count)
             windows.window.slot_StepPreState();
         return saveScreen(path);
     }},
    {"experiment", [](const QString &path) {
         Windows windows;
         windows.observe();
         QTemporaryDir folder;
         if (!windows.observatory.loadLandscape(makeNeedle(folder)))
             return false;
         ExperimentWindow *experiment = windows.observatory.openExperiment();
         experiment->show();
         static_cast<void>(QTest::qWaitForWindowExposed(experiment));
         named<QLineEdit>(experiment, "Values of the parameter to vary")->setText("0,1,10");
         named<QSpinBox>(experiment, "Number of seeds")->setValue(100);
         named<QSpinBox>(experiment, "Generations per run")->setValue(1000);
         if (!experiment->start())
             return false;
         if (!QTest::qWaitFor([experiment] { return !experiment->isRunning(); }, 60000))
             return false;
         return saveWindow(*experiment, path);
     }},
};
}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("vezo-vizoziv");
    QGuiApplication::setDesktopFileName("vezo-vizoziv");
    const Languages languages(VEZO_TRANSLATIONS);
    if (argc != 3 || Scenes.count(argv[1]) == 0) {
        std::fprintf(stderr, "usage: vezo-pictures NAME FILE.png, NAME one of:");
        for (const auto &scene : Scenes)
            std::fprintf(stderr, " %s", qPrintable(scene.first));
        std::fprintf(stderr, "\n");
        return 2;
    }
    if (!Scenes.at(argv[1])(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "vezo-pictures: could not make %s\n", argv[2]);
        return 1;
    }
    return 0;
}
