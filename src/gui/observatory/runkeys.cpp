// SPDX-License-Identifier: GPL-3.0-or-later
#include "runkeys.h"
#include "runcontrols.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

RunKeys::RunKeys(QMainWindow *window, RunControls *run)
    : QObject(window), window(window), run(run)
{
    qApp->installEventFilter(this);
}

// Keys of the window's own widgets only. A key press reaches the window itself only
// when no focused control took it.
bool RunKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    QWidget *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != window)
        return false;
    const bool field = qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QLineEdit *>(widget);
    if (event->type() == QEvent::ShortcutOverride)
        return field && isWindowShortcut(static_cast<QKeyEvent *>(event));
    if (widget == window || qobject_cast<QAbstractSpinBox *>(widget))
        return runKey(static_cast<QKeyEvent *>(event));
    return false;
}

bool RunKeys::runKey(const QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    // A held Space runs or stops once; a held "." steps on.
    if (event->key() == Qt::Key_Space && event->isAutoRepeat())
        return true;
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
    for (const QAction *menu : window->menuBar()->actions()) {
        for (const QAction *action : menu->menu()->actions()) {
            if (action->isEnabled() && action->shortcuts().contains(pressed))
                return true;
        }
    }
    return false;
}
