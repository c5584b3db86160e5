// SPDX-License-Identifier: GPL-3.0-or-later
#include "observatory.h"
#include "chartaxis.h"
#include "common.h"
#include "experimentwindow.h"
#include "fileactions.h"
#include "framepacer.h"
#include "generationview.h"
#include "historychart.h"
#include "landscapechart.h"
#include "landscapecontrols.h"
#include "landscapepanel.h"
#include "mainwindow.h"
#include "parametercaption.h"
#include "parametercontrols.h"
#include "recordcontrols.h"
#include "runcaption.h"
#include "runcontrols.h"
#include "safefile.h"
#include "schemataview.h"
#include "throttle.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {
const int StatusMilliseconds = 8000;
const int DescribeMilliseconds = 500; // how stale a chart's description may be
const int WindowGap = 8;
const int ZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};
const int PercentFor = 100;
const int CaptionMargin = 4; // around the caption in a saved picture
const int MillisecondsPerSecond = 1000;

// Remembered between starts.
const char PaceKey[] = "observatory/pace";
const char ZoomKey[] = "observatory/zoom";
const char GeometryKey[] = "observatory/geometry";
const char SplitKey[] = "observatory/split";

}

Observatory::Observatory(MainWindow *window, QWidget *parent)
    : QWidget(parent, Qt::Window), window(window)
{
    setWindowTitle(tr("vezo-vizoziv Observatory"));
    setAttribute(Qt::WA_QuitOnClose, false);
    clock.start();
    shown = window->settings();

    landscapeWatch = new LandscapeWatch(window, this);
    runControls = new RunControls(window);
    parameterControls = new ParameterControls(window);
    landscapeControls = new LandscapeControls(window);
    recordControls = new RecordControls;
    caption = new RunCaption(window);
    caption->setLandscapeName(landscapeWatch->name());
    landscapeChart = new LandscapeChart(window->environment(), window->community(), &recorded);
    landscapeChart->setAccessibleName(tr("Fitness landscape and members"));
    historyChart = new HistoryChart(&recorded, &marks);
    historyChart->setAccessibleName(tr("Fitness, diversity and bits over the generations"));
    for (QWidget *chart : {static_cast<QWidget *>(landscapeChart), static_cast<QWidget *>(historyChart)})
        chart->setFocusPolicy(Qt::StrongFocus);
    landscapeEditor = new LandscapePanel(window, landscapeChart, landscapeWatch);
    generationView = new GenerationView;
    schemataView = new SchemataView;

    QWidget *panel = new QWidget;
    QVBoxLayout *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(QMargins());
    for (QWidget *group : {static_cast<QWidget *>(runControls), static_cast<QWidget *>(parameterControls),
                           static_cast<QWidget *>(landscapeControls), static_cast<QWidget *>(landscapeEditor),
                           static_cast<QWidget *>(recordControls)})
        panelLayout->addWidget(group);
    panelLayout->addStretch(1);
    buildLayout(panel);
    addShortcuts();
    setTabOrder();
    for (QAbstractSpinBox *box : findChildren<QAbstractSpinBox *>())
        box->installEventFilter(this);
    landscapeChart->installEventFilter(this);

    const RunEvents *events = window->runEvents();
    const auto followRunning = [this](bool running) {
        runControls->setStopped(!running);
        landscapeControls->setStopped(!running);
        caption->fitHeight();
    };
    connect(events, &RunEvents::runningChanged, this, followRunning);
    followRunning(events->isRunning());

    connect(landscapeControls, &LandscapeControls::loadRequested, this, &Observatory::loadLandscape);
    connect(landscapeControls, &LandscapeControls::openRequested, this, &Observatory::chooseLandscapeFile);
    connect(recordControls, &RecordControls::restartRequested, this, &Observatory::restart);
    connect(recordControls, &RecordControls::clearRequested, this, &Observatory::clearHistory);
    connect(recordControls, &RecordControls::exportRequested, this, &Observatory::chooseCsvFile);
    connect(recordControls, &RecordControls::saveImageRequested, this, &Observatory::chooseImageFile);
    connect(recordControls, &RecordControls::experimentRequested, this, &Observatory::openExperiment);
    connect(landscapeWatch, &LandscapeWatch::changed, this, &Observatory::followLandscape);
    connect(landscapeControls, &LandscapeControls::holdStarted, landscapeWatch, &LandscapeWatch::beginGroup);
    connect(landscapeControls, &LandscapeControls::holdEnded, landscapeWatch, &LandscapeWatch::endGroup);
    connect(events, &RunEvents::loadFailed, statusBar, [this](const QString &message) { statusBar->showMessage(message); });
    connect(landscapeEditor, &LandscapePanel::snapshotRestored, this, &Observatory::followSnapshot);
    connect(landscapeEditor, &LandscapePanel::reported, this, &Observatory::reportPanelAction);
    connect(landscapeWatch, &LandscapeWatch::nameChanged, caption, &RunCaption::setLandscapeName);
    connect(landscapeWatch, &LandscapeWatch::nameChanged, landscapeControls, &LandscapeControls::showName);

    connect(events, &RunEvents::generationStepped, this, &Observatory::recordStep);
    connect(events, &RunEvents::genomesReplaced, this, &Observatory::followGenomes);
    connect(events, &RunEvents::parameterChanged, this, &Observatory::markParameter);

    describing = new Throttle(DescribeMilliseconds, [this] { describe(); }, this);

    connect(runControls, &RunControls::paceChanged, this, [this](int pace) {
        if (!openingSnapshot)
            remember(PaceKey, pace);
        landscapeEditor->setPace(pace);
        applyPace(isVisible());
    });
    runControls->setPace(setting(PaceKey, RunControls::StartPace).toInt());
    landscapeEditor->setPace(pace());
    zoomPercent = std::clamp(setting(ZoomKey, SmallestZoom).toInt(), SmallestZoom, LargestZoom);
    applyZoom();

    new FramePacer(this);
    recordGeneration();
    describe();
}

