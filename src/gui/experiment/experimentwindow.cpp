// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentwindow.h"
#include "countform.h"
#include "experimentform.h"
#include "experimentjob.h"
#include "experimentresultsview.h"
#include "fileactions.h"
#include "landscapename.h"
#include "parametercaption.h"
#include "preferences.h"
#include "safefile.h"
#include "timings.h"
#include "zoomsteps.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include <algorithm>
#include <cstring>

namespace {
const QSize PreferredSize(1200, 660);
}

ExperimentWindow::ExperimentWindow(const int *landscape, const QString &landscapeName, const Settings &settings,
                                   QWidget *parent)
    : QMainWindow(parent, Qt::Window)
{
    setWindowTitle(tr("vezo-vizoziv Experiment"));
    createActions();
    form = new ExperimentForm({startAction, cancelAction, exportAction, imageAction});
    resultsView = new ExperimentResultsView;
    QWidget *columns = new QWidget;
    QHBoxLayout *layout = new QHBoxLayout(columns);
    layout->addWidget(form);
    layout->addWidget(resultsView, 1);
    setCentralWidget(columns);
    createMenus();
    statusBar()->setSizeGripEnabled(false);

    connect(form, &ExperimentForm::planChanged, this, &ExperimentWindow::updateActions);
    connect(resultsView, &ExperimentResultsView::runActivated, this, &ExperimentWindow::emitRun);
    setStart(landscape, landscapeName, settings);
    zoomPercent = ZoomSteps::clamped(Preferences::experimentZoom(ZoomSteps::Smallest));
    resultsView->setZoom(ZoomSteps::factor(zoomPercent));
    updateActions();
}

// Each action works wherever the focus is in the window: none of their keys is
// one a number field or a list of values takes for itself.
void ExperimentWindow::createActions()
{
    const auto command = [this](const QString &text, const QList<QKeySequence> &keys, const QString &tip) {
        QAction *action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setStatusTip(tip);
        addAction(action);
        return action;
    };
    exportAction = command(tr("&Export CSV..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
                           tr("Save a row per run, as the command line writes them"));
    imageAction = command(tr("&Save image..."), QKeySequence::keyBindings(QKeySequence::Save),
                          tr("Save the charts as a PNG image"));
    closeAction = command(tr("&Close"), QKeySequence::keyBindings(QKeySequence::Close),
                          tr("Close this window; an experiment under way stops"));
    startAction = command(tr("&Start"), {QKeySequence(Qt::CTRL | Qt::Key_R)}, tr("Run the experiment planned"));
    cancelAction = command(tr("&Cancel"), QKeySequence::keyBindings(QKeySequence::Cancel),
                           tr("Stop the experiment under way; the results shown stay"));
    QList<QKeySequence> zoomInKeys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    zoomInKeys << QKeySequence(Qt::CTRL | Qt::Key_Equal); // + without Shift
    zoomInAction = command(tr("Zoom &in"), zoomInKeys, tr("Larger charts and text"));
    zoomOutAction = command(tr("Zoom &out"), QKeySequence::keyBindings(QKeySequence::ZoomOut),
                            tr("Smaller charts and text"));
    resetZoomAction = command(tr("&Reset zoom"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, tr("Charts and text at 100 %"));
    QList<QKeySequence> fullScreenKeys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!fullScreenKeys.contains(QKeySequence(Qt::Key_F11)))
        fullScreenKeys << QKeySequence(Qt::Key_F11);
    fullScreenAction = command(tr("&Full screen"), fullScreenKeys, tr("The window over the whole screen, or back"));
    fullScreenAction->setCheckable(true);
    aboutAction = command(tr("&About this window"), QKeySequence::keyBindings(QKeySequence::HelpContents),
                          tr("What this window does"));

    connect(exportAction, &QAction::triggered, this, &ExperimentWindow::chooseCsvFile);
    connect(imageAction, &QAction::triggered, this, &ExperimentWindow::chooseImageFile);
    connect(closeAction, &QAction::triggered, this, &ExperimentWindow::close);
    connect(startAction, &QAction::triggered, this, &ExperimentWindow::start);
    connect(cancelAction, &QAction::triggered, this, &ExperimentWindow::cancel);
    connect(zoomInAction, &QAction::triggered, this, &ExperimentWindow::zoomIn);
    connect(zoomOutAction, &QAction::triggered, this, &ExperimentWindow::zoomOut);
    connect(resetZoomAction, &QAction::triggered, this, [this] { setZoom(ZoomSteps::Smallest); });
    connect(fullScreenAction, &QAction::triggered, this, &ExperimentWindow::toggleFullScreen);
    connect(aboutAction, &QAction::triggered, this, &ExperimentWindow::about);
}

void ExperimentWindow::createMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(exportAction);
    fileMenu->addAction(imageAction);
    fileMenu->addSeparator();
    fileMenu->addAction(closeAction);

    QMenu *runMenu = menuBar()->addMenu(tr("&Run"));
    runMenu->addAction(startAction);
    runMenu->addAction(cancelAction);

    QMenu *viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->addAction(zoomInAction);
    viewMenu->addAction(zoomOutAction);
    viewMenu->addAction(resetZoomAction);
    viewMenu->addSeparator();
    viewMenu->addAction(fullScreenAction);

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAction);
}

