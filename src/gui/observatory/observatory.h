// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OBSERVATORY_H
#define OBSERVATORY_H

#include "historymarkers.h"
#include "landscapewatch.h"
#include "parameters.h"
#include "runstate.h"

#include <QMainWindow>

QT_BEGIN_NAMESPACE
class QDockWidget;
class QTabWidget;
QT_END_NAMESPACE
class ControlColumn;
class ExperimentWindow;
class GenerationView;
class HistoryChart;
class LandscapeChart;
class LandscapeControls;
class LandscapePanel;
class LessonModel;
class LessonPanel;
class MainWindow;
class RecordControls;
class RecordedRun;
class RunCaption;
class RunControls;
class SchemataView;
class Throttle;
class WindowPlacement;

// A window on a run of the main window that can drive it on its own: the
// landscape and the members at large, fitness, diversity and bits over the
// generations with marks where something happened, a caption saying what is
// shown, and controls for the run, the parameters and the landscape that go
// through the main window's own slots; beside the charts, what the latest
// generation drew and how patterns of genomes fare against the schema theorem.
// A lesson's notes and steps stand in a panel at the side.
// It records from the moment it is made, shown or not; F2 in either window shows
// or hides it, and closing only hides it. While it is shown its pace paces the
// main window's "Run". Pace, zoom, geometry and the folders last used are remembered.
// Everything it does is an action in its menus, with its keys.
class Observatory : public QMainWindow
{
    Q_OBJECT

public:
    explicit Observatory(MainWindow *window, QWidget *parent = nullptr);
    ~Observatory() override;

    // Writes every generation kept in full as CSV; false with the reason in error.
    bool exportCsv(const QString &path, QString &error) const;
    // A PNG of the caption line and the charts; ".png" is added to a path without a suffix.
    bool saveImage(const QString &path, QString &error);

    int pace() const;
    void setPace(int generationsPerSecond); // 0: as fast as possible
    int zoom() const { return zoomPercent; }
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();

    void restart(unsigned seed);
    void clearHistory();
    // Through the main window's "Load File:": a name in its start folder or an
    // absolute path. Stopped only; false when running.
    bool loadLandscape(const QString &nameOrPath);
    QString landscapeName() const;
    LandscapePanel *landscapePanel() const { return landscapeEditor; }
    // Goes on from a snapshot: the run, its landscape's name and pace; the history starts again.
    bool openSnapshot(const QByteArray &path, QString &error);
    const HistoryMarkers &markers() const;
    // The experiment window, on the main window's landscape and parameters.
    ExperimentWindow *openExperiment();
    // Puts a run of an experiment into the main window and restarts it with the seed.
    void watchRun(const QList<int> &landscape, const QString &name, const Settings &settings, unsigned seed);
    QTabWidget *lowerTabs() const { return tabs; }
    LessonModel *lessons() const { return lessonModel; }
    LessonPanel *lessonPanel() const { return lessonView; }

    void toggle();
    void showBeside();
    void toggleFullScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildLayout();
    void createMenus();
    void setTabOrder();
    void showHelp();
    void applyZoom();
    void applyPace(bool shown);
    void followSnapshot(const RunState &state);
    void followLandscape(LandscapeWatch::Change change);
    void followDrift(bool genomesReplaced);
    void showLesson();
    void showLessonExperiment();
    void refresh();
    void describe();
    void tellLoadFailed(const QString &message);
    void chooseLandscapeFile();
    void chooseCsvFile();
    void chooseImageFile();
    QImage picture() const;
    void reportPanelAction(const QString &path, bool saving, bool done, const QString &message, const QString &error);

    MainWindow *window;
    RecordedRun *run;
    LandscapeWatch *landscapeWatch;
    ControlColumn *column;
    RunControls *runControls;
    LandscapeControls *landscapeControls;
    RecordControls *recordControls;
    RunCaption *caption;
    LandscapePanel *landscapeEditor;
    LandscapeChart *landscapeChart;
    HistoryChart *historyChart;
    GenerationView *generationView;
    SchemataView *schemataView;
    ExperimentWindow *experiment = nullptr;
    QTabWidget *tabs;
    LessonModel *lessonModel;
    LessonPanel *lessonView;
    QDockWidget *lessonDock;
    WindowPlacement *placement;
    Throttle *describing;
    int zoomPercent;
    QRect unzoomed; // the window's place before it was zoomed in, brought back at 100 %
    bool refreshPending = false;
};

#endif