Observatory::~Observatory()
{
    if (isVisible())
        saveGeometrySetting();
}

// The controls in a column that scrolls when the window is short; the charts fill
// the rest, the landscape above the tabs, the line between them moved at will.
void Observatory::buildLayout(QWidget *panel)
{
    QScrollArea *panelArea = new QScrollArea;
    panelArea->setWidget(panel);
    panelArea->setWidgetResizable(true);
    panelArea->setFrameShape(QFrame::NoFrame);
    panelArea->setFocusPolicy(Qt::NoFocus);
    panelArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelArea->setFixedWidth(panel->sizeHint().width() + panelArea->verticalScrollBar()->sizeHint().width());
    panelArea->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    tabs = new QTabWidget;
    tabs->setDocumentMode(true);
    tabs->addTab(historyChart, tr("Over the generations"));
    for (QWidget *view : {static_cast<QWidget *>(generationView), static_cast<QWidget *>(schemataView)}) {
        // Zoomed in, the views grow past the tab and scroll.
        QScrollArea *scroller = new QScrollArea;
        scroller->setWidget(view);
        scroller->setWidgetResizable(true);
        scroller->setFrameShape(QFrame::NoFrame);
        tabs->addTab(scroller, view == generationView ? tr("Generation") : tr("Schemata"));
    }
    tabs->tabBar()->setAccessibleName(tr("Charts below"));

    QSplitter *split = new QSplitter(Qt::Vertical);
    split->setChildrenCollapsible(false);
    split->addWidget(landscapeChart);
    split->addWidget(tabs);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->restoreState(setting(SplitKey).toByteArray());
    connect(split, &QSplitter::splitterMoved, this, [split] { remember(SplitKey, split->saveState()); });

    QVBoxLayout *charts = new QVBoxLayout;
    charts->addWidget(caption);
    charts->addWidget(split, 1);

    QHBoxLayout *columns = new QHBoxLayout;
    columns->addWidget(panelArea);
    columns->addLayout(charts, 1);

    statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);

    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(statusBar);
}

