// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapeundo.h"
#include "landscapepresets.h"
#include "mainwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
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
        owner->apply(after.data(), nameAfter);
    }

    void undo() override { owner->apply(before.data(), nameBefore); }

private:
    LandscapeUndo *owner;
    std::vector<int> before;
    std::vector<int> after;
    QString nameBefore;
    QString nameAfter;
    int group;
    bool pushed = false;
};

LandscapeUndo::LandscapeUndo(MainWindow *window, QObject *parent)
    : QObject(parent), window(window), steps(new QUndoStack(this)),
      current(tr(presetInfo(Preset::Tent).name)), referenceName(current), loadsSeen(window->loadCount())
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
    std::copy(window->environment(), window->environment() + LandscapeSize, known);
    connect(window, &MainWindow::signal_EnvironmentUpdate, this, &LandscapeUndo::landscapeChanged);

    // A held button repeats its clicks, each release and press included; the hold
    // ends when a release leaves it up.
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->autoRepeat())
            continue;
        connect(button, &QPushButton::released, this, [this, button] {
            QTimer::singleShot(0, this, [this, button] {
                if (held == button && !button->isDown())
                    held = nullptr;
            });
        });
    }
}

void LandscapeUndo::nameNextChange(const QString &name)
{
    pending = name;
}

void LandscapeUndo::beginStroke()
{
    strokeGroup = ++groups;
}

void LandscapeUndo::endStroke()
{
    strokeGroup = 0;
}

void LandscapeUndo::landscapeChanged()
{
    const QString named = pending;
    pending.clear();
    const bool loaded = window->loadCount() != loadsSeen;
    loadsSeen = window->loadCount();
    const int *now = window->environment();
    if (applying || std::equal(now, now + LandscapeSize, known)) {
        if (!named.isEmpty())
            rename(named);
        return;
    }
    QString name = named;
    if (name.isEmpty() && loaded)
        name = QFileInfo(window->selectedFileName()).fileName();
    if (name.isEmpty())
        name = std::equal(now, now + LandscapeSize, window->referenceEnvironment()) ? referenceName : tr("edited");
    steps->push(new Step(this, known, now, current, name, groupOfChange()));
    std::copy(now, now + LandscapeSize, known);
    rename(name);
}

// A stroke's group while it is open, else a held repeating button's: the one down
// now, or the one whose last, releasing click this is.
int LandscapeUndo::groupOfChange()
{
    if (strokeGroup > 0)
        return strokeGroup;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->autoRepeat() && button->isDown() && button != held) {
            held = button;
            heldGroup = ++groups;
        }
    }
    return held ? heldGroup : 0;
}

void LandscapeUndo::apply(const int *values, const QString &name)
{
    applying = true;
    std::copy(values, values + LandscapeSize, known);
    window->setLandscape(values);
    applying = false;
    rename(name);
}

void LandscapeUndo::rename(const QString &name)
{
    if (name == current)
        return;
    current = name;
    emit nameChanged(current);
}
