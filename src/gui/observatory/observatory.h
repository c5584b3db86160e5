// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OBSERVATORY_H
#define OBSERVATORY_H

#include "generationstep.h"
#include "history.h"
#include "historymarkers.h"
#include "landscapewatch.h"
#include "parameters.h"
#include "runstate.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QStatusBar;
class QTabWidget;
QT_END_NAMESPACE
class ExperimentWindow;
class GenerationView;
class HistoryChart;
class LandscapeChart;
class LandscapeControls;
class LandscapePanel;
class MainWindow;
class ParameterControls;
class RecordControls;
class RunCaption;
class RunControls;
class SchemataView;
class Throttle;

// A window on a run of the main window that can drive it on its own: the
// landscape and the members at large, fitness, diversity and bits over the
// generations with marks where something happened, a caption saying what is
// shown, and controls for the run, the parameters and the landscape that go
// through the main window's own slots; beside the charts, what the latest
// generation drew and how patterns of genomes fare against the schema theorem.
// It records from the moment it is made, shown or not; F2 in either window shows
// or hides it, and closing only hides it. While it is shown its pace paces the
// main window's "Run". Pace, zoom, geometry and the folders last used are remembered.
class Observatory : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SmallestZoom = 100; // percent
    static constexpr int LargestZoom = 300;

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
    const HistoryMarkers &markers() const { return marks; }
    // The experiment window, on the main window's landscape and parameters.
    ExperimentWindow *openExperiment();
    // Puts a run of an experiment into the main window and restarts it with the seed.
    void watchRun(const QList<int> &landscape, const QString &name, const Settings &settings, unsigned seed);
    QTabWidget *lowerTabs() const { return tabs; }

    void toggle();
    void showBeside();
    void toggleFullScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildLayout(QWidget *panel);
    void addShortcuts();
    void setTabOrder();
    void applyZoom();
    bool runKey(const QKeyEvent *event);
    void applyPace(bool shown);
    void recordGeneration();
    void recordStep(const GenerationTrace &trace);
    void followSnapshot(const RunState &state);
    void followGenomes(RunEvents::GenomesChange change);
    void markParameter(const Parameter *parameter, int value);
    void followLandscape(LandscapeWatch::Change change);
    void refresh();
    void describe();
    void placeBeside();
    void keepFrameInRoom();
    void chooseLandscapeFile();
    void chooseCsvFile();
    void chooseImageFile();
    QImage picture() const;
    void reportPanelAction(const QString &path, bool saving, bool done, const QString &message, const QString &error);
    void saveGeometrySetting();

    MainWindow *window;
    History recorded;
    HistoryMarkers marks;
    QElapsedTimer clock;
    Settings shown; // the parameters as last seen, for the marks
    LandscapeWatch *landscapeWatch;
    RunControls *runControls;
    ParameterControls *parameterControls;
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
    QStatusBar *statusBar;
    Throttle *describing;
    int zoomPercent = SmallestZoom;
    bool openingSnapshot = false;
    int markedGroup = 0; // the landscape watch's group of the latest landscape mark
    bool refreshPending = false;
    bool placed = false;
    QRect frameRoom; // where the framed window must fit, until it has a frame
};

#endif