void Observatory::addShortcuts()
{
    const auto shortcut = [this](const QKeySequence &keys, QWidget *target, void (Observatory::*action)()) {
        connect(new QShortcut(keys, target), &QShortcut::activated, this, action);
    };
    shortcut(Qt::Key_F2, window, &Observatory::toggle);
    shortcut(Qt::Key_F2, this, &Observatory::toggle);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), this, &Observatory::zoomIn);
    shortcut(QKeySequence::ZoomIn, this, &Observatory::zoomIn);
    shortcut(QKeySequence::ZoomOut, this, &Observatory::zoomOut);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, this,
            [this] { setZoom(SmallestZoom); });
    shortcut(Qt::Key_F11, this, &Observatory::toggleFullScreen);
    shortcut(QKeySequence::Open, this, &Observatory::chooseLandscapeFile);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this), &QShortcut::activated, this,
            &Observatory::openExperiment);
}

// The controls top to bottom, then the charts.
void Observatory::setTabOrder()
{
    QList<QWidget *> order = runControls->tabOrder() + parameterControls->tabOrder() + landscapeControls->tabOrder()
                             + landscapeEditor->tabOrder() + recordControls->tabOrder();
    order << landscapeChart << tabs->tabBar() << historyChart << generationView << schemataView;
    for (qsizetype index = 1; index < order.size(); ++index)
        QWidget::setTabOrder(order.at(index - 1), order.at(index));
}

bool Observatory::exportCsv(const QString &path, QString &error) const
{
    QByteArray text(CsvHeader);
    char row[CsvRowMaxLength];
    for (int index = 0; index < recorded.fullCount(); ++index)
        text.append(row, writeCsvRow(row, recorded.full(index)) - row);
    return writeWholeFile(QFile::encodeName(path), text, error);
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
}

// The charts and the caption: what a class reads from afar.
void Observatory::setZoom(int percent)
{
    zoomPercent = std::clamp(percent, SmallestZoom, LargestZoom);
    applyZoom();
    remember(ZoomKey, zoomPercent);
}

void Observatory::applyZoom()
{
    const QFont font = Chart::zoomedFont(QWidget::font(), double(zoomPercent) / PercentFor);
    for (QWidget *widget : {static_cast<QWidget *>(landscapeChart), static_cast<QWidget *>(historyChart),
                            static_cast<QWidget *>(caption)})
        widget->setFont(font);
    landscapeChart->setZoom(double(zoomPercent) / PercentFor);
    historyChart->setZoom(double(zoomPercent) / PercentFor);
    generationView->setZoom(double(zoomPercent) / PercentFor);
    schemataView->setZoom(double(zoomPercent) / PercentFor);
    caption->updateGeometry();
}

void Observatory::zoomIn()
{
    const int *next = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoomPercent);
    setZoom(next != std::end(ZoomSteps) ? *next : LargestZoom);
}

void Observatory::zoomOut()
{
    const int *next = std::lower_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoomPercent);
    setZoom(next != std::begin(ZoomSteps) ? *(next - 1) : SmallestZoom);
}

