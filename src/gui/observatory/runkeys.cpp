// SPDX-License-Identifier: GPL-3.0-or-later
#include "runkeys.h"
#include "runcontrols.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

RunKeys::RunKeys(QWidget *window, RunControls *run)
    : QObject(window), window(window), run(run)
{
    window->installEventFilter(this);
    for (QAbstractSpinBox *box : window->findChildren<QAbstractSpinBox *>())
        box->installEventFilter(this);
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        field->installEventFilter(this);
}

// A key press reaches the window only when no focused control took it.
bool RunKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && watched != window)
        return isWindowShortcut(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::KeyPress && (watched == window || qobject_cast<QAbstractSpinBox *>(watched)))
        return runKey(static_cast<QKeyEvent *>(event));
    return QObject::eventFilter(watched, event);
}

bool RunKeys::runKey(const QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (event->key() == Qt::Key_Space)
        run->toggleRun();
    else if (event->key() == Qt::Key_Period)
        run->step();
    else
        return false;
    return true;
}

bool RunKeys::isWindowShortcut(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const QAction *action : window->findChildren<QAction *>()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed))
            return true;
    }
    return false;
}