void ExperimentWindow::setStart(const int *landscape, const QString &landscapeName, const Settings &settings)
{
    form->setStart(landscape, landscapeName, settings);
}

void ExperimentWindow::setPlan(const ExperimentPlan &plan, const QString &landscapeName)
{
    form->setStart(plan.landscape, landscapeName, plan.base);
    form->setPlan(plan.variations.front(), plan.seeds, plan.generations, plan.targetValue());
}

int ExperimentWindow::runCount() const
{
    return shown ? static_cast<int>(shown->runs.size()) : 0;
}

QSize ExperimentWindow::sizeHint() const
{
    return PreferredSize;
}

bool ExperimentWindow::start()
{
    if (job)
        return false;
    ExperimentPlan plan;
    QString error;
    if (!form->readPlan(plan, error)) {
        form->validate();
        return false;
    }
    job = new ExperimentJob(plan, form->landscapeName(), this);
    connect(job, &ExperimentJob::progressed, this, &ExperimentWindow::showProgress);
    connect(job, &ExperimentJob::finished, this, &ExperimentWindow::showResults);
    showProgress(0, plan.totalRuns());
    statusBar()->showMessage(tr("Running..."));
    updateActions();
    return true;
}

// The job's runs end on their own, soon; nothing of them reaches the window.
void ExperimentWindow::cancel()
{
    if (!job)
        return;
    job->cancel();
    job->deleteLater();
    job = nullptr;
    showProgress(runCount(), runCount());
    statusBar()->showMessage(shown ? tr("Cancelled; the results shown are those of the last experiment.")
                                   : tr("Cancelled."),
                             StatusMilliseconds);
    updateActions();
}

void ExperimentWindow::showProgress(long long done, long long total)
{
    form->showProgress(done, total);
}

void ExperimentWindow::showResults(const SharedResults &results)
{
    job->deleteLater();
    job = nullptr;
    shown = results;
    resultsView->setResults(shown);
    showProgress(runCount(), runCount());
    statusBar()->showMessage(tr("%1 on %2 in %L3 s")
                                 .arg(runsText(runCount()))
                                 .arg(LandscapeName::shown(shown->landscapeName))
                                 .arg(double(shown->milliseconds) / 1000.0, 0, 'f', 2));
    updateActions();
    emit finished();
}

void ExperimentWindow::emitRun(std::size_t index)
{
    if (!shown || index >= shown->runs.size())
        return;
    const RunResult &run = shown->runs[index];
    const QList<int> ground(shown->plan.landscape, shown->plan.landscape + LandscapeSize);
    statusBar()->showMessage(tr("Watching seed %1 in the main window").arg(run.seed), StatusMilliseconds);
    emit runChosen(ground, shown->landscapeName, shown->plan.settings(run.combination), run.seed);
}

