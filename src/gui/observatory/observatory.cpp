// SPDX-License-Identifier: GPL-3.0-or-later
#include "observatory.h"
#include "chartaxis.h"
#include "common.h"
#include "controlcolumn.h"
#include "describe.h"
#include "experimentwindow.h"
#include "fileactions.h"
#include "framepacer.h"
#include "generationview.h"
#include "historychart.h"
#include "landscapechart.h"
#include "landscapecontrols.h"
#include "landscapename.h"
#include "landscapepanel.h"
#include "landscapeundo.h"
#include "lessonmeasure.h"
#include "lessonmodel.h"
#include "lessonpanel.h"
#include "mainwindow.h"
#include "preferences.h"
#include "recordcontrols.h"
#include "recordedrun.h"
#include "runcaption.h"
#include "runcontrols.h"
#include "runkeys.h"
#include "schemataview.h"
#include "throttle.h"
#include "timings.h"
#include "windowplacement.h"
#include "zoomsteps.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {
const int DescribeMilliseconds = 500; // how stale a chart's description may be
const int CaptionMargin = 4; // around the caption in a saved picture
const int MillisecondsPerSecond = 1000;
const double ColumnShare = 0.5; // of the screen's width, the most the controls take

// A chart in a pane that scrolls where the room is less than the chart needs to be read.
QScrollArea *scrolling(QWidget *chart)
{
    QScrollArea *scroller = new QScrollArea;
    scroller->setWidget(chart);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // the chart inside takes the focus, and is scrolled to
    return scroller;
}
}

Observatory::Observatory(MainWindow *window, QWidget *parent)
    : QMainWindow(parent, Qt::Window), window(window)
{
    setWindowTitle(tr("vezo-vizoziv Observatory"));
    setAttribute(Qt::WA_QuitOnClose, false);
    landscapeWatch = new LandscapeWatch(window, this);
    run = new RecordedRun(window, landscapeWatch, this);
    caption = new RunCaption(window);
    caption->setLandscapeName(landscapeWatch->name());
    landscapeChart = new LandscapeChart(window->environment(), window->community(), &run->history());
    landscapeChart->setAccessibleName(tr("Fitness landscape and members"));
    historyChart = new HistoryChart(&run->history(), &run->markers());
    historyChart->setAccessibleName(tr("Fitness, diversity and bits over the generations"));
    column = new ControlColumn(window, landscapeChart, landscapeWatch);
    runControls = column->run();
    landscapeControls = column->landscapes();
    landscapeEditor = column->drawing();
    recordControls = column->record();
    generationView = new GenerationView;
    schemataView = new SchemataView;
    lessonModel = new LessonModel(window, this);
    lessonView = new LessonPanel(lessonModel);
    landscapeEditor->setLessons(lessonModel);
    buildLayout();
    createMenus();
    setTabOrder();
    new RunKeys(this, runControls);
    placement = new WindowPlacement(this, window);
    landscapeChart->installEventFilter(this);

    const RunEvents *events = window->runEvents();
    connect(events, &RunEvents::runningChanged, caption, &RunCaption::fitHeight);

    connect(landscapeControls, &LandscapeControls::loadRequested, this, &Observatory::loadLandscape);
    connect(landscapeControls, &LandscapeControls::openRequested, this, &Observatory::chooseLandscapeFile);
    connect(recordControls, &RecordControls::restartRequested, this, &Observatory::restart);
    connect(recordControls, &RecordControls::clearRequested, this, &Observatory::clearHistory);
    connect(recordControls, &RecordControls::exportRequested, this, &Observatory::chooseCsvFile);
    connect(recordControls, &RecordControls::saveImageRequested, this, &Observatory::chooseImageFile);
    connect(recordControls, &RecordControls::experimentRequested, this, &Observatory::openExperiment);
    connect(landscapeWatch, &LandscapeWatch::changed, this, &Observatory::followLandscape);
    connect(events, &RunEvents::loadFailed, this, &Observatory::tellLoadFailed);
    connect(landscapeEditor, &LandscapePanel::snapshotRestored, this, &Observatory::followSnapshot);
    connect(landscapeEditor, &LandscapePanel::reported, this, &Observatory::reportPanelAction);
    connect(lessonView, &LessonPanel::experimentRequested, this, &Observatory::showLessonExperiment);
    connect(lessonView, &LessonPanel::said, this, [this](const QString &message) { statusBar()->showMessage(message); });
    connect(lessonModel, &LessonModel::lessonChanged, this, &Observatory::showLesson);
    connect(landscapeWatch, &LandscapeWatch::nameChanged, caption, &RunCaption::setLandscapeName);
    connect(landscapeWatch, &LandscapeWatch::nameChanged, landscapeChart, &LandscapeChart::setLandscapeName);
    landscapeChart->setLandscapeName(landscapeWatch->name());

    connect(events, &RunEvents::parameterChanged, generationView, [this] { generationView->setSettings(this->window->settings()); });
    connect(run, &RecordedRun::stepped, this, [this](long long generation, const GenerationTrace &trace, const Settings &settings) {
        generationView->addGeneration(generation, trace, this->window->environment(), settings);
        schemataView->addGeneration(generation, trace, settings);
        refresh();
    });
    connect(run, &RecordedRun::wasReset, this, [this] {
        generationView->forgetGeneration();
        generationView->clearCheck();
        schemataView->clearCounts();
    });
    connect(run, &RecordedRun::changed, this, &Observatory::refresh);
    connect(events, &RunEvents::parameterChanged, this, [this] { followDrift(false); });
    connect(events, &RunEvents::landscapeChanged, this, [this] { followDrift(false); });
    connect(events, &RunEvents::genomesReplaced, this, [this] { followDrift(true); });
    followDrift(true);

    describing = new Throttle(DescribeMilliseconds, [this] { describe(); }, this);

    connect(runControls, &RunControls::paceChanged, this, [this] { applyPace(isVisible()); });
    connect(runControls, &RunControls::paceChosen, this, &Preferences::setPace);
    runControls->setPace(Preferences::pace(RunControls::StartPace));
    zoomPercent = ZoomSteps::clamped(Preferences::observatoryZoom(ZoomSteps::Smallest));
    applyZoom();

    new FramePacer(this);
    describe();
}

