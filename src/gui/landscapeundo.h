// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEUNDO_H
#define LANDSCAPEUNDO_H

#include "sizes.h"

#include <QObject>
#include <QString>

QT_BEGIN_NAMESPACE
class QAction;
class QPushButton;
class QUndoStack;
QT_END_NAMESPACE
class MainWindow;

// Undo and redo of the window's landscape, and the landscape's name. Every change
// of the landscape is one step, wherever it came from: the window's edits, Reload
// and "Load File:", a stroke, a preset, a file or a snapshot. It watches the
// window's landscape signal and compares with the landscape it last saw, so a
// signal without a change makes no step. A stroke makes one step, and so does
// holding down a repeating shift button. Undo and redo go through
// MainWindow::setLandscape.
class LandscapeUndo : public QObject
{
    Q_OBJECT

public:
    static constexpr int Steps = 500;

    explicit LandscapeUndo(MainWindow *window, QObject *parent = nullptr);

    QUndoStack *stack() const { return steps; }
    // With Ctrl+Z and Ctrl+Shift+Z; add them to a window for the keys to work.
    QAction *undoAction() const { return undoing; }
    QAction *redoAction() const { return redoing; }

    // The landscape's name: a file's, a preset's, or "edited".
    QString name() const { return current; }
    // What the next change is called; without it a change from "Load File:" takes
    // the file's name, one back to the reference takes the reference's, any other "edited".
    void nameNextChange(const QString &name);
    // What Reload brings back is called name from now on.
    void setReferenceName(const QString &name) { referenceName = name; }
    // Changes from here to endStroke() are one step.
    void beginStroke();
    void endStroke();

signals:
    void nameChanged(const QString &name);

private:
    class Step;

    void landscapeChanged();
    void apply(const int *values, const QString &name);
    void rename(const QString &name);
    int groupOfChange();

    MainWindow *window;
    QUndoStack *steps;
    QAction *undoing;
    QAction *redoing;
    int known[LandscapeSize];
    QString current;
    QString pending;
    QString referenceName;
    int loadsSeen;
    bool applying = false;
    int groups = 0;            // the last group number given out
    int strokeGroup = 0;       // the open stroke's, 0 when none is open
    QPushButton *held = nullptr;
    int heldGroup = 0;
};

#endif
