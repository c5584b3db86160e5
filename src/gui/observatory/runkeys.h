// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNKEYS_H
#define RUNKEYS_H

#include <QObject>

QT_BEGIN_NAMESPACE
class QKeyEvent;
class QMainWindow;
QT_END_NAMESPACE
class RunControls;

// The keys of a window that drives a run. Space runs and stops and "." steps
// wherever a focused control does not take them itself (a number has no use for
// either, a button keeps its Space); and no field takes a key that one of the
// window's actions has, so that the action wins.
class RunKeys : public QObject
{
    Q_OBJECT

public:
    // Follows the keys of window and of every control in it; the actions are those of its menus.
    RunKeys(QMainWindow *window, RunControls *run);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool runKey(const QKeyEvent *event);
    bool isWindowShortcut(const QKeyEvent *event) const;

    QMainWindow *window;
    RunControls *run;
};

#endif