Observatory::~Observatory()
{
    if (isVisible())
        Preferences::setObservatoryGeometry(saveGeometry());
}

// The controls in a column that scrolls when the window is short; the charts fill
// the rest, the landscape above the tabs, the line between them moved at will.
void Observatory::buildLayout()
{
    tabs = new QTabWidget;
    tabs->setDocumentMode(true);
    // Zoomed in, the charts grow past their panes and scroll.
    tabs->addTab(scrolling(historyChart), tr("Over the generations"));
    tabs->addTab(scrolling(generationView), tr("Generation"));
    tabs->addTab(scrolling(schemataView), tr("Schemata"));
    tabs->tabBar()->setAccessibleName(tr("Charts below"));
    // Zoomed in on a narrow screen the tabs' names are shortened, not scrolled out of sight.
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideRight);
    tabs->setTabToolTip(0, tr("Fitness, diversity and bits over the generations, with marks where something happened"));
    tabs->setTabToolTip(1, tr("What the latest generation drew: the wheel, the pairs, mutation and the selection check"));
    tabs->setTabToolTip(2, tr("Patterns of genomes followed against the schema theorem's bound"));
    // Tab goes to the tab bar itself: the tab widget, its stand-in by default,
    // would send the focus back to it after the charts.
    tabs->setFocusProxy(nullptr);
    tabs->setFocusPolicy(Qt::NoFocus);

    QSplitter *split = new QSplitter(Qt::Vertical);
    split->setChildrenCollapsible(false);
    split->addWidget(scrolling(landscapeChart));
    split->addWidget(tabs);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->restoreState(Preferences::observatorySplit());
    connect(split, &QSplitter::splitterMoved, this, [split] { Preferences::setObservatorySplit(split->saveState()); });

    QVBoxLayout *charts = new QVBoxLayout;
    charts->addWidget(caption);
    charts->addWidget(split, 1);

    QHBoxLayout *columns = new QHBoxLayout;
    columns->addWidget(column);
    columns->addLayout(charts, 1);

    QWidget *central = new QWidget;
    central->setLayout(columns);
    setCentralWidget(central);
    statusBar()->setSizeGripEnabled(false);

    lessonDock = new QDockWidget(tr("Lesson"));
    lessonDock->setObjectName(QStringLiteral("lesson"));
    // Zoomed in on a small screen the panel scrolls rather than widening the window past it.
    lessonDock->setWidget(scrolling(lessonView));
    lessonDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::RightDockWidgetArea, lessonDock);
    lessonDock->hide();
}