bool ExperimentWindow::exportCsv(const QString &path, QString &error) const
{
    if (!shown) {
        error = tr("there are no results yet");
        return false;
    }
    SafeFile file(QFile::encodeName(path), SafeFile::RegularFiles);
    if (!file.open()) {
        error = file.errorString();
        return false;
    }
    SafeFileSink sink(file);
    RowBuffer rows(sink);
    bool written = rows.write(RunCsvHeader, std::strlen(RunCsvHeader));
    for (std::size_t index = 0; written && index < shown->runs.size(); ++index)
        written = rows.add(RunCsvRowMaxLength, [&](char *out) { return writeRunRow(out, shown->plan, shown->runs[index]); });
    if (!written || !rows.flush() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

// The charts under the line that says what the experiment was.
QImage ExperimentWindow::picture() const
{
    return resultsView->chartsPicture().toImage();
}

bool ExperimentWindow::saveImage(const QString &path, QString &error)
{
    if (!shown) {
        error = tr("there are no results yet");
        return false;
    }
    return FileActions::savePng(picture(), FileActions::withSuffix(path, "png"), error);
}

void ExperimentWindow::setZoom(int percent)
{
    zoomPercent = ZoomSteps::clamped(percent);
    resultsView->setZoom(ZoomSteps::factor(zoomPercent));
    Preferences::setExperimentZoom(zoomPercent);
    statusBar()->showMessage(tr("Charts at %1 %").arg(zoomPercent), StatusMilliseconds);
    updateActions();
}

void ExperimentWindow::zoomIn()
{
    setZoom(ZoomSteps::in(zoomPercent));
}

void ExperimentWindow::zoomOut()
{
    setZoom(ZoomSteps::out(zoomPercent));
}

void ExperimentWindow::toggleFullScreen(bool on)
{
    setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
}

void ExperimentWindow::about()
{
    QMessageBox::about(this, tr("About this window"),
                       tr("<p>An experiment runs the algorithm many times at once, on every core: one or two "
                          "parameters are varied over the values listed, every combination with each of the "
                          "seeds, the other parameters as in the main window.</p>"
                          "<p>The charts show how often the runs reached the target fitness, with a 95 % "
                          "interval, and by which generation; with two parameters varied, a heat map shows "
                          "the hit rate of each combination. The table lists every run: double-click one, "
                          "or a cell of the heat map, to watch it in the main window.</p>"
                          "<p>The results can be saved as CSV, a row per run, or as a picture of the charts.</p>"));
}

void ExperimentWindow::closeEvent(QCloseEvent *event)
{
    cancel();
    event->accept();
}

void ExperimentWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        fullScreenAction->setChecked(isFullScreen());
    QMainWindow::changeEvent(event);
}

void ExperimentWindow::chooseCsvFile()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Export CSV"), "experiment.csv", tr("CSV files (*.csv)"), "csv");
    if (path.isEmpty())
        return;
    QString error;
    const bool done = exportCsv(path, error);
    FileActions::reportSave(this, statusBar(), path, done, tr("Exported %1 to %2").arg(runsText(runCount())).arg(path),
                            error);
}

void ExperimentWindow::chooseImageFile()
{
    const QString path = FileActions::chooseSaveFile(this, tr("Save image"), "experiment.png", tr("PNG images (*.png)"), "png");
    if (path.isEmpty())
        return;
    QString error;
    const bool done = saveImage(path, error);
    FileActions::reportSave(this, statusBar(), path, done, tr("Saved the image to %1").arg(path), error);
}

void ExperimentWindow::updateActions()
{
    startAction->setEnabled(!job && form->isPlanValid());
    cancelAction->setEnabled(job != nullptr);
    exportAction->setEnabled(shown != nullptr);
    imageAction->setEnabled(shown != nullptr);
    zoomInAction->setEnabled(zoomPercent < ZoomSteps::Largest);
    zoomOutAction->setEnabled(zoomPercent > ZoomSteps::Smallest);
    form->setRunning(job != nullptr);
}
