// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEPANEL_H
#define LANDSCAPEPANEL_H

#include "landscapepresets.h"
#include "runstate.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QSpinBox;
class QToolButton;
QT_END_NAMESPACE
class LandscapeChart;
class LandscapeUndo;
class MainWindow;

// The controls for making landscapes and keeping runs: drawing on the chart,
// presets, undo and redo, saving the landscape, and snapshots of the whole run.
// Every change reaches the window at once, through MainWindow::setLandscape or
// MainWindow::restoreState. A file that cannot be read or written gets one dialog
// and changes nothing.
class LandscapePanel : public QWidget
{
    Q_OBJECT

public:
    LandscapePanel(MainWindow *window, LandscapeChart *chart, QWidget *parent = nullptr);

    LandscapeUndo *undo() const { return history; }
    // A file's name, a preset's, or "edited"; landscapeNameChanged() tells each change.
    QString landscapeName() const;

    // The pace that snapshots keep, in generations per second (0: as fast as possible).
    void setPace(int generationsPerSecond) { pace = generationsPerSecond; }
    // The window's run with the landscape's name and the pace.
    RunState state() const;

    void applyPreset(Preset preset);
    // Each returns false with the reason in error, and then changes nothing.
    bool openLandscape(const QString &path, QString &error);
    bool saveLandscape(const QString &path, QString &error) const;
    bool openSnapshot(const QString &path, QString &error);
    bool saveSnapshot(const QString &path, QString &error) const;

signals:
    void landscapeNameChanged(const QString &name);
    // After a snapshot was opened: the observatory takes its pace from here.
    void snapshotRestored(const RunState &state);
    // What a file action did, for a status bar.
    void reported(const QString &message);

private:
    void chooseLandscapeFile();
    void chooseSnapshotFile();
    void chooseSnapshotToOpen();
    void showName(const QString &name);
    void report(bool done, const QString &message, const QString &error);

    MainWindow *window;
    LandscapeChart *chart;
    LandscapeUndo *history;
    QToolButton *editButton;
    QSpinBox *walkSeedBox;
    QLabel *nameLabel;
    int pace = 0;
};

#endif