// Every action of the window in its menus; the keys work wherever the focus is.
// Space and "." are shown but taken by RunKeys, so that a focused button still
// answers its own Space.
void Observatory::createMenus()
{
    const auto add = [this](QMenu *menu, const QString &text, const QList<QKeySequence> &keys, auto slot) {
        QAction *action = menu->addAction(text);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    add(file, tr("&Open landscape…"), QKeySequence::keyBindings(QKeySequence::Open), [this] { chooseLandscapeFile(); });
    add(file, tr("Open &snapshot…"), {}, [this] { landscapeEditor->openSnapshotFile(); });
    add(file, tr("Save s&napshot…"), QKeySequence::keyBindings(QKeySequence::Save), [this] { landscapeEditor->saveSnapshotAs(); });
    add(file, tr("Save &landscape…"), {}, [this] { landscapeEditor->saveLandscapeAs(); });
    file->addSeparator();
    add(file, tr("&Export CSV…"), {}, [this] { chooseCsvFile(); });
    add(file, tr("Save &image…"), {}, [this] { chooseImageFile(); });
    add(file, tr("E&xperiment…"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { openExperiment(); });
    file->addSeparator();
    add(file, tr("&Close"), QKeySequence::keyBindings(QKeySequence::Close), [this] { hide(); });
    add(file, tr("&Quit"), QKeySequence::keyBindings(QKeySequence::Quit), [this] {
        if (landscapeEditor->mayLeaveLesson())
            QCoreApplication::quit();
    });

    QMenu *run = menuBar()->addMenu(tr("&Run"));
    add(run, tr("&Run or stop") + "\t" + tr("Space"), {}, [this] { runControls->toggleRun(); });
    add(run, tr("S&tep") + "\t.", {}, [this] { runControls->step(); });
    add(run, tr("Re&start with the seed"), {}, [this] { recordControls->restart(); });
    add(run, tr("&New genes"), {}, [this] { window->slot_NewGenes(); });
    add(run, tr("&Clear the history"), {}, [this] { clearHistory(); });

    QMenu *landscape = menuBar()->addMenu(tr("&Landscape"));
    landscape->addAction(landscapeEditor->undo()->undoAction());
    landscape->addAction(landscapeEditor->undo()->redoAction());
    landscape->addSeparator();
    landscape->addAction(landscapeEditor->editAction());
    landscape->addMenu(landscapeEditor->presetMenu());
    const auto reloadText = [](const QString &name) {
        return tr("Re&load: back to %1").arg(LandscapeName::shown(name).replace('&', QStringLiteral("&&")));
    };
    QAction *reload = add(landscape, reloadText(landscapeWatch->reference()), {}, [this] { window->slot_Reload(); });
    connect(landscapeWatch, &LandscapeWatch::referenceChanged, reload,
            [reload, reloadText](const QString &name) { reload->setText(reloadText(name)); });
    add(landscape, tr("Shift &left"), {}, [this] { window->slot_LShift(); });
    add(landscape, tr("Shift &right"), {}, [this] { window->slot_RShift(); });
    add(landscape, tr("Shift &up"), {}, [this] { window->slot_UShift(); });
    add(landscape, tr("Shift &down"), {}, [this] { window->slot_DShift(); });

    QMenu *view = menuBar()->addMenu(tr("&View"));
    add(view, tr("Zoom &in"), {QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { zoomIn(); });
    add(view, tr("Zoom &out"), QKeySequence::keyBindings(QKeySequence::ZoomOut), [this] { zoomOut(); });
    add(view, tr("&Actual size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setZoom(ZoomSteps::Smallest); });
    QAction *lessonAction = lessonDock->toggleViewAction();
    lessonAction->setText(tr("&Lesson"));
    lessonAction->setShortcut(QKeySequence(Qt::Key_F3));
    view->addAction(lessonAction);
    add(view, tr("&Full screen"), QKeySequence::keyBindings(QKeySequence::FullScreen) << QKeySequence(Qt::Key_F11),
        [this] { toggleFullScreen(); });
    // F2 in the main window too.
    window->addAction(add(view, tr("&Show or hide the observatory"), {QKeySequence(Qt::Key_F2)}, [this] { toggle(); }));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("&Help contents"), QKeySequence::keyBindings(QKeySequence::HelpContents), [this] { showHelp(); });
}

void Observatory::showHelp()
{
    const QString guide = QStandardPaths::locate(QStandardPaths::GenericDataLocation, "doc/vezo-vizoziv/guide.md");
    QMessageBox::information(
        this, windowTitle(),
        tr("The observatory shows the main window's run: the landscape with its members above, and below, "
           "fitness, diversity and bits over the generations, what the latest generation drew, and how "
           "patterns of genomes fare.\n\nSpace runs and stops, \".\" steps, F2 shows or hides this window, "
           "Ctrl+E opens the experiment window; every other action is in the menus with its keys.\n\n%1")
            .arg(guide.isEmpty() ? tr("The user guide, guide.md, comes with the program.")
                                 : tr("The user guide: %1").arg(guide)));
}

// The controls top to bottom, then the charts and what each tab holds, and round
// to the first control again. Tab skips what a hidden tab holds.
void Observatory::setTabOrder()
{
    QList<QWidget *> order = column->tabOrder();
    order << landscapeChart << tabs->tabBar() << historyChart << generationView->tabOrder() << schemataView->tabOrder();
    order << lessonView->tabOrder();
    for (qsizetype index = 1; index < order.size(); ++index)
        QWidget::setTabOrder(order.at(index - 1), order.at(index));
    QWidget::setTabOrder(order.constLast(), order.constFirst());
}

bool Observatory::exportCsv(const QString &path, QString &error) const
{
    return run->exportCsv(path, error);
}

bool Observatory::saveImage(const QString &path, QString &error)
{
    return FileActions::savePng(picture(), FileActions::withSuffix(path, "png"), error);
}

// The caption line above the charts, at the size they are shown.
QImage Observatory::picture() const
{
    const QPixmap top = landscapeChart->grab();
    const QPixmap bottom = tabs->currentWidget()->grab();
    const int width = std::max(top.deviceIndependentSize().width(), bottom.deviceIndependentSize().width());
    const QStringList lines = caption->lines(QFontMetrics(caption->font()), width - 2 * CaptionMargin);
    return FileActions::captioned(lines, caption->font(), {top, bottom});
}

int Observatory::pace() const
{
    return runControls->pace();
}

void Observatory::setPace(int generationsPerSecond)
{
    runControls->setPace(generationsPerSecond);
    Preferences::setPace(pace());
}

// The whole window, controls included: what a class reads from afar.
void Observatory::setZoom(int percent)
{
    const int before = zoomPercent;
    zoomPercent = ZoomSteps::clamped(percent);
    if (before == ZoomSteps::Smallest && zoomPercent > before && isVisible() && windowState() == Qt::WindowNoState)
        unzoomed = geometry();
    applyZoom();
    Preferences::setObservatoryZoom(zoomPercent);
    if (!isVisible() || windowState() != Qt::WindowNoState)
        return;
    if (zoomPercent == ZoomSteps::Smallest && unzoomed.isValid()) {
        // The smaller minimum sizes first, or the old ones would hold the window wide.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        setGeometry(unzoomed);
        unzoomed = QRect();
    } else if (zoomPercent > before) {
        // The charts get as much room as the controls, as far as the screen has it; it keeps the window on it.
        const int frame = frameGeometry().width() - width();
        resize(std::max(width(), std::min(2 * column->width(), screen()->availableGeometry().width() - frame)), height());
    }
}

void Observatory::applyZoom()
{
    const double zoom = ZoomSteps::factor(zoomPercent);
    setFont(Chart::zoomedFont(QApplication::font(), zoom));
    column->fitWidth(static_cast<int>(screen()->availableGeometry().width() * ColumnShare));
    landscapeChart->setZoom(zoom);
    historyChart->setZoom(zoom);
    generationView->setZoom(zoom);
    schemataView->setZoom(zoom);
    lessonView->setZoom(zoom);
    caption->updateGeometry();
}

void Observatory::zoomIn()
{
    setZoom(ZoomSteps::in(zoomPercent));
}

void Observatory::zoomOut()
{
    setZoom(ZoomSteps::out(zoomPercent));
}

ExperimentWindow *Observatory::openExperiment()
{
    const Settings settings{window->fitnessMultiplier(), window->mutationProbability(), window->mutationBias()};
    if (!experiment) {
        experiment = new ExperimentWindow(window->environment(), landscapeName(), settings, this);
        connect(experiment, &ExperimentWindow::runChosen, this, &Observatory::watchRun);
        WindowPlacement::centre(experiment, this);
    } else if (!experiment->isRunning()) {
        experiment->setStart(window->environment(), landscapeName(), settings);
    }
    experiment->show();
    experiment->raise();
    experiment->activateWindow();
    return experiment;
}

void Observatory::watchRun(const QList<int> &landscape, const QString &name, const Settings &settings, unsigned seed)
{
    window->setLandscape(landscape.constData(), RunEvents::Snapshot, name);
    window->setFitness(settings.fitness);
    window->setMuteProb(settings.mutation);
    window->setMuteBias(settings.bias);
    restart(seed);
    showBeside();
}

void Observatory::restart(unsigned seed)
{
    window->restartWithSeed(seed);
    run->reset(tr("Restarted with seed %1").arg(seed));
    caption->setSeed(seed);
    recordControls->setSeed(seed);
    statusBar()->showMessage(tr("Restarted with seed %1").arg(seed), StatusMilliseconds);
}

void Observatory::clearHistory()
{
    run->reset(QString());
}

bool Observatory::loadLandscape(const QString &nameOrPath)
{
    if (window->runEvents()->isRunning())
        return false;
    window->loadFile(nameOrPath);
    return window->lastLoadError().isEmpty();
}

QString Observatory::landscapeName() const
{
    return landscapeWatch->name();
}

bool Observatory::openSnapshot(const QByteArray &path, QString &error)
{
    return landscapeEditor->openSnapshot(path, error);
}

// The snapshot's pace is for this run: the pace remembered for the next start stays.
// A lesson sets the pace only where it names one.
void Observatory::followSnapshot(const RunState &state)
{
    if (!lessonModel->hasLesson())
        runControls->setPace(state.pace);
    else if (lessonModel->lesson().pace)
        runControls->setPace(*lessonModel->lesson().pace);
    caption->setSeed(state.reseedSeed);
    recordControls->setSeed(state.reseedSeed);
    run->reset(tr("Opened a snapshot of %1").arg(LandscapeName::shown(landscapeName())));
}

void Observatory::toggle()
{
    if (isVisible())
        hide();
    else
        showBeside();
}

// The first time beside the main window, where the screen has room for it, or
// over it, filling the screen; later where it was left, also in a later start.
void Observatory::showBeside()
{
    placement->show(Preferences::observatoryGeometry());
}

void Observatory::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

// A paint of the charts ends a pending refresh.
bool Observatory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == landscapeChart && event->type() == QEvent::Paint)
        refreshPending = false;
    return QMainWindow::eventFilter(watched, event);
}

void Observatory::showEvent(QShowEvent *event)
{
    applyPace(true);
    describing->request();
    QMainWindow::showEvent(event);
}

void Observatory::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) {
        Preferences::setObservatoryGeometry(saveGeometry());
        applyPace(false);
    }
    QMainWindow::hideEvent(event);
}

