// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEUNDO_H
#define LANDSCAPEUNDO_H

#include "landscapewatch.h"

#include <QObject>
#include <QString>

QT_BEGIN_NAMESPACE
class QAction;
class QUndoStack;
QT_END_NAMESPACE
class MainWindow;

// Undo and redo of the window's landscape and its name. Every change the watch
// sees is one step, wherever it came from: the window's edits, Reload and "Load
// File:", a stroke, a preset, a file or a snapshot; changes that belong together
// (a stroke, a held shift button) are one step. Undo and redo go through
// MainWindow::setLandscape.
class LandscapeUndo : public QObject
{
    Q_OBJECT

public:
    static constexpr int Steps = 500;

    LandscapeUndo(MainWindow *window, LandscapeWatch *watch, QObject *parent = nullptr);

    QUndoStack *stack() const { return steps; }
    // With Ctrl+Z and Ctrl+Shift+Z; add them to a window for the keys to work.
    QAction *undoAction() const { return undoing; }
    QAction *redoAction() const { return redoing; }

private:
    class Step;

    void landscapeChanged(LandscapeWatch::Change change, const int *before, const QString &nameBefore);
    void apply(const int *values, const QString &name, LandscapeWatch::Change change);

    MainWindow *window;
    LandscapeWatch *watch;
    QUndoStack *steps;
    QAction *undoing;
    QAction *redoing;
};

#endif