ExperimentWindow *Observatory::openExperiment()
{
    const Settings settings{window->fitnessMultiplier(), window->mutationProbability(), window->mutationBias()};
    if (!experiment) {
        experiment = new ExperimentWindow(window->environment(), landscapeName(), settings, this);
        connect(experiment, &ExperimentWindow::runChosen, this, &Observatory::watchRun);
        // Whole on the screen: where its size does not fit, it fills the screen.
        const QRect room = screen()->availableGeometry();
        const QSize size = experiment->sizeHint();
        const QSize frame = frameGeometry().size() - geometry().size(); // as this window is framed
        if (size.width() + frame.width() > room.width() || size.height() + frame.height() > room.height()) {
            experiment->setWindowState(Qt::WindowMaximized);
        } else {
            experiment->resize(size);
            experiment->move(room.center() - QPoint(size.width() / 2, size.height() / 2));
        }
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
    recorded.clear();
    marks.clear();
    generationView->forgetGeneration();
    schemataView->clearCounts();
    window->restartWithSeed(seed);
    caption->setSeed(seed);
    recordControls->setSeed(seed);
    marks.add(HistoryMarker::Restart, window->generationCount(), tr("Restarted with seed %1").arg(seed), clock.elapsed());
    statusBar->showMessage(tr("Restarted with seed %1").arg(seed), StatusMilliseconds);
}

void Observatory::clearHistory()
{
    recorded.clear();
    marks.clear();
    generationView->clearCheck();
    schemataView->clearCounts();
    recordGeneration();
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
void Observatory::followSnapshot(const RunState &state)
{
    openingSnapshot = true;
    setPace(state.pace);
    openingSnapshot = false;
    caption->setSeed(state.reseedSeed);
    recordControls->setSeed(state.reseedSeed);
    recorded.clear();
    marks.clear();
    generationView->forgetGeneration();
    schemataView->clearCounts();
    recordGeneration();
    marks.add(HistoryMarker::Restart, window->generationCount(), tr("Opened a snapshot of %1").arg(landscapeName()),
              clock.elapsed());
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
    if (!placed) {
        placed = true;
        if (!restoreGeometry(setting(GeometryKey).toByteArray()))
            placeBeside();
    }
    show();
    raise();
    activateWindow();
}

// The frame's place is known only once the window manager has framed the window:
// until then the main window's frame stands for it, and the first move or resize
// with a frame brings the whole of it into the room it was given.
void Observatory::placeBeside()
{
    const QRect main = window->frameGeometry();
    const QRect room = window->screen()->availableGeometry();
    const QMargins frame(window->geometry().left() - main.left(), window->geometry().top() - main.top(),
                         main.right() - window->geometry().right(), main.bottom() - window->geometry().bottom());
    const QRect beside(QPoint(main.right() + 1 + WindowGap, room.top()), room.bottomRight());
    if (beside.width() - frame.left() - frame.right() < minimumSizeHint().width()
        || beside.height() - frame.top() - frame.bottom() < minimumSizeHint().height()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    move(beside.topLeft());
    resize((beside - frame).size());
    frameRoom = beside;
}

void Observatory::keepFrameInRoom()
{
    const QRect frame = frameGeometry();
    if (frameRoom.isNull() || frame == geometry())
        return;
    const QRect room = frameRoom;
    frameRoom = QRect();
    if (!room.contains(frame)) {
        resize(width() - std::max(0, frame.right() - room.right()), height() - std::max(0, frame.bottom() - room.bottom()));
        move(room.topLeft());
    }
}

void Observatory::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    keepFrameInRoom();
}

void Observatory::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    keepFrameInRoom();
}

void Observatory::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

// Space and "." wherever a focused control does not take them itself: a number
// has no use for either. A paint of the charts ends a pending refresh.
bool Observatory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == landscapeChart && event->type() == QEvent::Paint)
        refreshPending = false;
    else if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractSpinBox *>(watched))
        return runKey(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void Observatory::keyPressEvent(QKeyEvent *event)
{
    if (!runKey(event))
        QWidget::keyPressEvent(event);
}

bool Observatory::runKey(const QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (event->key() == Qt::Key_Space)
        runControls->toggleRun();
    else if (event->key() == Qt::Key_Period)
        runControls->step();
    else
        return false;
    return true;
}

void Observatory::showEvent(QShowEvent *event)
{
    applyPace(true);
    QWidget::showEvent(event);
}

void Observatory::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) {
        saveGeometrySetting();
        applyPace(false);
    }
    QWidget::hideEvent(event);
}

// Hidden, the main window runs as fast as it always has.
void Observatory::applyPace(bool shown)
{
    window->setRunInterval(shown && pace() > 0 ? MillisecondsPerSecond / pace() : 0);
}

void Observatory::saveGeometrySetting()
{
    remember(GeometryKey, saveGeometry());
}

void Observatory::recordGeneration()
{
    recorded.add(::recordGeneration(window->generationCount(), window->environment(), window->community()));
    refresh();
}