// Hidden, the main window runs as fast as it always has.
void Observatory::applyPace(bool shown)
{
    window->setRunInterval(shown && pace() > 0 ? MillisecondsPerSecond / pace() : 0);
}

// A lesson's panel comes into view with it; where the window then no longer fits
// beside the main window it fills the screen, as it does when first shown.
void Observatory::showLesson()
{
    if (!lessonModel->hasLesson() || lessonDock->isVisible())
        return;
    const QRect room = screen()->availableGeometry();
    const bool fits = geometry().left() + centralWidget()->minimumSizeHint().width() + lessonDock->sizeHint().width() <= room.right();
    lessonDock->show();
    if (isVisible() && !fits && !isMaximized() && !isFullScreen())
        setWindowState(windowState() | Qt::WindowMaximized);
}

// The lesson's experiment, made again where its charts and runs can be seen.
void Observatory::showLessonExperiment()
{
    ExperimentPlan plan;
    QString why;
    if (!lessonModel->experimentPlan(plan, why)) {
        statusBar()->showMessage(why);
        return;
    }
    ExperimentWindow *shown = openExperiment();
    if (shown->isRunning()) {
        statusBar()->showMessage(tr("The experiment window is busy: cancel its experiment first."));
        return;
    }
    shown->setPlan(plan, landscapeName());
    shown->start();
}

