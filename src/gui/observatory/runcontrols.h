// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNCONTROLS_H
#define RUNCONTROLS_H

#include "runstate.h"

#include <QGroupBox>

QT_BEGIN_NAMESPACE
class QComboBox;
class QPushButton;
QT_END_NAMESPACE
class MainWindow;

// Run, Stop and Step through the main window's own slots, and the pace of "Run",
// which the observatory gives the main window while it is shown.
class RunControls : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int StartPace = WatchablePace;

    explicit RunControls(MainWindow *window, QWidget *parent = nullptr);

    // Generations per second, 0 as fast as possible; a pace not offered takes the nearest one.
    int pace() const;
    void setPace(int generationsPerSecond);
    // Run when stopped, stop when running.
    void toggleRun();
    void step();
    void setStopped(bool stopped);

    QList<QWidget *> tabOrder() const;

signals:
    void paceChanged(int generationsPerSecond);
    // Chosen in the box, rather than set.
    void paceChosen(int generationsPerSecond);

private:
    void applyPace();

    MainWindow *window;
    QPushButton *runButton;
    QPushButton *stopButton;
    QPushButton *stepButton;
    QComboBox *paceBox;
};

#endif
