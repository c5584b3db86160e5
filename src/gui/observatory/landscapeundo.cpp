// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapeundo.h"
#include "mainwindow.h"

#include <QAction>
#include <QUndoStack>

#include <algorithm>
#include <vector>

// One change of the landscape, with its name before and after. Steps of one group
// (a stroke, a held button) merge into one.
class LandscapeUndo::Step : public QUndoCommand
{
public:
    Step(LandscapeUndo *owner, const int *before, const int *after, const QString &nameBefore,
         const QString &nameAfter, int group)
        : owner(owner), before(before, before + LandscapeSize), after(after, after + LandscapeSize),
          nameBefore(nameBefore), nameAfter(nameAfter), group(group)
    {
    }

    int id() const override { return group > 0 ? 1 : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const Step *next = static_cast<const Step *>(other);
        if (next->group != group)
            return false;
        after = next->after;
        nameAfter = next->nameAfter;
        setObsolete(before == after);
        return true;
    }

    // The change is there when the step is pushed.
    void redo() override
    {
        if (!pushed) {
            pushed = true;
            return;
        }
        owner->apply(after.data(), nameAfter, RunEvents::Redone);
    }

    void undo() override { owner->apply(before.data(), nameBefore, RunEvents::Undone); }

private:
    LandscapeUndo *owner;
    std::vector<int> before;
    std::vector<int> after;
    QString nameBefore;
    QString nameAfter;
    int group;
    bool pushed = false;
};

LandscapeUndo::LandscapeUndo(MainWindow *window, LandscapeWatch *watch, QObject *parent)
    : QObject(parent), window(window), watch(watch), steps(new QUndoStack(this))
{
    steps->setUndoLimit(Steps);
    undoing = new QAction(tr("Undo"), this);
    undoing->setShortcuts(QKeySequence::Undo);
    undoing->setToolTip(tr("Undo the last change of the landscape (%1)").arg(undoing->shortcut().toString()));
    undoing->setEnabled(false);
    connect(undoing, &QAction::triggered, steps, &QUndoStack::undo);
    connect(steps, &QUndoStack::canUndoChanged, undoing, &QAction::setEnabled);
    // Ctrl+Shift+Z wherever the platform's keys for redo lack it.
    const QKeySequence redoKey(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(redoKey))
        redoKeys.prepend(redoKey);
    redoing = new QAction(tr("Redo"), this);
    redoing->setShortcuts(redoKeys);
    redoing->setToolTip(tr("Redo the change undone last (%1)").arg(redoKey.toString()));
    redoing->setEnabled(false);
    connect(redoing, &QAction::triggered, steps, &QUndoStack::redo);
    connect(steps, &QUndoStack::canRedoChanged, redoing, &QAction::setEnabled);
    connect(watch, &LandscapeWatch::changed, this, &LandscapeUndo::landscapeChanged);
}

void LandscapeUndo::landscapeChanged(LandscapeWatch::Change change, const int *before, const QString &nameBefore)
{
    const int *now = window->environment();
    if (change == RunEvents::Undone || change == RunEvents::Redone || std::equal(before, before + LandscapeSize, now))
        return;
    steps->push(new Step(this, before, now, nameBefore, watch->name(), watch->group()));
}

void LandscapeUndo::apply(const int *values, const QString &name, LandscapeWatch::Change change)
{
    window->setLandscape(values, change, name);
}