// A failed load is said here, as the main window does not; a good one clears that.
void Observatory::followLandscape(LandscapeWatch::Change change)
{
    if (change == RunEvents::Loaded)
        statusBar()->clearMessage();
}

// While the landscape is flat and nothing mutates, drift alone moves the members:
// the history chart shows theory's diversity from where that began, or from new genomes.
void Observatory::followDrift(bool genomesReplaced)
{
    if (!isFlat(window->environment()) || window->mutationProbability() != 0) {
        historyChart->setDriftStart(std::nullopt);
    } else if (genomesReplaced || !historyChart->driftStart()) {
        const double diversity = recordGeneration(window->generationCount(), window->environment(), window->community()).diversity();
        historyChart->setDriftStart(HistoryChart::DriftStart{window->generationCount(), diversity});
    }
}

// The charts ask for one paint until they paint; the caption likewise, until the
// landscape chart paints: a running window asks after every generation.
void Observatory::refresh()
{
    landscapeChart->changed();
    historyChart->changed();
    describing->request();
    if (refreshPending)
        return;
    refreshPending = true;
    caption->update();
}

// What the charts show now, for those who cannot see them.
void Observatory::describe()
{
    if (isVisible())
        describeWidget(caption, caption->text());
}

// On the status line, which screen readers read by its message, and where the
// keyboard focus is: a window in front of this one shows it beside its focused
// control. An alert either way, so that a screen reader says it at once.
void Observatory::tellLoadFailed(const QString &message)
{
    statusBar()->showMessage(message);
    QWidget *focus = QApplication::focusWidget();
    QWidget *told = statusBar();
    if (focus && focus->window() != this) {
        QToolTip::showText(focus->mapToGlobal(QPoint(0, focus->height())), message, focus, QRect(), StatusMilliseconds);
        told = focus;
    }
    QAccessibleEvent alert(told, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// A file that does not load is said on the status line, as "Load File:" is.
void Observatory::chooseLandscapeFile()
{
    if (window->runEvents()->isRunning())
        return;
    const QString path = FileActions::chooseOpenFile(this, tr("Open a landscape"), QString());
    if (!path.isEmpty() && loadLandscape(QFileInfo(path).absoluteFilePath()))
        FileActions::rememberOpened(path);
}

void Observatory::chooseCsvFile()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Export CSV"), "vezo-vizoziv.csv", tr("CSV files (*.csv)"), "csv");
    if (path.isEmpty())
        return;
    QString error;
    const bool done = exportCsv(path, error);
    FileActions::reportSave(this, statusBar(), path, done,
                            tr("Exported %Ln generation(s) to %1", nullptr, run->history().fullCount()).arg(path), error);
}

void Observatory::chooseImageFile()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Save image"), "observatory.png", tr("PNG images (*.png)"), "png");
    if (path.isEmpty())
        return;
    QString error;
    const bool done = saveImage(path, error);
    FileActions::reportSave(this, statusBar(), path, done, tr("Saved the image to %1").arg(path), error);
}

void Observatory::reportPanelAction(const QString &path, bool saving, bool done, const QString &message,
                                    const QString &error)
{
    (saving ? FileActions::reportSave : FileActions::reportOpen)(this, statusBar(), path, done, message, error);
}

const HistoryMarkers &Observatory::markers() const
{
    return run->markers();
}
