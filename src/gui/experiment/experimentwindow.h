// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPERIMENTWINDOW_H
#define EXPERIMENTWINDOW_H

#include "experimentresults.h"
#include "parameters.h"

#include <QList>
#include <QMainWindow>
#include <QMetaType>

QT_BEGIN_NAMESPACE
class QAction;
QT_END_NAMESPACE
class ExperimentForm;
class ExperimentJob;
class ExperimentResultsView;

Q_DECLARE_METATYPE(Settings)

// Many runs at once from the main window's landscape and parameters: one or two
// parameters varied over values, each combination with a range of seeds, run on
// every core. Shows how often the runs hit a target, and when, and lists them;
// any run listed can be watched in the main window. The charts zoom like the
// observatory's, and the zoom is remembered.
class ExperimentWindow : public QMainWindow
{
    Q_OBJECT

public:
    ExperimentWindow(const int *landscape, const QString &landscapeName, const Settings &settings,
                     QWidget *parent = nullptr);

    // What the next experiment starts from. A new landscape resets the target to its highest value.
    void setStart(const int *landscape, const QString &landscapeName, const Settings &settings);
    // The controls set to a plan of one varied parameter with the seeds from 1, as a lesson makes.
    void setPlan(const ExperimentPlan &plan, const QString &landscapeName);
    // From the controls; false, with the reason shown, when they are not valid.
    bool start();
    // Stops the experiment under way at once; the results shown before stay.
    void cancel();
    bool isRunning() const { return job != nullptr; }
    // The runs shown, 0 before the first experiment has finished.
    int runCount() const;

    // The per-run CSV of the results shown; false with the reason in error.
    bool exportCsv(const QString &path, QString &error) const;
    // The charts as a PNG.
    bool saveImage(const QString &path, QString &error);

    int zoom() const { return zoomPercent; }
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();

    QSize sizeHint() const override;

signals:
    // A run to watch in the main window, exactly as it ran here.
    void runChosen(const QList<int> &landscape, const QString &landscapeName, const Settings &settings, unsigned seed);
    // An experiment has finished and its results are shown.
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createActions();
    void createMenus();
    void showProgress(long long done, long long total);
    void showResults(const SharedResults &results);
    void emitRun(std::size_t index);
    void chooseCsvFile();
    void chooseImageFile();
    void toggleFullScreen(bool on);
    void about();
    QImage picture() const;
    void updateActions();

    SharedResults shown;
    ExperimentJob *job = nullptr;
    int zoomPercent;

    ExperimentForm *form;
    ExperimentResultsView *resultsView;
    QAction *exportAction;
    QAction *imageAction;
    QAction *closeAction;
    QAction *startAction;
    QAction *cancelAction;
    QAction *zoomInAction;
    QAction *zoomOutAction;
    QAction *resetZoomAction;
    QAction *fullScreenAction;
    QAction *aboutAction;
};

#endif
