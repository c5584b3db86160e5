// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEPANEL_H
#define LANDSCAPEPANEL_H

#include "landscapepresets.h"
#include "runstate.h"

#include <QGroupBox>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QSpinBox;
QT_END_NAMESPACE
class LandscapeChart;
class LandscapeUndo;
class LandscapeWatch;
class LessonModel;
class MainWindow;
class RunControls;

// The controls for making landscapes and keeping runs: drawing on the chart,
// presets, undo and redo, saving the landscape, and snapshots of the whole run.
// Every change reaches the window at once, through MainWindow::setLandscape or
// MainWindow::restoreState. A file that cannot be read or written changes nothing.
class LandscapePanel : public QGroupBox
{
    Q_OBJECT

public:
    LandscapePanel(MainWindow *window, LandscapeChart *chart, LandscapeWatch *watch, const RunControls *run,
                   QWidget *parent = nullptr);

    LandscapeUndo *undo() const { return history; }
    // Drawing on the chart, on and off; the presets, each an action.
    QAction *editAction() const { return editing; }
    QMenu *presetMenu() const { return presets; }

    // The window's run with the landscape's name and the pace that "Run" has.
    RunState state() const;
    // Snapshots open their lesson into it and keep its lesson when saved.
    void setLessons(LessonModel *model) { lessons = model; }

    void applyPreset(Preset preset);
    // Each returns false with the reason in error, and then changes nothing.
    bool saveLandscape(const QString &path, QString &error) const;
    bool openSnapshot(const QByteArray &path, QString &error);
    bool saveSnapshot(const QString &path, QString &error) const;

    // The file dialogs behind the panel's buttons.
    void saveLandscapeAs();
    void saveSnapshotAs();
    void openSnapshotFile();
    // True when no lesson edits would be lost, or the user chose to let them go.
    bool mayLeaveLesson();

    QList<QWidget *> tabOrder() const;

signals:
    // After a snapshot and its lesson were opened: the observatory takes its pace from here.
    void snapshotRestored(const RunState &state);
    // What a file action chosen here did with path (saving it or opening it): message when done, else error.
    void reported(const QString &path, bool saving, bool done, const QString &message, const QString &error);

private:
    MainWindow *window;
    LandscapeChart *chart;
    LandscapeWatch *watch;
    LandscapeUndo *history;
    QList<QWidget *> controls;
    QSpinBox *walkSeedBox;
    QAction *editing;
    QMenu *presets;
    const RunControls *run;
    LessonModel *lessons = nullptr;
};

#endif