void Observatory::recordStep(const GenerationTrace &trace)
{
    recorded.add(::recordGeneration(window->generationCount(), window->environment(), window->community()));
    generationView->addGeneration(window->generationCount(), trace, window->environment(), window->settings());
    schemataView->addGeneration(window->generationCount(), trace, window->settings());
    refresh();
}

// New genes are marked; a restart and a snapshot mark themselves.
void Observatory::followGenomes(RunEvents::GenomesChange change)
{
    if (change == RunEvents::NewGenes)
        marks.add(HistoryMarker::Genes, window->generationCount(), tr("New genes drawn"), clock.elapsed());
    recordGeneration();
}

void Observatory::markParameter(const Parameter *changed, int value)
{
    const Parameter &parameter = *changed;
    generationView->setSettings(window->settings());
    marks.addParameter(window->generationCount(), parameterCaption(parameter), shown.value(parameter), value,
                       clock.elapsed());
    shown.set(parameter, value);
    refresh();
}

// A failed load is said here, as the main window does not; a good one clears that.
// One mark for a stroke, however many moves drew it.
void Observatory::followLandscape(LandscapeWatch::Change change)
{
    if (change == RunEvents::Loaded)
        statusBar->clearMessage();
    const bool sameStroke = change == RunEvents::Stroke && landscapeWatch->group() != 0
                            && landscapeWatch->group() == markedGroup;
    markedGroup = landscapeWatch->group();
    if (!sameStroke)
        marks.add(HistoryMarker::Landscape, window->generationCount(),
                  LandscapeWatch::describe(change, landscapeWatch->name()), clock.elapsed());
    refresh();
}

// Once until the charts next paint: a running window asks after every generation.
void Observatory::refresh()
{
    describing->request();
    if (refreshPending)
        return;
    refreshPending = true;
    landscapeChart->update();
    historyChart->update();
    caption->update();
}

// What the charts show now, for those who cannot see them.
void Observatory::describe()
{
    if (recorded.isEmpty())
        return;
    const GenerationRecord &latest = recorded.latest();
    const auto [lowest, highest] = std::minmax_element(window->environment(), window->environment() + LandscapeSize);
    std::map<int, int> members;
    for (int membr = 0; membr < CommunitySize; ++membr)
        ++members[genomeAsInteger(GenomeLength, const_cast<int *>(window->community()[membr]))];
    QStringList standing;
    for (const auto &[genome, count] : members)
        standing << tr("%1 on genome %2 (fitness %3)").arg(count).arg(genome).arg(window->environment()[genome]);
    landscapeChart->setAccessibleDescription(tr("Landscape %1, values %2 to %3, highest at genome %4. Members: %5.")
                                                 .arg(landscapeWatch->name())
                                                 .arg(*lowest)
                                                 .arg(*highest)
                                                 .arg(highest - window->environment())
                                                 .arg(standing.join(tr("; "))));
    historyChart->setAccessibleDescription(
        tr("Generation %1: best %2, mean %3, worst %4, diversity %5 of 9; %6 marks.")
            .arg(latest.generation)
            .arg(latest.best)
            .arg(latest.mean(), 0, 'f', 1)
            .arg(latest.worst)
            .arg(double(latest.hammingSum) / CommunityPairs, 0, 'f', 2)
            .arg(marks.count()));
    caption->setAccessibleDescription(caption->text());
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
    FileActions::reportSave(this, statusBar, path, done,
                            tr("Exported %1 generations to %2").arg(QLocale().toString(recorded.fullCount()), path), error);
}

void Observatory::chooseImageFile()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Save image"), "observatory.png", tr("PNG images (*.png)"), "png");
    if (path.isEmpty())
        return;
    QString error;
    const bool done = saveImage(path, error);
    FileActions::reportSave(this, statusBar, path, done, tr("Saved the image to %1").arg(path), error);
}

void Observatory::reportPanelAction(const QString &path, bool saving, bool done, const QString &message,
                                    const QString &error)
{
    (saving ? FileActions::reportSave : FileActions::reportOpen)(this, statusBar, path, done, message, error);
}
